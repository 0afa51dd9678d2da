// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"
#include "commands.h"

namespace korvex::cli {

int runEdit(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliWords::tr("Loads FILE onto the factory settings (no FILE: the factory "
                     "settings), applies each --set and saves the result as OUT."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 CliWords::tr("A .cfg file to start from (- for standard input)."),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption output(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        CliWords::tr("The .cfg file to write (required; - for standard output)."),
        QStringLiteral("OUT"));
    parser.addOption(output);
    parser.addOption(setOption());
    if (auto stop = parseCommand(parser, arguments, out, err, 1)) {
        return *stop;
    }
    if (!parser.isSet(output)) {
        return usageError(err, arguments.constFirst(),
                          CliWords::tr("edit needs -o OUT, the file to write"));
    }
    const LoadedSettings loaded =
        loadSettings(parser.positionalArguments().value(0), parser.values(QStringLiteral("set")));
    if (!loaded.ok()) {
        return failToLoad(err, arguments.constFirst(), loaded);
    }
    printTypingWarnings(err, loaded.settings);
    return writeSettings(parser.value(output), loaded.settings, out, err);
}

} // namespace korvex::cli
