// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file_reader.h"
#include "windows_file.h"

#include <QDir>

#include <algorithm>

namespace korvex {
namespace {

constexpr qint64 kChunk = qint64{64} * 1024;

Fault failed(FaultKind kind, QString why) {
    return Fault{.reason = std::move(why), .kind = kind};
}

// A pipe whose writer has gone reports its end as an error.
bool endOfInput(DWORD error) {
    return error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF;
}

Result<QByteArray> readHandle(HANDLE handle, qint64 limit) {
    QByteArray bytes;
    while (bytes.size() < limit) {
        const qint64 want = std::min(kChunk, limit - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + want);
        DWORD got = 0;
        if (!::ReadFile(handle, bytes.data() + at, DWORD(want), &got, nullptr)) {
            const DWORD error = ::GetLastError();
            bytes.resize(at);
            if (endOfInput(error))
                return bytes;
            return failed(FaultKind::CannotRead, qt_error_string(int(error)));
        }
        bytes.resize(at + got);
        if (got == 0)
            return bytes;
    }
    char probe;
    DWORD more = 0;
    if (!::ReadFile(handle, &probe, 1, &more, nullptr) && !endOfInput(::GetLastError()))
        return failed(FaultKind::CannotRead, qt_error_string(int(::GetLastError())));
    if (more > 0)
        return failed(FaultKind::BeyondLimit, beyondLimitReason(limit));
    return bytes;
}

// Devices (NUL, CON, COM1), pipes and folders are refused on the opened
// handle, so nothing swapped in after a look at the name is read either.
Result<WindowsHandle> openRegular(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    WindowsHandle opened(::CreateFileW(wide(native), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened.valid()) {
        const DWORD error = ::GetLastError();
        // A folder does not open as a file at all: say what it is instead.
        const QString kind =
            windowsNotRegularReason(FILE_TYPE_DISK, ::GetFileAttributesW(wide(native)));
        return failed(FaultKind::CannotOpen, kind.isEmpty() ? qt_error_string(int(error)) : kind);
    }
    if (const QString kind =
            windowsNotRegularReason(::GetFileType(opened.get()), INVALID_FILE_ATTRIBUTES);
        !kind.isEmpty())
        return failed(FaultKind::CannotOpen, kind);
    return opened;
}

} // namespace

Result<QByteArray> readRegularFile(const QString& path, qint64 limit) {
    const Result<WindowsHandle> opened = openRegular(path);
    if (!opened)
        return opened.fault();
    return readHandle(opened.value().get(), limit);
}

bool isReadableRegularFile(const QString& path) {
    return openRegular(path).ok();
}

Result<QByteArray> readStandardInput(qint64 limit) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == INVALID_HANDLE_VALUE || input == nullptr)
        return failed(FaultKind::CannotOpen, qt_error_string(int(ERROR_INVALID_HANDLE)));
    return readHandle(input, limit);
}

} // namespace korvex
