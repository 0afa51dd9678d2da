#include "config_block_builder.h"

#include "cp1252.h"
#include "field_encoders.h"
#include "field_number.h"
#include "field_table.h"

#include <cmath>

namespace korvex {
namespace {

// One build: the steps in their fixed order, each stopping the build at its
// first failure. Every step re-reads its field after its own write-back, so
// the byte stored always agrees with what the window shows.
class BlockBuilder {
public:
    explicit BlockBuilder(SettingsRecord& settings)
        : settings_(settings) {}

    BuildResult run() {
        result_.block.fill(0);
        result_.ok = txDelay() && msgRetries() && micE() && symbol() && symbolTable() &&
                     gpsCheckInterval() && speedBands() && manualInterval() && gpsTimeout() &&
                     statusEvery() && callsigns() && requiredCalls();
        return result_;
    }

private:
    bool fail(int step, FieldId field, QString reason) {
        result_.fault = BuildFault{step, field, std::move(reason)};
        return false;
    }

    long long number(FieldId id) const { return numberOfField(settings_.text(id)); }

    bool writeBack(int step, FieldId id, const QString& text) {
        if (const WriteResult written = settings_.setText(id, text); !written) {
            return fail(
                step, id,
                QStringLiteral("the field cannot hold \"%1\": %2").arg(text, written.reason));
        }
        return true;
    }

    bool raiseTo(int step, FieldId id, long long minimum, const QString& minimumText) {
        return number(id) >= minimum || writeBack(step, id, minimumText);
    }

