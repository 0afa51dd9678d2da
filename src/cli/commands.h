// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli_runner.h"

#include <QCommandLineParser>
#include <optional>

namespace korvex::cli {

// Each command gets its own arguments (arguments[0] is "korvex-cli COMMAND").
int runDefaults(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runCheck(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runEdit(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runSend(const QStringList& arguments, QTextStream& out, QTextStream& err,
            const Environment& environment);
int runPorts(const QStringList& arguments, QTextStream& out, QTextStream& err,
             const Environment& environment);
int runDecode(const QStringList& arguments, QTextStream& out, QTextStream& err,
              const Environment& environment);
int runReport(const QStringList& arguments, QTextStream& out, QTextStream& err,
              const Environment& environment);
int runSimulate(const QStringList& arguments, QTextStream& out, QTextStream& err,
                const Environment& environment);

// Parses a command's arguments; an exit code when the command should stop
// here (help shown, or a usage error reported). A word beyond the command's
// `maxPositionals` and an option given twice with different values are usage
// errors (--set is the one option meant to be repeated).
std::optional<int> parseCommand(QCommandLineParser& parser, const QStringList& arguments,
                                QTextStream& out, QTextStream& err, qsizetype maxPositionals);

// Reports a usage error with the command's usage line (`program` is
// "korvex-cli COMMAND"), and returns kUsage.
int usageError(QTextStream& err, const QString& program, const QString& message);

// Reports an error the way every command does, and returns the exit code.
int fail(QTextStream& err, const QString& message, ExitCode code);

} // namespace korvex::cli
