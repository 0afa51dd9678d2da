// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tracker_receiver.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace korvex {

// A simulated tracker on a pseudo-terminal: a sender opens device() like any
// serial port. A thread reads the line and hands each finished transfer to the
// callback (on that thread) and to waitForTransfer().
class PtyTracker {
public:
    PtyTracker();
    ~PtyTracker();
    PtyTracker(const PtyTracker&) = delete;
    PtyTracker& operator=(const PtyTracker&) = delete;

    bool ok() const;
    QString error() const;
    QString device() const;

    void start(std::function<void(const TrackerTransfer&)> onTransfer = {});
    void stop();

    std::optional<TrackerTransfer> waitForTransfer(int timeoutMs);

    // Hangs up the line once this many bytes of a transfer have come, the way
    // an unplugged tracker would: the sender's next write fails.
    void hangUpAfter(int bytes);

    // The clock the transfers are stamped with (monotonic, ms).
    static double nowMs();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace korvex
