// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file_writer.h"

#include "descriptor_io.h"
#include "file_descriptor.h"
#include "file_names.h"
#include "file_write_steps.h"
#include "system_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/xattr.h>

namespace korvex {
namespace {

struct FileWriterWords {
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
};

// As many links as the kernel follows before it reports a loop.
constexpr int kMaxLinkHops = 40;
// A temporary name must stay within NAME_MAX however long the target's name.
constexpr qsizetype kMaxNameInTemporary = 200;
constexpr int kTemporaryNameAttempts = 100;
constexpr char kAccessList[] = "system.posix_acl_access";

Outcome failedWith(int error) {
    return Fault{systemErrorText(error)};
}

int refused(const FileCalls& calls, FileStep step) {
    return calls.refuse ? calls.refuse(step) : 0;
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// The names by which a process reaches its own open descriptors. Resolving
// one to what it points at would replace an append-only log by a copy, or
// find a pipe or a deleted file that has no name to replace.
std::optional<int> descriptorNamedBy(const QByteArray& path) {
    if (path == "/dev/stdin")
        return 0;
    if (path == "/dev/stdout")
        return 1;
    if (path == "/dev/stderr")
        return 2;
    const QByteArray own = "/proc/" + QByteArray::number(::getpid()) + "/fd/";
    for (const QByteArray& prefix : {QByteArray("/dev/fd/"), QByteArray("/proc/self/fd/"),
                                     QByteArray("/proc/thread-self/fd/"), own}) {
        if (!path.startsWith(prefix))
            continue;
        bool number = false;
        const int fd = path.mid(prefix.size()).toInt(&number);
        return number && fd >= 0 ? std::optional<int>(fd) : std::nullopt;
    }
    return std::nullopt;
}

// The kernel's rule for links in a shared sticky folder such as /tmp
// (fs.protected_symlinks), which following by hand would otherwise bypass: a
// link there is followed only when it is ours or the folder owner's, so no
// other user can point root's save at a file of root's.
bool plantedByAnother(const QByteArray& link, const struct stat& linkStat) {
    struct stat folder {};
    if (::stat(folderOf(link).constData(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return shared && linkStat.st_uid != ::geteuid() && linkStat.st_uid != folder.st_uid;
}

struct ResolvedPath {
    QByteArray path; // the first name on the way that is not a symbolic link
    int error = 0;
    bool planted = false;                         // stopped at a link of another user's
    std::optional<int> descriptor = std::nullopt; // stopped at a name of an open descriptor
};

// Follows symbolic links by hand rather than letting open() do it, because
// the file must be replaced in the folder it really lives in. The end may not
// exist yet (a new file, or a dangling link).
ResolvedPath followLinks(QByteArray path) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        if (const auto fd = descriptorNamedBy(path))
            return {{}, 0, false, fd};
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            return errno == ENOENT ? ResolvedPath{path} : ResolvedPath{{}, errno};
        if (!S_ISLNK(st.st_mode))
            return {path};
        if (plantedByAnother(path, st))
            return {{}, 0, true};
        QByteArray target(st.st_size > 0 ? st.st_size + 1 : 4096, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0)
            return {{}, errno};
        if (length >= target.size())
            return {{}, ENAMETOOLONG}; // the link changed while it was read
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    return {{}, ELOOP};
}

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr qsizetype kSuffixLength = 8;

QByteArray randomSuffix() {
    QByteArray suffix(kSuffixLength, Qt::Uninitialized);
    for (char& c : suffix)
        c = kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
    return suffix;
}

// Where the old file's attributes are read: its open descriptor, or its name
// when we may replace it but not read it.
struct AttributeSource {
    int fd = -1;
    QByteArray path;

    ssize_t get(const char* name, void* value, size_t size) const {
        return fd >= 0 ? ::fgetxattr(fd, name, value, size)
                       : ::lgetxattr(path.constData(), name, value, size);
    }
    ssize_t list(char* names, size_t size) const {
        return fd >= 0 ? ::flistxattr(fd, names, size)
                       : ::llistxattr(path.constData(), names, size);
    }
};

// An attribute's value; nullopt with errno set when it cannot be read.
template <typename Get> std::optional<QByteArray> attribute(Get&& get) {
    for (;;) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray value(size, Qt::Uninitialized);
        const ssize_t got = get(value.data(), value.size());
        if (got >= 0)
            return value.left(got);
        if (errno != ERANGE) // ERANGE: it grew in between; ask again
            return std::nullopt;
    }
}

// The names of a file's attributes; those of trusted.* only for root (the
// kernel lists them to no one else). An empty list where the file system
// keeps none.
std::optional<QList<QByteArray>> attributeNames(const AttributeSource& from) {
    const auto list = attribute([&](char* names, size_t size) { return from.list(names, size); });
    if (!list)
        return errno == ENOTSUP ? std::optional(QList<QByteArray>{}) : std::nullopt;
    QByteArray names = *list;
    names.chop(names.endsWith('\0') ? 1 : 0);
    return names.isEmpty() ? QList<QByteArray>{} : names.split('\0');
}

struct AttributeFailure {
    int error = 0;
    QByteArray name;
};

// The new file gets exactly the old one's attributes, its access list among
// them (system.posix_acl_access). One the kernel has already given the new
// file with the same value (a security label) needs no permission to set; an
// access list the folder's default gave it, which the old file did not have,
// is taken away again, as it could open the file to more people.
AttributeFailure copyAttributes(const AttributeSource& from, int to) {
    const auto names = attributeNames(from);
    if (!names)
        return {errno, {}};
    for (const QByteArray& name : *names) {
        const char* key = name.constData();
        const auto value =
            attribute([&](void* into, size_t size) { return from.get(key, into, size); });
        if (!value)
            return {errno, name};
        if (::fsetxattr(to, key, value->constData(), value->size(), 0) == 0)
            continue;
        const int error = errno;
        if (attribute([&](void* into, size_t size) { return ::fgetxattr(to, key, into, size); }) !=
            value)
            return {error, name};
    }
    if (!names->contains(kAccessList) && ::fremovexattr(to, kAccessList) != 0 && errno != ENODATA &&
        errno != ENOTSUP)
        return {errno, kAccessList};
    return {};
}

QString attributeFailureReason(const AttributeFailure& failure) {
    const QString what =
        failure.name.isEmpty() ? FileWriterWords::tr("its extended attributes")
        : failure.name == kAccessList
            ? FileWriterWords::tr("its access list")
            : FileWriterWords::tr("its extended attribute %1").arg(QString::fromUtf8(failure.name));
    return FileWriterWords::tr(
               "%1 could not be given to the new file (%2); the file was left as it is")
        .arg(what, systemErrorText(failure.error));
}

// Linking an unnamed file by its descriptor's name needs /proc; without it
// the file would be written and then could not be named.
bool unnamedFilesCanBeLinked() {
    static const bool proc = ::access("/proc/self/fd", X_OK) == 0;
    return proc;
}

// One replacement of `name` in an open folder. The new file is made without
// a name where the file system allows it, so a save killed halfway leaves
// nothing behind; a named temporary is removed again on every way out until
// the rename.
class Replacement {
public:
    Replacement(int folder, QByteArray name, const FileCalls& calls)
        : folder_(folder)
        , name_(std::move(name))
        , calls_(calls) {}
    ~Replacement() {
        if (!temporaryName_.isEmpty() && !renamed_)
            ::unlinkat(folder_, temporaryName_.constData(), 0);
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    int createTemporary(mode_t mode) {
        if (unnamedFilesCanBeLinked()) {
            const int fd = ::openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            if (fd >= 0) {
                file_ = std::make_unique<FileDescriptor>(fd);
                return 0;
            }
            // Kernels and file systems that have no unnamed files say so in
            // these ways; anything else (EACCES) a named file would meet too.
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                return errno;
        }
        return claimTemporaryName([this, mode](const char* candidate) {
            // O_EXCL: never an existing file, never through a link someone planted.
            const int fd = ::openat(folder_, candidate,
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd >= 0)
                file_ = std::make_unique<FileDescriptor>(fd);
            return fd >= 0;
        });
    }

    // Before any byte is written, so the content is never more exposed than
    // in the file it replaces.
    Outcome takeMetadata(const AttributeSource& old, const struct stat& oldStat) {
        mode_t mode = oldStat.st_mode & 07777;
        if (::geteuid() == 0) {
            if (const int error = step(FileStep::Chown, [&] {
                    return ::fchown(file_->get(), oldStat.st_uid, oldStat.st_gid);
                }))
                return failedWith(error);
        } else if (step(FileStep::Chown,
                        [&] { return ::fchown(file_->get(), uid_t(-1), oldStat.st_gid); }) != 0) {
            // Only a group of ours can be kept; under our default group the
            // old group's rights would go to other people, so they are dropped.
            mode &= ~mode_t(S_IRWXG);
        }
        if (const int error = refused(calls_, FileStep::CopyAttributes))
            return Fault{attributeFailureReason({error, {}})};
        if (const AttributeFailure failure = copyAttributes(old, file_->get()); failure.error)
            return Fault{attributeFailureReason(failure)};
        // After the access list: the mode's group bits are its mask.
        if (const int error = step(FileStep::Chmod, [&] { return ::fchmod(file_->get(), mode); }))
            return failedWith(error);
        return Outcome::success();
    }

    int write(QByteArrayView bytes) { return writeAll(file_->get(), bytes, calls_.write); }

    int sync() { return syncDescriptor(file_->get(), calls_); }

    // An unnamed file first gets a temporary name (a link cannot replace),
    // then the rename puts it in place in one step.
    int renameOverTarget() {
        if (temporaryName_.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(file_->get());
            if (const int error = claimTemporaryName([this, &self](const char* candidate) {
                    return ::linkat(AT_FDCWD, self.constData(), folder_, candidate,
                                    AT_SYMLINK_FOLLOW) == 0;
                }))
                return error;
        }
        if (const int error = file_->closeChecked())
            return error;
        if (const int error = step(FileStep::Rename, [&] {
                return ::renameat(folder_, temporaryName_.constData(), folder_, name_.constData());
            }))
            return error;
        renamed_ = true;
        return 0;
    }

    static int syncDescriptor(int fd, const FileCalls& calls) {
        int synced;
        do {
            synced = calls.fsync(fd);
        } while (synced != 0 && errno == EINTR);
        return synced == 0 ? 0 : errno;
    }

private:
    // Runs a step unless the test seam refuses it; the errno, or 0.
    template <typename Call> int step(FileStep which, Call&& call) {
        if (const int error = refused(calls_, which))
            return error;
        return call() == 0 ? 0 : errno;
    }

    // Tries fresh names until `make` takes one that did not exist.
    template <typename Make> int claimTemporaryName(Make&& make) {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            const QByteArray candidate =
                '.' + name_.left(kMaxNameInTemporary) + '.' + randomSuffix();
            if (make(candidate.constData())) {
                temporaryName_ = candidate;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    int folder_;
    QByteArray name_;
    const FileCalls& calls_;
    QByteArray temporaryName_;
    std::unique_ptr<FileDescriptor> file_;
    bool renamed_ = false;
};

// Where a file system has no unnamed files, a save killed halfway leaves its
// named temporary behind. The next save of the same name removes those of
// ours that no save can still be writing: regular, unlinked nowhere else,
// untouched for an hour, and named exactly as this writer names them.
void removeStaleTemporaries(int folder, const QByteArray& name) {
    constexpr qint64 kStaleSeconds = 3600;
    const QByteArray prefix = '.' + name.left(kMaxNameInTemporary) + '.';
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!listing) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray entryName(entry->d_name);
        const QByteArray suffix = entryName.mid(prefix.size());
        const bool ours = entryName.startsWith(prefix) && suffix.size() == kSuffixLength &&
                          std::all_of(suffix.begin(), suffix.end(),
                                      [](char c) { return std::strchr(kLetters, c) != nullptr; });
        struct stat st {};
        if (!ours || ::fstatat(folder, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == ::geteuid() &&
            std::time(nullptr) - st.st_mtime > kStaleSeconds)
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(listing);
}

QString folderRefusal(const QByteArray& folder, int error) {
    return FileWriterWords::tr(
               "its folder \"%1\" takes no new file (%2), and a safe save writes the "
               "new content to a new file beside the old one")
        .arg(QDir(QFile::decodeName(folder)).absolutePath(), systemErrorText(error));
}

// A writable file in a folder that takes no new file is rewritten where it
// is. The space for the new content is reserved before the first byte, so a
// full disk stops the save while the old content is still whole.
Outcome writeInPlace(int folder, const QByteArray& folderPath, const QByteArray& name,
                     const struct stat& old, int createError, QByteArrayView bytes,
                     const FileCalls& calls) {
    FileDescriptor file(
        ::openat(folder, name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!file.valid() || ::fstat(file.get(), &opened) != 0 || opened.st_ino != old.st_ino ||
        opened.st_dev != old.st_dev)
        return Fault{folderRefusal(folderPath, createError) +
                     FileWriterWords::tr("; the file itself is not writable either")};
    int reserved = refused(calls, FileStep::Reserve);
    if (reserved == 0 && !bytes.isEmpty() && ::fallocate(file.get(), 0, 0, bytes.size()) != 0)
        reserved = errno;
    if (reserved != 0)
        return Fault{
            folderRefusal(folderPath, createError) +
            FileWriterWords::tr(". Writing in place needs the space for it reserved first, which "
                                "failed (%1); the file was left as it is")
                .arg(systemErrorText(reserved))};
    int error = writeAll(file.get(), bytes, calls.write);
    if (error == 0 && ::ftruncate(file.get(), bytes.size()) != 0)
        error = errno;
    if (error == 0)
        error = Replacement::syncDescriptor(file.get(), calls);
    if (error == 0)
        error = file.closeChecked();
    if (error != 0)
        return Fault{FileWriterWords::tr(
                         "%1; its folder takes no new file, so it was being rewritten in place "
                         "and may now be incomplete")
                         .arg(systemErrorText(error))};
    return Outcome::success();
}

// A name of an open descriptor is written as a stream, as "-" is.
Outcome writeToDescriptor(int fd, QByteArrayView bytes, const FileCalls& calls) {
    if (const int error = writeAll(fd, bytes, calls.write))
        return failedWith(error);
    return Outcome::success();
}

} // namespace

FileCalls systemFileCalls() {
    return {[](int fd, const char* data, qint64 size) -> qint64 {
                return ::write(fd, data, static_cast<size_t>(size));
            },
            [](int fd) { return ::fsync(fd); }, nullptr};
}

Outcome writeFileAtomically(const QString& path, QByteArrayView bytes) {
    return writeFileAtomically(path, bytes, systemFileCalls());
}

bool namesStandardOutput(const QString& path) {
    return descriptorNamedBy(QFile::encodeName(path)) == 1;
}

Outcome writeFileAtomically(const QString& path, QByteArrayView bytes, const FileCalls& calls) {
    if (nameLostBytes(path))
        return Fault{lostBytesReason()};
    const ResolvedPath resolved = followLinks(QFile::encodeName(path));
    if (resolved.descriptor)
        return writeToDescriptor(*resolved.descriptor, bytes, calls);
    if (resolved.planted)
        return Fault{FileWriterWords::tr(
            "it leads through a symbolic link another user made in a shared folder; it was "
            "not followed")};
    if (resolved.error != 0)
        return failedWith(resolved.error);
    const QByteArray name = resolved.path.mid(resolved.path.lastIndexOf('/') + 1);
    if (name.isEmpty())
        return failedWith(EISDIR);
    const QByteArray folderPath = folderOf(resolved.path);
    const FileDescriptor folder(::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return failedWith(errno);

    // Opened (not only looked at) so that the attributes come from the very
    // file whose kind and mode were checked.
    const FileDescriptor oldFile(::openat(
        folder.get(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat old {};
    const bool replacing =
        oldFile.valid() ? ::fstat(oldFile.get(), &old) == 0
                        : ::fstatat(folder.get(), name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!replacing && errno != ENOENT)
        return failedWith(errno);
    if (replacing && !S_ISREG(old.st_mode))
        return Fault{notRegularReason(old.st_mode) + FileWriterWords::tr("; it was left as it is")};
    if (replacing && !(old.st_mode & S_IWUSR))
        return Fault{FileWriterWords::tr(
            "it is write-protected (its owner may not write it); it was left as "
            "it is")};

    Replacement replacement(folder.get(), name, calls);
    // A new file is created with 0666 and the kernel applies the umask (and
    // any default ACL); a replacement starts private and takes the old mode.
    if (const int error = replacement.createTemporary(replacing ? 0600 : 0666)) {
        if (error != EACCES && error != EPERM)
            return failedWith(error);
        if (!replacing)
            return Fault{folderRefusal(folderPath, error)};
        return writeInPlace(folder.get(), folderPath, name, old, error, bytes, calls);
    }
    if (replacing) {
        const AttributeSource source{oldFile.get(), resolved.path};
        if (Outcome taken = replacement.takeMetadata(source, old); !taken)
            return taken;
    }
    if (const int error = replacement.write(bytes))
        return failedWith(error);
    if (const int error = replacement.sync())
        return failedWith(error);
    if (const int error = replacement.renameOverTarget())
        return failedWith(error);
    removeStaleTemporaries(folder.get(), name);
    // Only the synced folder makes the rename last through a power cut. Some
    // file systems cannot sync a folder at all (EINVAL): nothing to report.
    int folderSynced = refused(calls, FileStep::SyncFolder);
    if (folderSynced == 0 && ::fsync(folder.get()) != 0 && errno != EINVAL)
        folderSynced = errno;
    if (folderSynced != 0)
        return Fault{
            FileWriterWords::tr("the new file is in place, but its folder could not be synced: %1")
                .arg(systemErrorText(folderSynced))};
    return Outcome::success();
}

} // namespace korvex
