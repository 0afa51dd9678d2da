// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_block_builder.h"

#include "cp1252.h"
#include "field_codecs.h"
#include "field_number.h"
#include "field_table.h"

#include <QCoreApplication>
#include <cmath>

namespace korvex {
namespace {

struct BlockBuilderWords {
    Q_DECLARE_TR_FUNCTIONS(BlockBuilder)
};

// One build: the steps in their fixed order, each stopping the build at its
// first failure. Every step re-reads its field from the corrected settings
// after its own write-back, so the byte stored always agrees with what the
// window shows afterwards.
class BlockBuilder {
public:
    explicit BlockBuilder(const SettingsValues& settings) { result_.settings = settings; }

    BuildResult run() {
        result_.block.fill(0);
        // The first step that fails records its fault and ends the build.
        static_cast<void>(txDelay() && messageRetries() && micEMessage() && symbol() &&
                          symbolTable() && gpsInterval() && speedBands() && manualInterval() &&
                          gpsTimeout() && statusInterval() && callsAndTexts() && requiredCalls());
        return result_;
    }

private:
    bool fail(BuildStep step, FieldId field, QString reason) {
        result_.outcome = Fault{std::move(reason), field, step};
        return false;
    }

    long long fieldNumber(FieldId id) const { return numberOfField(settings_.text(id)); }

    bool writeBack(BuildStep step, FieldId id, const QString& text) {
        if (const Outcome written = settings_.setText(id, text); !written) {
            return fail(step, id,
                        BlockBuilderWords::tr("the field cannot hold \"%1\": %2")
                            .arg(text, written.fault().reason));
        }
        return true;
    }

    bool raiseTo(BuildStep step, FieldId id, long long minimum, const QString& minimumText) {
        return fieldNumber(id) >= minimum || writeBack(step, id, minimumText);
    }

