// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"

#include "commands.h"
#include "config_file/config_file.h"
#include "file_io/atomic_file_writer.h"
#include "file_io/regular_file_reader.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "settings/typing.h"

#include <QIODevice>

namespace korvex::cli {
namespace {

QString knownKeys() {
    QStringList keys;
    for (const FieldInfo& info : fieldTable()) {
        keys << QLatin1String(info.key);
    }
    return keys.join(QStringLiteral(", "));
}

Outcome setWholeNumber(SettingsValues& settings, FieldId id, const QString& value) {
    bool isNumber = false;
    const int number = value.trimmed().toInt(&isNumber);
    if (!isNumber) {
        return Fault{CliWords::tr("\"%1\" is not a whole number").arg(printable(value)), id};
    }
    return settings.setValue(id, number);
}

// A text --set as the window's keys type it.
Outcome setTypedText(SettingsValues& settings, FieldId id, const QString& value) {
    const Result<QString> typed = typeIntoField(id, value);
    return typed ? settings.setText(id, typed.value()) : typed.outcome();
}

// One --set, typed into its field.
Outcome applySet(SettingsValues& settings, const QString& assignment) {
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals <= 0) {
        return Fault{CliWords::tr("--set \"%1\": expected KEY=VALUE").arg(printable(assignment))};
    }
    const QString key = assignment.left(equals);
    const QString value = assignment.mid(equals + 1);
    const auto id = fieldByKey(key);
    if (!id) {
        return Fault{
            CliWords::tr("--set %1: unknown key; known keys: %2").arg(printable(key), knownKeys())};
    }
    const Outcome written =
        holdsText(*id) ? setTypedText(settings, *id, value) : setWholeNumber(settings, *id, value);
    if (!written) {
        return Fault{written.fault().reason, *id}.within(
            CliWords::tr("--set %1: refused").arg(key));
    }
    return Outcome::success();
}

Outcome loadFromStandardInput(SettingsValues& settings) {
    const Result<QByteArray> read = readStandardInput(kMaxConfigFileBytes);
    if (!read) {
        const Fault& fault = read.fault();
        return (fault.kind == FaultKind::BeyondLimit
                    ? Fault{.reason = beyondCapReason(), .kind = FaultKind::BeyondLimit}
                    : fault)
            .within(CliWords::tr("Cannot read standard input"));
    }
    return decodeConfigFile(read.value(), settings);
}

} // namespace

LoadedSettings loadSettings(const QString& file, const QStringList& sets) {
    LoadedSettings loaded;
    if (!file.isEmpty()) {
        const Outcome read = file == kStandardStream ? loadFromStandardInput(loaded.settings)
                                                     : readConfigFile(file, loaded.settings);
        if (!read) {
            loaded.outcome = read;
            // A fault of the file itself carries its kind; one of its content does not.
            loaded.code = read.fault().kind ? kFileError : kNotLoaded;
            return loaded;
        }
    }
    for (const QString& assignment : sets) {
        loaded.outcome = applySet(loaded.settings, assignment);
        if (!loaded.outcome) {
            // A malformed --set or an unknown key names no field.
            loaded.code = loaded.outcome.fault().field ? kNotLoaded : kUsage;
            return loaded;
        }
    }
    return loaded;
}

int failToLoad(QTextStream& err, const QString& program, const LoadedSettings& loaded) {
    return loaded.code == kUsage ? usageError(err, program, loaded.error())
                                 : fail(err, loaded.error(), loaded.code);
}

QCommandLineOption setOption() {
    return QCommandLineOption(
        QStringList{QStringLiteral("set")},
        CliWords::tr("Set one setting, e.g. --set mycall=N0CALL-7 (repeatable)."),
        QStringLiteral("KEY=VALUE"));
}

QCommandLineOption helpOption() {
    return QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                              CliWords::tr("Show this help."));
}

void printTypingWarnings(QTextStream& err, const SettingsValues& settings) {
    for (const TypingWarning& warning : typingWarnings(settings))
        err << "korvex-cli: " << CliWords::tr("warning: %1").arg(warning.message) << "\n";
}

void printBuildFault(QTextStream& err, const Fault& fault) {
    err << buildFaultMessage() << "\n  " << describeBuildFault(fault) << "\n";
}

QString displayValue(const SettingsValues& settings, FieldId id) {
    if (holdsText(id)) {
        return QStringLiteral("\"%1\"").arg(printable(settings.text(id)));
    }
    const int value = settings.value(id);
    if (id == FieldId::micEMessage && value >= 0) {
        return QStringLiteral("%1 (%2)").arg(value).arg(
            QLatin1String(micEMessages()[static_cast<std::size_t>(value)]));
    }
    return QString::number(value);
}

int writeSettings(const QString& target, const SettingsValues& settings, QTextStream& out,
                  QTextStream& err) {
    if (target != kStandardStream && !namesStandardOutput(target)) {
        const Outcome written = writeConfigFile(target, settings);
        return written ? kSuccess : fail(err, written.fault().reason, kFileError);
    }
    const Result<QByteArray> encoded = encodeConfigFile(settings);
    if (!encoded) {
        return fail(err, encoded.fault().reason, kFileError);
    }
    out.flush();
    if (auto* device = out.device()) {
        device->write(encoded.value()); // raw bytes: the file is Windows-1252 with CR LF
    } else {
        out << QString::fromLatin1(encoded.value());
    }
    return kSuccess;
}

} // namespace korvex::cli
