// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracker_simulator.h"

#include "transfer/frames.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace korvex {

struct PtyTracker::Impl {
    int master = -1;
    int slave = -1;
    QString device;
    QString error;

    std::thread reader;
    std::atomic<bool> stopping{false};
    std::atomic<int> hangUpAfter{-1};
    ssize_t received = 0; // by the reader thread only
    std::function<void(const TrackerTransfer&)> onTransfer;

    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<TrackerTransfer> queue;

    void deliver(TrackerTransfer transfer) {
        if (onTransfer)
            onTransfer(transfer);
        {
            const std::lock_guard lock(mutex);
            queue.push_back(std::move(transfer));
        }
        arrived.notify_all();
        // A sender's port sets exclusive use, and the line stays in use while
        // we hold our own end: clear it so that the next sender can open it.
#ifdef TIOCNXCL
        if (slave >= 0)
            ::ioctl(slave, TIOCNXCL);
#endif
    }

    void closeLine() {
        if (master >= 0)
            ::close(master);
        if (slave >= 0)
            ::close(slave);
        master = slave = -1;
    }

    void run() {
        TrackerReceiver receiver;
        std::vector<char> buffer(4096);
        while (!stopping) {
            // Wake for data, for a transfer's deadline, or to look at `stopping`.
            int waitMs = 50;
            if (const auto due = receiver.deadline()) {
                const double left = *due - nowMs();
                waitMs = static_cast<int>(std::clamp(std::ceil(left), 0.0, 50.0));
            }
            pollfd p{master, POLLIN, 0};
            const int ready = ::poll(&p, 1, waitMs);
            if (ready > 0 && (p.revents & POLLIN)) {
                const ssize_t n = ::read(master, buffer.data(), buffer.size());
                const double at = nowMs();
                if (n > 0) {
                    for (auto& done :
                         receiver.receive(QByteArray(buffer.data(), static_cast<qsizetype>(n)), at))
                        deliver(std::move(done));
                    received += n;
                    const int limit = hangUpAfter.load();
                    if (limit >= 0 && received >= limit) {
                        hangUp(receiver);
                        return;
                    }
                    continue;
                }
            }
            if (ready > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
                ::usleep(10 * 1000); // no sender on the line: do not spin
            if (auto late = receiver.poll(nowMs()))
                deliver(std::move(*late));
        }
    }

    void hangUp(TrackerReceiver& receiver) {
        closeLine();
        if (auto cut = receiver.abort())
            deliver(std::move(*cut));
    }
};

PtyTracker::PtyTracker()
    : d_(std::make_unique<Impl>()) {
    char name[256] = {};
    if (::openpty(&d_->master, &d_->slave, name, nullptr, nullptr) != 0) {
        d_->error = QStringLiteral("Cannot open a pseudo-terminal: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
        d_->master = d_->slave = -1;
        return;
    }
    ::fcntl(d_->master, F_SETFD, FD_CLOEXEC);
    ::fcntl(d_->slave, F_SETFD, FD_CLOEXEC);
    d_->device = QString::fromLocal8Bit(name);
    // Raw both ways: a serial line translates no byte, and 255, CR or ^S must
    // reach the tracker as they were sent.
    termios raw{};
    for (const int fd : {d_->master, d_->slave}) {
        if (::tcgetattr(fd, &raw) == 0) {
            ::cfmakeraw(&raw);
            ::tcsetattr(fd, TCSANOW, &raw);
        }
    }
}

PtyTracker::~PtyTracker() {
    stop();
    d_->closeLine();
}

bool PtyTracker::ok() const {
    return !d_->device.isEmpty();
}

QString PtyTracker::error() const {
    return d_->error;
}

QString PtyTracker::device() const {
    return d_->device;
}

void PtyTracker::start(std::function<void(const TrackerTransfer&)> onTransfer) {
    if (d_->reader.joinable() || d_->master < 0)
        return;
    d_->onTransfer = std::move(onTransfer);
    d_->stopping = false;
    d_->reader = std::thread([this] { d_->run(); });
}

void PtyTracker::stop() {
    d_->stopping = true;
    if (d_->reader.joinable())
        d_->reader.join();
}

std::optional<TrackerTransfer> PtyTracker::waitForTransfer(int timeoutMs) {
    std::unique_lock lock(d_->mutex);
    if (!d_->arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [this] { return !d_->queue.empty(); }))
        return std::nullopt;
    TrackerTransfer next = std::move(d_->queue.front());
    d_->queue.pop_front();
    return next;
}

void PtyTracker::hangUpAfter(int bytes) {
    d_->hangUpAfter = bytes;
}

double PtyTracker::nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace korvex
