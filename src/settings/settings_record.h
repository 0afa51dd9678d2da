// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "base/outcome.h"

#include <QString>

namespace korvex {

// Reads and writes settings by field. Every write goes through the same
// acceptance rules, whatever stores the values (a plain value, or the widgets
// of the Setup window), so both front ends load and build alike.
class SettingsRecord {
public:
    virtual ~SettingsRecord() = default;

    // Text of a text, numeric or symbol field.
    virtual QString text(FieldId id) const = 0;
    // Mic-E index (-1..7) or flag state.
    virtual int value(FieldId id) const = 0;

    // A refusal names the field and why; the field keeps its value. A text
    // equal to the one held is not stored again.
    Outcome setText(FieldId id, const QString& text);
    Outcome setValue(FieldId id, int value);

protected:
    SettingsRecord() = default;
    SettingsRecord(const SettingsRecord&) = default;
    SettingsRecord& operator=(const SettingsRecord&) = default;

    // Called with values that the field table has already accepted; storeText
    // only with a text that differs from the one held.
    virtual void storeText(FieldId id, const QString& text) = 0;
    virtual void storeValue(FieldId id, int value) = 0;
};

} // namespace korvex
