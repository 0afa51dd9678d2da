// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame_sender.h"
#include "settings/config_block_builder.h"

namespace korvex {

// The one road from settings to line: build the block and, when it is
// complete, start the transfer to the port the settings name. The result
// carries the write-backs for the caller to show.
BuildResult buildAndSend(const SettingsValues& settings, FrameSender& sender);

} // namespace korvex
