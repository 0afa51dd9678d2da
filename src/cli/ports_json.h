// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/port_numbering.h"
#include "transfer/serial_side.h"

#include <QJsonObject>
#include <QList>

namespace korvex::cli {

// {"ports": [...], "adapters_without_port": [...]} in --port order; a port no
// number reaches has "number": null, USB ids are four hex digits or null, and
// "by_id" and "driver" are null where the system shows none.
QJsonObject portsToJson(const QList<NumberedPort>& ports, const SerialSideReport& side = {});

// The findings as objects with what was found and its fix.
QJsonArray findingsToJson(const QList<SerialFinding>& findings);

} // namespace korvex::cli
