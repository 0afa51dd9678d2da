// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_serial_link.h"
#include "support/pseudo_terminal.h"
#include "transfer/frames.h"
#include "transfer/serial_device_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pty.h>
#include <pwd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvex {
namespace {

using Clock = std::chrono::steady_clock;

using korvex::testing::Pty;

// Holds the bytes a tty would love to interpret: CR, LF, XON, XOFF, ^C, ^D,
// ^Z, DEL, and 0xFF (a parity mark in some modes).
ConfigBlock awkwardBlock() {
    ConfigBlock block{};
    const std::uint8_t awkward[] = {0x0D, 0x0A, 0x11, 0x13, 0x03, 0x04, 0x1A, 0x7F, 0xFF, 0x00};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = i % 3 ? static_cast<std::uint8_t>(i * 29 + 5) : awkward[i / 3 % 10];
    return block;
}

PortNumbering only(const QString& device) {
    return PortNumbering([device] { return QList<PortDescription>{testing::portAt(device)}; });
}

TEST(SerialLinkOnPty, DeliversEveryByteAsWritten) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    pty.startReading();
    const ConfigBlock block = awkwardBlock();
    FrameSender sender(only(pty.slavePath()), makeSystemSerialLink);
    QString outcome;
    QEventLoop loop;
    QObject::connect(&sender, &FrameSender::finished, [&](const SendOutcome& how) {
        outcome = how.kind == SendOutcome::Kind::Completed ? "completed" : how.reason;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    sender.start(block, PortChoice::fromField("1"));
    if (sender.isBusy())
        loop.exec();
    ASSERT_EQ(outcome, "completed");
    QTimer::singleShot(150, &loop, &QEventLoop::quit); // let stragglers arrive
    loop.exec();
    pty.stopReading();

    QByteArray received;
    for (const auto& chunk : pty.chunks())
        received += chunk.bytes;
    EXPECT_EQ(received, lineStream(block));
}

TEST(SerialLinkOnPty, Opens4800Baud8N1AndHandsEveryByteOverBeforeClosing) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    auto link = makeSystemSerialLink();
    ASSERT_TRUE(link->open(pty.slavePath())) << link->errorString().toStdString();
    termios t{};
    ASSERT_EQ(::tcgetattr(pty.slaveFd(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), speed_t{B4800});
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t{CS8});
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);

    // No event loop runs here: the bytes must not wait for one, nor die with the close.
    ASSERT_TRUE(link->write("\xFF\xFF"));
    EXPECT_EQ(pty.read(200), "\xFF\xFF");
    ASSERT_TRUE(link->write(lineStream(awkwardBlock())));
    link->close();
    EXPECT_EQ(pty.read(200), lineStream(awkwardBlock()));
    link->close();
    EXPECT_FALSE(link->isOpen() || link->write("\xFF\xFF"));
}

TEST(SerialLinkErrors, AMissingOrBusyDeviceFailsBeforeTheDialogWithAClearReason) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    auto holder = makeSystemSerialLink();
    ASSERT_TRUE(holder->open(pty.slavePath()));
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo"), file = dir.filePath("file");
    const QString byId = dir.filePath("usb-Korvex-if00-port0");
    ASSERT_TRUE(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 &&
                QFile(file).open(QIODevice::WriteOnly) && QFile::link(pty.slavePath(), byId));
    const int fifoReader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    // Whatever is no serial port is refused before open() has had any effect.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN);
    const struct {
        QString device;
        QString says;
    } cases[] = {
        {"/dev/korvex-no-such-tty", "no such device"},
        {pty.slavePath(), "in use by another program"},
        {byId, "in use by another program"}, // the same port under another name, root too
        {"/dev/random", "not a serial port"},
        {"/dev/tty", "not a serial port"},
        {fifo, "not a serial port"},
        {file, "not a serial port"},
        // Open, but no serial line: bytes written there would go nowhere.
        {"/dev/null", "not a serial port"},
        {"/dev/ptmx", "not a serial port"},
        {"./" + QDir::current().relativeFilePath(QCoreApplication::applicationFilePath()),
         "not a serial port"},
    };
    for (const auto& c : cases) {
        FrameSender sender(only(c.device), makeSystemSerialLink);
        QStringList seen;
        QObject::connect(&sender, &FrameSender::started, [&] { seen << "started"; });
        QObject::connect(&sender, &FrameSender::finished,
                         [&](const SendOutcome& how) { seen << how.reason; });
        sender.start(ConfigBlock{}, PortChoice::fromField("1"));
        ASSERT_EQ(seen.size(), 1) << seen.join(" | ").toStdString();
        EXPECT_TRUE(seen[0].contains(c.device) && seen[0].contains(c.says))
            << seen[0].toStdString();
    }
    EXPECT_EQ(pty.read(50), QByteArray());
    char events[512];
    EXPECT_EQ(::read(watch, events, sizeof events), -1) << "a refused device was opened";
    ::close(watch);
    ::close(fifoReader);
    holder->close();
    EXPECT_TRUE(holder->open(pty.slavePath())); // the failed attempt left no lock behind
}

