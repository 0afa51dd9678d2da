#include "settings_record.h"

#include "field_acceptance.h"

namespace korvex {

Outcome SettingsRecord::setText(FieldId id, const QString& text) {
    const Result<QString> accepted = acceptText(id, text);
    if (!accepted) {
        return accepted.fault();
    }
    storeText(id, accepted.value());
    return Outcome::success();
}

Outcome SettingsRecord::setValue(FieldId id, int value) {
    Outcome accepted = acceptValue(id, value);
    if (accepted) {
        storeValue(id, value);
    }
    return accepted;
}

} // namespace korvex
