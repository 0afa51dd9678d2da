// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace korvex {

// A setting's control in the Setup window, as the window uses it: the control
// of a text field holds a text (prompt characters included), the Mic-E list
// an index, a switch its state.
class FieldEditor {
public:
    virtual QString fieldText() const { return {}; }
    // A text the field's rules have accepted: taken as it is, without the key rule.
    virtual void setFieldText(const QString&) {}
    virtual int fieldValue() const { return 0; }
    virtual void setFieldValue(int) {}
    // Whether storing this value would change nothing the user sees or gets
    // from the control.
    virtual bool showsValue(int value) const { return fieldValue() == value; }

    // Takes the focus with the whole text selected, so the next key replaces it.
    virtual void focusAndSelect() = 0;
    virtual QWidget* editorWidget() = 0;

protected:
    FieldEditor() = default;
    ~FieldEditor() = default;
};

} // namespace korvex
