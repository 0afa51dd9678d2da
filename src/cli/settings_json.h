#pragma once

#include "settings/config_block.h"
#include "settings/settings_record.h"

#include <QJsonObject>

namespace korvex::cli {

// Settings keyed by their short names: texts as strings (prompt characters
// included), the Mic-E index and the two switches as integers.
QJsonObject settingsToJson(const SettingsRecord& settings);

QString blockToHex(const ConfigBlock& block);

} // namespace korvex::cli
