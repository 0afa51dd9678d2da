// SPDX-License-Identifier: GPL-3.0-or-later
#include "ports_json.h"

#include <QJsonArray>

namespace korvex::cli {
namespace {

QJsonValue usbId(const std::optional<quint16>& id) {
    return id ? QJsonValue(QStringLiteral("%1").arg(*id, 4, 16, QLatin1Char('0'))) : QJsonValue();
}

} // namespace

QJsonObject portsToJson(const QList<NumberedPort>& ports) {
    QJsonArray list;
    for (const NumberedPort& numbered : ports) {
        const PortDescription& p = numbered.port;
        list.append(QJsonObject{
            {QStringLiteral("number"),
             numbered.number > 0 ? QJsonValue(numbered.number) : QJsonValue()},
            {QStringLiteral("device"), p.device},
            {QStringLiteral("description"), p.description},
            {QStringLiteral("manufacturer"), p.manufacturer},
            {QStringLiteral("vendor_id"), usbId(p.vendorId)},
            {QStringLiteral("product_id"), usbId(p.productId)},
            {QStringLiteral("serial_number"), p.serialNumber},
            {QStringLiteral("simulated"), p.simulated},
        });
    }
    return QJsonObject{{QStringLiteral("ports"), list}};
}

} // namespace korvex::cli
