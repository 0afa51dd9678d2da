// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/port_numbering.h"

#include <QJsonObject>
#include <QList>

namespace korvex::cli {

// {"ports": [...]} in --port order; a port no number reaches has "number": null,
// USB ids are four hex digits or null.
QJsonObject portsToJson(const QList<NumberedPort>& ports);

} // namespace korvex::cli
