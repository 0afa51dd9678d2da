#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// Where a document given by bare name is looked for, in this order: the
// current directory (a Save or Load may have moved it), the program's own
// folder, the data folder of an installation relative to the program (so a
// relocated or staged install works), and the data folder the build was
// configured for.
QStringList documentSearchDirectories();

// The readable file that `name` refers to, or an empty string. A name with a
// folder part is taken as it is; a bare name is tried in each of `directories`
// in turn. A folder, or a file that cannot be opened for reading, does not count.
QString locateDocument(const QString& name, const QStringList& directories);

} // namespace korvex
