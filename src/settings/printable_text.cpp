// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable_text.h"

namespace korvex {
namespace {

bool isControl(char16_t u) {
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

} // namespace

QString printable(QStringView text, qsizetype maxShown) {
    qsizetype shown = text.size();
    if (shown > maxShown) {
        shown = maxShown;
        // Never half of a surrogate pair.
        if (shown > 0 && text[shown - 1].isHighSurrogate()) {
            --shown;
        }
    }
    QString out;
    out.reserve(shown + 8);
    for (const QChar ch : text.first(shown)) {
        const char16_t u = ch.unicode();
        if (u == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (isControl(u)) {
            out += QStringLiteral("\\x") + QString::number(u, 16).rightJustified(2, u'0').toUpper();
        } else {
            out += ch;
        }
    }
    if (shown < text.size()) {
        out += u'\u2026';
    }
    return out;
}

} // namespace korvex
