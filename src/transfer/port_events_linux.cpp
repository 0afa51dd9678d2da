// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_events.h"

#include <QSocketNotifier>
#include <cstring>
#include <libudev.h>
#include <unistd.h>

namespace korvex {
namespace {

// udev's monitor, for the tty subsystem only. With udev running, a notice
// comes once its rules have run, so the device node and its by-id link are
// there. Where no udev runs (a container), the kernel's own notices stand in;
// they may come before the node, which the watcher's settling allows for.
class UdevPortEvents final : public PortEvents {
public:
    UdevPortEvents() {
        udev_ = ::udev_new();
        if (!udev_) {
            problem_ = QStringLiteral("udev is not available: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        const bool udevRuns = ::access("/run/udev/control", F_OK) == 0;
        monitor_ = ::udev_monitor_new_from_netlink(udev_, udevRuns ? "udev" : "kernel");
        if (!monitor_ ||
            ::udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0 ||
            ::udev_monitor_enable_receiving(monitor_) < 0) {
            problem_ = QStringLiteral("the udev monitor could not be set up: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        source_ = udevRuns ? QStringLiteral("udev") : QStringLiteral("kernel uevents");
        notifier_ = std::make_unique<QSocketNotifier>(::udev_monitor_get_fd(monitor_),
                                                      QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
    }

    ~UdevPortEvents() override {
        notifier_.reset();
        if (monitor_)
            ::udev_monitor_unref(monitor_);
        if (udev_)
            ::udev_unref(udev_);
    }

    UdevPortEvents(const UdevPortEvents&) = delete;
    UdevPortEvents& operator=(const UdevPortEvents&) = delete;

    QString source() const override { return source_; }
    QString problem() const override { return problem_; }

private:
    void drain() {
        bool comeOrGone = false;
        // The monitor's socket does not block: this ends when it is empty.
        while (udev_device* device = ::udev_monitor_receive_device(monitor_)) {
            const char* action = ::udev_device_get_action(device);
            if (action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0))
                comeOrGone = true;
            ::udev_device_unref(device);
        }
        if (comeOrGone)
            emit changed();
    }

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    QString source_;
    QString problem_;
};

} // namespace

std::unique_ptr<PortEvents> makeSystemPortEvents() {
    return std::make_unique<UdevPortEvents>();
}

} // namespace korvex