    bool storeByte(int step, FieldId id, int offset, double value) {
        const double rounded = roundHalfEven(value);
        if (!(rounded >= 0 && rounded <= 255)) {
            return fail(step, id,
                        QStringLiteral("overflow: %1 does not fit a byte (0 to 255)")
                            .arg(rounded, 0, 'f', 0));
        }
        result_.block[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(rounded);
        return true;
    }

    int byteAt(int offset) const { return result_.block[static_cast<std::size_t>(offset)]; }

    // A time in seconds stored as tens of seconds, then written back as what was stored.
    bool tensOfSeconds(int step, FieldId id, int offset, int width) {
        const QString minimum = zeroPadded(10, width);
        return raiseTo(step, id, 10, minimum) &&
               storeByte(step, id, offset, static_cast<double>(number(id)) / 10.0) &&
               writeBack(step, id, zeroPadded(byteAt(offset) * 10LL, width));
    }

    bool txDelay() {
        constexpr int step = 2;
        constexpr double flagsPerMs = 0.15;
        const FieldId id = FieldId::edNumFlagsAuto;
        if (!raiseTo(step, id, 7, QStringLiteral("007")) ||
            !storeByte(step, id, block::kTxDelayFlags,
                       static_cast<double>(number(id)) * flagsPerMs)) {
            return false;
        }
        const double ms = byteAt(block::kTxDelayFlags) / flagsPerMs;
        return writeBack(step, id, zeroPadded(static_cast<long long>(roundHalfEven(ms)), 3));
    }

    bool msgRetries() {
        const FieldId id = FieldId::edMsgRepeat;
        return storeByte(3, id, block::kMsgRetries, static_cast<double>(number(id))) &&
               writeBack(3, id, zeroPadded(byteAt(block::kMsgRetries), 3));
    }

    bool micE() {
        const int index = settings_.value(FieldId::cbMicEMsg);
        if (index < 0) {
            return fail(4, FieldId::cbMicEMsg, QStringLiteral("no Mic-E message is selected"));
        }
        return storeByte(4, FieldId::cbMicEMsg, block::kMicEIndex, index);
    }

    bool symbol() {
        const QString text = settings_.text(FieldId::edSymbol);
        if (text.isEmpty()) {
            return fail(5, FieldId::edSymbol, QStringLiteral("the symbol is empty"));
        }
        const auto code = cp1252Code(text[0]);
        if (!code) {
            return fail(5, FieldId::edSymbol,
                        QStringLiteral("overflow: the symbol has no single-byte code"));
        }
        return storeByte(5, FieldId::edSymbol, block::kSymbol, *code);
    }

    bool symbolTable() {
        result_.block[block::kSymbolTable] =
            settings_.value(FieldId::chkTable) != 0 ? block::kAlternateTable : block::kPrimaryTable;
        return true;
    }

    bool gpsCheckInterval() {
        return tensOfSeconds(7, FieldId::edGpsCheckTime, block::kGpsCheckTens, 3);
    }

    bool speedBands() {
        for (int band = 0; band < kSpeedBandCount; ++band) {
            const bool slowBand = band < 2; // the two slowest bands take four digits
            if (!tensOfSeconds(slowBand ? 8 : 9, speedTableField(band),
                               block::kSpeedTableTens + band, slowBand ? 4 : 3)) {
                return false;
            }
        }
        return true;
    }

    bool manualInterval() {
        return tensOfSeconds(10, FieldId::edManualTime, block::kManualTens, 4);
    }

    bool gpsTimeout() {
        const FieldId id = FieldId::edGpsAcqTime;
        if (!storeByte(11, id, block::kGpsTimeout, static_cast<double>(number(id))) ||
            !writeBack(11, id, zeroPadded(byteAt(block::kGpsTimeout), 3))) {
            return false;
        }
        const bool gpsless = number(id) == 0;
        result_.gpsless = gpsless;
        if (gpsless) {
            result_.block[block::kGpsCheckTens] = block::kGpslessCheck;
        }
        return true;
    }

    bool statusEvery() {
        const FieldId id = FieldId::edBcnEvery;
        if (!(number(id) <= 127 || writeBack(12, id, QStringLiteral("127")))) {
            return false;
        }
        const double packed =
            settings_.value(FieldId::chkRxPosition) * 128.0 + static_cast<double>(number(id));
        return storeByte(12, id, block::kStatusEveryAndRxOff, packed) &&
               writeBack(12, id, zeroPadded(byteAt(block::kStatusEveryAndRxOff) & 0x7F, 3));
    }

    bool callsign(int step, FieldId id, int offset, const QString& text, bool terminate,
                  QString& normalised) {
        std::int16_t position = static_cast<std::int16_t>(offset);
        CallsignResult encoded = AppendCallsign(result_.block, position, text, terminate);
        if (encoded.error) {
            return fail(step, id, describe(*encoded.error));
        }
        normalised = encoded.text;
        return true;
    }

    bool callsignField(int step, FieldId id, int offset, bool terminate) {
        QString normalised;
        return callsign(step, id, offset, settings_.text(id), terminate, normalised) &&
               writeBack(step, id, normalised);
    }

    bool path() {
        constexpr int step = 15;
        const FieldId id = FieldId::edAprsPath;
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
        return callsign(step, id, block::kPathFirst, text.left(comma), false, first) &&
               callsign(step, id, block::kPathSecond, text.mid(comma + 1), true, second) &&
               writeBack(step, id, (first.isEmpty() ? QStringLiteral(" ") : first) + u',' + second);
    }

    bool text(int step, FieldId id, int offset) {
        std::int16_t position = static_cast<std::int16_t>(offset);
        if (auto error = AppendText(result_.block, position, settings_.text(id))) {
            return fail(step, id, describe(*error));
        }
        return true;
    }

    bool callsigns() {
        const bool emptyPath = settings_.text(FieldId::edAprsPath).isEmpty();
        return callsignField(13, FieldId::edReceiver, block::kUnprotoCall, false) &&
               callsignField(14, FieldId::edMyCall, block::kMyCall, emptyPath) && path() &&
               text(16, FieldId::edBeacon, block::kStatusText) &&
               callsignField(17, FieldId::edDestCall, block::kDestCall, false) &&
               text(18, FieldId::edAprsMsg, block::kMessageText);
    }

    bool requiredCalls() {
        if (settings_.text(FieldId::edMyCall).isEmpty()) {
            return fail(19, FieldId::edMyCall, QStringLiteral("the own call sign is empty"));
        }
        if (settings_.text(FieldId::edReceiver).isEmpty()) {
            return fail(19, FieldId::edReceiver, QStringLiteral("the unproto call is empty"));
        }
        return true;
    }

    SettingsRecord& settings_;
    BuildResult result_;
};

} // namespace

BuildResult BuildConfigBlock(SettingsRecord& settings) {
    return BlockBuilder(settings).run();
}

QString describeBuildFault(const BuildFault& fault) {
    const FieldInfo& info = fieldInfo(fault.field);
    return QStringLiteral("step %1, field \"%2\" (%3): %4")
        .arg(fault.step)
        .arg(QLatin1String(info.caption), QLatin1String(info.key), fault.reason);
}

} // namespace korvex
