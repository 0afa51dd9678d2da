// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"

#include <QString>

namespace korvex {

// An outcome as a test message shows it: "ok", or the fault's reason.
inline QString outcomeText(const Outcome& outcome) {
    return outcome.ok() ? QStringLiteral("ok") : outcome.fault().reason;
}

template <typename T> QString outcomeText(const Result<T>& result) {
    return outcomeText(result.outcome());
}

} // namespace korvex
