// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "config_block.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace korvex {

// What a tracker makes of a configuration block: every setting as the Setup
// window shows it after SEND (numbers with their leading zeros, call signs
// with their SSID), so a decoded block can be compared with what was sent.
struct DecodedBlock {
    // Text, numeric and symbol fields; empty for a field the block does not
    // carry (the port number, and the GPS interval in GPSless mode).
    std::array<std::optional<QString>, kFieldCount> texts;
    // The Mic-E index and the two switches.
    std::array<std::optional<int>, kFieldCount> values;
    bool gpsless = false;
    // Bytes that no build of the block would produce (a value out of its
    // range, a text without its 0). The decoder still reads what it can.
    QStringList anomalies;

    bool carries(FieldId id) const {
        return texts[fieldIndex(id)].has_value() || values[fieldIndex(id)].has_value();
    }
};

DecodedBlock decodeConfigBlock(const ConfigBlock& block);

} // namespace korvex
