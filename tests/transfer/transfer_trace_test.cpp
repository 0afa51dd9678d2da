// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_serial_link.h"
#include "support/wait_for.h"
#include "transfer/port_watcher.h"
#include "transfer/transfer_trace.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using testing::FakeBehaviour;
using testing::FakeSerialLink;
using testing::Log;
using testing::portAt;

// What a trace says of each way a transfer can go, line for line after the
// header: the time of each entry is left out, its order and words are not.
TEST(TransferTrace, TellsEachWayATransferGoes) {
    struct Case {
        const char* name;
        FakeBehaviour behaviour;
        QStringList lines;
    };
    const QList<Case> cases{
        {"whole",
         {},
         {"open /dev/ttyUSB0: line settings not known", "write 2 bytes: 41 0A | A.",
          "write 1 byte: FF | .", "close"}},
        {"refused",
         {QStringLiteral("Permission denied"), false, -1},
         {"error cannot open /dev/ttyUSB0: Permission denied"}},
        {"cut",
         {std::nullopt, false, 1},
         {"open /dev/ttyUSB0: line settings not known", "write 2 bytes: 41 0A | A.",
          "error the device went away", "close"}},
    };
    for (const Case& c : cases) {
        auto trace = std::make_shared<TransferTrace>();
        {
            TracingSerialLink link(
                std::make_unique<FakeSerialLink>(std::make_shared<Log>(), c.behaviour), trace);
            if (link.open(QStringLiteral("/dev/ttyUSB0")) && link.write("A\n"))
                link.write(QByteArray(1, '\xff'));
        }
        QStringList got;
        for (const QByteArray& line : trace->text().trimmed().split('\n').mid(2))
            got << QString::fromLatin1(line).section(QStringLiteral(" ms: "), 1);
        EXPECT_EQ(got, c.lines) << c.name;
        // What decode reads back is what went out.
        const Result<QList<TracedWrite>> writes = parseTraceWrites(trace->text());
        ASSERT_TRUE(writes) << c.name;
        QByteArray back;
        for (const TracedWrite& write : writes.value())
            back += write.bytes;
        EXPECT_EQ(back, trace->writtenBytes()) << c.name;
    }
    // A line whose count and bytes disagree is not trusted.
    EXPECT_FALSE(parseTraceWrites("Korvex transfer trace\n3 ms: write 3 bytes: FF FF | ..\n"));
}

class NoticeSource final : public PortEvents {
public:
    QString source() const override { return QStringLiteral("test"); }
    void notice() { emit changed(); }
};

// The watcher tells what came and went against the list it started with,
// and only after a notice: a port that came unannounced waits for one.
TEST(PortWatcher, TellsWhatCameAndWentAfterANotice) {
    auto ports = std::make_shared<QList<PortDescription>>(
        QList<PortDescription>{portAt(QStringLiteral("/dev/ttyS0"))});
    auto events = std::make_unique<NoticeSource>();
    NoticeSource* notices = events.get();
    PortWatcher watcher(PortNumbering([ports] { return *ports; }), std::move(events));
    QStringList told;
    QObject::connect(&watcher, &PortWatcher::portAppeared, [&](const NumberedPort& p) {
        told << QStringLiteral("+%1 %2").arg(p.number).arg(p.port.device);
    });
    QObject::connect(&watcher, &PortWatcher::portGone, [&](const NumberedPort& p) {
        told << QStringLiteral("-%1 %2").arg(p.number).arg(p.port.device);
    });
    watcher.start();
    ports->prepend(portAt(QStringLiteral("/dev/ttyUSB0")));
    EXPECT_FALSE(testing::waitFor([&] { return !told.isEmpty(); }, 300));
    notices->notice();
    ASSERT_TRUE(testing::waitFor([&] { return !told.isEmpty(); }, 2000));
    ports->removeFirst();
    ports->first() = portAt(QStringLiteral("/dev/ttyS1"));
    notices->notice();
    ASSERT_TRUE(testing::waitFor([&] { return told.size() == 4; }, 2000));
    EXPECT_EQ(told, (QStringList{"+1 /dev/ttyUSB0", "+1 /dev/ttyS1", "-1 /dev/ttyUSB0",
                                 "-2 /dev/ttyS0"}));
}

} // namespace
} // namespace korvex
