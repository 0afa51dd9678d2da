// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_codecs.h"

#include "cp1252.h"
#include "field_number.h"
#include "printable_text.h"

#include <cmath>
#include <limits>

namespace korvex {
namespace {

using Position = std::int16_t;

Fault outOfRange(int index) {
    return {QStringLiteral("subscript out of range: write at offset %1, past the end of the "
                           "block (0 to %2)")
                .arg(index)
                .arg(kBlockSize - 1)};
}

Fault overflow(const QString& detail) {
    return {QStringLiteral("overflow: %1").arg(detail)};
}

bool fitsPosition(long value) {
    return value >= std::numeric_limits<Position>::min() &&
           value <= std::numeric_limits<Position>::max();
}

// Index first, then value: an index outside the block fails even for a
// character that has no code.
Outcome storeByte(ConfigBlock& block, long index, long value) {
    if (index < 0 || index >= static_cast<long>(kBlockSize)) {
        return outOfRange(static_cast<int>(index));
    }
    if (value < 0 || value > 255) {
        return overflow(
            QStringLiteral("value %1 at offset %2 does not fit a byte").arg(value).arg(index));
    }
    block[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(value);
    return Outcome::success();
}

long codeOf(QChar ch) {
    const auto code = cp1252Code(ch);
    return code ? static_cast<long>(*code) : static_cast<long>(ch.unicode()) + 256;
}

QChar charAt(const ConfigBlock& block, int offset) {
    return cp1252Char(block[static_cast<std::size_t>(offset)]);
}

} // namespace

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

Outcome AppendText(ConfigBlock& block, Position& position, const QString& text) {
    const long start = position;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Outcome stored = storeByte(block, start + static_cast<long>(i), codeOf(text[i]));
            !stored) {
            return stored;
        }
    }
    const long end = start + static_cast<long>(text.size());
    if (!fitsPosition(end)) {
        return overflow(QStringLiteral("write position %1 beyond 16 bits").arg(end));
    }
    position = static_cast<Position>(end);
    return storeByte(block, end, 0);
}

Result<QString> AppendCallsign(ConfigBlock& block, Position& position, const QString& text,
                               bool terminate) {
    const QString trimmed = trimBlanks(text);

    // A "-" in the first place is part of the call, not a separator.
    const qsizetype dash = trimmed.indexOf(u'-', 1);
    long ssid = block::kSsidZero;
    QString call = trimmed;
    if (dash > 0) {
        const double rounded =
            roundHalfEven(leadingNumber(trimmed.mid(dash + 1)) + block::kSsidZero);
        if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int16_t>::min() ||
            rounded > std::numeric_limits<std::int16_t>::max()) {
            return overflow(QStringLiteral("SSID number \"%1\" is too large")
                                .arg(printable(trimmed.mid(dash + 1))));
        }
        ssid = static_cast<long>(rounded);
        if (ssid > block::kSsidMax) {
            ssid = block::kSsidZero;
        }
        call = trimmed.left(dash);
    }

    const QString field = call.left(block::kCallLength).leftJustified(block::kCallLength, u' ');
    const long start = position;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (Outcome stored = storeByte(block, start + static_cast<long>(i), codeOf(field[i]));
            !stored) {
            return stored.fault();
        }
    }
    const long ssidAt = start + block::kCallLength;
    if (!fitsPosition(ssidAt)) {
        return overflow(QStringLiteral("write position %1 beyond 16 bits").arg(ssidAt));
    }
    position = static_cast<Position>(ssidAt);
    if (Outcome stored = storeByte(block, ssidAt, ssid); !stored) {
        return stored.fault();
    }
    if (terminate) {
        if (!fitsPosition(ssidAt + 1)) {
            return overflow(QStringLiteral("write position %1 beyond 16 bits").arg(ssidAt + 1));
        }
        if (Outcome stored = storeByte(block, ssidAt + 1, 0); !stored) {
            return stored.fault();
        }
    }

    QString result = trimBlanks(field);
    if (ssid > block::kSsidZero) {
        result += trimmed.mid(dash);
    }
    return result;
}

DecodedCallsign readCallsign(const ConfigBlock& block, int offset) {
    QString call;
    for (int i = 0; i < block::kCallLength; ++i) {
        call += charAt(block, offset + i);
    }
    DecodedCallsign decoded{trimBlanks(call), false};
    const int ssidAt = offset + block::kCallLength;
    const int ssid = block[static_cast<std::size_t>(ssidAt)];
    decoded.ssidInRange = ssid >= block::kSsidZero && ssid <= block::kSsidMax;
    if (decoded.ssidInRange && ssid > block::kSsidZero) {
        decoded.text += QStringLiteral("-%1").arg(ssid - block::kSsidZero);
    }
    return decoded;
}

DecodedText readText(const ConfigBlock& block, int offset, int end) {
    DecodedText decoded;
    for (int i = offset; i < end; ++i) {
        if (block[static_cast<std::size_t>(i)] == 0) {
            decoded.terminated = true;
            return decoded;
        }
        decoded.text += charAt(block, i);
    }
    return decoded;
}

QString txDelayText(int flags) {
    return zeroPadded(static_cast<long long>(roundHalfEven(flags / block::kFlagsPerMs)), 3);
}

QString tensOfSecondsText(int ticks, int width) {
    return zeroPadded(static_cast<long long>(ticks) * block::kSecondsPerTick, width);
}

QString statusEveryText(long long packed) {
    return zeroPadded(block::statusEveryOf(packed), 3);
}

} // namespace korvex
