// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_io/file_write_steps.h"
#include "support/outcome_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace korvex {
namespace {

// A disk that fails in the ways a small tmpfs cannot: a write that stops
// short or is interrupted, a quota hit halfway, a sync that reports an I/O
// error, a write that makes no progress. `step` counts the write calls.
struct FailingDevice {
    const char* name;
    qint64 (*write)(int fd, const char* data, qint64 size, int step);
    int syncError; // 0: the sync succeeds
    const char* reason;
};

qint64 fail(int error) {
    errno = error;
    return -1;
}

const FailingDevice kDevices[] = {
    {"ShortAndInterrupted",
     [](int fd, const char* data, qint64 size, int step) -> qint64 {
         return step % 3 == 1 ? fail(EINTR) : ::write(fd, data, std::min<qint64>(size, 7));
     },
     0, nullptr},
    {"QuotaHalfway",
     [](int fd, const char* data, qint64 size, int step) -> qint64 {
         return step == 0 ? ::write(fd, data, size / 2) : fail(EDQUOT);
     },
     0, "Disk quota exceeded"},
    {"SyncFails",
     [](int fd, const char* data, qint64 size, int) -> qint64 { return ::write(fd, data, size); },
     EIO, "Input/output error"},
    {"NoProgress", [](int, const char*, qint64, int) -> qint64 { return 0; }, 0,
     "Input/output error"},
};

class AtomicWriteOnAFailingDevice : public ::testing::TestWithParam<FailingDevice> {};

TEST_P(AtomicWriteOnAFailingDevice, SucceedsWholeOrLeavesTheOldFile) {
    const FailingDevice& device = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("t.cfg"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old bytes");
    }
    const QByteArray bytes(205, 'n');
    auto steps = std::make_shared<int>(0);
    const FileCalls calls{[device, steps](int fd, const char* data, qint64 size) {
                              return device.write(fd, data, size, (*steps)++);
                          },
                          [device](int fd) {
                              if (device.syncError == 0)
                                  return ::fsync(fd);
                              errno = device.syncError;
                              return -1;
                          }};

    const Outcome written = writeFileAtomically(path, bytes, calls);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    if (!device.reason) {
        EXPECT_TRUE(written.ok()) << outcomeText(written).toStdString();
        EXPECT_EQ(file.readAll(), bytes);
    } else {
        EXPECT_FALSE(written.ok());
        EXPECT_EQ(outcomeText(written), QString::fromLatin1(device.reason));
        EXPECT_EQ(file.readAll(), "old bytes");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("t.cfg")});
}

INSTANTIATE_TEST_SUITE_P(Devices, AtomicWriteOnAFailingDevice, ::testing::ValuesIn(kDevices),
                         [](const auto& info) { return std::string(info.param.name); });

// A fresh folder holding t.cfg with "old bytes", and what is in it afterwards.
struct OldFile {
    OldFile() {
        QFile old(path);
        old.open(QIODevice::WriteOnly);
        old.write("old bytes");
    }
    QByteArray content() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList names() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("t.cfg"));
};

// A writer that went on past a refused step would leave the new content, or litter.
struct RefusedStep {
    const char* name;
    FileStep step;
    int error;
    QByteArray content; // what the file holds afterwards
};

const RefusedStep kRefusedSteps[] = {
    {"Chown", FileStep::Chown, EPERM, "old bytes"},
    {"Chmod", FileStep::Chmod, EPERM, "old bytes"},
    {"CopyAttributes", FileStep::CopyAttributes, ENOTSUP, "old bytes"},
    {"Rename", FileStep::Rename, EXDEV, "old bytes"},
    {"SyncFolder", FileStep::SyncFolder, EIO, "new"},
};

class AtomicWriteWithARefusedStep : public ::testing::TestWithParam<RefusedStep> {};

TEST_P(AtomicWriteWithARefusedStep, FailsAndKeepsTheOldFileUntilTheRename) {
    const RefusedStep& refused = GetParam();
    if (refused.step == FileStep::Chown && ::geteuid() != 0)
        GTEST_SKIP() << "only root's save must take the old owner";
    OldFile old;
    FileCalls calls = systemFileCalls();
    calls.refuse = [refused](FileStep step) { return step == refused.step ? refused.error : 0; };
    const Outcome written = writeFileAtomically(old.path, "new", calls);
    EXPECT_TRUE(outcomeText(written).contains(qt_error_string(refused.error)))
        << outcomeText(written).toStdString();
    EXPECT_EQ(old.content(), refused.content);
    EXPECT_EQ(old.names(), QStringList{QStringLiteral("t.cfg")});
}

INSTANTIATE_TEST_SUITE_P(Steps, AtomicWriteWithARefusedStep, ::testing::ValuesIn(kRefusedSteps),
                         [](const auto& info) { return std::string(info.param.name); });

// A save killed halfway (SIGKILL, a power cut) leaves no temporary file.
TEST(AtomicWrite, KilledHalfwayLeavesNoLitter) {
    OldFile old;
    const pid_t child = ::fork();
    if (child == 0) {
        FileCalls calls = systemFileCalls();
        calls.write = [](int, const char*, qint64) -> qint64 { return ::raise(SIGKILL); };
        [[maybe_unused]] const Outcome killed = writeFileAtomically(old.path, "new", calls);
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(old.names(), QStringList{QStringLiteral("t.cfg")});
}

} // namespace
} // namespace korvex
