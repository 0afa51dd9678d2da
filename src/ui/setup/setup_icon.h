// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace korvex {

// The Setup window's icon: the program's artwork, built in at 16, 32 and 48
// pixels.
QIcon setupWindowIcon();

} // namespace korvex
