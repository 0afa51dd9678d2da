#include "fake_serial_link.h"
#include "transfer/frame_sender.h"
#include "transfer/frames.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace korvex {
namespace {

using testing::FakeBehaviour;
using testing::FakeSerialLink;
using testing::LinkLog;

const QString kResult =
    QStringLiteral("Data sent !\r\n Be shure that the word 'Success!' appears on LCD");

ConfigBlock blockOf(std::uint8_t seed) {
    ConfigBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(seed + i * 3);
    return block;
}

// A sender on two fake ports (1 = /dev/ttyUSB0, 2 = /dev/ttyS0) whose links and
// signals all write into one log, so the tests see the exact interleaving.
struct Harness {
    explicit Harness(FakeBehaviour behaviour = {}) {
        auto lister = [] {
            PortDescription usb;
            usb.device = "/dev/ttyUSB0";
            usb.portName = "ttyUSB0";
            PortDescription builtin;
            builtin.device = "/dev/ttyS0";
            builtin.portName = "ttyS0";
            return QList<PortDescription>{builtin, usb};
        };
        auto factory = [log = log, behaviour]() -> std::unique_ptr<SerialLink> {
            return std::make_unique<FakeSerialLink>(log, behaviour);
        };
        sender = std::make_unique<FrameSender>(PortNumbering(lister), factory);
        auto* s = sender.get();
        QObject::connect(s, &FrameSender::portOpenChanged, [this](bool open) {
            log->events << (open ? "portOpen true" : "portOpen false");
        });
        QObject::connect(s, &FrameSender::dialogShown, [this](const QString& text) {
            log->clock.start();
            log->events << "dialog " + text;
        });
        QObject::connect(s, &FrameSender::progressChanged,
                         [this](const QString& text) { log->events << "progress " + text; });
        QObject::connect(s, &FrameSender::completed, [this](const QString& text) {
            completedAt = log->clock.elapsed();
            log->events << "completed " + text;
        });
        QObject::connect(s, &FrameSender::failed,
                         [this](const QString& text) { log->events << "failed " + text; });
        QObject::connect(s, &FrameSender::finished, [this] {
            ++finishedCount;
            log->events << "finished";
        });
    }

    // Spins the event loop until `count` transfers have finished.
    bool waitForFinished(int count = 1, int timeoutMs = 5000) {
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        const auto connection = QObject::connect(sender.get(), &FrameSender::finished, &loop, [&] {
            if (finishedCount >= count)
                loop.quit();
        });
        if (finishedCount < count)
            loop.exec();
        QObject::disconnect(connection);
        return finishedCount >= count;
    }

    std::shared_ptr<LinkLog> log = std::make_shared<LinkLog>();
    std::unique_ptr<FrameSender> sender;
    int finishedCount = 0;
    qint64 completedAt = -1;
};

// Expected entries ending in '*' match by prefix (messages that carry advice).
void expectEvents(const QStringList& actual, const QStringList& expected) {
    EXPECT_EQ(actual.size(), expected.size()) << actual.join(" | ").toStdString();
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        const QString& want = expected[i];
        const bool matches =
            want.endsWith('*') ? actual[i].startsWith(want.chopped(1)) : actual[i] == want;
        EXPECT_TRUE(matches) << "event " << i << ": " << actual[i].toStdString()
                             << "\n  expected: " << want.toStdString();
    }
}

const QString kShown = "\r\nSending data on COM1...";

TEST(FrameSender, RunsTheTimelineWritingFourTimesThenClosingAndReporting) {
    Harness h;
    const ConfigBlock block = blockOf(7);
    h.sender->start(block, "1");
    EXPECT_TRUE(h.sender->isBusy());
    EXPECT_TRUE(h.sender->isPortOpen());
    ASSERT_TRUE(h.waitForFinished());

    expectEvents(h.log->events, {
                                    "open /dev/ttyUSB0",
                                    "portOpen true",
                                    "dialog " + kShown,
                                    "progress " + kShown + ".",
                                    "write 2",
                                    "write 59",
                                    "progress " + kShown + "..",
                                    "write 2",
                                    "write 59",
                                    "progress " + kShown + "...",
                                    "close",
                                    "portOpen false",
                                    "completed " + kResult,
                                    "finished",
                                });
    const auto expected = lineWrites(block);
    ASSERT_EQ(h.log->writes.size(), 4);
    const std::array<qint64, 4> at{400, 410, 810, 820};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(h.log->writes[i], expected[i]) << "write " << i;
        EXPECT_NEAR(h.log->writeTimes[i], at[i], 60) << "write " << i;
    }
    // The 10 ms gaps are what the tracker sees between preamble and frame.
    EXPECT_GE(h.log->writeTimes[1] - h.log->writeTimes[0], 9);
    EXPECT_GE(h.log->writeTimes[3] - h.log->writeTimes[2], 9);
    EXPECT_NEAR(h.completedAt, 1620, 60);
    EXPECT_FALSE(h.sender->isBusy());
    EXPECT_FALSE(h.sender->isPortOpen());
}

