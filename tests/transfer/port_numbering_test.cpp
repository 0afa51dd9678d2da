// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/port_choice.h"
#include "transfer/port_numbering.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

PortDescription port(const char* name, std::optional<quint16> vendor = {}, bool sim = false) {
    PortDescription p;
    p.portName = name;
    p.device = QStringLiteral("/dev/") + name;
    p.vendorId = vendor;
    p.simulated = sim;
    return p;
}

TEST(PortNumbering, UsbAdaptersFirstThenOtherPortsThenSimulatorsEachInNaturalOrder) {
    const struct {
        QList<PortDescription> given;
        QStringList numbered;
    } cases[] = {
        {{port("ttyS10"), port("ttyS2"), port("ttyS010"), port("ttyS1")},
         {"ttyS1", "ttyS2", "ttyS010", "ttyS10"}},
        {{port("ttyS0"), port("ttyUSB9", {}, true), port("ttyACM0"), port("ttyAMA0", 0x1a86),
          port("ttyUSB1"), port("ttyUSB0")},
         {"ttyACM0", "ttyAMA0", "ttyUSB0", "ttyUSB1", "ttyS0", "ttyUSB9"}},
    };
    for (const auto& c : cases) {
        // Whatever order the system lists them in, the numbers stay the same.
        for (const auto& given :
             {c.given, QList<PortDescription>(c.given.rbegin(), c.given.rend())}) {
            QStringList names;
            for (const auto& p : orderedForNumbering(given))
                names << p.portName;
            EXPECT_EQ(names.join(' ').toStdString(), c.numbered.join(' ').toStdString());
        }
    }
}

TEST(PortNumbering, ResolvesADigitOrSaysWhatToDo) {
    const QList<PortDescription> three{port("ttyS0"), port("ttyS1"), port("ttyUSB0")};
    const struct {
        QList<PortDescription> ports;
        bool windows;
        int number;
        QString device;   // empty: an error is expected
        QStringList says; // parts of the error
    } cases[] = {
        {three, false, 1, "/dev/ttyUSB0", {}},
        {three, false, 3, "/dev/ttyS1", {}},
        {three, false, 0, {}, {"No port selected", "\"Comm num:\""}},
        {three, false, 4, {}, {"Port 4", "3 serial ports", "korvex-cli ports"}},
        {{port("ttyUSB0")}, false, 2, {}, {"only 1 serial port"}},
        {{}, false, 1, {}, {"no serial port was found", "korvex-cli ports"}},
        {three, true, 7, "COM7", {}},
        {three, true, 12, "COM12", {}},
        {{}, true, 0, {}, {"No port selected"}},
    };
    for (const auto& c : cases) {
        const auto ports = c.ports;
        const Result<PortDescription> r =
            PortNumbering([ports] { return ports; }, c.windows).resolve(c.number);
        SCOPED_TRACE(c.number);
        EXPECT_EQ(r ? r.value().device : QString(), c.device);
        EXPECT_EQ(r.ok(), !c.device.isEmpty());
        const QString reason = r ? QString() : r.fault().reason;
        for (const QString& part : c.says)
            EXPECT_TRUE(reason.contains(part))
                << reason.toStdString() << " lacks " << part.toStdString();
    }
}

} // namespace
} // namespace korvex

namespace korvex {
namespace {

// The digit a list shows must be the digit that selects the port.
TEST(PortNumbering, NumberedListShowsTheDigitThatResolvesToEachPort) {
    for (const bool windows : {false, true}) {
        QList<PortDescription> given;
        for (const char* name : {"COM3", "COM12", "COM1", "ttyS4", "ttyS5", "ttyS6", "ttyS7",
                                 "ttyS8", "ttyS9", "ttyS10"})
            given << port(name);
        const PortNumbering numbering([given] { return given; }, windows);
        for (const NumberedPort& n : numbering.numbered()) {
            if (n.number == 0)
                continue;
            const Result<PortDescription> resolved = numbering.resolve(n.number);
            ASSERT_TRUE(resolved.ok());
            EXPECT_EQ(resolved.value().portName, n.port.portName) << "windows=" << windows;
        }
        const QList<NumberedPort> list = numbering.numbered();
        const auto unreachable = std::count_if(list.begin(), list.end(),
                                               [](const NumberedPort& n) { return n.number == 0; });
        EXPECT_EQ(unreachable, windows ? 7 : 0) << "the tty names have no number on Windows";
    }
}

// --port takes a port number, above 9 too, or else a device.
TEST(PortChoice, APortArgumentIsANumberOrADevice) {
    const auto chosen = [](const QString& argument) {
        const std::optional<PortChoice> c = PortChoice::fromArgument(argument);
        return !c                 ? QString("refused")
               : c->namesDevice() ? c->device()
                                  : QString::number(c->number());
    };
    const std::pair<QString, QString> cases[] = {{"3", "3"},      {"0", "0"},
                                                 {"12", "12"},    {"256", "refused"},
                                                 {"", "refused"}, {"ttyS0", "ttyS0"}};
    for (const auto& [argument, want] : cases)
        EXPECT_EQ(chosen(argument), want) << argument.toStdString();
}

} // namespace
} // namespace korvex
