// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "port_events.h"
#include "port_numbering.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <memory>

namespace korvex {

// Knows the ports as they come and go. It listens to the system's device
// notices and to the simulators' folder (a simulator starting or stopping is
// a port appearing or going), and lists the ports again only when one of
// them speaks: an idle program is not woken.
class PortWatcher : public QObject {
    Q_OBJECT
public:
    // The system's notices; tests give their own.
    explicit PortWatcher(PortNumbering numbering, QObject* parent = nullptr);
    PortWatcher(PortNumbering numbering, std::unique_ptr<PortEvents> events,
                QObject* parent = nullptr);
    ~PortWatcher() override;

    // Lists the ports as they are now, which later changes are told against,
    // and starts listening. Listing takes tens of milliseconds.
    void start();
    bool started() const { return started_; }

    // The ports as last listed.
    const PortSnapshot& snapshot() const { return snapshot_; }
    // What it listens to, for a support report: "udev, simulator folder".
    QString listeningTo() const;

    // Lists the ports again at once and tells what changed.
    void relist();

signals:
    // After the list changed: each port that came, each that went (with the
    // number it had), then the new list.
    void portAppeared(const NumberedPort& port);
    void portGone(const NumberedPort& port);
    void portsChanged(const PortSnapshot& ports);

private:
    void noticed();
    void watchSimulatorFolder();

    PortNumbering numbering_;
    std::unique_ptr<PortEvents> events_;
    QFileSystemWatcher folders_;
    QString simulatorFolder_;
    PortSnapshot snapshot_;
    QTimer settle_;
    // A notice that changed nothing may have come before its device was
    // ready: one more look a little later.
    QTimer secondLook_;
    bool started_ = false;
};

} // namespace korvex
