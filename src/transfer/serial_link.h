// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace korvex {

// A line's settings as the port holds them once open, and its modem lines.
struct LineSettings {
    qint32 baudRate = 0;
    int dataBits = 0;
    QString parity;   // "none", "even", ...
    QString stopBits; // "1", "1.5", "2"
    QString flowControl;
    std::optional<bool> dtr; // unset when the device does not tell
    std::optional<bool> rts;
    QString linesError; // why the modem lines are not known, in the system's words
};

// A write-only serial line at 4800 baud, 8N1, no flow control.
class SerialLink {
public:
    virtual ~SerialLink() = default;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens the device (a system location such as /dev/ttyUSB0, or COM3; a
    // name holding a '/' is a path, relative to the current folder or not).
    // Anything but a serial line is refused before a byte is written. On
    // failure errorString() says why, and how to fix it where we know.
    virtual bool open(const QString& device) = 0;
    virtual bool isOpen() const = 0;
    // Queues the bytes and hands them to the OS without waiting for the line.
    virtual bool write(const QByteArray& bytes) = 0;
    // Hands every queued byte to the OS, then closes, leaving the line's
    // settings as they were found. Safe to call when closed.
    virtual void close() = 0;
    // Closes at once, dropping what has not left yet: for a transfer that is
    // called off half way.
    virtual void abandon() { close(); }
    virtual QString errorString() const = 0;
    // What the open port holds; nothing for a link that cannot tell. Asking
    // leaves the link's error state as it was.
    virtual std::optional<LineSettings> lineSettings() { return std::nullopt; }

protected:
    SerialLink() = default;
};

std::unique_ptr<SerialLink> makeSystemSerialLink();

// Where a device name points: a name holding a '/' is the path itself (made
// absolute), a bare name one in /dev. On Windows the name as it is.
QString serialDeviceLocation(const QString& device);

// Why a device would not open. The system's own texts rarely say what to do,
// so each kind gets a message that names the fix.
enum class SerialOpenFailure {
    Missing,          // no such device
    PermissionDenied, // the device exists but this user may not open it
    Busy,             // another program holds it, under this name or another
    NotSerialPort,    // a file, /dev/null, a virtual console, a terminal's master side...
    Other,
};

// What the system says about who may use a device, for the permission message.
struct DeviceAccess {
    QString group;              // the group that owns the device; empty when unknown
    bool groupMayWrite = true;  // members of that group may open it for writing
    bool listedInGroup = false; // the user is in the group, but not in this login session
};

QString describeOpenFailure(SerialOpenFailure kind, const QString& device,
                            const QString& systemText, const DeviceAccess& access = {});

} // namespace korvex