    bool storeByte(BuildStep step, FieldId id, int offset, double value) {
        const double rounded = roundHalfEven(value);
        if (!(rounded >= 0 && rounded <= 255)) {
            return fail(step, id,
                        BlockBuilderWords::tr("overflow: %1 does not fit a byte (0 to 255)")
                            .arg(rounded, 0, 'f', 0));
        }
        result_.block[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(rounded);
        return true;
    }

    int byteAt(int offset) const { return result_.block[static_cast<std::size_t>(offset)]; }

    // A time in seconds stored as tens of seconds, then written back as what was stored.
    bool tensOfSeconds(BuildStep step, FieldId id, int offset, int width) {
        constexpr int tick = block::kSecondsPerTick;
        return raiseTo(step, id, tick, tensOfSecondsText(1, width)) &&
               storeByte(step, id, offset, static_cast<double>(fieldNumber(id)) / tick) &&
               writeBack(step, id, tensOfSecondsText(byteAt(offset), width));
    }

    bool txDelay() {
        constexpr BuildStep step = BuildStep::TxDelay;
        const FieldId id = FieldId::txDelay;
        return raiseTo(step, id, 7, QStringLiteral("007")) &&
               storeByte(step, id, block::kTxDelayFlags,
                         static_cast<double>(fieldNumber(id)) * block::kFlagsPerMs) &&
               writeBack(step, id, txDelayText(byteAt(block::kTxDelayFlags)));
    }

    bool messageRetries() {
        constexpr BuildStep step = BuildStep::MessageRetries;
        const FieldId id = FieldId::messageRetries;
        return storeByte(step, id, block::kMsgRetries, static_cast<double>(fieldNumber(id))) &&
               writeBack(step, id, zeroPadded(byteAt(block::kMsgRetries), 3));
    }

    bool micEMessage() {
        constexpr BuildStep step = BuildStep::MicEMessage;
        const int index = settings_.value(FieldId::micEMessage);
        if (index < 0) {
            return fail(step, FieldId::micEMessage,
                        BlockBuilderWords::tr("no Mic-E message is selected"));
        }
        return storeByte(step, FieldId::micEMessage, block::kMicEIndex, index);
    }

    bool symbol() {
        constexpr BuildStep step = BuildStep::Symbol;
        const QString text = settings_.text(FieldId::symbol);
        if (text.isEmpty()) {
            return fail(step, FieldId::symbol, BlockBuilderWords::tr("the symbol is empty"));
        }
        const auto code = cp1252Code(text[0]);
        if (!code) {
            return fail(step, FieldId::symbol,
                        BlockBuilderWords::tr("overflow: the symbol has no single-byte code"));
        }
        return storeByte(step, FieldId::symbol, block::kSymbol, *code);
    }

    bool symbolTable() {
        result_.block[block::kSymbolTable] = settings_.value(FieldId::alternateTable) != 0
                                                 ? block::kAlternateTable
                                                 : block::kPrimaryTable;
        return true;
    }

    bool gpsInterval() {
        return tensOfSeconds(BuildStep::GpsInterval, FieldId::gpsInterval, block::kGpsCheckTens, 3);
    }

    bool speedBands() {
        for (int band = 0; band < kSpeedBandCount; ++band) {
            const bool slowBand = band < 2; // the two slowest bands take four digits
            if (!tensOfSeconds(slowBand ? BuildStep::SlowSpeedBands : BuildStep::FastSpeedBands,
                               speedBandField(band), block::kSpeedTableTens + band,
                               slowBand ? 4 : 3)) {
                return false;
            }
        }
        return true;
    }

    bool manualInterval() {
        return tensOfSeconds(BuildStep::ManualInterval, FieldId::manualInterval, block::kManualTens,
                             4);
    }

    bool gpsTimeout() {
        constexpr BuildStep step = BuildStep::GpsTimeout;
        const FieldId id = FieldId::gpsTimeout;
        if (!storeByte(step, id, block::kGpsTimeout, static_cast<double>(fieldNumber(id))) ||
            !writeBack(step, id, zeroPadded(byteAt(block::kGpsTimeout), 3))) {
            return false;
        }
        const bool gpsless = fieldNumber(id) == 0;
        result_.gpsless = gpsless;
        if (gpsless) {
            result_.block[block::kGpsCheckTens] = block::kGpslessCheck;
        }
        return true;
    }

    bool statusInterval() {
        constexpr BuildStep step = BuildStep::StatusInterval;
        const FieldId id = FieldId::statusInterval;
        if (!(fieldNumber(id) <= block::kStatusEveryMax ||
              writeBack(step, id, QString::number(block::kStatusEveryMax)))) {
            return false;
        }
        const long long packed =
            block::packStatusEvery(fieldNumber(id), settings_.value(FieldId::receivedPositionsOff));
        return storeByte(step, id, block::kStatusEveryAndRxOff, static_cast<double>(packed)) &&
               writeBack(step, id, statusEveryText(byteAt(block::kStatusEveryAndRxOff)));
    }

    // One call sign at offset; `normalised` receives the text to write back.
    bool encodeCall(BuildStep step, FieldId id, int offset, const QString& text, bool terminate,
                    QString& normalised) {
        std::int16_t position = static_cast<std::int16_t>(offset);
        const Result<QString> encoded = AppendCallsign(result_.block, position, text, terminate);
        if (!encoded) {
            return fail(step, id, encoded.fault().reason);
        }
        normalised = encoded.value();
        return true;
    }

    bool callsignField(BuildStep step, FieldId id, int offset, bool terminate) {
        QString normalised;
        return encodeCall(step, id, offset, settings_.text(id), terminate, normalised) &&
               writeBack(step, id, normalised);
    }

    bool path() {
        constexpr BuildStep step = BuildStep::Path;
        const FieldId id = FieldId::aprsPath;
        const QString text = settings_.text(id);
        const qsizetype comma = text.indexOf(u',', 1); // a leading comma is no separator
        if (comma < 0) {
            return callsignField(step, id, block::kPathFirst, true);
        }
        QString first;
        QString second;
        // A blank first address written back as nothing would leave the comma
        // in the first place, where it no longer separates: the next SEND would
        // send one address "," instead of two. One blank keeps it a separator.
        return encodeCall(step, id, block::kPathFirst, text.left(comma), false, first) &&
               encodeCall(step, id, block::kPathSecond, text.mid(comma + 1), true, second) &&
               writeBack(step, id, (first.isEmpty() ? QStringLiteral(" ") : first) + u',' + second);
    }

    bool textField(BuildStep step, FieldId id, int offset) {
        std::int16_t position = static_cast<std::int16_t>(offset);
        if (const Outcome appended = AppendText(result_.block, position, settings_.text(id));
            !appended) {
            return fail(step, id, appended.fault().reason);
        }
        return true;
    }

    // The addresses and the two texts, in block order: an empty path ends the
    // address list right after the own call.
    bool callsAndTexts() {
        const bool emptyPath = settings_.text(FieldId::aprsPath).isEmpty();
        return callsignField(BuildStep::UnprotoCall, FieldId::unprotoCall, block::kUnprotoCall,
                             false) &&
               callsignField(BuildStep::OwnCall, FieldId::myCall, block::kMyCall, emptyPath) &&
               path() &&
               textField(BuildStep::StatusText, FieldId::statusText, block::kStatusText) &&
               callsignField(BuildStep::MessageRecipient, FieldId::messageRecipient,
                             block::kDestCall, false) &&
               textField(BuildStep::MessageText, FieldId::messageText, block::kMessageText);
    }

    bool requiredCalls() {
        if (settings_.text(FieldId::myCall).isEmpty()) {
            return fail(BuildStep::RequiredCalls, FieldId::myCall,
                        BlockBuilderWords::tr("the own call sign is empty"));
        }
        if (settings_.text(FieldId::unprotoCall).isEmpty()) {
            return fail(BuildStep::RequiredCalls, FieldId::unprotoCall,
                        BlockBuilderWords::tr("the unproto call is empty"));
        }
        return true;
    }

    BuildResult result_;
    SettingsValues& settings_ = result_.settings;
};

} // namespace

QString buildFaultMessage() {
    return QCoreApplication::translate("BlockBuilder", "Parametri incompleti o non corretti");
}

BuildResult BuildConfigBlock(const SettingsValues& settings) {
    return BlockBuilder(settings).run();
}

QString describeBuildFault(const Fault& fault) {
    // Every build fault names its step and field; a fault without them is not one of ours.
    return BlockBuilderWords::tr("step %1, field %2: %3")
        .arg(stepNumber(fault.step.value()))
        .arg(describeField(fault.field.value()), fault.reason);
}

} // namespace korvex
