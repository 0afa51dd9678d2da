// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace korvex {

// What the system says when a serial port may have come or gone: udev on
// Linux, WM_DEVICECHANGE on Windows. Only a hint to list the ports again: a
// notice may come before the device is ready, or for a device that is not a
// port at all. Nothing here wakes the program while nothing happens.
class PortEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Where the notices come from, for a support report: "udev", "kernel
    // uevents", "WM_DEVICECHANGE"; empty when the system tells nothing.
    virtual QString source() const = 0;
    // Why the system's notices are not heard, when they are not.
    virtual QString problem() const { return {}; }

signals:
    void changed();
};

std::unique_ptr<PortEvents> makeSystemPortEvents();

} // namespace korvex
