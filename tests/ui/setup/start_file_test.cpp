// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_harness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace korvex::testing {
namespace {

// What the window holds and said after a Load.
struct Outcome {
    QList<MessageRequest> messages;
    QString comm, mycall, speed0;
    int micE = 0;
};

class StartFileTest : public SetupTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousDirectory = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    Outcome outcome() {
        const ShownSettings settings = shown();
        Outcome seen{prompts->messages, settings.text(FieldId::portNumber),
                     settings.text(FieldId::myCall), settings.text(FieldId::speedBand0),
                     settings.value(FieldId::micEMessage)};
        click("cmdDefault");
        prompts->messages.clear();
        QDir::setCurrent(folder.path());
        return seen;
    }

    QTemporaryDir folder;
    QString previousDirectory;
};

// `korvex-config FILE` loads FILE as the Load button does: the same values,
// the same failure box, the same items kept before a bad one. A relative
// name is taken from the folder the program started in.
TEST_F(StartFileTest, LoadsAsTheLoadButtonDoes) {
    struct Case {
        const char* name;
        QByteArray bytes; // null: no such file
        bool fails;
        QString comm, mycall; // items 1 and 19 after the load
    };
    const QByteArray good = "\"3\",\"200\",\"006\",2,\">\",0\r\n"
                            "\"0480\"\r\n\"0240\"\r\n\"180\"\r\n\"120\"\r\n\"090\"\r\n\"060\"\r\n"
                            "\"040\"\r\n\"0120\",131,\"025\",\"KVXTRK\",\"N0CALL-7\","
                            "\"WIDE1-1,WIDE2-2\",\"\",\"NOCALL\",\"HELLO\"\r\n";
    const Case cases[] = {
        {"good.cfg", good, false, "3", "N0CALL-7"},
        {"stops-at-mic-e.cfg", "\"4\",\"100\",\"002\",8,\"x\",1\r\n", true, "4", "NOCALL-9"},
        {"missing.cfg", QByteArray(), true, "1", "NOCALL-9"},
    };
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QDir::setCurrent(folder.path());
    for (const Case& c : cases) {
        const QString relative = QStringLiteral("sub/") + QLatin1String(c.name);
        if (!c.bytes.isNull()) {
            QFile file(folder.filePath(relative));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        prompts->answer = folder.filePath(relative);
        click("cmdLoad");
        const Outcome byButton = outcome();
        window->loadFile(relative);
        const Outcome atStart = outcome();

        EXPECT_EQ(atStart.comm, c.comm) << c.name;
        EXPECT_EQ(atStart.mycall, c.mycall) << c.name;
        ASSERT_EQ(atStart.messages.size(), c.fails ? 1 : 0) << c.name;
        if (c.fails) {
            EXPECT_EQ(atStart.messages[0].title, "Korvex");
            EXPECT_EQ(atStart.messages[0].icon, QMessageBox::NoIcon);
            ASSERT_EQ(byButton.messages.size(), 1);
            EXPECT_EQ(atStart.messages[0].text, byButton.messages[0].text) << c.name;
        }
        EXPECT_EQ(atStart.comm, byButton.comm) << c.name;
        EXPECT_EQ(atStart.mycall, byButton.mycall) << c.name;
        EXPECT_EQ(atStart.speed0, byButton.speed0) << c.name;
        EXPECT_EQ(atStart.micE, byButton.micE) << c.name;
    }
}

} // namespace
} // namespace korvex::testing
