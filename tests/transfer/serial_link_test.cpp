#include "transfer/frame_sender.h"
#include "transfer/frames.h"
#include "transfer/serial_link.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pty.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace korvex {
namespace {

using Clock = std::chrono::steady_clock;

// A pseudo-terminal standing in for the tracker's serial line. The test keeps
// the slave end open itself, so the master never sees a hang-up when the
// sender closes its side, and a reader thread stamps every chunk that arrives.
class Pty {
public:
    Pty() {
        char name[128] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
            return;
        slavePath_ = QString::fromLocal8Bit(name);
        // Raw on both sides: no end-of-line or flow-control byte may be
        // translated or swallowed on its way to the reader.
        termios raw{};
        for (const int fd : {master_, slave_}) {
            ::tcgetattr(fd, &raw);
            ::cfmakeraw(&raw);
            ::tcsetattr(fd, TCSANOW, &raw);
        }
    }
    ~Pty() {
        stopReading();
        if (master_ >= 0)
            ::close(master_);
        if (slave_ >= 0)
            ::close(slave_);
    }

    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    QString slavePath() const { return slavePath_; }
    int slaveFd() const { return slave_; }
    int masterFd() const { return master_; }

    struct Chunk {
        Clock::time_point at;
        QByteArray bytes;
    };

    void startReading() {
        reader_ = std::thread([this] {
            while (!stop_) {
                pollfd p{master_, POLLIN, 0};
                if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                    continue;
                char buffer[512];
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n <= 0)
                    continue;
                const std::lock_guard lock(mutex_);
                chunks_.push_back({Clock::now(), QByteArray(buffer, static_cast<qsizetype>(n))});
            }
        });
    }
    void stopReading() {
        stop_ = true;
        if (reader_.joinable())
            reader_.join();
    }
    std::vector<Chunk> chunks() {
        const std::lock_guard lock(mutex_);
        return chunks_;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    std::thread reader_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Chunk> chunks_;
};

// Covers the bytes a tty would love to interpret: CR, LF, XON, XOFF, ^C, ^D,
// ^Z, DEL, and 0xFF (a parity mark in some modes).
ConfigBlock awkwardBlock() {
    ConfigBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 29 + 5);
    const std::array<std::uint8_t, 11> awkward{0x0D, 0x0A, 0x11, 0x13, 0x03, 0x04,
                                               0x1A, 0x7F, 0xFF, 0x00, 0x1C};
    for (std::size_t i = 0; i < awkward.size(); ++i) {
        block[i * 5] = awkward[i];
        block[kBlockSize - 1 - i * 5] = awkward[i];
    }
    return block;
}

PortNumbering numberingOf(const QString& device) {
    return PortNumbering([device] {
        PortDescription p;
        p.device = device;
        p.portName = device.mid(device.lastIndexOf('/') + 1);
        return QList<PortDescription>{p};
    });
}

TEST(SerialLinkOnPty, DeliversExactly122BytesInFourWritesOnTheTimeline) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    pty.startReading();

    const ConfigBlock block = awkwardBlock();
    FrameSender sender(numberingOf(pty.slavePath()), makeSystemSerialLink);
    Clock::time_point shownAt{};
    QString failure;
    bool done = false;
    QObject::connect(&sender, &FrameSender::dialogShown, [&] { shownAt = Clock::now(); });
    QObject::connect(&sender, &FrameSender::failed, [&](const QString& why) { failure = why; });
    QObject::connect(&sender, &FrameSender::completed, [&] { done = true; });

    QEventLoop loop;
    QObject::connect(&sender, &FrameSender::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    sender.start(block, "1");
    if (sender.isBusy())
        loop.exec();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    ASSERT_TRUE(done);

    // Anything still in flight would arrive within a few ms; wait well past that.
    QEventLoop settle;
    QTimer::singleShot(150, &settle, &QEventLoop::quit);
    settle.exec();
    pty.stopReading();

    const auto chunks = pty.chunks();
    QByteArray received;
    for (const auto& c : chunks)
        received += c.bytes;
    ASSERT_EQ(received.size(), 122);
    EXPECT_EQ(received, lineStream(block));

    // Each write starts a chunk of its own, at the offsets 0, 2, 61 and 63.
    std::vector<int> starts;
    std::vector<double> startMs;
    int offset = 0;
    for (const auto& c : chunks) {
        starts.push_back(offset);
        startMs.push_back(std::chrono::duration<double, std::milli>(c.at - shownAt).count());
        offset += static_cast<int>(c.bytes.size());
    }
    const std::array<int, 4> writeOffsets{0, 2, 61, 63};
    const std::array<double, 4> writeAt{400, 410, 810, 820};
    std::string measured;
    for (std::size_t w = 0; w < writeOffsets.size(); ++w) {
        const auto it = std::find(starts.begin(), starts.end(), writeOffsets[w]);
        ASSERT_NE(it, starts.end()) << "write " << w << " shares a chunk with the one before";
        const double at = startMs[static_cast<std::size_t>(it - starts.begin())];
        measured += std::to_string(at) + " ";
        EXPECT_NEAR(at, writeAt[w], 60) << "write " << w;
    }
    std::cout << "[ arrival ms after dialogShown ] " << measured << "\n";
}

