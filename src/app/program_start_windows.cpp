// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_start.h"
#include "windows_command_line.h"

#include <cstdio>

#include <windows.h>

namespace korvex {

QStringList programArguments(int, char*[]) {
    return splitCommandLine(::GetCommandLineW());
}

std::optional<QString> unusableArgument(int, char*[]) {
    return std::nullopt;
}

void useParentConsole() {
    // Redirected to a file or a pipe, the streams already go somewhere.
    const auto missing = [](DWORD which) {
        const HANDLE handle = ::GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool noOutput = missing(STD_OUTPUT_HANDLE);
    const bool noError = missing(STD_ERROR_HANDLE);
    if (!(noOutput || noError) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (noOutput)
        std::freopen("CONOUT$", "w", stdout);
    if (noError)
        std::freopen("CONOUT$", "w", stderr);
}

// The name resources/windows/installer.nsi looks for.
RunningMark::RunningMark()
    : handle_(::CreateMutexW(nullptr, FALSE, L"KorvexConfigRunning")) {}

RunningMark::~RunningMark() {
    if (handle_)
        ::CloseHandle(handle_);
}

} // namespace korvex
