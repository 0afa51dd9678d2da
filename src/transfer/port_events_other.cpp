// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_events.h"

namespace korvex {
namespace {

// A system whose device notices this program does not read: ports are
// learnt of when they are listed, and simulators through their folder.
class SilentPortEvents final : public PortEvents {
public:
    QString source() const override { return {}; }
    QString problem() const override {
        return QStringLiteral("this system's device notices are not read");
    }
};

} // namespace

std::unique_ptr<PortEvents> makeSystemPortEvents() {
    return std::make_unique<SilentPortEvents>();
}

} // namespace korvex
