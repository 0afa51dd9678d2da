// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace korvex {

// Every setting of the tracker record, plus the port number. The order is the
// order in which the factory defaults are written.
enum class FieldId {
    portNumber,
    txDelay,
    messageRetries,
    micEMessage,
    symbol,
    alternateTable,
    receivedPositionsOff,
    speedBand0,
    speedBand1,
    speedBand2,
    speedBand3,
    speedBand4,
    speedBand5,
    speedBand6,
    manualInterval,
    statusInterval,
    gpsInterval,
    gpsTimeout,
    unprotoCall,
    myCall,
    aprsPath,
    statusText,
    messageRecipient,
    messageText,
};

inline constexpr std::size_t kFieldCount = 24;
inline constexpr int kSpeedBandCount = 7;

constexpr FieldId speedBandField(int index) {
    return static_cast<FieldId>(static_cast<int>(FieldId::speedBand0) + index);
}

constexpr std::size_t fieldIndex(FieldId id) {
    return static_cast<std::size_t>(id);
}

} // namespace korvex
