// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file_writer.h"
#include "file_names.h"
#include "windows_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace korvex {
namespace {

// A temporary name stays well within MAX_PATH's share of a name.
constexpr qsizetype kMaxNameInTemporary = 200;
constexpr int kTemporaryNameAttempts = 100;

Outcome failedWith(DWORD error) {
    return Fault{qt_error_string(int(error))};
}

QString randomSuffix() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix(8, Qt::Uninitialized);
    for (QChar& c : suffix)
        c = QLatin1Char(kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)]);
    return suffix;
}

// Where the file really is: a symbolic link's (or junction's) final target,
// so that the link stays and the file it names is replaced in its own folder.
QString finalPath(const QString& native) {
    const WindowsHandle file(
        ::CreateFileW(wide(native), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return native;
    wchar_t buffer[32768];
    const DWORD length = ::GetFinalPathNameByHandleW(file.get(), buffer, DWORD(std::size(buffer)),
                                                     FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= std::size(buffer))
        return native;
    QString path = QString::fromWCharArray(buffer, int(length));
    // \\?\C:\folder\file, or \\?\UNC\server\share\file for a network share.
    if (path.startsWith(QLatin1String("\\\\?\\UNC\\")))
        path = QLatin1String("\\\\") + path.mid(8);
    else if (path.startsWith(QLatin1String("\\\\?\\")))
        path = path.mid(4);
    return path;
}

// Why an existing target may not be replaced; empty when it may.
QString refusal(const QString& native, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return windowsNotRegularReason(FILE_TYPE_DISK, attributes);
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return QCoreApplication::translate("FileWriter", "the file is read-only");
    // Device names (NUL, COM1, CON) and pipes pass for files by their name.
    const WindowsHandle file(::CreateFileW(wide(native), 0,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid())
        return {};
    return windowsNotRegularReason(::GetFileType(file.get()), INVALID_FILE_ATTRIBUTES);
}

// The new content beside the target. Until it has taken the target's place,
// it is removed again on every way out.
class Replacement {
public:
    explicit Replacement(QString target)
        : target_(std::move(target)) {}
    ~Replacement() {
        file_ = WindowsHandle();
        if (!temporary_.isEmpty() && !placed_)
            ::DeleteFileW(wide(temporary_));
        if (!backup_.isEmpty())
            ::DeleteFileW(wide(backup_));
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // CREATE_NEW: never an existing file, never one planted under our name.
    DWORD createTemporary() {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            const QString candidate = besideTarget();
            WindowsHandle file(::CreateFileW(wide(candidate), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
            if (file.valid()) {
                temporary_ = candidate;
                file_ = std::move(file);
                return 0;
            }
            const DWORD error = ::GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                return error;
        }
        return ERROR_FILE_EXISTS;
    }

    DWORD write(QByteArrayView bytes) { return writeAllToHandle(file_.get(), bytes); }

    // The bytes on the disk before the name points at them.
    DWORD flushAndClose() {
        if (!::FlushFileBuffers(file_.get()))
            return ::GetLastError();
        return file_.closeChecked();
    }

    // ReplaceFileW keeps the replaced file's security descriptor, attributes
    // and creation time; a new file is moved into place, written through.
    // ReplaceFileW is given a name of ours to move the old file to: without
    // one it may make a helper file of its own (rfXXXX.tmp) and leave it
    // behind when the old file cannot be moved, as when another program
    // holds it open. Ours goes on every way out; where the old file was
    // moved there and the new one could not follow, it is moved back first.
    DWORD takePlace(bool replacing) {
        if (!replacing) {
            if (!::MoveFileExW(wide(temporary_), wide(target_),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return ::GetLastError();
            placed_ = true;
            return 0;
        }
        backup_ = unusedName();
        if (backup_.isEmpty())
            return ERROR_FILE_EXISTS;
        if (!::ReplaceFileW(wide(target_), wide(temporary_), wide(backup_),
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
                !::MoveFileExW(wide(backup_), wide(target_), MOVEFILE_WRITE_THROUGH))
                backup_.clear(); // the old content: left where it is rather than lost
            return error;
        }
        placed_ = true;
        return 0;
    }

private:
    QString besideTarget() const {
        const qsizetype slash = target_.lastIndexOf(QLatin1Char('\\'));
        const QString folder = target_.left(slash + 1);
        const QString name = target_.mid(slash + 1).left(kMaxNameInTemporary);
        return folder + QLatin1Char('.') + name + QLatin1Char('.') + randomSuffix();
    }

    // A name beside the target that nothing has; empty when none was found.
    QString unusedName() const {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            QString candidate = besideTarget();
            if (::GetFileAttributesW(wide(candidate)) == INVALID_FILE_ATTRIBUTES &&
                ::GetLastError() == ERROR_FILE_NOT_FOUND)
                return candidate;
        }
        return {};
    }

    QString target_;
    QString temporary_;
    QString backup_;
    WindowsHandle file_;
    bool placed_ = false;
};

} // namespace

Outcome writeFileAtomically(const QString& path, QByteArrayView bytes) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return failedWith(ERROR_INVALID_NAME);
    // Said in words of our own before the system answers with a bare code.
    if (const QString why = windowsReservedNameReason(path); !why.isEmpty())
        return Fault{why};
    const QString given = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const DWORD givenAttributes = ::GetFileAttributesW(wide(given));
    const bool replacing = givenAttributes != INVALID_FILE_ATTRIBUTES;
    if (!replacing) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND)
            return failedWith(error);
    }
    const QString target = replacing ? finalPath(given) : given;
    if (replacing) {
        const DWORD attributes = ::GetFileAttributesW(wide(target));
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return failedWith(::GetLastError());
        if (const QString why = refusal(target, attributes); !why.isEmpty())
            return Fault{why + QCoreApplication::translate("FileWriter", "; it was left as it is")};
    }

    Replacement replacement(target);
    if (const DWORD error = replacement.createTemporary())
        return failedWith(error);
    if (const DWORD error = replacement.write(bytes))
        return failedWith(error);
    if (const DWORD error = replacement.flushAndClose())
        return failedWith(error);
    if (const DWORD error = replacement.takePlace(replacing))
        return failedWith(error);
    return Outcome::success();
}

// Windows has no name for an open handle of this process: standard output is
// "-" only, and CON is refused as the device it is.
bool namesStandardOutput(const QString&) {
    return false;
}

} // namespace korvex
