// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "port_choice.h"
#include "port_numbering.h"
#include "send_progress.h"
#include "serial_link.h"
#include "settings/config_block.h"
#include "transfer_trace.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

namespace korvex {

// Runs one transfer on the fixed timeline (port open and started at 0,
// preamble and frame 1 at 400/410 ms, preamble and frame 2 at 810/820 ms, port
// closed at 1220 ms, finished at 1620 ms). Everything waits on timers, so the
// event loop of the caller keeps running. It reports facts only: the progress
// dialog and the CLI each put them into their own words.
class FrameSender : public QObject {
    Q_OBJECT
public:
    using LinkFactory = std::function<std::unique_ptr<SerialLink>()>;

    explicit FrameSender(QObject* parent = nullptr); // system ports and links
    FrameSender(PortNumbering numbering, LinkFactory linkFactory, QObject* parent = nullptr);
    ~FrameSender() override;

    // Starts a transfer of the block to the chosen port: a number is resolved
    // by the port numbering, a device is opened as given. Ignored while a
    // transfer runs. When no port can be opened, finished is emitted before
    // start() returns, unless a number waits for the ports to be listed in
    // the background.
    void start(const ConfigBlock& block, const PortChoice& port);

    // Takes the port list on a thread of its own, so that a window's event
    // loop keeps running while the system's ports are enumerated (that takes
    // tens of milliseconds); start() then reports even a missing port later,
    // through the same signals.
    void setResolveInBackground(bool on);

    // Calls the transfer off: what has not left yet is dropped, the port
    // closes with its settings as found, and finished reports Interrupted.
    // Ignored when idle.
    void interrupt();

    bool isBusy() const;
    // What the last transfer did on the line, or the one under way.
    TransferTrace lastTrace() const;
    bool isPortOpen() const;

signals:
    // The port is open and the timeline runs.
    void started(const SendTarget& target);
    // Step `step` (1 to 3) begins: frame 1, frame 2, the close.
    void progressed(int step);
    // The port's open state changed (the window refuses to close while open).
    void portOpenChanged(bool open);
    // The transfer is over, on every path; the port is closed and the sender
    // idle, so a listener may start the next one.
    void finished(const SendOutcome& outcome);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace korvex
