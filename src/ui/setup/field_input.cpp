// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_input.h"

#include "settings/cp1252.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace korvex {

std::optional<int> keyPressCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }

    const Qt::KeyboardModifiers mods = event.modifiers();
    // Ctrl together with Alt is AltGr on Windows keyboards: it types characters.
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        const int key = event.key();
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore)
            return key - Qt::Key_BracketLeft + 27;
        return std::nullopt;
    }

    const QString text = event.text();
    if (text.size() != 1)
        return std::nullopt;
    const QChar ch = text.front();
    if (ch.unicode() == 127)
        return std::nullopt;
    if (ch.unicode() < 32)
        return ch.unicode();
    const auto code = cp1252Code(ch);
    return code ? *code : 0;
}

void execEditMenu(QLineEdit& field, const QPoint& globalPos, const EditMenuHandlers& handlers) {
    QMenu menu(&field);
    const bool editable = !field.isReadOnly();
    const bool selected = field.hasSelectedText();

    if (handlers.offerUndo) {
        QAction* undo = menu.addAction(QLineEdit::tr("&Undo"), &field, &QLineEdit::undo);
        undo->setEnabled(editable && field.isUndoAvailable());
        QAction* redo = menu.addAction(QLineEdit::tr("&Redo"), &field, &QLineEdit::redo);
        redo->setEnabled(editable && field.isRedoAvailable());
        menu.addSeparator();
    }
    QAction* cut = menu.addAction(QLineEdit::tr("Cu&t"));
    cut->setEnabled(editable && selected && field.echoMode() == QLineEdit::Normal);
    QObject::connect(cut, &QAction::triggered, &field, handlers.cut);

    QAction* copy = menu.addAction(QLineEdit::tr("&Copy"), &field, &QLineEdit::copy);
    copy->setEnabled(selected && field.echoMode() == QLineEdit::Normal);

    QAction* paste = menu.addAction(QLineEdit::tr("&Paste"));
    paste->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    QObject::connect(paste, &QAction::triggered, &field, handlers.paste);

    QAction* erase = menu.addAction(QLineEdit::tr("Delete"));
    erase->setEnabled(editable && selected);
    QObject::connect(erase, &QAction::triggered, &field, handlers.erase);

    menu.addSeparator();
    QAction* all = menu.addAction(QLineEdit::tr("Select All"), &field, &QLineEdit::selectAll);
    all->setEnabled(!field.text().isEmpty());

    menu.exec(globalPos);
}

bool pasteSelectionOnMiddleClick(QLineEdit& field, QMouseEvent& event,
                                 const std::function<void(QClipboard::Mode)>& paste) {
    if (event.button() != Qt::MiddleButton || field.isReadOnly() ||
        !QGuiApplication::clipboard()->supportsSelection())
        return false;
    field.deselect();
    paste(QClipboard::Selection);
    event.accept();
    return true;
}

} // namespace korvex
