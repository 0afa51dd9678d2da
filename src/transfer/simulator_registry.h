#pragma once

#include "port_numbering.h"

#include <QList>
#include <QString>
#include <string>

namespace korvex {

// Running simulators leave a small file each in the user's runtime folder, so
// that port lists can offer their pseudo-terminals after the real ports.
// KORVEX_SIMULATOR_DIR names another folder (tests keep to their own).
QString simulatorRegistryDir();

// The advertised simulators whose process still runs and whose device still
// exists. Left-over files of simulators that died are skipped.
QList<PortDescription> advertisedSimulators();

// Advertises one simulator's device for as long as it lives.
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
