// SPDX-License-Identifier: GPL-3.0-or-later
#include "factory_defaults.h"

namespace korvex {

void SetDefaults(SettingsRecord& s) {
    s.setText(FieldId::portNumber, QStringLiteral("1"));
    s.setText(FieldId::txDelay, QStringLiteral("200"));
    s.setText(FieldId::messageRetries, QStringLiteral("006"));
    s.setValue(FieldId::micEMessage, 0);
    s.setText(FieldId::symbol, QStringLiteral(">"));
    s.setValue(FieldId::alternateTable, 0);
    s.setValue(FieldId::receivedPositionsOff, 0);
    s.setText(FieldId::speedBand0, QStringLiteral("0480"));
    s.setText(FieldId::speedBand1, QStringLiteral("0240"));
    s.setText(FieldId::speedBand2, QStringLiteral("180"));
    s.setText(FieldId::speedBand3, QStringLiteral("120"));
    s.setText(FieldId::speedBand4, QStringLiteral("090"));
    s.setText(FieldId::speedBand5, QStringLiteral("060"));
    s.setText(FieldId::speedBand6, QStringLiteral("040"));
    s.setText(FieldId::manualInterval, QStringLiteral("0120"));
    s.setText(FieldId::statusInterval, QStringLiteral("003"));
    s.setText(FieldId::gpsInterval, QStringLiteral("100"));
    s.setText(FieldId::gpsTimeout, QStringLiteral("025"));
    s.setText(FieldId::unprotoCall, QStringLiteral("KVXTRK"));
    s.setText(FieldId::myCall, QStringLiteral("NOCALL-9"));
    s.setText(FieldId::aprsPath, QStringLiteral("WIDE1-1,WIDE2-2"));
    s.setText(FieldId::statusText, QStringLiteral("Korvex v2.1 - by QZ9KRV Qel "));
    s.setText(FieldId::messageRecipient, QStringLiteral("NOCALL"));
    s.setText(FieldId::messageText, QStringLiteral("MESSAGE SENT USING KORVEX V2.1 !"));
}

} // namespace korvex
