// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korvex::cli {

// What korvex-cli's exit status tells a script: one meaning per code, so a
// script can tell a refused setting from a missing file or a busy port.
// korvex-cli(1) lists them; a new meaning takes a new number.
enum ExitCode : int {
    kSuccess = 0,
    // The check refused the settings: SEND would show its fault box.
    kSettingsRejected = 1,
    // The command line itself: an unknown command or option, a stray word,
    // an option given twice with different values.
    kUsage = 2,
    // A file or standard input could not be read, or a file not written.
    kFileError = 3,
    // A .cfg file's content or a --set value was refused.
    kNotLoaded = 4,
    // The port could not be found, opened or written, or the simulator's
    // pseudo-terminal not made.
    kPortError = 5,
    // ports --diagnose: no port can be used.
    kNoUsablePort = 6,
    // simulate --once, decode: the simulated tracker refused the transfer.
    kTrackerRefused = 7,
    // Standard output or error could not be written (a full disk, a closed
    // descriptor, a pipe whose reader has gone).
    kOutputLost = 8,
    // send was stopped by Ctrl+C, a hang-up or a stop request.
    kInterrupted = 9,
    // ports --wait: no port appeared before the time ran out.
    kTimedOut = 10,
};

} // namespace korvex::cli
