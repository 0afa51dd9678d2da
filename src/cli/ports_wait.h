// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli_runner.h"
#include "transfer/port_watcher.h"

#include <QTextStream>

namespace korvex::cli {

// One port as "ports" lists it, with its driver and stable name below.
void printPortLine(QTextStream& out, const NumberedPort& numbered, const SerialSideReport& side);

// The port finder: waits on a started watcher, up to `seconds`, for a port
// to appear and prints it with its stable name (with `json`, one object
// holding `before`, the list printed first). kSuccess when one came,
// kTimedOut when none did.
int waitForNewPort(PortWatcher& watcher, const SerialSideRoot& serialSide, int seconds, bool json,
                   QTextStream& out, QTextStream& err);

} // namespace korvex::cli
