// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvex {

inline constexpr std::size_t kBlockSize = 116;
using ConfigBlock = std::array<std::uint8_t, kBlockSize>;

// Where each setting lives in the block the tracker receives, and the
// constants both its encoding (the builder) and its decoding (the tracker's
// reading, block_decoder) rely on.
namespace block {
inline constexpr int kTxDelayFlags = 0;
inline constexpr int kMsgRetries = 1;
inline constexpr int kMicEIndex = 2;
inline constexpr int kSymbol = 3;
inline constexpr int kSymbolTable = 4;
inline constexpr int kGpsCheckTens = 5;
inline constexpr int kSpeedTableTens = 6; // seven bytes, one per speed band
inline constexpr int kManualTens = 13;
inline constexpr int kGpsTimeout = 14;
inline constexpr int kStatusEveryAndRxOff = 15;
inline constexpr int kUnprotoCall = 16;
inline constexpr int kMyCall = 23;
inline constexpr int kPathFirst = 30;
inline constexpr int kPathSecond = 37;
inline constexpr int kStatusText = 45;
inline constexpr int kDestCall = 76;
inline constexpr int kMessageText = 83;

inline constexpr int kCallsignFieldLength = 7;
inline constexpr int kCallLength = 6;

// The tracker counts its TX delay in flags; the window shows milliseconds.
inline constexpr double kFlagsPerMs = 0.15;
// Times of the interval bytes are tens of seconds.
inline constexpr int kSecondsPerTick = 10;

inline constexpr std::uint8_t kPrimaryTable = 47;   // "/"
inline constexpr std::uint8_t kAlternateTable = 92; // "\"
inline constexpr std::uint8_t kGpslessCheck = 252;

// Byte 15: the status interval in the low seven bits, the received-positions
// switch ("off") in the top one.
inline constexpr int kStatusEveryMax = 127;
inline constexpr std::uint8_t kRxPositionOffBit = 128;

constexpr long long packStatusEvery(long long every, int rxPositionOff) {
    return every + static_cast<long long>(kRxPositionOffBit) * rxPositionOff;
}
constexpr int statusEveryOf(long long packed) {
    return static_cast<int>(packed & kStatusEveryMax);
}
constexpr int rxPositionOffOf(long long packed) {
    return (packed & kRxPositionOffBit) != 0 ? 1 : 0;
}

// The SSID byte of a call-sign field: "0" plus the SSID, 0 to 15.
inline constexpr int kSsidZero = 48;
inline constexpr int kSsidMax = 63;

struct Region {
    int offset;
    int length;
    const char* what;
};

// The whole block, region by region, in order.
inline constexpr std::array<Region, 17> kLayout{{
    {kTxDelayFlags, 1, "TX delay (flags)"},
    {kMsgRetries, 1, "message retries"},
    {kMicEIndex, 1, "Mic-E message"},
    {kSymbol, 1, "symbol"},
    {kSymbolTable, 1, "symbol table"},
    {kGpsCheckTens, 1, "GPS interval (10 s)"},
    {kSpeedTableTens, 7, "speed bands (10 s)"},
    {kManualTens, 1, "manual interval (10 s)"},
    {kGpsTimeout, 1, "GPS timeout (100 ms)"},
    {kStatusEveryAndRxOff, 1, "status every / rx off"},
    {kUnprotoCall, kCallsignFieldLength, "unproto call"},
    {kMyCall, kCallsignFieldLength, "my call"},
    {kPathFirst, kCallsignFieldLength, "path 1"},
    {kPathSecond, kCallsignFieldLength + 1, "path 2 / end"},
    {kStatusText, kDestCall - kStatusText, "status text"},
    {kDestCall, kCallsignFieldLength, "message to"},
    {kMessageText, static_cast<int>(kBlockSize) - kMessageText, "message text"},
}};

// Every byte belongs to exactly one region: no offset above overlaps another
// or leaves a gap.
constexpr bool coversEachByteOnce(const std::array<Region, kLayout.size()>& layout) {
    std::array<int, kBlockSize> owners{};
    for (const Region& region : layout) {
        if (region.length <= 0 || region.offset < 0 ||
            region.offset + region.length > static_cast<int>(kBlockSize)) {
            return false;
        }
        for (int i = region.offset; i < region.offset + region.length; ++i) {
            ++owners[static_cast<std::size_t>(i)];
        }
    }
    for (const int count : owners) {
        if (count != 1) {
            return false;
        }
    }
    return true;
}
static_assert(coversEachByteOnce(kLayout), "the block layout must cover all 116 bytes once");
} // namespace block

} // namespace korvex
