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
    Command{"check", "[FILE] [--set KEY=VALUE]... [--json]",
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
Exit status: 0 success, 1 settings rejected, 2 usage error, 3 file error,
4 settings not loaded, 5 port error, 6 no usable port (ports --diagnose),
7 transfer refused (simulate --once), 8 output lost, 9 send interrupted,
10 no port appeared (ports --wait).
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

// The one option that is meant to be given many times.
const QLatin1String kRepeatable("set");

// Why the options given cannot all be meant: one given twice with different
// values (which of them was meant is anybody's guess).
std::optional<QString> conflictingOption(const QCommandLineParser& parser) {
    QStringList seen;
    for (const QString& name : parser.optionNames()) {
        if (name == kRepeatable || seen.contains(name))
            continue;
        seen << name;
        QStringList values = parser.values(name);
        values.removeDuplicates();
        if (values.size() > 1) {
            return CliWords::tr("%1%2 is given twice with different values (\"%3\" and "
                                "\"%4\"); give it once")
                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), printable(name),
                     printable(values[0]), printable(values[1]));
        }
    }
    return std::nullopt;
}

} // namespace

int usageError(QTextStream& err, const QString& program, const QString& message) {
    err << "korvex-cli: " << message << "\n";
    const QString name = program.section(u' ', -1);
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name))
            err << CliWords::tr("Usage: %1 %2").arg(program, QLatin1String(command.arguments))
                << "\n";
    }
    err << CliWords::tr("Run \"%1 --help\" for more.").arg(program) << "\n";
    return kUsage;
}

std::optional<int> parseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                QTextStream& out, QTextStream& err, qsizetype maxPositionals) {
    const QString& program = arguments.constFirst();
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption(helpOption());
    if (!parser.parse(arguments)) {
        // Qt quotes the offending argument as it was given.
        return usageError(err, program, printable(parser.errorText(), kParserMessageLength));
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
    if (const auto conflict = conflictingOption(parser))
        return usageError(err, program, *conflict);
    const QStringList positionals = parser.positionalArguments();
    if (positionals.size() > maxPositionals) {
        const QString stray = printable(positionals.value(maxPositionals));
        return usageError(err, program,
                          maxPositionals == 0
                              ? CliWords::tr("\"%1\" is not taken here: %2 takes no arguments")
                                    .arg(stray, program.section(u' ', -1))
                              : CliWords::tr("\"%1\" is one argument too many").arg(stray));
    }
    return std::nullopt;
}

int fail(QTextStream& err, const QString& message, ExitCode code) {
    err << "korvex-cli: " << message << "\n";
    return code;
}

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const Environment& environment) {
    const QString command = arguments.value(1);
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        (command.isEmpty() ? err : out) << usage();
        return command.isEmpty() ? kUsage : kSuccess;
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
        return kUsage;
    }
    QStringList rest = arguments.mid(1);
    rest[0] = printable(QFileInfo(arguments.value(0)).fileName()) + u' ' + command;
    return found->run(rest, out, err, environment);
}

} // namespace korvex::cli
