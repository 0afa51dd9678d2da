// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"
#include "commands.h"
#include "file_io/atomic_file_writer.h"
#include "report/state_folder.h"
#include "settings/printable_text.h"
#include "transfer/build_and_send.h"
#include "transfer/port_choice.h"

#include <QEventLoop>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace korvex::cli {
namespace {

// Room for the longest description with a device path of a usual length.
constexpr qsizetype kDescriptionLength = 8 * kShownCharacters;
// Room for a long device path (/dev/serial/by-id/... runs past 60).
constexpr qsizetype kDeviceLength = 4 * kShownCharacters;

// Prints the transfer's progress on standard error, a dot a step, naming the
// device that gets the data, and remembers how it ended. The device comes from
// the command line or the system's port list, so it is shown escaped.
class ConsoleProgress {
public:
    ConsoleProgress(FrameSender& sender, QTextStream& out, QTextStream& err, QEventLoop& loop,
                    SerialSideRoot serialSide)
        : serialSide_(std::move(serialSide)) {
        QObject::connect(&sender, &FrameSender::started, [this, &err](const SendTarget& target) {
            device_ = printable(target.device, kDeviceLength);
            err << (target.portNumber ? CliWords::tr("Sending data on %1 (port %2)...")
                                            .arg(device_)
                                            .arg(*target.portNumber)
                                      : CliWords::tr("Sending data on %1...").arg(device_))
                << Qt::flush;
        });
        QObject::connect(&sender, &FrameSender::progressed,
                         [&err](int) { err << "." << Qt::flush; });
        QObject::connect(&sender, &FrameSender::finished,
                         [this, &out, &err, &loop](const SendOutcome& outcome) {
                             report(outcome, out, err);
                             loop.quit();
                         });
    }

    std::optional<int> exitCode() const { return exitCode_; }

private:
    void report(const SendOutcome& outcome, QTextStream& out, QTextStream& err) {
        switch (outcome.kind) {
        case SendOutcome::Kind::Completed:
            err << "\n" << Qt::flush;
            out << CliWords::tr("Data sent to %1").arg(device_) << "\n"
                << CliWords::tr(
                       "Nothing is read back: look for 'Success!' on the tracker's display.")
                << "\n"
                << Qt::flush;
            exitCode_ = kSuccess;
            return;
        case SendOutcome::Kind::Failed:
            // The description names the device as it was given to --port.
            if (!device_.isEmpty())
                err << "\n";
            err << "korvex-cli: " << printable(outcome.reason, kDescriptionLength) << "\n";
            // What the system shows about it, fix included.
            for (const QString& line :
                 findingsText(explainSendFailure(readSerialSide(serialSide_), outcome))
                     .split(u'\n', Qt::SkipEmptyParts))
                err << "  " << printable(line, kDescriptionLength) << "\n";
            err << Qt::flush;
            exitCode_ = kPortError;
            return;
        case SendOutcome::Kind::Silent:
            exitCode_ = fail(err,
                             CliWords::tr("the port closed itself right after opening; "
                                          "nothing was sent"),
                             kPortError);
            return;
        case SendOutcome::Kind::Interrupted:
            if (!device_.isEmpty())
                err << "\n";
            exitCode_ =
                fail(err,
                     outcome.partlySent
                         ? CliWords::tr("interrupted; %1 is closed again with its line settings "
                                        "as they were. Part of the data had gone out, so the "
                                        "tracker may hold a partial transfer: send again before "
                                        "relying on it.")
                               .arg(device_)
                         : CliWords::tr("interrupted before anything was sent"),
                     kInterrupted);
            return;
        }
    }

    SerialSideRoot serialSide_;
    QString device_; // as shown, once the port is open
    std::optional<int> exitCode_;
};

#ifdef Q_OS_UNIX
int interruptWriteEnd = -1;

extern "C" void onInterrupt(int signal) {
    const auto number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(interruptWriteEnd, &number, 1);
}

// Ctrl+C, a closed terminal or a service manager's stop call the transfer off
// through the event loop, so that the port is closed and its settings given
// back instead of the process dying with the line half written. The
// signals' former handling returns with the transfer's end.
class InterruptSignals {
public:
    explicit InterruptSignals(FrameSender& sender) {
        if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        interruptWriteEnd = pipe_[1];
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, &sender] {
            unsigned char drained[16];
            while (::read(pipe_[0], drained, sizeof drained) > 0) {
            }
            sender.interrupt();
        });
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            // A signal the program was started to ignore (nohup, a script's
            // background job) stays ignored.
            ::sigaction(kSignals[i], nullptr, &previous_[i]);
            if (previous_[i].sa_handler != SIG_IGN)
                ::sigaction(kSignals[i], &action, nullptr);
        }
    }
    ~InterruptSignals() {
        if (!notifier_)
            return;
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            ::sigaction(kSignals[i], &previous_[i], nullptr);
        notifier_.reset();
        interruptWriteEnd = -1;
        ::close(pipe_[0]);
        ::close(pipe_[1]);
    }
    InterruptSignals(const InterruptSignals&) = delete;
    InterruptSignals& operator=(const InterruptSignals&) = delete;

