// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/config_block_builder.h"
#include "settings/field_table.h"
#include "settings/settings_values.h"
#include "sim/simulator_advert.h"
#include "sim/tracker_simulator.h"
#include "support/wait_for.h"
#include "transfer/frame_sender.h"
#include "transfer/port_numbering.h"
#include "transfer/port_watcher.h"
#include "ui/progress/progress_dialog.h"
#include "ui/setup/masked_field.h"
#include "ui/setup/port_hint.h"
#include "ui/setup/setup_window.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

// The window's message boxes, answered at once and remembered.
class RecordedPrompts final : public Prompts {
public:
    explicit RecordedPrompts(std::shared_ptr<QList<MessageRequest>> log,
                             std::shared_ptr<QString> reportFile = {})
        : log_(std::move(log))
        , reportFile_(std::move(reportFile)) {}
    // A report is asked for, and saved there, once a file is named.
    std::optional<QString> chooseFile(QWidget*, const FileRequest&) override {
        if (reportFile_ && !reportFile_->isEmpty())
            return *reportFile_;
        return {};
    }
    void showMessage(QWidget*, const MessageRequest& message) override { *log_ << message; }
    MessageAnswer askMessage(QWidget* parent, const MessageRequest& message) override {
        showMessage(parent, message);
        return message.offerReport && reportFile_ && !reportFile_->isEmpty()
                   ? MessageAnswer::SaveReport
                   : MessageAnswer::Ok;
    }

private:
    std::shared_ptr<QList<MessageRequest>> log_;
    std::shared_ptr<QString> reportFile_;
};

using korvex::testing::waitFor;

// The real Setup window with its real serial line, sending to a simulated
// tracker that it finds the way a user would: in the port list, by number.
class SetupEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(registry_.isValid());
        qputenv("KORVEX_SIMULATOR_DIR", registry_.path().toLocal8Bit());
        ASSERT_TRUE(tracker_.ok()) << tracker_.error().toStdString();
        advert_ = std::make_unique<SimulatorAdvert>(tracker_.device());
        ASSERT_TRUE(advert_->ok()) << advert_->error().toStdString();

        SetupEnvironment environment;
        if (!realDialogs_)
            environment.prompts = std::make_unique<RecordedPrompts>(messages_, reportFile_);
        window_ = std::make_unique<SetupWindow>(std::move(environment));
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        send_ = window_->findChild<QPushButton*>(QStringLiteral("cmdSend"));
        dialog_ = window_->findChild<ProgressDialog*>(QStringLiteral("Dialog"));
        if (!dialog_)
            dialog_ = window_->progressDialog();
        ASSERT_TRUE(send_ && dialog_);
        info_ = dialog_->findChild<QLabel*>(QStringLiteral("lblInfo"));
        ok_ = dialog_->findChild<QPushButton*>(QStringLiteral("OKButton"));
        ASSERT_TRUE(info_ && ok_);
    }

    void TearDown() override {
        window_.reset();
        qunsetenv("KORVEX_SIMULATOR_DIR");
    }

    // The number "Comm num:" gives the simulator among this computer's ports.
    int simulatorNumber() const {
        const QList<PortDescription> ports = PortNumbering().ports();
        for (qsizetype i = 0; i < ports.size(); ++i) {
            if (ports[i].device == tracker_.device())
                return static_cast<int>(i + 1);
        }
        return 0;
    }

    void typeComm(const QString& digit) {
        auto* comm = window_->findChild<MaskedField*>(QStringLiteral("edComm"));
        ASSERT_NE(comm, nullptr);
        comm->focusAndSelect();
        QTest::keyClicks(comm, digit);
        ASSERT_EQ(comm->fieldText(), digit);
    }

    void pressSendAndWait() {
        ASSERT_TRUE(send_->isEnabled());
        QTest::mouseClick(send_, Qt::LeftButton);
        ASSERT_TRUE(waitFor([&] { return send_->isEnabled(); }, 10000)) << "SEND stayed disabled";
        EXPECT_FALSE(window_->sender().isPortOpen());
    }

    bool realDialogs_ = false;
    QTemporaryDir registry_;
    PtyTracker tracker_;
    std::unique_ptr<SimulatorAdvert> advert_;
    std::shared_ptr<QList<MessageRequest>> messages_ = std::make_shared<QList<MessageRequest>>();
    std::shared_ptr<QString> reportFile_ = std::make_shared<QString>();
    std::unique_ptr<SetupWindow> window_;
    QPushButton* send_ = nullptr;
    ProgressDialog* dialog_ = nullptr;
    QLabel* info_ = nullptr;
    QPushButton* ok_ = nullptr;
};

