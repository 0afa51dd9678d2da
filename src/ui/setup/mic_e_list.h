// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field_editor.h"

#include <QComboBox>

namespace korvex {

// The Mic-E message list. The user may also type into it; a text that names
// none of the eight messages leaves no message chosen (index -1), which a
// build then refuses.
class MicEList : public QComboBox, public ValueFieldEditor {
    Q_OBJECT
public:
    explicit MicEList(QWidget* parent = nullptr);

    int listIndex() const;
    // -1 clears the text.
    void setListIndex(int index);

    int fieldValue() const override { return listIndex(); }
    void setFieldValue(int index) override { setListIndex(index); }
    bool showsValue(int index) const override;
    void focusAndSelect() override;
    QWidget* editorWidget() override { return this; }
};

} // namespace korvex
