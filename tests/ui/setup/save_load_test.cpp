// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_harness.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <iostream>

#ifdef Q_OS_UNIX
#include "support/file_faults.h"

#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace korvex::testing {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The factory settings with the received-positions switch set and no status text.
const QByteArray kExampleFile =
    "\"1\",\"200\",\"006\",0,\">\",0\r\n"
    "\"0480\"\r\n\"0240\"\r\n\"180\"\r\n\"120\"\r\n\"090\"\r\n\"060\"\r\n\"040\"\r\n"
    "\"0120\",131,\"025\",\"KVXTRK\",\"NOCALL-9\",\"WIDE1-1,WIDE2-2\",\"\",\"NOCALL\","
    "\"MESSAGE SENT USING KORVEX V2.1 !\"\r\n";

class SaveLoadTest : public SetupTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousDirectory = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QString previousDirectory;
};

TEST_F(SaveLoadTest, DialogsAskAsTheToolAlwaysDid) {
    click("cmdSave");
    click("cmdLoad");
    ASSERT_EQ(prompts->files.size(), 2);
    const FileRequest& save = prompts->files[0];
    const FileRequest& open = prompts->files[1];
    EXPECT_EQ(save.kind, FileRequest::Kind::Save);
    EXPECT_EQ(save.title, "Salva File");
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_EQ(open.kind, FileRequest::Kind::Open);
    EXPECT_EQ(open.title, "Apertura File");
    EXPECT_FALSE(open.confirmOverwrite);
    for (const FileRequest& request : {save, open}) {
        EXPECT_EQ(request.fileName, "Korvex.cfg");
        ASSERT_EQ(request.filters.size(), 2);
        EXPECT_EQ(request.filters[0].label, "File di configurazione (*.cfg)");
        EXPECT_EQ(request.filters[0].pattern, "*.cfg");
        EXPECT_EQ(request.filters[1].label, "Tutti i files");
        // A build is no portable copy: its folder is no place for the user's files.
        EXPECT_NE(request.directory,
                  QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
        EXPECT_TRUE(takesNewFiles(request.directory)) << request.directory.toStdString();
    }
    // Cancelled: nothing said, nothing written, the folder unchanged.
    EXPECT_TRUE(prompts->messages.isEmpty());
    EXPECT_EQ(QDir::currentPath(), previousDirectory);
}

TEST_F(SaveLoadTest, SaveWritesTheFileByteForByteAndLoadBringsItBack) {
    const ShownSettings settings = shown();
    EXPECT_TRUE(settings.setValue(FieldId::receivedPositionsOff, 1));
    EXPECT_TRUE(settings.setText(FieldId::statusText, QString()));
    prompts->answer = path("Korvex.cfg");
    click("cmdSave");
    EXPECT_TRUE(prompts->messages.isEmpty());
    EXPECT_EQ(readAll(path("Korvex.cfg")), kExampleFile);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());

    click("cmdDefault");
    EXPECT_TRUE(settings.setText(FieldId::aprsPath, "WIDE2-2"));
    QDir::setCurrent(previousDirectory);
    click("cmdLoad");
    EXPECT_TRUE(prompts->messages.isEmpty());
    EXPECT_EQ(settings.value(FieldId::receivedPositionsOff), 1);
    EXPECT_TRUE(find<QCheckBox>("chkRxPosition")->isChecked());
    EXPECT_EQ(settings.text(FieldId::statusText), QString());
    EXPECT_EQ(settings.text(FieldId::aprsPath), "WIDE1-1,WIDE2-2");
    EXPECT_EQ(masked("edBcnEvery")->fieldText(), "003");
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());
}

TEST_F(SaveLoadTest, AFailedSaveSaysSoUnderItsTitleAndKeepsTheOldFile) {
    writeAll(path("old.cfg"), "previous");
    // The format has no escape for a double quote: refused, not written.
    EXPECT_TRUE(shown().setText(FieldId::statusText, "say \"hi\""));
    prompts->answer = path("old.cfg");
    click("cmdSave");
    ASSERT_EQ(prompts->messages.size(), 1);
    EXPECT_EQ(prompts->messages[0].title, "Korwex");
    EXPECT_EQ(prompts->messages[0].icon, QMessageBox::NoIcon);
    EXPECT_FALSE(prompts->messages[0].text.isEmpty());
    EXPECT_EQ(readAll(path("old.cfg")), "previous");
}

