// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a simulator's advert: reading must not crash, and an advert
// that reads back as an entry must read back the same once written again.
#include "transfer/simulator_advert_file.h"

#include <QByteArrayView>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const auto entry = korvex::parseSimulatorEntry(bytes);
    if (!entry)
        return 0;
    if (entry->pid <= 0 || !entry->device.startsWith(u'/'))
        std::abort();
    const QByteArray written = korvex::formatSimulatorEntry(*entry);
    if (written.size() <= korvex::kSimulatorEntryMaxBytes &&
        korvex::parseSimulatorEntry(written) != entry)
        std::abort();
    return 0;
}
