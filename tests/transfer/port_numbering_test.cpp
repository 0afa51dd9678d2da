#include "transfer/port_numbering.h"

#include <gtest/gtest.h>
#include <vector>

namespace korvex {
namespace {

PortDescription port(const QString& name, std::optional<quint16> vendor = std::nullopt,
                     bool simulated = false) {
    PortDescription p;
    p.portName = name;
    p.device = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    p.vendorId = vendor;
    p.simulated = simulated;
    return p;
}

QStringList namesOf(const QList<PortDescription>& ports) {
    QStringList names;
    for (const auto& p : ports)
        names << p.portName;
    return names;
}

struct OrderCase {
    const char* name;
    QList<PortDescription> given;
    QStringList numbered;
};

TEST(PortNumbering, OrdersUsbAdaptersThenOtherPortsThenSimulatorsByNaturalName) {
    const std::vector<OrderCase> cases{
        {"digits count by value",
         {port("ttyS10"), port("ttyS2"), port("ttyS1")},
         {"ttyS1", "ttyS2", "ttyS10"}},
        {"usb adapters known by name or by vendor id come first",
         {port("ttyS0"), port("ttyACM0"), port("ttyAMA0", 0x1a86), port("ttyUSB1"),
          port("ttyUSB0")},
         {"ttyACM0", "ttyAMA0", "ttyUSB0", "ttyUSB1", "ttyS0"}},
        {"simulators last, even with an adapter's name",
         {port("ttyUSB9", std::nullopt, true), port("ttyS0"), port("ttyUSB0")},
         {"ttyUSB0", "ttyS0", "ttyUSB9"}},
        {"leading zeros do not reorder", {port("ttyS010"), port("ttyS9")}, {"ttyS9", "ttyS010"}},
        {"no ports", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(namesOf(orderedForNumbering(c.given)), c.numbered);
        // The numbering must not depend on the order the system lists them in.
        QList<PortDescription> reversed(c.given.rbegin(), c.given.rend());
        EXPECT_EQ(namesOf(orderedForNumbering(reversed)), c.numbered);
    }
}

TEST(PortNumbering, ResolvesADigitToTheNthPort) {
    const PortNumbering numbering([] {
        return QList<PortDescription>{port("ttyS0"), port("ttyUSB0"), port("ttyS1")};
    });
    const QStringList expected{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1"};
    for (int n = 1; n <= 3; ++n) {
        const PortResolution r = numbering.resolve(n);
        ASSERT_TRUE(r.port) << n;
        EXPECT_EQ(r.port->device, expected[n - 1]);
        EXPECT_TRUE(r.error.isEmpty());
    }
}

struct ErrorCase {
    const char* name;
    QList<PortDescription> ports;
    bool windowsStyle;
    int number;
    QStringList mustSay;
};

TEST(PortNumbering, ExplainsANumberThatNamesNoPort) {
    const QList<PortDescription> three{port("ttyS0"), port("ttyS1"), port("ttyUSB0")};
    const std::vector<ErrorCase> cases{
        {"no port selected", three, false, 0, {"No port selected", "1 to 9", "Comm num:"}},
        {"no port selected on Windows", {}, true, 0, {"No port selected"}},
        {"past the list", three, false, 5, {"Port 5", "3 serial ports", "korvex-cli ports"}},
        {"past a list of one", {port("ttyUSB0")}, false, 2, {"only 1 serial port"}},
        {"nothing plugged in", {}, false, 1, {"no serial port was found", "korvex-cli ports"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto list = c.ports;
        const PortNumbering numbering([list] { return list; }, c.windowsStyle);
        const PortResolution r = numbering.resolve(c.number);
        EXPECT_FALSE(r.port);
        for (const QString& part : c.mustSay)
            EXPECT_TRUE(r.error.contains(part))
                << r.error.toStdString() << "\nlacks " << part.toStdString();
    }
}

TEST(PortNumbering, OnWindowsTheDigitIsTheComNumberWhateverTheList) {
    const PortNumbering numbering(
        [] {
            auto com1 = port("COM1");
            com1.device = "COM1";
            com1.description = "Communications Port";
            return QList<PortDescription>{com1};
        },
        true);
    const PortResolution seven = numbering.resolve(7);
    ASSERT_TRUE(seven.port);
    EXPECT_EQ(seven.port->device, "COM7");
    const PortResolution one = numbering.resolve(1);
    ASSERT_TRUE(one.port);
    EXPECT_EQ(one.port->device, "COM1");
    EXPECT_EQ(one.port->description, "Communications Port");
}

} // namespace
} // namespace korvex
