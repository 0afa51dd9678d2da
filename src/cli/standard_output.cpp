// SPDX-License-Identifier: GPL-3.0-or-later
#include "standard_output.h"

#include <cerrno>

#include "file_io/descriptor_io.h"
#include "file_io/system_error.h"

#include <poll.h>
#include <unistd.h>

namespace korvex::cli {

StandardOutput::StandardOutput(int fd, bool closedAtStart)
    : fd_(fd)
    , closedAtStart_(closedAtStart) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::writeData(const char* data, qint64 size) {
    if (failed())
        return -1;
    if (closedAtStart_) {
        // Standard error closed by the caller is their 2>/dev/null: what
        // goes there is not wanted. Standard output was the work itself.
        if (fd_ == 2)
            return size;
        outcome_ = Fault{systemErrorText(EBADF)};
        return -1;
    }
    if (const int error = writeAll(fd_, QByteArrayView(data, size)); error != 0) {
        outcome_ = Fault{systemErrorText(error)};
        return -1;
    }
    return size;
}

bool readerGone(int fd) {
    // Asking for no event still reports these two.
    pollfd watched{fd, 0, 0};
    return ::poll(&watched, 1, 0) == 1 && (watched.revents & (POLLERR | POLLHUP)) != 0;
}

} // namespace korvex::cli
