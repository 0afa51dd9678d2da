// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_io/atomic_file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <memory>
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

    const FileWriteResult written = writeFileAtomically(path, bytes, calls);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    if (!device.reason) {
        EXPECT_TRUE(written.ok) << written.reason.toStdString();
        EXPECT_EQ(file.readAll(), bytes);
    } else {
        EXPECT_FALSE(written.ok);
        EXPECT_EQ(written.reason, QString::fromLatin1(device.reason));
        EXPECT_EQ(file.readAll(), "old bytes");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("t.cfg")});
}

INSTANTIATE_TEST_SUITE_P(Devices, AtomicWriteOnAFailingDevice, ::testing::ValuesIn(kDevices),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace korvex
