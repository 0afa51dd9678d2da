// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"
#include "fault_kind.h"

#include <QByteArray>
#include <QString>

namespace korvex {

// The readers below fail as FaultKind::CannotOpen (nothing was read),
// FaultKind::CannotRead (reading failed halfway), or FaultKind::BeyondLimit
// (there is more than `limit` bytes; none of it is given, as no caller has a
// use for a cut file). Each reason is told to follow a name: "Cannot read
// "NAME": reason".

// Reads a regular file whole. Opened without blocking and checked on the
// opened descriptor, so a FIFO, a device or a socket (even one swapped in
// after a look at the name) is refused at once, never waited on.
Result<QByteArray> readRegularFile(const QString& path, qint64 limit);

// Whether `path` opens as a regular file for reading (the same test, nothing read).
bool isReadableRegularFile(const QString& path);

// Reads standard input, whatever it is (a pipe, a terminal, a file), to its end.
Result<QByteArray> readStandardInput(qint64 limit);

// The reason the readers give for more than `limit` bytes; callers that know
// what the file should be say their own.
inline QString beyondLimitReason(qint64 limit) {
    return QStringLiteral("it holds more than %1 bytes").arg(limit);
}

#ifdef Q_OS_UNIX
// Reads an open descriptor to its end, through interruptions; one left
// non-blocking is waited on. For callers that opened and checked it.
Result<QByteArray> readDescriptor(int fd, qint64 limit);
#endif

} // namespace korvex
