// SPDX-License-Identifier: GPL-3.0-or-later
#include "instructions/document_locator.h"
#include "support/file_faults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using korvex::documentSearchDirectories;
using korvex::locateDocument;

namespace {

const QString kName = QStringLiteral("Korvex_Config.rtf");

enum Where { Cwd = 1, Beside = 2, Data = 4 };

struct LookupCase {
    const char* name;
    int holders; // which folders hold the document
    int found;   // which one must be used, 0 for none
};

class DocumentLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(DocumentLookup, FirstFolderInOrderWins) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QMap<int, QString> dirs = {{Cwd, root.filePath("cwd")},
                                     {Beside, root.filePath("bin")},
                                     {Data, root.filePath("share")}};
    for (auto it = dirs.begin(); it != dirs.end(); ++it) {
        ASSERT_TRUE(QDir().mkpath(it.value()));
        if (GetParam().holders & it.key()) {
            QFile f(QDir(it.value()).filePath(kName));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    const QString got = locateDocument(kName, {dirs[Cwd], dirs[Beside], dirs[Data]});
    const QString want =
        GetParam().found ? QDir(dirs[GetParam().found]).absoluteFilePath(kName) : QString();
    EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(Folders, DocumentLookup,
                         ::testing::Values(LookupCase{"All", Cwd | Beside | Data, Cwd},
                                           LookupCase{"BesideAndData", Beside | Data, Beside},
                                           LookupCase{"CwdAndData", Cwd | Data, Cwd},
                                           LookupCase{"DataOnly", Data, Data},
                                           LookupCase{"None", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentLookupRules, ANameWithAFolderIsTakenAsItIs) {
    QTemporaryDir root;
    QDir(root.path()).mkdir("sub");
    QFile f(root.filePath("sub/" + kName));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString full = root.filePath("sub/" + kName);
    EXPECT_EQ(locateDocument(full, {}), full);
    // The folders are not searched for a name that has its own folder.
    EXPECT_EQ(locateDocument("elsewhere/" + kName, {root.filePath("sub")}), QString());
    EXPECT_EQ(locateDocument(QString(), {root.path()}), QString());
}

// The program's own manual first: a Load moves the current folder to a file
// that may have come from anywhere, with a manual of its own beside it.
TEST(DocumentLookupRules, DefaultOrderIsProgramThenDataThenCurrent) {
    QTemporaryDir elsewhere;
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QStringList dirs = documentSearchDirectories();
    QDir::setCurrent(saved);
    ASSERT_GE(dirs.size(), 3);
    EXPECT_EQ(dirs[0], QDir::cleanPath(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(dirs[1].endsWith("share/korvex-config")) << dirs[1].toStdString();
    EXPECT_TRUE(dirs[dirs.size() - 2].endsWith("share/korvex-config"));
    EXPECT_EQ(dirs.last(), QDir::cleanPath(elsewhere.path()));
}

// The manual is read whole: a regular file only, and never past the limit.
TEST(DocumentRead, TakesRegularFilesUpToTheLimitOnly) {
    QTemporaryDir root;
    const QString fits = root.filePath("fits.rtf");
    const QString over = root.filePath("over.rtf");
    for (const auto& [path, size] : {std::pair{fits, korvex::kMaxDocumentBytes},
                                     std::pair{over, korvex::kMaxDocumentBytes + 1}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(size));
    }
    const QString fifo = root.filePath("fifo.rtf");
    ASSERT_TRUE(makeSpecialFile(korvex::testing::SpecialKind::Fifo, fifo));

    const korvex::Result<QByteArray> whole = korvex::readDocument(fits);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole.value().size(), korvex::kMaxDocumentBytes);
    EXPECT_EQ(korvex::readDocument(over).fault().kind, korvex::FaultKind::BeyondLimit);
    EXPECT_EQ(korvex::readDocument(fifo).fault().kind, korvex::FaultKind::CannotOpen);
    EXPECT_EQ(locateDocument("fifo.rtf", {root.path()}), QString());
}

} // namespace
