// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings_values.h"

namespace korvex {

// Puts the factory value into every field.
void SetDefaults(SettingsValues& settings);

// A field's factory text (empty for a list choice or a flag) and value (0
// for a text).
QString factoryText(FieldId id);
int factoryValue(FieldId id);

} // namespace korvex
