// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator_advert.h"

#include "transfer/simulator_advert_file.h"
#include "transfer/simulator_registry.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace korvex {

SimulatorAdvert::SimulatorAdvert(const QString& device) {
    const Result<OpenedSimulatorRegistry> opened = openSimulatorRegistryForAdverts();
    if (!opened) {
        error_ = opened.fault().reason;
        return;
    }
    const OpenedSimulatorRegistry& registry = opened.value();
    const qint64 pid = ::getpid();
    const Result<QByteArray> name =
        writeSimulatorAdvert(registry.folder.get(), {device, pid, processStart(pid)});
    if (!name) {
        error_ = QStringLiteral("cannot write in %1: %2").arg(registry.path, name.fault().reason);
        return;
    }
    path_ = QFile::encodeName(QDir(registry.path).filePath(QFile::decodeName(name.value())))
                .toStdString();
}

SimulatorAdvert::~SimulatorAdvert() {
    withdraw();
}

void SimulatorAdvert::withdraw() noexcept {
    if (!path_.empty())
        ::unlink(path_.c_str());
}

} // namespace korvex
