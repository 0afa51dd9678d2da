// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_io/atomic_file_writer.h"
#include "file_io/regular_file_reader.h"
#include "support/outcome_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <windows.h>

namespace korvex {
namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// What a save does to what is there, and that a refusal leaves it and no
// temporary file behind.
TEST(WindowsSave, ReplacesFilesOnlyAndNamesEveryRefusal) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString old = folder.filePath("old.cfg");
    const QString locked = folder.filePath("locked.cfg");
    for (const QString& path : {old, locked}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("before") == 6);
    }
    ASSERT_TRUE(
        ::SetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(locked).utf16()),
                             FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub.cfg"));
    struct Case {
        QString path;
        const char* says; // empty: saved
        QByteArray after;
    };
    const Case cases[] = {
        {folder.filePath("new.cfg"), "", "after"},
        {old, "", "after"},
        {locked, "the file is read-only; it was left as it is", "before"},
        {folder.filePath("sub.cfg"), "it is a folder, not a regular file", "(missing)"},
        {folder.filePath("none/new.cfg"), "path", "(missing)"},
    };
    for (const Case& c : cases) {
        const Outcome saved = writeFileAtomically(c.path, "after");
        EXPECT_EQ(saved.ok(), *c.says == '\0') << c.path.toStdString();
        const QString reason = saved.ok() ? QString() : saved.fault().reason;
        EXPECT_TRUE(reason.contains(QLatin1String(c.says), Qt::CaseInsensitive))
            << reason.toStdString();
        EXPECT_EQ(contentOf(c.path), c.after) << c.path.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

// A file another program holds open without sharing, and names that are no
// files: refused in words of ours, with nothing left beside them.
TEST(WindowsSave, RefusalsLeaveNoHelperFile) {
    QTemporaryDir folder;
    const QString held = folder.filePath("held.cfg");
    ASSERT_TRUE(writeFileAtomically(held, "before").ok());
    const HANDLE holder =
        ::CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(held).utf16()),
                      GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(writeFileAtomically(held, "after").ok());
    ::CloseHandle(holder);
    EXPECT_EQ(contentOf(held), "before");
    for (const char* name : {"CON", "nul.cfg", "COM1", "held.cfg:stream"})
        EXPECT_TRUE(
            outcomeText(writeFileAtomically(folder.filePath(name), "x")).contains("Windows"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"held.cfg"});
}

TEST(WindowsRead, TakesDiskFilesUpToTheLimitOnly) {
    QTemporaryDir folder;
    const QString path = folder.filePath("k.cfg");
    ASSERT_TRUE(writeFileAtomically(path, "0123456789").ok());
    EXPECT_EQ(readRegularFile(path, 4).fault().kind, FaultKind::BeyondLimit);
    EXPECT_EQ(readRegularFile(path, 10).value(), "0123456789");
    EXPECT_EQ(outcomeText(readRegularFile("NUL", 10)),
              "it is a character device, not a regular file");
    EXPECT_EQ(outcomeText(readRegularFile(folder.path(), 10)),
              "it is a folder, not a regular file");
    EXPECT_FALSE(isReadableRegularFile("NUL"));
}

} // namespace
} // namespace korvex
