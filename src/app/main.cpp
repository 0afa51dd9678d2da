// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "file_io/file_names.h"
#include "file_io/process_start.h"
#include "i18n/translations.h"
#include "program_start.h"
#include "ui/setup/readable_indicator_style.h"
#include "ui/setup/setup_window.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// --help, --version or a usage error: answered on the terminal, in the
// user's language, without a window.
int answerOnTerminal(const QStringList& arguments, const QString& program) {
    // Parsed again now that the catalogues are in: Qt's parser words its errors too.
    const korvex::AppCommand command = korvex::parseAppArguments(arguments);
    switch (command.action) {
    case korvex::AppCommand::Action::PrintHelp:
        print(stdout, korvex::appUsage(program));
        return 0;
    case korvex::AppCommand::Action::PrintVersion:
        print(stdout, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(KORVEX_VERSION)));
        return 0;
    case korvex::AppCommand::Action::UsageError:
        print(stderr, QStringLiteral("%1: %2\n").arg(program, command.message) +
                          korvex::appUsageHint(program));
        return 2;
    case korvex::AppCommand::Action::OpenWindow:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before anything opens a file: the display connection must not become
    // descriptor 2, and a Save under `ulimit -f` must fail, not kill the window.
    korvex::prepareProcess();
    // Read before QApplication exists: it needs a display, --help does not.
    const QStringList arguments = korvex::programArguments(argc, argv);
    const QString program = QFileInfo(arguments.value(0)).fileName();
    const std::optional<QString> language =
        korvex::requestedLanguage(arguments, qEnvironmentVariable("KORVEX_LANG"));
    if (const auto shown = korvex::unusableArgument(argc, argv)) {
        korvex::useParentConsole();
        const QCoreApplication terminal(argc, argv);
        const korvex::Translations translations(language);
        print(stderr,
              QStringLiteral("%1: %2\n").arg(program, korvex::undecodableArgumentMessage(*shown)));
        return 2;
    }
    const korvex::AppCommand command = korvex::parseAppArguments(arguments);
    if (command.action != korvex::AppCommand::Action::OpenWindow) {
        korvex::useParentConsole();
        // The catalogues need an application; this one needs no display.
        const QCoreApplication terminal(argc, argv);
        const korvex::Translations translations(language);
        return answerOnTerminal(arguments, program);
    }

    const korvex::RunningMark running;
    QApplication app(argc, argv);
    QApplication::setStyle(korvex::makeReadableIndicatorStyle());
    const korvex::Translations translations(language);
    // Desktops match the window to its desktop entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.Config"));
    korvex::SetupWindow window;
    window.show();
    if (!command.file.isEmpty())
        window.loadFile(command.file);
    return QApplication::exec();
}
