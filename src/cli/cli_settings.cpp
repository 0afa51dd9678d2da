// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"

#include "commands.h"
#include "config_file/config_file.h"
#include "file_io/atomic_file_writer.h"
#include "file_io/regular_file_reader.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"

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

// One --set, written the way a loaded file writes the field.
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
        holdsText(*id) ? settings.setText(*id, value) : setWholeNumber(settings, *id, value);
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
        return (fault.kind == FaultKind::BeyondLimit ? Fault{beyondCapReason()} : fault)
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
            return loaded;
        }
    }
    for (const QString& assignment : sets) {
        loaded.outcome = applySet(loaded.settings, assignment);
        if (!loaded.outcome) {
            return loaded;
        }
    }
    return loaded;
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

} // namespace korvex::cli
