// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/field_id.h"

#include <QString>

class QComboBox;
class QWidget;

namespace korvex {

// What a screen reader says of a setting's control after its name: the unit
// in words and as shown, what the field takes, and its tooltip. A sighted
// user reads the same from the labels around the field.
QString fieldDescription(FieldId id);

// Names a setting's control (its display name) and describes it.
void describeControl(QWidget* control, FieldId id);
// An editable list gets the same on its text field, which is what takes the focus.
void describeControl(QComboBox* list, FieldId id);

// What the two GPSless captions tell beyond their colour.
QString gpslessState(bool on);

} // namespace korvex
