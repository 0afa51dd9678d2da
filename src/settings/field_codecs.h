// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"
#include "config_block.h"

#include <QString>
#include <cstdint>

namespace korvex {

// Writes text, one byte a character, then a 0. On return `position` is the
// index of that 0 (also when the 0 itself did not fit). Bytes written before a
// failure stay written. A fault's reason starts with what went wrong:
// "subscript out of range" (past the block) or "overflow" (no byte holds it).
Outcome AppendText(ConfigBlock& block, std::int16_t& position, const QString& text);

// Writes a 7-byte call-sign field (6 characters padded or cut, SSID byte),
// optionally followed by a 0. On return `position` is the index of the SSID
// byte. The value is the normalised call sign, to be written back into its field.
Result<QString> AppendCallsign(ConfigBlock& block, std::int16_t& position, const QString& text,
                               bool terminate);

// The decoding side: what the window shows for the bytes the encoders above
// and the builder write. Both directions share these, so a value sent and a
// value read back agree by construction.

struct DecodedCallsign {
    QString text;             // e.g. "NOCALL-9"; no SSID suffix for SSID 0
    bool ssidInRange = false; // the SSID byte is "0" to "?" (48 to 63)
};
DecodedCallsign readCallsign(const ConfigBlock& block, int offset);

struct DecodedText {
    QString text;
    bool terminated = false; // a 0 ended it before `end`
};
// A text runs to its 0; one that reaches `end` without it is cut there.
DecodedText readText(const ConfigBlock& block, int offset, int end);

// The TX delay in milliseconds, three digits, for a flag count.
QString txDelayText(int flags);
// An interval byte (tens of seconds) as seconds with `width` digits.
QString tensOfSecondsText(int ticks, int width);
// The status interval packed with the received-positions switch, as its field shows it.
QString statusEveryText(long long packed);

// Leading and trailing blanks removed; a tab is a character like any other.
QString trimBlanks(const QString& text);

} // namespace korvex
