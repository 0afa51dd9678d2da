#include "field_encoders.h"

#include "cp1252.h"
#include "field_number.h"
#include "printable_text.h"

#include <cmath>
#include <limits>

namespace korvex {
namespace {

using Position = std::int16_t;

EncodeError outOfRange(int index) {
    return {EncodeErrorKind::SubscriptOutOfRange,
            QStringLiteral("write at offset %1, past the end of the block (0 to %2)")
                .arg(index)
                .arg(kBlockSize - 1)};
}

EncodeError overflow(QString detail) {
    return {EncodeErrorKind::Overflow, std::move(detail)};
}

bool fitsPosition(long value) {
    return value >= std::numeric_limits<Position>::min() &&
           value <= std::numeric_limits<Position>::max();
}

// Index first, then value: an index outside the block fails even for a
// character that has no code.
std::optional<EncodeError> storeByte(ConfigBlock& block, long index, long value) {
    if (index < 0 || index >= static_cast<long>(kBlockSize)) {
        return outOfRange(static_cast<int>(index));
    }
    if (value < 0 || value > 255) {
        return overflow(
            QStringLiteral("value %1 at offset %2 does not fit a byte").arg(value).arg(index));
    }
    block[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(value);
    return std::nullopt;
}

long codeOf(QChar ch) {
    const auto code = cp1252Code(ch);
    return code ? static_cast<long>(*code) : static_cast<long>(ch.unicode()) + 256;
}

// Blanks only: a tab is a character of the call like any other.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.mid(first, last - first);
}

} // namespace

QString describe(const EncodeError& error) {
    const char* kind =
        error.kind == EncodeErrorKind::SubscriptOutOfRange ? "subscript out of range" : "overflow";
    return QStringLiteral("%1: %2").arg(QLatin1String(kind), error.detail);
}

std::optional<EncodeError> AppendText(ConfigBlock& block, Position& position, const QString& text) {
    const long start = position;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (auto error = storeByte(block, start + static_cast<long>(i), codeOf(text[i]))) {
            return error;
        }
    }
    const long end = start + static_cast<long>(text.size());
    if (!fitsPosition(end)) {
        return overflow(QStringLiteral("write position %1 beyond 16 bits").arg(end));
    }
    position = static_cast<Position>(end);
    return storeByte(block, end, 0);
}

CallsignResult AppendCallsign(ConfigBlock& block, Position& position, const QString& text,
                              bool terminate) {
    const QString trimmed = trimBlanks(text);

    // A "-" in the first place is part of the call, not a separator.
    const qsizetype dash = trimmed.indexOf(u'-', 1);
    long ssid = 48;
    QString call = trimmed;
    if (dash > 0) {
        const double rounded = roundHalfEven(leadingNumber(trimmed.mid(dash + 1)) + 48.0);
        if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int16_t>::min() ||
            rounded > std::numeric_limits<std::int16_t>::max()) {
            return {{},
                    overflow(QStringLiteral("SSID number \"%1\" is too large")
                                 .arg(printable(trimmed.mid(dash + 1))))};
        }
        ssid = static_cast<long>(rounded);
        if (ssid > 63) {
            ssid = 48;
        }
        call = trimmed.left(dash);
    }

    const QString field = call.left(block::kCallLength).leftJustified(block::kCallLength, u' ');
    const long start = position;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (auto error = storeByte(block, start + static_cast<long>(i), codeOf(field[i]))) {
            return {{}, error};
        }
    }
    const long ssidAt = start + block::kCallLength;
    if (!fitsPosition(ssidAt)) {
        return {{}, overflow(QStringLiteral("write position %1 beyond 16 bits").arg(ssidAt))};
    }
    position = static_cast<Position>(ssidAt);
    if (auto error = storeByte(block, ssidAt, ssid)) {
        return {{}, error};
    }
    if (terminate) {
        if (!fitsPosition(ssidAt + 1)) {
            return {{},
                    overflow(QStringLiteral("write position %1 beyond 16 bits").arg(ssidAt + 1))};
        }
        if (auto error = storeByte(block, ssidAt + 1, 0)) {
            return {{}, error};
        }
    }

    QString result = trimBlanks(field);
    if (ssid > 48) {
        result += trimmed.mid(dash);
    }
    return {result, std::nullopt};
}

} // namespace korvex
