// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_accessibility.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace korvex {
namespace {

// A caption's text as a name: without its mnemonic marker and closing colon.
QString captionAsName(QString caption) {
    caption.remove(u'&');
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

QAccessibleInterface* fieldReading(const QString& className, QObject* object) {
    if (auto* note = qobject_cast<SpokenNote*>(object))
        return new QAccessibleWidget(note, QAccessible::Notification);
    auto* field = qobject_cast<QLineEdit*>(object);
    // Asked once per class of the object's ancestry: answering for its own
    // class comes before Qt's answer for QLineEdit.
    if (!field || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new AccessibleField(field);
}

} // namespace

AccessibleField::AccessibleField(QLineEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

QLineEdit* AccessibleField::field() const {
    return static_cast<QLineEdit*>(widget());
}

QString AccessibleField::shownText() const {
    return field()->displayText();
}

void* AccessibleField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleField::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return shownText();
    return QAccessibleWidget::text(kind);
}

QAccessible::State AccessibleField::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !field()->isReadOnly();
    state.readOnly = field()->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = field()->echoMode() != QLineEdit::Normal;
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleField::relations(QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    const QString name = text(QAccessible::Name);
    related.removeIf([&name](const QPair<QAccessibleInterface*, QAccessible::Relation>& r) {
        const auto* caption = qobject_cast<const QLabel*>(r.first->object());
        return r.second.testFlag(QAccessible::Label) && caption &&
               captionAsName(caption->text()) != name;
    });
    return related;
}

void AccessibleField::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText())
        return;
    *startOffset = field()->selectionStart();
    *endOffset = field()->selectionEnd();
}

int AccessibleField::selectionCount() const {
    return field()->hasSelectedText() ? 1 : 0;
}

void AccessibleField::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleField::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        field()->deselect();
}

void AccessibleField::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = std::clamp(endOffset, 0, count);
    field()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleField::cursorPosition() const {
    return field()->cursorPosition();
}

void AccessibleField::setCursorPosition(int position) {
    field()->setCursorPosition(position);
}

QString AccessibleField::text(int startOffset, int endOffset) const {
    const QString shown = shownText();
    const int count = static_cast<int>(shown.size());
    // -1 reads to the end, as the accessibility bus means it.
    if (endOffset < 0 || endOffset > count)
        endOffset = count;
    startOffset = std::clamp(startOffset, 0, endOffset);
    return shown.mid(startOffset, endOffset - startOffset);
}

int AccessibleField::characterCount() const {
    return static_cast<int>(shownText().size());
}

QRect AccessibleField::characterRect(int offset) const {
    const QString shown = shownText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Measured from the caret, whose place the field knows.
    const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics = field()->fontMetrics();
    const int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(field()->cursorPosition()));
    const QRect local(x, caret.y(), metrics.horizontalAdvance(shown.at(offset)), caret.height());
    return QRect(field()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleField::offsetAtPoint(const QPoint& point) const {
    const QPoint local = field()->mapFromGlobal(point);
    if (!field()->rect().contains(local))
        return -1;
    return field()->cursorPositionAt(local);
}

void AccessibleField::scrollToSubstring(int startIndex, int endIndex) {
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

QString AccessibleField::attributes(int offset, int* startOffset, int* endOffset) const {
    // One run, the whole text: no attribute differs within a line edit.
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

SpokenNote::SpokenNote(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("spokenNote"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void SpokenNote::say(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}

void installFieldAccessibility() {
    // Qt ignores a factory it already has.
    QAccessible::installFactory(fieldReading);
}

} // namespace korvex
