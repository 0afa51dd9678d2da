// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field_editor.h"
#include "settings/key_rules.h"

#include <QClipboard>
#include <QLineEdit>

namespace korvex {

// A field with a fixed number of character positions, as a masked edit box
// has: a position the user has not filled holds the prompt character "_", and
// the field's text keeps it ("5__" after typing 5 over a selected "006").
// Qt's input mask drops the prompts from text(), and the settings need them,
// so this field keeps its own text (fieldText()) and shows it while the user
// edits. Typing overwrites one position and moves on; Backspace and Delete put
// the prompt back. With the focus elsewhere a numeric field shows its number
// without leading zeros ("006" shows as 6).
class MaskedField : public QLineEdit, public TextFieldEditor {
    Q_OBJECT
public:
    // rule is KeyRule::Digits for numbers or KeyRule::Symbol for one free
    // character.
    MaskedField(KeyRule rule, int positions, QWidget* parent = nullptr);

    QString fieldText() const override { return text_; }
    // A text written by the program (defaults, a build, a loaded file): taken
    // as it is, without the key rule.
    void setFieldText(const QString& text) override;

    // Whether taking the focus selects the whole text, so that the next digit
    // replaces it.
    void setSelectOnFocus(bool on) { selectOnFocus_ = on; }

    // Takes the focus and selects the whole text, now or once the window is
    // active again.
    void focusAndSelect() override;
    QWidget* editorWidget() override { return this; }

signals:
    void fieldEdited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString unfocusedText() const;
    void showEditing(bool editing);
    void typeCharacters(const QString& characters);
    void clearPositions(int from, int to);
    void eraseSelection();
    void backspace();
    void deleteForward();
    void cutSelection();
    void pasteFiltered(QClipboard::Mode mode);
    void commit(int cursor);
    void revertForeignEdit(const QString& before, int cursor);
    void selectWhenFocused();
    // The end of taking the focus: the whole text selected, or the caret at
    // the start where Tab selected it and this field does not.
    void finishEntering(bool entering, bool selectedByTab);

    KeyRule rule_;
    int positions_;
    QString text_;
    bool editing_ = false;
    bool selectOnFocus_ = false;
    bool selectOnNextFocus_ = false;
};

} // namespace korvex
