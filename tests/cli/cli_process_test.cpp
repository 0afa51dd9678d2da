#include "config_file/config_file.h"
#include "settings/field_table.h"
#include "settings/settings_values.h"
#include "support/pseudo_terminal.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace korvex {
namespace {

using korvex::testing::Pty;

struct Finished {
    int code;
    QByteArray out;
    QByteArray err;
};

Finished runCliProcess(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KORVEX_CLI_PATH), arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, "timed out"};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(CliProcess, CheckJsonPrintsOneObject) {
    const Finished r = runCliProcess({QStringLiteral("check"), QStringLiteral("--json")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.trimmed().startsWith('{'));
    EXPECT_TRUE(r.out.trimmed().endsWith('}'));
    EXPECT_TRUE(r.out.contains("\"block\": \"1E06003E2F0A3018120C0906040C1903"));
}

TEST(CliProcess, UsageErrorExitsWithTwo) {
    const Finished r = runCliProcess({QStringLiteral("check"), QStringLiteral("--no-such-option")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
}

// The factory file with one item's text replaced.
QByteArray factoryFileWith(FieldId id, const QByteArray& item) {
    const QByteArray factory = SettingsValues().text(id).toLatin1();
    return encodeConfigFile(SettingsValues()).bytes.replace('"' + factory + '"', '"' + item + '"');
}

struct HostileCase {
    const char* name;
    QByteArray file; // passed as FILE when not empty
    QStringList arguments;
    int code;
    QByteArray shown; // what stands in the output instead
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileTextTest : public ::testing::TestWithParam<HostileCase> {};

// Whatever a file or an argument holds, the terminal gets no byte it would
// act on, and a huge item is not echoed whole.
TEST_P(HostileTextTest, ReachesTheTerminalEscapedAndCut) {
    const HostileCase& c = GetParam();
    QTemporaryDir dir;
    QStringList arguments{QStringLiteral("check")};
    if (!c.file.isEmpty()) {
        const QString path = dir.filePath(QStringLiteral("hostile.cfg"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.file);
        file.close();
        arguments << path;
    }
    const Finished r = runCliProcess(arguments + c.arguments);
    const QByteArray all = r.out + r.err;
    EXPECT_EQ(r.code, c.code) << r.err.toStdString();
    for (const char* raw : {"\x1b", "\x07", "\xc2\x9d"}) {
        EXPECT_FALSE(all.contains(raw)) << "raw " << QByteArray(raw).toHex().toStdString();
    }
    EXPECT_TRUE(all.contains(c.shown)) << all.left(2000).toStdString();
    EXPECT_LT(r.err.size(), 2000);
}

INSTANTIATE_TEST_SUITE_P(
    Check, HostileTextTest,
    ::testing::Values(
        HostileCase{"TerminalTitleAndClearInTheStatus",
                    factoryFileWith(FieldId::edBeacon, "\x1b]0;title\x07\x1b[2J"),
                    {},
                    2,
                    "\\x1B]0;title\\x07\\x1B[2J"},
        // Windows-1252 leaves 0x9D undefined: it reads as the C1 control OSC.
        HostileCase{"C1ControlInALoadedStatus",
                    factoryFileWith(FieldId::edBeacon, "\x9d"
                                                       "0;title"),
                    {},
                    0,
                    "\"\\x9D0;title\""},
        HostileCase{"C1ControlInJson",
                    factoryFileWith(FieldId::edBeacon, "\x9d"
                                                       "0;title"),
                    {QStringLiteral("--json")},
                    0,
                    "\"\\u009d0;title\""},
        HostileCase{"HugeItem",
                    factoryFileWith(FieldId::edNumFlagsAuto, QByteArray(900000, '9') + "\x9d"),
                    {},
                    2,
                    "9999\xe2\x80\xa6"},
        HostileCase{"C1ControlInABuildFault",
                    {},
                    {QStringLiteral("--set"), QStringLiteral("path=A-99999999999\u009d")},
                    1,
                    "SSID number \"99999999999\\x9D\" is too large"},
        HostileCase{"UnknownKey",
                    {},
                    {QStringLiteral("--set"), QStringLiteral("\x1b[2J\x07=1")},
                    2,
                    "--set \\x1B[2J\\x07: unknown key"},
        HostileCase{"UnknownOption", {}, {QStringLiteral("--\x1b]0;x\x07")}, 2, "\\x1B]0;x\\x07"}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

// The whole road through a real tty: the far end must see exactly the 122
// bytes, as four writes spaced like the timeline.
TEST(CliProcess, SendDeliversTheLineStreamThroughAPseudoTerminal) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.cfg"));
    ASSERT_EQ(runCliProcess({QStringLiteral("defaults"), QStringLiteral("-o"), file}).code, 0);

    pty.startReading();
    const Finished r =
        runCliProcess({QStringLiteral("send"), file, QStringLiteral("--port"), pty.slavePath()});
    pty.stopReading();
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Data sent !"));

    const auto chunks = pty.chunks();
    QByteArray line;
    for (const auto& chunk : chunks) {
        line += chunk.bytes;
    }
    ASSERT_EQ(line.size(), 122);
    EXPECT_EQ(line.left(2), QByteArray("\xff\xff"));
    EXPECT_EQ(line.mid(61, 2), QByteArray("\xff\xff"));
    EXPECT_EQ(line.mid(2, 16).toHex().toUpper(), QByteArray("1E06003E2F0A3018120C0906040C1903"));

    // Group what arrived into writes: the sender's four writes are at least
    // a few milliseconds apart, the bytes of one write arrive together.
    std::vector<std::pair<Pty::Chunk, int>> writes;
    for (const auto& chunk : chunks) {
        if (!writes.empty() && chunk.at - writes.back().first.at < std::chrono::milliseconds(3)) {
            writes.back().second += static_cast<int>(chunk.bytes.size());
            continue;
        }
        writes.push_back({chunk, static_cast<int>(chunk.bytes.size())});
    }
    ASSERT_EQ(writes.size(), 4u);
    EXPECT_EQ(writes[0].second, 2);
    EXPECT_EQ(writes[1].second, 59);
    EXPECT_EQ(writes[2].second, 2);
    EXPECT_EQ(writes[3].second, 59);
    auto gap = [&](int a, int b) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(writes[b].first.at -
                                                                     writes[a].first.at)
            .count();
    };
    std::cout << "gaps between writes (ms): " << gap(0, 1) << " " << gap(1, 2) << " " << gap(2, 3)
              << "\n";
    EXPECT_NEAR(gap(0, 1), 10, 40);
    EXPECT_NEAR(gap(1, 2), 400, 60);
    EXPECT_NEAR(gap(2, 3), 10, 40);
}

} // namespace
} // namespace korvex
