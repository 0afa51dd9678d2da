#pragma once

#include "field_id.h"

#include <QString>

namespace korvex {

// What a field makes of a value written into it by anything other than the
// user's keys (defaults, the builder's write-back, a loaded file, --set).
struct Acceptance {
    bool accepted = false;
    QString value;  // the text as the field holds it (padded, "_" for an empty symbol)
    QString reason; // why it was refused

    explicit operator bool() const { return accepted; }
};

Acceptance acceptText(FieldId id, const QString& text);

// ListChoice and Flag fields. The reason is empty when the value is accepted.
QString refuseValue(FieldId id, int value);

} // namespace korvex
