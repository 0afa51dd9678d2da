// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "ports_json.h"
#include "settings/printable_text.h"
#include "settings_json.h"

#include <QJsonDocument>

namespace korvex::cli {
namespace {

QString usbId(const PortDescription& port) {
    if (!port.vendorId || !port.productId) {
        return QStringLiteral("-");
    }
    return QStringLiteral("%1:%2")
        .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(*port.productId, 4, 16, QLatin1Char('0'));
}

QString orDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("-") : printable(text);
}

} // namespace

int runPorts(const QStringList& arguments, QTextStream& out, QTextStream& err,
             const Environment& environment) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists the serial ports numbered the way \"Comm num:\" and --port count "
                       "them: USB adapters first, then the "
                       "other ports, then running simulators."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object instead."));
    parser.addOption(json);
    if (auto stop = parseCommand(parser, arguments, out, err)) {
        return *stop;
    }
    const QList<NumberedPort> ports = environment.portNumbering().numbered();
    if (const QString problem = simulatorListProblem(); !problem.isEmpty()) {
        err << "korvex-cli: simulators are not listed: " << printable(problem, problem.size())
            << "\n";
    }
    if (parser.isSet(json)) {
        out << printableJson(QJsonDocument(portsToJson(ports)), QJsonDocument::Indented);
        return kSuccess;
    }
    if (ports.isEmpty()) {
        out << "No serial ports found. Plug in the USB serial adapter of the tracker's cable and "
               "run this again.\n";
        return kSuccess;
    }
    out << "No.  Device                 Description                    Maker            VID:PID    "
           "Serial\n";
    bool unreachable = false;
    for (const NumberedPort& numbered : ports) {
        const PortDescription& p = numbered.port;
        const QString number =
            numbered.number > 0 ? QString::number(numbered.number) : QStringLiteral("-");
        unreachable = unreachable || numbered.number == 0;
        // The device whole, escaped: it is what --port takes.
        out << number.leftJustified(5) << printable(p.device, p.device.size()).leftJustified(23)
            << " "
            << orDash(p.simulated ? QStringLiteral("Korvex simulator") : p.description)
                   .leftJustified(30)
            << " " << orDash(p.manufacturer).leftJustified(16) << " " << usbId(p).leftJustified(10)
            << " " << orDash(p.serialNumber) << "\n";
    }
    if (unreachable) {
        out << "A port marked - has no number of its own: give it by its device with --port.\n";
    }
    return kSuccess;
}

} // namespace korvex::cli