#ifdef Q_OS_UNIX // a tmpfs to fill, a FIFO, a file-size limit
// Under `ulimit -f` the write fails instead of the window dying with every
// unsaved edit: the box names the limit and the old file stays.
TEST_F(SaveLoadTest, ASaveBeyondTheFileSizeLimitSaysSoAndKeepsTheOldFile) {
    writeAll(path("old.cfg"), "previous");
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlimit limited{16, before.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    prompts->answer = path("old.cfg");
    click("cmdSave");
    ::setrlimit(RLIMIT_FSIZE, &before);
    ASSERT_EQ(prompts->messages.size(), 1);
    EXPECT_TRUE(prompts->messages[0].text.contains("the file size limit of this session"));
    EXPECT_EQ(readAll(path("old.cfg")), "previous");
}

// A full disk and files that are not files: the box says why, under the
// command's own title, and nothing on disk changes.
TEST_F(SaveLoadTest, FullDiskAndSpecialFilesAreReportedUnderTheirTitles) {
    SmallDisk disk;
    if (disk.mounted()) {
        writeAll(disk.filePath("keep.cfg"), "previous");
        ASSERT_TRUE(disk.fill());
    }
    ASSERT_TRUE(makeSpecialFile(SpecialKind::Fifo, path("fifo.cfg")));
    ASSERT_TRUE(makeSpecialFile(SpecialKind::Folder, path("folder.cfg")));
    struct Case {
        const char* button;
        QString target;
        const char* title;
        const char* says;
    };
    const Case cases[] = {
        {"cmdSave", disk.filePath("keep.cfg"), "Korwex", "No space left on device"},
        {"cmdSave", path("fifo.cfg"), "Korwex", "not a regular file"},
        {"cmdLoad", path("folder.cfg"), "Korvex", "not a regular file"},
    };
    for (const Case& c : cases) {
        if (c.target.startsWith(disk.path()) && !disk.mounted()) {
            std::cout << "full disk case skipped: " << disk.problem() << "\n";
            continue;
        }
        prompts->messages.clear();
        prompts->answer = c.target;
        click(c.button);
        ASSERT_EQ(prompts->messages.size(), 1) << c.button;
        EXPECT_EQ(prompts->messages[0].title, c.title);
        EXPECT_TRUE(prompts->messages[0].text.contains(c.says))
            << prompts->messages[0].text.toStdString();
    }
    if (disk.mounted()) {
        EXPECT_EQ(readAll(disk.filePath("keep.cfg")), "previous");
    }
    struct stat fifo {};
    ASSERT_EQ(::lstat(QFile::encodeName(path("fifo.cfg")).constData(), &fifo), 0);
    EXPECT_TRUE(S_ISFIFO(fifo.st_mode));
}
#endif

TEST_F(SaveLoadTest, LoadStopsAtTheFaultKeepingWhatCameBefore) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString comm;  // from item 1
        int micE;      // item 4, or what it was
        QString speed; // item 7, or what it was
    };
    const Case cases[] = {
        {"first-line.cfg", "\"3\",\"100\",\"002\",5,\"x\",1\r\n", "3", 5, "0480"},
        {"mic-e-8.cfg", "\"4\",\"100\",\"002\",8,\"x\",1\r\n\"0010\"\r\n", "4", 0, "0480"},
        {"missing.cfg", QByteArray(), "1", 0, "0480"},
    };
    for (const Case& c : cases) {
        click("cmdDefault");
        prompts->messages.clear();
        if (!c.bytes.isNull())
            writeAll(path(c.name), c.bytes);
        prompts->answer = path(c.name);
        click("cmdLoad");
        ASSERT_EQ(prompts->messages.size(), 1) << c.name;
        EXPECT_EQ(prompts->messages[0].title, "Korvex");
        EXPECT_EQ(prompts->messages[0].icon, QMessageBox::NoIcon);
        const ShownSettings settings = shown();
        EXPECT_EQ(settings.text(FieldId::portNumber), c.comm) << c.name;
        EXPECT_EQ(settings.value(FieldId::micEMessage), c.micE) << c.name;
        EXPECT_EQ(settings.text(FieldId::speedBand0), c.speed) << c.name;
        EXPECT_EQ(settings.text(FieldId::myCall), "NOCALL-9") << c.name;
    }
}

#ifdef Q_OS_UNIX // inotify
// A Load message quotes the refused item. Shown as rich text, an <img> in it
// would make the box read the file it names (all of /dev/zero, say).
TEST(DialogPrompts, AQuotedItemIsShownAsTextNotRendered) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    writeAll(picture, QByteArray(1024, 'x'));
    const int watch = ::inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, picture.toLocal8Bit().constData(), IN_OPEN), 0);

    // Closed once it has been laid out and shown.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(0);
    });
    closer.start(100);
    makeDialogPrompts()->showMessage(
        nullptr, {QStringLiteral("Korvex"),
                  QStringLiteral("Item 19 (edBeacon): \"<img src=%1>\" is refused.").arg(picture),
                  QMessageBox::NoIcon});

    char events[256];
    EXPECT_LT(::read(watch, events, sizeof events), 0) << "the box opened the file";
    ::close(watch);
}
#endif

} // namespace
} // namespace korvex::testing
