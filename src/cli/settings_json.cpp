// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_json.h"

#include "settings/field_table.h"
#include "settings/typing.h"

#include <QByteArray>

namespace korvex::cli {

QJsonObject settingsToJson(const SettingsValues& settings) {
    QJsonObject object;
    for (const FieldInfo& info : fieldTable()) {
        const QString key = QLatin1String(info.key);
        if (holdsText(info.id)) {
            object.insert(key, settings.text(info.id));
        } else {
            object.insert(key, settings.value(info.id));
        }
    }
    return object;
}

QJsonArray typingWarningsToJson(const SettingsValues& settings) {
    QJsonArray warnings;
    for (const TypingWarning& warning : typingWarnings(settings)) {
        warnings.append(
            QJsonObject{{QStringLiteral("field"), QLatin1String(fieldInfo(warning.field).key)},
                        {QStringLiteral("value"), settings.text(warning.field)},
                        {QStringLiteral("message"), warning.message}});
    }
    return warnings;
}

QByteArray printableJson(const QJsonDocument& document, QJsonDocument::JsonFormat format) {
    const QByteArray json = document.toJson(format);
    QByteArray escaped;
    escaped.reserve(json.size());
    for (qsizetype i = 0; i < json.size(); ++i) {
        // In UTF-8, 7F is DEL and C2 80..C2 9F encode exactly U+0080..U+009F;
        // JSON text holds them only inside strings.
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
        if (static_cast<unsigned char>(json[i]) == 0xC2 && next >= 0x80 && next <= 0x9F) {
            escaped += "\\u00" + QByteArray::number(next, 16);
            ++i;
        } else if (json[i] == '\x7f') {
            escaped += "\\u007f";
        } else {
            escaped += json[i];
        }
    }
    return escaped;
}

QString blockToHex(const ConfigBlock& block) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(block.data()),
                                          static_cast<qsizetype>(block.size()))
                                   .toHex()
                                   .toUpper());
}

} // namespace korvex::cli
