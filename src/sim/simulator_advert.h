// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace korvex {

// Advertises one simulator's device in the simulator registry for as long as
// it lives, so that port lists offer it after the real ports.
class SimulatorAdvert {
public:
    explicit SimulatorAdvert(const QString& device);
    ~SimulatorAdvert();
    SimulatorAdvert(const SimulatorAdvert&) = delete;
    SimulatorAdvert& operator=(const SimulatorAdvert&) = delete;

    bool ok() const { return !path_.empty(); }
    QString error() const { return error_; }
    QString path() const { return QString::fromStdString(path_); }

    // Removes the file with nothing but unlink(), so a signal handler may call it.
    void withdraw() noexcept;

private:
    std::string path_;
    QString error_;
};

} // namespace korvex
