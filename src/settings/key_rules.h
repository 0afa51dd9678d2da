// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace korvex {

// Which characters a field lets the user type. Masked numeric fields only take
// digits; the four text rules act on single-byte (Windows-1252) key codes.
enum class KeyRule { None, Digits, Symbol, Callsign, Path, Status, Message };

inline constexpr int kBackspace = 8;

// Each filter takes a single-byte key code and returns the code the field
// receives, or 0 when the key is discarded.
int FilterCallsignKey(int code);
int filterPathKey(int code);
int filterStatusKey(int code);
int filterMessageKey(int code);
int filterDigitKey(int code);
int filterSymbolKey(int code);

int filterKey(KeyRule rule, int code);

// The same rules applied to a whole piece of text (paste, drop): discarded
// characters are removed, kept ones converted as if typed. Characters without a
// Windows-1252 code, and control characters, never pass.
QString filterText(KeyRule rule, const QString& text);

} // namespace korvex
