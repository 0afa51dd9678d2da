// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"
#include "file_io/fault_kind.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvex {

// Where a document given by bare name is looked for, in this order: the
// program's own folder, the data folder of an installation relative to the
// program (so a relocated or staged install works), the data folder the build
// was configured for, and only then the current directory. The program's own
// manual comes first: a Load or Save moves the current directory to the
// user's file, and a document lying beside a downloaded file is not ours.
QStringList documentSearchDirectories();

// The readable file that `name` refers to, or an empty string. A name with a
// folder part is taken as it is; a bare name is tried in each of `directories`
// in turn. Only a regular file that opens for reading counts: not a folder, a
// FIFO or a device.
QString locateDocument(const QString& name, const QStringList& directories);

// A manual is read whole; beyond this it is refused rather than read.
inline constexpr qint64 kMaxDocumentBytes = qint64{16} * 1024 * 1024;

// The bytes of the document at `path` (as located above), read as a regular
// file only and never more than kMaxDocumentBytes: a larger one fails as
// FaultKind::BeyondLimit.
Result<QByteArray> readDocument(const QString& path);

} // namespace korvex
