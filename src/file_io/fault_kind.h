// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korvex {

// What kind of failure a file's fault is, where callers answer kinds
// differently: a file that never opened, one that failed halfway, one larger
// than the reader would take. Carried by Fault (base/outcome.h).
enum class FaultKind : int { CannotOpen, CannotRead, BeyondLimit };

} // namespace korvex
