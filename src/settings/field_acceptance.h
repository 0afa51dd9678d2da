// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "base/outcome.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace korvex {

// What a field makes of a value written into it by anything other than the
// user's keys (defaults, the builder's write-back, a loaded file, --set): the
// text as the field holds it (padded, "_" for an empty symbol), or why it
// refuses it.
Result<QString> acceptText(FieldId id, const QString& text);

// The first character of text that no setting may hold: a C0 control or DEL.
// On the air a NUL would end the text early, and in a .cfg file a line break
// would split the line its item stands on.
std::optional<QChar> firstControlCharacter(QStringView text);

// One character as a message names it, e.g. "\x1B" (U+001B).
QString describeCharacter(QChar ch);

// ListChoice and Flag fields.
Outcome acceptValue(FieldId id, int value);

} // namespace korvex
