// SPDX-License-Identifier: GPL-3.0-or-later
#include "standard_output.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#else
#include <cstdio>
#endif

namespace korvex::cli {

StandardOutput::StandardOutput(int fd, bool closedAtStart)
    : fd_(fd) {
    if (closedAtStart)
        failure_ = qt_error_string(EBADF);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::writeData(const char* data, qint64 size) {
    if (failed())
        return -1;
#ifdef Q_OS_UNIX
    qint64 left = size;
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // Left non-blocking by whoever started us: a slow reader, not a failure.
            pollfd ready{fd_, POLLOUT, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        if (written <= 0) {
            failure_ = qt_error_string(written < 0 ? errno : EIO);
            return -1;
        }
        data += written;
        left -= written;
    }
#else
    FILE* stream = fd_ == 2 ? stderr : stdout;
    if (std::fwrite(data, 1, static_cast<size_t>(size), stream) != static_cast<size_t>(size) ||
        std::fflush(stream) != 0) {
        failure_ = qt_error_string(errno);
        return -1;
    }
#endif
    return size;
}

std::array<bool, 3> reserveStandardStreams() {
    std::array<bool, 3> closed{};
#ifdef Q_OS_UNIX
    // In order: open() takes the lowest free number, which is the one closed.
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            closed[static_cast<std::size_t>(fd)] = true;
            [[maybe_unused]] const int held = ::open("/dev/null", O_RDWR);
        }
    }
#endif
    return closed;
}

} // namespace korvex::cli
