// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"

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
    {FieldId::portNumber, ItemKind::Text, false, false},
    {FieldId::txDelay, ItemKind::Text, false, false},
    {FieldId::messageRetries, ItemKind::Text, false, false},
    {FieldId::micEMessage, ItemKind::Value, false, false},
    {FieldId::symbol, ItemKind::Text, false, false},
    {FieldId::alternateTable, ItemKind::Value, true, true},
    {FieldId::speedBand0, ItemKind::Text, true, false},
    {FieldId::speedBand1, ItemKind::Text, true, false},
    {FieldId::speedBand2, ItemKind::Text, true, false},
    {FieldId::speedBand3, ItemKind::Text, true, false},
    {FieldId::speedBand4, ItemKind::Text, true, false},
    {FieldId::speedBand5, ItemKind::Text, true, false},
    {FieldId::speedBand6, ItemKind::Text, true, true},
    {FieldId::manualInterval, ItemKind::Text, false, false},
    {FieldId::statusInterval, ItemKind::StatusEvery, false, false},
    {FieldId::gpsTimeout, ItemKind::Text, false, false},
    {FieldId::unprotoCall, ItemKind::Text, false, false},
    {FieldId::myCall, ItemKind::Text, false, false},
    {FieldId::aprsPath, ItemKind::Text, false, false},
    {FieldId::statusText, ItemKind::Text, false, false},
    {FieldId::messageRecipient, ItemKind::Text, false, false},
    {FieldId::messageText, ItemKind::Text, true, true},
}};

} // namespace korvex
