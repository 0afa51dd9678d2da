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

// How a transfer ended.
struct SendOutcome {
    enum class Kind {
        Completed,   // every write was accepted, the port is closed again
        Failed,      // stopped at a failure, the port already closed
        Silent,      // the port closed itself right after opening: nothing sent, nothing to say
        Interrupted, // called off from outside; the port closed, its settings as found
    };

    // Where a failure stopped the transfer.
    enum class Stage {
        Port,     // no port answers to the number
        Open,     // the device would not open
        Transfer, // it opened; a write or the close failed
    };

    Kind kind = Kind::Silent;
    QString reason; // for Failed: what the system said, with the fix where one is known
    // For Interrupted: some bytes had gone to the line, so the tracker may
    // hold part of a transfer.
    bool partlySent = false;
    Stage stage = Stage::Transfer;
    QString device; // for Failed at Open or Transfer: the device as it was named

    static SendOutcome completed() { return {Kind::Completed, {}, false, Stage::Transfer, {}}; }
    static SendOutcome failed(QString reason, Stage stage = Stage::Transfer, QString device = {}) {
        return {Kind::Failed, std::move(reason), false, stage, std::move(device)};
    }
    static SendOutcome silent() { return {Kind::Silent, {}, false, Stage::Transfer, {}}; }
    static SendOutcome interrupted(bool partlySent) {
        return {Kind::Interrupted, {}, partlySent, Stage::Transfer, {}};
    }
};

} // namespace korvex
