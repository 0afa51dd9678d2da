// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field_editor.h"
#include "settings/key_rules.h"

#include <QClipboard>
#include <QLineEdit>

namespace korvex {

// A text field whose characters obey one of the tracker's character rules,
// however they arrive: typed, pasted (keys, context menu, middle click),
// dropped or composed by an input method. A discarded key leaves the text as
// it was; pasted and dropped text loses the characters the rule discards and
// is upper-cased where the rule upper-cases. The length limit applies after
// the rule, so refused characters never use up room.
class RuleLineEdit : public QLineEdit, public TextFieldEditor {
    Q_OBJECT
public:
    RuleLineEdit(KeyRule rule, int maxLength, QWidget* parent = nullptr);

    KeyRule rule() const { return rule_; }

    QString fieldText() const override { return text(); }
    void setFieldText(const QString& text) override { setText(text); }
    void focusAndSelect() override;
    QWidget* editorWidget() override { return this; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pasteFiltered(QClipboard::Mode mode);
    void insertFiltered(const QString& text);

    KeyRule rule_;
};

} // namespace korvex
