#include "document_locator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

bool readableFile(const QString& path) {
    QFileInfo info(path);
    if (!info.isFile())
        return false;
    QFile f(path);
    return f.open(QIODevice::ReadOnly); // permission bits alone can mislead (ACLs, root)
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
    add(QDir::currentPath());
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        add(appDir);
        add(QDir(appDir).filePath(QStringLiteral(KORVEX_DATA_DIR_FROM_BIN)));
    }
    add(QStringLiteral(KORVEX_DATA_DIR));
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

} // namespace korvex
