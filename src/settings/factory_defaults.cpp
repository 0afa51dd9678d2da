// SPDX-License-Identifier: GPL-3.0-or-later
#include "factory_defaults.h"

#include <iterator>

namespace korvex {
namespace {

struct FactoryValue {
    FieldId field;
    const char* text; // null for a list choice or a flag
    int value;
};

// In field order. Each is held as it stands: the factory test checks that every one is
// what its field would make of it.
constexpr FactoryValue kFactoryValues[] = {
    {FieldId::portNumber, "1", 0},
    {FieldId::txDelay, "200", 0},
    {FieldId::messageRetries, "006", 0},
    {FieldId::micEMessage, nullptr, 0},
    {FieldId::symbol, ">", 0},
    {FieldId::alternateTable, nullptr, 0},
    {FieldId::receivedPositionsOff, nullptr, 0},
    {FieldId::speedBand0, "0480", 0},
    {FieldId::speedBand1, "0240", 0},
    {FieldId::speedBand2, "180", 0},
    {FieldId::speedBand3, "120", 0},
    {FieldId::speedBand4, "090", 0},
    {FieldId::speedBand5, "060", 0},
    {FieldId::speedBand6, "040", 0},
    {FieldId::manualInterval, "0120", 0},
    {FieldId::statusInterval, "003", 0},
    {FieldId::gpsInterval, "100", 0},
    {FieldId::gpsTimeout, "025", 0},
    {FieldId::unprotoCall, "KVXTRK", 0},
    {FieldId::myCall, "NOCALL-9", 0},
    {FieldId::aprsPath, "WIDE1-1,WIDE2-2", 0},
    {FieldId::statusText, "Korvex v2.1 - by QZ9KRV Qel ", 0},
    {FieldId::messageRecipient, "NOCALL", 0},
    {FieldId::messageText, "MESSAGE SENT USING KORVEX V2.1 !", 0},
};
static_assert(std::size(kFactoryValues) == kFieldCount);

constexpr bool tableFollowsFieldOrder() {
    for (std::size_t i = 0; i < std::size(kFactoryValues); ++i) {
        if (fieldIndex(kFactoryValues[i].field) != i)
            return false;
    }
    return true;
}
static_assert(tableFollowsFieldOrder());

} // namespace

QString factoryText(FieldId id) {
    const char* text = kFactoryValues[fieldIndex(id)].text;
    return text != nullptr ? QString::fromLatin1(text) : QString();
}

int factoryValue(FieldId id) {
    return kFactoryValues[fieldIndex(id)].value;
}

void SetDefaults(SettingsValues& settings) {
    settings = SettingsValues();
}

} // namespace korvex
