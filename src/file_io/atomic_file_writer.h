// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace korvex {

// Replaces the file at `path` with `bytes`, or leaves it exactly as it was.
// The bytes go to a new file beside it, which takes the old file's mode,
// owner, access list and extended attributes before any byte is in it, and
// which gets the file's name only once it is complete and synced. A path that
// is a symbolic link gets its final target replaced; the link stays. A file
// its owner may not write is refused as write-protected; anything that is not
// a regular file is refused and left alone; a name that stands for another
// (bytes lost in decoding) is refused. Where the folder takes no new file, a
// writable file is rewritten in place once the space for it is reserved. A
// name that is an open descriptor of this process (/dev/stdout, /dev/fd/N)
// is written to that descriptor, as a stream. On a failure nothing new is
// left in the folder; a save removes the hour-old temporaries that saves of
// the same name killed halfway left where unnamed files cannot be made.
// A fault says why nothing was replaced (or, rarely, why the new file may not
// last), told to follow a name: "Cannot write "NAME": reason".
Outcome writeFileAtomically(const QString& path, QByteArrayView bytes);

// Whether `path` names this process's standard output by its descriptor
// (/dev/stdout, /dev/fd/1, /proc/self/fd/1): callers that write standard
// output themselves treat it as they treat "-".
bool namesStandardOutput(const QString& path);

} // namespace korvex
