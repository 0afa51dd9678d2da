// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_file.h"
#include "config_items.h"

#include "file_io/regular_file_reader.h"
#include "settings/cp1252.h"
#include "settings/field_codecs.h"
#include "settings/field_number.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace korvex {
namespace {

struct ConfigFileWords {
    Q_DECLARE_TR_FUNCTIONS(ConfigFile)
};

constexpr int kItemCount = static_cast<int>(kConfigItems.size());
// Some editors begin a UTF-8 file with one. As Windows-1252 it would be
// "ï»¿", which no first item (a port number) can hold, so old files never
// start with it.
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
// Notepad's "Unicode" and "Unicode big endian". As Windows-1252 these would
// be "ÿþ" and "þÿ", which no first item can hold either.
constexpr QByteArrayView kUtf16LeMark("\xFF\xFE");
constexpr QByteArrayView kUtf16BeMark("\xFE\xFF");

// The file's bytes as the item reader takes them: single-byte Windows-1252,
// or UTF-8 from `start` on.
struct ConfigText {
    QByteArray bytes;
    qsizetype start = 0;
    bool utf8 = false;
};

// Notepad saves UTF-8 without a byte-order mark by default. Such a file is
// read as UTF-8 when all of it is valid UTF-8, it holds at least one
// multi-byte sequence, and every character it then holds has a Windows-1252
// code (the fields take no other). Windows-1252 text passes the first two
// tests only when an accented capital or a symbol is followed by one or more
// of the symbols from 0x80 to 0xBF ("Ã©"), which a tracker's settings do not
// hold; where the two readings still both fit, UTF-8 is the one Notepad wrote.
bool readsAsUtf8(const QByteArray& bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError() && !firstUnencodable(text);
}

Result<ConfigText> configText(const QByteArray& bytes) {
    if (bytes.startsWith(kByteOrderMark))
        return ConfigText{bytes, kByteOrderMark.size(), true};
    const bool littleEndian = bytes.startsWith(kUtf16LeMark);
    if (littleEndian || bytes.startsWith(kUtf16BeMark)) {
        QStringDecoder utf16(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        const QString text = utf16.decode(QByteArrayView(bytes).sliced(kUtf16LeMark.size()));
        if (utf16.hasError() || bytes.size() % 2 != 0) {
            return Fault{ConfigFileWords::tr(
                "The file begins as UTF-16 text (Notepad's \"Unicode\") but is not valid "
                "UTF-16. Open it in Notepad and save it again with the encoding \"ANSI\" or "
                "\"UTF-8\".")};
        }
        return ConfigText{text.toUtf8(), 0, true};
    }
    return ConfigText{bytes, 0, readsAsUtf8(bytes)};
}

struct RawItem {
    QString text;
    bool quoted = false;
};

// Reads items in sequence. A comma and a line end both end an item, whatever
// line it stands on; a quoted item runs to the next double quote.
class ItemReader {
public:
    ItemReader(const QByteArray& bytes, qsizetype start, bool utf8)
        : bytes_(bytes)
        , pos_(start)
        , utf8_(utf8) {}

    std::optional<RawItem> next() {
        if (pos_ >= bytes_.size()) {
            return std::nullopt;
        }
        while (pos_ < bytes_.size() && bytes_[pos_] == ' ') {
            ++pos_;
        }
        RawItem item;
        if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            item.quoted = true;
            const qsizetype close = bytes_.indexOf('"', pos_ + 1);
            const qsizetype end = close < 0 ? bytes_.size() : close;
            item.text = decode(QByteArrayView(bytes_).sliced(pos_ + 1, end - pos_ - 1));
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
            item.text = decode(raw);
            consumeItemEnd();
        }
        return item;
    }

private:
    static bool isItemEnd(char c) { return c == ',' || c == '\r' || c == '\n'; }

    // Quotes, commas and line ends never occur inside a UTF-8 sequence, so
    // an item's bytes are whole characters in either encoding.
    // After a byte-order mark an item is UTF-8 where it is valid UTF-8.
    QString decode(QByteArrayView raw) const {
        if (utf8_) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            QString text = utf8.decode(raw);
            if (!utf8.hasError())
                return text;
        }
        return fromCp1252(raw);
    }

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
    qsizetype pos_;
    bool utf8_;
};

// A load: its steps in order, each reading all its items before it assigns
// any. A failure leaves earlier assignments in place.
class ConfigLoader {
public:
    ConfigLoader(const ConfigText& text, SettingsValues& settings)
        : reader_(text.bytes, text.start, text.utf8)
        , settings_(settings) {}

    Outcome run() {
        int stepStart = 0;
        for (int i = 0; i < kItemCount; ++i) {
            if (!kConfigItems[static_cast<std::size_t>(i)].endsLoadStep) {
                continue;
            }
            if (!readItems(i + 1) || !assignItems(stepStart, i + 1)) {
                return fault_.value();
            }
            stepStart = i + 1;
        }
        return Outcome::success();
    }

private:
    bool fail(Fault fault) {
        fault_ = std::move(fault);
        return false;
    }

