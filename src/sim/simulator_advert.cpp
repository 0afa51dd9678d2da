// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator_advert.h"

#include "transfer/simulator_advert_file.h"
#include "transfer/simulator_registry.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace korvex {

SimulatorAdvert::SimulatorAdvert(const QString& device) {
    OpenedSimulatorRegistry registry = openSimulatorRegistryForAdverts();
    if (!registry.folder.valid()) {
        error_ = registry.problem;
        return;
    }
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
