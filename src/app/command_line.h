// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// What korvex-config was asked to do. Worked out before any window system is
// touched, so --help, --version and usage errors need no display.
struct AppCommand {
    enum class Action { OpenWindow, PrintHelp, PrintVersion, UsageError };
    Action action = Action::OpenWindow;
    QString file;    // OpenWindow: the .cfg file to load at start, if any
    QString message; // UsageError: what was wrong
};

// arguments[0] is the program. Qt's own options (-platform, -style, ...) are
// let through for QApplication to take.
AppCommand parseAppArguments(const QStringList& arguments);

QString appUsage(const QString& program);
// The line after a usage error that points to --help.
QString appUsageHint(const QString& program);

} // namespace korvex
