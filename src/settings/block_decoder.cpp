// SPDX-License-Identifier: GPL-3.0-or-later
#include "block_decoder.h"

#include "cp1252.h"
#include "field_codecs.h"
#include "field_number.h"
#include "field_table.h"

namespace korvex {
namespace {

class Decoder {
public:
    explicit Decoder(const ConfigBlock& block)
        : block_(block) {}

    DecodedBlock run() {
        txDelay();
        carryText(FieldId::messageRetries, zeroPadded(byte(block::kMsgRetries), 3));
        micE();
        carryText(FieldId::symbol, QString(cp1252Char(byte(block::kSymbol))));
        symbolTable();
        speedBands();
        interval(FieldId::manualInterval, block::kManualTens, 4, 255);
        gpsTimeoutAndInterval();
        statusInterval();
        carryText(FieldId::unprotoCall, callsign(block::kUnprotoCall));
        carryText(FieldId::myCall, callsign(block::kMyCall));
        path();
        carryText(FieldId::statusText, text(block::kStatusText, block::kDestCall, "status text"));
        carryText(FieldId::messageRecipient, callsign(block::kDestCall));
        carryText(FieldId::messageText,
                  text(block::kMessageText, static_cast<int>(kBlockSize), "message text"));
        return out_;
    }

private:
    int byte(int offset) const { return block_[static_cast<std::size_t>(offset)]; }

    void carryText(FieldId id, const QString& value) { out_.texts[fieldIndex(id)] = value; }
    void carryValue(FieldId id, int value) { out_.values[fieldIndex(id)] = value; }

    void note(const QString& what) { out_.anomalies.append(what); }

    void checkRange(int offset, int low, int high, const char* what) {
        const int v = byte(offset);
        if (v < low || v > high)
            note(QStringLiteral("byte %1 (%2) is %3, outside %4 to %5")
                     .arg(offset)
                     .arg(QLatin1String(what))
                     .arg(v)
                     .arg(low)
                     .arg(high));
    }

    void txDelay() {
        checkRange(block::kTxDelayFlags, 1, 150, "TX delay flags");
        carryText(FieldId::txDelay, txDelayText(byte(block::kTxDelayFlags)));
    }

    void micE() {
        checkRange(block::kMicEIndex, 0, 7, "Mic-E message");
        carryValue(FieldId::micEMessage, byte(block::kMicEIndex));
    }

    void symbolTable() {
        const int v = byte(block::kSymbolTable);
        if (v != block::kPrimaryTable && v != block::kAlternateTable)
            note(QStringLiteral("byte %1 (symbol table) is %2, neither %3 nor %4")
                     .arg(block::kSymbolTable)
                     .arg(v)
                     .arg(block::kPrimaryTable)
                     .arg(block::kAlternateTable));
        carryValue(FieldId::alternateTable, v == block::kAlternateTable ? 1 : 0);
    }

    void interval(FieldId id, int offset, int digits, int high) {
        checkRange(offset, 1, high, fieldInfo(id).key);
        carryText(id, tensOfSecondsText(byte(offset), digits));
    }

    void speedBands() {
        // The two slowest bands and the manual interval take four digits and
        // the whole byte; the faster bands three digits and at most 100.
        for (int i = 0; i < kSpeedBandCount; ++i) {
            const bool wide = i < 2;
            interval(speedBandField(i), block::kSpeedTableTens + i, wide ? 4 : 3, wide ? 255 : 100);
        }
    }

    void gpsTimeoutAndInterval() {
        const int timeout = byte(block::kGpsTimeout);
        carryText(FieldId::gpsTimeout, zeroPadded(timeout, 3));
        out_.gpsless = timeout == 0;
        if (out_.gpsless) {
            // The interval the user typed does not travel in GPSless mode.
            if (byte(block::kGpsCheckTens) != block::kGpslessCheck)
                note(QStringLiteral("GPSless mode, but byte %1 is %2 instead of %3")
                         .arg(block::kGpsCheckTens)
                         .arg(byte(block::kGpsCheckTens))
                         .arg(block::kGpslessCheck));
            return;
        }
        interval(FieldId::gpsInterval, block::kGpsCheckTens, 3, 100);
    }

    void statusInterval() {
        const int v = byte(block::kStatusEveryAndRxOff);
        carryText(FieldId::statusInterval, statusEveryText(v));
        carryValue(FieldId::receivedPositionsOff, block::rxPositionOffOf(v));
    }

    QString callsign(int offset) {
        const DecodedCallsign call = ReadCallsign(block_, offset);
        if (!call.ssidInRange) {
            note(QStringLiteral("byte %1 (SSID) is %2, outside %3 to %4")
                     .arg(offset + block::kCallLength)
                     .arg(byte(offset + block::kCallLength))
                     .arg(block::kSsidZero)
                     .arg(block::kSsidMax));
        }
        return call.text;
    }

    void path() {
        // A 0 right after the own call ends the address list: an empty path.
        if (byte(block::kPathFirst) == 0) {
            carryText(FieldId::aprsPath, QString());
            return;
        }
        QString result = callsign(block::kPathFirst);
        const int afterFirst = block::kPathFirst + block::kCallsignFieldLength;
        if (byte(afterFirst) != 0) {
            // As SEND writes it back: a blank first address keeps one blank,
            // or the comma would stand first and no longer separate.
            if (result.isEmpty())
                result = QStringLiteral(" ");
            result += u',' + callsign(block::kPathSecond);
            const int end = block::kPathSecond + block::kCallsignFieldLength;
            if (byte(end) != 0)
                note(QStringLiteral("byte %1 (end of the path) is %2, not 0")
                         .arg(end)
                         .arg(byte(end)));
        }
        carryText(FieldId::aprsPath, result);
    }

    QString text(int offset, int limit, const char* what) {
        const DecodedText decoded = ReadText(block_, offset, limit);
        if (!decoded.terminated)
            note(QStringLiteral("the %1 at %2 has no 0 before offset %3")
                     .arg(QLatin1String(what))
                     .arg(offset)
                     .arg(limit));
        return decoded.text;
    }

    const ConfigBlock& block_;
    DecodedBlock out_;
};

} // namespace

DecodedBlock decodeConfigBlock(const ConfigBlock& block) {
    return Decoder(block).run();
}

} // namespace korvex
