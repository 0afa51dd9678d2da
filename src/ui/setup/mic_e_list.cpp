// SPDX-License-Identifier: GPL-3.0-or-later
#include "mic_e_list.h"

#include "settings/field_table.h"

#include <QLineEdit>

namespace korvex {

MicEList::MicEList(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    // Typed text chooses nothing by itself: no completion, and Enter does not
    // turn it into a ninth message.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    for (const char* message : micEMessages())
        addItem(QString::fromLatin1(message));
}

int MicEList::listIndex() const {
    return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void MicEList::setListIndex(int index) {
    setCurrentIndex(index);
    if (index < 0)
        setEditText(QString());
}

bool MicEList::showsValue(int index) const {
    // What setListIndex(index) would leave: that entry chosen and its text shown.
    return currentIndex() == index && currentText() == (index < 0 ? QString() : itemText(index));
}

void MicEList::focusAndSelect() {
    setFocus(Qt::OtherFocusReason);
    if (lineEdit())
        lineEdit()->selectAll();
}

} // namespace korvex
