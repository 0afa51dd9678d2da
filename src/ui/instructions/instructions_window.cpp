// SPDX-License-Identifier: GPL-3.0-or-later
#include "instructions_window.h"

#include "document_locator.h"
#include "rtf_reader.h"
#include "ui/prompts/prompts.h"
#include "ui/twips.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

#include <algorithm>

// Resources compiled into a static library need an explicit reference, or the
// linker drops them.
static void initInstructionsResources() {
    Q_INIT_RESOURCE(instructions);
}

namespace korvex {
namespace {

// The window's client area as designed: 9330 x 4725 twips.
constexpr int kDesignWidthTwips = 9330;
constexpr int kDesignHeightTwips = 4725;
// What the text area leaves of the outer window on the right and at the bottom.
constexpr int kMarginWidthTwips = 120;
constexpr int kMarginHeightTwips = 480;

// A long manual is read in slices of about this much time, so the window keeps
// answering (and painting what has come in) while the rest is read.
constexpr std::chrono::milliseconds kSlice{25};

} // namespace

InstructionsWindow::InstructionsWindow(QWidget* parent)
    : InstructionsWindow(makeDialogPrompts(), nullptr, parent) {}

InstructionsWindow::InstructionsWindow(Prompts& prompts, QWidget* parent)
    : InstructionsWindow(nullptr, &prompts, parent) {}

InstructionsWindow::InstructionsWindow(std::unique_ptr<Prompts> own, Prompts* given,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ownPrompts_(std::move(own))
    , prompts_(given ? *given : *ownPrompts_)
    , documentView_(new QTextBrowser(this)) {
    initInstructionsResources();
    setObjectName(QStringLiteral("frmIstruzioni"));
    setWindowTitle(tr("Istruzioni:"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/korvex/instructions/korvex-instructions-%1.png").arg(size),
                     QSize(size, size));
    setWindowIcon(icon);

    // The strip the text area leaves free has the same colour, so the window
    // reads as one sheet whatever the frame size.
    QPalette pal = palette();
    const QColor sheet = pal.color(QPalette::ToolTipBase);
    const QColor ink = pal.color(QPalette::ToolTipText);
    pal.setColor(QPalette::Window, sheet);
    pal.setColor(QPalette::Base, sheet);
    pal.setColor(QPalette::Text, ink);
    setPalette(pal);
    setAutoFillBackground(true);

    documentView_->setObjectName(QStringLiteral("rtfIstruzioni"));
    documentView_->setReadOnly(true);
    documentView_->setOpenLinks(false);
    // A caret to read by, line by line, with the keys and a screen reader.
    documentView_->setTextInteractionFlags(Qt::TextBrowserInteraction |
                                           Qt::TextSelectableByKeyboard);
    documentView_->setAccessibleName(tr("Manual"));
    for (const QKeySequence& key :
         {QKeySequence(QKeySequence::Cancel), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    documentView_->setFrameShape(QFrame::NoFrame);
    documentView_->setPalette(pal);
    documentView_->viewport()->setAutoFillBackground(true);
    documentView_->document()->setDocumentMargin(12);
    connect(documentView_, &QTextBrowser::anchorClicked, this, [](const QUrl& url) {
        const QString scheme = url.scheme();
        if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
            QDesktopServices::openUrl(url);
    });

    sliceTimer_.setInterval(0);
    connect(&sliceTimer_, &QTimer::timeout, this, &InstructionsWindow::readSlice);

    resize(twipsToPixelsX(kDesignWidthTwips), twipsToPixelsY(kDesignHeightTwips));
    fitTextArea();
}

InstructionsWindow::~InstructionsWindow() {
    stopLoading();
}

void InstructionsWindow::openDocument(const QString& name, const QString& title) {
    documentName_ = name;
    setWindowTitle(QStringLiteral(" ") + title);
    const bool firstShow = !centred_;
    if (firstShow) {
        centred_ = true;
        centreOnScreen();
    }
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    if (firstShow)
        centreOnScreen(); // again, now that the frame's size may be known
    raise();
    activateWindow();
}

QString InstructionsWindow::documentName() const {
    return documentName_;
}

QString InstructionsWindow::documentPath() const {
    return documentPath_;
}

QTextBrowser* InstructionsWindow::textArea() const {
    return documentView_;
}

bool InstructionsWindow::isLoading() const {
    return loader_ != nullptr;
}

void InstructionsWindow::setSearchDirectories(const QStringList& directories) {
    searchDirectories_ = directories;
}

int InstructionsWindow::twipsToPixelsX(int twips) const {
    return twipsToPixels(twips, screen() ? screen()->logicalDotsPerInchX() : 96.0);
}

int InstructionsWindow::twipsToPixelsY(int twips) const {
    return twipsToPixels(twips, screen() ? screen()->logicalDotsPerInchY() : 96.0);
}

void InstructionsWindow::centreOnScreen() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return; // nothing to centre on: stay where the platform puts the window
    const QRect area = s->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void InstructionsWindow::fitTextArea() {
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const int w = std::max(1, outer.width() - twipsToPixelsX(kMarginWidthTwips));
    const int h = std::max(1, outer.height() - twipsToPixelsY(kMarginHeightTwips));
    documentView_->setGeometry(0, 0, w, h);
}

void InstructionsWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    fitTextArea();
}

bool InstructionsWindow::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::WindowActivate:
    case QEvent::Show:
        // Read again on every return to the window, so edits to the file show.
        // On showing too: a desktop that keeps new windows from taking the
        // focus would otherwise leave the window empty until clicked.
        // Queued: a message box must not open inside the activation itself.
        if (!unloading_ && !reloadQueued_) {
            reloadQueued_ = true;
            QMetaObject::invokeMethod(this, &InstructionsWindow::reloadDocument,
                                      Qt::QueuedConnection);
        }
        fitTextArea();
        break;
    // A window manager frames the window after it shows, and the client's
    // size need not change with it: the frame is known only once the framed
    // window has moved.
    case QEvent::Move:
    case QEvent::WindowStateChange:
        fitTextArea();
        break;
    case QEvent::Close:
        stopLoading();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void InstructionsWindow::reloadDocument() {
    reloadQueued_ = false;
    if (unloading_)
        return;
    const QStringList dirs =
        searchDirectories_.isEmpty() ? documentSearchDirectories() : searchDirectories_;
    const QString path = locateDocument(documentName_, dirs);
    // Unchanged since it was read whole: reading and comparing a large file
    // again would hold up the window for nothing.
    const QFileInfo file(path);
    if (!path.isEmpty() && path == documentPath_ && !shownBytes_.isEmpty() &&
        file.size() == shownBytes_.size() && file.lastModified() == shownModified_) {
        showDocument(shownBytes_);
        return;
    }
    const Result<QByteArray> document =
        path.isEmpty() ? Result<QByteArray>(Fault{}) : readDocument(path);
    if (!document) {
        reportUnreadable(document.fault().kind == FaultKind::BeyondLimit);
        return;
    }
    const QByteArray& bytes = document.value();
    documentPath_ = path;
    shownModified_ = file.lastModified();
    showDocument(bytes);
}

void InstructionsWindow::showDocument(const QByteArray& bytes) {
    if (bytes != shownBytes_) {
        // A reload cancels the read in flight. Its first slice is read at
        // once, so the window never paints an empty page in between.
        stopLoading();
        shownBytes_ = bytes;
        loader_ = std::make_unique<RtfLoader>(bytes, *documentView_->document());
        readSlice();
    }
    documentView_->moveCursor(QTextCursor::Start);
    documentView_->verticalScrollBar()->setValue(0);
    documentView_->horizontalScrollBar()->setValue(0);
}

void InstructionsWindow::readSlice() {
    if (!loader_)
        return;
    if (loader_->readFor(kSlice))
        stopLoading();
    else if (!sliceTimer_.isActive())
        sliceTimer_.start();
}

void InstructionsWindow::stopLoading() {
    sliceTimer_.stop();
    if (loader_ && !loader_->done())
        shownBytes_.clear(); // what is on screen is not all of them
    loader_.reset();
}

void InstructionsWindow::reportUnreadable(bool tooLarge) {
    stopLoading();
    unloading_ = true;
    const QString title = windowTitle().trimmed();
    const QString text =
        tooLarge ? tr("Il file di help %1 è troppo grande: oltre %2 MiB non viene letto.")
                       .arg(documentName_)
                       .arg(kMaxDocumentBytes >> 20)
                 : tr("Manca il file di help %1").arg(documentName_);
    prompts_.showMessage(this, {title, text, QMessageBox::Critical});
    close(); // deletes the window: it is loaded again by the next openDocument
}

} // namespace korvex
