// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_harness.h"

#include "settings/field_table.h"
#include "settings/settings_values.h"
#include "ui/progress/progress_dialog.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

namespace korvex::testing {
namespace {

using SetupWindowTest = SetupTest;

TEST(TwipsTest, ConvertAt1440ToTheInch) {
    const struct {
        int twips;
        double pixelsPerInch;
        int pixels;
    } cases[] = {{1440, 96, 96},
                 {15, 96, 1},
                 {7, 96, 0},
                 {8, 96, 1},
                 {9330, 96, 622},
                 {4725, 120, 394},
                 {1095, 1440.0 * 14 / 195, 79}};
    for (const auto& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips, c.pixelsPerInch), c.pixels) << c.twips;
    // The forms' design: a 13-pixel line is 195 twips at 96 to the inch.
    const QFontMetrics metrics(QApplication::font());
    EXPECT_DOUBLE_EQ(fontPixelsPerInch(metrics) * 195 / 1440, metrics.height());
}

TEST_F(SetupWindowTest, FramesAndCaptionsReadExactly) {
    EXPECT_EQ(window->objectName(), "Setup");
    EXPECT_EQ(window->windowTitle(), "Korvex Config v2.1 by QZ9KRV");
    // The icon follows the first paint.
    showActive();
    EXPECT_TRUE(waitFor([&] { return !window->windowIcon().isNull(); }));

    const std::pair<const char*, const char*> frames[] = {
        {"Frame1", "Main APRS / Mic-E Settings"},
        {"Frame2", "Timing  Settings"},
        {"frManual", "Manual Timing"},
        {"Frame5", "GPS"},
        {"frAuto", "Automatic Timing"},
        {"Frame3", "Message Settings"},
        {"Frame6", "Configuration / Programming"}};
    for (const auto& [name, title] : frames)
        EXPECT_EQ(find<QGroupBox>(name)->title(), title);
    for (const char* inner : {"frManual", "Frame5", "frAuto"})
        EXPECT_EQ(find(inner)->parentWidget(), find("Frame2")) << inner;

    QStringList captions;
    for (const QLabel* label : window->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"TX DELAY",
                                "mS",
                                "Mic-E msg",
                                "ICON Symbol",
                                "MY CALLSIGN",
                                "Status txt every",
                                "tx",
                                "APRS PATH",
                                "STATUS text",
                                "/ GPSless bcn",
                                "Every",
                                "sec.",
                                "Acquisition interval",
                                "Acquisition timeout",
                                "x 100 mS",
                                "(0=GPSless Mode)",
                                "Speed 0-3 Km/h",
                                "Speed 4-9 Km/h",
                                "Speed 10-22 Km/h",
                                "Speed 23-40 Km/h",
                                "Speed 41-72 Km/h",
                                "Speed 73-125 Km/h",
                                "Speed > 125 Km/h",
                                "Unprotocol call",
                                "Msg Retries",
                                "APRS message TO CALL",
                                "Message text",
                                "Comm num:"})
        EXPECT_TRUE(captions.contains(QString::fromLatin1(caption))) << caption;

    const std::pair<const char*, const char*> buttons[] = {{"cmdDefault", "Default"},
                                                           {"cmdSave", "Save"},
                                                           {"cmdLoad", "Load"},
                                                           {"cmdSend", "SEND"},
                                                           {"cmdHelp", "Help (F1)"}};
    for (const auto& [name, text] : buttons)
        EXPECT_EQ(find<QPushButton>(name)->text(), text);
    EXPECT_EQ(find<QCheckBox>("chkTable")->text(), "Alternate Table");
    EXPECT_EQ(find<QCheckBox>("chkRxPosition")->text(),
              "Disable display position of received stations");
    for (const FieldInfo& info : fieldTable())
        find(QString::fromLatin1(info.objectName));

    const qreal windowSize = window->font().pointSizeF();
    for (const char* name : {"Label33", "Label34", "cbMicEMsg"})
        EXPECT_LT(find(name)->font().pointSizeF(), windowSize) << name;
}

