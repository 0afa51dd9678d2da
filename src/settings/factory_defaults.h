#pragma once

#include "settings_record.h"

namespace korvex {

// Writes the factory value into every field, in the fixed order.
void SetDefaults(SettingsRecord& settings);

} // namespace korvex
