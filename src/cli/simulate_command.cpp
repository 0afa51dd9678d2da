// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_words.h"
#include "commands.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "settings_json.h"
#include "sim/simulator_advert.h"
#include "sim/tracker_simulator.h"
#include "standard_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <unistd.h>

namespace korvex::cli {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void onStopSignal(int signal) {
    stopSignal = signal;
}

// Catches the signals that end a simulator from a terminal or a service
// manager, so that it can withdraw its advert; restores them on the way out.
class StopSignals {
public:
    StopSignals() {
        stopSignal = 0;
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            ::sigaction(kSignals[i], &action, &previous_[i]);
        // A reader that goes away must not kill us before the advert is gone.
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, &previousPipe_);
    }
    ~StopSignals() {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            ::sigaction(kSignals[i], &previous_[i], nullptr);
        ::sigaction(SIGPIPE, &previousPipe_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool raised() { return stopSignal != 0; }

private:
    static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, 3> previous_{};
    struct sigaction previousPipe_ {};
};

constexpr std::array<const char*, 4> kMarkNames{"preamble1", "frame1", "preamble2", "frame2"};

QString ms(double value) {
    return QString::number(value, 'f', 1);
}

QJsonValue orNull(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue();
}

QJsonObject decodedToJson(const DecodedBlock& decoded) {
    QJsonObject object;
    for (const FieldInfo& info : fieldTable()) {
        const std::size_t i = fieldIndex(info.id);
        const QString key = QLatin1String(info.key);
        if (holdsText(info.id))
            object.insert(key, orNull(decoded.texts[i]));
        else
            object.insert(key, decoded.values[i] ? QJsonValue(*decoded.values[i]) : QJsonValue());
    }
    return object;
}

QJsonObject transferToJson(const TrackerTransfer& t, int number) {
    QJsonArray arrivals;
    for (const Arrival& a : t.arrivals)
        arrivals.append(
            QJsonObject{{QStringLiteral("ms"), a.atMs}, {QStringLiteral("bytes"), a.bytes}});
    QJsonObject marks;
    for (std::size_t i = 0; i < t.marks.size(); ++i)
        marks.insert(QLatin1String(kMarkNames[i]),
                     t.marks[i] ? QJsonValue(*t.marks[i]) : QJsonValue());
    QJsonObject object{
        {QStringLiteral("transfer"), number},
        {QStringLiteral("verdict"), t.lcd},
        {QStringLiteral("ok"), t.verdict == TrackerVerdict::Success},
        {QStringLiteral("arrivals"), arrivals},
        {QStringLiteral("marks"), marks},
        // On the system's monotonic clock, so other programs can line it up
        // with their own events (when a dialog showed, say).
        {QStringLiteral("first_byte_monotonic_ms"), t.startedAtMs},
        {QStringLiteral("received"), QString::fromLatin1(t.received.toHex().toUpper())},
        {QStringLiteral("block"), t.block ? QJsonValue(blockToHex(*t.block)) : QJsonValue()},
        {QStringLiteral("settings"),
         t.decoded ? QJsonValue(decodedToJson(*t.decoded)) : QJsonValue()},
        {QStringLiteral("gpsless"), t.decoded ? QJsonValue(t.decoded->gpsless) : QJsonValue()},
        {QStringLiteral("notes"), t.decoded
                                      ? QJsonValue(QJsonArray::fromStringList(t.decoded->anomalies))
                                      : QJsonValue(QJsonArray())},
    };
    return object;
}

void printTransfer(QTextStream& out, const TrackerTransfer& t, int number) {
    // The tracker's own words (its display) stay as it shows them.
    out << CliWords::tr("Transfer %1:").arg(number) << " " << t.lcd << "\n";
    out << "  " << CliWords::tr("Arrived (ms after the first byte):");
    for (std::size_t i = 0; i < t.marks.size(); ++i) {
        if (t.marks[i])
            out << " " << kMarkNames[i] << " " << ms(*t.marks[i]);
    }
    out << "\n  " << CliWords::tr("Writes:");
    for (const Arrival& a : t.arrivals)
        out << " "
            << (a.bytes == 1 ? CliWords::tr("1 byte at %1")
                             : CliWords::tr("%n bytes at %1", nullptr, a.bytes))
                   .arg(ms(a.atMs))
            << ";";
    out << "\n";
    if (!t.decoded) {
        out << "  "
            << CliWords::tr("Received %n bytes:", nullptr, static_cast<int>(t.received.size()))
            << " " << t.received.toHex(' ').toUpper() << "\n";
        return;
    }
    out << "  "
        << (t.decoded->gpsless ? CliWords::tr("GPSless mode: on")
                               : CliWords::tr("GPSless mode: off"))
        << "\n";
    out << "  " << CliWords::tr("Settings:") << "\n";
    for (const FieldInfo& info : fieldTable()) {
        const std::size_t i = fieldIndex(info.id);
        QString shown = CliWords::tr("(not sent)");
        if (t.decoded->texts[i])
            shown = QLatin1Char('"') + printable(*t.decoded->texts[i]) + QLatin1Char('"');
        else if (t.decoded->values[i])
            shown = QString::number(*t.decoded->values[i]);
        if (info.id == FieldId::micEMessage && t.decoded->values[i] && *t.decoded->values[i] >= 0 &&
            *t.decoded->values[i] < static_cast<int>(micEMessages().size()))
            shown += QStringLiteral(" (%1)").arg(
                QLatin1String(micEMessages()[static_cast<std::size_t>(*t.decoded->values[i])]));
        out << "    " << QString::fromLatin1(info.key).leftJustified(12) << shown << "\n";
    }
    out << "  Block: " << blockToHex(*t.block) << "\n";
    for (const QString& note : t.decoded->anomalies)
        out << "  Note: " << note << "\n";
}

} // namespace

int runSimulate(const QStringList& arguments, QTextStream& out, QTextStream& err,
                const Environment& environment) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliWords::tr("Plays a Korvex tracker on a pseudo-terminal, for trials without the "
                     "hardware. Prints the device to send "
                     "to (on standard error with --json), then for each transfer what the "
                     "tracker's display shows ('Success!' "
                     "or why it refused the data), when each write arrived, and the settings it "
                     "received. While it runs, "
                     "\"korvex-cli ports\" and the window's \"Comm num:\" list it after the real "
                     "ports. Ends on Ctrl+C."));
    const QCommandLineOption once(
        QStringLiteral("once"),
        CliWords::tr("Exit after one transfer (status 0 when it succeeded, 1 if not)."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  CliWords::tr("Print one JSON object per transfer."));
    parser.addOption(once);
    parser.addOption(json);
    if (auto stop = parseCommand(parser, arguments, out, err)) {
        return *stop;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(err, CliWords::tr("simulate takes no arguments"));
    }

    const StopSignals stopSignals;
    PtyTracker tracker;
    if (!tracker.ok()) {
        return fail(err, tracker.error());
    }
    const SimulatorAdvert advert(tracker.device());
    if (!advert.ok()) {
        err << "korvex-cli: "
            << CliWords::tr("not listed among the ports (%1); send to the device by name")
                   .arg(printable(advert.error(), advert.error().size()))
            << "\n";
    }

    QString where = tracker.device();
    for (const auto& [number, port] : environment.portNumbering().numbered()) {
        if (number > 0 && port.device == tracker.device()) {
            where += CliWords::tr(" (port %1 in \"Comm num:\" and --port)").arg(number);
        }
    }
    QTextStream& banner = parser.isSet(json) ? err : out;
    banner << CliWords::tr("Korvex simulator listening on %1").arg(where) << "\n" << Qt::flush;

    tracker.start();
    int count = 0;
    int code = kSuccess;
    while (!StopSignals::raised()) {
        // Transfers nobody sees are no use: once the output's reader is gone
        // the simulator stops, and leaves the port lists with its advert.
        if (readerGone(STDOUT_FILENO)) {
            code = fail(err, CliWords::tr("standard output has no reader any more (its pipe or "
                                          "terminal closed); the simulator stops"));
            break;
        }
        const std::optional<TrackerTransfer> transfer = tracker.waitForTransfer(100);
        if (!transfer) {
            continue;
        }
        ++count;
        if (parser.isSet(json)) {
            out << printableJson(QJsonDocument(transferToJson(*transfer, count)),
                                 QJsonDocument::Compact)
                << "\n";
        } else {
            printTransfer(out, *transfer, count);
        }
        out << Qt::flush;
        if (parser.isSet(once)) {
            code = transfer->verdict == TrackerVerdict::Success ? kSuccess : kBuildFault;
            break;
        }
    }
    tracker.stop();
    return code;
}

} // namespace korvex::cli
