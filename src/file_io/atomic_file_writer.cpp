// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file_writer.h"

#ifdef Q_OS_UNIX

#include "descriptor_io.h"
#include "file_descriptor.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <memory>

namespace korvex {
namespace {

// As many links as the kernel follows before it reports a loop.
constexpr int kMaxLinkHops = 40;
// A temporary name must stay within NAME_MAX however long the target's name.
constexpr qsizetype kMaxNameInTemporary = 200;
constexpr int kTemporaryNameAttempts = 100;

FileWriteResult failedWith(int error) {
    return FileWriteResult::failed(qt_error_string(error));
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
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
    bool planted = false; // stopped at a link of another user's
};

// Follows symbolic links by hand rather than letting open() do it, because
// the file must be replaced in the folder it really lives in. The end may not
// exist yet (a new file, or a dangling link).
ResolvedPath followLinks(QByteArray path) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
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

QByteArray randomSuffix() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray suffix(8, Qt::Uninitialized);
    for (char& c : suffix)
        c = kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)];
    return suffix;
}

// One replacement of `name` in an open folder. Until the rename succeeds, the
// temporary file is removed again on every way out.
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

    // O_EXCL: never an existing file, never through a link someone planted.
    int createTemporary(mode_t mode) {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            const QByteArray candidate =
                '.' + name_.left(kMaxNameInTemporary) + '.' + randomSuffix();
            const int fd = ::openat(folder_, candidate.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd >= 0) {
                temporaryName_ = candidate;
                file_ = std::make_unique<FileDescriptor>(fd);
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    // Before any byte is written, so the content is never more exposed than
    // in the file it replaces.
    int takeOwnerAndMode(const struct stat& old) {
        if (::geteuid() == 0) {
            if (::fchown(file_->get(), old.st_uid, old.st_gid) != 0)
                return errno;
        } else {
            // Keeping the group works only for a group of ours; otherwise the
            // file gets our default group, as any new file would.
            [[maybe_unused]] const int kept = ::fchown(file_->get(), uid_t(-1), old.st_gid);
        }
        return ::fchmod(file_->get(), old.st_mode & 07777) == 0 ? 0 : errno;
    }

    int write(QByteArrayView bytes) { return writeAll(file_->get(), bytes, calls_.write); }

    int syncAndClose() {
        int synced;
        do {
            synced = calls_.fsync(file_->get());
        } while (synced != 0 && errno == EINTR);
        if (synced != 0)
            return errno;
        return file_->closeChecked();
    }

    int renameOverTarget() {
        if (::renameat(folder_, temporaryName_.constData(), folder_, name_.constData()) != 0)
            return errno;
        renamed_ = true;
        return 0;
    }

private:
    int folder_;
    QByteArray name_;
    const FileCalls& calls_;
    QByteArray temporaryName_;
    std::unique_ptr<FileDescriptor> file_;
    bool renamed_ = false;
};

} // namespace

FileCalls systemFileCalls() {
    return {[](int fd, const char* data, qint64 size) -> qint64 {
                return ::write(fd, data, static_cast<size_t>(size));
            },
            [](int fd) { return ::fsync(fd); }};
}

FileWriteResult writeFileAtomically(const QString& path, QByteArrayView bytes,
                                    const FileCalls& calls) {
    const ResolvedPath resolved = followLinks(QFile::encodeName(path));
    if (resolved.planted)
        return FileWriteResult::failed(QStringLiteral(
            "it leads through a symbolic link another user made in a shared folder; it was "
            "not followed"));
    if (resolved.error != 0)
        return failedWith(resolved.error);
    const QByteArray name = resolved.path.mid(resolved.path.lastIndexOf('/') + 1);
    if (name.isEmpty())
        return failedWith(EISDIR);
    const FileDescriptor folder(
        ::open(folderOf(resolved.path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return failedWith(errno);

    struct stat old {};
    const bool replacing =
        ::fstatat(folder.get(), name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!replacing && errno != ENOENT)
        return failedWith(errno);
    if (replacing && !S_ISREG(old.st_mode))
        return FileWriteResult::failed(notRegularReason(old.st_mode) +
                                       QStringLiteral("; it was left as it is"));

    Replacement replacement(folder.get(), name, calls);
    // A new file is created with 0666 and the kernel applies the umask (and
    // any default ACL); a replacement starts private and takes the old mode.
    if (const int error = replacement.createTemporary(replacing ? 0600 : 0666))
        return failedWith(error);
    if (replacing) {
        if (const int error = replacement.takeOwnerAndMode(old))
            return failedWith(error);
    }
    if (const int error = replacement.write(bytes))
        return failedWith(error);
    if (const int error = replacement.syncAndClose())
        return failedWith(error);
    if (const int error = replacement.renameOverTarget())
        return failedWith(error);
    // Only the synced folder makes the rename last through a power cut. Some
    // file systems cannot sync a folder at all (EINVAL): nothing to report.
    if (::fsync(folder.get()) != 0 && errno != EINVAL)
        return FileWriteResult::failed(
            QStringLiteral("the new file is in place, but its folder could not be synced: %1")
                .arg(qt_error_string(errno)));
    return {};
}

} // namespace korvex

#else

#include <QFileInfo>
#include <QSaveFile>

namespace korvex {

FileWriteResult writeFileAtomically(const QString& path, QByteArrayView bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return FileWriteResult::failed(
            QStringLiteral("it is not a regular file; it was left as it is"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileWriteResult::failed(file.errorString());
    // commit() of some Qt versions renames even when its own final flush
    // fails, so everything is flushed and checked before it.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return FileWriteResult::failed(why);
    }
    if (!file.commit())
        return FileWriteResult::failed(file.errorString());
    return {};
}

} // namespace korvex

#endif
