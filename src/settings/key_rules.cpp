// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_rules.h"

#include "cp1252.h"

namespace korvex {
namespace {

bool isAsciiLetter(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}
bool isDigit(int code) {
    return code >= '0' && code <= '9';
}

// Upper case the way the tracker's code page sees it: a letter only changes
// when its capital also has a single-byte code.
int upperCode(int code) {
    if (code < 0 || code > 255) {
        return code;
    }
    const QChar upper = cp1252Char(static_cast<unsigned char>(code)).toUpper();
    const auto upperByte = cp1252Code(upper);
    return upperByte ? *upperByte : code;
}

} // namespace

int FilterCallsignKey(int code) {
    if (code == kBackspace || code == '-' || isDigit(code) || isAsciiLetter(code)) {
        return upperCode(code);
    }
    return 0;
}

int filterPathKey(int code) {
    return code == ',' ? code : FilterCallsignKey(code);
}

int filterStatusKey(int code) {
    if (code == '\'' || code == '`' || (code >= 123 && code <= 255) || code < 0 || code > 255) {
        return 0;
    }
    return code;
}

int filterMessageKey(int code) {
    if (code == 123 || code == 124 || (code >= 126 && code <= 255) || code < 0 || code > 255) {
        return 0;
    }
    return upperCode(code);
}

int filterDigitKey(int code) {
    return (isDigit(code) || code == kBackspace) ? code : 0;
}

int filterSymbolKey(int code) {
    if (code == kBackspace || (code >= 32 && code <= 126) || (code >= 128 && code <= 255)) {
        return code;
    }
    return 0;
}

int filterKey(KeyRule rule, int code) {
    switch (rule) {
    case KeyRule::None:
        return code;
    case KeyRule::Digits:
        return filterDigitKey(code);
    case KeyRule::Symbol:
        return filterSymbolKey(code);
    case KeyRule::Callsign:
        return FilterCallsignKey(code);
    case KeyRule::Path:
        return filterPathKey(code);
    case KeyRule::Status:
        return filterStatusKey(code);
    case KeyRule::Message:
        return filterMessageKey(code);
    }
    return 0;
}

QString filterText(KeyRule rule, const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar ch : text) {
        const auto code = cp1252Code(ch);
        if (!code || *code < 32) {
            continue; // no control character arrives by paste, Backspace included
        }
        const int filtered = filterKey(rule, *code);
        if (filtered != 0) {
            kept.append(cp1252Char(static_cast<unsigned char>(filtered)));
        }
    }
    return kept;
}

} // namespace korvex
