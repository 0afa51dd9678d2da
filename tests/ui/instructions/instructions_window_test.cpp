// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostile_manual.h"
#include "instructions/instructions_window.h"
#include "support/case_name.h"
#include "support/wait_for.h"
#include "ui/prompts/prompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

using korvex::FileRequest;
using korvex::InstructionsWindow;
using korvex::MessageRequest;
using korvex::testing::waitFor;

namespace {

const QString kName = QStringLiteral("Korvex_Config.rtf");
const QString kTitle = QStringLiteral("Korvex Config - Istruzioni");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The user goes to another window and comes back to this one.
void leaveAndComeBack(QWidget* window) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

QByteArray longDocument(const char* first) {
    QByteArray rtf = QByteArray("{\\rtf1 ") + first + "\\par ";
    for (int i = 0; i < 300; ++i)
        rtf += "line " + QByteArray::number(i) + "\\par ";
    return rtf + "}";
}

struct Box {
    QWidget* parent = nullptr;
    MessageRequest message;
};

// The window's message boxes, closed at once and remembered.
class RecordedBoxes final : public korvex::Prompts {
public:
    std::optional<QString> chooseFile(QWidget*, const FileRequest&) override { return {}; }
    void showMessage(QWidget* parent, const MessageRequest& message) override {
        boxes.push_back({parent, message});
    }
    std::vector<Box> boxes;
};

class InstructionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override {
        delete window.data();
        QDir::setCurrent(savedCwd);
    }

    // What the Setup window does on F1: one window, created on first use.
    void pressF1() {
        if (!window) {
            window = new InstructionsWindow(prompts);
            window->setSearchDirectories({dir.path()});
        }
        window->openDocument(kName, kTitle);
    }

    bool loaded(const QString& text) {
        return waitFor([&] { return window && window->textArea()->toPlainText().contains(text); });
    }

    QTemporaryDir dir;
    QString savedCwd = QDir::currentPath();
    RecordedBoxes prompts;
    std::vector<Box>& boxes = prompts.boxes;
    QPointer<InstructionsWindow> window;
};

// The manual's pictures are PNG and JPEG: without the JPEG plugin beside it a
// Windows build shows a placeholder.
TEST(ManualPictures, EveryFormatTheReaderTakesCanBeDecoded) {
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
}

TEST_F(InstructionsWindowTest, IsAnOwnerlessModelessSizableWindow) {
    InstructionsWindow w;
    EXPECT_EQ(w.objectName(), "frmIstruzioni");
    EXPECT_EQ(w.windowTitle(), "Istruzioni:");
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.parentWidget(), nullptr);
    EXPECT_EQ(w.windowModality(), Qt::NonModal);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(16, 16)));

    auto* area = w.findChild<QTextBrowser*>("rtfIstruzioni");
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->isReadOnly());
    EXPECT_EQ(area->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::ToolTipBase));
    // The design client area, 9330 x 4725 twips.
    EXPECT_EQ(w.size(), QSize(w.twipsToPixelsX(9330), w.twipsToPixelsY(4725)));
}

TEST_F(InstructionsWindowTest, AprisCaptionNameAndOneWindowForTwoPresses) {
    writeFile(dir.filePath(kName), "{\\rtf1 Manual}");
    pressF1();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), " Korvex Config - Istruzioni");
    EXPECT_EQ(window->documentName(), kName);
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(loaded("Manual"));

    InstructionsWindow* first = window;
    pressF1();
    EXPECT_EQ(window.data(), first);
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmIstruzioni" && w->isVisible())
            ++shown;
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(InstructionsWindowTest, CentredWhenCreatedAndNotAgainWhileOpen) {
    writeFile(dir.filePath(kName), "{\\rtf1 Manual}");
    pressF1();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);

    window->move(10, 20);
    pressF1();
    EXPECT_EQ(window->pos(), QPoint(10, 20));

    // Closed by the user, it is created again and centred again.
    window->close();
    ASSERT_TRUE(waitFor([&] { return window.isNull(); }));
    pressF1();
    EXPECT_LE(std::abs(window->frameGeometry().center().x() - screen.center().x()), 1);
}

struct ResizeCase {
    int width;
    int height;
};

