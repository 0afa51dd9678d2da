// SPDX-License-Identifier: GPL-3.0-or-later
#include "state_folder.h"

#include "file_io/atomic_file_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvex {

QString stateFolder() {
#ifdef Q_OS_WIN
    const QString local = qEnvironmentVariable("LOCALAPPDATA");
    if (!QDir::isAbsolutePath(local))
        return {};
    return QDir::cleanPath(local) + QStringLiteral("/Korvex Config");
#else
    // A relative XDG_STATE_HOME is to be ignored, as every XDG variable.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home))
            return {};
        base = home + QStringLiteral("/.local/state");
    }
    return QDir::cleanPath(base) + QStringLiteral("/korvex-config");
#endif
}

QString lastTracePath() {
    const QString folder = stateFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/last-transfer.trace");
}

Outcome keepLastTrace(const TransferTrace& trace) {
    const QString path = lastTracePath();
    if (path.isEmpty())
        return Fault{QCoreApplication::translate(
            "StateFolder", "no state folder: neither XDG_STATE_HOME nor HOME names one")};
    // Made for the user alone: a trace shows what went to the tracker.
    const QString folder = stateFolder();
    const bool existed = QFileInfo(folder).isDir();
    if (!existed && !QDir().mkpath(folder))
        return Fault{
            QCoreApplication::translate("StateFolder", "cannot make the folder %1").arg(folder)};
#ifndef Q_OS_WIN
    if (!existed)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
    return writeFileAtomically(path, trace.text());
}

} // namespace korvex
