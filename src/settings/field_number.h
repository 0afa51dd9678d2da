// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace korvex {

// The number the leading digits of a numeric field's text spell; 0 when the
// text does not start with a digit. Saturates instead of overflowing.
long long numberOfField(const QString& text);

// Whole number in decimal with leading zeros to at least `width` digits.
QString zeroPadded(long long value, int width);

// Nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double value);

// The leading number of a text the way the tracker's old tool read numbers:
// blanks anywhere are ignored, then an optional sign, digits, an optional
// fraction and exponent. 0 when the text does not start with a number.
double leadingNumber(const QString& text);

} // namespace korvex
