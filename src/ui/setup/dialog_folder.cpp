// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace korvex {
namespace {

const QString kLastFolderKey = QStringLiteral("dialogs/lastFolder");

} // namespace

bool takesNewFiles(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".korvex-write-test-XXXXXX")));
    return probe.open(); // removed again as it goes out of scope
}

bool isPortableCopy(const QString& programFolder) {
    return !programFolder.isEmpty() &&
           QFileInfo(QDir(programFolder).filePath(QString::fromLatin1(kPortableMarker))).isFile();
}

QString dialogFolder(const DialogFolders& folders) {
    if (takesNewFiles(folders.last))
        return QFileInfo(folders.last).absoluteFilePath();
    if (isPortableCopy(folders.program) && takesNewFiles(folders.program))
        return QFileInfo(folders.program).absoluteFilePath();
    if (takesNewFiles(folders.documents))
        return QFileInfo(folders.documents).absoluteFilePath();
    return QDir::homePath();
}

RememberedFolder::RememberedFolder(QString settingsFile)
    : settingsFile_(std::move(settingsFile)) {}

QString RememberedFolder::defaultSettingsFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("korvex-config.ini"));
}

QString RememberedFolder::folder() const {
    return QSettings(settingsFile_, QSettings::IniFormat).value(kLastFolderKey).toString();
}

void RememberedFolder::remember(const QString& filePath) const {
    QSettings settings(settingsFile_, QSettings::IniFormat);
    settings.setValue(kLastFolderKey, QFileInfo(filePath).absolutePath());
}

} // namespace korvex
