// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace korvex {

// Which of standard input, output and error a program was started without,
// indexed by descriptor number: 0 input, 1 output, 2 error.
using ClosedStreams = std::array<bool, 3>;

// The first call of every program's main(), before anything opens a file.
//
// A launcher or service manager may start us with a standard descriptor
// closed; the next file opened would take its number and receive whatever is
// meant for the terminal (a display connection, a file being saved). Each one
// closed is held open on the null device instead.
//
// A limit the system sets (`ulimit -f`) and a reader that went away must reach
// the program as a failed write it can report, never as the signal whose
// default ends it with every unsaved edit: SIGXFSZ and SIGPIPE are ignored.
ClosedStreams prepareProcess();

} // namespace korvex
