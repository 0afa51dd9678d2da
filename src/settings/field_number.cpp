// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_number.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>

namespace korvex {

long long numberOfField(const QString& text) {
    constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
    long long number = 0;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9') {
            break;
        }
        if (number > kMax) {
            return std::numeric_limits<long long>::max();
        }
        number = number * 10 + (ch.unicode() - u'0');
    }
    return number;
}

QString zeroPadded(long long value, int width) {
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

double roundHalfEven(double value) {
    // nearbyint honours the rounding mode; make sure it is the default one.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

double leadingNumber(const QString& text) {
    QString compact;
    compact.reserve(text.size());
    for (const QChar ch : text) {
        if (ch != u' ' && ch != u'\t' && ch != u'\n' && ch != u'\r') {
            compact.append(ch);
        }
    }
    qsizetype i = 0;
    const qsizetype n = compact.size();
    auto digitAt = [&](qsizetype k) { return k < n && compact[k] >= u'0' && compact[k] <= u'9'; };

    QString number;
    if (i < n && (compact[i] == u'+' || compact[i] == u'-')) {
        number.append(compact[i++]);
    }
    bool anyDigit = false;
    while (digitAt(i)) {
        number.append(compact[i++]);
        anyDigit = true;
    }
    if (i < n && compact[i] == u'.') {
        number.append(compact[i++]);
        while (digitAt(i)) {
            number.append(compact[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (i < n &&
        (compact[i] == u'e' || compact[i] == u'E' || compact[i] == u'd' || compact[i] == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (compact[j] == u'+' || compact[j] == u'-')) {
            exponent.append(compact[j++]);
        }
        if (digitAt(j)) {
            while (digitAt(j)) {
                exponent.append(compact[j++]);
            }
            number.append(exponent);
        }
    }
    // from_chars does not depend on the C locale (a Qt program runs with the user's).
    const QByteArray latin = number.toLatin1();
    const char* first = latin.constData();
    if (*first == '+') {
        ++first;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, latin.constData() + latin.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        // Only a negative exponent can underflow; everything else overflowed.
        if (number.contains(QLatin1String("e-"))) {
            return 0.0;
        }
        return number.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                       : std::numeric_limits<double>::infinity();
    }
    return value;
}

} // namespace korvex
