// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"
#include "settings/settings_record.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace korvex {

// The Setup window's settings: the widgets are the storage, so what the build,
// the defaults and Save and Load see is exactly what the window shows. Writes
// pass the same acceptance rules as everywhere else (SettingsRecord).
class WidgetSettings final : public SettingsRecord {
public:
    WidgetSettings() = default;

    // The widget that holds a setting: a MaskedField, a RuleLineEdit, the
    // MicEList or a QCheckBox.
    void bind(FieldId id, QWidget* widget);
    QWidget* widget(FieldId id) const;

    QString text(FieldId id) const override;
    int value(FieldId id) const override;

protected:
    void storeText(FieldId id, const QString& text) override;
    void storeValue(FieldId id, int value) override;

private:
    std::array<QPointer<QWidget>, kFieldCount> widgets_{};
};

} // namespace korvex
