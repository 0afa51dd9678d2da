// SPDX-License-Identifier: GPL-3.0-or-later
// Systems other than Linux: their serial side shows nothing this program can
// read yet, so there are no findings and the system's own port list.
#include "serial_side.h"

namespace korvex {

SerialSideRoot serialSideRootFromEnvironment() {
    return {};
}

SerialSideReport readSerialSide(const SerialSideRoot&) {
    return {};
}

QList<SerialFinding> explainSendFailure(const SerialSideReport&, const SendOutcome&) {
    return {};
}

PortNumbering portNumberingFor(const SerialSideRoot&) {
    return PortNumbering();
}

} // namespace korvex