class InstructionsResize : public InstructionsWindowTest,
                           public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(InstructionsResize, TextAreaIsOuterSizeLessTheMargins) {
    writeFile(dir.filePath(kName), "{\\rtf1 Manual}");
    pressF1();
    window->resize(GetParam().width, GetParam().height);
    QApplication::processEvents();
    const QSize outer = window->frameGeometry().size();
    const QRect expected(0, 0, std::max(1, outer.width() - window->twipsToPixelsX(120)),
                         std::max(1, outer.height() - window->twipsToPixelsY(480)));
    EXPECT_EQ(window->textArea()->geometry(), expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, InstructionsResize,
                         ::testing::Values(ResizeCase{800, 600}, ResizeCase{300, 200},
                                           ResizeCase{1280, 1000}, ResizeCase{40, 40},
                                           ResizeCase{5, 3}),
                         [](auto i) {
                             return korvex::test::caseName(i.index, i.param.width, i.param.height);
                         });

TEST_F(InstructionsWindowTest, MinimisingLeavesTheTextAreaAlone) {
    writeFile(dir.filePath(kName), "{\\rtf1 Manual}");
    pressF1();
    window->resize(700, 500);
    QApplication::processEvents();
    const QRect before = window->textArea()->geometry();
    window->showMinimized();
    window->resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(window->textArea()->geometry(), before);
}

TEST_F(InstructionsWindowTest, EveryActivationRereadsTheFileAndShowsItsTop) {
    const QString path = dir.filePath(kName);
    writeFile(path, longDocument("FirstVersion"));
    pressF1();
    ASSERT_TRUE(loaded("FirstVersion"));
    EXPECT_EQ(window->documentPath(), QFileInfo(path).absoluteFilePath());

    window->resize(400, 300);
    window->textArea()->moveCursor(QTextCursor::End);
    window->textArea()->verticalScrollBar()->setValue(
        window->textArea()->verticalScrollBar()->maximum());
    ASSERT_GT(window->textArea()->verticalScrollBar()->value(), 0);

    writeFile(path, longDocument("SecondVersion"));
    ASSERT_NO_FATAL_FAILURE(leaveAndComeBack(window));
    ASSERT_TRUE(loaded("SecondVersion"));
    EXPECT_EQ(window->textArea()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(window->textArea()->textCursor().position(), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(InstructionsWindowTest, MissingFileShowsTheBoxOnceAndUnloads) {
    pressF1();
    ASSERT_TRUE(waitFor([&] { return window.isNull(); }));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].message.text, "Manca il file di help Korvex_Config.rtf");
    EXPECT_EQ(boxes[0].message.title, kTitle);
    EXPECT_EQ(boxes[0].message.icon, QMessageBox::Critical);
    EXPECT_NE(boxes[0].parent, nullptr);

    // Nothing is left behind, and the next F1 tries again.
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_NE(w->objectName(), "frmIstruzioni");
    writeFile(dir.filePath(kName), "{\\rtf1 Now here}");
    pressF1();
    ASSERT_TRUE(loaded("Now here"));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(InstructionsWindowTest, AManualBeyondTheReadLimitIsRefusedWithAMessage) {
    QFile manual(dir.filePath(kName));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly) && manual.resize(16 * 1024 * 1024 + 1));
    manual.close();
    pressF1();
    ASSERT_TRUE(waitFor([&] { return window.isNull(); }));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].message.text,
              QStringLiteral("Il file di help Korvex_Config.rtf è troppo grande: "
                             "oltre 16 MiB non viene letto."));
}

TEST_F(InstructionsWindowTest, AFolderWithTheDocumentsNameIsNotTheDocument) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(kName));
    pressF1();
    ASSERT_TRUE(waitFor([&] { return window.isNull(); }));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(InstructionsWindowTest, DefaultSearchFindsTheManualInTheCurrentDirectory) {
    // As after a Load from another folder: the current directory holds it.
    writeFile(dir.filePath(kName), "{\\rtf1 From the current folder}");
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    window = new InstructionsWindow(prompts);
    window->openDocument(kName, kTitle);
    ASSERT_TRUE(loaded("From the current folder"));
}

// The longest time the event loop went without running a 5 ms timer while it
// was alive: what a user would feel as a frozen window.
class StallMeter {
public:
    StallMeter() {
        tick_.setInterval(5);
        QObject::connect(&tick_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, clock_.restart()); });
        clock_.start();
        tick_.start();
    }
    qint64 longestMs() const { return longest_; }

private:
    QTimer tick_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

