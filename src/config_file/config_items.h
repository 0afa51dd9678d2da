// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/field_id.h"

#include <array>

namespace korvex {

// How a .cfg item stands in the file.
enum class ItemKind {
    Text,        // the field's text between double quotes
    Value,       // a Mic-E index or a switch, as a bare number
    StatusEvery, // the status interval packed with the received-positions switch, bare
};

struct ConfigItem {
    FieldId field; // for StatusEvery: the status interval's field
    ItemKind kind;
    bool endsLine;
    // A load reads every item of a step before it assigns any of them.
    bool endsLoadStep;
};

// The 22 items in file order; item n is entry n - 1. The writer and the reader
// both walk this table.
inline constexpr std::array<ConfigItem, 22> kConfigItems{{
    {FieldId::edComm, ItemKind::Text, false, false},
    {FieldId::edNumFlagsAuto, ItemKind::Text, false, false},
    {FieldId::edMsgRepeat, ItemKind::Text, false, false},
    {FieldId::cbMicEMsg, ItemKind::Value, false, false},
    {FieldId::edSymbol, ItemKind::Text, false, false},
    {FieldId::chkTable, ItemKind::Value, true, true},
    {FieldId::esSpeedTable0, ItemKind::Text, true, false},
    {FieldId::esSpeedTable1, ItemKind::Text, true, false},
    {FieldId::esSpeedTable2, ItemKind::Text, true, false},
    {FieldId::esSpeedTable3, ItemKind::Text, true, false},
    {FieldId::esSpeedTable4, ItemKind::Text, true, false},
    {FieldId::esSpeedTable5, ItemKind::Text, true, false},
    {FieldId::esSpeedTable6, ItemKind::Text, true, true},
    {FieldId::edManualTime, ItemKind::Text, false, false},
    {FieldId::edBcnEvery, ItemKind::StatusEvery, false, false},
    {FieldId::edGpsAcqTime, ItemKind::Text, false, false},
    {FieldId::edReceiver, ItemKind::Text, false, false},
    {FieldId::edMyCall, ItemKind::Text, false, false},
    {FieldId::edAprsPath, ItemKind::Text, false, false},
    {FieldId::edBeacon, ItemKind::Text, false, false},
    {FieldId::edDestCall, ItemKind::Text, false, false},
    {FieldId::edAprsMsg, ItemKind::Text, true, true},
}};

} // namespace korvex
