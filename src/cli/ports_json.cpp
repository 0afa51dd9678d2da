// SPDX-License-Identifier: GPL-3.0-or-later
#include "ports_json.h"

#include <QJsonArray>

namespace korvex::cli {
namespace {

QJsonValue usbId(const std::optional<quint16>& id) {
    return id ? QJsonValue(QStringLiteral("%1").arg(*id, 4, 16, QLatin1Char('0'))) : QJsonValue();
}

QJsonValue orNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

const char* kindName(SerialFinding::Kind kind) {
    switch (kind) {
    case SerialFinding::Kind::BrailleRule:
        return "braille_rule";
    case SerialFinding::Kind::NoDriver:
        return "no_driver";
    case SerialFinding::Kind::Permission:
        return "permission";
    case SerialFinding::Kind::ModemManager:
        return "modem_manager";
    }
    return "";
}

} // namespace

QJsonObject portsToJson(const QList<NumberedPort>& ports, const SerialSideReport& side) {
    QJsonArray list;
    for (const NumberedPort& numbered : ports) {
        const PortDescription& p = numbered.port;
        const SerialPortFacts* facts = p.simulated ? nullptr : side.port(p.device);
        list.append(QJsonObject{
            {QStringLiteral("number"),
             numbered.number > 0 ? QJsonValue(numbered.number) : QJsonValue()},
            {QStringLiteral("device"), p.device},
            {QStringLiteral("by_id"), facts ? orNull(facts->byId) : QJsonValue()},
            {QStringLiteral("driver"), facts ? orNull(facts->driver) : QJsonValue()},
            {QStringLiteral("description"), p.description},
            {QStringLiteral("manufacturer"), p.manufacturer},
            {QStringLiteral("vendor_id"), usbId(p.vendorId)},
            {QStringLiteral("product_id"), usbId(p.productId)},
            {QStringLiteral("serial_number"), p.serialNumber},
            {QStringLiteral("simulated"), p.simulated},
        });
    }
    QJsonArray adapters;
    for (const AdapterWithoutPort& adapter : side.adaptersWithoutPort) {
        adapters.append(QJsonObject{
            {QStringLiteral("usb"), adapter.usbName},
            {QStringLiteral("vendor_id"), usbId(adapter.vendorId)},
            {QStringLiteral("product_id"), usbId(adapter.productId)},
            {QStringLiteral("chip"), adapter.chip},
            {QStringLiteral("module"), adapter.module},
            {QStringLiteral("driver"), orNull(adapter.driver)},
            {QStringLiteral("product"), adapter.product},
        });
    }
    return QJsonObject{{QStringLiteral("ports"), list},
                       {QStringLiteral("adapters_without_port"), adapters}};
}

QJsonArray findingsToJson(const QList<SerialFinding>& findings) {
    QJsonArray list;
    for (const SerialFinding& finding : findings) {
        list.append(QJsonObject{
            {QStringLiteral("kind"), QString::fromLatin1(kindName(finding.kind))},
            {QStringLiteral("device"), orNull(finding.device)},
            {QStringLiteral("adapter"), orNull(finding.adapter)},
            {QStringLiteral("finding"), finding.text},
            {QStringLiteral("fix"), finding.fix},
        });
    }
    return list;
}

} // namespace korvex::cli
