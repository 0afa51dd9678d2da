// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_side.h"

#include <QFileInfo>

namespace korvex {

const SerialPortFacts* SerialSideReport::port(const QString& device) const {
    // Named as the user named it: ttyUSB0, /dev/ttyUSB0 or a by-id link.
    const QString location = serialDeviceLocation(device);
    const QString target = QFileInfo(location).canonicalFilePath();
    const QString name = QFileInfo(target.isEmpty() ? location : target).fileName();
    for (const SerialPortFacts& facts : ports) {
        if (facts.device == location || facts.byId == location || facts.name == name)
            return &facts;
    }
    return nullptr;
}

bool SerialSideReport::hasUsablePort() const {
    for (const SerialPortFacts& facts : ports) {
        if (facts.mayOpen && facts.holders.isEmpty())
            return true;
    }
    return false;
}

QString findingsText(const QList<SerialFinding>& findings) {
    QStringList blocks;
    for (const SerialFinding& finding : findings)
        blocks << finding.text + u'\n' + finding.fix;
    return blocks.join(QStringLiteral("\n\n"));
}

} // namespace korvex
