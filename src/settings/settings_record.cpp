// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_record.h"

#include "field_acceptance.h"

namespace korvex {

Outcome SettingsRecord::setText(FieldId id, const QString& text) {
    const Result<QString> accepted = acceptText(id, text);
    if (!accepted) {
        return accepted.fault();
    }
    // Storing an unchanged text would still reset what the holder keeps
    // beside it: a line edit's undo history, its cursor, its modified flag.
    if (accepted.value() != this->text(id)) {
        storeText(id, accepted.value());
    }
    return Outcome::success();
}

Outcome SettingsRecord::setValue(FieldId id, int value) {
    Outcome accepted = acceptValue(id, value);
    // Stored even when unchanged: a check box that showed the greyed state
    // leaves it for good only when a value is stored again.
    if (accepted) {
        storeValue(id, value);
    }
    return accepted;
}

} // namespace korvex
