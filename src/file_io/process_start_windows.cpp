// SPDX-License-Identifier: GPL-3.0-or-later
#include "process_start.h"

#include <windows.h>

namespace korvex {
namespace {

bool missing(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

} // namespace

ClosedStreams prepareProcess() {
    // A program started without a stream has no handle for it; nothing opened
    // later takes its place, and Windows sends no signal for a limit.
    return {missing(STD_INPUT_HANDLE), missing(STD_OUTPUT_HANDLE), missing(STD_ERROR_HANDLE)};
}

} // namespace korvex
