// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "base/outcome.h"

#include <QString>
#include <array>

namespace korvex {

// Every setting as one plain value: what the window shows, what the CLI
// edits, what a build reads and a .cfg file holds. A fresh value holds the
// factory settings. Every change passes the field table's acceptance rules,
// whoever makes it (a loaded file, --set, a build's write-back).
class SettingsValues {
public:
    SettingsValues();

    // Text of a text, numeric or symbol field.
    QString text(FieldId id) const { return texts_[fieldIndex(id)]; }
    // Mic-E index (-1..7) or flag state.
    int value(FieldId id) const { return values_[fieldIndex(id)]; }

    // A refusal names the field and why; the field keeps its value.
    Outcome setText(FieldId id, const QString& text);
    Outcome setValue(FieldId id, int value);

    // Whether the setting holds the same in both.
    bool sameAt(FieldId id, const SettingsValues& other) const;
    bool operator==(const SettingsValues& other) const = default;

private:
    std::array<QString, kFieldCount> texts_;
    std::array<int, kFieldCount> values_{};
};

} // namespace korvex
