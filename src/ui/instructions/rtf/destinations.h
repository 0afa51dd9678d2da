// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace korvex::rtf {

// Where the text of a group goes.
enum class Destination {
    Text, // shown
    Skip, // read past
    FontTable,
    ColorTable,
    Picture,
    FieldInstruction,
};

// The destination a group opened with `word` sends its text to; nothing when
// the word opens none (it may still be one of the shown ones below).
std::optional<Destination> destinationOf(std::string_view word);

// Whether `word` opens a group whose text is shown as part of the text around
// it: these carry what a reader without the richer feature displays.
bool isShownDestination(std::string_view word);

// The target of a field's instruction, when it is a HYPERLINK; empty for any
// other field.
QString hyperlinkTarget(const QString& instruction);

} // namespace korvex::rtf
