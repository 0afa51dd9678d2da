// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace korvex::testing {

using Clock = std::chrono::steady_clock;

// A pseudo-terminal standing in for the tracker's serial line. The test keeps
// the slave end open itself, so the master never sees a hang-up when the
// sender closes its side, and a reader thread stamps every chunk that arrives.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    QString slavePath() const { return slavePath_; }
    int slaveFd() const { return slave_; }
    int masterFd() const { return master_; }

    struct Chunk {
        Clock::time_point at;
        QByteArray bytes;
    };

    // Reads what has arrived, waiting up to timeoutMs for the first byte.
    QByteArray read(int timeoutMs) const;

    // Stamps every chunk as it arrives, from a thread of its own.
    void startReading();
    void stopReading();
    std::vector<Chunk> chunks();

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
