// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/serial_side.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex::testing {

// A folder tree laid out as Linux shows its serial side, for one case.
class SerialSideTree {
public:
    // Files: "path=content"; links: "path->target"; both relative to the root.
    SerialSideTree& add(const QString& entry) {
        const qsizetype arrow = entry.indexOf(QLatin1String("->"));
        const QString path = dir_.filePath(entry.left(arrow >= 0 ? arrow : entry.indexOf(u'=')));
        QDir().mkpath(QFileInfo(path).path());
        if (arrow >= 0) {
            QFile::link(entry.mid(arrow + 2), path);
        } else {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(entry.mid(entry.indexOf(u'=') + 1).toUtf8() + '\n');
        }
        return *this;
    }

    // A USB device with one interface: "1a86:7523", the interface's driver
    // ("" for none) and its tty ("" for none; ttyACM ports make a CDC ACM).
    SerialSideTree& usb(const QString& name, const QString& id, const QString& driver,
                        const QString& tty, mode_t mode = 0666) {
        const QString device = QStringLiteral("sys/devices/usb1/") + name;
        const QString interface = device + u'/' + name + QStringLiteral(":1.0");
        const bool acm = tty.startsWith(QLatin1String("ttyACM"));
        add(device + "/idVendor=" + id.left(4)).add(device + "/idProduct=" + id.mid(5));
        add(device + "/product=USB Serial").add(device + "/serial=A1B2");
        add(interface + (acm ? "/bInterfaceClass=02" : "/bInterfaceClass=ff"));
        add(interface + "/bInterfaceSubClass=02");
        add("sys/bus/usb/devices/" + name + "->../../../devices/usb1/" + name);
        add("sys/bus/usb/devices/" + name + ":1.0->../../../devices/usb1/" + name + '/' + name +
            ":1.0");
        if (!driver.isEmpty())
            add(interface + "/driver->../../../../bus/usb/drivers/" + driver);
        if (tty.isEmpty())
            return *this;
        const QString port = acm ? interface + "/tty/" + tty : interface + u'/' + tty;
        add(port + "/uevent=");
        if (!acm)
            add(port + "/driver->../../../../../bus/usb-serial/drivers/" + driver + "-uart");
        add("sys/class/tty/" + tty + "/device->../../../" + (acm ? interface : port).mid(4));
        add("dev/" + tty + "=");
        const QByteArray node = QFile::encodeName(dir_.filePath("dev/" + tty));
        ::chmod(node.constData(), mode);
        // Root's group earns no advice; a test run as root gives the node another.
        if (::getuid() == 0) [[maybe_unused]]
            const int changed = ::chown(node.constData(), static_cast<uid_t>(-1), 20);
        return *this;
    }

    uint groupOf(const QString& path) const { return QFileInfo(dir_.filePath(path)).groupId(); }

    // As alice, whose session holds none of the tree's groups.
    SerialSideRoot root() const { return {dir_.path(), SerialSideUser{4242, {}, "alice"}}; }

private:
    QTemporaryDir dir_;
};

} // namespace korvex::testing
