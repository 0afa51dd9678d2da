// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/twips.h"

#include <algorithm>

namespace korvex::rtf {

// Lengths beyond a sheet of paper are clamped to one: a writer's page is never
// wider, and a huge one would cost the layout its time.
constexpr int kMaxTwips = 31680; // 22 inches

// A document's pixels are 96 to the inch, whatever the screen.
constexpr double kTwipsPerPixel = kTwipsPerInch / 96;

inline int clampTwips(int v) {
    return std::clamp(v, -kMaxTwips, kMaxTwips);
}

} // namespace korvex::rtf
