// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_words.h"
#include "commands.h"
#include "ports_json.h"
#include "ports_wait.h"
#include "settings/printable_text.h"
#include "settings_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <optional>
#include <variant>

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

// Room for a by-id link and the longest texts a finding holds.
constexpr qsizetype kLinkLength = 4 * kShownCharacters;
constexpr qsizetype kFindingLength = 16 * kShownCharacters;

// A port is usable unless the system shows it is not: this user may not
// open it, or a program holds it.
bool usable(const PortDescription& port, const SerialSideReport& side) {
    const SerialPortFacts* facts = port.simulated ? nullptr : side.port(port.device);
    return !facts || (facts->mayOpen && facts->holders.isEmpty());
}

void printFindings(QTextStream& out, const QList<SerialFinding>& findings) {
    if (findings.isEmpty()) {
        out << CliWords::tr("Nothing stands in the way that the system shows.") << "\n";
        return;
    }
    for (const SerialFinding& finding : findings) {
        // Rule file names and adapter names come from the system's files.
        out << "\n" << printable(finding.text, kFindingLength) << "\n";
        const QStringList lines = finding.fix.split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < lines.size(); ++i)
            out << (i == 0 ? "Fix: " : "     ") << printable(lines[i], kFindingLength) << "\n";
    }
}

// What --wait takes at most: a day.
constexpr int kMaxWaitSeconds = 24 * 60 * 60;
constexpr int kDefaultWaitSeconds = 60;

// What was asked for: the options of the ports command.
struct PortsRequest {
    bool json = false;
    bool diagnose = false;
    // Set with --wait: how long to wait for a port to appear.
    std::optional<int> waitSeconds;
};

// The request, or the exit code when the command stops at its arguments.
std::variant<PortsRequest, int> parsePortsRequest(const QStringList& arguments, QTextStream& out,
                                                  QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliWords::tr("Lists the serial ports numbered the way \"Comm num:\" and --port count "
                     "them: USB adapters first, then the "
                     "other ports, then running simulators."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  CliWords::tr("Print one JSON object instead."));
    parser.addOption(json);
    const QCommandLineOption diagnose(
        QStringLiteral("diagnose"),
        CliWords::tr("Also tell what keeps a port from use, and how to fix it: an adapter "
                     "without a port, a group to join, ModemManager. Exit status 0 when at "
                     "least one port can be used, 6 when none can."));
    parser.addOption(diagnose);
    const QCommandLineOption wait(
        QStringLiteral("wait"),
        CliWords::tr("Then wait up to SECONDS (default %1) for a port to appear, and print it "
                     "with its stable name: unplug the cable, run this, plug it in. Exit status "
                     "0 when a port appeared, %2 when none did in time.")
            .arg(kDefaultWaitSeconds)
            .arg(int(kTimedOut)));
    parser.addOption(wait);
    parser.addPositionalArgument(
        QStringLiteral("SECONDS"),
        CliWords::tr("With --wait: how long to wait, 1 to %1.").arg(kMaxWaitSeconds),
        QStringLiteral("[SECONDS]"));
    if (auto stop = parseCommand(parser, arguments, out, err, 1))
        return *stop;
    PortsRequest request{parser.isSet(json), parser.isSet(diagnose), std::nullopt};
    const QStringList positional = parser.positionalArguments();
    const QString& program = arguments.constFirst();
    if (!parser.isSet(wait)) {
        if (!positional.isEmpty())
            return usageError(err, program,
                              CliWords::tr("\"%1\" is not taken here: ports takes a number of "
                                           "seconds only with --wait")
                                  .arg(printable(positional.constFirst())));
        return request;
    }
    request.waitSeconds = kDefaultWaitSeconds;
    if (!positional.isEmpty()) {
        bool number = false;
        request.waitSeconds = positional.constFirst().toInt(&number);
        if (!number || *request.waitSeconds < 1 || *request.waitSeconds > kMaxWaitSeconds)
            return usageError(err, program,
                              CliWords::tr("--wait %1: give a whole number of seconds from 1 to %2")
                                  .arg(printable(positional.constFirst()))
                                  .arg(kMaxWaitSeconds));
    }
    return request;
}

