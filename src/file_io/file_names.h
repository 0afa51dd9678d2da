// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace korvex {

// A name decoded from bytes that were not valid text holds U+FFFD where they
// stood; encoded again it would name another file, which a save would then
// replace. Such a name is refused rather than guessed at.
bool nameLostBytes(const QString& path);

// Why such a name is refused, to follow "Cannot write/open \"NAME\": ".
QString lostBytesReason();

// The index of the first of the program's arguments that a QString cannot
// carry unchanged (a Latin-1 file name in a UTF-8 system).
std::optional<int> firstUndecodableArgument(int argc, char** argv);

// An argument's bytes as text, its odd bytes shown as \xHH.
QString shownArgumentBytes(const char* argument);

// The first undecodable argument, shown.
std::optional<QString> undecodableArgument(int argc, char** argv);

// The message both programs print for it.
QString undecodableArgumentMessage(const QString& shown);

// Why Windows would not take `path` as the name of a file of its own: a
// device's name (CON, NUL, COM1, also with an ending: nul.cfg), a stream of a
// file (x.cfg:stream), or a name whose trailing dot or space Windows drops.
// Empty for a name it takes. Pure text, so every system can check it.
QString windowsReservedNameReason(const QString& path);

} // namespace korvex
