// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// What a file that is not a regular one is, for a message: "it is <this>, not
// a regular file".
inline QString fileKindName(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe (FIFO)");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISLNK(mode))
        return QStringLiteral("a symbolic link");
    return QStringLiteral("a special file");
}

inline QString notRegularReason(mode_t mode) {
    return QStringLiteral("it is %1, not a regular file").arg(fileKindName(mode));
}

} // namespace korvex
