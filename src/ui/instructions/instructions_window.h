// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class QTextBrowser;

namespace korvex {

class Prompts;
class RtfLoader;

// The window that shows the user manual (object name "frmIstruzioni"). It has
// no owner window; the Setup window creates it on first use and destroys it
// when it closes itself.
class InstructionsWindow : public QWidget {
    Q_OBJECT
public:
    // With Qt's message boxes.
    explicit InstructionsWindow(QWidget* parent = nullptr);
    // With the message boxes of `prompts`, which must outlive the window.
    explicit InstructionsWindow(Prompts& prompts, QWidget* parent = nullptr);
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
    InstructionsWindow(std::unique_ptr<Prompts> own, Prompts* given, QWidget* parent);
    void centreOnScreen();
    void fitTextArea();
    void reloadDocument();
    // A missing or unreadable document, or (tooLarge) one beyond the size read.
    void reportUnreadable(bool tooLarge = false);
    void showDocument(const QByteArray& bytes);
    void readSlice();
    void stopLoading();

    std::unique_ptr<Prompts> ownPrompts_; // when none was given
    Prompts& prompts_;
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