TEST_F(SetupWindowTest, FixedSizeWithoutMaximiseAndEveryCaptionFits) {
    showActive();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    for (const QLabel* label : window->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
}

TEST_F(SetupWindowTest, OpensInTxDelaySelectedAndTabsInTheFixedOrder) {
    showActive();
    QTest::qWait(1);
    ASSERT_EQ(QApplication::focusWidget(), find("edNumFlagsAuto"));
    EXPECT_EQ(masked("edNumFlagsAuto")->selectedText(), "200");

    const QStringList order{
        "edNumFlagsAuto",  "cbMicEMsg",       "edSymbol",        "chkTable",
        "edMyCall",        "edBcnEvery",      "edAprsPath",      "edBeacon",
        "edManualTime",    "esSpeedTable(0)", "esSpeedTable(1)", "esSpeedTable(2)",
        "esSpeedTable(3)", "esSpeedTable(4)", "esSpeedTable(5)", "esSpeedTable(6)",
        "edGpsCheckTime",  "edGpsAcqTime",    "edReceiver",      "edMsgRepeat",
        "edDestCall",      "edAprsMsg",       "edComm",          "cmdSend",
        "cmdLoad",         "cmdSave",         "cmdDefault",      "cmdHelp",
        "chkRxPosition",   "edNumFlagsAuto"};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        // The list's line edit stands in for the list.
        if (focused && focused->parentWidget() &&
            focused->parentWidget()->objectName() == "cbMicEMsg")
            focused = focused->parentWidget();
        ASSERT_EQ(focused ? focused->objectName() : QString(), order[i])
            << "after " << order[i - 1].toStdString();
    }
}

TEST_F(SetupWindowTest, F1WithAnyModifierAndHelpOpenTheManual) {
    showActive();
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ControlModifier, Qt::AltModifier,
                                               Qt::ControlModifier | Qt::ShiftModifier};
    for (const Qt::KeyboardModifiers modifier : modifiers) {
        delete window->instructionsWindow();
        auto* call = find<QLineEdit>("edMyCall");
        call->setFocus();
        QTest::keyClick(call, Qt::Key_F1, modifier);
        InstructionsWindow* manual = window->instructionsWindow();
        ASSERT_NE(manual, nullptr) << int(modifier);
        EXPECT_EQ(manual->objectName(), "frmIstruzioni");
        EXPECT_EQ(manual->documentName(), "Korvex_Config.rtf");
        EXPECT_TRUE(manual->windowTitle().contains("Korvex Config - Istruzioni"));
        EXPECT_EQ(call->text(), "NOCALL-9");
    }
    delete window->instructionsWindow();
    click("cmdHelp");
    ASSERT_NE(window->instructionsWindow(), nullptr);
    EXPECT_TRUE(window->instructionsWindow()->isVisible());
}

TEST_F(SetupWindowTest, DefaultRestoresEveryFactoryValue) {
    const ShownSettings settings = shown();
    for (const FieldInfo& info : fieldTable()) {
        if (holdsText(info.id))
            EXPECT_TRUE(settings.setText(info.id, info.kind == FieldKind::Text ? "X" : "7"));
        else
            EXPECT_TRUE(settings.setValue(info.id, 1));
    }
    click("cmdDefault");
    const SettingsValues factory;
    for (const FieldInfo& info : fieldTable()) {
        if (holdsText(info.id))
            EXPECT_EQ(settings.text(info.id), factory.text(info.id)) << info.objectName;
        else
            EXPECT_EQ(settings.value(info.id), factory.value(info.id)) << info.objectName;
    }
    EXPECT_EQ(find<QComboBox>("cbMicEMsg")->currentText(), "Off Duty");
    EXPECT_EQ(masked("esSpeedTable(0)")->fieldText(), "0480");
}

QColor captionColour(const QWidget* label) {
    return label->palette().color(QPalette::WindowText);
}

TEST_F(SetupWindowTest, GpslessCaptionsChangeOnlyWithABuild) {
    const QColor buttonText = window->palette().color(QPalette::ButtonText);
    const QColor green(0, 128, 0);
    const ShownSettings settings = shown();
    // An empty call sign fails the build after the GPS step: nothing is sent,
    // yet the indication is set.
    EXPECT_TRUE(settings.setText(FieldId::myCall, QString()));
    EXPECT_TRUE(settings.setText(FieldId::gpsTimeout, "000"));
    EXPECT_EQ(captionColour(find("Label33")), buttonText);

    click("cmdSend");
    EXPECT_EQ(captionColour(find("Label33")), green);
    EXPECT_EQ(captionColour(find("Label34")), green);

    EXPECT_TRUE(settings.setText(FieldId::gpsTimeout, "025"));
    EXPECT_EQ(captionColour(find("Label33")), green);
    click("cmdSend");
    EXPECT_EQ(captionColour(find("Label33")), buttonText);
    EXPECT_EQ(captionColour(find("Label34")), buttonText);
    EXPECT_TRUE(line->writes.isEmpty());
}

