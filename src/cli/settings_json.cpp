#include "settings_json.h"

#include "settings/field_table.h"

#include <QByteArray>

namespace korvex::cli {

QJsonObject settingsToJson(const SettingsRecord& settings) {
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

QString blockToHex(const ConfigBlock& block) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(block.data()),
                                          static_cast<qsizetype>(block.size()))
                                   .toHex()
                                   .toUpper());
}

} // namespace korvex::cli
