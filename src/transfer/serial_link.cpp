// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_link.h"

#ifdef Q_OS_LINUX
#include "serial_device_check.h"
#include "serial_side.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>
#endif

namespace korvex {

namespace {

struct SerialLinkWords {
    Q_DECLARE_TR_FUNCTIONS(SerialLink)
};

// A write hands its bytes to the driver; a driver that takes none for this
// long is stuck (a disconnected adapter, a far end that never reads).
constexpr int kHandOverTimeoutMs = 200;
// Time for a full transmit buffer to leave at 4800 baud, with room to spare.
constexpr int kCloseDrainTimeoutMs = 2000;
#ifdef Q_OS_WIN
constexpr QIODevice::OpenMode kOpenMode = QIODevice::ReadWrite;
#else
constexpr QIODevice::OpenMode kOpenMode = QIODevice::WriteOnly;
#endif

#ifdef Q_OS_UNIX

bool sessionHasGroup(gid_t gid) {
    if (getegid() == gid)
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == gid)
            return true;
    }
    return false;
}

DeviceAccess deviceAccess(const struct stat& info) {
    DeviceAccess access;
    access.groupMayWrite = (info.st_mode & S_IWGRP) != 0;
    // Membership of root's group is no advice to give anyone.
    if (info.st_gid == 0)
        return access;
    if (const group* owner = getgrgid(info.st_gid)) {
        access.group = QString::fromLocal8Bit(owner->gr_name);
        const passwd* me = getpwuid(getuid());
        if (me && !sessionHasGroup(info.st_gid)) {
            for (char** member = owner->gr_mem; member && *member; ++member) {
                if (qstrcmp(*member, me->pw_name) == 0)
                    access.listedInGroup = true;
            }
        }
    }
    return access;
}

#endif

QString openFailureText(const QString& device, QSerialPort::SerialPortError error,
                        const QString& systemText) {
#ifdef Q_OS_UNIX
    // Qt reports a missing lock, a held device and a denied open all as a
    // permission error; the file system tells them apart.
    const QByteArray path = QFile::encodeName(serialDeviceLocation(device));
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return describeOpenFailure(SerialOpenFailure::Missing, device, systemText);
        return describeOpenFailure(SerialOpenFailure::Other, device, systemText);
    }
    if (error == QSerialPort::DeviceNotFoundError)
        return describeOpenFailure(SerialOpenFailure::Missing, device, systemText);
    // Qt refuses what has no terminal settings (a file, /dev/null) with the
    // system's ENOTTY text; a FIFO without a reader does not open at all.
    if (!S_ISCHR(info.st_mode) || systemText == QString::fromLocal8Bit(::strerror(ENOTTY)))
        return describeOpenFailure(SerialOpenFailure::NotSerialPort, device, systemText);
    if (error == QSerialPort::PermissionError) {
        if (::access(path.constData(), W_OK) != 0 && (errno == EACCES || errno == EPERM)) {
            return describeOpenFailure(SerialOpenFailure::PermissionDenied, device, systemText,
                                       deviceAccess(info));
        }
        return describeOpenFailure(SerialOpenFailure::Busy, device, systemText);
    }
    return describeOpenFailure(SerialOpenFailure::Other, device, systemText);
#else
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        // An adapter without its driver has no COM port at all.
        return describeOpenFailure(SerialOpenFailure::Missing, device, systemText) +
               SerialLinkWords::tr(
                   " In Device Manager the adapter must be listed under \"Ports (COM "
                   "& LPT)\" with its COM number; under \"Other devices\" it has no "
                   "driver: install the adapter's driver first.");
    case QSerialPort::PermissionError:
        // Windows answers "access denied" for a port that another program holds.
        return describeOpenFailure(SerialOpenFailure::Busy, device, systemText);
    default:
        return describeOpenFailure(SerialOpenFailure::Other, device, systemText);
    }
#endif
}

