// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_choice.h"

#include <QRegularExpression>

namespace korvex {

PortChoice PortChoice::fromField(const QString& commText) {
    int number = 0;
    for (const QChar c : commText) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && number <= kHighestPortNumber)
            number = number * 10 + (c.unicode() - '0');
    }
    return PortChoice(number, {});
}

std::optional<PortChoice> PortChoice::fromArgument(const QString& argument) {
    if (argument.isEmpty())
        return std::nullopt;
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(argument).hasMatch())
        return ofDevice(argument);
    // A port beyond what "Comm num:" holds is still a port: COM12 on Windows.
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    if (!isNumber || number > kHighestPortNumber)
        return std::nullopt;
    return PortChoice(number, {});
}

PortChoice PortChoice::ofDevice(QString device) {
    return PortChoice(0, std::move(device));
}

} // namespace korvex
