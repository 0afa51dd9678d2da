// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace korvex {

// How many characters of an outside text a message shows before it cuts.
inline constexpr qsizetype kShownCharacters = 60;

// Text that came from outside — a .cfg file, the serial line, the command
// line — made safe to show in a terminal or a message box:
// - a control character (C0 U+0000..U+001F, DEL U+007F, C1 U+0080..U+009F)
//   appears as \xHH with two upper-case hex digits, e.g. ESC as \x1B, so no
//   terminal acts on it and no line break ends a message early;
// - a backslash appears doubled (\\), so an escape never reads like text
//   that was typed as one;
// - a text longer than maxShown characters shows its first maxShown,
//   followed by "…".
// Every other character is shown as it is.
QString printable(QStringView text, qsizetype maxShown = kShownCharacters);

} // namespace korvex
