// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_values.h"

#include "factory_defaults.h"
#include "field_acceptance.h"

namespace korvex {

SettingsValues::SettingsValues() {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        texts_[i] = factoryText(static_cast<FieldId>(i));
        values_[i] = factoryValue(static_cast<FieldId>(i));
    }
}

Outcome SettingsValues::setText(FieldId id, const QString& text) {
    const Result<QString> accepted = acceptText(id, text);
    if (!accepted) {
        return accepted.fault();
    }
    texts_[fieldIndex(id)] = accepted.value();
    return Outcome::success();
}

Outcome SettingsValues::setValue(FieldId id, int value) {
    Outcome accepted = acceptValue(id, value);
    if (accepted) {
        values_[fieldIndex(id)] = value;
    }
    return accepted;
}

bool SettingsValues::sameAt(FieldId id, const SettingsValues& other) const {
    return text(id) == other.text(id) && value(id) == other.value(id);
}

} // namespace korvex
