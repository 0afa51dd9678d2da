// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace korvex {

struct FileFilter {
    QString label;   // what the dialog lists, e.g. "Tutti i files"
    QString pattern; // the names it shows, e.g. "*"
};

struct FileRequest {
    enum class Kind { Save, Open };
    Kind kind = Kind::Open;
    QString title;
    QString directory;         // where the dialog opens
    QString fileName;          // the name it proposes
    QList<FileFilter> filters; // the first one is selected
    bool confirmOverwrite = false;
};

struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // Behind the box's "Show Details..." button; none when empty. (The "= {}"
    // lets a box be written as {title, text, icon} without a warning.)
    QString details = {};
    // A failure box offers "Save report…" besides OK.
    bool offerReport = false;
};

// Which button closed a box.
enum class MessageAnswer { Ok, SaveReport };

// The windows' file dialogs and message boxes. Tests put their own answers
// here, so Save, Load, SEND and the manual run offscreen without modal dialogs.
class Prompts {
public:
    virtual ~Prompts() = default;

    // The full path the user chose, or nothing when the dialog was cancelled.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) = 0;
    // A box with a single OK button; returns once the user has closed it.
    virtual void showMessage(QWidget* parent, const MessageRequest& message) = 0;
    // The same box, answering which button closed it: OK, or "Save report…"
    // where the message offers it.
    virtual MessageAnswer askMessage(QWidget* parent, const MessageRequest& message) {
        showMessage(parent, message);
        return MessageAnswer::Ok;
    }
};

// Qt's file dialog and message box.
std::unique_ptr<Prompts> makeDialogPrompts();

} // namespace korvex
