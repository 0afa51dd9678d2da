// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "base/outcome.h"
#include "build_step.h"
#include "config_block.h"
#include "settings_values.h"

#include <QString>
#include <optional>

namespace korvex {

// What SEND says when the build stops, in the window's box and on the CLI.
QString buildFaultMessage();

// A build's fault always names its step and its field (the window focuses that
// field).
struct BuildResult {
    Outcome outcome = Outcome::success();
    ConfigBlock block{}; // as the build left it (a fault keeps the earlier steps' bytes)
    // The settings with the values the build sends written back, as far as it
    // got: a write-back made before a fault is kept.
    SettingsValues settings;
    std::optional<bool> gpsless; // set once the build reached the GPS timeout step

    bool ok() const { return outcome.ok(); }
    // Only for a build that is not ok.
    const Fault& fault() const { return outcome.fault(); }
};

// Checks and clamps every setting and encodes the block the tracker receives;
// the result holds the settings as they read back what was sent.
BuildResult BuildConfigBlock(const SettingsValues& settings);

// Where and why the build stopped, for a person: the step, the field's
// caption and --set key, and the reason.
QString describeBuildFault(const Fault& fault);

} // namespace korvex
