#include "config_file.h"

#include "file_io/regular_file_reader.h"
#include "settings/cp1252.h"
#include "settings/field_number.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace korvex {
namespace {

constexpr int kItemCount = 22;

struct Item {
    QString text;
    bool quoted = false;
};

// Reads items in sequence. A comma and a line end both end an item, whatever
// line it stands on; a quoted item runs to the next double quote.
class ItemReader {
public:
    explicit ItemReader(const QByteArray& bytes)
        : bytes_(bytes) {}

    std::optional<Item> next() {
        if (pos_ >= bytes_.size()) {
            return std::nullopt;
        }
        while (pos_ < bytes_.size() && bytes_[pos_] == ' ') {
            ++pos_;
        }
        Item item;
        if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            item.quoted = true;
            const qsizetype close = bytes_.indexOf('"', pos_ + 1);
            const qsizetype end = close < 0 ? bytes_.size() : close;
            item.text = fromCp1252(QByteArrayView(bytes_).sliced(pos_ + 1, end - pos_ - 1));
            pos_ = close < 0 ? bytes_.size() : close + 1;
            skipToItemEnd();
        } else {
            const qsizetype start = pos_;
            while (pos_ < bytes_.size() && !isItemEnd(bytes_[pos_])) {
                ++pos_;
            }
            QByteArrayView raw = QByteArrayView(bytes_).sliced(start, pos_ - start);
            while (!raw.isEmpty() && (raw.back() == ' ' || raw.back() == '\t')) {
                raw.chop(1);
            }
            item.text = fromCp1252(raw);
            consumeItemEnd();
        }
        return item;
    }

private:
    static bool isItemEnd(char c) { return c == ',' || c == '\r' || c == '\n'; }

    // What stands between a closing quote and the next separator is dropped.
    void skipToItemEnd() {
        while (pos_ < bytes_.size() && !isItemEnd(bytes_[pos_])) {
            ++pos_;
        }
        consumeItemEnd();
    }

    // CR LF, a lone LF or a lone CR is one line end.
    void consumeItemEnd() {
        if (pos_ >= bytes_.size()) {
            return;
        }
        const char c = bytes_[pos_++];
        if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
            ++pos_;
        }
    }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

// A load: the three steps in order, each reading all its items before it
// assigns any. A failure leaves earlier assignments in place.
class ConfigLoader {
public:
    ConfigLoader(const QByteArray& bytes, SettingsRecord& settings)
        : reader_(bytes)
        , settings_(settings) {}

    LoadOutcome run() {
        if (!(readItems(6) && assignLineOne() && readItems(13) && assignSpeedTable() &&
              readItems(22) && assignLastLine())) {
            return {error_};
        }
        return {};
    }

private:
    bool fail(QString why) {
        error_ = std::move(why);
        return false;
    }

    bool readItems(int upTo) {
        while (static_cast<int>(items_.size()) < upTo) {
            auto item = reader_.next();
            if (!item) {
                return fail(
                    QStringLiteral("The file ends after item %1 of %2: it is not a complete "
                                   "configuration file.")
                        .arg(items_.size())
                        .arg(kItemCount));
            }
            items_.push_back(std::move(*item));
        }
        return true;
    }

    const Item& item(int number) const { return items_[static_cast<std::size_t>(number - 1)]; }

    QString where(int number, FieldId id) const {
        return QStringLiteral("Item %1 (%2)").arg(number).arg(QLatin1String(fieldInfo(id).name));
    }

    bool assignText(int number, FieldId id) {
        if (const WriteResult written = settings_.setText(id, item(number).text); !written) {
            return fail(QStringLiteral("%1: \"%2\" is refused: %3.")
                            .arg(where(number, id), printable(item(number).text), written.reason));
        }
        return true;
    }

