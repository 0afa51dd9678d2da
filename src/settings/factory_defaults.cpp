// SPDX-License-Identifier: GPL-3.0-or-later
#include "factory_defaults.h"

namespace korvex {

void SetDefaults(SettingsRecord& s) {
    s.setText(FieldId::edComm, QStringLiteral("1"));
    s.setText(FieldId::edNumFlagsAuto, QStringLiteral("200"));
    s.setText(FieldId::edMsgRepeat, QStringLiteral("006"));
    s.setValue(FieldId::cbMicEMsg, 0);
    s.setText(FieldId::edSymbol, QStringLiteral(">"));
    s.setValue(FieldId::chkTable, 0);
    s.setValue(FieldId::chkRxPosition, 0);
    s.setText(FieldId::esSpeedTable0, QStringLiteral("0480"));
    s.setText(FieldId::esSpeedTable1, QStringLiteral("0240"));
    s.setText(FieldId::esSpeedTable2, QStringLiteral("180"));
    s.setText(FieldId::esSpeedTable3, QStringLiteral("120"));
    s.setText(FieldId::esSpeedTable4, QStringLiteral("090"));
    s.setText(FieldId::esSpeedTable5, QStringLiteral("060"));
    s.setText(FieldId::esSpeedTable6, QStringLiteral("040"));
    s.setText(FieldId::edManualTime, QStringLiteral("0120"));
    s.setText(FieldId::edBcnEvery, QStringLiteral("003"));
    s.setText(FieldId::edGpsCheckTime, QStringLiteral("100"));
    s.setText(FieldId::edGpsAcqTime, QStringLiteral("025"));
    s.setText(FieldId::edReceiver, QStringLiteral("KVXTRK"));
    s.setText(FieldId::edMyCall, QStringLiteral("NOCALL-9"));
    s.setText(FieldId::edAprsPath, QStringLiteral("WIDE1-1,WIDE2-2"));
    s.setText(FieldId::edBeacon, QStringLiteral("Korvex v2.1 - by QZ9KRV Qel "));
    s.setText(FieldId::edDestCall, QStringLiteral("NOCALL"));
    s.setText(FieldId::edAprsMsg, QStringLiteral("MESSAGE SENT USING KORVEX V2.1 !"));
}

} // namespace korvex
