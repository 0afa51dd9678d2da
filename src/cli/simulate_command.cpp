// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_words.h"
#include "commands.h"
#include "settings/printable_text.h"
#include "settings_json.h"
#include "sim/simulator_advert.h"
#include "sim/tracker_simulator.h"
#include "standard_output.h"
#include "tracker_transfer_text.h"

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
    if (auto stop = parseCommand(parser, arguments, out, err, 0)) {
        return *stop;
    }

    const StopSignals stopSignals;
    PtyTracker tracker;
    if (!tracker.ok()) {
        return fail(err, tracker.error(), kPortError);
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
            code = fail(err,
                        CliWords::tr("standard output has no reader any more (its pipe or "
                                     "terminal closed); the simulator stops"),
                        kOutputLost);
            break;
        }
        const std::optional<TrackerTransfer> transfer = tracker.waitForTransfer(100);
        if (!transfer) {
            continue;
        }
        ++count;
        if (parser.isSet(json)) {
            out << printableJson(QJsonDocument(trackerTransferToJson(*transfer, count)),
                                 QJsonDocument::Compact)
                << "\n";
        } else {
            printTrackerTransfer(out, *transfer, count);
        }
        out << Qt::flush;
        if (parser.isSet(once)) {
            code = transfer->verdict == TrackerVerdict::Success ? kSuccess : kTrackerRefused;
            break;
        }
    }
    tracker.stop();
    return code;
}

} // namespace korvex::cli
