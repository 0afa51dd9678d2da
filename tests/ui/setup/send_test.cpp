// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_harness.h"

#include "settings/config_block_builder.h"
#include "settings/settings_values.h"
#ifdef __linux__ // the serial side is read on Linux only
#include "support/serial_side_tree.h"
#endif
#include "transfer/frames.h"
#include "transfer/port_watcher.h"
#include "ui/progress/progress_dialog.h"
#include "ui/setup/rule_line_edit.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace korvex::testing {
namespace {

using SendTest = SetupTest;

const QString kResultText = "Data sent !\r\n Be shure that the word 'Success!' appears on LCD";

TEST_F(SendTest, SendsTheFactoryBlockWithProgressAndRefusesToCloseMeanwhile) {
    showActive();
    auto* send = find<QPushButton>("cmdSend");
    ProgressDialog* dialog = window->progressDialog();
    auto* info = dialog->findChild<QLabel*>("lblInfo");
    auto* ok = dialog->findChild<QPushButton*>("OKButton");
    ASSERT_TRUE(info && ok);
    EXPECT_EQ(dialog->windowTitle(), "Korvex");
    EXPECT_TRUE(info->font().bold());
    EXPECT_DOUBLE_EQ(info->font().pointSizeF(), 13.5);
    EXPECT_EQ(ok->text(), "OK");

    QStringList texts;
    QObject::connect(&window->sender(), &FrameSender::progressed, window.get(),
                     [&] { texts << dialog->infoText(); });

    click("cmdSend");
    EXPECT_FALSE(send->isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(ok->isVisible());
    EXPECT_EQ(dialog->infoText(), "\r\nSending data on COM1...");
    EXPECT_EQ(info->text(), "\nSending data on COM1...");
    EXPECT_EQ(line->opened, QStringList{"/dev/ttyUSB0"});

    // Clicking SEND again while it runs does nothing.
    QTest::mouseClick(send, Qt::LeftButton);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());

    ASSERT_TRUE(waitFor([&] { return send->isEnabled(); }));
    EXPECT_EQ(texts, (QStringList{"\r\nSending data on COM1....", "\r\nSending data on COM1.....",
                                  "\r\nSending data on COM1......"}));
    EXPECT_EQ(dialog->infoText(), kResultText);
    EXPECT_TRUE(ok->isVisible());

    // The factory settings' block as the tracker reads it.
    EXPECT_EQ(line->all().mid(2, 16), QByteArray::fromHex("1E06003E2F0A3018120C0906040C1903"));
    SettingsValues factory;
    EXPECT_EQ(line->all(), lineStream(BuildConfigBlock(factory).block));
    EXPECT_EQ(line->closes, 1);

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(prompts->messages.isEmpty());
    EXPECT_TRUE(window->close());
}

// Each text the dialog shows is told to a screen reader. Qt passes events on
// only to a listening bus, never offscreen: ctest runs this again with one.
TEST_F(SendTest, ProgressIsHeardStepByStep) {
    if (!QAccessible::isActive() && qEnvironmentVariableIsEmpty("KORVEX_ACCESSIBILITY_BUS"))
        GTEST_SKIP() << "no accessibility bus";
    static QStringList heard; // the handler is a plain function
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::DescriptionChanged &&
            event->object()->inherits("korvex::ProgressDialog"))
            heard << static_cast<QWidget*>(event->object())->accessibleDescription();
    });
    showActive();
    click("cmdSend");
    ASSERT_TRUE(waitFor([&] { return find("cmdSend")->isEnabled(); }));
    QAccessible::installUpdateHandler(previous);
    const QString sending = "Sending data on COM1...";
    EXPECT_EQ(heard, (QStringList{sending, sending + ".", sending + "..", sending + "...",
                                  "Data sent ! Be shure that the word 'Success!' appears on LCD"}));
}

// Enumerating the ports takes milliseconds each time: none before the window
// shows, one when it starts watching them (what new ports are told against),
// one per tooltip and one per SEND.
TEST_F(SendTest, EnumeratesPortsOnlyWhenAskedAndOncePerRequest) {
    showActive();
    EXPECT_EQ(listings, 0);
    window->portWatcher().start();
    EXPECT_EQ(listings, 1);
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(find("edComm"), &hover);
    EXPECT_EQ(listings, 2);
    click("cmdSend");
    ASSERT_TRUE(waitFor([&] { return find("cmdSend")->isEnabled(); }));
    EXPECT_EQ(line->opened, QStringList{"/dev/ttyUSB0"});
    EXPECT_EQ(listings, 3);
}

