// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_file/config_file.h"
#include "settings/settings_values.h"
#include "support/file_faults.h"
#include "support/outcome_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex {
namespace {

using testing::SmallDisk;
using testing::SpecialKind;

const QByteArray kPrevious = "the previous file\r\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Everything in the folder, hidden names included: a temporary file left
// behind shows up here.
QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

struct stat lstatOf(const QString& path) {
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

const QByteArray kSaved = encodeConfigFile(SettingsValues()).value();

class SaveOnAFullDisk : public ::testing::TestWithParam<bool> {};

// The disk is full when Save starts: nothing may change, and Save must say so.
TEST_P(SaveOnAFullDisk, FailsAndLeavesTheFolderAsItWas) {
    const bool replacing = GetParam();
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small tmpfs to fill: " << disk.problem();
    const QString target = disk.filePath(QStringLiteral("keep.cfg"));
    if (replacing) {
        writeAll(target, kPrevious);
    }
    ASSERT_TRUE(disk.fill());
    const QStringList before = entries(disk.path());

    const QString error = outcomeText(writeConfigFile(target, SettingsValues()));
    EXPECT_TRUE(error.contains(QStringLiteral("No space left on device"))) << error.toStdString();
    EXPECT_EQ(entries(disk.path()), before);
    if (replacing) {
        EXPECT_EQ(readAll(target), kPrevious);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveOnAFullDisk, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "OldFile" : "NewFile"; });

class SpecialFile : public ::testing::TestWithParam<SpecialKind> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        if (!makeSpecialFile(GetParam(), path))
            GTEST_SKIP() << "cannot make a " << specialKindName(GetParam())
                         << " here (a device node needs root)";
    }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("special.cfg"));
};

TEST_P(SpecialFile, IsNeitherReplacedBySaveNorReadByLoad) {
    const struct stat before = lstatOf(path);
    const QString saveError = outcomeText(writeConfigFile(path, SettingsValues()));
    EXPECT_TRUE(saveError.contains(QStringLiteral("not a regular file")))
        << saveError.toStdString();
    const struct stat after = lstatOf(path);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("special.cfg")});

    // A FIFO here would block the test itself without the fix; the process
    // tests try one with a time limit.
    if (GetParam() != SpecialKind::Fifo) {
        SettingsValues settings;
        const QString loadError = outcomeText(readConfigFile(path, settings));
        EXPECT_TRUE(loadError.contains(QStringLiteral("not a regular file")))
            << loadError.toStdString();
        EXPECT_TRUE(settings == SettingsValues());
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFile,
                         ::testing::Values(SpecialKind::Fifo, SpecialKind::CharDevice,
                                           SpecialKind::Socket, SpecialKind::Folder),
                         [](const auto& info) { return specialKindName(info.param); });