TEST(SerialLinkOnPty, OpensAt4800BaudEightBitsNoParityOneStopNoFlowControl) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    auto link = makeSystemSerialLink();
    ASSERT_TRUE(link->open(pty.slavePath())) << link->errorString().toStdString();
    termios t{};
    ASSERT_EQ(::tcgetattr(pty.slaveFd(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), speed_t{B4800});
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t{CS8});
    EXPECT_EQ(t.c_cflag & PARENB, 0u);
    EXPECT_EQ(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);

    link->close();
    EXPECT_FALSE(link->isOpen());
    link->close(); // a second close is harmless
    EXPECT_FALSE(link->write(QByteArray("\xFF\xFF", 2)));
}

// Reads what the master end holds, waiting up to timeoutMs for the first byte.
QByteArray readAvailable(int masterFd, int timeoutMs) {
    QByteArray bytes;
    pollfd p{masterFd, POLLIN, 0};
    while (::poll(&p, 1, bytes.isEmpty() ? timeoutMs : 20) > 0 && (p.revents & POLLIN)) {
        char buffer[512];
        const ssize_t n = ::read(masterFd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

TEST(SerialLinkOnPty, WritesReachTheSystemAtOnceAndACloseLosesNothing) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    auto link = makeSystemSerialLink();
    ASSERT_TRUE(link->open(pty.slavePath())) << link->errorString().toStdString();

    // No event loop runs here: the bytes must not wait for one.
    ASSERT_TRUE(link->write(QByteArray("\xFF\xFF", 2)));
    EXPECT_EQ(readAvailable(pty.masterFd(), 200), QByteArray("\xFF\xFF", 2));

    const QByteArray stream = lineStream(awkwardBlock());
    ASSERT_TRUE(link->write(stream));
    link->close();
    EXPECT_EQ(readAvailable(pty.masterFd(), 200), stream);
}

TEST(SerialLinkErrors, AMissingDeviceSaysSoAndTheSenderShowsNoDialog) {
    const QString missing = "/dev/korvex-no-such-tty";
    auto link = makeSystemSerialLink();
    EXPECT_FALSE(link->open(missing));
    EXPECT_FALSE(link->isOpen());
    EXPECT_TRUE(link->errorString().contains("no such device"))
        << link->errorString().toStdString();
    EXPECT_TRUE(link->errorString().contains(missing));

    FrameSender sender(numberingOf(missing), makeSystemSerialLink);
    QStringList seen;
    QObject::connect(&sender, &FrameSender::dialogShown, [&] { seen << "dialog"; });
    QObject::connect(&sender, &FrameSender::failed, [&](const QString& why) { seen << why; });
    QObject::connect(&sender, &FrameSender::finished, [&] { seen << "finished"; });
    sender.start(ConfigBlock{}, "1");
    ASSERT_EQ(seen.size(), 2) << seen.join(" | ").toStdString();
    EXPECT_TRUE(seen[0].contains("no such device"));
    EXPECT_EQ(seen[1], "finished");
    EXPECT_FALSE(sender.isPortOpen());
}

TEST(SerialLinkErrors, ADeviceHeldByAnotherLinkIsReportedInUse) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    auto holder = makeSystemSerialLink();
    ASSERT_TRUE(holder->open(pty.slavePath())) << holder->errorString().toStdString();
    auto second = makeSystemSerialLink();
    EXPECT_FALSE(second->open(pty.slavePath()));
    EXPECT_TRUE(second->errorString().contains("in use by another program"))
        << second->errorString().toStdString();

    // Once released, the port opens again: the failure left nothing behind.
    holder->close();
    EXPECT_TRUE(second->open(pty.slavePath())) << second->errorString().toStdString();
}

// Opens the device as the unprivileged user "nobody" in a child process and
// returns the error text; as root the permission bits would not apply.
QString openErrorAsNobody(const QString& device) {
    int out[2];
    if (::pipe(out) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody || ::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
            ::setuid(nobody->pw_uid) != 0)
            ::_exit(2);
        auto link = makeSystemSerialLink();
        const QByteArray text =
            link->open(device) ? QByteArray("opened") : link->errorString().toUtf8();
        link.reset();
        [[maybe_unused]] const auto written = ::write(out[1], text.constData(), text.size());
        ::_exit(0);
    }
    ::close(out[1]);
    QByteArray text;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return QString::fromUtf8(text);
}

