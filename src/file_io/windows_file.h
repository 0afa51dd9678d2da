// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <utility>

#include <windows.h>

namespace korvex {

// An open Win32 handle, closed when it goes out of scope.
class WindowsHandle {
public:
    explicit WindowsHandle(HANDLE handle = INVALID_HANDLE_VALUE)
        : handle_(handle) {}
    ~WindowsHandle() {
        if (valid())
            ::CloseHandle(handle_);
    }
    WindowsHandle(WindowsHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    WindowsHandle& operator=(WindowsHandle&& other) noexcept {
        WindowsHandle gone(
            std::exchange(handle_, std::exchange(other.handle_, INVALID_HANDLE_VALUE)));
        return *this;
    }
    WindowsHandle(const WindowsHandle&) = delete;
    WindowsHandle& operator=(const WindowsHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

    // Closes now and returns the error, or 0: a write may fail only here.
    DWORD closeChecked() {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return ::CloseHandle(handle) ? 0 : ::GetLastError();
    }

private:
    HANDLE handle_;
};

// Writes all of `bytes` in pieces WriteFile takes; returns 0 or the error
// (ERROR_WRITE_FAULT for a write that made no progress, so none spins).
inline DWORD writeAllToHandle(HANDLE file, QByteArrayView bytes) {
    constexpr qint64 kWriteChunk = 1 << 20;
    const char* data = bytes.data();
    qint64 left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        if (!::WriteFile(file, data, DWORD(std::min(left, kWriteChunk)), &written, nullptr))
            return ::GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        data += written;
        left -= written;
    }
    return 0;
}

inline const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// "it is <this>, not a regular file" for what GetFileType and the attributes
// say; empty for a file on a disk.
inline QString windowsNotRegularReason(DWORD fileType, DWORD attributes) {
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return QCoreApplication::translate("FileKind", "it is a folder, not a regular file");
    if (fileType == FILE_TYPE_CHAR)
        return QCoreApplication::translate("FileKind",
                                           "it is a character device, not a regular file");
    if (fileType == FILE_TYPE_PIPE)
        return QCoreApplication::translate("FileKind", "it is a named pipe, not a regular file");
    if (fileType != FILE_TYPE_DISK)
        return QCoreApplication::translate("FileKind", "it is a special file, not a regular file");
    return {};
}

} // namespace korvex
