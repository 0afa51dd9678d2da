// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_serial_link.h"
#include "transfer/frames.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace korvex {
namespace {

using namespace korvex::testing;

ConfigBlock blockOf(int seed) {
    ConfigBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(seed + i * 3);
    return block;
}

// The port as the text of "Comm num:" names it.
PortChoice comm(const QString& text) {
    return PortChoice::fromField(text);
}

const QString kStarted = "started /dev/ttyUSB0 port 1";
const QString kFailedWrite = "finished failed the device went away";

TEST(FrameSender, RunsTheTimelineWritingFourTimesThenClosingAndReporting) {
    auto log = std::make_shared<Log>();
    auto sender = fakeSender(log);
    const ConfigBlock block = blockOf(7);
    sender->start(block, comm("1"));
    EXPECT_TRUE(sender->isBusy() && sender->isPortOpen());
    waitForFinished(log);

    EXPECT_EQ(log->events, QStringList({"open /dev/ttyUSB0", "portOpen 1", kStarted, "step 1",
                                        "write 2", "write 59", "step 2", "write 2", "write 59",
                                        "step 3", "close", "portOpen 0", "finished completed"}));
    const auto expected = lineWrites(block);
    const qint64 at[] = {400, 410, 810, 820};
    ASSERT_EQ(log->writes.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(log->writes[i], expected[i]) << i;
        EXPECT_NEAR(log->writeTimes[i], at[i], 60) << i;
    }
    EXPECT_GE(log->writeTimes[1] - log->writeTimes[0], 9);
    EXPECT_GE(log->writeTimes[3] - log->writeTimes[2], 9);
    EXPECT_NEAR(log->completedAt, 1620, 60);
    EXPECT_FALSE(sender->isBusy() || sender->isPortOpen());
}

// Enumerating on a thread of its own changes when start() returns, not what
// happens: a missing port fails, a present one gets the whole transfer, and a
// sender dropped meanwhile waits for its thread.
TEST(FrameSender, ResolvingInTheBackgroundEndsTheSameWay) {
    auto log = std::make_shared<Log>();
    auto sender = fakeSender(log);
    sender->setResolveInBackground(true);
    sender->start(blockOf(3), comm("9"));
    EXPECT_TRUE(sender->isBusy());
    waitForFinished(log);
    ASSERT_EQ(log->events.size(), 1);
    EXPECT_TRUE(log->events[0].startsWith("finished failed Port 9 does not exist"));
    sender->start(blockOf(3), comm("1"));
    waitForFinished(log, 2);
    EXPECT_EQ(log->writes.size(), 4);
    EXPECT_EQ(log->events.last(), "finished completed");
    sender->start(blockOf(3), comm("1"));
    sender.reset();
}

// A device named outright is opened as given, the numbering not asked, and
// has no port number to report.
TEST(FrameSender, ANamedDeviceIsOpenedAsGivenAndReportedWithoutANumber) {
    for (const bool background : {false, true}) {
        SCOPED_TRACE(background);
        auto log = std::make_shared<Log>();
        auto sender = fakeSender(log);
        sender->setResolveInBackground(background);
        sender->start(blockOf(2), PortChoice::ofDevice("/dev/pts/3"));
        waitForFinished(log);
        EXPECT_EQ(log->events.mid(0, 3),
                  QStringList({"open /dev/pts/3", "portOpen 1", "started /dev/pts/3"}));
        EXPECT_EQ(log->events.last(), "finished completed");
        EXPECT_EQ(log->writes.size(), 4);
    }
}

TEST(FrameSender, ALateStepDelaysOnlyTheFrameBehindItsPreamble) {
    auto log = std::make_shared<Log>();
    auto sender = fakeSender(log);
    // A busy listener holds the first dot (and so the first preamble) back.
    QObject::connect(sender.get(), &FrameSender::progressed, [](int step) {
        if (step == 1)
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
    });
    sender->start(blockOf(5), comm("1"));
    waitForFinished(log);
    ASSERT_EQ(log->writes.size(), 4);
    EXPECT_GE(log->writeTimes[0], 440);
    EXPECT_GE(log->writeTimes[1] - log->writeTimes[0], 10);
    EXPECT_LT(log->writeTimes[2], 840); // still due at 810, not pushed by the delay
}

TEST(FrameSender, ClosesThePortBeforeReportingAFailureAndWritesNothingWithoutAPort) {
    const QStringList opened{"open /dev/ttyUSB0", "portOpen 1", kStarted, "step 1"};
    const QStringList writeFailed{"write failed", "close", "portOpen 0", kFailedWrite};
    const struct {
        const char* name;
        QString comm;
        FakeBehaviour behaviour;
        QStringList events; // an entry ending in '*' matches by prefix
    } cases[] = {
        {"empty field", "", {}, {"finished failed No port selected*"}},
        {"prompt character", "_", {}, {"finished failed No port selected*"}},
        {"past the list", "7", {}, {"finished failed Port 7 does not exist*"}},
        {"will not open", "2", {"in use"}, {"open /dev/ttyS0", "finished failed in use"}},
        {"closed after opening", "1", {{}, true}, {"open /dev/ttyUSB0", "finished silent"}},
        {"preamble 1", "1", {{}, false, 0}, opened + writeFailed},
        {"frame 1", "1", {{}, false, 1}, opened + QStringList{"write 2"} + writeFailed},
        {"preamble 2",
         "1",
         {{}, false, 2},
         opened + QStringList{"write 2", "write 59", "step 2"} + writeFailed},
        {"frame 2",
         "1",
         {{}, false, 3},
         opened + QStringList{"write 2", "write 59", "step 2", "write 2"} + writeFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto log = std::make_shared<Log>();
        auto sender = fakeSender(log, c.behaviour);
        sender->start(blockOf(1), comm(c.comm));
        waitForFinished(log);
        ASSERT_EQ(log->events.size(), c.events.size()) << log->events.join(" | ").toStdString();
        for (qsizetype i = 0; i < c.events.size(); ++i) {
            const QString& want = c.events[i];
            EXPECT_TRUE(want.endsWith('*') ? log->events[i].startsWith(want.chopped(1))
                                           : log->events[i] == want)
                << log->events[i].toStdString() << " <> " << want.toStdString();
        }
        EXPECT_FALSE(log->open || sender->isPortOpen() || sender->isBusy());
    }
}

TEST(FrameSender, DestroyedMidTransferClosesThePortAndStops) {
    auto log = std::make_shared<Log>();
    auto sender = fakeSender(log);
    sender->start(blockOf(3), comm("1"));
    QEventLoop loop;
    QTimer::singleShot(600, [&] { sender.reset(); });
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(log->writes.size(), 2);
    EXPECT_EQ(log->events.last(), "close");
    EXPECT_FALSE(log->open);
}

TEST(FrameSender, IgnoresAStartWhileBusyAndCanStartAgainFromFinished) {
    auto log = std::make_shared<Log>();
    auto sender = fakeSender(log);
    const ConfigBlock first = blockOf(10);
    const ConfigBlock second = blockOf(200);
    QObject::connect(sender.get(), &FrameSender::finished, sender.get(), [&] {
        if (log->events.count("finished completed") == 1)
            sender->start(second, comm("1"));
    });
    sender->start(first, comm("1"));
    sender->start(second, comm("2")); // ignored
    waitForFinished(log, 2);

    EXPECT_EQ(log->links, 2);
    EXPECT_EQ(log->events.filter("open /dev/ttyUSB0").size(), 2);
    EXPECT_EQ(log->events.count("finished completed"), 2);
    ASSERT_EQ(log->writes.size(), 8);
    const auto a = lineWrites(first);
    const auto b = lineWrites(second);
    EXPECT_EQ(log->writes, QList<QByteArray>({a[0], a[1], a[2], a[3], b[0], b[1], b[2], b[3]}));
}

} // namespace
} // namespace korvex