// The close box acts as OK, also mid-transfer: the dialog hides, stays
// hidden when the result arrives, and the next SEND shows it afresh.
TEST_F(SendTest, CloseBoxHidesTheDialogUntilTheNextTransfer) {
    showActive();
    QPointer<ProgressDialog> dialog = window->progressDialog();
    auto* ok = dialog->findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(dialog->parentWidget(), window.get()); // no taskbar entry of its own
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);

    click("cmdSend");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(waitFor([&] { return find("cmdSend")->isEnabled(); }));
    ASSERT_FALSE(dialog.isNull());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->infoText(), kResultText);

    click("cmdSend");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(ok->isHidden());
    EXPECT_EQ(dialog->infoText(), "\r\nSending data on COM1...");
    ASSERT_TRUE(waitFor([&] { return find("cmdSend")->isEnabled(); }));
    EXPECT_EQ(line->writes.size(), 8);
}

TEST_F(SendTest, AMissingPortShowsTheTransferFailureAndNoProgress) {
    ports.clear();
    click("cmdSend");
    ASSERT_EQ(prompts->messages.size(), 1);
    EXPECT_EQ(prompts->messages[0].title, "Korvex Config");
    EXPECT_EQ(prompts->messages[0].icon, QMessageBox::NoIcon);
    EXPECT_FALSE(prompts->messages[0].text.isEmpty());
    EXPECT_FALSE(window->progressDialog()->isVisible());
    EXPECT_TRUE(find("cmdSend")->isEnabled());
    EXPECT_TRUE(line->opened.isEmpty());
}

// SEND writes back only what it changes: a call sign it leaves alone keeps
// the undo history its menu offers (the menu enables Undo by
// isUndoAvailable() and calls undo()). A changed one is written back.
TEST_F(SendTest, UndoStillWorksInAFieldTheSendLeftAlone) {
    showActive();
    auto* call = find<QLineEdit>("edMyCall");
    auto* receiver = find<QLineEdit>("edReceiver");
    call->setFocus();
    call->selectAll();
    typeText(call, "N0CALL-7");
    ASSERT_EQ(call->text(), "N0CALL-7");
    EXPECT_TRUE(shown().setText(FieldId::unprotoCall, QStringLiteral(" KVXTRK")));

    click("cmdSend");
    ASSERT_TRUE(waitFor([&] { return find("cmdSend")->isEnabled(); }));
    EXPECT_EQ(line->opened, QStringList{"/dev/ttyUSB0"});
    EXPECT_EQ(receiver->text(), "KVXTRK");
    EXPECT_EQ(call->text(), "N0CALL-7");
    ASSERT_TRUE(call->isUndoAvailable());
    call->undo();
    EXPECT_EQ(call->text(), "NOCALL-9");
}

// An editor holding what its field refuses is a fault of this program: SEND,
// Save and Load stop at it with the reason, and nothing stands in for it.
TEST_F(SendTest, AnEditorHoldingARefusedTextStopsEachCommandWithTheReason) {
    const QTemporaryDir folder;
    const std::pair<const char*, const char*> commands[] = {
        {"cmdSend", "Invio non eseguito - Korvex"}, {"cmdSave", "Korwex"}, {"cmdLoad", "Korvex"}};
    showActive();
    auto* call = find<RuleLineEdit>("edMyCall");
    call->setFieldText(QStringLiteral("IK2\u0101"));
    for (const auto& [button, title] : commands) {
        prompts->messages.clear();
        prompts->answer = folder.filePath(QStringLiteral("Korvex.cfg"));
        click(button);
        ASSERT_EQ(prompts->messages.size(), 1) << button;
        const MessageRequest& box = prompts->messages[0];
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text, "Parametri incompleti o non corretti");
        EXPECT_TRUE(box.details.startsWith("field \"MY CALLSIGN\" (mycall): the character ") &&
                    box.details.contains("U+0101"))
            << box.details.toStdString();
        QTest::qWait(1);
        EXPECT_EQ(QApplication::focusWidget(), call) << button;
    }
    EXPECT_EQ(call->text(), QStringLiteral("IK2\u0101"));
    EXPECT_TRUE(line->opened.isEmpty());
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("Korvex.cfg"))));
}

