// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/tracker_receiver.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvex::cli {

// A transfer as the tracker took it, the way simulate and decode show it:
// the display's verdict, when each write came, the settings it carried.
void printTrackerTransfer(QTextStream& out, const TrackerTransfer& transfer, int number);
QJsonObject trackerTransferToJson(const TrackerTransfer& transfer, int number);

} // namespace korvex::cli
