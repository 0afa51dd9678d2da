// SPDX-License-Identifier: GPL-3.0-or-later
#include "standard_output.h"

#include <QByteArrayView>
#include <QString>

#include "file_io/windows_file.h"

#include <windows.h>

namespace korvex::cli {
namespace {

HANDLE handleOf(int fd) {
    return ::GetStdHandle(fd == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
}

bool missing(HANDLE handle) {
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

// A console shows UTF-16; the console's code page would garble what the
// UTF-8 of the text stream holds beyond ASCII.
DWORD writeToConsole(HANDLE console, QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes);
    const wchar_t* data = reinterpret_cast<const wchar_t*>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        DWORD written = 0;
        if (!::WriteConsoleW(console, data, DWORD(left), &written, nullptr))
            return ::GetLastError();
        data += written;
        left -= written;
    }
    return 0;
}

} // namespace

StandardOutput::StandardOutput(int fd, bool closedAtStart)
    : fd_(fd)
    , closedAtStart_(closedAtStart) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::writeData(const char* data, qint64 size) {
    if (failed())
        return -1;
    if (closedAtStart_) {
        // Standard error closed by the caller is their 2>/dev/null: what
        // goes there is not wanted. Standard output was the work itself.
        if (fd_ == 2)
            return size;
        outcome_ = Fault{qt_error_string(ERROR_INVALID_HANDLE)};
        return -1;
    }
    const HANDLE handle = handleOf(fd_);
    DWORD mode = 0;
    const QByteArrayView bytes(data, size);
    // A file or a pipe gets the bytes as they are: the C runtime's text mode
    // would put a CR before every LF, the LF of a .cfg file's CR LF included.
    const DWORD error = missing(handle)                   ? DWORD(ERROR_INVALID_HANDLE)
                        : ::GetConsoleMode(handle, &mode) ? writeToConsole(handle, bytes)
                                                          : writeAllToHandle(handle, bytes);
    if (error != 0) {
        outcome_ = Fault{qt_error_string(int(error))};
        return -1;
    }
    return size;
}

} // namespace korvex::cli
