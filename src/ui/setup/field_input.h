// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace korvex {

// The single-byte character code a key press types, the way the tracker's
// character rules see keys: Backspace is 8, Enter 13, Escape 27, Ctrl+letter
// its control code (Ctrl+V is 22), a printable key its Windows-1252 code, and 0
// for a character that code page cannot hold. Nothing for keys that type no
// character (arrows, Delete, function keys) or type several at once.
std::optional<int> keyPressCode(const QKeyEvent& event);

// The context menu of a field whose edits must pass through its own handlers:
// the stock menu would paste, cut and delete behind the field's back.
struct EditMenuHandlers {
    std::function<void()> cut;
    std::function<void()> paste;
    std::function<void()> erase;
    bool offerUndo = false;
};

void execEditMenu(QLineEdit& field, const QPoint& globalPos, const EditMenuHandlers& handlers);

// The middle button pastes the X11 selection; it has to obey the field's rule
// like any other paste. True when the release was taken as such a paste.
bool pasteSelectionOnMiddleClick(QLineEdit& field, QMouseEvent& event,
                                 const std::function<void(QClipboard::Mode)>& paste);

} // namespace korvex
