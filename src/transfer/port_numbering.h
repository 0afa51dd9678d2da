// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace korvex {

struct PortDescription {
    QString device;   // what to open: /dev/ttyUSB0, COM3, a simulator's pty
    QString portName; // ttyUSB0, COM3
    QString description;
    QString manufacturer;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString serialNumber;
    bool simulated = false;
};

struct NumberedPort {
    int number; // what --port takes, and "Comm num:" where it has the digits; 0 for none
    PortDescription port;
};

// The digits of "Comm num:" resolved against one list of the ports, taken
// once: whatever it shows and resolves refers to the same enumeration, and
// asking it again enumerates nothing.
class PortSnapshot {
public:
    PortSnapshot(QList<PortDescription> ports, bool windowsStyle);

    // The numbered list, entry 0 being port 1.
    const QList<PortDescription>& ports() const { return ports_; }
    // Each port with the number that selects it: its position elsewhere, its
    // COM number on Windows.
    QList<NumberedPort> numbered() const;
    // The port a digit names, or why there is none and what to do.
    Result<PortDescription> resolve(int number) const;

private:
    QList<PortDescription> ports_;
    bool windowsStyle_;
};

// Maps the number of "Comm num:" or --port to a device. On Windows the digit is the
// COM number. Elsewhere it is the n-th entry of a stable list: USB adapters
// first, then other real ports, then running simulators. Enumerating takes
// milliseconds, so each request takes one snapshot and asks it everything.
class PortNumbering {
public:
    using Lister = std::function<QList<PortDescription>()>;

    PortNumbering(); // the system's ports
    explicit PortNumbering(Lister lister, bool windowsStyle = false);

    // Enumerates the ports once.
    PortSnapshot snapshot() const;

    // One snapshot each.
    QList<PortDescription> ports() const { return snapshot().ports(); }
    QList<NumberedPort> numbered() const { return snapshot().numbered(); }
    Result<PortDescription> resolve(int number) const { return snapshot().resolve(number); }

private:
    Lister lister_;
    bool windowsStyle_;
};

// The system's serial ports, unsorted.
QList<PortDescription> systemSerialPorts();

// Whether running simulators can be listed among them, or why not (their
// folder may not be trusted).
Outcome checkSimulatorListing();

// Orders ports the way they are numbered.
QList<PortDescription> orderedForNumbering(QList<PortDescription> ports);

} // namespace korvex
