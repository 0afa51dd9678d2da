// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/config_block.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <span>

namespace korvex {

inline constexpr std::size_t kFrameDataSize = 58;
inline constexpr std::size_t kFrameSize = kFrameDataSize + 1;
inline constexpr std::size_t kLineStreamSize = 2 * (2 + kFrameSize); // 122

using TransferFrame = std::array<std::uint8_t, kFrameSize>;

inline constexpr std::array<std::uint8_t, 2> kFramePreamble{255, 255};

// (254 + sum of the 58 data bytes) modulo 256: the same as the modulo-256 sum
// of everything on the line before it, preamble included.
std::uint8_t frameChecksum(std::span<const std::uint8_t, kFrameDataSize> data);

// Frame 1 carries block bytes 0..57, frame 2 bytes 58..115, each closed by its checksum.
std::array<TransferFrame, 2> makeFrames(const ConfigBlock& block);

// The four writes of one transfer, in order: preamble, frame 1, preamble, frame 2.
std::array<QByteArray, 4> lineWrites(const ConfigBlock& block);

// All 122 bytes of one transfer, as the tracker sees them.
QByteArray lineStream(const ConfigBlock& block);

} // namespace korvex
