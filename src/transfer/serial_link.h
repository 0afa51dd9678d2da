#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace korvex {

// A write-only serial line at 4800 baud, 8N1, no flow control.
class SerialLink {
public:
    virtual ~SerialLink() = default;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens the device (a system location such as /dev/ttyUSB0, or COM3).
    // On failure errorString() says why, and how to fix it where we know.
    virtual bool open(const QString& device) = 0;
    virtual bool isOpen() const = 0;
    // Queues the bytes and hands them to the OS without waiting for the line.
    virtual bool write(const QByteArray& bytes) = 0;
    // Hands every queued byte to the OS, then closes. Safe to call when closed.
    virtual void close() = 0;
    virtual QString errorString() const = 0;

protected:
    SerialLink() = default;
};

std::unique_ptr<SerialLink> makeSystemSerialLink();

} // namespace korvex