struct FailureCase {
    const char* name;
    QString commText;
    FakeBehaviour behaviour;
    QStringList events;
};

FakeBehaviour failingWrite(int index) {
    FakeBehaviour b;
    b.failingWrite = index;
    return b;
}

FakeBehaviour failingOpen() {
    FakeBehaviour b;
    b.openError = "Cannot open /dev/ttyS0: the port is in use by another program.";
    return b;
}

FakeBehaviour closedAfterOpen() {
    FakeBehaviour b;
    b.closedAfterOpen = true;
    return b;
}

TEST(FrameSender, ClosesThePortBeforeReportingAFailureAndWritesNothingWithoutAPort) {
    const QStringList opened{"open /dev/ttyUSB0", "portOpen true", "dialog " + kShown};
    const QStringList failedWrite{"write failed", "close", "portOpen false",
                                  "failed Cannot write: the device went away", "finished"};
    const std::vector<FailureCase> cases{
        {"empty field", "", {}, {"failed No port selected*", "finished"}},
        {"prompt character only", "_", {}, {"failed No port selected*", "finished"}},
        {"port past the list", "7", {}, {"failed Port 7 does not exist*", "finished"}},
        {"port will not open",
         "2",
         failingOpen(),
         {"open /dev/ttyS0",
          "failed Cannot open /dev/ttyS0: the port is in use by another program.", "finished"}},
        {"port closed right after opening",
         "1",
         closedAfterOpen(),
         {"open /dev/ttyUSB0", "finished"}},
        {"first preamble refused", "1", failingWrite(0),
         opened + QStringList{"progress " + kShown + "."} + failedWrite},
        {"frame 1 refused", "1", failingWrite(1),
         opened + QStringList{"progress " + kShown + ".", "write 2"} + failedWrite},
        {"second preamble refused", "1", failingWrite(2),
         opened +
             QStringList{"progress " + kShown + ".", "write 2", "write 59",
                         "progress " + kShown + ".."} +
             failedWrite},
        {"frame 2 refused", "1", failingWrite(3),
         opened +
             QStringList{"progress " + kShown + ".", "write 2", "write 59",
                         "progress " + kShown + "..", "write 2"} +
             failedWrite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(c.behaviour);
        h.sender->start(blockOf(1), c.commText);
        ASSERT_TRUE(h.waitForFinished());
        expectEvents(h.log->events, c.events);
        EXPECT_EQ(h.finishedCount, 1);
        EXPECT_FALSE(h.log->open);
        EXPECT_FALSE(h.sender->isPortOpen());
        EXPECT_FALSE(h.sender->isBusy());
    }
}

TEST(FrameSender, DestroyedMidTransferClosesThePortAndStops) {
    Harness h;
    h.sender->start(blockOf(3), "1");
    QEventLoop loop;
    QTimer::singleShot(600, &loop, [&] {
        h.sender.reset();
        QTimer::singleShot(1400, &loop, &QEventLoop::quit);
    });
    loop.exec();
    ASSERT_FALSE(h.sender);
    EXPECT_EQ(h.log->writes.size(), 2);
    EXPECT_EQ(h.log->events.last(), "close");
    EXPECT_FALSE(h.log->open);
}

TEST(FrameSender, IgnoresAStartWhileBusyAndRunsAgainOnceFinished) {
    Harness h;
    const ConfigBlock first = blockOf(10);
    const ConfigBlock second = blockOf(200);
    // A listener may start the next transfer from the finished signal itself.
    QObject::connect(h.sender.get(), &FrameSender::finished, h.sender.get(), [&] {
        if (h.finishedCount == 1)
            h.sender->start(second, "1");
    });
    h.sender->start(first, "1");
    h.sender->start(second, "2"); // ignored: the first transfer runs
    ASSERT_TRUE(h.waitForFinished(2, 8000));

    EXPECT_EQ(h.log->linksMade, 2);
    EXPECT_EQ(h.log->events.filter("open ").size(), 2);
    EXPECT_EQ(h.log->events.filter("open /dev/ttyS0").size(), 0);
    EXPECT_EQ(h.log->events.filter("completed ").size(), 2);
    ASSERT_EQ(h.log->writes.size(), 8);
    const auto a = lineWrites(first);
    const auto b = lineWrites(second);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(h.log->writes[i], a[i]);
        EXPECT_EQ(h.log->writes[4 + i], b[i]);
    }
}

} // namespace
} // namespace korvex
