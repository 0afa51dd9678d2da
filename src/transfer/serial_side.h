// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "port_numbering.h"
#include "send_progress.h"
#include "serial_link.h"

#include <QList>
#include <QString>
#include <optional>

namespace korvex {

// Who wants the port, as the system counts it.
struct SerialSideUser {
    uint uid = 0;
    QList<uint> sessionGroups; // the groups this login session holds
    QString name;
};

// Where the system's serial side is read: sysfs, /dev, /etc/group, the udev
// rule folders and /proc, all under one root folder, so that a test or a
// copied tree stands in for the running system.
struct SerialSideRoot {
    QString root = QStringLiteral("/");
    std::optional<SerialSideUser> user; // unset: whoever runs this program

    bool isSystem() const { return root == QLatin1String("/"); }
};

// The root to read: the running system, except in test builds where
// KORVEX_SERIAL_SIDE_ROOT names a folder tree that stands in for it.
SerialSideRoot serialSideRootFromEnvironment();

// What the system shows about one serial port.
struct SerialPortFacts {
    QString name;   // ttyUSB0
    QString device; // /dev/ttyUSB0
    QString byId;   // its /dev/serial/by-id/ link; empty when it has none
    QString driver; // the kernel driver behind it: ch341-uart, cdc_acm, ...
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString serialNumber;
    QString product;
    QString manufacturer;
    bool mayOpen = true; // false: its mode and owner keep this user out
    DeviceAccess access; // who may, when !mayOpen
    QStringList holders; // programs that have it open, where /proc shows them
};

// A USB device of a serial kind (a known converter chip, or a CDC ACM
// interface) for which the kernel made no tty.
struct AdapterWithoutPort {
    QString usbName; // 1-1.4, as sysfs names the device
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString chip;   // "CH340/CH341", "CDC ACM", ...
    QString module; // the driver module it needs
    QString driver; // the driver bound to it; empty when none
    QString product;
};

// What was found and what to do about it, in the user's words.
struct SerialFinding {
    enum class Kind { BrailleRule, NoDriver, Permission, ModemManager };
    Kind kind;
    QString device;  // the port it concerns; empty for an adapter without a port
    QString adapter; // the adapter it concerns: "1a86:7523 on USB 1-1"
    QString text;    // what the system shows
    QString fix;     // what to do, commands included
};

struct SerialSideReport {
    QList<SerialPortFacts> ports;
    QList<AdapterWithoutPort> adaptersWithoutPort;
    bool modemManagerRunning = false;
    QList<SerialFinding> findings;

    const SerialPortFacts* port(const QString& device) const;
    // Whether some port can be opened by this user and no program holds it.
    bool hasUsablePort() const;
};

// Reads the serial side under root. Empty on systems other than Linux.
SerialSideReport readSerialSide(const SerialSideRoot& root = {});

// The findings that explain why a transfer failed: the adapters without a
// port when no port was there, and what is known of the port that did not
// open.
QList<SerialFinding> explainSendFailure(const SerialSideReport& report, const SendOutcome& outcome);

// The findings as one text, each followed by its fix.
QString findingsText(const QList<SerialFinding>& findings);

// The ports as the numbering sees them: the system's, or the test tree's.
PortNumbering portNumberingFor(const SerialSideRoot& root);

} // namespace korvex
