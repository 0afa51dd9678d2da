#pragma once

#include "port_numbering.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>
#include <string>

namespace korvex {

// Running simulators leave a small file each in the user's runtime folder, so
// that port lists can offer their pseudo-terminals after the real ports. The
// folder is shared ground (/tmp when the session has no runtime folder), so it
// is used only when it is the user's own, no symbolic link, mode 0700, and
// only files and devices of the user's own are believed.
// KORVEX_SIMULATOR_DIR names another folder (tests keep to their own); it
// must pass the same checks.

// Where the adverts live, and why that folder may not be used (empty when it
// may, or when it does not exist yet).
struct SimulatorRegistry {
    QString path;
    QString problem;
};
SimulatorRegistry locateSimulatorRegistry();

// What one advert says.
struct SimulatorEntry {
    QString device; // an absolute path
    qint64 pid = 0;
    QByteArray start; // the process's start time; empty where the system does not say

    bool operator==(const SimulatorEntry&) const = default;
};
inline constexpr qsizetype kSimulatorEntryMaxBytes = 4096;
// Reads an advert's text; nothing when it names no device or no process.
std::optional<SimulatorEntry> parseSimulatorEntry(QByteArrayView bytes);
QByteArray formatSimulatorEntry(const SimulatorEntry& entry);

// The advertised simulators whose process still runs and whose device still
// exists. Adverts of simulators that died are removed.
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