// Whether an opened descriptor is the terminal side of a serial line. A file,
// /dev/null or a FIFO is no terminal at all; a pseudo-terminal's master side
// passes isatty() on Linux, but what is written to it goes to whoever holds
// the other side, usually nobody.
bool isSerialLine([[maybe_unused]] qintptr handle) {
#ifdef Q_OS_UNIX
    const int fd = static_cast<int>(handle);
    termios attributes{};
    if (fd < 0 || ::isatty(fd) != 1 || ::tcgetattr(fd, &attributes) != 0)
        return false;
#ifdef TIOCGPTN
    unsigned int ptyNumber = 0;
    if (::ioctl(fd, TIOCGPTN, &ptyNumber) == 0)
        return false;
#endif
#endif
    return true;
}

class QtSerialLink final : public SerialLink {
public:
    ~QtSerialLink() override { close(); }

    bool open(const QString& device) override {
        close();
        error_.clear();
        device_ = device;
        const QString location = serialDeviceLocation(device);
        if (!holdDevice(location))
            return false;
        port_.setPortName(location);
        port_.setBaudRate(QSerialPort::Baud4800);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        // Nothing is ever read back from the tracker. Windows asks for read
        // access to get and set a port's line settings, so there the port
        // opens for both; nothing reads it all the same.
        if (!port_.open(kOpenMode)) {
            error_ = openFailureText(device, port_.error(), port_.errorString());
            port_.clearError();
            releaseDevice();
            return false;
        }
        if (!isSerialLine(qintptr(port_.handle())) || !opensHeldDevice()) { // fd or HANDLE
            port_.close();
            port_.clearError();
            releaseDevice();
            error_ = describeOpenFailure(SerialOpenFailure::NotSerialPort, device, {});
            return false;
        }
        return true;
    }

    bool isOpen() const override { return port_.isOpen(); }

    bool write(const QByteArray& bytes) override {
        if (!port_.isOpen()) {
            error_ = SerialLinkWords::tr("Cannot write to %1: the port is not open.").arg(device_);
            return false;
        }
        port_.clearError();
        if (port_.write(bytes) != bytes.size()) {
            error_ = writeFailureText();
            return false;
        }
        // QSerialPort only queues; without this the bytes would wait for the
        // event loop, and the pauses between the writes would lose their meaning.
        if (!handOver(kHandOverTimeoutMs)) {
            if (error_.isEmpty()) {
                error_ = SerialLinkWords::tr("Cannot write to %1: the port took no data for %2 ms "
                                             "(%3 bytes still waiting). Check the cable and the "
                                             "adapter, then try again.")
                             .arg(device_)
                             .arg(kHandOverTimeoutMs)
                             .arg(port_.bytesToWrite());
            }
            return false;
        }
        return true;
    }

    void close() override {
        if (port_.isOpen()) {
            // QSerialPort::close() drops whatever is still queued.
            if (port_.bytesToWrite() > 0)
                handOver(kCloseDrainTimeoutMs);
            restoreSettings(/*drain=*/true);
            port_.close();
            port_.clearError();
        }
        releaseDevice();
    }

    void abandon() override {
        if (port_.isOpen()) {
            port_.clear(QSerialPort::Output);
            dropUnsent();
            restoreSettings(/*drain=*/false);
            port_.close();
            port_.clearError();
        }
        releaseDevice();
    }

    QString errorString() const override { return error_; }

