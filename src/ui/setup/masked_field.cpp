// SPDX-License-Identifier: GPL-3.0-or-later
#include "masked_field.h"

#include "field_input.h"
#include "settings/cp1252.h"
#include "settings/field_number.h"
#include "settings/field_table.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <algorithm>

namespace korvex {

MaskedField::MaskedField(KeyRule rule, int positions, QWidget* parent)
    : QLineEdit(parent)
    , rule_(rule)
    , positions_(positions)
    , text_(positions, kPromptChar) {
    setInputMethodHints(rule == KeyRule::Digits ? Qt::ImhDigitsOnly : Qt::ImhNone);
    QLineEdit::setText(unfocusedText());
}

void MaskedField::setFieldText(const QString& text) {
    // Every position is there, filled or not: a two-digit "Comm num:" holds "3_".
    text_ = text.leftJustified(positions_, kPromptChar);
    if (editing_) {
        const int cursor = std::min<int>(cursorPosition(), static_cast<int>(text_.size()));
        QLineEdit::setText(text_);
        setCursorPosition(cursor);
    } else {
        QLineEdit::setText(unfocusedText());
    }
}

QString MaskedField::unfocusedText() const {
    if (rule_ != KeyRule::Digits)
        return text_;
    return QString::number(numberOfField(text_));
}

void MaskedField::showEditing(bool editing) {
    if (editing == editing_)
        return;
    editing_ = editing;
    QLineEdit::setText(editing ? text_ : unfocusedText());
}

void MaskedField::focusAndSelect() {
    if (hasFocus()) {
        showEditing(true);
        selectAll();
        return;
    }
    selectOnNextFocus_ = true;
    setFocus(Qt::OtherFocusReason);
    if (hasFocus())
        selectWhenFocused();
}

void MaskedField::selectWhenFocused() {
    selectOnNextFocus_ = false;
    selectAll();
    // A mouse click that brought the focus places the caret after this
    // handler has run; selecting once more afterwards makes the selection win.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

void MaskedField::focusInEvent(QFocusEvent* event) {
    const bool entering = !editing_;
    if (entering && QAccessible::isActive() && event->reason() != Qt::MouseFocusReason) {
        // Qt tells assistive technology of the focus only after this handler.
        // The reformat's caret event would arrive first, and Orca would take
        // the field as current already and skip its name and unit. With a
        // reader listening, the reformat follows the focus (a click keeps
        // the caret where it lands, so it is done at once).
        QLineEdit::focusInEvent(event);
        const bool selectedByTab = hasSelectedText();
        QTimer::singleShot(0, this, [this, selectedByTab] {
            if (!hasFocus() || editing_)
                return;
            showEditing(true);
            finishEntering(true, selectedByTab);
        });
        return;
    }
    showEditing(true);
    QLineEdit::focusInEvent(event);
    finishEntering(entering, hasSelectedText());
}

void MaskedField::finishEntering(bool entering, bool selectedByTab) {
    if (selectOnNextFocus_ || (entering && selectOnFocus_)) {
        selectWhenFocused();
    } else if (entering && selectedByTab) {
        // QLineEdit selects everything when tabbed into; this field does not.
        deselect();
        setCursorPosition(0);
    }
}

void MaskedField::focusOutEvent(QFocusEvent* event) {
    // Another window or a popup taking over leaves this the window's field
    // with the focus: keep showing what is being edited.
    const bool stillCurrent =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    QLineEdit::focusOutEvent(event);
    if (!stillCurrent)
        showEditing(false);
}

void MaskedField::commit(int cursor) {
    QLineEdit::setText(text_);
    setCursorPosition(cursor);
    emit fieldEdited();
}

void MaskedField::clearPositions(int from, int to) {
    from = std::clamp<int>(from, 0, static_cast<int>(text_.size()));
    to = std::clamp<int>(to, from, static_cast<int>(text_.size()));
    for (int i = from; i < to; ++i)
        text_[i] = kPromptChar;
}

void MaskedField::typeCharacters(const QString& characters) {
    if (characters.isEmpty())
        return;
    // Typing overwrites from the caret; past the last position there is
    // nothing left to overwrite, so the key is refused, as in every masked
    // field (the symbol's one position included).
    int position = hasSelectedText() ? selectionStart() : cursorPosition();
    if (hasSelectedText())
        clearPositions(selectionStart(), selectionEnd());
    for (const QChar ch : characters) {
        if (position >= text_.size())
            break;
        text_[position++] = ch;
    }
    commit(position);
}

void MaskedField::eraseSelection() {
    const int start = selectionStart();
    clearPositions(start, selectionEnd());
    commit(start);
}

void MaskedField::backspace() {
    if (hasSelectedText()) {
        eraseSelection();
        return;
    }
    const int cursor = cursorPosition();
    if (cursor == 0)
        return;
    clearPositions(cursor - 1, cursor);
    commit(cursor - 1);
}

void MaskedField::deleteForward() {
    if (hasSelectedText()) {
        eraseSelection();
        return;
    }
    const int cursor = cursorPosition();
    clearPositions(cursor, cursor + 1);
    commit(cursor);
}

void MaskedField::cutSelection() {
    if (!hasSelectedText())
        return;
    copy();
    eraseSelection();
}

void MaskedField::pasteFiltered(QClipboard::Mode mode) {
    typeCharacters(filterText(rule_, QGuiApplication::clipboard()->text(mode)));
}

void MaskedField::revertForeignEdit(const QString& before, int cursor) {
    if (QLineEdit::text() == before)
        return;
    QLineEdit::setText(before);
    setCursorPosition(std::min<int>(cursor, static_cast<int>(before.size())));
}

void MaskedField::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    showEditing(true);
    event->accept();
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered(QClipboard::Clipboard);
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cutSelection();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return; // edits happen in place; there is no history to step through
    if (event->matches(QKeySequence::DeleteStartOfWord)) {
        const int cursor = cursorPosition();
        clearPositions(0, cursor);
        commit(0);
        return;
    }
    if (event->matches(QKeySequence::DeleteEndOfWord) ||
        event->matches(QKeySequence::DeleteEndOfLine)) {
        const int cursor = cursorPosition();
        clearPositions(cursor, static_cast<int>(text_.size()));
        commit(cursor);
        return;
    }
    if (event->matches(QKeySequence::DeleteCompleteLine)) {
        clearPositions(0, static_cast<int>(text_.size()));
        commit(0);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        backspace();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        deleteForward();
        return;
    }

    const std::optional<int> code = keyPressCode(*event);
    if (code && *code >= 32) {
        const int kept = filterKey(rule_, *code);
        if (kept >= 32)
            typeCharacters(QString(cp1252Char(static_cast<unsigned char>(kept))));
        return;
    }
    if (!code && event->text().size() > 1) {
        typeCharacters(filterText(rule_, event->text()));
        return;
    }

    // Caret movement, selection, Copy, Enter: the line edit's own business,
    // as long as it leaves the text alone.
    const QString before = QLineEdit::text();
    const int cursor = cursorPosition();
    event->ignore();
    QLineEdit::keyPressEvent(event);
    revertForeignEdit(before, cursor);
}

void MaskedField::inputMethodEvent(QInputMethodEvent* event) {
    // Compose sequences and input methods deliver their result here; the
    // preedit is not shown, since it would shift the positions.
    if (!isReadOnly())
        typeCharacters(filterText(rule_, event->commitString()));
    event->accept();
}

void MaskedField::contextMenuEvent(QContextMenuEvent* event) {
    execEditMenu(*this, event->globalPos(),
                 {[this] { cutSelection(); }, [this] { pasteFiltered(QClipboard::Clipboard); },
                  [this] {
                      if (hasSelectedText())
                          eraseSelection();
                  },
                  false});
}

void MaskedField::dragEnterEvent(QDragEnterEvent* event) {
    // Drop positions count in the edited text, prompts included.
    showEditing(true);
    QLineEdit::dragEnterEvent(event);
}

void MaskedField::dragLeaveEvent(QDragLeaveEvent* event) {
    QLineEdit::dragLeaveEvent(event);
    showEditing(hasFocus());
}

void MaskedField::dropEvent(QDropEvent* event) {
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        showEditing(hasFocus());
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    typeCharacters(filterText(rule_, event->mimeData()->text()));
    event->acceptProposedAction();
    showEditing(hasFocus());
}

void MaskedField::mouseReleaseEvent(QMouseEvent* event) {
    if (!pasteSelectionOnMiddleClick(*this, *event,
                                     [this](QClipboard::Mode mode) { pasteFiltered(mode); }))
        QLineEdit::mouseReleaseEvent(event);
}

} // namespace korvex
