// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame_sender.h"
#include "settings/config_block_builder.h"
#include "settings/settings_record.h"

namespace korvex {

// The one road from settings to line: build the block (with its write-backs)
// and, when it is complete, start the transfer to the port the settings name.
BuildResult buildAndSend(SettingsRecord& settings, FrameSender& sender);

} // namespace korvex
