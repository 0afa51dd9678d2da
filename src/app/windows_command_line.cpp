// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows_command_line.h"

#include <memory>

#include <windows.h>
// After <windows.h>, whose types it uses.
#include <shellapi.h>

namespace korvex {

QStringList splitCommandLine(const wchar_t* commandLine) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> split(
        ::CommandLineToArgvW(commandLine, &count), &::LocalFree);
    QStringList arguments;
    for (int i = 0; split && i < count; ++i)
        arguments << QString::fromWCharArray(split.get()[i]);
    return arguments;
}

} // namespace korvex