    // Items 4 and 6: the whole item must be a number; an unquoted empty item is 0.
    bool assignValue(int number, FieldId id) {
        const Item& it = item(number);
        std::optional<double> parsed =
            it.text.trimmed().isEmpty() && !it.quoted ? 0.0 : wholeNumber(it.text);
        if (!parsed) {
            return fail(QStringLiteral("%1: \"%2\" is not a number.")
                            .arg(where(number, id), printable(it.text)));
        }
        const double rounded = roundHalfEven(*parsed);
        if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
              rounded <= std::numeric_limits<std::int16_t>::max())) {
            return fail(QStringLiteral("%1: %2 is out of range (overflow).")
                            .arg(where(number, id), printable(it.text)));
        }
        if (const WriteResult written = settings_.setValue(id, static_cast<int>(rounded));
            !written) {
            return fail(QStringLiteral("%1: %2.").arg(where(number, id), written.reason));
        }
        return true;
    }

    static std::optional<double> wholeNumber(const QString& text) {
        const QByteArray latin = text.trimmed().toLatin1();
        const char* first = latin.constData();
        const char* last = first + latin.size();
        if (first != last && *first == '+') {
            ++first;
        }
        double value = 0;
        const auto [end, error] = std::from_chars(first, last, value);
        if (first == last || end != last) {
            return std::nullopt;
        }
        if (error == std::errc::result_out_of_range) {
            return std::numeric_limits<double>::infinity();
        }
        return value;
    }

    bool assignLineOne() {
        return assignText(1, FieldId::edComm) && assignText(2, FieldId::edNumFlagsAuto) &&
               assignText(3, FieldId::edMsgRepeat) && assignValue(4, FieldId::cbMicEMsg) &&
               assignText(5, FieldId::edSymbol) && assignValue(6, FieldId::chkTable);
    }

    bool assignSpeedTable() {
        for (int band = 0; band < kSpeedBandCount; ++band) {
            if (!assignText(7 + band, speedTableField(band))) {
                return false;
            }
        }
        return true;
    }

    // Item 15 packs the status interval (low seven bits) and the
    // received-positions switch (bit 7).
    bool assignStatusEvery() {
        const double rounded = roundHalfEven(leadingNumber(item(15).text));
        if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
              rounded <= std::numeric_limits<std::int32_t>::max())) {
            return fail(QStringLiteral("%1: %2 is out of range (overflow).")
                            .arg(where(15, FieldId::edBcnEvery), printable(item(15).text)));
        }
        const auto packed = static_cast<std::int32_t>(rounded);
        return settings_.setText(FieldId::edBcnEvery, zeroPadded(packed & 0x7F, 3)) &&
               settings_.setValue(FieldId::chkRxPosition, (packed & 0x80) != 0 ? 1 : 0);
    }

    bool assignLastLine() {
        if (!assignText(14, FieldId::edManualTime) || !assignStatusEvery()) {
            return false;
        }
        constexpr std::array<FieldId, 7> rest{
            FieldId::edGpsAcqTime, FieldId::edReceiver, FieldId::edMyCall, FieldId::edAprsPath,
            FieldId::edBeacon,     FieldId::edDestCall, FieldId::edAprsMsg};
        for (std::size_t i = 0; i < rest.size(); ++i) {
            if (!assignText(16 + static_cast<int>(i), rest[i])) {
                return false;
            }
        }
        return true;
    }

    ItemReader reader_;
    SettingsRecord& settings_;
    std::vector<Item> items_;
    QString error_;
};

} // namespace

LoadOutcome decodeConfigFile(const QByteArray& bytes, SettingsRecord& settings) {
    return ConfigLoader(bytes, settings).run();
}

LoadOutcome loadConfigFile(const QString& path, SettingsRecord& settings) {
    const FileReadResult read = readRegularFile(path, kMaxConfigFileBytes);
    if (!read.ok()) {
        const QString verb = read.failure == FileReadResult::Failure::Open ? QStringLiteral("open")
                                                                           : QStringLiteral("read");
        return {QStringLiteral("Cannot %1 \"%2\": %3").arg(verb, printable(path, path.size()), read.reason)};
    }
    return decodeConfigFile(read.bytes, settings);
}

} // namespace korvex
