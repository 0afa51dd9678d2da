// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "base/outcome.h"
#include "settings/settings_values.h"

#include <QByteArray>
#include <QString>

namespace korvex {

inline constexpr const char* kDefaultConfigFileName = "Korvex.cfg";
// A configuration is a few hundred bytes; whatever lies beyond this is never read.
inline constexpr qint64 kMaxConfigFileBytes = 1 << 20;

// The 22 items in 9 CR LF lines, byte for byte; a fault names the setting
// that cannot be saved.
Result<QByteArray> encodeConfigFile(const SettingsValues& settings);

// Encodes and writes atomically: a failed save leaves an existing file as it
// was, and one that is not a regular file is refused.
Outcome writeConfigFile(const QString& path, const SettingsValues& settings);

// Why a file beyond kMaxConfigFileBytes is not read, to follow its name.
QString beyondCapReason();

// Reads the items and assigns them step by step; on a failure the settings
// assigned before it keep their new values. The items are Windows-1252 text,
// or UTF-8 after a byte-order mark or where the whole file reads as UTF-8
// (as Notepad saves it), or UTF-16 after its byte-order mark.
Outcome decodeConfigFile(const QByteArray& bytes, SettingsValues& settings);
// Reads a regular file only: a FIFO, device or socket is refused, never waited on.
Outcome readConfigFile(const QString& path, SettingsValues& settings);

} // namespace korvex
