// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

namespace korvex {

// A running simulator's advert is one small file in the registry folder: its
// name is the simulator's process and device, ending in
// kSimulatorAdvertSuffix; its text gives the device, the process and that
// process's start time, a "key=value" line each. The simulator writes it and
// port lists read it, both through what follows and nothing else.

// What one advert says.
struct SimulatorEntry {
    QString device; // an absolute path
    qint64 pid = 0;
    QByteArray start; // the process's start time; empty where the system does not say

    bool operator==(const SimulatorEntry&) const = default;
};
inline constexpr qsizetype kSimulatorEntryMaxBytes = 4096;
// Only files with this ending are taken for adverts.
inline constexpr char kSimulatorAdvertSuffix[] = ".simulator";

// Reads an advert's text; nothing when it names no device or no process.
std::optional<SimulatorEntry> parseSimulatorEntry(QByteArrayView bytes);
QByteArray formatSimulatorEntry(const SimulatorEntry& entry);

// The start time of a process, in clock ticks since boot, so that an advert
// left by a dead simulator is not taken for a live one that got its pid.
// Empty where the system does not say.
QByteArray processStart(qint64 pid);

// Writes the advert of `entry` into the opened registry folder, whole under a
// hidden name and then renamed, so that a reader never sees half a file.
// Answers the advert's name in the folder, or the system's reason.
Result<QByteArray> writeSimulatorAdvert(int folder, const SimulatorEntry& entry);

// The names of the adverts in an opened registry folder, in name order.
QList<QByteArray> simulatorAdvertNames(int folder);

// One advert of an opened registry folder. It is believed only when it is a
// small regular file of the user's, opened without following a link and
// without waiting on a FIFO.
std::optional<SimulatorEntry> readSimulatorAdvert(int folder, const QByteArray& name);

} // namespace korvex
