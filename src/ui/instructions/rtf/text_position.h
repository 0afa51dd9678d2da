// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextCursor>

namespace korvex::rtf {

// Where text goes next in the document, shared by the writer and the tables
// it builds.
struct TextPosition {
    QTextCursor cursor;
    bool blockHasContent = false; // the cursor's paragraph has text or a picture
};

} // namespace korvex::rtf
