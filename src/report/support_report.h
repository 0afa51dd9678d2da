// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"
#include "transfer/port_numbering.h"
#include "transfer/serial_side.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace korvex {

// Where a report is gathered from.
struct ReportSources {
    QString program; // "korvex-cli" or "korvex-config"
    SerialSideRoot serialSide;
    PortNumbering numbering;
    QString portWatching; // what tells the program of new ports; empty: not watched
    QString lastTrace;    // the kept trace's path; empty: the usual place
};

// One part of a report, as text and as JSON.
struct ReportSection {
    QString key;   // the JSON name: "program", "ports", ...
    QString title; // the text's heading: "Program", "Ports", ...
    QString text;
    QJsonValue json;
};

// Everything someone who helps would ask for first: the program and Qt
// versions, the system and the desktop session, the locale, the ports with
// their drivers and stable names, what keeps them from use, the user's
// groups, the last transfer's trace and the settings it carried. Nothing in
// it is secret: no file of the user's is read but the kept trace.
QList<ReportSection> gatherSupportReport(const ReportSources& sources);

QByteArray supportReportText(const QList<ReportSection>& sections);
QByteArray supportReportJson(const QList<ReportSection>& sections);

// Writes a report in one step: the file is whole or as it was.
Outcome saveSupportReport(const QString& path, const QByteArray& report);

// The settings a transfer's 122 bytes carried, a "key = value" line each;
// nothing when the bytes are not one whole transfer.
QStringList settingsOnLine(const QByteArray& stream);

} // namespace korvex
