// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/config_block.h"
#include "settings/settings_values.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace korvex::cli {

// Settings keyed by their short names: texts as strings (prompt characters
// included), the Mic-E index and the two switches as integers.
QJsonObject settingsToJson(const SettingsValues& settings);

// Each loaded value its field's keys could not have typed: field, value, message.
QJsonArray typingWarningsToJson(const SettingsValues& settings);

QString blockToHex(const ConfigBlock& block);

// The document as JSON text with DEL and the C1 controls (U+0080..U+009F)
// escaped too, as Qt escapes the C0 ones: the same values, but nothing a
// terminal would act on when the output is read there.
QByteArray printableJson(const QJsonDocument& document, QJsonDocument::JsonFormat format);

} // namespace korvex::cli
