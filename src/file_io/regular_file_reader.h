// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

struct FileReadResult {
    enum class Failure { None, Open, Read };

    Failure failure = Failure::None;
    QString reason;           // when failed
    QByteArray bytes;         // at most the limit asked for
    bool beyondLimit = false; // the file holds more than `bytes`

    bool ok() const { return failure == Failure::None; }
};

// Reads a regular file, at most `limit` bytes of it. Opened without blocking
// and checked on the opened descriptor, so a FIFO, a device or a socket (even
// one swapped in after a look at the name) is refused at once, never waited on.
FileReadResult readRegularFile(const QString& path, qint64 limit);

// Whether `path` opens as a regular file for reading (the same test, nothing read).
bool isReadableRegularFile(const QString& path);

// Reads standard input, whatever it is (a pipe, a terminal, a file), up to
// its end or `limit` bytes.
FileReadResult readStandardInput(qint64 limit);

#ifdef Q_OS_UNIX
// Reads an open descriptor to its end or `limit` bytes, through interruptions;
// one left non-blocking is waited on. For callers that opened and checked it.
FileReadResult readDescriptor(int fd, qint64 limit);
#endif

} // namespace korvex
