// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace korvex {

// A setting's control in the Setup window, as the window uses it whatever the
// setting holds. Every method is the editor's own to write: a new kind of
// control that leaves one out does not build.
class FieldEditor {
public:
    // Takes the focus with the whole text selected, so the next key replaces it.
    virtual void focusAndSelect() = 0;
    virtual QWidget* editorWidget() = 0;

protected:
    FieldEditor() = default;
    ~FieldEditor() = default;
};

// The control of a text field: it holds a text, prompt characters included.
class TextFieldEditor : public FieldEditor {
public:
    virtual QString fieldText() const = 0;
    // A text the field's rules have accepted: taken as it is, without the key rule.
    virtual void setFieldText(const QString& text) = 0;

protected:
    ~TextFieldEditor() = default;
};

// The control of a number: the Mic-E list holds an index, a switch its state.
class ValueFieldEditor : public FieldEditor {
public:
    virtual int fieldValue() const = 0;
    virtual void setFieldValue(int value) = 0;
    // Whether storing this value would change nothing the user sees or gets
    // from the control.
    virtual bool showsValue(int value) const = 0;

protected:
    ~ValueFieldEditor() = default;
};

} // namespace korvex
