// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_values.h"
#include "support/fake_serial_link.h"
#include "transfer/build_and_send.h"
#include "transfer/frames.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using namespace korvex::testing;

TEST(BuildAndSend, SendsTheBuiltBlockToTheSettingsPortOrNothingOnAFault) {
    for (const bool rejected : {false, true}) {
        SCOPED_TRACE(rejected);
        auto log = std::make_shared<Log>();
        auto sender = fakeSender(log);
        SettingsValues settings;
        ASSERT_TRUE(settings.setText(FieldId::portNumber, "2"));
        if (rejected) {
            ASSERT_TRUE(settings.setValue(FieldId::micEMessage, -1));
        }
        const BuildResult result = buildAndSend(settings, *sender);
        ASSERT_EQ(result.ok(), !rejected);
        if (rejected) {
            EXPECT_FALSE(sender->isBusy());
            EXPECT_EQ(log->links, 0);
            continue;
        }
        waitForFinished(log);
        EXPECT_EQ(log->events.first(), "open /dev/ttyS0");
        EXPECT_EQ(log->writes.join(), lineStream(result.block));
    }
}

} // namespace
} // namespace korvex
