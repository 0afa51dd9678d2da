// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings_record.h"

namespace korvex {

// Writes the factory value into every field, in the fixed order.
void SetDefaults(SettingsRecord& settings);

} // namespace korvex
