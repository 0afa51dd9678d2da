// SPDX-License-Identifier: GPL-3.0-or-later
#include "build_and_send.h"

#include "base/field_id.h"

namespace korvex {

BuildResult buildAndSend(const SettingsValues& settings, FrameSender& sender,
                         const std::optional<PortChoice>& port) {
    BuildResult result = BuildConfigBlock(settings);
    if (result.ok())
        sender.start(result.block,
                     port.value_or(PortChoice::fromField(settings.text(FieldId::portNumber))));
    return result;
}

} // namespace korvex