TEST(SerialLinkErrors, APermissionDeniedOnTheDeviceNamesItsGroupAndTheFix) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    const QByteArray path = pty.slavePath().toLocal8Bit();
    if (::geteuid() != 0) {
        // Nobody may write, so joining a group would not help.
        ASSERT_EQ(::chmod(path.constData(), 0), 0);
        auto link = makeSystemSerialLink();
        EXPECT_FALSE(link->open(pty.slavePath()));
        EXPECT_TRUE(link->errorString().contains("permission denied"))
            << link->errorString().toStdString();
        EXPECT_TRUE(link->errorString().contains("administrator"));
        return;
    }
    const group* dialout = ::getgrnam("dialout");
    if (!dialout || !::getpwnam("nobody"))
        GTEST_SKIP() << "needs the group dialout and the user nobody";
    ASSERT_EQ(::chown(path.constData(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(path.constData(), 0660), 0);
    const QString text = openErrorAsNobody(pty.slavePath());
    EXPECT_TRUE(text.contains("permission denied")) << text.toStdString();
    EXPECT_TRUE(text.contains("\"dialout\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("sudo usermod -aG dialout $USER")) << text.toStdString();
}

struct MessageCase {
    const char* name;
    SerialOpenFailure kind;
    DeviceAccess access;
    QStringList mustSay;
    QStringList mustNotSay;
};

TEST(SerialLinkErrors, EachOpenFailureExplainsTheFix) {
    const std::vector<MessageCase> cases{
        {"missing",
         SerialOpenFailure::Missing,
         {},
         {"/dev/ttyUSB0", "no such device", "plugged in"},
         {}},
        {"busy", SerialOpenFailure::Busy, {}, {"/dev/ttyUSB0", "in use by another program"}, {}},
        {"not in the group",
         SerialOpenFailure::PermissionDenied,
         {"dialout", true, false},
         {"permission denied", "\"dialout\"", "sudo usermod -aG dialout $USER", "log in again"},
         {}},
        {"other group name",
         SerialOpenFailure::PermissionDenied,
         {"uucp", true, false},
         {"sudo usermod -aG uucp $USER"},
         {"dialout"}},
        {"added but not logged in again",
         SerialOpenFailure::PermissionDenied,
         {"dialout", true, true},
         {"login session started before", "log out and log in again"},
         {"usermod"}},
        {"group may not write",
         SerialOpenFailure::PermissionDenied,
         {"root", false, false},
         {"permission denied", "administrator"},
         {"usermod"}},
        {"other", SerialOpenFailure::Other, {}, {"/dev/ttyUSB0", "Input/output error"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text =
            describeOpenFailure(c.kind, "/dev/ttyUSB0", "Input/output error", c.access);
        for (const QString& part : c.mustSay)
            EXPECT_TRUE(text.contains(part))
                << text.toStdString() << "\nlacks " << part.toStdString();
        for (const QString& part : c.mustNotSay)
            EXPECT_FALSE(text.contains(part)) << text.toStdString();
    }
}

} // namespace
} // namespace korvex
