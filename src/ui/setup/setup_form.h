// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "field_editor.h"

#include <QCheckBox>
#include <array>
#include <variant>

class QLabel;
class QPushButton;

namespace korvex {

class MaskedField;

// A switch as a field's editor. Value 2 is the greyed state an old file may
// carry; storing 0 or 1 leaves it for good.
class FlagBox final : public QCheckBox, public ValueFieldEditor {
public:
    explicit FlagBox(const QString& caption, QWidget* parent = nullptr)
        : QCheckBox(caption, parent) {}

    int fieldValue() const override;
    void setFieldValue(int value) override;
    bool showsValue(int value) const override;
    void focusAndSelect() override { setFocus(Qt::OtherFocusReason); }
    QWidget* editorWidget() override { return this; }
};

// The Setup window's controls, as the form builder made them.
struct SetupForm {
    // Each field's editor, of the kind its field holds (holdsText).
    using BoundEditor = std::variant<TextFieldEditor*, ValueFieldEditor*>;
    std::array<BoundEditor, kFieldCount> editors{};
    MaskedField* portField = nullptr; // "Comm num:", whose tooltip lists the ports
    QLabel* gpslessTimeoutNote = nullptr;
    QLabel* gpslessStatusNote = nullptr;
    QPushButton* sendButton = nullptr;
    QPushButton* defaultButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* loadButton = nullptr;
    QPushButton* helpButton = nullptr;

    FieldEditor& editor(FieldId id) const {
        return *std::visit([](auto* bound) -> FieldEditor* { return bound; },
                           editors[fieldIndex(id)]);
    }
    // Only for a field that holds a text.
    TextFieldEditor& textEditor(FieldId id) const {
        return *std::get<TextFieldEditor*>(editors[fieldIndex(id)]);
    }
    // Only for a field that holds a number.
    ValueFieldEditor& valueEditor(FieldId id) const {
        return *std::get<ValueFieldEditor*>(editors[fieldIndex(id)]);
    }
};

// Lays the four frames out in window at its font's scale, each caption the
// buddy of its field, in the window's tab order.
SetupForm buildSetupForm(QWidget& window);

} // namespace korvex
