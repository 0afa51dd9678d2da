// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/serial_side_tree.h"

#include <functional>
#include <gtest/gtest.h>

namespace korvex {
namespace {

using testing::SerialSideTree;
using Kind = SerialFinding::Kind;

const QString kBrailleRules = QStringLiteral(
    "# braille displays\nACTION==\"add\", GOTO=\"brltty_usb_run\"\n"
    "ENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\", GOTO=\"brltty_usb_run\"\n");

struct Case {
    const char* name;
    std::function<void(SerialSideTree&)> build;
    std::optional<Kind> kind; // the one finding, or none
    QString text;             // found in its text
    QString fix;              // found in its fix
    bool usable;
    QString byId = {}; // of the first port
};

TEST(SerialSideTest, FindsWhatStandsBetweenTheAdapterAndItsPort) {
    const QString dialout = QStringLiteral("etc/group=dialout:x:%1:");
    const QList<Case> cases{
        {"adapter claimed by a braille rule",
         [&](SerialSideTree& t) {
             t.usb("1-1", "1a86:7523", "usbfs", "")
                 .add("usr/lib/udev/rules.d/85-brltty.rules=" + kBrailleRules);
         },
         Kind::BrailleRule, "/usr/lib/udev/rules.d/85-brltty.rules, line 3",
         "sudo cp /usr/lib/udev/rules.d/85-brltty.rules /etc/udev/rules.d/85-brltty.rules\n"
         "  sudo sed -i '3s/^/# /' /etc/udev/rules.d/85-brltty.rules",
         false},
        {"a local copy of the same name without the rule replaces it",
         [&](SerialSideTree& t) {
             t.usb("1-1", "1a86:7523", "", "")
                 .add("usr/lib/udev/rules.d/85-brltty.rules=" + kBrailleRules)
                 .add("etc/udev/rules.d/85-brltty.rules=# ENV{PRODUCT}==\"1a86/7523/*\"");
         },
         Kind::NoDriver, "1a86:7523 (CH340/CH341) on USB 1-1", "sudo modprobe ch341", false},
        {"adapter with no driver", [](SerialSideTree& t) { t.usb("3-2", "10c4:ea60", "", ""); },
         Kind::NoDriver, "its driver module cp210x is not loaded", "sudo modprobe cp210x", false},
        {"busy ttyACM with ModemManager running",
         [](SerialSideTree& t) {
             t.usb("1-4", "2e8a:000a", "cdc_acm", "ttyACM0")
                 .add("proc/812/comm=ModemManager")
                 .add("proc/812/fd/9->/dev/ttyACM0");
         },
         Kind::ModemManager, "probes every new ttyACM port for a few seconds",
         "ATTRS{idVendor}==\"2e8a\", ATTRS{idProduct}==\"000a\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"",
         false},
        {"by-id link",
         [](SerialSideTree& t) {
             t.usb("1-1", "0403:6001", "ftdi_sio", "ttyUSB0")
                 .add("dev/serial/by-id/usb-FTDI_A1B2-if00-port0->../../ttyUSB0");
         },
         std::nullopt, "", "", true, "/dev/serial/by-id/usb-FTDI_A1B2-if00-port0"},
        {"a port the user cannot open",
         [&](SerialSideTree& t) {
             t.usb("1-1", "1a86:7523", "ch341", "ttyUSB0", 0660);
             t.add(dialout.arg(t.groupOf("dev/ttyUSB0")));
         },
         Kind::Permission, "Cannot open /dev/ttyUSB0: permission denied.",
         "sudo usermod -aG dialout $USER", false},
        {"in the group, but not in this login session",
         [&](SerialSideTree& t) {
             t.usb("1-1", "1a86:7523", "ch341", "ttyUSB0", 0660);
             t.add(dialout.arg(t.groupOf("dev/ttyUSB0")) + "bob,alice");
         },
         Kind::Permission, "permission denied.", "log out and log in again", false},
        {"a healthy adapter",
         [](SerialSideTree& t) { t.usb("1-1", "1a86:7523", "ch341", "ttyUSB0"); }, std::nullopt, "",
         "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SerialSideTree tree;
        c.build(tree);
        const SerialSideReport report = readSerialSide(tree.root());
        ASSERT_EQ(report.findings.size(), c.kind ? 1 : 0)
            << findingsText(report.findings).toStdString();
        if (c.kind) {
            EXPECT_EQ(report.findings[0].kind, *c.kind);
            EXPECT_TRUE(report.findings[0].text.contains(c.text))
                << report.findings[0].text.toStdString();
            EXPECT_TRUE(report.findings[0].fix.contains(c.fix))
                << report.findings[0].fix.toStdString();
        }
        EXPECT_EQ(report.hasUsablePort(), c.usable);
        if (!c.byId.isEmpty()) {
            EXPECT_EQ(report.ports.value(0).byId, c.byId);
        }
    }
}

} // namespace
} // namespace korvex
