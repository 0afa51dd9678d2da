// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator_advert.h"

#include "file_io/descriptor_io.h"
#include "transfer/simulator_registry.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace korvex {

SimulatorAdvert::SimulatorAdvert(const QString& device) {
    const Result<OpenedSimulatorRegistry> opened = openSimulatorRegistryForAdverts();
    if (!opened) {
        error_ = opened.fault().reason;
        return;
    }
    const OpenedSimulatorRegistry& registry = opened.value();
    const int folder = registry.folder.get();

    const qint64 pid = ::getpid();
    QString tag = device;
    tag.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QByteArray name =
        QFile::encodeName(QStringLiteral("%1%2").arg(pid).arg(tag)) + kSimulatorAdvertSuffix;
    const QByteArray partial = "." + name + ".part";
    // Written whole, then renamed: a reader never sees half a file.
    FileDescriptor file(::openat(folder, partial.constData(),
                                 O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    const bool written =
        file.valid() &&
        writeAll(file.get(), formatSimulatorEntry({device, pid, processStart(pid)})) == 0 &&
        file.closeChecked() == 0 &&
        ::renameat(folder, partial.constData(), folder, name.constData()) == 0;
    if (!written) {
        error_ = QStringLiteral("cannot write in %1: %2")
                     .arg(registry.path, QString::fromLocal8Bit(::strerror(errno)));
        ::unlinkat(folder, partial.constData(), 0);
        return;
    }
    path_ = QFile::encodeName(QDir(registry.path).filePath(QFile::decodeName(name))).toStdString();
}

SimulatorAdvert::~SimulatorAdvert() {
    withdraw();
}

void SimulatorAdvert::withdraw() noexcept {
    if (!path_.empty())
        ::unlink(path_.c_str());
}

} // namespace korvex
