// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp1252.h"

#include <array>

namespace korvex {
namespace {

// 0x80..0x9F; the five holes keep their C1 control so that every byte maps.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::optional<unsigned char> cp1252Code(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<unsigned char>(u);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

QChar cp1252Char(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return QChar(kHighControls[byte - 0x80]);
    }
    return QChar(static_cast<char16_t>(byte));
}

std::optional<QChar> firstUnencodable(QStringView text) {
    for (const QChar ch : text) {
        if (!cp1252Code(ch)) {
            return ch;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> toCp1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const auto code = cp1252Code(ch);
        if (!code) {
            return std::nullopt;
        }
        bytes.append(static_cast<char>(*code));
    }
    return bytes;
}

QString fromCp1252(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.append(cp1252Char(static_cast<unsigned char>(byte)));
    }
    return text;
}

} // namespace korvex
