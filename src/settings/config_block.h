#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvex {

inline constexpr std::size_t kBlockSize = 116;
using ConfigBlock = std::array<std::uint8_t, kBlockSize>;

// Where each setting lives in the block the tracker receives.
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

inline constexpr std::uint8_t kPrimaryTable = 47;   // "/"
inline constexpr std::uint8_t kAlternateTable = 92; // "\"
inline constexpr std::uint8_t kGpslessCheck = 252;
inline constexpr std::uint8_t kRxPositionOffBit = 128;

struct Region {
    int offset;
    int length;
    const char* what;
};

// The layout, for dumps and decoders.
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
    {kUnprotoCall, 7, "unproto call"},
    {kMyCall, 7, "my call"},
    {kPathFirst, 7, "path 1"},
    {kPathSecond, 8, "path 2 / end"},
    {kStatusText, 31, "status text"},
    {kDestCall, 7, "message to"},
    {kMessageText, 33, "message text"},
}};
} // namespace block

} // namespace korvex
