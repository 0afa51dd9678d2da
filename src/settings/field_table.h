// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "key_rules.h"

#include <QString>
#include <array>
#include <optional>

namespace korvex {

enum class FieldKind {
    Text,       // free text with a length limit
    Numeric,    // digit mask; unfilled positions hold the prompt character
    Symbol,     // exactly one character; "_" when empty
    ListChoice, // the Mic-E list: index -1 to 7
    Flag,       // check box state
};

inline constexpr QChar kPromptChar = u'_';

// The digits of "Comm num:". On Windows the number is the COM port's own, and
// USB adapters often get numbers above 9 there; elsewhere it counts the
// listed ports, and one digit has always been enough.
#ifdef _WIN32
inline constexpr int kPortNumberDigits = 2;
#else
inline constexpr int kPortNumberDigits = 1;
#endif

struct FieldInfo {
    FieldId id;
    const char*
        objectName;  // the window's control; tests and the seed name it, e.g. "esSpeedTable(3)"
    const char* key; // the short name korvex-cli uses, e.g. "speed3"
    FieldKind kind;
    int limit;    // mask positions or maximum text length; for values: unused
    int minValue; // ListChoice / Flag: accepted range
    int maxValue;
    KeyRule keyRule;
    // The texts below are English; fieldText() gives them in the user's language.
    const char* caption; // the label beside it (or the check box caption)
    const char* unit;    // the label on its right, if any
    const char* toolTip;
    // What sets the field apart from another with the same caption (the
    // frame or heading it stands under), or null when the caption is unique.
    const char* captionContext;
};

const std::array<FieldInfo, kFieldCount>& fieldTable();
// One of a field's texts (caption, unit, tooltip, context) as the user reads
// it; empty for an empty or absent text.
QString fieldText(const char* text);
const FieldInfo& fieldInfo(FieldId id);

// The one name of a setting, for people: its caption as the window shows it,
// without a closing colon, and where two captions are the same what tells them
// apart ("Manual Timing: Every"). Screen readers and messages both use it.
QString displayName(FieldId id);

// How messages name a setting: its display name and the key korvex-cli takes,
// e.g. "MY CALLSIGN" (mycall).
QString describeField(FieldId id);

std::optional<FieldId> fieldByKey(const QString& key);
std::optional<FieldId> fieldByName(const QString& name);

inline bool holdsText(FieldId id) {
    const FieldKind kind = fieldInfo(id).kind;
    return kind == FieldKind::Text || kind == FieldKind::Numeric || kind == FieldKind::Symbol;
}

// The eight Mic-E status messages, in list order.
const std::array<const char*, 8>& micEMessages();

} // namespace korvex
