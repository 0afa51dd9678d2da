#include "commands.h"

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

QString orDash(const QString& text) { return text.isEmpty() ? QStringLiteral("-") : text; }

} // namespace

int runPorts(const QStringList& arguments, QTextStream& out, QTextStream& err, const Environment& environment) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the serial ports numbered the way \"Comm num:\" and --port count them: USB adapters first, then the "
        "other ports, then running simulators."));
    if (auto stop = parseCommand(parser, arguments, out, err)) {
        return *stop;
    }
    const QList<PortDescription> ports = environment.portNumbering().ports();
    if (ports.isEmpty()) {
        out << "No serial ports found. Plug in the USB serial adapter of the tracker's cable and run this again.\n";
        return kSuccess;
    }
    out << "No.  Device                 Description                    Maker            VID:PID    Serial\n";
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const PortDescription& p = ports[i];
        const QString number = i < 9 ? QString::number(i + 1) : QStringLiteral("-");
        out << number.leftJustified(5) << p.device.leftJustified(23) << " "
            << orDash(p.simulated ? QStringLiteral("Korvex simulator") : p.description).leftJustified(30) << " "
            << orDash(p.manufacturer).leftJustified(16) << " " << usbId(p).leftJustified(10) << " "
            << orDash(p.serialNumber) << "\n";
    }
    if (ports.size() > 9) {
        out << "Only the first nine ports can be chosen by number; give any other by its device with --port.\n";
    }
    return kSuccess;
}

} // namespace korvex::cli
