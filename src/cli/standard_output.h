// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"

#include <QIODevice>
#include <QString>
#include <array>

namespace korvex::cli {

// Standard output or standard error as a device that remembers its first
// failed write (a full disk, a closed pipe or descriptor), so the program can
// end with a failure instead of claiming success over output that was lost.
// Every write goes straight to the descriptor, in full or not at all.
class StandardOutput final : public QIODevice {
public:
    // `fd` is 1 or 2; `closedAtStart` when the program was started with it
    // closed: writes to standard output then fail, those to standard error
    // are dropped (the status is that of the work done).
    StandardOutput(int fd, bool closedAtStart);

    bool failed() const { return !outcome_.ok(); }
    // Success, or why the first write that failed did not arrive.
    const Outcome& outcome() const { return outcome_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    int fd_;
    bool closedAtStart_;
    Outcome outcome_ = Outcome::success();
};

// Whether the reader of `fd` has gone (a pipe's reader closed, a terminal hung
// up), told without writing: a program that writes only now and then learns
// it at once instead of at its next write.
bool readerGone(int fd);

} // namespace korvex::cli
