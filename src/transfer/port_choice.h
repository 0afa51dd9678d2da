// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace korvex {

// The highest port number a choice holds: COM255, the last one Windows gives
// out; elsewhere far beyond the ports a computer lists.
inline constexpr int kHighestPortNumber = 255;

// Which port a transfer goes to: a number as "Comm num:" counts ports, which
// the port numbering turns into a device when the transfer starts, or a
// device named outright and opened as given. A value: nothing about it
// outlives the transfer it is given to.
class PortChoice {
public:
    // The port the text of "Comm num:" names: its digits. A field holding
    // only its prompt character, or nothing, names none (number 0), and the
    // numbering says so when asked.
    static PortChoice fromField(const QString& commText);
    // What --port takes: a run of digits is a number up to
    // kHighestPortNumber, also beyond what "Comm num:" holds (std::nullopt
    // for a larger one and for an empty text); anything else is a device,
    // opened as given.
    static std::optional<PortChoice> fromArgument(const QString& argument);
    static PortChoice ofDevice(QString device);

    bool namesDevice() const { return !device_.isEmpty(); }
    // The device named outright; empty when a number chooses the port.
    const QString& device() const { return device_; }
    // The number to resolve; 0 for none, and when a device is named.
    int number() const { return number_; }

private:
    PortChoice(int number, QString device)
        : number_(number)
        , device_(std::move(device)) {}

    int number_ = 0;
    QString device_;
};

} // namespace korvex
