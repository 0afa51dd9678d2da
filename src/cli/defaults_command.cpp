// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"
#include "commands.h"

namespace korvex::cli {

int runDefaults(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliWords::tr("Writes the factory settings as a .cfg file (to standard "
                     "output unless -o is given)."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    CliWords::tr("Write to FILE (- for standard output)."),
                                    QStringLiteral("FILE"));
    parser.addOption(output);
    if (auto stop = parseCommand(parser, arguments, out, err, 0)) {
        return *stop;
    }
    return writeSettings(parser.isSet(output) ? parser.value(output) : QString(kStandardStream),
                         SettingsValues(), out, err);
}

} // namespace korvex::cli
