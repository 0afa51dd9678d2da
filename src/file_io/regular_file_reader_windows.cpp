// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file_reader.h"
#include "windows_file.h"

#include <QDir>

#include <algorithm>

namespace korvex {
namespace {

constexpr qint64 kChunk = qint64{64} * 1024;

FileReadResult failed(FileReadResult::Failure failure, QString why) {
    FileReadResult result;
    result.failure = failure;
    result.reason = std::move(why);
    return result;
}

// A pipe whose writer has gone reports its end as an error.
bool endOfInput(DWORD error) {
    return error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF;
}

FileReadResult readHandle(HANDLE handle, qint64 limit) {
    FileReadResult result;
    while (result.bytes.size() < limit) {
        const qint64 want = std::min(kChunk, limit - result.bytes.size());
        const qsizetype at = result.bytes.size();
        result.bytes.resize(at + want);
        DWORD got = 0;
        if (!::ReadFile(handle, result.bytes.data() + at, DWORD(want), &got, nullptr)) {
            const DWORD error = ::GetLastError();
            result.bytes.resize(at);
            if (endOfInput(error))
                return result;
            return failed(FileReadResult::Failure::Read, qt_error_string(int(error)));
        }
        result.bytes.resize(at + got);
        if (got == 0)
            return result;
    }
    char probe;
    DWORD more = 0;
    if (!::ReadFile(handle, &probe, 1, &more, nullptr) && !endOfInput(::GetLastError()))
        return failed(FileReadResult::Failure::Read, qt_error_string(int(::GetLastError())));
    result.beyondLimit = more > 0;
    return result;
}

struct OpenedFile {
    WindowsHandle handle;
    QString problem; // empty when handle is an open file on a disk
};

// Devices (NUL, CON, COM1), pipes and folders are refused on the opened
// handle, so nothing swapped in after a look at the name is read either.
OpenedFile openRegular(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    OpenedFile opened{
        WindowsHandle(::CreateFileW(wide(native), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
        {}};
    if (!opened.handle.valid()) {
        const DWORD error = ::GetLastError();
        // A folder does not open as a file at all: say what it is instead.
        const QString kind =
            windowsNotRegularReason(FILE_TYPE_DISK, ::GetFileAttributesW(wide(native)));
        opened.problem = kind.isEmpty() ? qt_error_string(int(error)) : kind;
        return opened;
    }
    opened.problem =
        windowsNotRegularReason(::GetFileType(opened.handle.get()), INVALID_FILE_ATTRIBUTES);
    return opened;
}

} // namespace

FileReadResult readRegularFile(const QString& path, qint64 limit) {
    const OpenedFile opened = openRegular(path);
    if (!opened.problem.isEmpty())
        return failed(FileReadResult::Failure::Open, opened.problem);
    return readHandle(opened.handle.get(), limit);
}

bool isReadableRegularFile(const QString& path) {
    return openRegular(path).problem.isEmpty();
}

FileReadResult readStandardInput(qint64 limit) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == INVALID_HANDLE_VALUE || input == nullptr)
        return failed(FileReadResult::Failure::Open, qt_error_string(int(ERROR_INVALID_HANDLE)));
    return readHandle(input, limit);
}

} // namespace korvex
