// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_choice.h"

#include "base/field_id.h"
#include "settings/field_acceptance.h"

#include <QRegularExpression>

namespace korvex {

PortChoice PortChoice::fromField(const QString& commText) {
    for (const QChar c : commText) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return PortChoice(c.unicode() - '0', {});
    }
    return PortChoice(0, {});
}

std::optional<PortChoice> PortChoice::fromArgument(const QString& argument) {
    if (argument.isEmpty())
        return std::nullopt;
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(argument).hasMatch())
        return ofDevice(argument);
    // A number goes where a typed one would: what "Comm num:" refuses is no port.
    const Result<QString> accepted = acceptText(FieldId::portNumber, argument);
    if (!accepted)
        return std::nullopt;
    return fromField(accepted.value());
}

PortChoice PortChoice::ofDevice(QString device) {
    return PortChoice(0, std::move(device));
}

} // namespace korvex
