// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows_command_line.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

// As Explorer and cmd pass them: names the ANSI code page cannot hold arrive whole.
TEST(WindowsCommandLine, ArgumentsArriveAsTyped) {
    EXPECT_EQ(splitCommandLine(L"\"C:\\Program Files\\k.exe\" \"C:\\me\\\u0141\u00f3d\u017a.cfg\" "
                               L"\u6771\u4eac.cfg \"a \\\"b\\\"\""),
              QStringList({"C:\\Program Files\\k.exe", "C:\\me\\\u0141\u00f3d\u017a.cfg",
                           "\u6771\u4eac.cfg", "a \"b\""}));
}

} // namespace
} // namespace korvex
