#pragma once

#include "build_step.h"
#include "config_block.h"
#include "field_id.h"
#include "settings_record.h"

#include <QString>
#include <optional>

namespace korvex {

// What SEND says when the build stops, in the window's box and on the CLI.
inline constexpr const char* kBuildFaultMessage = "Parametri incompleti o non corretti";

// A build's fault always has its step and its field (the window focuses that
// field), so neither is optional here as it is in a Fault.
struct BuildFault {
    BuildStep step; // the step of the build that failed
    FieldId field;
    QString reason;
};

struct BuildResult {
    bool ok = false;
    ConfigBlock block{};         // as the build left it (a fault keeps the earlier steps' bytes)
    std::optional<bool> gpsless; // set once the build reached the GPS timeout step
    std::optional<BuildFault> fault;
};

// Checks and clamps every setting, writes the values it will send back into the
// record, and encodes the block the tracker receives.
BuildResult BuildConfigBlock(SettingsRecord& settings);

// Where and why the build stopped, for a person: the step, the field's
// caption and --set key, and the reason.
QString describeBuildFault(const BuildFault& fault);

} // namespace korvex
