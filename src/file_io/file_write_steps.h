// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atomic_file_writer.h"

#include <functional>

namespace korvex {

// The steps of a save that may fail besides writing and syncing the data.
enum class FileStep { Reserve, Chown, Chmod, CopyAttributes, Rename, SyncFolder };

// The calls that move the bytes to the disk, and a way for tests to make any
// other step fail as a real file system would.
struct FileCalls {
    std::function<qint64(int fd, const char* data, qint64 size)> write;
    std::function<int(int fd)> fsync;
    // An errno to fail `step` with before it is tried, or 0 to let it run.
    std::function<int(FileStep step)> refuse = nullptr;
};
FileCalls systemFileCalls();

Outcome writeFileAtomically(const QString& path, QByteArrayView bytes, const FileCalls& calls);

} // namespace korvex
