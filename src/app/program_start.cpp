// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_start.h"

#include "file_io/file_names.h"

namespace korvex {

QStringList programArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<QString> unusableArgument(int argc, char* argv[]) {
    return undecodableArgument(argc, argv);
}

// Standard output and error are the terminal's, or whatever the caller made them.
void useParentConsole() {}

// No installer asks.
RunningMark::RunningMark() = default;
RunningMark::~RunningMark() = default;

} // namespace korvex