TEST_F(InstructionsWindowTest, ALargeManualShowsItsBeginningWhileTheRestIsRead) {
    writeFile(dir.filePath(kName), korvex::test::manualOfParagraphs(1'500'000));
    StallMeter stalls;
    pressF1();
    ASSERT_TRUE(waitFor([&] { return window->textArea()->document()->characterCount() > 1; }));
    // The beginning is on screen, the end is still to come.
    EXPECT_TRUE(window->isLoading());
    EXPECT_TRUE(window->textArea()->toPlainText().startsWith("Paragraph 1. "));
    EXPECT_FALSE(window->textArea()->toPlainText().contains("The end."));

    ASSERT_TRUE(waitFor([&] { return !window->isLoading(); }, 120'000));
    EXPECT_TRUE(window->textArea()->toPlainText().trimmed().endsWith("The end."));
    EXPECT_EQ(window->textArea()->verticalScrollBar()->value(), 0);
    RecordProperty("longest_stall_ms", static_cast<int>(stalls.longestMs()));
    std::printf("longest event-loop stall while loading: %lld ms\n",
                static_cast<long long>(stalls.longestMs()));

    // Coming back to an unchanged file shows the top again without reading
    // it all again.
    const int revision = window->textArea()->document()->revision();
    window->textArea()->verticalScrollBar()->setValue(500);
    ASSERT_NO_FATAL_FAILURE(leaveAndComeBack(window));
    ASSERT_TRUE(waitFor([&] { return window->textArea()->verticalScrollBar()->value() == 0; }));
    EXPECT_FALSE(window->isLoading());
    EXPECT_EQ(window->textArea()->document()->revision(), revision);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(InstructionsWindowTest, AReloadOrACloseEndsTheReadInFlight) {
    writeFile(dir.filePath(kName), korvex::test::manualOfParagraphs(1'500'000));
    pressF1();
    ASSERT_TRUE(loaded("Paragraph 1."));
    ASSERT_TRUE(window->isLoading());

    // Edited while being read: the new text replaces it, nothing of the old
    // read is added after.
    writeFile(dir.filePath(kName), "{\\rtf1 Short manual}");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(loaded("Short manual"));
    EXPECT_FALSE(window->isLoading());
    QTest::qWait(100);
    EXPECT_EQ(window->textArea()->toPlainText(), "Short manual");

    // Closed while reading: the read ends with the window.
    writeFile(dir.filePath(kName), korvex::test::manualOfParagraphs(1'500'000));
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(loaded("Paragraph 1."));
    ASSERT_TRUE(window->isLoading());
    window->close();
    ASSERT_TRUE(waitFor([&] { return window.isNull(); }));
    EXPECT_TRUE(boxes.empty());
}

// The most memory the process has held since the reset of the peak.
qint64 peakMemoryMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
    return 0;
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kTimed = false; // sanitizers multiply time and memory: read, not timed
#else
constexpr bool kTimed = true;
#endif

class HostileManualInWindow : public InstructionsWindowTest,
                              public ::testing::WithParamInterface<korvex::test::HostileManual> {};

// Each manual in the window while the event loop is timed: the beginning shows
// at once, the window answers all along, and is closed at once. The longest
// ones are read for a few seconds only: their cost is the same all through.
TEST_P(HostileManualInWindow, NeverFreezesTheWindow) {
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.gui.imageio*=false\ndefault.warning=false"));
    writeFile(dir.filePath(kName), GetParam().make());
    QFile peakReset(QStringLiteral("/proc/self/clear_refs"));
    if (peakReset.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        peakReset.write("5");
    StallMeter stalls;
    QElapsedTimer clock;
    clock.start();
    pressF1();
    ASSERT_TRUE(waitFor([&] { return window->textArea()->document()->characterCount() > 1; }));
    const qint64 firstMs = clock.elapsed();
    QScrollBar* bar = window->textArea()->verticalScrollBar();
    bar->setValue(bar->maximum()); // used while it loads: scrolled, F1 again
    pressF1();
    waitFor([&] { return !window->isLoading(); }, 4000);
    QElapsedTimer closing;
    closing.start();
    window->close();
    ASSERT_TRUE(waitFor([&] { return window.isNull(); }));
    const qint64 closeMs = closing.elapsed(), peak = peakMemoryMiB();
    std::printf("%s: longest stall %lld ms, peak %lld MiB, first page %lld ms, closed in %lld ms\n",
                GetParam().name, static_cast<long long>(stalls.longestMs()),
                static_cast<long long>(peak), static_cast<long long>(firstMs),
                static_cast<long long>(closeMs));
    if (!kTimed)
        return;
    // A freeze, not a figure: the pauses aimed at (100 ms) are printed above
    // and measured by the bench; here a pause only fails when it is one a
    // user would take for a hung window, whatever else the machine is doing.
    EXPECT_LE(std::max(stalls.longestMs(), closeMs), 2000);
    EXPECT_LT(peak, 300);
    EXPECT_LT(firstMs, 5000);
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileManualInWindow,
                         ::testing::ValuesIn(korvex::test::kHostileManuals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