TEST_F(SetupEndToEnd, SendReachesTheTrackerIntactOnTheTimeline) {
    const int number = simulatorNumber();
    ASSERT_GE(number, 1);
    ASSERT_LE(number, 9) << "more than eight ports before the simulator";
    typeComm(QString::number(number));
    const Result<SettingsValues> read = window_->settings();
    ASSERT_TRUE(read.ok()) << read.fault().reason.toStdString();
    SettingsValues settings = read.value();
    const std::vector<std::pair<FieldId, QString>> edits{
        {FieldId::myCall, QStringLiteral("IK2ABC-7")},
        {FieldId::aprsPath, QStringLiteral("WIDE2-2")},
        {FieldId::txDelay, QStringLiteral("50")},
        {FieldId::speedBand3, QStringLiteral("5")},
        {FieldId::statusText, QStringLiteral("Città 123")},
    };
    for (const auto& [id, text] : edits)
        ASSERT_TRUE(settings.setText(id, text).ok()) << fieldInfo(id).key;
    ASSERT_TRUE(settings.setValue(FieldId::alternateTable, 1).ok());
    window_->showSettings(settings);
    const BuildResult built = BuildConfigBlock(settings);

    tracker_.start();
    double shownAt = 0;
    QObject::connect(&window_->sender(), &FrameSender::started, window_.get(),
                     [&] { shownAt = PtyTracker::nowMs(); });
    // The event loop's longest pause while the transfer runs: the window must
    // keep answering, so no step of the transfer may block it.
    double lastTick = 0;
    double longestStall = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const double now = PtyTracker::nowMs();
        if (lastTick > 0 && shownAt > 0)
            longestStall = std::max(longestStall, now - lastTick);
        lastTick = now;
    });
    ticker.start(1);
    pressSendAndWait();
    ticker.stop();

    EXPECT_TRUE(messages_->isEmpty()) << messages_->value(0).text.toStdString();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(ok_->isVisible());
    EXPECT_EQ(dialog_->infoText(), ProgressDialog::resultText());

    const auto transfer = tracker_.waitForTransfer(3000);
    ASSERT_TRUE(transfer.has_value());
    EXPECT_EQ(transfer->lcd, QStringLiteral("Success!"));
    ASSERT_TRUE(transfer->block.has_value());
    EXPECT_EQ(*transfer->block, built.block);
    const Result<SettingsValues> after = window_->settings();
    ASSERT_TRUE(after.ok()) << after.fault().reason.toStdString();
    ASSERT_TRUE(transfer->decoded.has_value());
    for (const FieldInfo& info : fieldTable()) {
        if (info.id == FieldId::portNumber)
            continue;
        const std::size_t i = fieldIndex(info.id);
        if (holdsText(info.id))
            EXPECT_EQ(transfer->decoded->texts[i].value_or(QStringLiteral("?")).toStdString(),
                      after.value().text(info.id).toStdString())
                << info.key;
        else
            EXPECT_EQ(transfer->decoded->values[i].value_or(-1), after.value().value(info.id))
                << info.key;
    }

    const double due[] = {400, 410, 810, 820};
    std::cout << "arrival after the dialog showed (ms, deviation):";
    for (std::size_t i = 0; i < 4; ++i) {
        ASSERT_TRUE(transfer->marks[i].has_value());
        const double at = transfer->startedAtMs + *transfer->marks[i] - shownAt;
        std::cout << " " << at << " (" << (at - due[i]) << ")";
        // Late by a busy machine is tolerated; early never happens.
        EXPECT_GT(at, due[i] - 5);
        EXPECT_LT(at, due[i] + 150);
    }
    std::cout << "\nlongest event-loop stall during the transfer (ms): " << longestStall << "\n";
    EXPECT_LT(longestStall, 250);

    QTest::mouseClick(ok_, Qt::LeftButton);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(window_->close());
}

