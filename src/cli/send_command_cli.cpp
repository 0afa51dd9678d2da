#include "cli_settings.h"
#include "commands.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "transfer/build_and_send.h"

#include <QEventLoop>
#include <QRegularExpression>

namespace korvex::cli {
namespace {

// Room for the longest description with a device path of a usual length.
constexpr qsizetype kDescriptionLength = 8 * kShownCharacters;

// Prints the transfer's progress the way the progress dialog shows it, one
// dot at a time, and remembers how it ended.
class ConsoleProgress {
public:
    ConsoleProgress(FrameSender& sender, QTextStream& out, QTextStream& err, QEventLoop& loop) {
        QObject::connect(&sender, &FrameSender::dialogShown,
                         [&err](const QString& text) { err << text.trimmed() << Qt::flush; });
        QObject::connect(&sender, &FrameSender::progressChanged,
                         [&err](const QString&) { err << "." << Qt::flush; });
        QObject::connect(&sender, &FrameSender::completed, [this, &out, &err](const QString& text) {
            err << "\n" << Qt::flush;
            out << text << "\n" << Qt::flush;
            outcome_ = kSuccess;
        });
        QObject::connect(&sender, &FrameSender::failed, [this, &err](const QString& description) {
            // The description names the device as it was given to --port.
            err << "\nkorvex-cli: " << printable(description, kDescriptionLength) << "\n"
                << Qt::flush;
            outcome_ = kFailure;
        });
        QObject::connect(&sender, &FrameSender::finished, &loop, &QEventLoop::quit);
    }

    std::optional<int> outcome() const { return outcome_; }

private:
    std::optional<int> outcome_;
};

} // namespace

int runSend(const QStringList& arguments, QTextStream& out, QTextStream& err,
            const Environment& environment) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads FILE onto the factory settings, applies each --set, checks the settings exactly as "
        "SEND does and programs the tracker: 122 bytes in four writes at 4800 baud. Nothing is "
        "read back: look for 'Success!' on the tracker's display."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .cfg file to send."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral(
            "Port number 1-9 as \"korvex-cli ports\" lists them, or a device such as /dev/ttyUSB0 "
            "(a name holding a / is a path, opened as given). Default: the file's port number."),
        QStringLiteral("N|DEVICE"));
    parser.addOption(port);
    parser.addOption(setOption());
    if (auto stop = parseCommand(parser, arguments, out, err)) {
        return *stop;
    }
    if (parser.positionalArguments().size() != 1) {
        return fail(err,
                    QStringLiteral(
                        "send needs exactly one .cfg file (make one with \"korvex-cli defaults -o "
                        "FILE\" or with Save in the window)"));
    }
    LoadedSettings loaded = loadSettings(parser.positionalArguments().constFirst(),
                                         parser.values(QStringLiteral("set")));
    if (!loaded.error.isEmpty()) {
        return fail(err, loaded.error);
    }

    PortNumbering numbering = environment.portNumbering();
    if (parser.isSet(port)) {
        const QString wanted = parser.value(port);
        if (wanted.isEmpty()) {
            return fail(err, QStringLiteral("--port needs a port number 1-9 or a device, e.g. "
                                            "--port /dev/ttyUSB0"));
        }
        if (QRegularExpression(QStringLiteral("^[0-9]+$")).match(wanted).hasMatch()) {
            if (const WriteResult written = loaded.settings.setText(FieldId::edComm, wanted);
                !written) {
                return fail(
                    err, QStringLiteral(
                             "--port %1: port numbers run from 1 to 9; for another port give its "
                             "device, e.g. --port /dev/ttyUSB0")
                             .arg(printable(wanted)));
            }
        } else {
            // A device named outright is port 1 of a list of its own.
            PortDescription device;
            device.device = wanted;
            device.portName = wanted.section(u'/', -1);
            numbering = PortNumbering([device] { return QList<PortDescription>{device}; });
            loaded.settings.setText(FieldId::edComm, QStringLiteral("1"));
        }
    }

    FrameSender sender(numbering, environment.linkFactory);
    QEventLoop loop;
    ConsoleProgress progress(sender, out, err, loop);
    const BuildResult built = buildAndSend(loaded.settings, sender);
    if (!built.ok) {
        printBuildFault(err, *built.fault);
        return kBuildFault;
    }
    if (sender.isBusy()) {
        loop.exec();
    }
    if (!progress.outcome()) {
        return fail(err,
                    QStringLiteral("the port closed itself right after opening; nothing was sent"));
    }
    return *progress.outcome();
}

} // namespace korvex::cli