    std::optional<LineSettings> lineSettings() override {
        if (!port_.isOpen())
            return std::nullopt;
        LineSettings settings;
        settings.baudRate = port_.baudRate();
        settings.dataBits = static_cast<int>(port_.dataBits());
        settings.parity = parityName(port_.parity());
        settings.stopBits = stopBitsName(port_.stopBits());
        settings.flowControl =
            port_.flowControl() == QSerialPort::NoFlowControl     ? QStringLiteral("none")
            : port_.flowControl() == QSerialPort::HardwareControl ? QStringLiteral("RTS/CTS")
                                                                  : QStringLiteral("XON/XOFF");
        // Asking may fail (a pseudo-terminal has no modem lines); the port's
        // error state is the transfer's, so it is left as it was.
        QSerialPort& port = port_;
        const QSerialPort::SerialPortError before = port.error();
        const QSerialPort::PinoutSignals lines = port.pinoutSignals();
        if (port.error() != before) {
            settings.linesError = port.errorString();
            port.clearError();
        } else {
            settings.dtr = lines.testFlag(QSerialPort::DataTerminalReadySignal);
            settings.rts = lines.testFlag(QSerialPort::RequestToSendSignal);
        }
        return settings;
    }

private:
    static QString parityName(QSerialPort::Parity parity) {
        switch (parity) {
        case QSerialPort::NoParity:
            return QStringLiteral("none");
        case QSerialPort::EvenParity:
            return QStringLiteral("even");
        case QSerialPort::OddParity:
            return QStringLiteral("odd");
        case QSerialPort::SpaceParity:
            return QStringLiteral("space");
        case QSerialPort::MarkParity:
            return QStringLiteral("mark");
        }
        return QStringLiteral("unknown");
    }
    static QString stopBitsName(QSerialPort::StopBits bits) {
        switch (bits) {
        case QSerialPort::OneStop:
            return QStringLiteral("1");
        case QSerialPort::OneAndHalfStop:
            return QStringLiteral("1.5");
        case QSerialPort::TwoStop:
            return QStringLiteral("2");
        }
        return QStringLiteral("unknown");
    }

#ifdef Q_OS_UNIX
    // Checks what the name points to without opening it, then holds the
    // device on a descriptor of its own, locked with flock(): the lock is on
    // the device, so a second sender meets it under any name of the port (a
    // by-id link, the real path), root too, before it has touched the line.
    bool holdDevice(const QString& location) {
        const QByteArray path = QFile::encodeName(location);
#ifdef Q_OS_LINUX
        // sysfs is read under the one root the serial side is read from.
        const SerialDeviceCheck check =
            checkSerialDevice(location, serialSideRootFromEnvironment().root);
        switch (check.kind) {
        case SerialDeviceKind::SerialPort:
        case SerialDeviceKind::PseudoTerminal:
            break;
        case SerialDeviceKind::Missing:
            error_ = describeOpenFailure(SerialOpenFailure::Missing, device_, {});
            return false;
        case SerialDeviceKind::NotSerialPort:
            error_ = describeOpenFailure(SerialOpenFailure::NotSerialPort, device_, {});
            return false;
        case SerialDeviceKind::Unreadable:
            error_ = describeOpenFailure(SerialOpenFailure::Other, device_,
                                         QString::fromLocal8Bit(::strerror(check.error)));
            return false;
        }
#endif
        const int fd = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            const auto kind = error == ENOENT ? QSerialPort::DeviceNotFoundError
                              : error == EACCES || error == EPERM || error == EBUSY
                                  ? QSerialPort::PermissionError
                                  : QSerialPort::OpenError;
            error_ = openFailureText(device_, kind, QString::fromLocal8Bit(::strerror(error)));
            return false;
        }
        held_ = fd;
        struct stat info {};
        bool changed = ::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode);
#ifdef Q_OS_LINUX
        // The name may have been pointed elsewhere since it was looked at.
        changed = changed || info.st_rdev != check.deviceNumber;
#endif
        if (changed) {
            releaseDevice();
            error_ = describeOpenFailure(SerialOpenFailure::NotSerialPort, device_, {});
            return false;
        }
        heldDevice_ = info.st_rdev;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            releaseDevice();
            error_ = error == EWOULDBLOCK
                         ? describeOpenFailure(SerialOpenFailure::Busy, device_, {})
                         : describeOpenFailure(SerialOpenFailure::Other, device_,
                                               QString::fromLocal8Bit(::strerror(error)));
            return false;
        }
        // The line's settings as found, given back when the port closes.
        foundSettingsValid_ = ::tcgetattr(fd, &foundSettings_) == 0;
        return true;
    }

    // Qt opened the name again: it must still be the device that is held.
    bool opensHeldDevice() const {
        struct stat info {};
        return held_ >= 0 && ::fstat(static_cast<int>(port_.handle()), &info) == 0 &&
               info.st_rdev == heldDevice_;
    }

    void restoreSettings(bool drain) {
        if (held_ >= 0 && foundSettingsValid_)
            ::tcsetattr(held_, drain ? TCSADRAIN : TCSANOW, &foundSettings_);
    }

    // What the driver still holds would otherwise go out after the close.
    void dropUnsent() {
        ::tcflush(held_, TCOFLUSH);
    }

    void releaseDevice() {
        if (held_ >= 0)
            ::close(held_); // ends the lock
        held_ = -1;
        foundSettingsValid_ = false;
    }

    int held_ = -1;
    dev_t heldDevice_ = 0;
    termios foundSettings_{};
    bool foundSettingsValid_ = false;