// As a screen reader asks: every focusable control is named, no two editable
// ones alike, each field after its caption and with its unit described.
TEST_F(SetupWindowTest, ScreenReadersTellEveryControlApart) {
    QStringList editable;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window.get()))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << qPrintable(control->objectName());
        if (accessible->state().editable)
            editable << name;
    }
    EXPECT_EQ(editable.size(), 22);
    EXPECT_EQ(editable.removeDuplicates(), 0);
    for (const FieldInfo& info : fieldTable()) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(find(QString::fromLatin1(info.objectName)));
        QString heard = accessible->text(QAccessible::Name);
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            heard += u' ' + label->text(QAccessible::Name);
        EXPECT_TRUE(heard.contains(QString::fromLatin1(info.caption).remove(u':'))) << info.key;
        EXPECT_TRUE(accessible->text(QAccessible::Description).contains(info.unit)) << info.key;
    }
}

TEST_F(SetupWindowTest, PortTooltipListsTheNumberedPorts) {
    ports = {fakePort("ttyS0", "Built-in port"), fakePort("ttyUSB1", "CP2102 USB to UART"),
             fakePort("pts/3", QString())};
    ports[0].vendorId.reset();
    ports[2].vendorId.reset();
    ports[2].simulated = true;
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(find("edComm"), &hover);
    EXPECT_EQ(find("edComm")->toolTip(), "Serial ports on this computer:\n"
                                         "1 = /dev/ttyUSB1 (CP2102 USB to UART)\n"
                                         "2 = /dev/ttyS0 (Built-in port)\n"
                                         "3 = /dev/pts/3 (Korvex simulator)");
    ports.clear();
    QApplication::sendEvent(find("edComm"), &hover);
    EXPECT_EQ(find("edComm")->toolTip(), "No serial port found on this computer.");
}

TEST_F(SetupWindowTest, ClosingTakesTheDialogAndTheManualAlong) {
    showActive();
    click("cmdHelp");
    QPointer<InstructionsWindow> manual = window->instructionsWindow();
    QPointer<ProgressDialog> dialog = window->progressDialog();
    ASSERT_TRUE(manual && dialog);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(manual.isNull());
    EXPECT_TRUE(dialog.isNull());
}

// The last folder used, a portable copy's own folder (marked), the documents,
// home: the first that really takes a new file.
TEST(DialogFolder, LastUsedThenPortableCopyThenDocumentsThenHome) {
    QTemporaryDir root;
    for (const char* name : {"last", "program", "portable", "documents"})
        ASSERT_TRUE(QDir(root.path()).mkpath(name));
    const auto at = [&](const char* name) {
        return QFileInfo(root.filePath(name)).absoluteFilePath();
    };
    QFile mark(QDir(at("portable")).filePath(kPortableMarker));
    ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
    const QString gone = mark.fileName() + "/gone";
    const std::pair<DialogFolders, QString> cases[] = {
        {{at("last"), at("portable"), at("documents")}, at("last")},
        {{gone, at("portable"), at("documents")}, at("portable")},
        {{gone, at("program"), at("documents")}, at("documents")},
        {{{}, at("program"), gone}, QDir::homePath()},
    };
    for (const auto& [folders, opens] : cases)
        EXPECT_EQ(dialogFolder(folders), opens) << folders.last.toStdString();
    RememberedFolder(root.filePath("settings.ini")).remember(QDir(at("last")).filePath("x.cfg"));
    EXPECT_EQ(RememberedFolder(root.filePath("settings.ini")).folder(), at("last"));
}

// "Comm num:" lists every port, and how to reach one its digits cannot.
TEST(PortsToolTip, ListsPortsAboveTheFieldsDigitsWithTheirWay) {
    const QString tip = portsToolTip(PortSnapshot({{"COM12", "COM12", {}, {}, {}, {}, {}, false},
                                                   {"COM120", "COM120", {}, {}, {}, {}, {}, false}},
                                                  true));
    EXPECT_EQ(tip.contains("12 = COM12\n"), kPortNumberDigits > 1) << tip.toStdString();
    EXPECT_TRUE(tip.contains("120 = COM120 [korvex-cli send FILE --port 120]"));
}

} // namespace
} // namespace korvex::testing
