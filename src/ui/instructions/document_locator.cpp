// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_locator.h"

#include "file_io/regular_file_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef KORVEX_DATA_DIR
#define KORVEX_DATA_DIR ""
#endif
#ifndef KORVEX_DATA_DIR_FROM_BIN
#define KORVEX_DATA_DIR_FROM_BIN "../share/korvex-config"
#endif

namespace korvex {
namespace {

bool isBareName(const QString& name) {
    return !name.contains(u'/') && !name.contains(u'\\');
}

// Opened, not judged by its permission bits (ACLs and root would mislead).
bool readableFile(const QString& path) {
    return isReadableRegularFile(path);
}

} // namespace

QStringList documentSearchDirectories() {
    QStringList dirs;
    auto add = [&dirs](const QString& d) {
        if (d.isEmpty())
            return;
        QString clean = QDir::cleanPath(d);
        if (!dirs.contains(clean))
            dirs.append(clean);
    };
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        add(appDir);
        add(QDir(appDir).filePath(QStringLiteral(KORVEX_DATA_DIR_FROM_BIN)));
    }
    add(QStringLiteral(KORVEX_DATA_DIR));
    add(QDir::currentPath());
    return dirs;
}

QString locateDocument(const QString& name, const QStringList& directories) {
    if (name.isEmpty())
        return {};
    if (!isBareName(name))
        return readableFile(name) ? QFileInfo(name).absoluteFilePath() : QString();
    for (const QString& dir : directories) {
        const QString path = QDir(dir).filePath(name);
        if (readableFile(path))
            return QFileInfo(path).absoluteFilePath();
    }
    return {};
}

Result<QByteArray> readDocument(const QString& path) {
    return readRegularFile(path, kMaxDocumentBytes);
}

} // namespace korvex
