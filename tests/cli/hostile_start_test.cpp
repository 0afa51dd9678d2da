// SPDX-License-Identifier: GPL-3.0-or-later
// Each program and command started the way a careless launcher, a service
// manager or a strict session starts it: a standard descriptor closed, a
// file-size, descriptor or memory limit, a home it may not write, no
// environment at all. Whatever it meets, it ends by itself with the status
// of what it did, writes nowhere it should not, and leaves the old file whole.
#include "cli/exit_code.h"
#include "config_file/config_file.h"
#include "settings/settings_values.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace korvex::cli {
namespace {

enum class Condition {
    InputClosed,
    OutputClosed,
    ErrorClosed,
    NoFileSize,
    FewFileBytes,
    FewDescriptors,
    LimitedMemory,
    UnwritableHome,
    EmptyEnvironment,
};

constexpr Condition kConditions[] = {
    Condition::InputClosed,   Condition::OutputClosed,   Condition::ErrorClosed,
    Condition::NoFileSize,    Condition::FewFileBytes,   Condition::FewDescriptors,
    Condition::LimitedMemory, Condition::UnwritableHome, Condition::EmptyEnvironment,
};

const char* conditionName(Condition condition) {
    constexpr const char* kNames[] = {"InputClosed",   "OutputClosed",   "ErrorClosed",
                                      "NoFileSize",    "FewFileBytes",   "FewDescriptors",
                                      "LimitedMemory", "UnwritableHome", "EmptyEnvironment"};
    return kNames[static_cast<int>(condition)];
}

bool underSanitizer() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
    return true;
#endif
#endif
    return false;
}

void limit(int resource, rlim_t value) {
    rlimit lowered{};
    ::getrlimit(resource, &lowered);
    lowered.rlim_cur = value;
    ::setrlimit(resource, &lowered);
}

// Set up in the child between fork and exec, as a shell's `2>&-` or `ulimit` does.
void applyInChild(Condition condition) {
    // As a login shell starts a program, not as this test runs (it ignores both).
    ::signal(SIGXFSZ, SIG_DFL);
    ::signal(SIGPIPE, SIG_DFL);
    switch (condition) {
    case Condition::InputClosed:
        ::close(STDIN_FILENO);
        break;
    case Condition::OutputClosed:
        ::close(STDOUT_FILENO);
        break;
    case Condition::ErrorClosed:
        ::close(STDERR_FILENO);
        break;
    case Condition::NoFileSize:
        limit(RLIMIT_FSIZE, 0);
        break;
    case Condition::FewFileBytes:
        limit(RLIMIT_FSIZE, 100); // less than a .cfg file
        break;
    case Condition::FewDescriptors:
        limit(RLIMIT_NOFILE, 12);
        break;
    case Condition::LimitedMemory:
        limit(RLIMIT_AS, rlim_t{1} << 31);
        break;
    case Condition::UnwritableHome:
    case Condition::EmptyEnvironment:
        break;
    }
}

// What a command does, and so which conditions keep it from doing it.
struct Command {
    const char* name;
    QStringList arguments; // OLD: the existing .cfg file
    bool printsReport;     // standard output is its work
    bool writesOld;        // it replaces OLD
    int code;              // when nothing stands in its way
};

const Command kCommands[] = {
    {"Defaults", {"defaults", "-o", "OLD"}, false, true, kSuccess},
    {"DefaultsToOutput", {"defaults"}, true, false, kSuccess},
    {"Check", {"check", "OLD"}, true, false, kSuccess},
    {"CheckJson", {"check", "--json", "OLD"}, true, false, kSuccess},
    {"Edit", {"edit", "OLD", "--set", "mycall=n0call-7", "-o", "OLD"}, false, true, kSuccess},
    {"SendToANonSerialDevice", {"send", "OLD", "--port", "/dev/null"}, false, false, kPortError},
    {"Ports", {"ports"}, true, false, kSuccess},
    {"SimulateWithAStrayWord", {"simulate", "x"}, false, false, kUsage},
    {"Help", {"--help"}, true, false, kSuccess},
};

int expectedCode(const Command& command, Condition condition) {
    const bool noFileRoom =
        condition == Condition::NoFileSize || condition == Condition::FewFileBytes;
    if (command.writesOld && noFileRoom)
        return kFileError;
    if (command.printsReport && condition == Condition::OutputClosed)
        return kOutputLost;
    return command.code;
}

struct Finished {
    QProcess::ExitStatus status;
    int code; // -1: still running when the wait was over
    QByteArray out;
    QByteArray err;
    QStringList descriptors; // what 0, 1 and 2 led to while it still ran
};

