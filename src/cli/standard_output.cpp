// SPDX-License-Identifier: GPL-3.0-or-later
#include "standard_output.h"

#include <cerrno>

#include "file_io/descriptor_io.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace korvex::cli {

StandardOutput::StandardOutput(int fd, bool closedAtStart)
    : fd_(fd) {
    if (closedAtStart)
        outcome_ = Fault{qt_error_string(EBADF)};
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::writeData(const char* data, qint64 size) {
    if (failed())
        return -1;
    if (const int error = writeAll(fd_, QByteArrayView(data, size)); error != 0) {
        outcome_ = Fault{qt_error_string(error)};
        return -1;
    }
    return size;
}

bool readerGone(int fd) {
    // Asking for no event still reports these two.
    pollfd watched{fd, 0, 0};
    return ::poll(&watched, 1, 0) == 1 && (watched.revents & (POLLERR | POLLHUP)) != 0;
}

std::array<bool, 3> reserveStandardStreams() {
    std::array<bool, 3> closed{};
    // In order: open() takes the lowest free number, which is the one closed.
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            closed[static_cast<std::size_t>(fd)] = true;
            [[maybe_unused]] const int held = ::open("/dev/null", O_RDWR);
        }
    }
    return closed;
}

} // namespace korvex::cli
