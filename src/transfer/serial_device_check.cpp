// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_device_check.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace korvex {
namespace {

// The terminal sides of pseudo-terminals (/dev/pts/N) have these majors.
constexpr unsigned kPtySlaveFirstMajor = 136;
constexpr unsigned kPtySlaveLastMajor = 143;
// Bluetooth serial links (/dev/rfcommN) are ttys without a device link, yet
// serial lines, and the port lists offer them.
constexpr unsigned kRfcommMajor = 216;

// sysfs names every character device by its number and links it to its class.
// Virtual consoles, /dev/tty, /dev/console and a pseudo-terminal's master side
// are ttys too, but only a line with hardware behind it has a `device` link.
bool listedAsSerialTty(const QString& sysRoot, unsigned major, unsigned minor) {
    const QByteArray entry = QFile::encodeName(
        QDir(sysRoot).filePath(QStringLiteral("sys/dev/char/%1:%2").arg(major).arg(minor)));
    char target[PATH_MAX];
    const ssize_t length = ::readlink(entry + "/subsystem", target, sizeof target - 1);
    if (length <= 0)
        return false;
    const QByteArray subsystem(target, length);
    if (!subsystem.endsWith("/tty") && subsystem != "tty")
        return false;
    struct stat device {};
    return ::lstat(entry + "/device", &device) == 0;
}

} // namespace

SerialDeviceCheck checkSerialDevice(const QString& path, const QString& sysRoot) {
    SerialDeviceCheck check;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        check.error = errno;
        check.kind = errno == ENOENT || errno == ENOTDIR ? SerialDeviceKind::Missing
                                                         : SerialDeviceKind::Unreadable;
        return check;
    }
    check.kind = SerialDeviceKind::NotSerialPort;
    if (!S_ISCHR(info.st_mode))
        return check;
    check.deviceNumber = info.st_rdev;
    const unsigned major = ::major(info.st_rdev);
    if (major >= kPtySlaveFirstMajor && major <= kPtySlaveLastMajor)
        check.kind = SerialDeviceKind::PseudoTerminal;
    else if (major == kRfcommMajor || listedAsSerialTty(sysRoot, major, ::minor(info.st_rdev)))
        check.kind = SerialDeviceKind::SerialPort;
    return check;
}

} // namespace korvex
