// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QTextBrowser;

namespace korvex {

class RtfLoader;

// The window that shows the user manual (object name "frmIstruzioni"). It has
// no owner window; the Setup window creates it on first use and destroys it
// when it closes itself.
class InstructionsWindow : public QWidget {
    Q_OBJECT
public:
    // Shows a critical-error box and returns when the user has closed it.
    using CriticalBox =
        std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    explicit InstructionsWindow(QWidget* parent = nullptr);
    ~InstructionsWindow() override;

    // Remembers the document, sets the caption to " " + title and shows the
    // window, modeless. Whether the document exists is found out on activation.
    void openDocument(const QString& name, const QString& title);

    QString documentName() const;

    // The file last shown, after the search of documentSearchDirectories().
    QString documentPath() const;

    QTextBrowser* textArea() const;

    // Whether a document is still being read into the text area.
    bool isLoading() const;

    // Replaces the message box for every window (empty: a real QMessageBox).
    // Offscreen tests install one that records instead of blocking.
    static void setCriticalBox(CriticalBox box);

    // Replaces the folders searched for a bare document name (empty: the
    // default order of documentSearchDirectories()).
    void setSearchDirectories(const QStringList& directories);

    // Twips (1440 to the inch) to pixels at this window's screen.
    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void centreOnScreen();
    void fitTextArea();
    void reloadDocument();
    // A missing or unreadable document, or (tooLarge) one beyond the size read.
    void reportMissing(bool tooLarge = false);
    void showDocument(const QByteArray& bytes);
    void readSlice();
    void stopLoading();

    QTextBrowser* documentView_;
    QString documentName_;
    QString documentPath_;
    QStringList searchDirectories_;
    bool centred_ = false;
    bool reloadQueued_ = false;
    bool unloading_ = false;
    // The bytes on show (or being read): reading the same again would change
    // nothing on screen but cost the time again.
    QByteArray shownBytes_;
    QDateTime shownModified_; // of the file they were read from
    std::unique_ptr<RtfLoader> loader_;
    QTimer sliceTimer_; // reads the next slice once pending events are handled
};

} // namespace korvex
