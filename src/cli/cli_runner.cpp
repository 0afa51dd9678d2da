#include "cli_runner.h"

#include "cli_settings.h"
#include "commands.h"
#include "config_file/config_file.h"
#include "settings/printable_text.h"

#include <QFileInfo>
#include <QIODevice>

namespace korvex::cli {
namespace {

const char* const kUsage = R"(Usage: korvex-cli COMMAND [options]

Programs a Korvex APRS tracker from the command line, with the same settings,
checks and timing as the Korvex Config window.

Commands:
  defaults [-o FILE]                  the factory settings as a .cfg file
  check [FILE] [--set KEY=VALUE]...   check settings and show the block SEND would write
  edit [FILE] [--set KEY=VALUE]... -o OUT
                                      change settings and save them as a .cfg file
  send FILE [--port N|DEVICE] [--set KEY=VALUE]...
                                      check settings and program the tracker
  ports [--json]                      the serial ports, numbered as "Comm num:" counts them
  simulate [--once] [--json]          a simulated tracker on a pseudo-terminal, to send to

A FILE of - is standard input; -o - is standard output.
Run "korvex-cli COMMAND --help" for the options of one command,
"korvex-cli --version" for the version.
Exit status: 0 success, 1 settings rejected, 2 usage, file, load or port error
(a failed write to standard output or error included).
)";

// Room for Qt's own words around the argument it quotes.
constexpr qsizetype kParserMessageLength = 3 * kShownCharacters;

// FILE, or standard output for "-": the bytes a Save writes either way.
int writeSettings(const QString& target, const SettingsRecord& settings, QTextStream& out,
                  QTextStream& err) {
    if (target != kStandardStream) {
        const Outcome written = writeConfigFile(target, settings);
        return written ? kSuccess : fail(err, written.fault().reason);
    }
    const Result<QByteArray> encoded = encodeConfigFile(settings);
    if (!encoded) {
        return fail(err, encoded.fault().reason);
    }
    out.flush();
    if (auto* device = out.device()) {
        device->write(encoded.value()); // raw bytes: the file is Windows-1252 with CR LF
    } else {
        out << QString::fromLatin1(encoded.value());
    }
    return kSuccess;
}

} // namespace

std::optional<int> parseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                QTextStream& out, QTextStream& err) {
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption(helpOption());
    if (!parser.parse(arguments)) {
        // Qt quotes the offending argument as it was given.
        err << "korvex-cli: " << printable(parser.errorText(), kParserMessageLength) << "\n"
            << "Run \"" << arguments.value(0) << " --help\" for usage.\n";
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

int runDefaults(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the factory settings as a .cfg file (to standard "
                       "output unless -o is given)."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write to FILE (- for standard output)."),
                                    QStringLiteral("FILE"));
    parser.addOption(output);
    if (auto stop = parseCommand(parser, arguments, out, err)) {
        return *stop;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(err, QStringLiteral("defaults takes no file argument; use -o FILE"));
    }
    return writeSettings(parser.isSet(output) ? parser.value(output) : QString(kStandardStream),
                         SettingsValues(), out, err);
}

int runEdit(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Loads FILE onto the factory settings (no FILE: the factory "
                       "settings), applies each --set and saves the result as OUT."));
    parser.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("A .cfg file to start from (- for standard input)."),
        QStringLiteral("[FILE]"));
    const QCommandLineOption output(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("The .cfg file to write (required; - for standard output)."),
        QStringLiteral("OUT"));
    parser.addOption(output);
    parser.addOption(setOption());
    if (auto stop = parseCommand(parser, arguments, out, err)) {
        return *stop;
    }
    if (!parser.isSet(output)) {
        return fail(err, QStringLiteral("edit needs -o OUT, the file to write"));
    }
    if (parser.positionalArguments().size() > 1) {
        return fail(err, QStringLiteral("edit takes at most one input file"));
    }
    const LoadedSettings loaded =
        loadSettings(parser.positionalArguments().value(0), parser.values(QStringLiteral("set")));
    if (!loaded.error.isEmpty()) {
        return fail(err, loaded.error);
    }
    return writeSettings(parser.value(output), loaded.settings, out, err);
}

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const Environment& environment) {
    const QString command = arguments.value(1);
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        (command.isEmpty() ? err : out) << kUsage;
        return command.isEmpty() ? kFailure : kSuccess;
    }
    if (command == QLatin1String("--version")) {
        out << "korvex-cli " << KORVEX_VERSION << "\n";
        return kSuccess;
    }
    QStringList rest = arguments.mid(1);
    rest[0] = printable(QFileInfo(arguments.value(0)).fileName()) + u' ' + command;
    if (command == QLatin1String("defaults")) {
        return runDefaults(rest, out, err);
    }
    if (command == QLatin1String("check")) {
        return runCheck(rest, out, err);
    }
    if (command == QLatin1String("edit")) {
        return runEdit(rest, out, err);
    }
    if (command == QLatin1String("send")) {
        return runSend(rest, out, err, environment);
    }
    if (command == QLatin1String("ports")) {
        return runPorts(rest, out, err, environment);
    }
#ifdef Q_OS_UNIX
    if (command == QLatin1String("simulate")) {
        return runSimulate(rest, out, err, environment);
    }
#endif
    err << "korvex-cli: unknown command \"" << printable(command) << "\"\n\n" << kUsage;
    return kFailure;
}

} // namespace korvex::cli
