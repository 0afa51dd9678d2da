// SPDX-License-Identifier: GPL-3.0-or-later
#include "process_start.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace korvex {

ClosedStreams prepareProcess() {
    ClosedStreams closed{};
    // In order: open() takes the lowest free number, which is the one closed.
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            closed[static_cast<std::size_t>(fd)] = true;
            [[maybe_unused]] const int held = ::open("/dev/null", O_RDWR);
        }
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
    ::sigaction(SIGPIPE, &ignore, nullptr);
    return closed;
}

} // namespace korvex
