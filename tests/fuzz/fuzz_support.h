#pragma once

#include "settings/config_block.h"

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

} // namespace korvex::fuzzing