// What the kernel lists decides, by the device's number: virtual consoles,
// /dev/console and /dev/tty are ttys too, but have no hardware behind them.
TEST(SerialLinkErrors, OnlyTtysWithHardwareAndPseudoTerminalsAreSerialPorts) {
    Pty pty;
    QTemporaryDir dir;
    // sysfs as it would list /dev/null's number: serial hardware, a virtual console, memory.
    auto sysfs = [&](const char* name, const char* subsystem, bool device) {
        const QString entry = dir.filePath(name) + "/sys/dev/char/1:3";
        QDir().mkpath(entry + (device ? "/device" : ""));
        QFile::link(QStringLiteral("../../../../class/") + subsystem, entry + "/subsystem");
        return dir.filePath(name);
    };
    using K = SerialDeviceKind;
    const std::tuple<QString, K, QString> cases[] = {
        {"/dev/console", K::NotSerialPort, "/"},
        {"/dev/tty0", K::NotSerialPort, "/"},
        {pty.slavePath(), K::PseudoTerminal, "/"},
        {"/dev/null", K::SerialPort, sysfs("serial", "tty", true)},
        {"/dev/null", K::NotSerialPort, sysfs("console", "tty", false)},
        {"/dev/null", K::NotSerialPort, sysfs("memory", "mem", true)},
    };
    for (const auto& [device, kind, sysRoot] : cases) {
        if (!QFileInfo::exists(device))
            continue; // no virtual consoles here
        EXPECT_EQ(checkSerialDevice(device, sysRoot).kind, kind) << device.toStdString();
    }
}

// Root may open any device, so the real check runs as "nobody" in a child.
QString openErrorAsNobody(const QString& device) {
    int out[2];
    if (::pipe(out) != 0)
        return "no pipe";
    if (::fork() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody || ::setgroups(0, nullptr) || ::setgid(nobody->pw_gid) ||
            ::setuid(nobody->pw_uid))
            ::_exit(2);
        auto link = makeSystemSerialLink();
        const QByteArray text = link->open(device) ? "opened" : link->errorString().toUtf8();
        link.reset();
        [[maybe_unused]] const auto n = ::write(out[1], text.constData(), text.size());
        ::_exit(0);
    }
    ::close(out[1]);
    QByteArray text;
    char buffer[512];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    ::close(out[0]);
    ::wait(nullptr);
    return QString::fromUtf8(text);
}

TEST(SerialLinkErrors, PermissionDeniedNamesTheDevicesGroupAndTheFix) {
    const group* dialout = ::getgrnam("dialout");
    if (::geteuid() != 0 || !dialout)
        GTEST_SKIP() << "needs root to hand the device to the group dialout";
    const struct {
        gid_t group;
        QStringList says;
    } cases[] = {
        {dialout->gr_gid,
         {"permission denied", "\"dialout\"", "sudo usermod -aG dialout $USER", "log in again"}},
        {0, {"permission denied", "administrator"}}, // never advise joining root's group
    };
    for (const auto& c : cases) {
        Pty pty;
        ASSERT_TRUE(pty.ok());
        ASSERT_EQ(::chown(pty.slavePath().toLocal8Bit(), 0, c.group), 0);
        ASSERT_EQ(::chmod(pty.slavePath().toLocal8Bit(), 0660), 0);
        const QString text = openErrorAsNobody(pty.slavePath());
        for (const QString& part : c.says)
            EXPECT_TRUE(text.contains(part))
                << text.toStdString() << " lacks " << part.toStdString();
        EXPECT_EQ(c.group == 0, !text.contains("usermod")) << text.toStdString();
    }
}

TEST(SerialLinkErrors, PermissionAdviceFitsTheCase) {
    const struct {
        DeviceAccess access;
        QString says;
        QString never;
    } cases[] = {
        {{"uucp", true, false}, "sudo usermod -aG uucp $USER", "dialout"},
        {{"dialout", true, true}, "login session started before", "usermod"},
        {{"root", false, false}, "administrator", "usermod"},
        {{"", true, false}, "administrator", "usermod"},
    };
    for (const auto& c : cases) {
        const QString text = describeOpenFailure(SerialOpenFailure::PermissionDenied,
                                                 "/dev/ttyUSB0", "Permission denied", c.access);
        EXPECT_TRUE(text.contains(c.says) && !text.contains(c.never)) << text.toStdString();
    }
}

} // namespace
} // namespace korvex
