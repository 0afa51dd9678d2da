#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace korvex::testing {

using Clock = std::chrono::steady_clock;

// A pseudo-terminal standing in for the tracker's serial line. The test keeps
// the slave end open itself, so the master never sees a hang-up when the
// sender closes its side, and a reader thread stamps every chunk that arrives.
class Pty {
public:
    Pty() {
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
    ~Pty() {
        stopReading();
        if (master_ >= 0)
            ::close(master_);
        if (slave_ >= 0)
            ::close(slave_);
    }

    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    QString slavePath() const { return slavePath_; }
    int slaveFd() const { return slave_; }
    int masterFd() const { return master_; }

    struct Chunk {
        Clock::time_point at;
        QByteArray bytes;
    };

    // Reads what has arrived, waiting up to timeoutMs for the first byte.
    QByteArray read(int timeoutMs) const {
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

    // Stamps every chunk as it arrives, from a thread of its own.
    void startReading() {
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
    void stopReading() {
        stop_ = true;
        if (reader_.joinable())
            reader_.join();
    }
    std::vector<Chunk> chunks() {
        const std::lock_guard lock(mutex_);
        return chunks_;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    std::thread reader_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Chunk> chunks_;
};

} // namespace korvex::testing