private:
    static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
    std::array<int, 2> pipe_{-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, 3> previous_{};
};
#endif

// A device as the people who use this build name one.
#ifdef Q_OS_WIN
constexpr QLatin1StringView kExampleDevice("COM12");
#else
constexpr QLatin1StringView kExampleDevice("/dev/ttyUSB0");
#endif

QString portOptionHelp() {
#ifdef Q_OS_WIN
    return CliWords::tr("The COM port's number (12 is COM12), or its name such as COM12. "
                        "Default: the file's port number.");
#else
    return CliWords::tr(
        "Port number as \"korvex-cli ports\" lists them, or a device such as /dev/ttyUSB0 "
        "(a name holding a / is a path, opened as given). A /dev/serial/by-id/ path names "
        "the same adapter after a re-plug, when ttyUSB0 may have become ttyUSB1. Default: "
        "the file's port number.");
#endif
}

// Every transfer leaves its trace as the last one; with --trace, in FILE too.
// Neither makes a transfer fail: the tracker has what it got either way.
void keepTrace(const TransferTrace& trace, const QString& traceFile, QTextStream& err) {
    if (trace.isEmpty())
        return;
    if (const Outcome kept = keepLastTrace(trace); !kept)
        err << "korvex-cli: "
            << CliWords::tr("warning: the trace was not kept as the last transfer: %1")
                   .arg(printable(kept.fault().reason, kDescriptionLength))
            << "\n";
    if (traceFile.isEmpty())
        return;
    if (const Outcome written = writeFileAtomically(traceFile, trace.text()); !written)
        err << "korvex-cli: "
            << CliWords::tr("warning: --trace: %1")
                   .arg(printable(written.fault().reason, kDescriptionLength))
            << "\n";
}

} // namespace

int runSend(const QStringList& arguments, QTextStream& out, QTextStream& err,
            const Environment& environment) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CliWords::tr(
        "Loads FILE onto the factory settings, applies each --set, checks the settings exactly as "
        "SEND does and programs the tracker: 122 bytes in four writes at 4800 baud. Nothing is "
        "read back: look for 'Success!' on the tracker's display."));
    parser.addPositionalArgument(QStringLiteral("FILE"), CliWords::tr("The .cfg file to send."));
    const QCommandLineOption port(QStringLiteral("port"), portOptionHelp(),
                                  QStringLiteral("N|DEVICE"));
    parser.addOption(port);
    parser.addOption(setOption());
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        CliWords::tr("Also write the transfer's trace to OUT: the port and its line settings "
                     "as opened, each write with its time, bytes and text, DTR/RTS, errors and "
                     "the close (\"korvex-cli decode OUT\" reads it back). The last trace is "
                     "kept in the user's state folder in any case."),
        QStringLiteral("OUT"));
    parser.addOption(trace);
    if (auto stop = parseCommand(parser, arguments, out, err, 1)) {
        return *stop;
    }
    if (parser.positionalArguments().isEmpty()) {
        return usageError(err, arguments.constFirst(),
                          CliWords::tr("send needs exactly one .cfg file (make one with "
                                       "\"korvex-cli defaults -o FILE\" or with Save in the "
                                       "window)"));
    }
    LoadedSettings loaded = loadSettings(parser.positionalArguments().constFirst(),
                                         parser.values(QStringLiteral("set")));
    if (!loaded.ok()) {
        return failToLoad(err, arguments.constFirst(), loaded);
    }
    printTypingWarnings(err, loaded.settings);

    const PortNumbering numbering = environment.portNumbering();
    std::optional<PortChoice> chosen; // none: the file's port number
    if (parser.isSet(port)) {
        const QString wanted = parser.value(port);
        if (wanted.isEmpty()) {
            return usageError(err, arguments.constFirst(),
                              CliWords::tr("--port needs a port number or a device, e.g. "
                                           "--port %1")
                                  .arg(kExampleDevice));
        }
        chosen = PortChoice::fromArgument(wanted);
        if (!chosen) {
            return usageError(err, arguments.constFirst(),
                              CliWords::tr("--port %1: port numbers run from 1 to %2; for "
                                           "another port give its device, e.g. --port %3")
                                  .arg(printable(wanted))
                                  .arg(kHighestPortNumber)
                                  .arg(kExampleDevice));
        }
    }

    if (parser.isSet(trace) && parser.value(trace).isEmpty())
        return usageError(err, arguments.constFirst(),
                          CliWords::tr("--trace needs a file name, e.g. --trace send.trace"));

    FrameSender sender(numbering, environment.linkFactory);
    QEventLoop loop;
    ConsoleProgress progress(sender, out, err, loop, environment.serialSide);
#ifdef Q_OS_UNIX
    const InterruptSignals interrupts(sender);
#endif
    const BuildResult built = buildAndSend(loaded.settings, sender, chosen);
    if (!built.ok()) {
        printBuildFault(err, built.fault());
        return kSettingsRejected;
    }
    if (sender.isBusy()) {
        loop.exec();
    }
    keepTrace(sender.lastTrace(), parser.value(trace), err);
    return progress.exitCode().value_or(kPortError);
}

} // namespace korvex::cli
