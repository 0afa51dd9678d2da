// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exit_code.h"
#include "config_file/config_file.h"
#include "settings/field_table.h"
#include "settings/settings_values.h"
#include "support/file_faults.h"
#include "support/pseudo_terminal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <termios.h>
#include <thread>

namespace korvex {
namespace {

using korvex::testing::Pty;

struct Finished {
    int code;
    QByteArray out;
    QByteArray err;
};

// Where the program's standard streams lead, when not to the test.
struct Streams {
    QByteArray input;
    QString outputFile; // e.g. /dev/full
    QString errorFile;
    bool outputClosed = false;
    bool outputReaderGone = false; // a pipe whose reader closed, as `| head` leaves it

    static Streams withInput(QByteArray bytes) {
        Streams s;
        s.input = std::move(bytes);
        return s;
    }
    static Streams outputTo(QString file) {
        Streams s;
        s.outputFile = std::move(file);
        return s;
    }
    static Streams errorTo(QString file) {
        Streams s;
        s.errorFile = std::move(file);
        return s;
    }
    static Streams closingOutput() {
        Streams s;
        s.outputClosed = true;
        return s;
    }
    static Streams outputReaderGoneAway() {
        Streams s;
        s.outputReaderGone = true;
        return s;
    }
};

Finished runCliProcess(const QStringList& arguments, const Streams& streams = {}) {
    QProcess process;
    if (!streams.outputFile.isEmpty())
        process.setStandardOutputFile(streams.outputFile);
    if (!streams.errorFile.isEmpty())
        process.setStandardErrorFile(streams.errorFile);
    if (streams.outputClosed)
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    if (streams.outputReaderGone) {
        process.setChildProcessModifier([] {
            int ends[2];
            if (::pipe(ends) == 0 && ::dup2(ends[1], STDOUT_FILENO) >= 0)
                ::close(ends[0]);
            ::signal(SIGPIPE, SIG_DFL); // as a shell starts a pipeline
        });
    }
    process.start(QStringLiteral(KORVEX_CLI_PATH), arguments);
    process.write(streams.input);
    process.closeWriteChannel();
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

// Austrian German finds the German catalogue beside the program; people read
// its words, programs (--json, fault reasons included) what they always read.
TEST(CliProcess, LanguageChangesWordsNeverJson) {
    const QStringList german{QStringLiteral("--lang"), QStringLiteral("de_AT.UTF-8")};
    EXPECT_TRUE(runCliProcess(german + QStringList{QStringLiteral("--help")})
                    .out.startsWith("Aufruf: korvex-cli BEFEHL"));
    const QStringList refused{QStringLiteral("check"), QStringLiteral("--set"),
                              QStringLiteral("mycall="), QStringLiteral("--json")};
    EXPECT_EQ(runCliProcess(german + refused).out, runCliProcess(refused).out);
}

TEST(CliProcess, UsageErrorExitsWithTwo) {
    const Finished r = runCliProcess({QStringLiteral("check"), QStringLiteral("--no-such-option")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
}

struct OutputFault {
    const char* name;
    QStringList arguments;
    Streams streams;
    const char* says; // on stderr, when it still works
};

class CliOutputFault : public ::testing::TestWithParam<OutputFault> {};

// Output that never arrived is not a success, whatever the command did.
TEST_P(CliOutputFault, ExitsWithTwo) {
    const OutputFault& c = GetParam();
    QTemporaryDir registry;
    qputenv("KORVEX_SIMULATOR_DIR", QFile::encodeName(registry.path()));
    const Finished r = runCliProcess(c.arguments, c.streams);
    qunsetenv("KORVEX_SIMULATOR_DIR");
    EXPECT_EQ(r.code, cli::kOutputLost) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
    EXPECT_TRUE(QDir(registry.path()).isEmpty()) << "a simulator stayed listed";
}

const QString kFull = QStringLiteral("/dev/full");
const char* const kNoSpace = "cannot write to standard output: No space left on device";
const char* const kClosed = "cannot write to standard output: Bad file descriptor";
const QString kCheck = QStringLiteral("check");
const QString kDefaults = QStringLiteral("defaults");
const QString kJson = QStringLiteral("--json");

INSTANTIATE_TEST_SUITE_P(
    Streams, CliOutputFault,
    ::testing::Values(
        OutputFault{"DefaultsFull", {kDefaults}, Streams::outputTo(kFull), kNoSpace},
        OutputFault{"CheckFull", {kCheck}, Streams::outputTo(kFull), kNoSpace},
        OutputFault{"CheckJsonFull", {kCheck, kJson}, Streams::outputTo(kFull), kNoSpace},
        OutputFault{"PortsFull", {QStringLiteral("ports")}, Streams::outputTo(kFull), kNoSpace},
        OutputFault{"DefaultsClosed", {kDefaults}, Streams::closingOutput(), kClosed},
        OutputFault{"CheckJsonClosed", {kCheck, kJson}, Streams::closingOutput(), kClosed},
        OutputFault{"CheckReaderGone",
                    {kCheck},
                    Streams::outputReaderGoneAway(),
                    "cannot write to standard output: Broken pipe"},
        // Nothing written yet: the simulator notices the reader's end by itself.
        OutputFault{"SimulateReaderGone",
                    {QStringLiteral("simulate"), kJson},
                    Streams::outputReaderGoneAway(),
                    "no reader any more"},
        // Settings rejected (1), and the report of why lost on a full stderr.
        OutputFault{"FaultReportFull",
                    {kCheck, QStringLiteral("--set"), QStringLiteral("mycall=")},
                    Streams::errorTo(kFull),
                    ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct FifoInput {
    const char* name;
    QStringList arguments; // %1: the FIFO, %2: a file to write
};

class CliFifoInput : public ::testing::TestWithParam<FifoInput> {};

// Without the fix these wait forever for a writer; the harness gives up after 20 s.
TEST_P(CliFifoInput, IsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("in.cfg"));
    ASSERT_TRUE(makeSpecialFile(testing::SpecialKind::Fifo, fifo));
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("%1"), fifo);
    arguments.replaceInStrings(QStringLiteral("%2"), dir.filePath(QStringLiteral("out.cfg")));
    const Finished r = runCliProcess(arguments);
    EXPECT_EQ(r.code, cli::kFileError) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("it is a named pipe (FIFO), not a regular file"))
        << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliFifoInput,
    ::testing::Values(FifoInput{"Check", {kCheck, QStringLiteral("%1")}},
                      FifoInput{"Edit",
                                {QStringLiteral("edit"), QStringLiteral("%1"), QStringLiteral("-o"),
                                 QStringLiteral("%2")}},
                      FifoInput{"Send", {QStringLiteral("send"), QStringLiteral("%1")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliProcess, PseudoTerminalMasterIsNotAFile) {
    const Finished r = runCliProcess({QStringLiteral("check"), QStringLiteral("/dev/ptmx")});
    EXPECT_EQ(r.code, cli::kFileError);
    EXPECT_TRUE(r.err.contains("it is a character device, not a regular file"))
        << r.err.toStdString();
}

TEST(CliProcess, DashIsStandardInputAndOutput) {
    const Finished defaults =
        runCliProcess({QStringLiteral("defaults"), QStringLiteral("-o"), QStringLiteral("-")});
    ASSERT_EQ(defaults.code, 0) << defaults.err.toStdString();
    EXPECT_TRUE(defaults.out.startsWith("\"1\",\"200\",\"006\",0,\">\",0\r\n"));

    const Finished edited = runCliProcess(
        {QStringLiteral("edit"), QStringLiteral("-"), QStringLiteral("--set"),
         QStringLiteral("mycall=N0CALL-7"), QStringLiteral("-o"), QStringLiteral("-")},
        Streams::withInput(QByteArray(defaults.out).replace("NOCALL-9", "N0CALL-3")));
    ASSERT_EQ(edited.code, 0) << edited.err.toStdString();
    EXPECT_TRUE(edited.out.contains("\"N0CALL-7\""));

    const Finished checked =
        runCliProcess({QStringLiteral("check"), QStringLiteral("--json"), QStringLiteral("-")},
                      Streams::withInput(edited.out));
    EXPECT_EQ(checked.code, 0) << checked.err.toStdString();
    EXPECT_TRUE(checked.out.contains("\"mycall\": \"N0CALL-7\""));
}

// What a save does to the file it replaces, tried with the real tools: each
// script runs in a fresh folder with $CLI and $APP set, and only what it
// prints counts ("CFG" stands for the factory file). Exit 77 skips.
struct ShellTrial {
    const char* name;
    const char* script;
    QByteArray printed;
};

const ShellTrial kShellTrials[] = {
    {"AppendingLog", "echo old >log; $CLI defaults -o /dev/stdout >>log; cat log", "old\nCFG"},
    {"Pipe", "$CLI defaults -o /dev/stdout | cat", "CFG"},
    {"Deleted", "exec 3>t.cfg; rm t.cfg; $CLI defaults -o /proc/self/fd/3; cat /dev/fd/3;ls",
     "CFG"},
    {"AccessListAndAttributes",
     "chmod 600 t.cfg; setfacl -m u:65534:r t.cfg && setfattr -n user.a -v 1 t.cfg || exit 77;"
     "setfattr -n trusted.b t.cfg; meta >old; $CLI defaults -o t.cfg; meta | cmp - old && ls",
     "old\nt.cfg\n"},
    {"FolderList",
     "setfacl -dm u:65534:rw . || exit 77; meta >old; $CLI defaults -o t.cfg; meta | cmp - old",
     ""},
    {"WriteProtected",
     "chmod 444 t.cfg; chown 65534 . t.cfg; nobody $CLI defaults -o t.cfg | grep -c protected",
     "1\n"},
    {"FolderNotWritable",
     "chown 65534 t.cfg; nobody $CLI edit t.cfg --set mycall=N0CALL-7 -o t.cfg;"
     "grep -c N0CALL-7 t.cfg; ls",
     "1\nt.cfg\n"},
    {"NeitherWritable", "nobody $CLI defaults -o t.cfg | grep -c \"its folder .$PWD\"", "1\n"},
    {"NeitherWritableNoSpace",
     "mkdir d; nobody true; unshare -m sh -c 'mount -t tmpfs -o size=16k,mode=755 t d; cd d; "
     ":>t.cfg;"
     "chown 65534 t.cfg; cat /dev/zero >f; setpriv --reuid=65534 --regid=65534 --clear-groups $0 "
     "defaults -o t.cfg' $CLI 2>&1 | grep -c 'reserved first, which failed (No space'",
     "1\n"},
    {"Stale", "touch -d-2hours .t.cfg.ab12cd34 .t.cfg.AB12CD34; $CLI defaults -o t.cfg; ls .t.cfg*",
     ".t.cfg.AB12CD34\n"},
    {"LostBytes", "$CLI defaults -o \"$(printf '\\357\\277\\275')\" 2>&1 | grep -c U+FFFD", "1\n"},
    {"Latin1NameCli", "$CLI defaults -o \"$(printf '\\351.cfg')\"; echo $?; ls", "3\nt.cfg\n"},
    {"Latin1NameWindow",
     "timeout 5 $APP \"$(printf '\\351.cfg')\" 2>&1 | grep -c 'not valid UTF-8'", "1\n"},
};

class CliShellTrial : public ::testing::TestWithParam<ShellTrial> {};

TEST_P(CliShellTrial, PrintsWhatItShould) {
    QTemporaryDir folder;
    const QString prelude = QStringLiteral(
        "CLI=%1; APP=%2; $CLI defaults -o t.cfg; meta() { getfattr -dm- t.cfg; stat -c%a t.cfg; };"
        "nobody() { [ $(id -u) = 0 ] || exit 77; chmod 755 .; setpriv --reuid=65534 "
        "--regid=65534 --clear-groups \"$@\" 2>&1; };");
    QProcess shell;
    shell.setWorkingDirectory(folder.path());
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 prelude.arg(QStringLiteral(KORVEX_CLI_PATH), QStringLiteral(KORVEX_APP_PATH)) +
                     QLatin1String(GetParam().script)});
    ASSERT_TRUE(shell.waitForFinished(20000));
    if (shell.exitCode() == 77)
        GTEST_SKIP() << "needs root, or acl/attr and a file system that keeps access lists";
    const QByteArray cfg = encodeConfigFile(SettingsValues()).value();
    EXPECT_EQ(shell.readAllStandardOutput(), QByteArray(GetParam().printed).replace("CFG", cfg))
        << shell.readAllStandardError().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Trials, CliShellTrial, ::testing::ValuesIn(kShellTrials),
                         [](const auto& info) { return std::string(info.param.name); });

// A real full disk under the command line: the old file stays, exit 2.
TEST(CliProcess, SaveOnAFullDiskFailsAndKeepsTheOldFile) {
    testing::SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small tmpfs to fill: " << disk.problem();
    const QString keep = disk.filePath(QStringLiteral("keep.cfg"));
    ASSERT_EQ(runCliProcess({QStringLiteral("defaults"), QStringLiteral("-o"), keep}).code, 0);
    QFile kept(keep);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QByteArray before = kept.readAll();
    kept.close();
    ASSERT_TRUE(disk.fill());

    for (const QString& target : {keep, disk.filePath(QStringLiteral("new.cfg"))}) {
        const Finished r =
            runCliProcess({QStringLiteral("edit"), QStringLiteral("--set"),
                           QStringLiteral("mycall=N0CALL-7"), QStringLiteral("-o"), target});
        EXPECT_EQ(r.code, cli::kFileError);
        EXPECT_TRUE(r.err.contains("No space left on device")) << r.err.toStdString();
    }
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral(".filler"), QStringLiteral("keep.cfg")}));
}

// The factory file with one item's text replaced.
QByteArray factoryFileWith(FieldId id, const QByteArray& item) {
    const QByteArray factory = SettingsValues().text(id).toLatin1();
    QByteArray file = encodeConfigFile(SettingsValues()).value();
    return file.replace('"' + factory + '"', '"' + item + '"');
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
                    factoryFileWith(FieldId::statusText, "\x1b]0;title\x07\x1b[2J"),
                    {},
                    cli::kNotLoaded,
                    "\\x1B]0;title\\x07\\x1B[2J"},
        // Windows-1252 leaves 0x9D undefined: it reads as the C1 control OSC.
        HostileCase{"C1ControlInALoadedStatus",
                    factoryFileWith(FieldId::statusText, "\x9d"
                                                         "0;title"),
                    {},
                    0,
                    "\"\\x9D0;title\""},
        HostileCase{"C1ControlInJson",
                    factoryFileWith(FieldId::statusText, "\x9d"
                                                         "0;title"),
                    {QStringLiteral("--json")},
                    0,
                    "\"\\u009d0;title\""},
        HostileCase{"HugeItem",
                    factoryFileWith(FieldId::txDelay, QByteArray(900000, '9') + "\x9d"),
                    {},
                    cli::kNotLoaded,
                    "9999\xe2\x80\xa6"},
        // Typed, the control would be refused; loaded, it reaches the build.
        HostileCase{"C1ControlInABuildFault",
                    factoryFileWith(FieldId::aprsPath, "A-99999999999\x9d"),
                    {},
                    cli::kSettingsRejected,
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
    EXPECT_TRUE(r.err.startsWith("Sending data on " + pty.slavePath().toUtf8() + "......\n"))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("Data sent to " + pty.slavePath().toUtf8() + "\n"))
        << r.out.toStdString();

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

// Ctrl+C or a stop in the middle of a transfer: the port is closed with the
// line settings it had, the user hears that the tracker may hold part of a
// transfer, and the status is a failure.
TEST(CliProcess, InterruptedSendClosesThePortAsFoundAndSaysSo) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.cfg"));
    ASSERT_EQ(runCliProcess({QStringLiteral("defaults"), QStringLiteral("-o"), file}).code, 0);
    for (const int signal : {SIGINT, SIGTERM}) {
        Pty pty;
        termios found{}, after{};
        ASSERT_TRUE(pty.ok() && ::tcgetattr(pty.slaveFd(), &found) == 0);
        ::cfsetspeed(&found, B9600);
        found.c_cflag |= CSTOPB; // a pseudo-terminal keeps no other framing
        ASSERT_EQ(::tcsetattr(pty.slaveFd(), TCSANOW, &found), 0);
        pty.startReading();
        QProcess send;
        send.start(KORVEX_CLI_PATH, {"send", file, "--port", pty.slavePath()});
        for (int waited = 0; pty.chunks().empty() && waited < 3000; waited += 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::kill(static_cast<pid_t>(send.processId()), signal); // after the first preamble
        ASSERT_TRUE(send.waitForFinished(5000));
        pty.stopReading();
        const QByteArray err = send.readAllStandardError();
        EXPECT_TRUE(send.exitStatus() == QProcess::NormalExit &&
                    send.exitCode() == cli::kInterrupted &&
                    err.contains("may hold a partial transfer"))
            << err.toStdString();
        ASSERT_EQ(::tcgetattr(pty.slaveFd(), &after), 0);
        EXPECT_TRUE(::cfgetospeed(&after) == B9600 && (after.c_cflag & CSTOPB));
    }
}

} // namespace
} // namespace korvex