    // A fault of item `number`, told within the item's name.
    bool failItem(int number, FieldId id, QString why) {
        return fail(Fault{std::move(why), id}.within(itemName(number, id)));
    }

    bool readItems(int upTo) {
        while (static_cast<int>(items_.size()) < upTo) {
            auto item = reader_.next();
            if (!item) {
                return fail(Fault{
                    ConfigFileWords::tr("The file ends after item %1 of %2: it is not a complete "
                                        "configuration file.")
                        .arg(items_.size())
                        .arg(kItemCount)});
            }
            items_.push_back(std::move(*item));
        }
        return true;
    }

    const RawItem& rawItem(int number) const {
        return items_[static_cast<std::size_t>(number - 1)];
    }

    QString itemName(int number, FieldId id) const {
        return ConfigFileWords::tr("Item %1, %2").arg(number).arg(describeField(id));
    }

    bool assignText(int number, FieldId id) {
        return accepted(number, id, settings_.setText(id, rawItem(number).text));
    }

    // Items 4 and 6: the whole item must be a number; an unquoted empty item is 0.
    bool assignValue(int number, FieldId id) {
        const RawItem& raw = rawItem(number);
        std::optional<double> parsed =
            raw.text.trimmed().isEmpty() && !raw.quoted ? 0.0 : wholeNumber(raw.text);
        if (!parsed) {
            return failItem(
                number, id,
                ConfigFileWords::tr("\"%1\" is not a number.").arg(printable(raw.text)));
        }
        const double rounded = roundHalfEven(*parsed);
        if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
              rounded <= std::numeric_limits<std::int16_t>::max())) {
            return failItem(number, id, overflowReason(raw.text));
        }
        if (const Outcome written = settings_.setValue(id, static_cast<int>(rounded)); !written) {
            return failItem(number, id, written.fault().reason + u'.');
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

    static QString overflowReason(const QString& text) {
        return ConfigFileWords::tr("%1 is out of range (overflow).").arg(printable(text));
    }

    // Item 15 packs the status interval (low seven bits) and the
    // received-positions switch (bit 7).
    bool assignStatusEvery(int number, FieldId id) {
        const QString& text = rawItem(number).text;
        const double rounded = roundHalfEven(leadingNumber(text));
        if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
              rounded <= std::numeric_limits<std::int32_t>::max())) {
            return failItem(number, id, overflowReason(text));
        }
        const auto packed = static_cast<std::int32_t>(rounded);
        return accepted(number, id, settings_.setText(id, statusEveryText(packed))) &&
               accepted(number, FieldId::receivedPositionsOff,
                        settings_.setValue(FieldId::receivedPositionsOff,
                                           block::rxPositionOffOf(packed)));
    }

    // Whether the record took what item `number` gave it; a refusal fails the load.
    bool accepted(int number, FieldId id, const Outcome& written) {
        if (written) {
            return true;
        }
        return failItem(number, id,
                        ConfigFileWords::tr("\"%1\" is refused: %2.")
                            .arg(printable(rawItem(number).text), written.fault().reason));
    }

    // Items first to last - 1 (indexes into the table), in order.
    bool assignItems(int first, int last) {
        for (int i = first; i < last; ++i) {
            const ConfigItem& entry = kConfigItems[static_cast<std::size_t>(i)];
            const int number = i + 1;
            const bool assigned = entry.kind == ItemKind::Text ? assignText(number, entry.field)
                                  : entry.kind == ItemKind::Value
                                      ? assignValue(number, entry.field)
                                      : assignStatusEvery(number, entry.field);
            if (!assigned) {
                return false;
            }
        }
        return true;
    }

    ItemReader reader_;
    SettingsValues& settings_;
    std::vector<RawItem> items_;
    std::optional<Fault> fault_;
};

} // namespace

Outcome decodeConfigFile(const QByteArray& bytes, SettingsValues& settings) {
    const Result<ConfigText> text = configText(bytes);
    if (!text)
        return text.fault();
    return ConfigLoader(text.value(), settings).run();
}

Outcome readConfigFile(const QString& path, SettingsValues& settings) {
    const Result<QByteArray> read = readRegularFile(path, kMaxConfigFileBytes);
    if (!read) {
        const Fault& fault = read.fault();
        const QString shown = printable(path, path.size());
        if (fault.kind == FaultKind::BeyondLimit)
            return Fault{.reason = beyondCapReason(), .kind = FaultKind::BeyondLimit}.within(
                ConfigFileWords::tr("Cannot read \"%1\"").arg(shown));
        return fault.within(fault.kind == FaultKind::CannotOpen
                                ? ConfigFileWords::tr("Cannot open \"%1\"").arg(shown)
                                : ConfigFileWords::tr("Cannot read \"%1\"").arg(shown));
    }
    return decodeConfigFile(read.value(), settings);
}

QString beyondCapReason() {
    return ConfigFileWords::tr("it is larger than %1 MiB (a settings file is about 200 bytes)")
        .arg(kMaxConfigFileBytes >> 20);
}

} // namespace korvex
