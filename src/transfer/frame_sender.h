#pragma once

#include "port_numbering.h"
#include "serial_link.h"
#include "settings/config_block.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

namespace korvex {

// Runs one transfer on the fixed timeline (dialog at 0, preamble and frame 1
// at 400/410 ms, preamble and frame 2 at 810/820 ms, port closed at 1220 ms,
// result at 1620 ms). Everything waits on timers, so the event loop of the
// caller keeps running; the progress dialog and the CLI listen to the signals.
class FrameSender : public QObject {
    Q_OBJECT
public:
    using LinkFactory = std::function<std::unique_ptr<SerialLink>()>;

    explicit FrameSender(QObject* parent = nullptr); // system ports and links
    FrameSender(PortNumbering numbering, LinkFactory linkFactory, QObject* parent = nullptr);
    ~FrameSender() override;

    // Starts a transfer of the block to the port that commText (the text of
    // "Comm num:") names. Ignored while a transfer runs. When no port can be
    // opened, failed and finished are emitted before start() returns.
    void start(const ConfigBlock& block, const QString& commText);

    // Takes the port list on a thread of its own, so that a window's event
    // loop keeps running while the system's ports are enumerated (that takes
    // tens of milliseconds); start() then reports even a missing port later,
    // through the same signals.
    void setResolveInBackground(bool on);

    bool isBusy() const;
    bool isPortOpen() const;

    static QString resultText();

signals:
    // The port is open: show the progress dialog with this text, OK hidden.
    void dialogShown(const QString& text);
    // The progress text gained a dot.
    void progressChanged(const QString& text);
    // Every write was accepted: show the result text and the OK button.
    void completed(const QString& text);
    // The transfer failed; the port is already closed. The description is
    // what the system said, with the fix where one is known.
    void failed(const QString& description);
    // The port's open state changed (the window refuses to close while open).
    void portOpenChanged(bool open);
    // The transfer is over, on every path (also the silent one).
    void finished();

private:
    // ... implementation detail (private slots / members) belongs to the implementer
    void openAndRun(const PortSnapshot& ports, const QString& commText);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace korvex
