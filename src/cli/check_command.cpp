// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"
#include "commands.h"
#include "settings/config_block_builder.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "settings_json.h"

#include <QJsonDocument>
#include <algorithm>

namespace korvex::cli {
namespace {

// Each setting by the key --set takes and the name the window shows it under.
void printSettings(QTextStream& out, const SettingsValues& settings) {
    qsizetype nameWidth = 0;
    for (const FieldInfo& info : fieldTable())
        nameWidth = std::max(nameWidth, displayName(info.id).size());
    for (const FieldInfo& info : fieldTable()) {
        out << "  " << QString::fromLatin1(info.key).leftJustified(12)
            << displayName(info.id).leftJustified(nameWidth + 2) << displayValue(settings, info.id)
            << "\n";
    }
}

void printChanges(QTextStream& out, const SettingsValues& before, const SettingsValues& after) {
    bool any = false;
    for (const FieldInfo& info : fieldTable()) {
        const QString was = holdsText(info.id) ? printable(before.text(info.id))
                                               : QString::number(before.value(info.id));
        const QString now = holdsText(info.id) ? printable(after.text(info.id))
                                               : QString::number(after.value(info.id));
        if (was != now) {
            out << "  " << info.key << " " << was << " -> " << now << "\n";
            any = true;
        }
    }
    if (!any) {
        out << "  " << CliWords::tr("(none)") << "\n";
    }
}

void printBlock(QTextStream& out, const ConfigBlock& block) {
    const QString hex = blockToHex(block);
    for (int offset = 0; offset < static_cast<int>(kBlockSize); offset += 16) {
        out << "  " << QString::number(offset).rightJustified(3, u'0') << ":";
        for (int i = offset; i < std::min(offset + 16, static_cast<int>(kBlockSize)); ++i) {
            out << " " << hex.mid(2 * qsizetype{i}, 2);
        }
        out << "\n";
    }
}

QJsonObject faultToJson(const Fault& fault) {
    return QJsonObject{{QStringLiteral("step"), stepNumber(fault.step.value())},
                       {QStringLiteral("field"), QLatin1String(fieldInfo(fault.field.value()).key)},
                       {QStringLiteral("reason"), fault.reason}};
}

} // namespace

int runCheck(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CliWords::tr(
        "Loads FILE onto the factory settings (no FILE: the factory settings), applies each --set, "
        "and checks them exactly as SEND does: shows the settings as SEND would write them back, "
        "every value it changed, GPSless mode and the configuration block."));
    parser.addPositionalArgument(QStringLiteral("FILE"), CliWords::tr("A .cfg file."),
                                 QStringLiteral("[FILE]"));
    parser.addOption(setOption());
    const QCommandLineOption json(QStringLiteral("json"),
                                  CliWords::tr("Print one JSON object instead."));
    parser.addOption(json);
    if (auto stop = parseCommand(parser, arguments, out, err, 1)) {
        return *stop;
    }

    const LoadedSettings loaded =
        loadSettings(parser.positionalArguments().value(0), parser.values(QStringLiteral("set")));
    const bool loadFailed = !loaded.ok();
    BuildResult result;
    if (!loadFailed) {
        printTypingWarnings(err, loaded.settings);
        result = BuildConfigBlock(loaded.settings);
    }

    if (parser.isSet(json)) {
        QJsonObject report{
            {QStringLiteral("load_error"), loadFailed ? QJsonValue(loaded.error()) : QJsonValue()},
            {QStringLiteral("settings_loaded"), settingsToJson(loaded.settings)},
            {QStringLiteral("warnings"), typingWarningsToJson(loaded.settings)},
            {QStringLiteral("ok"), !loadFailed && result.ok()},
            {QStringLiteral("fault"),
             result.ok() ? QJsonValue() : QJsonValue(faultToJson(result.fault()))},
            {QStringLiteral("gpsless"),
             result.gpsless ? QJsonValue(*result.gpsless) : QJsonValue()},
            {QStringLiteral("block"),
             loadFailed ? QJsonValue() : QJsonValue(blockToHex(result.block))},
            {QStringLiteral("settings"),
             loadFailed ? QJsonValue() : QJsonValue(settingsToJson(result.settings))},
        };
        out << printableJson(QJsonDocument(report), QJsonDocument::Indented);
        return loadFailed ? loaded.code : (result.ok() ? kSuccess : kSettingsRejected);
    }

    if (loadFailed) {
        return failToLoad(err, arguments.constFirst(), loaded);
    }
    out << CliWords::tr("Settings as SEND writes them back:") << "\n";
    printSettings(out, result.settings);
    out << CliWords::tr("Changed by the check:") << "\n";
    printChanges(out, loaded.settings, result.settings);
    out << (!result.gpsless   ? CliWords::tr("GPSless mode: not reached")
            : *result.gpsless ? CliWords::tr("GPSless mode: on")
                              : CliWords::tr("GPSless mode: off"))
        << "\n";
    out << (result.ok() ? CliWords::tr("Configuration block (%1 bytes):")
                        : CliWords::tr("Configuration block (%1 bytes, incomplete):"))
               .arg(kBlockSize)
        << "\n";
    printBlock(out, result.block);
    if (!result.ok()) {
        out.flush();
        printBuildFault(err, result.fault());
        return kSettingsRejected;
    }
    return kSuccess;
}

} // namespace korvex::cli
