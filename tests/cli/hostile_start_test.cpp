// SPDX-License-Identifier: GPL-3.0-or-later
// Each program and command started as a careless launcher, a service manager
// or a strict session starts it. Whatever it meets, it is not killed, its
// status is that of what it did, and the old file stays whole.
#include "cli/exit_code.h"
#include "config_file/config_file.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace korvex::cli {
namespace {

struct Condition {
    const char* name;
    int resource = -1; // a limit lowered to `value`, as `ulimit` does
    rlim_t value = 0;
    int closedFd = -1; // as `2>&-` does
    const char* home = nullptr;
    bool emptyEnvironment = false;
};

// clang-format off
const Condition kConditions[] = {
    {"InputClosed", -1, 0, 0}, {"OutputClosed", -1, 0, 1}, {"ErrorClosed", -1, 0, 2},
    {"NoFileSize", RLIMIT_FSIZE, 0}, {"FewFileBytes", RLIMIT_FSIZE, 100},
    {"FewDescriptors", RLIMIT_NOFILE, 12}, {"LimitedMemory", RLIMIT_AS, rlim_t{1} << 31},
    {"UnwritableHome", -1, 0, -1, "/proc/self/none"}, {"EmptyEnvironment", -1, 0, -1, nullptr, true},
};
// clang-format on

// The window is a command that is done when it is asked to close.
struct Command {
    const char* name;
    QStringList arguments; // OLD: the existing .cfg file
    int code;              // -1: stays open
    bool printsReport = false;
    bool writesOld = false;
};

// clang-format off
const Command kCommands[] = {
    {"Defaults", {"defaults", "-o", "OLD"}, kSuccess, false, true},
    {"DefaultsToOutput", {"defaults"}, kSuccess, true}, {"Check", {"check", "OLD"}, kSuccess, true},
    {"CheckJson", {"check", "--json", "OLD"}, kSuccess, true},
    {"Edit", {"edit", "OLD", "--set", "mycall=n0call-7", "-o", "OLD"}, kSuccess, false, true},
    {"SendToANonSerialDevice", {"send", "OLD", "--port", "/dev/null"}, kPortError},
    {"Ports", {"ports"}, kSuccess, true}, {"SimulateWithAStrayWord", {"simulate", "x"}, kUsage},
    {"Help", {"--help"}, kSuccess, true}, {"Window", {"-platform", "offscreen", "OLD"}, -1},
};
// clang-format on

class HostileStart : public ::testing::TestWithParam<std::tuple<Command, Condition>> {};

TEST_P(HostileStart, EndsWithTheStatusOfItsWorkAndKeepsTheOldFile) {
    const auto& [command, condition] = GetParam();
#ifdef __SANITIZE_ADDRESS__
    if (condition.resource == RLIMIT_AS)
        GTEST_SKIP() << "the sanitizers reserve more address space than any limit allows";
#endif
    QTemporaryDir folder;
    const QString old = folder.filePath(QStringLiteral("old.cfg"));
    SettingsValues settings;
    ASSERT_TRUE(settings.setText(FieldId::myCall, QStringLiteral("OLD-1")));
    ASSERT_TRUE(writeConfigFile(old, settings));
    const QByteArray before = encodeConfigFile(settings).value();

    QProcess process;
    process.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORVEX_SIMULATOR_DIR"), folder.path());
    if (condition.emptyEnvironment)
        environment = QProcessEnvironment(); // not a variable is left
    if (condition.home)
        environment.insert(QStringLiteral("HOME"), QLatin1String(condition.home));
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([&condition] {
        // As a shell starts a program, not as this test runs (it ignores both).
        ::signal(SIGXFSZ, SIG_DFL);
        ::signal(SIGPIPE, SIG_DFL);
        if (condition.closedFd >= 0)
            ::close(condition.closedFd);
        rlimit lowered{};
        if (condition.resource >= 0 && ::getrlimit(condition.resource, &lowered) == 0) {
            lowered.rlim_cur = condition.value;
            ::setrlimit(condition.resource, &lowered);
        }
    });
    QStringList arguments = command.arguments;
    const bool window = command.code < 0;
    process.start(window ? KORVEX_APP_PATH : KORVEX_CLI_PATH,
                  arguments.replaceInStrings(QStringLiteral("OLD"), old));
    process.closeWriteChannel();
    const bool ended = process.waitForFinished(window ? 2500 : 20000);
    // A descriptor closed at the start leads to the null device, so nothing
    // the program opened later (a display connection, a file) took its number.
    if (!ended && condition.closedFd >= 0) {
        EXPECT_EQ(
            QFile::symLinkTarget(
                QStringLiteral("/proc/%1/fd/%2").arg(process.processId()).arg(condition.closedFd)),
            QStringLiteral("/dev/null"));
    }
    process.kill();
    process.waitForFinished();
    const QByteArray err = process.readAllStandardError();
    ASSERT_EQ(ended, !window) << "ended by itself, or hung: " << err.toStdString();
    const int expected = command.writesOld && condition.resource == RLIMIT_FSIZE ? kFileError
                         : command.printsReport && condition.closedFd == 1       ? kOutputLost
                                                                                 : command.code;
    if (!window) {
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "killed by a signal";
        EXPECT_EQ(process.exitCode(), expected) << err.toStdString();
    }
    // Messages go to standard error only.
    EXPECT_FALSE(process.readAllStandardOutput().contains("korvex-cli:"));
    QFile now(old);
    ASSERT_TRUE(now.open(QIODevice::ReadOnly));
    EXPECT_EQ(now.readAll() == before, !(command.writesOld && expected == kSuccess));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.cfg")});
}

INSTANTIATE_TEST_SUITE_P(Conditions, HostileStart,
                         ::testing::Combine(::testing::ValuesIn(kCommands),
                                            ::testing::ValuesIn(kConditions)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
} // namespace korvex::cli
