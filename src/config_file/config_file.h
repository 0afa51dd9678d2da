#pragma once

#include "settings/field_id.h"
#include "settings/settings_record.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace korvex {

inline constexpr const char* kDefaultConfigFileName = "Korvex.cfg";
// A configuration is a few hundred bytes; whatever lies beyond this is never read.
inline constexpr qint64 kMaxConfigFileBytes = 1 << 20;

struct EncodeOutcome {
    QByteArray bytes;             // the whole file, when ok
    QString error;                // empty when ok
    std::optional<FieldId> field; // the setting that could not be saved
    bool ok() const { return error.isEmpty(); }
};

// The 22 items in 9 CR LF lines, byte for byte.
EncodeOutcome encodeConfigFile(const SettingsRecord& settings);

// Encodes and writes atomically: a failed save leaves an existing file as it
// was, and one that is not a regular file is refused. Returns the error,
// empty on success.
QString saveConfigFile(const QString& path, const SettingsRecord& settings);

struct LoadOutcome {
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Reads the items and assigns them step by step; on a failure the settings
// assigned before it keep their new values.
LoadOutcome decodeConfigFile(const QByteArray& bytes, SettingsRecord& settings);
// Reads a regular file only: a FIFO, device or socket is refused, never waited on.
LoadOutcome loadConfigFile(const QString& path, SettingsRecord& settings);

} // namespace korvex
