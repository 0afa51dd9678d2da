#pragma once

#include <QIcon>

namespace korvex {

// The Setup window's icon: the program's own artwork when it was built in,
// else the tracker with its antenna and display drawn here, in 32 x 32 and
// 16 x 16 pixels.
QIcon setupWindowIcon();

} // namespace korvex
