// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_descriptions.h"

#include "settings/field_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace korvex {
namespace {

// Units as a listener hears them; the label's own text follows in brackets,
// so the words and the screen agree.
QString unitInWords(const QString& unit) {
    if (unit == u"mS")
        return QStringLiteral("milliseconds");
    if (unit == u"sec.")
        return QStringLiteral("seconds");
    if (unit == u"tx")
        return QStringLiteral("transmissions");
    if (unit == u"x 100 mS")
        return QStringLiteral("hundreds of milliseconds");
    return unit;
}

QString takes(const FieldInfo& info) {
    switch (info.kind) {
    case FieldKind::Numeric:
        return info.limit == 1 ? QStringLiteral("One digit")
                               : QStringLiteral("Up to %1 digits").arg(info.limit);
    case FieldKind::Symbol:
        return QStringLiteral("One character");
    case FieldKind::ListChoice:
        return QStringLiteral("One of %1 messages").arg(micEMessages().size());
    case FieldKind::Flag:
        return {};
    case FieldKind::Text:
        break;
    }
    QString text = QStringLiteral("Up to %1 characters").arg(info.limit);
    switch (info.keyRule) {
    case KeyRule::Callsign:
        return text + QStringLiteral(": letters, digits and hyphen, in upper case");
    case KeyRule::Path:
        return text + QStringLiteral(": letters, digits, hyphen and comma, in upper case");
    case KeyRule::Message:
        return text + QStringLiteral(", in upper case");
    default:
        return text;
    }
}

// Notes the window shows beside a field rather than in its caption.
QString shownNearby(FieldId id) {
    switch (id) {
    case FieldId::portNumber:
        return QStringLiteral("The number of the serial port");
    case FieldId::gpsTimeout:
        // The one digit field that keeps the caret where it is on entry.
        return QStringLiteral("0 = GPSless mode. Entering leaves the digits unselected: to "
                              "replace them, select them first with Shift+End, then type");
    case FieldId::statusText:
        return QStringLiteral("In GPSless mode, the GPSless beacon");
    default:
        return {};
    }
}

} // namespace

QString fieldDescription(FieldId id) {
    const FieldInfo& info = fieldInfo(id);
    QStringList parts;
    if (const QString unit = QString::fromLatin1(info.unit); !unit.isEmpty())
        parts << QStringLiteral("In %1 (%2)").arg(unitInWords(unit), unit);
    for (const QString& part : {takes(info), shownNearby(id), QString::fromLatin1(info.toolTip)}) {
        if (!part.isEmpty())
            parts << (part.endsWith(u'.') ? part.chopped(1) : part);
    }
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral(". ")) + u'.';
}

void describeControl(QWidget* control, FieldId id) {
    const QString name = displayName(id);
    const QString description = fieldDescription(id);
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void describeControl(QComboBox* list, FieldId id) {
    describeControl(static_cast<QWidget*>(list), id);
    // Without a name of its own, an editable list's text field would be read
    // as the list's current entry.
    if (list->lineEdit())
        describeControl(list->lineEdit(), id);
}

QString gpslessState(bool on) {
    return on ? QStringLiteral("GPSless mode: on") : QStringLiteral("GPSless mode: off");
}

} // namespace korvex
