// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace korvex {
namespace {

// QApplication's and the platform plugins' options; QApplication removes them
// from the command line itself, once the parse here has let them by.
const char* const kQtValueOptions[] = {"platform",        "platformpluginpath",
                                       "platformtheme",   "plugin",
                                       "qwindowgeometry", "qwindowicon",
                                       "qwindowtitle",    "style",
                                       "stylesheet",      "display",
                                       "session",         "geometry"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

struct AppWords {
    Q_DECLARE_TR_FUNCTIONS(AppWords)
};

} // namespace

QString appUsage(const QString& program) {
    return AppWords::tr(
               "Usage: %1 [FILE]\n"
               "\n"
               "Opens the Korvex Config window to edit the settings of a Korvex APRS tracker\n"
               "and send them over the serial line. FILE, a .cfg file, is loaded at start as\n"
               "the Load button loads it.\n"
               "\n"
               "Options:\n"
               "  -h, --help     show this help and exit\n"
               "  -v, --version  show the version and exit\n"
               "  --lang NAME    the language of the window (de, es, it, ...; C for English);\n"
               "                 KORVEX_LANG does the same, else the system's locale decides\n"
               "\n"
               "Qt's options (-platform NAME, -style NAME, ...) are accepted too.\n"
               "See korvex-config(1); korvex-cli(1) does the same from a terminal.\n")
        .arg(program);
}

QString appUsageHint(const QString& program) {
    return AppWords::tr("Run \"%1 --help\" for usage.\n").arg(program);
}

AppCommand parseAppArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are written with one dash, as -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtValueOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("V")));
    // Taken by main() before any text is shown; accepted here so it is no error.
    parser.addOption(QCommandLineOption(QStringLiteral("lang"), {}, QStringLiteral("NAME")));
    for (const char* name : kQtFlagOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    AppCommand command;
    if (!parser.parse(arguments)) {
        command.action = AppCommand::Action::UsageError;
        command.message = parser.errorText();
    } else if (parser.isSet(help)) {
        command.action = AppCommand::Action::PrintHelp;
    } else if (parser.isSet(version)) {
        command.action = AppCommand::Action::PrintVersion;
    } else if (parser.positionalArguments().size() > 1) {
        command.action = AppCommand::Action::UsageError;
        command.message = AppWords::tr("one FILE at most");
    } else {
        command.file = parser.positionalArguments().value(0);
    }
    return command;
}

} // namespace korvex
