// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"
#include "transfer/transfer_trace.h"

#include <QString>

namespace korvex {

// The user's state folder for this program: $XDG_STATE_HOME/korvex-config
// (~/.local/state/korvex-config when unset or relative), on Windows
// %LOCALAPPDATA%\Korvex Config. Empty when neither the variable nor a home
// folder says where.
QString stateFolder();

// Where the last transfer's trace is kept.
QString lastTracePath();

// Keeps the trace as the last one, replacing the one before, in one step.
// A failure only says why: it never makes the transfer a failure.
Outcome keepLastTrace(const TransferTrace& trace);

} // namespace korvex
