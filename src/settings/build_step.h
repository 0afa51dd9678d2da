// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korvex {

// The steps of a build in their fixed order. The numbers are the ones a fault
// reports (korvex-cli prints them and puts them in its JSON), so they never
// change; the symbol table (6) cannot fail.
enum class BuildStep : int {
    TxDelay = 2,
    MessageRetries = 3,
    MicEMessage = 4,
    Symbol = 5,
    SymbolTable = 6,
    GpsInterval = 7,
    SlowSpeedBands = 8, // the two slowest bands, four digits each
    FastSpeedBands = 9,
    ManualInterval = 10,
    GpsTimeout = 11,
    StatusInterval = 12,
    UnprotoCall = 13,
    OwnCall = 14,
    Path = 15,
    StatusText = 16,
    MessageRecipient = 17,
    MessageText = 18,
    RequiredCalls = 19,
};

constexpr int stepNumber(BuildStep step) {
    return static_cast<int>(step);
}

} // namespace korvex
