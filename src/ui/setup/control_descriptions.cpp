// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_descriptions.h"

#include "settings/field_table.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace korvex {
namespace {

struct Description {
    Q_DECLARE_TR_FUNCTIONS(Description)
};

// The unit as a listener hears it; the label's own text follows in brackets,
// so the words and the screen agree.
QString unitSentence(const char* unit) {
    QString shown = fieldText(unit);
    if (qstrcmp(unit, "mS") == 0)
        return Description::tr("In milliseconds (%1)").arg(shown);
    if (qstrcmp(unit, "sec.") == 0)
        return Description::tr("In seconds (%1)").arg(shown);
    if (qstrcmp(unit, "tx") == 0)
        return Description::tr("In transmissions (%1)").arg(shown);
    if (qstrcmp(unit, "x 100 mS") == 0)
        return Description::tr("In hundreds of milliseconds (%1)").arg(shown);
    return shown;
}

QString takes(const FieldInfo& info) {
    switch (info.kind) {
    case FieldKind::Numeric:
        return info.limit == 1 ? Description::tr("One digit")
                               : Description::tr("Up to %n digits", nullptr, info.limit);
    case FieldKind::Symbol:
        return Description::tr("One character");
    case FieldKind::ListChoice:
        return Description::tr("One of %n messages", nullptr,
                               static_cast<int>(micEMessages().size()));
    case FieldKind::Flag:
        return {};
    case FieldKind::Text:
        break;
    }
    switch (info.keyRule) {
    case KeyRule::Callsign:
        return Description::tr("Up to %n characters: letters, digits and hyphen, in upper case",
                               nullptr, info.limit);
    case KeyRule::Path:
        return Description::tr(
            "Up to %n characters: letters, digits, hyphen and comma, in upper case", nullptr,
            info.limit);
    case KeyRule::Message:
        return Description::tr("Up to %n characters, in upper case", nullptr, info.limit);
    default:
        return Description::tr("Up to %n characters", nullptr, info.limit);
    }
}

// Notes the window shows beside a field rather than in its caption.
QString shownNearby(FieldId id) {
    switch (id) {
    case FieldId::portNumber:
        return Description::tr("The number of the serial port");
    case FieldId::gpsTimeout:
        // The one digit field that keeps the caret where it is on entry.
        return Description::tr("0 = GPSless mode. Entering leaves the digits unselected: to "
                               "replace them, select them first with Shift+End, then type");
    case FieldId::statusText:
        return Description::tr("In GPSless mode, the GPSless beacon");
    default:
        return {};
    }
}

} // namespace

QString fieldDescription(FieldId id) {
    const FieldInfo& info = fieldInfo(id);
    QStringList parts;
    if (info.unit && *info.unit)
        parts << unitSentence(info.unit);
    for (const QString& part : {takes(info), shownNearby(id), fieldText(info.toolTip)}) {
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
    return on ? Description::tr("GPSless mode: on") : Description::tr("GPSless mode: off");
}

} // namespace korvex