#else
    // Windows lets one program at a time open a port: nothing to hold.
    bool holdDevice(const QString&) {
        return true;
    }
    bool opensHeldDevice() const {
        return true;
    }
    void dropUnsent() {}
    void restoreSettings(bool) {}
    void releaseDevice() {}
#endif

    // Moves every queued byte to the driver, waiting at most timeoutMs. Polls the
    // port itself: no event loop runs, so nothing else can happen meanwhile.
    bool handOver(int timeoutMs) {
        QElapsedTimer clock;
        clock.start();
        while (port_.bytesToWrite() > 0) {
            port_.flush();
            if (hardError()) {
                error_ = writeFailureText();
                return false;
            }
            if (port_.bytesToWrite() == 0)
                break;
            const qint64 left = timeoutMs - clock.elapsed();
            if (left <= 0)
                return false;
            port_.waitForBytesWritten(static_cast<int>(left));
            if (hardError()) {
                error_ = writeFailureText();
                return false;
            }
        }
        return true;
    }

    bool hardError() const {
        const auto error = port_.error();
        return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
    }

    QString writeFailureText() const {
        if (port_.error() == QSerialPort::ResourceError) {
            return SerialLinkWords::tr("Cannot write to %1: the device went away (%2). Check that "
                                       "the serial adapter is still plugged in, then try again.")
                .arg(device_, port_.errorString());
        }
        return SerialLinkWords::tr("Cannot write to %1: %2.").arg(device_, port_.errorString());
    }

    QSerialPort port_;
    QString device_;
    QString error_;
};

} // namespace

std::unique_ptr<SerialLink> makeSystemSerialLink() {
    return std::make_unique<QtSerialLink>();
}

QString serialDeviceLocation(const QString& device) {
#ifdef Q_OS_UNIX
    // Qt would put /dev/ before "./ttyX" or "sim/tty" as well.
    if (device.contains(QLatin1Char('/')))
        return QDir::current().absoluteFilePath(device);
    return QStringLiteral("/dev/") + device;
#else
    return device;
#endif
}

QString describeOpenFailure(SerialOpenFailure kind, const QString& device,
                            const QString& systemText, const DeviceAccess& access) {
    switch (kind) {
    case SerialOpenFailure::Missing:
        return SerialLinkWords::tr(
                   "Cannot open %1: there is no such device. Check that the serial "
                   "adapter is plugged in and that \"Comm num:\" names the right port "
                   "(korvex-cli ports lists them).")
            .arg(device);
    case SerialOpenFailure::Busy:
        return SerialLinkWords::tr(
                   "Cannot open %1: the port is in use by another program. Close the "
                   "program that holds it (a terminal, another configurator), then "
                   "try again.")
            .arg(device);
    case SerialOpenFailure::PermissionDenied:
        if (access.group.isEmpty() || !access.groupMayWrite) {
            return SerialLinkWords::tr(
                       "Cannot open %1: permission denied, and no group of users may "
                       "write to it. Ask the administrator for write access to the "
                       "device (for example a udev rule that gives it to the "
                       "\"dialout\" group).")
                .arg(device);
        }
        if (access.listedInGroup) {
            return SerialLinkWords::tr(
                       "Cannot open %1: permission denied. You are in the group \"%2\" "
                       "that owns it, but this login session started before you "
                       "were added: log out and log in again.")
                .arg(device, access.group);
        }
        return SerialLinkWords::tr(
                   "Cannot open %1: permission denied. The device belongs to the group "
                   "\"%2\". Add yourself to it with: sudo usermod -aG %2 $USER, then "
                   "log out and log in again.")
            .arg(device, access.group);
    case SerialOpenFailure::NotSerialPort:
        return SerialLinkWords::tr(
                   "Cannot use %1: it is not a serial port, so nothing was sent. Give "
                   "the serial adapter's device (korvex-cli ports lists them).")
            .arg(device);
    case SerialOpenFailure::Other:
        break;
    }
    return SerialLinkWords::tr("Cannot open %1: %2.").arg(device, systemText);
}

} // namespace korvex
