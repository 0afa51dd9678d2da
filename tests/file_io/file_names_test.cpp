// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_io/file_names.h"

#include <cstring>
#include <gtest/gtest.h>
#include <utility>

namespace korvex {
namespace {

// Names Windows would take for something else, and look-alikes it takes as
// files: the start of the reason, empty for a file.
TEST(WindowsReservedName, DevicesStreamsAndDroppedEndingsOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"nul.cfg", "NUL is the name of a Windows device"},
        {"out/Lpt9 .cfg", "LPT9 is the name"},
        {"x.cfg:stream", "the \":\" makes it a stream"},
        {"x.cfg.", "Windows drops the dot"},
        {"C:x.cfg", ""},
        {"C:\\con.d\\console.cfg", ""},
    };
    for (const auto& [path, start] : cases) {
        const QString reason = windowsReservedNameReason(QString::fromUtf8(path));
        EXPECT_EQ(reason.left(*start ? qsizetype(std::strlen(start)) : reason.size()), start);
    }
}

} // namespace
} // namespace korvex
