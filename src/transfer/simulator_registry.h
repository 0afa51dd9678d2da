// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"
#include "file_io/file_descriptor.h"
#include "port_numbering.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

namespace korvex {

// Running simulators leave a small file each in the user's runtime folder, so
// that port lists can offer their pseudo-terminals after the real ports. The
// folder is shared ground (/tmp when the session has no runtime folder), so it
// is used only when it is the user's own, no symbolic link, mode 0700, and
// only files and devices of the user's own are believed.
// KORVEX_SIMULATOR_DIR names another folder (tests keep to their own); it
// must pass the same checks.

// Where the adverts live, whether that folder may be used or not.
QString simulatorRegistryPath();
// Whether the adverts' folder may be used, or why not. One that does not
// exist yet is no fault: it is made when a simulator first advertises.
Outcome checkSimulatorRegistry();

// The advertised simulators whose process still runs and whose device still
// exists. Adverts of simulators that died are removed.
QList<PortDescription> advertisedSimulators();

// What a simulator needs to advertise itself: the folder opened (made
// private first when missing) and its path, or why it cannot be used. The
// advert itself is the simulator's business.
struct OpenedSimulatorRegistry {
    FileDescriptor folder;
    QString path;
};
Result<OpenedSimulatorRegistry> openSimulatorRegistryForAdverts();

} // namespace korvex
