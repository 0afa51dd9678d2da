// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_watcher.h"

#ifdef Q_OS_UNIX
#include "simulator_registry.h"
#endif

#include <QFileInfo>
#include <QSet>
#include <utility>

namespace korvex {
namespace {

// One plug brings several notices (the USB device, its interface, the tty)
// within a few milliseconds; they are answered with one listing.
constexpr int kSettleMs = 100;
constexpr int kSecondLookMs = 1000;

QSet<QString> devicesOf(const PortSnapshot& ports) {
    QSet<QString> devices;
    for (const PortDescription& port : ports.ports())
        devices.insert(port.device);
    return devices;
}

} // namespace

PortWatcher::PortWatcher(PortNumbering numbering, QObject* parent)
    : PortWatcher(std::move(numbering), makeSystemPortEvents(), parent) {}

PortWatcher::PortWatcher(PortNumbering numbering, std::unique_ptr<PortEvents> events,
                         QObject* parent)
    : QObject(parent)
    , numbering_(std::move(numbering))
    , events_(std::move(events))
    , snapshot_({}, false) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    secondLook_.setSingleShot(true);
    secondLook_.setInterval(kSecondLookMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        const QSet<QString> before = devicesOf(snapshot_);
        relist();
        if (devicesOf(snapshot_) == before && !secondLook_.isActive())
            secondLook_.start();
    });
    connect(&secondLook_, &QTimer::timeout, this, &PortWatcher::relist);
    if (events_)
        connect(events_.get(), &PortEvents::changed, this, &PortWatcher::noticed);
    connect(&folders_, &QFileSystemWatcher::directoryChanged, this, [this](const QString& path) {
        // The simulators' folder is made when the first one starts.
        if (path != simulatorFolder_)
            watchSimulatorFolder();
        noticed();
    });
}

PortWatcher::~PortWatcher() = default;

void PortWatcher::start() {
    if (started_)
        return;
    started_ = true;
    watchSimulatorFolder();
    snapshot_ = numbering_.snapshot();
}

QString PortWatcher::listeningTo() const {
    QStringList sources;
    if (events_ && !events_->source().isEmpty())
        sources << events_->source();
    if (!simulatorFolder_.isEmpty())
        sources << QStringLiteral("the simulators' folder %1").arg(simulatorFolder_);
    if (sources.isEmpty())
        return QStringLiteral("nothing");
    return sources.join(QStringLiteral(", "));
}

void PortWatcher::watchSimulatorFolder() {
#ifdef Q_OS_UNIX
    // Only a folder that is the user's own is read, and so only then watched.
    if (!checkSimulatorRegistry())
        return;
    const QString folder = simulatorRegistryPath();
    const QString parent = QFileInfo(folder).absolutePath();
    if (QFileInfo(folder).isDir()) {
        if (simulatorFolder_ != folder && folders_.addPath(folder)) {
            simulatorFolder_ = folder;
            // Its parent may be a busy runtime folder: no more listings for
            // what happens there.
            if (folders_.directories().contains(parent))
                folders_.removePath(parent);
        }
        return;
    }
    // Not there yet: its parent tells when it is made.
    if (!folders_.directories().contains(parent))
        folders_.addPath(parent);
#endif
}

void PortWatcher::noticed() {
    if (started_)
        settle_.start();
}

void PortWatcher::relist() {
    const PortSnapshot before = snapshot_;
    snapshot_ = numbering_.snapshot();
    const QSet<QString> old = devicesOf(before);
    const QSet<QString> now = devicesOf(snapshot_);
    if (old == now)
        return;
    for (const NumberedPort& port : snapshot_.numbered()) {
        if (!old.contains(port.port.device))
            emit portAppeared(port);
    }
    for (const NumberedPort& port : before.numbered()) {
        if (!now.contains(port.port.device))
            emit portGone(port);
    }
    emit portsChanged(snapshot_);
}

} // namespace korvex