// The tracker goes away after frame 1: the write of frame 2's preamble fails,
// the failure is shown, the dialog keeps its last progress without OK, and
// the window is usable and closes normally.
TEST_F(SetupEndToEnd, AHangUpMidTransferIsReportedAndLeavesNothingOpen) {
    tracker_.hangUpAfter(61);
    tracker_.start();
    typeComm(QString::number(simulatorNumber()));
    pressSendAndWait();
    ASSERT_EQ(messages_->size(), 1);
    EXPECT_EQ(messages_->at(0).title, QLatin1String(kApplicationTitle));
    EXPECT_TRUE(messages_->at(0).text.contains(QLatin1String("Cannot write to")))
        << messages_->at(0).text.toStdString();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_FALSE(ok_->isVisible());
    EXPECT_TRUE(dialog_->infoText().endsWith(QLatin1String(".....")))
        << dialog_->infoText().toStdString();
    const auto transfer = tracker_.waitForTransfer(3000);
    ASSERT_TRUE(transfer.has_value());
    EXPECT_EQ(transfer->lcd, QStringLiteral("Timeout frame 2"));
    EXPECT_TRUE(window_->close());
}

// Ports that cannot be opened: the box says why, no progress is shown,
// nothing reaches the tracker, and SEND works again.
TEST_F(SetupEndToEnd, PortsThatWillNotOpenAreExplained) {
    struct Case {
        const char* name;
        std::function<QString()> prepare; // returns the digit for "Comm num:"
        const char* says;
    };
    std::unique_ptr<QSerialPort> holder;
    const QByteArray device = tracker_.device().toLocal8Bit();
    std::vector<Case> cases = {
        {"busy",
         [&] {
             holder = std::make_unique<QSerialPort>(tracker_.device());
             EXPECT_TRUE(holder->open(QIODevice::WriteOnly));
             return QString::number(simulatorNumber());
         },
         "in use by another program"},
        {"no such port", [] { return QStringLiteral("9"); }, "does not exist"},
        {"no port chosen", [] { return QStringLiteral("0"); }, "No port selected"},
    };
    // Root opens any device, so the permission case needs an ordinary user.
    if (::geteuid() != 0) {
        cases.push_back({"permission",
                         [&] {
                             holder.reset();
                             ::chmod(device.constData(), 0);
                             return QString::number(simulatorNumber());
                         },
                         "permission denied"});
    }
    tracker_.start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages_->clear();
        typeComm(c.prepare());
        pressSendAndWait();
        ASSERT_EQ(messages_->size(), 1);
        EXPECT_TRUE(messages_->at(0).text.contains(QLatin1String(c.says)))
            << messages_->at(0).text.toStdString();
        EXPECT_FALSE(dialog_->isVisible());
    }
    EXPECT_FALSE(tracker_.waitForTransfer(300).has_value());
    EXPECT_TRUE(window_->close());
}

// A simulator started while the window is open is a port plugged in: the hint
// by "Comm num:" names it within 2 s, as an alert, without moving a control;
// F2 takes its number, and its going is said while it is chosen. A failure
// box then saves a report that names it.
TEST_F(SetupEndToEnd, APluggedPortIsNamedAndAFailureSavesAReport) {
    window_->portWatcher().start();
    auto* comm = window_->findChild<MaskedField*>(QStringLiteral("edComm"));
    const QRect before = comm->geometry();
    PortHint& hint = window_->portHint();
    auto plugged = std::make_unique<PtyTracker>();
    auto advert = std::make_unique<SimulatorAdvert>(plugged->device());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitFor([&] { return hint.isVisible(); }, 2000));
    EXPECT_LT(clock.elapsed(), 2000);
    const QRegularExpression said(QStringLiteral("^New serial port (\\d): ") +
                                  QRegularExpression::escape(plugged->device()) +
                                  QStringLiteral(", Korvex simulator$"));
    const QRegularExpressionMatch named = said.match(hint.text());
    ASSERT_TRUE(named.hasMatch()) << hint.text().toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&hint)->role(), QAccessible::AlertMessage);
    EXPECT_EQ(comm->geometry(), before);

    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_->focusWidget(), Qt::Key_F2);
    EXPECT_EQ(comm->fieldText(), named.captured(1));
    EXPECT_FALSE(hint.isVisible());

    advert.reset();
    ASSERT_TRUE(waitFor([&] { return hint.isVisible(); }, 3000));
    EXPECT_TRUE(
        hint.text().startsWith(QStringLiteral("Serial port %1 is gone").arg(named.captured(1))));

    *reportFile_ = registry_.filePath(QStringLiteral("report.txt"));
    typeComm(QStringLiteral("9"));
    pressSendAndWait();
    ASSERT_EQ(messages_->size(), 1);
    EXPECT_TRUE(messages_->at(0).offerReport);
    QFile report(*reportFile_);
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    EXPECT_TRUE(text.contains("korvex-config") && text.contains("== Last transfer ==") &&
                text.contains(tracker_.device().toUtf8()))
        << text.toStdString();
}

