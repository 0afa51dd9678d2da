// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "base/outcome.h"
#include "settings_values.h"

#include <QList>
#include <QString>

namespace korvex {

// A text given for a field as a person types it (korvex-cli --set): each
// character goes through the field's key rule as the window's keys do, so
// letters are upper-cased where the window upper-cases them. A character the
// keys would discard is refused, naming it and the field, never dropped.
// The result still has to pass the field's acceptance (length, digits).
Result<QString> typeIntoField(FieldId id, const QString& text);

// A value a field holds that its keys could not have typed: lower case where
// the rule upper-cases, or a character the rule discards. Values read from a
// file keep such text; the command line tells the person about it.
struct TypingWarning {
    FieldId field;
    QString message; // names the field, the character and what typing does to it
};

// One warning per field whose text typing could not have produced.
QList<TypingWarning> typingWarnings(const SettingsValues& settings);

} // namespace korvex
