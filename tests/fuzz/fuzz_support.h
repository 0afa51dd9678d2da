// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/config_block.h"
#include "settings/config_block_builder.h"
#include "settings/settings_values.h"

#include <cstdlib>
#include <optional>

namespace korvex::fuzzing {

// A negative SSID ("A--3") is stored as a byte below 48 and written back
// without its suffix, so a second SEND stores 48 there instead. That is the
// encoder's documented behaviour, not a finding: such inputs are left out of
// the repeat-SEND check.
inline bool hasNegativeSsid(const ConfigBlock& b) {
    using namespace block;
    const bool twoAddresses = b[kPathSecond] != 0;
    for (const int call : {kUnprotoCall, kMyCall, kPathFirst, kPathSecond, kDestCall}) {
        if (call == kPathSecond && !twoAddresses)
            continue;
        if (b[static_cast<std::size_t>(call + kCallLength)] < 48)
            return true;
    }
    return false;
}

// Builds the settings; when that succeeds, what the build wrote back must
// send the same bytes again and survive its own write-backs. Aborts (a
// finding) when it does not; nothing when the first build is refused.
inline std::optional<BuildResult> buildAndCheckResend(const SettingsValues& settings) {
    const BuildResult first = BuildConfigBlock(settings);
    if (!first.ok())
        return std::nullopt;
    if (hasNegativeSsid(first.block))
        return first;
    const BuildResult second = BuildConfigBlock(first.settings);
    if (!second.ok() || second.block != first.block || !(second.settings == first.settings))
        std::abort();
    return first;
}

} // namespace korvex::fuzzing
