// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given to say: whole values, names over captions,
// the outcome of each command. Orca's own hearing of it is the Orca test's.
#include "setup_harness.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace korvex::testing {
namespace {

using HeardTest = SetupTest;

// Every offset lies in a text-attribute run that reaches the end: a reader
// that joins the runs into a line gets the whole value. A caption other than
// the field's name is no label of it.
TEST_F(HeardTest, FieldsGiveWholeValuesAndTheirOwnNames) {
    struct Case {
        const char* field;
        const char* value;
        const char* name;
    };
    const Case cases[] = {
        {"edMyCall", "NOCALL-9", "MY CALLSIGN"},
        {"edNumFlagsAuto", "200", "TX DELAY"},
        {"edGpsCheckTime", "100", "GPS acquisition interval: Every"},
        {"edManualTime", "120", "Manual Timing: Every"},
    };
    showActive();
    for (const Case& c : cases) {
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(find(c.field));
        ASSERT_NE(field, nullptr);
        QAccessibleTextInterface* text = field->textInterface();
        ASSERT_NE(text, nullptr) << c.field;
        EXPECT_EQ(text->text(0, -1).toStdString(), c.value);
        EXPECT_EQ(field->text(QAccessible::Name).toStdString(), c.name);
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_TRUE(start <= offset && end == text->characterCount()) << c.field << offset;
        }
        for (const auto& [label, relation] : field->relations(QAccessible::Label)) {
            if (const auto* caption = qobject_cast<QLabel*>(label->object())) {
                EXPECT_EQ(caption->text().remove(u':').toStdString(), c.name);
            }
        }
    }
}

// Default, Save and Load say what they did, as a notification that appears.
TEST_F(HeardTest, CommandsTellTheirOutcome) {
    const QString file = QDir::temp()
                             .filePath(QStringLiteral("korvex-heard-%1.cfg"))
                             .arg(QCoreApplication::applicationPid());
    prompts->answer = file;
    const QString name = QFileInfo(file).fileName();
    const std::pair<const char*, QString> cases[] = {
        {"cmdDefault", "Default: Factory settings restored"},
        {"cmdSave", "Save: Saved to " + name},
        {"cmdLoad", "Load: Loaded from " + name},
    };
    showActive();
    for (const auto& [button, heard] : cases) {
        click(button);
        QWidget* note = find("spokenNote");
        ASSERT_NE(note, nullptr);
        EXPECT_TRUE(note->isVisible());
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(note);
        EXPECT_EQ(told->role(), QAccessible::Notification);
        EXPECT_EQ(told->text(QAccessible::Name).toStdString(), heard.toStdString());
    }
    QFile::remove(file);
}

// SEND hands the focus to no other button while it is disabled, and takes it
// back when the transfer is over.
TEST_F(HeardTest, SendKeepsTheFocusFromTheOtherButtons) {
    showActive();
    auto* send = find<QPushButton>("cmdSend");
    send->setFocus();
    QTest::keyClick(send, Qt::Key_Space);
    EXPECT_FALSE(send->isEnabled());
    EXPECT_EQ(window->focusWidget(), nullptr);
    ASSERT_TRUE(waitFor([&] { return send->isEnabled(); }));
    EXPECT_EQ(window->focusWidget(), send);
}

} // namespace
} // namespace korvex::testing