// A rejected field: the fixed message, with the step, field and reason in its
// details as the CLI prints them, nothing sent, and the focus on the field the
// build stopped at, its text selected.
TEST_F(SendTest, FaultMessageThenFocusOnTheFailedField) {
    struct Case {
        FieldId field;
        QString text;
        const char* focused;
        const char* details;
    };
    const Case cases[] = {
        {FieldId::messageRetries, "256", "edMsgRepeat",
         "step 3, field \"Msg Retries\" (retries): overflow: 256 does not fit a byte (0 to 255)"},
        {FieldId::speedBand0, "2555", "esSpeedTable(0)",
         "step 8, field \"Speed 0-3 Km/h\" (speed0): overflow: 256 does not fit a byte (0 to 255)"},
        {FieldId::gpsTimeout, "300", "edGpsAcqTime",
         "step 11, field \"Acquisition timeout\" (gpstimeout): overflow: 300 does not fit a byte "
         "(0 to 255)"},
        {FieldId::myCall, "", "edMyCall",
         "step 19, field \"MY CALLSIGN\" (mycall): the own call sign is empty"},
        {FieldId::unprotoCall, "", "edReceiver",
         "step 19, field \"Unprotocol call\" (unproto): the unproto call is empty"},
    };
    showActive();
    for (const Case& c : cases) {
        click("cmdDefault");
        prompts->messages.clear();
        EXPECT_TRUE(shown().setText(c.field, c.text));
        find("edComm")->setFocus();
        click("cmdSend");
        ASSERT_EQ(prompts->messages.size(), 1) << c.focused;
        EXPECT_EQ(prompts->messages[0].title, "Invio non eseguito - Korvex");
        EXPECT_EQ(prompts->messages[0].text, "Parametri incompleti o non corretti");
        EXPECT_EQ(prompts->messages[0].icon, QMessageBox::Information);
        EXPECT_EQ(prompts->messages[0].details, c.details);
        EXPECT_TRUE(find("cmdSend")->isEnabled());
        QTest::qWait(1);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), c.focused);
        auto* edit = qobject_cast<QLineEdit*>(focused);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->selectedText(), edit->text()) << c.focused;
    }
    EXPECT_TRUE(line->opened.isEmpty());
    EXPECT_FALSE(window->progressDialog()->isVisible());
}

TEST_F(SendTest, UnmatchedMicETextFailsAndFocusesTheList) {
    showActive();
    auto* list = find<QComboBox>("cbMicEMsg");
    list->setEditText("Lunch");
    click("cmdSend");
    ASSERT_EQ(prompts->messages.size(), 1);
    QTest::qWait(1);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused == list || focused == list->lineEdit());
    EXPECT_EQ(list->lineEdit()->selectedText(), "Lunch");
}

#ifdef __linux__
// The box keeps its text; what the system shows about the missing port waits
// behind "Show Details...", and the tooltip of "Comm num:" marks the adapter.
TEST(SendFindingTest, AnAdapterWithoutAPortIsExplainedInTheDetails) {
    SerialSideTree tree;
    tree.usb("1-1", "10c4:ea60", "", "");
    auto log = std::make_shared<PromptLog>();
    SetupEnvironment environment;
    environment.prompts = std::make_unique<FakePrompts>(log);
    environment.serialSide = tree.root();
    SetupWindow window(std::move(environment));
    auto* send = window.findChild<QWidget*>("cmdSend");
    ASSERT_NE(send, nullptr);
    QTest::mouseClick(send, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return !log->messages.isEmpty(); }));
    EXPECT_TRUE(log->messages[0].text.startsWith("Port 1 does not exist"));
    EXPECT_TRUE(log->messages[0].details.contains("Load the driver with: sudo modprobe cp210x"))
        << log->messages[0].details.toStdString();
    EXPECT_TRUE(
        portsToolTip(PortSnapshot({}, false), readSerialSide(tree.root()).adaptersWithoutPort)
            .contains("Adapter without a port: 10c4:ea60 CP210x on USB 1-1"));
}
#endif

// Qt's message box keeps the text in sight and the details behind its
// "Show Details..." button.
TEST(DialogPromptsTest, DetailsGoBehindTheDetailsButton) {
    const MessageRequest request{
        "Invio non eseguito - Korvex", "Parametri incompleti o non corretti",
        QMessageBox::Information,
        "step 19, field \"MY CALLSIGN\" (mycall): the own call sign is empty"};
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = QStringList{box->windowTitle(), box->text(), box->detailedText()}.join(u'|');
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        box->accept();
    });
    makeDialogPrompts()->showMessage(nullptr, request);
    EXPECT_EQ(seen, QStringList({request.title, request.text, request.details}).join(u'|'));
}

} // namespace
} // namespace korvex::testing
