// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace korvex {

// What a transfer reports, in facts: each front end puts them into its own
// words (the progress dialog as the tracker's users know it, the CLI naming
// the device).

// Where the data goes: the device that was opened and the digit of "Comm
// num:" that chose it; no digit when the device was named outright.
struct SendTarget {
    QString device;
    std::optional<int> portNumber;
};

// A transfer passes these steps once the port is open: frame 1, frame 2, and
// closing the port.
inline constexpr int kSendSteps = 3;

// How a transfer ended.
struct SendOutcome {
    enum class Kind {
        Completed,   // every write was accepted, the port is closed again
        Failed,      // stopped at a failure, the port already closed
        Silent,      // the port closed itself right after opening: nothing sent, nothing to say
        Interrupted, // called off from outside; the port closed, its settings as found
    };

    Kind kind = Kind::Silent;
    QString reason; // for Failed: what the system said, with the fix where one is known
    // For Interrupted: some bytes had gone to the line, so the tracker may
    // hold part of a transfer.
    bool partlySent = false;

    static SendOutcome completed() { return {Kind::Completed, {}}; }
    static SendOutcome failed(QString reason) { return {Kind::Failed, std::move(reason)}; }
    static SendOutcome silent() { return {Kind::Silent, {}}; }
    static SendOutcome interrupted(bool partlySent) { return {Kind::Interrupted, {}, partlySent}; }
};

} // namespace korvex
