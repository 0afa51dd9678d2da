// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings_record.h"

#include <array>

namespace korvex {

// The settings as a plain value: what the CLI and the tests work on. A fresh
// value holds the factory settings.
class SettingsValues final : public SettingsRecord {
public:
    SettingsValues();
    SettingsValues(const SettingsValues&) = default;
    SettingsValues& operator=(const SettingsValues&) = default;

    QString text(FieldId id) const override;
    int value(FieldId id) const override;

    bool operator==(const SettingsValues& other) const;

protected:
    void storeText(FieldId id, const QString& text) override;
    void storeValue(FieldId id, int value) override;

private:
    std::array<QString, kFieldCount> texts_;
    std::array<int, kFieldCount> values_{};
};

// Copies every setting from one record to another (they share the rules, so
// nothing is refused).
void copySettings(const SettingsRecord& from, SettingsRecord& to);

} // namespace korvex