// One line a port, then what the system shows about it.
void printPortTable(QTextStream& out, const QList<NumberedPort>& ports,
                    const SerialSideReport& side) {
    if (ports.isEmpty()) {
        out << CliWords::tr("No serial ports found. Plug in the USB serial adapter of the "
                            "tracker's cable and run this again.")
            << "\n";
        return;
    }
    out << "No.  Device                 Description                    Maker            "
           "VID:PID    "
           "Serial\n";
    bool unreachable = false;
    for (const NumberedPort& numbered : ports) {
        unreachable = unreachable || numbered.number == 0;
        printPortLine(out, numbered, side);
    }
    if (unreachable) {
        out << CliWords::tr(
                   "A port marked - has no number of its own: give it by its device with --port.")
            << "\n";
    }
}

void printAdaptersWithoutPort(QTextStream& out, const QList<AdapterWithoutPort>& adapters) {
    for (const AdapterWithoutPort& adapter : adapters) {
        out << "-    adapter without a port: "
            << QStringLiteral("%1:%2")
                   .arg(adapter.vendorId, 4, 16, QLatin1Char('0'))
                   .arg(adapter.productId, 4, 16, QLatin1Char('0'))
            << " " << adapter.chip << " on USB " << printable(adapter.usbName);
        if (!adapter.product.isEmpty())
            out << " (" << printable(adapter.product) << ")";
        out << "\n";
    }
}

} // namespace

void printPortLine(QTextStream& out, const NumberedPort& numbered, const SerialSideReport& side) {
    const PortDescription& p = numbered.port;
    const QString number =
        numbered.number > 0 ? QString::number(numbered.number) : QStringLiteral("-");
    // The device whole, escaped: it is what --port takes.
    out << number.leftJustified(5) << printable(p.device, p.device.size()).leftJustified(23) << " "
        << orDash(p.simulated ? CliWords::tr("Korvex simulator") : p.description).leftJustified(30)
        << " " << orDash(p.manufacturer).leftJustified(16) << " " << usbId(p).leftJustified(10)
        << " " << orDash(p.serialNumber) << "\n";
    // A number or ttyUSB0 may name another adapter after a re-plug; the
    // by-id link always names this one.
    const SerialPortFacts* facts = p.simulated ? nullptr : side.port(p.device);
    if (facts && !facts->driver.isEmpty())
        out << "     driver " << printable(facts->driver) << "\n";
    if (facts && !facts->byId.isEmpty())
        out << "     stable name " << printable(facts->byId, kLinkLength) << "\n";
}

int runPorts(const QStringList& arguments, QTextStream& out, QTextStream& err,
             const Environment& environment) {
    const auto parsed = parsePortsRequest(arguments, out, err);
    if (const int* stop = std::get_if<int>(&parsed))
        return *stop;
    const PortsRequest request = std::get<PortsRequest>(parsed);

    // Listening before the list is taken: a port plugged in between is not missed.
    std::optional<PortWatcher> watcher;
    if (request.waitSeconds) {
        watcher.emplace(environment.portNumbering(), environment.portEvents());
        watcher->start();
    }
    const QList<NumberedPort> ports =
        watcher ? watcher->snapshot().numbered() : environment.portNumbering().numbered();
    const SerialSideReport side = readSerialSide(environment.serialSide);
    int code = kSuccess;
    if (request.diagnose) {
        const bool any = std::any_of(ports.begin(), ports.end(),
                                     [&](const NumberedPort& n) { return usable(n.port, side); });
        code = any ? kSuccess : kNoUsablePort;
    }
    if (const Outcome listing = checkSimulatorListing(); !listing) {
        const QString& problem = listing.fault().reason;
        err << "korvex-cli: "
            << CliWords::tr("simulators are not listed: %1").arg(printable(problem, problem.size()))
            << "\n";
    }
    if (request.json) {
        QJsonObject object = portsToJson(ports, side);
        if (request.diagnose)
            object.insert(QStringLiteral("findings"), findingsToJson(side.findings));
        if (watcher)
            return waitForNewPort(*watcher, environment.serialSide, *request.waitSeconds, true, out,
                                  err);
        out << printableJson(QJsonDocument(object), QJsonDocument::Indented);
        return code;
    }
    printPortTable(out, ports, side);
    printAdaptersWithoutPort(out, side.adaptersWithoutPort);
    if (request.diagnose) {
        printFindings(out, side.findings);
    } else if (!side.adaptersWithoutPort.isEmpty()) {
        out << CliWords::tr("Run korvex-cli ports --diagnose to see why an adapter has no port.")
            << "\n";
    }
    if (watcher) {
        out << Qt::flush;
        return waitForNewPort(*watcher, environment.serialSide, *request.waitSeconds, false, out,
                              err);
    }
    return code;
}

} // namespace korvex::cli
