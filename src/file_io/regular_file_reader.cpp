// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file_reader.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include "file_descriptor.h"
#include "file_names.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#else
#include <QFileInfo>
#include <cstdio>
#endif

namespace korvex {
namespace {

FileReadResult failed(FileReadResult::Failure failure, QString why) {
    FileReadResult result;
    result.failure = failure;
    result.reason = std::move(why);
    return result;
}

#ifdef Q_OS_UNIX

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

FileReadResult readDescriptor(int fd, qint64 limit) {
    FileReadResult result;
    while (result.bytes.size() < limit) {
        const qint64 want = std::min(kChunk, limit - result.bytes.size());
        const qsizetype at = result.bytes.size();
        // Room grows by doubling: a chunk's worth at a time would copy a
        // large file over and over (a third of a second for 16 MiB).
        if (result.bytes.capacity() < at + want)
            result.bytes.reserve(std::min<qint64>(limit, std::max<qint64>(2 * at, at + want)));
        result.bytes.resize(at + want);
        const qint64 got = readSome(fd, result.bytes.data() + at, want);
        if (got < 0)
            return failed(FileReadResult::Failure::Read, qt_error_string(errno));
        result.bytes.resize(at + got);
        if (got == 0)
            return result;
    }
    char probe;
    const qint64 more = readSome(fd, &probe, 1);
    if (more < 0)
        return failed(FileReadResult::Failure::Read, qt_error_string(errno));
    result.beyondLimit = more > 0;
    return result;
}

namespace {

struct OpenedFile {
    explicit OpenedFile(int descriptor)
        : fd(descriptor) {}
    FileDescriptor fd;
    QString problem; // empty when fd is an open regular file
};

// O_NONBLOCK: opening a FIFO would otherwise wait for a writer, and a tty for
// its carrier. O_NOCTTY: a terminal never becomes ours by being looked at.
std::unique_ptr<OpenedFile> openRegular(const QString& path) {
    if (nameLostBytes(path)) {
        auto refused = std::make_unique<OpenedFile>(-1);
        refused->problem = lostBytesReason();
        return refused;
    }
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    const int openError = fd < 0 ? errno : 0;
    auto opened = std::make_unique<OpenedFile>(fd);
    if (fd < 0) {
        // A socket cannot be opened at all (ENXIO): say what it is instead.
        struct stat st {};
        const bool special =
            ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
        opened->problem = special ? notRegularReason(st.st_mode) : qt_error_string(openError);
        return opened;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        opened->problem = qt_error_string(errno);
    else if (!S_ISREG(st.st_mode))
        opened->problem = notRegularReason(st.st_mode);
    return opened;
}

#endif

} // namespace

#ifdef Q_OS_UNIX

FileReadResult readRegularFile(const QString& path, qint64 limit) {
    const auto opened = openRegular(path);
    if (!opened->problem.isEmpty())
        return failed(FileReadResult::Failure::Open, opened->problem);
    return readDescriptor(opened->fd.get(), limit);
}

bool isReadableRegularFile(const QString& path) {
    return openRegular(path)->problem.isEmpty();
}

FileReadResult readStandardInput(qint64 limit) {
    return readDescriptor(STDIN_FILENO, limit);
}

#else

namespace {
FileReadResult readDevice(QFile& file, qint64 limit) {
    FileReadResult result;
    result.bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return failed(FileReadResult::Failure::Read, file.errorString());
    char probe;
    result.beyondLimit = file.read(&probe, 1) > 0;
    return result;
}
} // namespace

FileReadResult readRegularFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return failed(FileReadResult::Failure::Open, QStringLiteral("it is not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        return failed(FileReadResult::Failure::Open, file.errorString());
    return readDevice(file, limit);
}

bool isReadableRegularFile(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

FileReadResult readStandardInput(qint64 limit) {
    QFile file;
    if (!file.open(stdin, QIODevice::ReadOnly))
        return failed(FileReadResult::Failure::Open, file.errorString());
    return readDevice(file, limit);
}

#endif

} // namespace korvex
