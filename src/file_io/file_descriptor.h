// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace korvex {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(FileDescriptor&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }

    // Closes now and returns errno, or 0: a write error may only show here
    // (NFS, some FUSE file systems report it at close).
    int closeChecked() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// What a file that is not a regular one is, for a message. Whole sentences: a language may inflect
// what the kind of file is.
inline QString notRegularReason(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileKind", "it is a folder, not a regular file");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("FileKind",
                                           "it is a character device, not a regular file");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("FileKind", "it is a block device, not a regular file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileKind",
                                           "it is a named pipe (FIFO), not a regular file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileKind", "it is a socket, not a regular file");
    if (S_ISLNK(mode))
        return QCoreApplication::translate("FileKind", "it is a symbolic link, not a regular file");
    return QCoreApplication::translate("FileKind", "it is a special file, not a regular file");
}

} // namespace korvex
