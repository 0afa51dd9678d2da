// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame_sender.h"
#include "port_choice.h"
#include "settings/config_block_builder.h"

#include <optional>

namespace korvex {

// The one road from settings to line: build the block and, when it is
// complete, start the transfer to the chosen port, by default the one the
// settings' "Comm num:" names. The result carries the write-backs for the
// caller to show.
BuildResult buildAndSend(const SettingsValues& settings, FrameSender& sender,
                         const std::optional<PortChoice>& port = std::nullopt);

} // namespace korvex
