// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"
#include "commands.h"
#include "file_io/atomic_file_writer.h"
#include "report/support_report.h"
#include "settings/printable_text.h"
#include "transfer/port_events.h"

#include <QIODevice>

namespace korvex::cli {

int runReport(const QStringList& arguments, QTextStream& out, QTextStream& err,
              const Environment& environment) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CliWords::tr(
        "Writes one file to attach to a request for help: the program and Qt versions, the "
        "system and desktop session, the locale, the serial ports with their drivers and stable "
        "names, what keeps them from use (as ports --diagnose), the user's groups, the last "
        "transfer's trace and the settings it carried. It holds nothing secret. The file is "
        "replaced in one step."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    CliWords::tr("Write the report to FILE (- for standard "
                                                 "output, the default)."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  CliWords::tr("Write one JSON object instead of text."));
    parser.addOption(output);
    parser.addOption(json);
    if (auto stop = parseCommand(parser, arguments, out, err, 0))
        return *stop;

    // What the window would hear new ports through, as this system offers it.
    const std::unique_ptr<PortEvents> events = makeSystemPortEvents();
    QString watching = events->source();
    if (!events->problem().isEmpty())
        watching += (watching.isEmpty() ? QString() : QStringLiteral("; ")) + events->problem();
    const QList<ReportSection> sections = gatherSupportReport({QStringLiteral("korvex-cli"),
                                                               environment.serialSide,
                                                               environment.portNumbering(),
                                                               watching,
                                                               {}});
    const QByteArray report =
        parser.isSet(json) ? supportReportJson(sections) : supportReportText(sections);

    const QString target = parser.isSet(output) ? parser.value(output) : QString(kStandardStream);
    if (target != kStandardStream && !namesStandardOutput(target)) {
        const Outcome written = saveSupportReport(target, report);
        if (!written)
            return fail(
                err,
                written.fault()
                    .within(
                        CliWords::tr("Cannot write \"%1\"").arg(printable(target, target.size())))
                    .reason,
                kFileError);
        out << CliWords::tr("Report written to %1").arg(printable(target, target.size())) << "\n";
        return kSuccess;
    }
    out.flush();
    if (QIODevice* device = out.device())
        device->write(report);
    else
        out << QString::fromUtf8(report);
    return kSuccess;
}

} // namespace korvex::cli
