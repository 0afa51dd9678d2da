// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget_settings.h"

#include "masked_field.h"
#include "mic_e_list.h"

#include <QCheckBox>
#include <QLineEdit>

namespace korvex {

void WidgetSettings::bind(FieldId id, QWidget* widget) {
    widgets_[fieldIndex(id)] = widget;
}

QWidget* WidgetSettings::widget(FieldId id) const {
    return widgets_[fieldIndex(id)];
}

QString WidgetSettings::text(FieldId id) const {
    QWidget* holder = widget(id);
    if (auto* masked = qobject_cast<MaskedField*>(holder))
        return masked->fieldText();
    if (auto* edit = qobject_cast<QLineEdit*>(holder))
        return edit->text();
    return {};
}

int WidgetSettings::value(FieldId id) const {
    QWidget* holder = widget(id);
    if (auto* list = qobject_cast<MicEList*>(holder))
        return list->listIndex();
    if (auto* box = qobject_cast<QCheckBox*>(holder)) {
        switch (box->checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2; // the greyed state an old file may carry
        }
    }
    return 0;
}

void WidgetSettings::storeText(FieldId id, const QString& text) {
    QWidget* holder = widget(id);
    if (auto* masked = qobject_cast<MaskedField*>(holder))
        masked->setFieldText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(holder))
        edit->setText(text);
}

void WidgetSettings::storeValue(FieldId id, int value) {
    QWidget* holder = widget(id);
    if (auto* list = qobject_cast<MicEList*>(holder)) {
        list->setListIndex(value);
    } else if (auto* box = qobject_cast<QCheckBox*>(holder)) {
        if (value == 2) {
            box->setTristate(true);
            box->setCheckState(Qt::PartiallyChecked);
        } else {
            box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
            // A click cycles through the two states the user can choose.
            box->setTristate(false);
        }
    }
}

} // namespace korvex