class KeyboardOnly : public SetupEndToEnd {
protected:
    KeyboardOnly() { realDialogs_ = true; }
};

// Start, edit, SEND, OK, Save, Load (a missing name first), F1 and back with
// keys alone and the real dialogs. Places read "window>control".
TEST_F(KeyboardOnly, TheWholeTaskWithKeysAlone) {
    QTemporaryDir folder;
    QFile manual(folder.filePath(QStringLiteral("Korvex_Config.rtf")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                manual.write("{\\rtf1 One\\par Two\\par}") > 0);
    const QString saved = folder.filePath("mobile.cfg"), missing = folder.filePath("none.cfg");
    const struct {
        QString at, text;
        QKeyCombination key;
        int times = 1;
    } steps[] = {
        {"Setup>edNumFlagsAuto", "100", Qt::Key_Tab, 22},
        {"Setup>edComm", QString::number(simulatorNumber()), Qt::Key_Tab},
        {"Setup>cmdSend", {}, Qt::Key_Space},
        {"Dialog>OKButton", {}, Qt::Key_Return},
        {"Setup>cmdSend", {}, Qt::Key_Tab, 2},
        {"Setup>cmdSave", {}, Qt::Key_Space},
        {"QFileDialog>fileNameEdit", saved, Qt::Key_Return},
        {"Setup>cmdSave", {}, Qt::SHIFT | Qt::Key_Backtab},
        {"Setup>cmdLoad", {}, Qt::Key_Space},
        {"QFileDialog>fileNameEdit", missing, Qt::Key_Return},
        {"QMessageBox>QPushButton", {}, Qt::Key_Return},
        {"Setup>cmdLoad", {}, Qt::Key_Space},
        {"QFileDialog>fileNameEdit", saved, Qt::Key_Return},
        {"Setup>cmdLoad", {}, Qt::Key_F1},
        {"frmIstruzioni>rtfIstruzioni", {}, Qt::Key_Down},
        {"frmIstruzioni>rtfIstruzioni", {}, Qt::Key_Escape},
        {"Setup>cmdLoad", {}, Qt::Key_unknown, 0},
    };
    const auto id = [](const QObject* o) {
        return o->objectName().isEmpty() ? QString(o->metaObject()->className()) : o->objectName();
    };
    std::size_t next = 0;
    QStringList boxes;
    int caretLine = -1;
    tracker_.start();
    std::function<void()> press = [&] {
        if (next == std::size(steps))
            return;
        QTimer::singleShot(20, window_.get(), press); // a key may open a modal dialog
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        // Focus in a hidden control or an inactive window stalls the run.
        if (id(focus->window()) + u'>' + id(focus) != steps[next].at || !focus->isVisible() ||
            !focus->isActiveWindow())
            return;
        const auto& step = steps[next++];
        if (auto* box = qobject_cast<QMessageBox*>(focus->window()))
            boxes << box->windowTitle() + u'|' + box->text();
        if (auto* text = qobject_cast<QTextEdit*>(focus))
            caretLine = text->textCursor().blockNumber();
        QTest::keyClicks(focus, step.text);
        for (int i = 0; i < step.times; ++i)
            QTest::keyClick(QApplication::focusWidget(), step.key.key(),
                            step.key.keyboardModifiers());
    };
    press();
    EXPECT_TRUE(waitFor([&] { return next == std::size(steps); }, 20000)) << "stuck at " << next;
    const auto transfer = tracker_.waitForTransfer(3000);
    EXPECT_TRUE(transfer && transfer->lcd == QStringLiteral("Success!"));
    EXPECT_TRUE(boxes.size() == 1 && boxes[0].startsWith("Korvex|") && boxes[0].contains(missing));
    EXPECT_EQ(caretLine, 1); // Down moved the caret through the manual's read-only text
}

} // namespace
} // namespace korvex
