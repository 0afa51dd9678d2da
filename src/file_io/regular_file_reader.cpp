// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file_reader.h"

#include <QFile>

#include "file_descriptor.h"
#include "file_names.h"
#include "system_error.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>

namespace korvex {
namespace {

Fault failed(FaultKind kind, QString why) {
    return Fault{.reason = std::move(why), .kind = kind};
}

constexpr qint64 kChunk = qint64{64} * 1024;

// Reads what it can, chunk by chunk. A descriptor left non-blocking by
// whoever started us (standard input) is waited on rather than given up on.
qint64 readSome(int fd, char* into, qint64 size) {
    for (;;) {
        const ssize_t got = ::read(fd, into, static_cast<size_t>(size));
        if (got >= 0)
            return got;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd wait{fd, POLLIN, 0};
            ::poll(&wait, 1, -1);
            continue;
        }
        if (errno != EINTR)
            return -1;
    }
}

} // namespace

Result<QByteArray> readDescriptor(int fd, qint64 limit) {
    QByteArray bytes;
    while (bytes.size() < limit) {
        const qint64 want = std::min(kChunk, limit - bytes.size());
        const qsizetype at = bytes.size();
        // Room grows by doubling: a chunk's worth at a time would copy a
        // large file over and over (a third of a second for 16 MiB).
        if (bytes.capacity() < at + want)
            bytes.reserve(std::min<qint64>(limit, std::max<qint64>(2 * at, at + want)));
        bytes.resize(at + want);
        const qint64 got = readSome(fd, bytes.data() + at, want);
        if (got < 0)
            return failed(FaultKind::CannotRead, systemErrorText(errno));
        bytes.resize(at + got);
        if (got == 0)
            return bytes;
    }
    char probe;
    const qint64 more = readSome(fd, &probe, 1);
    if (more < 0)
        return failed(FaultKind::CannotRead, systemErrorText(errno));
    if (more > 0)
        return failed(FaultKind::BeyondLimit, beyondLimitReason(limit));
    return bytes;
}

namespace {

// O_NONBLOCK: opening a FIFO would otherwise wait for a writer, and a tty for
// its carrier. O_NOCTTY: a terminal never becomes ours by being looked at.
Result<FileDescriptor> openRegular(const QString& path) {
    if (nameLostBytes(path))
        return failed(FaultKind::CannotOpen, lostBytesReason());
    FileDescriptor opened(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!opened.valid()) {
        const int openError = errno;
        // A socket cannot be opened at all (ENXIO): say what it is instead.
        struct stat st {};
        const bool special =
            ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
        return failed(FaultKind::CannotOpen,
                      special ? notRegularReason(st.st_mode) : systemErrorText(openError));
    }
    struct stat st {};
    if (::fstat(opened.get(), &st) != 0)
        return failed(FaultKind::CannotOpen, systemErrorText(errno));
    if (!S_ISREG(st.st_mode))
        return failed(FaultKind::CannotOpen, notRegularReason(st.st_mode));
    return opened;
}

} // namespace

Result<QByteArray> readRegularFile(const QString& path, qint64 limit) {
    const Result<FileDescriptor> opened = openRegular(path);
    if (!opened)
        return opened.fault();
    return readDescriptor(opened.value().get(), limit);
}

bool isReadableRegularFile(const QString& path) {
    return openRegular(path).ok();
}

Result<QByteArray> readStandardInput(qint64 limit) {
    return readDescriptor(STDIN_FILENO, limit);
}

} // namespace korvex
