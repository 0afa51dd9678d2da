// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QWidget>

class QLineEdit;

namespace korvex {

// What a screen reader reads of a one-line text field, in place of Qt's own
// reading. Qt 6.4 tells every offset of a line edit as a text-attribute run
// of no length; Orca joins those runs into the line it speaks, which then
// ends one character short ("NOCALL-" for NOCALL-9). Here one run covers the
// whole text. A caption that is not the field's name (the GPS "Every") is not
// offered as its label either, since Orca would speak it instead of the name.
class AccessibleField : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleField(QLineEdit* field);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLineEdit* field() const;
    QString shownText() const;
};

// Says a short outcome to a screen reader without a change on the screen: an
// object of no size with the notification role, shown anew for each outcome,
// which Orca speaks as it appears. (Qt 6.4 sends a name change with the
// object in place of the new name, so Orca cannot speak that.)
class SpokenNote : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNote(QWidget* parent);
    void say(const QString& text);
};

// Makes every line edit of the program read through AccessibleField, and a
// SpokenNote read as a notification. Called
// before the first window is made (an object keeps the reading it was first
// given); calling it again changes nothing.
void installFieldAccessibility();

} // namespace korvex
