// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace korvex {

struct FileWriteResult {
    bool ok = true;
    QString reason; // why nothing was replaced (or, rarely, why the new file may not last)

    explicit operator bool() const { return ok; }
    static FileWriteResult failed(QString why) { return {false, std::move(why)}; }
};

#ifdef Q_OS_UNIX
// The calls that move the bytes to the disk; tests substitute a failing device.
struct FileCalls {
    std::function<qint64(int fd, const char* data, qint64 size)> write;
    std::function<int(int fd)> fsync;
};
FileCalls systemFileCalls();

// Replaces the file at `path` with `bytes`, or leaves it exactly as it was.
// The bytes go to a new file beside it, are synced and renamed over it, and
// the folder is synced. The replaced file's mode is kept (and its owner, when
// root saves over another user's file); a new file gets 0666 less the umask.
// A path that is a symbolic link gets its final target replaced; the link
// stays (a dangling link gets the file it names; a link another user planted
// in a shared sticky folder such as /tmp is refused, as the kernel would
// refuse to open it). Anything that exists and is
// not a regular file is refused and left alone. On a failure nothing new is
// left in the folder.
FileWriteResult writeFileAtomically(const QString& path, QByteArrayView bytes,
                                    const FileCalls& calls = systemFileCalls());
#else
FileWriteResult writeFileAtomically(const QString& path, QByteArrayView bytes);
#endif

} // namespace korvex
