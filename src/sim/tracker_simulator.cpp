// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracker_simulator.h"

#include "tracker_line.h"

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

QString lcdText(TrackerVerdict verdict, int frame) {
    switch (verdict) {
    case TrackerVerdict::Success:
        return QStringLiteral("Success!");
    case TrackerVerdict::BadChecksum:
        return QStringLiteral("Bad checksum %1").arg(frame);
    case TrackerVerdict::ShortFrame:
        return QStringLiteral("Short frame %1").arg(frame);
    case TrackerVerdict::MissingPreamble:
        return QStringLiteral("No preamble %1").arg(frame);
    case TrackerVerdict::FrameTimeout:
        return QStringLiteral("Timeout frame %1").arg(frame);
    case TrackerVerdict::EarlyFrame:
        return QStringLiteral("Early frame %1").arg(frame);
    }
    return {};
}

TrackerReceiver::TrackerReceiver()
    : TrackerReceiver(Timing{}) {}

TrackerReceiver::TrackerReceiver(Timing timing)
    : timing_(timing) {}

void TrackerReceiver::begin(double atMs) {
    current_ = TrackerTransfer{};
    current_.startedAtMs = atMs;
    block_.fill(0);
    frame_ = 1;
    count_ = 0;
    state_ = State::Preamble;
}

TrackerTransfer TrackerReceiver::finish(TrackerVerdict verdict, int frame) {
    TrackerTransfer done = std::move(current_);
    current_ = TrackerTransfer{};
    done.verdict = verdict;
    done.frame = verdict == TrackerVerdict::Success ? 0 : frame;
    done.lcd = lcdText(verdict, done.frame);
    if (verdict == TrackerVerdict::Success) {
        done.block = block_;
        done.decoded = decodeConfigBlock(block_);
        state_ = State::Idle;
    } else {
        // The rest of a broken transfer is noise until the line goes quiet.
        state_ = State::Discard;
    }
    return done;
}

std::optional<TrackerTransfer> TrackerReceiver::take(std::uint8_t byte, double atMs) {
    const double since = atMs - current_.startedAtMs;
    switch (state_) {
    case State::Idle:
    case State::Discard:
        return std::nullopt; // handled by receive()
    case State::BetweenFrames:
        // Bytes right behind frame 1 (a frame too long) or a preamble well
        // before its time: the sender's timeline is off.
        if (since < timing_.preambleGapMs - timing_.preambleGapToleranceMs)
            return finish(TrackerVerdict::EarlyFrame, frame_);
        state_ = State::Preamble;
        count_ = 0;
        [[fallthrough]];
    case State::Preamble:
        if (count_ == 0) {
            current_.marks[2 * static_cast<std::size_t>(frame_ - 1)] = since;
            frameStart_ = current_.received.size() - 1;
        }
        if (byte != tracker::kPreamble[static_cast<std::size_t>(count_)])
            return finish(TrackerVerdict::MissingPreamble, frame_);
        if (++count_ == static_cast<int>(tracker::kPreamble.size())) {
            state_ = State::Data;
            count_ = 0;
        }
        return std::nullopt;
    case State::Data: {
        if (count_ == 0)
            current_.marks[2 * static_cast<std::size_t>(frame_ - 1) + 1] = since;
        if (++count_ < tracker::kFrameBytes) {
            block_[static_cast<std::size_t>((frame_ - 1) * tracker::kFrameDataBytes + count_ - 1)] =
                byte;
            return std::nullopt;
        }
        // The checksum byte: the sum of what came before it on the line.
        const auto frame = std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(current_.received.constData()) + frameStart_,
            static_cast<std::size_t>(current_.received.size() - 1 - frameStart_));
        if (byte != tracker::lineSum(frame))
            return finish(TrackerVerdict::BadChecksum, frame_);
        if (frame_ == 2)
            return finish(TrackerVerdict::Success, 0);
        frame_ = 2;
        count_ = 0;
        state_ = State::BetweenFrames;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

std::vector<TrackerTransfer> TrackerReceiver::receive(const QByteArray& bytes, double atMs) {
    std::vector<TrackerTransfer> done;
    if (bytes.isEmpty())
        return done;
    if (auto late = poll(atMs))
        done.push_back(std::move(*late));

    bool chunkCounted = false;
    for (const char c : bytes) {
        if (state_ == State::Discard) {
            lastByteAt_ = atMs;
            continue;
        }
        if (state_ == State::Idle) {
            begin(atMs);
            chunkCounted = false;
        }
        if (!chunkCounted) {
            // One write of the sender may come in several reads; they are one
            // arrival as long as they follow each other closely.
            const double since = atMs - current_.startedAtMs;
            if (current_.arrivals.empty() || atMs - lastChunkAt_ >= timing_.burstGapMs)
                current_.arrivals.push_back({since, 0});
            lastChunkAt_ = atMs;
            chunkCounted = true;
        }
        current_.arrivals.back().bytes += 1;
        current_.received.append(c);
        lastByteAt_ = atMs;
        if (auto finished = take(static_cast<std::uint8_t>(c), atMs))
            done.push_back(std::move(*finished));
    }
    return done;
}

std::optional<double> TrackerReceiver::deadline() const {
    switch (state_) {
    case State::Idle:
        return std::nullopt;
    case State::BetweenFrames:
        // Counted from preamble 1, which came first.
        return current_.startedAtMs + timing_.preambleGapMs + timing_.preambleGapToleranceMs;
    case State::Discard:
        return lastByteAt_ + timing_.quietMs;
    case State::Preamble:
    case State::Data:
        return lastByteAt_ + timing_.byteGapMs;
    }
    return std::nullopt;
}

std::optional<TrackerTransfer> TrackerReceiver::poll(double nowMs) {
    const std::optional<double> due = deadline();
    if (!due || nowMs < *due)
        return std::nullopt;
    switch (state_) {
    case State::Idle:
        break;
    case State::Discard:
    case State::BetweenFrames:
        return abort();
    case State::Preamble:
    case State::Data:
        // The rest of the transfer may still come: it gets no verdict of its own.
        auto cut = abort();
        state_ = State::Discard;
        return cut;
    }
    return std::nullopt;
}

std::optional<TrackerTransfer> TrackerReceiver::abort() {
    std::optional<TrackerTransfer> result;
    switch (state_) {
    case State::Idle:
    case State::Discard:
        break;
    case State::BetweenFrames:
        result = finish(TrackerVerdict::FrameTimeout, 2);
        break;
    case State::Preamble:
    case State::Data:
        result = finish(TrackerVerdict::ShortFrame, frame_);
        break;
    }
    state_ = State::Idle;
    return result;
}

// ---------------------------------------------------------------------------

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
