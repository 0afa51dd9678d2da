// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace korvex {

// The program's arguments as the system gives them. On Windows they are the
// UTF-16 command line, never argv: argv passes through the ANSI code page,
// which turns "Łódź.cfg" into "Lódz.cfg", another file.
QStringList programArguments(int argc, char* argv[]);

// The first argument that cannot reach the system unchanged, shown with its
// odd bytes escaped; nothing on Windows, where every argument arrives whole.
std::optional<QString> unusableArgument(int argc, char* argv[]);

// Gives --help and --version the console the program was started from:
// Windows starts a window program without one, and what it prints is lost.
void useParentConsole();

// Tells the Windows installer that the window runs (a named mutex it looks
// for), as long as the mark lives; nothing elsewhere.
class RunningMark {
public:
    RunningMark();
    ~RunningMark();
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    void* handle_ = nullptr;
};

} // namespace korvex
