// SPDX-License-Identifier: GPL-3.0-or-later
#include "pseudo_terminal.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace korvex::testing {

Pty::Pty() {
    char name[128] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        return;
    slavePath_ = QString::fromLocal8Bit(name);
    // Raw on both sides: no end-of-line or flow-control byte may be
    // translated or swallowed on its way to the reader.
    termios raw{};
    for (const int fd : {master_, slave_}) {
        ::tcgetattr(fd, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(fd, TCSANOW, &raw);
    }
}

Pty::~Pty() {
    stopReading();
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
}

QByteArray Pty::read(int timeoutMs) const {
    QByteArray bytes;
    pollfd p{master_, POLLIN, 0};
    while (::poll(&p, 1, bytes.isEmpty() ? timeoutMs : 20) > 0 && (p.revents & POLLIN)) {
        char buffer[512];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    return bytes;
}

void Pty::startReading() {
    reader_ = std::thread([this] {
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                continue;
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                continue;
            const std::lock_guard lock(mutex_);
            chunks_.push_back({Clock::now(), QByteArray(buffer, static_cast<qsizetype>(n))});
        }
    });
}

void Pty::stopReading() {
    stop_ = true;
    if (reader_.joinable())
        reader_.join();
}

std::vector<Pty::Chunk> Pty::chunks() {
    const std::lock_guard lock(mutex_);
    return chunks_;
}

} // namespace korvex::testing
