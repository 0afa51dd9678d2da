#include "fake_serial_link.h"
#include "settings/settings_values.h"
#include "transfer/frames.h"
#include "transfer/send_command.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace korvex {
namespace {

using testing::FakeSerialLink;
using testing::LinkLog;

struct Rig {
    Rig()
        : sender(PortNumbering([] {
                     PortDescription a;
                     a.device = "/dev/ttyUSB0";
                     a.portName = "ttyUSB0";
                     PortDescription b;
                     b.device = "/dev/ttyUSB1";
                     b.portName = "ttyUSB1";
                     return QList<PortDescription>{a, b};
                 }),
                 [log = log] {
                     return std::make_unique<FakeSerialLink>(log, testing::FakeBehaviour{});
                 }) {}

    void runToEnd() {
        if (!sender.isBusy())
            return;
        QEventLoop loop;
        QObject::connect(&sender, &FrameSender::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
    }

    std::shared_ptr<LinkLog> log = std::make_shared<LinkLog>();
    FrameSender sender;
};

TEST(BuildAndSend, SendsTheBuiltBlockToThePortTheSettingsName) {
    for (const char* comm : {"1", "2"}) {
        SCOPED_TRACE(comm);
        Rig rig;
        SettingsValues settings;
        ASSERT_TRUE(settings.setText(FieldId::edComm, comm));
        const BuildResult result = buildAndSend(settings, rig.sender);
        ASSERT_TRUE(result.ok);
        rig.runToEnd();
        ASSERT_FALSE(rig.log->events.isEmpty());
        EXPECT_EQ(rig.log->events.first(),
                  QStringLiteral("open /dev/ttyUSB%1").arg(comm[0] - '0' - 1));
        QByteArray sent;
        for (const auto& w : rig.log->writes)
            sent += w;
        EXPECT_EQ(sent, lineStream(result.block));
    }
}

TEST(BuildAndSend, ARejectedSettingSendsNothing) {
    Rig rig;
    SettingsValues settings;
    ASSERT_TRUE(settings.setValue(FieldId::cbMicEMsg, -1));
    bool anything = false;
    QObject::connect(&rig.sender, &FrameSender::finished, [&] { anything = true; });
    const BuildResult result = buildAndSend(settings, rig.sender);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.fault);
    EXPECT_FALSE(rig.sender.isBusy());
    EXPECT_FALSE(anything);
    EXPECT_EQ(rig.log->linksMade, 0);
}

} // namespace
} // namespace korvex
