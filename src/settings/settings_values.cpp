// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_values.h"

#include "factory_defaults.h"
#include "field_table.h"

namespace korvex {

SettingsValues::SettingsValues() {
    SetDefaults(*this);
}

QString SettingsValues::text(FieldId id) const {
    return texts_[fieldIndex(id)];
}

int SettingsValues::value(FieldId id) const {
    return values_[fieldIndex(id)];
}

bool SettingsValues::operator==(const SettingsValues& other) const {
    return texts_ == other.texts_ && values_ == other.values_;
}

void SettingsValues::storeText(FieldId id, const QString& text) {
    texts_[fieldIndex(id)] = text;
}

void SettingsValues::storeValue(FieldId id, int value) {
    values_[fieldIndex(id)] = value;
}

void copySettings(const SettingsRecord& from, SettingsRecord& to) {
    for (const FieldInfo& info : fieldTable()) {
        const Outcome copied = holdsText(info.id) ? to.setText(info.id, from.text(info.id))
                                                  : to.setValue(info.id, from.value(info.id));
        Q_ASSERT(copied.ok());
        static_cast<void>(copied);
    }
}

} // namespace korvex
