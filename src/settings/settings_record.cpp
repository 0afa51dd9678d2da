#include "settings_record.h"

#include "field_acceptance.h"

namespace korvex {

WriteResult SettingsRecord::setText(FieldId id, const QString& text) {
    Acceptance accepted = acceptText(id, text);
    if (!accepted) {
        return WriteResult::refused(accepted.reason);
    }
    storeText(id, accepted.value);
    return {};
}

WriteResult SettingsRecord::setValue(FieldId id, int value) {
    if (QString reason = refuseValue(id, value); !reason.isEmpty()) {
        return WriteResult::refused(reason);
    }
    storeValue(id, value);
    return {};
}

} // namespace korvex
