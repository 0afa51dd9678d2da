// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace korvex::testing {

// Spins the event loop (deferred deletes included) until the condition holds
// or the time is up.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

} // namespace korvex::testing
