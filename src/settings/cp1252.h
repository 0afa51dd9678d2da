// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace korvex {

// The tracker and the .cfg files speak single-byte Windows-1252. Fields hold
// QString; these are the only places where the two meet.

// The byte for one character, or nothing when Windows-1252 has no code for it.
std::optional<unsigned char> cp1252Code(QChar ch);

// The character a byte stands for. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same value, so every byte round-trips.
QChar cp1252Char(unsigned char byte);

// Nothing when some character has no code.
std::optional<QByteArray> toCp1252(QStringView text);

QString fromCp1252(QByteArrayView bytes);

// The first character of text that has no Windows-1252 code, if any.
std::optional<QChar> firstUnencodable(QStringView text);

} // namespace korvex
