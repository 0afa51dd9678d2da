// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exit_code.h"
#include "settings/config_block_builder.h"
#include "settings/settings_values.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace korvex::cli {

// As FILE, standard input; as -o, standard output.
inline constexpr QLatin1String kStandardStream("-");

// The factory settings, then a .cfg file, then each --set in order: what every
// command that works on settings starts from.
struct LoadedSettings {
    SettingsValues settings;
    Outcome outcome = Outcome::success(); // a fault names the item or --set that failed
    ExitCode code = kSuccess;             // kFileError or kNotLoaded on a fault

    bool ok() const { return outcome.ok(); }
    const QString& error() const { return outcome.fault().reason; }
};

LoadedSettings loadSettings(const QString& file, const QStringList& sets);

// Reports settings that did not load (`program` is "korvex-cli COMMAND"):
// a malformed --set with the usage line. Returns the exit code.
int failToLoad(QTextStream& err, const QString& program, const LoadedSettings& loaded);

// Saves the settings as FILE, or writes the same bytes to standard output for
// "-"; reports a failure on err and returns the exit code.
int writeSettings(const QString& target, const SettingsValues& settings, QTextStream& out,
                  QTextStream& err);

QCommandLineOption setOption();
QCommandLineOption helpOption();

// On err, each loaded value that the field's keys could not have typed.
void printTypingWarnings(QTextStream& err, const SettingsValues& settings);

// The window's fault message, then its details: step, field, reason.
void printBuildFault(QTextStream& err, const Fault& fault);

// The text of a setting as a person reads it in a report.
QString displayValue(const SettingsValues& settings, FieldId id);

} // namespace korvex::cli