Finished start(const QString& program, const QStringList& arguments, Condition condition,
               const QString& folder, int waitMs) {
    QProcess process;
    process.setWorkingDirectory(folder);
    // An empty one removes every variable, not even the simulator folder is left.
    QProcessEnvironment environment;
    if (condition != Condition::EmptyEnvironment) {
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KORVEX_SIMULATOR_DIR"), folder);
    }
    if (condition == Condition::UnwritableHome)
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/proc/self/nonexistent"));
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([condition] { applyInChild(condition); });
    process.start(program, arguments);
    process.closeWriteChannel();
    const bool ended = process.waitForFinished(waitMs);
    QStringList descriptors;
    if (!ended) {
        for (int fd = 0; fd < 3; ++fd) {
            descriptors << QFile::symLinkTarget(
                QStringLiteral("/proc/%1/fd/%2").arg(process.processId()).arg(fd));
        }
        process.terminate();
        process.waitForFinished(5000);
    }
    return {ended ? process.exitStatus() : QProcess::CrashExit, ended ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError(), descriptors};
}

// A different file from the factory one, so that a replacement shows.
QByteArray oldFile() {
    SettingsValues settings;
    EXPECT_TRUE(settings.setText(FieldId::myCall, QStringLiteral("OLD-1")));
    return encodeConfigFile(settings).value();
}

using CliCase = std::tuple<Command, Condition>;

class HostileStart : public ::testing::TestWithParam<CliCase> {};

TEST_P(HostileStart, CommandEndsWithTheStatusOfItsWorkAndTheOldFileWhole) {
    const auto& [command, condition] = GetParam();
    if (condition == Condition::LimitedMemory && underSanitizer())
        GTEST_SKIP() << "the sanitizers reserve more address space than any limit allows";
    QTemporaryDir folder;
    const QString old = folder.filePath(QStringLiteral("old.cfg"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(oldFile()) > 0);
    file.close();
    QStringList arguments = command.arguments;
    arguments.replaceInStrings(QStringLiteral("OLD"), old);

    const Finished r =
        start(QStringLiteral(KORVEX_CLI_PATH), arguments, condition, folder.path(), 20000);
    ASSERT_EQ(r.status, QProcess::NormalExit) << "killed or hung";
    EXPECT_EQ(r.code, expectedCode(command, condition)) << r.err.toStdString();
    // Messages go to standard error only; the report to standard output only.
    EXPECT_FALSE(r.out.contains("korvex-cli:")) << r.out.toStdString();
    if (condition == Condition::ErrorClosed) {
        EXPECT_TRUE(r.err.isEmpty());
    }

    QFile after(old);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    const QByteArray now = after.readAll();
    if (r.code == kSuccess && command.writesOld)
        EXPECT_TRUE(now.startsWith("\"1\",\"200\"") && !now.contains("OLD-1")) << now.data();
    else
        EXPECT_EQ(now, oldFile()) << "the old file changed";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.cfg")})
        << "something was left beside it";
}

INSTANTIATE_TEST_SUITE_P(Conditions, HostileStart,
                         ::testing::Combine(::testing::ValuesIn(kCommands),
                                            ::testing::ValuesIn(kConditions)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    conditionName(std::get<1>(info.param));
                         });

class HostileWindowStart : public ::testing::TestWithParam<Condition> {};

// The window, loading a file, stays open under each condition until it is
// asked to go: none of them ends it, by a signal or otherwise.
TEST_P(HostileWindowStart, WindowStaysOpenAndTheFileWhole) {
    const Condition condition = GetParam();
    if (condition == Condition::LimitedMemory && underSanitizer())
        GTEST_SKIP() << "the sanitizers reserve more address space than any limit allows";
    QTemporaryDir folder;
    const QString old = folder.filePath(QStringLiteral("old.cfg"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(oldFile()) > 0);
    file.close();
    const Finished r = start(QStringLiteral(KORVEX_APP_PATH),
                             {QStringLiteral("-platform"), QStringLiteral("offscreen"), old},
                             condition, folder.path(), 2500);
    EXPECT_EQ(r.code, -1) << "the window ended by itself with " << r.code << ": "
                          << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    // A closed one is held on the null device, so nothing the window opens
    // (a display connection, a file) takes its number.
    const int closed = condition == Condition::InputClosed    ? 0
                       : condition == Condition::OutputClosed ? 1
                       : condition == Condition::ErrorClosed  ? 2
                                                              : -1;
    if (closed >= 0) {
        EXPECT_EQ(r.descriptors.value(closed), QStringLiteral("/dev/null"));
    }
    QFile after(old);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), oldFile());
}

INSTANTIATE_TEST_SUITE_P(Conditions, HostileWindowStart, ::testing::ValuesIn(kConditions),
                         [](const auto& info) { return std::string(conditionName(info.param)); });

} // namespace
} // namespace korvex::cli
