// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace korvex {

// A Windows command line split into its arguments by the system's own rules
// (quotes, backslashes), program name first.
QStringList splitCommandLine(const wchar_t* commandLine);

} // namespace korvex