// A link stays a link: the file at the end of the chain is what gets replaced.
TEST(ConfigFileSave, ReplacesTheTargetOfASymbolicLink) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("real")));
    const QString real = folder.filePath(QStringLiteral("real/t.cfg"));
    writeAll(real, kPrevious);
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    const QString first = folder.filePath(QStringLiteral("first.cfg"));
    const QString second = folder.filePath(QStringLiteral("second.cfg"));
    const QString dangling = folder.filePath(QStringLiteral("dangling.cfg"));
    ASSERT_EQ(::symlink("real/t.cfg", QFile::encodeName(first).constData()), 0);
    ASSERT_EQ(::symlink("first.cfg", QFile::encodeName(second).constData()), 0);
    ASSERT_EQ(::symlink("made.cfg", QFile::encodeName(dangling).constData()), 0);

    ASSERT_EQ(outcomeText(writeConfigFile(second, SettingsValues())), QStringLiteral("ok"));
    EXPECT_EQ(readAll(real), kSaved);
    EXPECT_EQ(lstatOf(real).st_mode & 0777, 0600u);
    EXPECT_EQ(QFile::symLinkTarget(second), first);
    EXPECT_EQ(QFile::symLinkTarget(first), real);

    // A dangling link gets the file it names, as a shell redirection would.
    ASSERT_EQ(outcomeText(writeConfigFile(dangling, SettingsValues())), QStringLiteral("ok"));
    EXPECT_TRUE(S_ISLNK(lstatOf(dangling).st_mode));
    EXPECT_EQ(readAll(folder.filePath(QStringLiteral("made.cfg"))), kSaved);

    const QString loop = folder.filePath(QStringLiteral("loop.cfg"));
    ASSERT_EQ(::symlink("loop.cfg", QFile::encodeName(loop).constData()), 0);
    EXPECT_TRUE(outcomeText(writeConfigFile(loop, SettingsValues()))
                    .contains(QStringLiteral("symbolic links")));

    // In a shared sticky folder, a link of another user's leads nowhere.
    if (::geteuid() != 0)
        return;
    const QString shared = folder.filePath(QStringLiteral("shared"));
    ASSERT_EQ(::mkdir(QFile::encodeName(shared).constData(), 01777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString planted = shared + QStringLiteral("/k.cfg");
    ASSERT_EQ(
        ::symlink(QFile::encodeName(real).constData(), QFile::encodeName(planted).constData()), 0);
    ASSERT_EQ(::lchown(QFile::encodeName(planted).constData(), 4321, 4321), 0);
    writeAll(real, kPrevious);
    EXPECT_TRUE(outcomeText(writeConfigFile(planted, SettingsValues()))
                    .contains(QStringLiteral("not followed")));
    EXPECT_EQ(readAll(real), kPrevious);
}

// Root saving over a user's file must not hand it to root; a new file
// follows the umask like any other.
TEST(ConfigFileSave, KeepsModeAndOwnerOfTheReplacedFile) {
    QTemporaryDir folder;
    const QString old = folder.filePath(QStringLiteral("old.cfg"));
    writeAll(old, kPrevious);
    ASSERT_EQ(::chmod(QFile::encodeName(old).constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(old).constData(), 4321, 4321), 0);
    }
    ASSERT_EQ(outcomeText(writeConfigFile(old, SettingsValues())), QStringLiteral("ok"));
    EXPECT_EQ(readAll(old), kSaved);
    EXPECT_EQ(lstatOf(old).st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(lstatOf(old).st_uid, 4321u);
        EXPECT_EQ(lstatOf(old).st_gid, 4321u);
    }

    const mode_t saved = ::umask(027);
    const QString error =
        outcomeText(writeConfigFile(folder.filePath(QStringLiteral("new.cfg")), SettingsValues()));
    ::umask(saved);
    ASSERT_EQ(error, QStringLiteral("ok"));
    EXPECT_EQ(lstatOf(folder.filePath(QStringLiteral("new.cfg"))).st_mode & 07777, 0640u);
}

// An editor's byte-order mark, and a file far beyond any settings file.
struct LoadedFile {
    const char* name;
    QByteArray bytes;
    QString outcome; // the message text, or what it ends with
};

const LoadedFile kLoadedFiles[] = {
    {"Utf8AfterAMark", "\xEF\xBB\xBF" + QByteArray(kSaved).replace("MESSAGE", "M\xC3\x89SSAGE"),
     QStringLiteral("MÉSSAGE SENT USING KORVEX V2.1 !")},
    {"Cp1252WithoutOne", QByteArray(kSaved).replace("MESSAGE", "M\xC9SSAGE"),
     QStringLiteral("MÉSSAGE SENT USING KORVEX V2.1 !")},
    {"Oversized", kSaved + QByteArray(kMaxConfigFileBytes, ' '),
     QStringLiteral(": it is larger than 1 MiB (a settings file is about 200 bytes)")},
};

class ConfigFileLoad : public ::testing::TestWithParam<LoadedFile> {};

TEST_P(ConfigFileLoad, ReadsOrSaysWhyNot) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("in.cfg"));
    writeAll(path, GetParam().bytes);
    SettingsValues settings;
    const Outcome read = readConfigFile(path, settings);
    EXPECT_TRUE((read ? settings.text(FieldId::messageText) : outcomeText(read))
                    .endsWith(GetParam().outcome))
        << outcomeText(read).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, ConfigFileLoad, ::testing::ValuesIn(kLoadedFiles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace korvex
