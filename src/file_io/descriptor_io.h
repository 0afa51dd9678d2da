// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace korvex {

inline qint64 systemWrite(int fd, const char* data, qint64 size) {
    return ::write(fd, data, static_cast<size_t>(size));
}

// Writes all of `bytes` through short writes and interruptions; a descriptor
// left non-blocking by whoever started us is waited on, not given up on.
// Returns 0, or the errno of the failure (EIO for a write that made no progress,
// so a stuck descriptor never spins). `write` is the system's unless a test
// puts a failing one in its place.
template <typename Write = decltype(&systemWrite)>
int writeAll(int fd, QByteArrayView bytes, Write&& write = &systemWrite) {
    const char* data = bytes.data();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready{fd, POLLOUT, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        data += written;
        left -= written;
    }
    return 0;
}

} // namespace korvex
