// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_runner.h"
#include "cli_words.h"

#include "cli_settings.h"
#include "commands.h"
#include "settings/printable_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <array>

namespace korvex::cli {
namespace {

QString words(const char* text) {
    return CliWords::tr(text);
}

// A command as the dispatcher runs it and as the usage lists it.
struct Command {
    const char* name;
    const char* arguments;
    const char* summary;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err,
               const Environment& environment);
};

// In the order the usage lists them.
constexpr std::array kCommands{
    Command{"defaults", "[-o FILE]",
            QT_TRANSLATE_NOOP("korvex::cli", "the factory settings as a .cfg file"),
            [](const QStringList& arguments, QTextStream& out, QTextStream& err,
               const Environment&) { return runDefaults(arguments, out, err); }},
    Command{"check", "[FILE] [--set KEY=VALUE]...",
            QT_TRANSLATE_NOOP("korvex::cli", "check settings and show the block SEND would write"),
            [](const QStringList& arguments, QTextStream& out, QTextStream& err,
               const Environment&) { return runCheck(arguments, out, err); }},
    Command{"edit", "[FILE] [--set KEY=VALUE]... -o OUT",
            QT_TRANSLATE_NOOP("korvex::cli", "change settings and save them as a .cfg file"),
            [](const QStringList& arguments, QTextStream& out, QTextStream& err,
               const Environment&) { return runEdit(arguments, out, err); }},
    Command{"send", "FILE [--port N|DEVICE] [--set KEY=VALUE]... [--trace OUT]",
            QT_TRANSLATE_NOOP("korvex::cli", "check settings and program the tracker"), runSend},
    Command{"ports", "[--json] [--diagnose] [--wait [SECONDS]]",
            QT_TRANSLATE_NOOP("korvex::cli",
                              "the serial ports, numbered as \"Comm num:\" counts them, and what "
                              "keeps them from use; with --wait, the port that is plugged in next"),
            runPorts},
    Command{"decode", "FILE [--json]",
            QT_TRANSLATE_NOOP("korvex::cli",
                              "what the tracker makes of a transfer trace or of raw bytes"),
            runDecode},
    Command{"report", "[-o FILE] [--json]",
            QT_TRANSLATE_NOOP("korvex::cli", "one file with what someone who helps needs"),
            runReport},
    Command{
        "simulate", "[--once] [--json]",
        QT_TRANSLATE_NOOP("korvex::cli", "a simulated tracker on a pseudo-terminal, to send to"),
        runSimulate},
};

const char* const kUsageHead =
    QT_TRANSLATE_NOOP("korvex::cli", R"(Usage: korvex-cli COMMAND [options]

Programs a Korvex APRS tracker from the command line, with the same settings,
checks and timing as the Korvex Config window.

Commands:
)");

const char* const kUsageTail = QT_TRANSLATE_NOOP("korvex::cli", R"(
A FILE of - is standard input; -o - is standard output.
Run "korvex-cli COMMAND --help" for the options of one command,
"korvex-cli --version" for the version.
Exit status: 0 success, 1 settings rejected, 2 usage, file, load or port error
(a failed write to standard output or error included), 3 no port appeared
(ports --wait).
--lang NAME (or KORVEX_LANG) chooses the language of the messages: de, es, it,
C for English; --json output and .cfg files are the same in every language.
)");

// Where the summaries start; a longer command line puts its summary below it.
constexpr qsizetype kSummaryColumn = 38;

QString usage() {
    QString text = words(kUsageHead);
    for (const Command& command : kCommands) {
        const QString line = QStringLiteral("  %1 %2").arg(QLatin1String(command.name),
                                                           QLatin1String(command.arguments));
        // At least two blanks between a command line and its summary.
        if (line.size() + 2 <= kSummaryColumn) {
            text += line.leftJustified(kSummaryColumn);
        } else {
            text += line + u'\n' + QString(kSummaryColumn, u' ');
        }
        text += words(command.summary) + u'\n';
    }
    return text + words(kUsageTail);
}

const Command* findCommand(const QString& name) {
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name) && command.run) {
            return &command;
        }
    }
    return nullptr;
}

// Room for Qt's own words around the argument it quotes.
constexpr qsizetype kParserMessageLength = 3 * kShownCharacters;

} // namespace

std::optional<int> parseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                QTextStream& out, QTextStream& err) {
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption(helpOption());
    if (!parser.parse(arguments)) {
        // Qt quotes the offending argument as it was given.
        err << "korvex-cli: " << printable(parser.errorText(), kParserMessageLength) << "\n"
            << CliWords::tr("Run \"%1 --help\" for usage.\n").arg(arguments.value(0));
        return kFailure;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // Qt names the executable only; the command belongs in the usage line too.
        QString help = parser.helpText();
        const qsizetype nameStart = help.indexOf(u' ') + 1;
        const qsizetype nameEnd = help.indexOf(u' ', nameStart);
        if (nameStart > 0 && nameEnd > nameStart) {
            help.replace(nameStart, nameEnd - nameStart, arguments.value(0));
        }
        out << help;
        return kSuccess;
    }
    return std::nullopt;
}

int fail(QTextStream& err, const QString& message, int code) {
    err << "korvex-cli: " << message << "\n";
    return code;
}

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const Environment& environment) {
    const QString command = arguments.value(1);
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        (command.isEmpty() ? err : out) << usage();
        return command.isEmpty() ? kFailure : kSuccess;
    }
    if (command == QLatin1String("--version")) {
        out << "korvex-cli " << KORVEX_VERSION << "\n";
        return kSuccess;
    }
    const Command* const found = findCommand(command);
    if (!found) {
        err << "korvex-cli: " << CliWords::tr("unknown command \"%1\"").arg(printable(command))
            << "\n\n"
            << usage();
        return kFailure;
    }
    QStringList rest = arguments.mid(1);
    rest[0] = printable(QFileInfo(arguments.value(0)).fileName()) + u' ' + command;
    return found->run(rest, out, err, environment);
}

} // namespace korvex::cli
