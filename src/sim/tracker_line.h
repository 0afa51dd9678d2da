// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

// The line as the tracker knows it, written down from the tracker's side.
// Nothing here comes from transfer/: a simulator that checked with the
// sender's own constants and checksum would agree with any fault in them.
namespace korvex::tracker {

// Each frame is announced by these two bytes.
inline constexpr std::array<std::uint8_t, 2> kPreamble{0xFF, 0xFF};
// A frame: half of the 116-byte block, then one checksum byte.
inline constexpr int kFrameDataBytes = 116 / 2;
inline constexpr int kFrameBytes = kFrameDataBytes + 1;

// From the first byte of preamble 1 to the first of preamble 2. The sender
// waits 400 ms before each preamble and 10 ms between a preamble and its
// frame; a loaded computer moves a write by tens of ms, a gap off by more than
// the tolerance is a fault of the sender's timeline.
inline constexpr double kPreambleGapMs = 410;
inline constexpr double kPreambleGapToleranceMs = 100;

// The tracker adds up every byte of a frame as it comes off the line, its
// preamble included: the low byte of that sum is what the checksum byte must
// be (255 + 255 is 254 modulo 256, so this is the sender's "254 plus the data",
// reached the other way round).
inline std::uint8_t lineSum(std::span<const std::uint8_t> bytes) {
    std::uint8_t sum = 0;
    for (const std::uint8_t byte : bytes)
        sum = static_cast<std::uint8_t>(sum + byte);
    return sum;
}

} // namespace korvex::tracker
