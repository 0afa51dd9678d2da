// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_runner.h"
#include "settings/field_table.h"
#ifdef __linux__ // the serial side is read on Linux only
#include "support/serial_side_tree.h"
#endif

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace korvex::cli {
namespace {

QString runForOutput(const QStringList& arguments, const Environment& environment = {}) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    EXPECT_EQ(runCli(QStringList{QStringLiteral("korvex-cli")} + arguments, outStream, errStream,
                     environment),
              0)
        << arguments.join(u' ').toStdString();
    outStream.flush();
    return out;
}

QSet<QString> words(const QString& text) {
    const QStringList list = text.simplified().split(u' ', Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}

// A set as one readable line, for comparing.
std::string listed(const QSet<QString>& set) {
    QStringList list(set.begin(), set.end());
    list.sort();
    return list.join(u' ').toStdString();
}

// The long and short options a command's --help lists.
QSet<QString> helpOptions(const QString& command) {
    const QString help = runForOutput({command, QStringLiteral("--help")});
    const QString options =
        help.section(QStringLiteral("Options:"), 1).section(QStringLiteral("Arguments:"), 0, 0);
    QSet<QString> found;
    QRegularExpression option(QStringLiteral("^\\s+(-\\w)?(?:, )?(--[\\w-]+)"),
                              QRegularExpression::MultilineOption);
    for (const auto& match : option.globalMatch(options)) {
        found << match.captured(2);
        if (!match.captured(1).isEmpty())
            found << match.captured(1);
    }
    return found;
}

QString readCompletion() {
    QFile file(QStringLiteral(KORVEX_COMPLETION_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << KORVEX_COMPLETION_FILE;
    return QString::fromUtf8(file.readAll());
}

QString shellVariable(const QString& script, const QString& name) {
    const QRegularExpression assignment(QStringLiteral("local %1=\"([^\"]*)\"").arg(name));
    return assignment.match(script).captured(1);
}

// The completion is written by hand: it must offer what the program takes,
// no more and no less.
TEST(CliCompletion, OffersEveryCommandOptionAndKey) {
    const QString script = readCompletion();

    const QString usage = runForOutput({QStringLiteral("--help")});
    QSet<QString> commands;
    const QRegularExpression commandLine(QStringLiteral("^  ([a-z]+) "),
                                         QRegularExpression::MultilineOption);
    for (const auto& match : commandLine.globalMatch(usage))
        commands << match.captured(1);
    EXPECT_EQ(listed(words(shellVariable(script, QStringLiteral("commands")))), listed(commands));

    for (const QString& command : commands) {
        const QRegularExpression options(QStringLiteral("%1\\) options=\"([^\"]*)\"").arg(command));
        EXPECT_EQ(listed(words(options.match(script).captured(1))), listed(helpOptions(command)))
            << command.toStdString();
    }

    QSet<QString> keys;
    for (const FieldInfo& info : fieldTable())
        keys << QLatin1String(info.key);
    EXPECT_EQ(listed(words(shellVariable(script, QStringLiteral("keys")))), listed(keys));
}

TEST(CliPorts, JsonListsThePortsInTheirOrder) {
    PortDescription usb;
    usb.device = QStringLiteral("/dev/ttyUSB0");
    usb.description = QStringLiteral("FT232R USB UART");
    usb.manufacturer = QStringLiteral("FTDI");
    usb.vendorId = 0x0403;
    usb.productId = 0x6001;
    usb.serialNumber = QStringLiteral("A1B2");
    PortDescription simulator;
    simulator.device = QStringLiteral("/dev/pts/7");
    simulator.simulated = true;
    Environment environment;
    environment.portNumbering = [=] {
        return PortNumbering([=] { return QList<PortDescription>{simulator, usb}; });
    };

    const QString out =
        runForOutput({QStringLiteral("ports"), QStringLiteral("--json")}, environment);
    const QJsonArray ports = QJsonDocument::fromJson(out.toUtf8()).object()["ports"].toArray();
    ASSERT_EQ(ports.size(), 2) << out.toStdString();
    EXPECT_EQ(ports[0].toObject(), (QJsonObject{{"number", 1},
                                                {"device", "/dev/ttyUSB0"},
                                                {"by_id", QJsonValue()},
                                                {"driver", QJsonValue()},
                                                {"description", "FT232R USB UART"},
                                                {"manufacturer", "FTDI"},
                                                {"vendor_id", "0403"},
                                                {"product_id", "6001"},
                                                {"serial_number", "A1B2"},
                                                {"simulated", false}}));
    EXPECT_EQ(ports[1].toObject(), (QJsonObject{{"number", 2},
                                                {"device", "/dev/pts/7"},
                                                {"by_id", QJsonValue()},
                                                {"driver", QJsonValue()},
                                                {"description", ""},
                                                {"manufacturer", ""},
                                                {"vendor_id", QJsonValue()},
                                                {"product_id", QJsonValue()},
                                                {"serial_number", ""},
                                                {"simulated", true}}));
}

#ifdef __linux__
// Text and JSON carry the same finding; the exit status says no port is usable.
TEST(CliPorts, DiagnoseNamesTheBrailleRuleAndItsFix) {
    testing::SerialSideTree tree;
    tree.usb("1-1", "1a86:7523", "usbfs", "")
        .add("lib/udev/rules.d/85-brltty.rules=ENV{PRODUCT}==\"1a86/7523/*\", GOTO=\"run\"");
    Environment environment;
    environment.serialSide = tree.root();
    environment.portNumbering = [root = tree.root()] { return portNumberingFor(root); };
    for (const bool json : {false, true}) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        QStringList arguments{"korvex-cli", "ports", "--diagnose"};
        EXPECT_EQ(runCli(arguments + (json ? QStringList{"--json"} : QStringList{}), outStream,
                         errStream, environment),
                  kNoUsablePort);
        outStream.flush();
        const QString fix = "sudo sed -i '1s/^/# /' /etc/udev/rules.d/85-brltty.rules";
        if (json) {
            const QJsonObject finding =
                QJsonDocument::fromJson(out.toUtf8())["findings"][0].toObject();
            EXPECT_EQ(finding["kind"], "braille_rule");
            EXPECT_TRUE(finding["fix"].toString().contains(fix)) << out.toStdString();
        } else {
            EXPECT_TRUE(out.contains("adapter without a port: 1a86:7523 CH340/CH341 on USB 1-1"));
            EXPECT_TRUE(out.contains(fix)) << out.toStdString();
        }
    }
}
#endif

} // namespace
} // namespace korvex::cli
