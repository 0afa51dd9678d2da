// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace korvex {

// What a device path names, found without opening it: opening a device can
// have effects of its own (a watchdog starts counting, a modem dials), so
// nothing is opened before it is known to be a serial line.
enum class SerialDeviceKind {
    SerialPort,     // a tty the kernel lists with hardware behind it, or Bluetooth
    PseudoTerminal, // the terminal side of a pseudo-terminal (the simulator's)
    Missing,        // no such file
    NotSerialPort,  // a file, a FIFO, /dev/null, a virtual console, /dev/tty...
    Unreadable,     // the path could not be looked at (`error` says why)
};

struct SerialDeviceCheck {
    SerialDeviceKind kind = SerialDeviceKind::Missing;
    quint64 deviceNumber = 0; // the character device's number, when it is one
    int error = 0;            // errno, for Unreadable
};

// Looks at `path` (links followed) and at what the kernel lists under
// sysRoot/sys; tests give a folder laid out like the system's root.
SerialDeviceCheck checkSerialDevice(const QString& path,
                                    const QString& sysRoot = QStringLiteral("/"));

} // namespace korvex
