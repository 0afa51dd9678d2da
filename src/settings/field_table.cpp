// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_table.h"

#include <QCoreApplication>
#include <algorithm>

namespace korvex {
namespace {

using K = FieldKind;
using R = KeyRule;

// clang-format off
constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {FieldId::portNumber,         "edComm",          "comm",        K::Numeric,    kPortNumberDigits,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Comm num:"),            "",         "", nullptr},
    {FieldId::txDelay, "edNumFlagsAuto",  "txdelay",     K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "TX DELAY"),             QT_TRANSLATE_NOOP("Field", "mS"),       "", nullptr},
    {FieldId::messageRetries,    "edMsgRepeat",     "retries",     K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Msg Retries"),          "",         "", nullptr},
    {FieldId::micEMessage,      "cbMicEMsg",       "mice",        K::ListChoice, 0, -1, 7, R::None,     QT_TRANSLATE_NOOP("Field", "Mic-E msg"),            "",         "", nullptr},
    {FieldId::symbol,       "edSymbol",        "symbol",      K::Symbol,     1,  0, 0, R::Symbol,   QT_TRANSLATE_NOOP("Field", "ICON Symbol"),          "",         "", nullptr},
    {FieldId::alternateTable,       "chkTable",        "alttable",    K::Flag,       0,  0, 2, R::None,     QT_TRANSLATE_NOOP("Field", "Alternate Table"),      "",         "", nullptr},
    {FieldId::receivedPositionsOff,  "chkRxPosition",   "rxposoff",    K::Flag,       0,  0, 1, R::None,     QT_TRANSLATE_NOOP("Field", "Disable display position of received stations"), "", "", nullptr},
    {FieldId::speedBand0,  "esSpeedTable(0)", "speed0",      K::Numeric,    4,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Speed 0-3 Km/h"),       QT_TRANSLATE_NOOP("Field", "sec."),     "", nullptr},
    {FieldId::speedBand1,  "esSpeedTable(1)", "speed1",      K::Numeric,    4,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Speed 4-9 Km/h"),       QT_TRANSLATE_NOOP("Field", "sec."),     "", nullptr},
    {FieldId::speedBand2,  "esSpeedTable(2)", "speed2",      K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Speed 10-22 Km/h"),     QT_TRANSLATE_NOOP("Field", "sec."),     "", nullptr},
    {FieldId::speedBand3,  "esSpeedTable(3)", "speed3",      K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Speed 23-40 Km/h"),     QT_TRANSLATE_NOOP("Field", "sec."),     "", nullptr},
    {FieldId::speedBand4,  "esSpeedTable(4)", "speed4",      K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Speed 41-72 Km/h"),     QT_TRANSLATE_NOOP("Field", "sec."),     "", nullptr},
    {FieldId::speedBand5,  "esSpeedTable(5)", "speed5",      K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Speed 73-125 Km/h"),    QT_TRANSLATE_NOOP("Field", "sec."),     "", nullptr},
    {FieldId::speedBand6,  "esSpeedTable(6)", "speed6",      K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Speed > 125 Km/h"),     QT_TRANSLATE_NOOP("Field", "sec."),     "", nullptr},
    {FieldId::manualInterval,   "edManualTime",    "manual",      K::Numeric,    4,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Every"),                QT_TRANSLATE_NOOP("Field", "sec."),     "", QT_TRANSLATE_NOOP("Field", "Manual Timing")},
    {FieldId::statusInterval,     "edBcnEvery",      "statusevery", K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Status txt every"),     QT_TRANSLATE_NOOP("Field", "tx"),       "", nullptr},
    {FieldId::gpsInterval, "edGpsCheckTime",  "gpsinterval", K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Every"),                QT_TRANSLATE_NOOP("Field", "sec."),     "", QT_TRANSLATE_NOOP("Field", "GPS acquisition interval")},
    {FieldId::gpsTimeout,   "edGpsAcqTime",    "gpstimeout",  K::Numeric,    3,  0, 0, R::Digits,   QT_TRANSLATE_NOOP("Field", "Acquisition timeout"),  QT_TRANSLATE_NOOP("Field", "x 100 mS"), "", nullptr},
    {FieldId::unprotoCall,     "edReceiver",      "unproto",     K::Text,       9,  0, 0, R::Callsign, QT_TRANSLATE_NOOP("Field", "Unprotocol call"),      "",         "", nullptr},
    {FieldId::myCall,       "edMyCall",        "mycall",      K::Text,       9,  0, 0, R::Callsign, QT_TRANSLATE_NOOP("Field", "MY CALLSIGN"),          "",         "", nullptr},
    {FieldId::aprsPath,     "edAprsPath",      "path",        K::Text,      19,  0, 0, R::Path,     QT_TRANSLATE_NOOP("Field", "APRS PATH"),            "",         QT_TRANSLATE_NOOP("Field", "Max 2 digipeater addresses"), nullptr},
    {FieldId::statusText,       "edBeacon",        "status",      K::Text,      30,  0, 0, R::Status,   QT_TRANSLATE_NOOP("Field", "STATUS text"),          "",         QT_TRANSLATE_NOOP("Field", "Max 30 chars. Enter aprs Lat/Lon in GPSless Mode."), nullptr},
    {FieldId::messageRecipient,     "edDestCall",      "tocall",      K::Text,       9,  0, 0, R::Callsign, QT_TRANSLATE_NOOP("Field", "APRS message TO CALL"), "",         "", nullptr},
    {FieldId::messageText,      "edAprsMsg",       "message",     K::Text,      32,  0, 0, R::Message,  QT_TRANSLATE_NOOP("Field", "Message text"),         "",         QT_TRANSLATE_NOOP("Field", "Max 32 chars."), nullptr},
}};
// clang-format on

constexpr bool tableFollowsEnumOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (fieldIndex(kFields[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(tableFollowsEnumOrder(), "field table must list fields in FieldId order");

constexpr bool sameText(const char* a, const char* b) {
    if (a == nullptr || b == nullptr)
        return a == b;
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// A screen reader user tells fields apart by name alone.
constexpr bool displayNamesDiffer() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        for (std::size_t j = i + 1; j < kFields.size(); ++j) {
            if (sameText(kFields[i].caption, kFields[j].caption) &&
                sameText(kFields[i].captionContext, kFields[j].captionContext))
                return false;
        }
    }
    return true;
}
static_assert(displayNamesDiffer(), "two fields share a caption: give one a captionContext");

// The Mic-E status names are the protocol's own, shown as every APRS station
// shows them: never translated.
constexpr std::array<const char*, 8> kMicE{"Off Duty",  "En Route", "In Service", "Returning",
                                           "Committed", "Special",  "Priority",   "Emergency"};

} // namespace

const std::array<FieldInfo, kFieldCount>& fieldTable() {
    return kFields;
}

const FieldInfo& fieldInfo(FieldId id) {
    return kFields[fieldIndex(id)];
}

QString fieldText(const char* text) {
    return text && *text ? QCoreApplication::translate("Field", text) : QString();
}

QString displayName(FieldId id) {
    const FieldInfo& info = fieldInfo(id);
    QString name = fieldText(info.caption);
    // A translation may end its caption with its own colon (" :" in French).
    while (name.endsWith(u':') || name.endsWith(u' '))
        name.chop(1);
    if (info.captionContext) {
        name = QCoreApplication::translate(
                   "Field", "%1: %2",
                   "a field's name under the frame that tells it apart: Manual Timing: Every")
                   .arg(fieldText(info.captionContext), name);
    }
    return name;
}

QString describeField(FieldId id) {
    return QStringLiteral("\"%1\" (%2)").arg(displayName(id), QLatin1String(fieldInfo(id).key));
}

std::optional<FieldId> fieldByKey(const QString& key) {
    const auto it = std::find_if(kFields.begin(), kFields.end(),
                                 [&](const FieldInfo& f) { return key == QLatin1String(f.key); });
    return it == kFields.end() ? std::nullopt : std::optional<FieldId>(it->id);
}

std::optional<FieldId> fieldByName(const QString& name) {
    const auto it = std::find_if(kFields.begin(), kFields.end(), [&](const FieldInfo& f) {
        return name == QLatin1String(f.objectName);
    });
    return it == kFields.end() ? std::nullopt : std::optional<FieldId>(it->id);
}

const std::array<const char*, 8>& micEMessages() {
    return kMicE;
}

} // namespace korvex
