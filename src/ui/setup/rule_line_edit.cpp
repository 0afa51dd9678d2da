// SPDX-License-Identifier: GPL-3.0-or-later
#include "rule_line_edit.h"

#include "field_input.h"
#include "settings/cp1252.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace korvex {

RuleLineEdit::RuleLineEdit(KeyRule rule, int maxLength, QWidget* parent)
    : QLineEdit(parent)
    , rule_(rule) {
    setMaxLength(maxLength);
}

void RuleLineEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::optional<int> code = keyPressCode(*event);
    if (!code) {
        // No character: caret keys, Delete, Shift+Insert, or a composed string.
        if (event->matches(QKeySequence::Paste)) {
            pasteFiltered(QClipboard::Clipboard);
            event->accept();
        } else if (event->text().size() > 1) {
            insertFiltered(event->text());
            event->accept();
        } else {
            QLineEdit::keyPressEvent(event);
        }
        return;
    }

    const int kept = filterKey(rule_, *code);
    if (kept == 0) {
        // Discarded: Enter and Escape must not reach the window either.
        event->accept();
        return;
    }
    if (kept < 32) {
        // A control key the rule lets through keeps its usual meaning
        // (Backspace, and in the free-text fields the clipboard shortcuts).
        if (event->matches(QKeySequence::Paste)) {
            pasteFiltered(QClipboard::Clipboard);
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    insert(QString(cp1252Char(static_cast<unsigned char>(kept))));
    event->accept();
}

void RuleLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(filterText(rule_, event->commitString()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void RuleLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    execEditMenu(*this, event->globalPos(),
                 {[this] { cut(); }, [this] { pasteFiltered(QClipboard::Clipboard); },
                  [this] { del(); }, true});
}

void RuleLineEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData mime;
    mime.setText(filterText(rule_, event->mimeData()->text()));
    QDropEvent filtered(event->position(), event->possibleActions(), &mime, event->buttons(),
                        event->modifiers());
    filtered.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&filtered);
    if (filtered.isAccepted()) {
        event->setDropAction(filtered.dropAction());
        event->accept();
    }
}

void RuleLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (!pasteSelectionOnMiddleClick(*this, *event,
                                     [this](QClipboard::Mode mode) { pasteFiltered(mode); }))
        QLineEdit::mouseReleaseEvent(event);
}

void RuleLineEdit::pasteFiltered(QClipboard::Mode mode) {
    insertFiltered(QGuiApplication::clipboard()->text(mode));
}

void RuleLineEdit::insertFiltered(const QString& text) {
    const QString kept = filterText(rule_, text);
    if (!kept.isEmpty())
        insert(kept);
}

void RuleLineEdit::focusAndSelect() {
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

} // namespace korvex
