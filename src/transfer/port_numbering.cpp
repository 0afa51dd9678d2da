// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_numbering.h"
#include "port_choice.h"

#ifdef Q_OS_UNIX
#include "simulator_registry.h"
#endif

#include <QCoreApplication>
#include <QSerialPortInfo>
#include <algorithm>
#include <utility>

namespace korvex {

namespace {

struct PortsWords {
    Q_DECLARE_TR_FUNCTIONS(Ports)
};

// Linux names USB serial adapters ttyUSB* (converter chips) and ttyACM* (CDC
// devices); both count as adapters even when the system reports no vendor id.
bool isUsbAdapter(const PortDescription& port) {
    return port.vendorId.has_value() || port.portName.startsWith(QLatin1String("ttyUSB")) ||
           port.portName.startsWith(QLatin1String("ttyACM"));
}

int groupOf(const PortDescription& port) {
    if (port.simulated)
        return 2;
    return isUsbAdapter(port) ? 0 : 1;
}

QString nameOf(const PortDescription& port) {
    return port.portName.isEmpty() ? port.device : port.portName;
}

// Compares names so that runs of digits count by value: ttyS2 before ttyS10.
int compareNatural(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = a[i].isDigit() && a[i].unicode() < 128;
        const bool digitB = b[j].isDigit() && b[j].unicode() < 128;
        if (digitA && digitB) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA].isDigit() && a[endA].unicode() < 128)
                ++endA;
            while (endB < b.size() && b[endB].isDigit() && b[endB].unicode() < 128)
                ++endB;
            // Leading zeros do not change the value, so compare without them.
            qsizetype startA = i;
            qsizetype startB = j;
            while (startA + 1 < endA && a[startA] == QLatin1Char('0'))
                ++startA;
            while (startB + 1 < endB && b[startB] == QLatin1Char('0'))
                ++startB;
            const qsizetype lenA = endA - startA;
            const qsizetype lenB = endB - startB;
            if (lenA != lenB)
                return lenA < lenB ? -1 : 1;
            const int byDigits =
                QStringView(a).mid(startA, lenA).compare(QStringView(b).mid(startB, lenB));
            if (byDigits != 0)
                return byDigits;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

} // namespace

PortNumbering::PortNumbering()
#ifdef Q_OS_WIN
    : PortNumbering(systemSerialPorts, true)
#else
    : PortNumbering(systemSerialPorts, false)
#endif
{
}

PortNumbering::PortNumbering(Lister lister, bool windowsStyle)
    : lister_(std::move(lister))
    , windowsStyle_(windowsStyle) {}

PortSnapshot PortNumbering::snapshot() const {
    return PortSnapshot(lister_ ? lister_() : QList<PortDescription>{}, windowsStyle_);
}

PortSnapshot::PortSnapshot(QList<PortDescription> ports, bool windowsStyle)
    : ports_(orderedForNumbering(std::move(ports)))
    , windowsStyle_(windowsStyle) {}

QList<NumberedPort> PortSnapshot::numbered() const {
    QList<NumberedPort> result;
    for (qsizetype i = 0; i < ports_.size(); ++i) {
        int number = static_cast<int>(i) + 1;
        if (windowsStyle_) {
            bool isNumber = false;
            number = ports_[i].portName.mid(3).toInt(&isNumber);
            if (!ports_[i].portName.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) ||
                !isNumber)
                number = 0;
        }
        result.append({number > kHighestPortNumber ? 0 : number, ports_[i]});
    }
    return result;
}

Result<PortDescription> PortSnapshot::resolve(int number) const {
    if (number <= 0) {
        return Fault{
            PortsWords::tr("No port selected: enter a port number in \"Comm num:\" (korvex-cli "
                           "ports lists the serial ports of this computer).")};
    }

    if (windowsStyle_) {
        const QString name = QStringLiteral("COM%1").arg(number);
        // The COM number is the port's own name, so it needs no list; the list
        // only adds the description when the port is present.
        const auto it = std::find_if(ports_.begin(), ports_.end(), [&](const PortDescription& p) {
            return p.portName.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (it != ports_.end())
            return *it;
        PortDescription port;
        port.device = name;
        port.portName = name;
        return port;
    }

    const QList<PortDescription>& list = ports_;
    if (number <= list.size())
        return list[number - 1];

    if (list.isEmpty()) {
        return Fault{PortsWords::tr("Port %1 does not exist: no serial port was found on this "
                                    "computer. Plug in the serial adapter, then try again "
                                    "(korvex-cli ports lists the ports it finds).")
                         .arg(number)};
    }
    const QString count =
        list.size() == 1
            ? PortsWords::tr("there is only 1 serial port (number 1)")
            : PortsWords::tr("there are %1 serial ports (numbers 1 to %1)").arg(list.size());
    return Fault{PortsWords::tr("Port %1 does not exist: %2. Run korvex-cli ports to "
                                "see which number belongs to which device.")
                     .arg(number)
                     .arg(count)};
}

QList<PortDescription> systemSerialPorts() {
    QList<PortDescription> result;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    result.reserve(infos.size());
    for (const QSerialPortInfo& info : infos) {
        PortDescription port;
#ifdef Q_OS_WIN
        // COM3 as Windows users know it, and as a typed number resolves;
        // the serial port puts the \\.\ before it itself.
        port.device = info.portName();
#else
        port.device = info.systemLocation();
#endif
        port.portName = info.portName();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier())
            port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productId = info.productIdentifier();
        port.serialNumber = info.serialNumber();
        result.append(port);
    }
#ifdef Q_OS_UNIX
    // Simulated trackers that are running; the numbering puts them last.
    result += advertisedSimulators();
#endif
    return result;
}

Outcome checkSimulatorListing() {
#ifdef Q_OS_UNIX
    return checkSimulatorRegistry();
#else
    return Outcome::success();
#endif
}

QList<PortDescription> orderedForNumbering(QList<PortDescription> ports) {
    std::stable_sort(ports.begin(), ports.end(),
                     [](const PortDescription& a, const PortDescription& b) {
                         const int groupA = groupOf(a);
                         const int groupB = groupOf(b);
                         if (groupA != groupB)
                             return groupA < groupB;
                         const int byName = compareNatural(nameOf(a), nameOf(b));
                         if (byName != 0)
                             return byName < 0;
                         const int byDevice = compareNatural(a.device, b.device);
                         if (byDevice != 0)
                             return byDevice < 0;
                         // ttyS1 and ttyS01 count alike; the plain text still
                         // tells them apart, so no order is left to the lister.
                         return a.portName + a.device < b.portName + b.device;
                     });
    return ports;
}

} // namespace korvex
