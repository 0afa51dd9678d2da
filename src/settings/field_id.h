// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace korvex {

// Every setting of the tracker record, plus the port number. The order is the
// order in which the factory defaults are written.
enum class FieldId {
    edComm,
    edNumFlagsAuto,
    edMsgRepeat,
    cbMicEMsg,
    edSymbol,
    chkTable,
    chkRxPosition,
    esSpeedTable0,
    esSpeedTable1,
    esSpeedTable2,
    esSpeedTable3,
    esSpeedTable4,
    esSpeedTable5,
    esSpeedTable6,
    edManualTime,
    edBcnEvery,
    edGpsCheckTime,
    edGpsAcqTime,
    edReceiver,
    edMyCall,
    edAprsPath,
    edBeacon,
    edDestCall,
    edAprsMsg,
};

inline constexpr std::size_t kFieldCount = 24;
inline constexpr int kSpeedBandCount = 7;

constexpr FieldId speedTableField(int index) {
    return static_cast<FieldId>(static_cast<int>(FieldId::esSpeedTable0) + index);
}

constexpr std::size_t fieldIndex(FieldId id) {
    return static_cast<std::size_t>(id);
}

} // namespace korvex
