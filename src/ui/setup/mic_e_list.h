// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace korvex {

// The Mic-E message list. The user may also type into it; a text that names
// none of the eight messages leaves no message chosen (index -1), which a
// build then refuses.
class MicEList : public QComboBox {
    Q_OBJECT
public:
    explicit MicEList(QWidget* parent = nullptr);

    int listIndex() const;
    // -1 clears the text.
    void setListIndex(int index);
};

} // namespace korvex
