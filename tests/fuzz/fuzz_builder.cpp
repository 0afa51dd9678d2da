// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary texts in every field, the way a pasted or loaded value reaches
// the builder: no crash, and a build that succeeds is stable when repeated.
#include "fuzz_support.h"
#include "settings/block_decoder.h"
#include "settings/config_block_builder.h"
#include "settings/cp1252.h"
#include "settings/field_table.h"
#include "settings/settings_values.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // One line per field, in the field table's order.
    const QList<QByteArray> lines = bytes.split('\n');
    korvex::SettingsValues settings;
    for (const korvex::FieldInfo& info : korvex::fieldTable()) {
        const auto i = static_cast<qsizetype>(korvex::fieldIndex(info.id));
        if (i >= lines.size())
            break;
        const QByteArray& line = lines[i];
        // A refused line leaves the field as it was: the build gets what was accepted.
        const korvex::Outcome stored =
            korvex::holdsText(info.id)
                ? settings.setText(info.id, korvex::fromCp1252(line))
                : settings.setValue(info.id,
                                    line.isEmpty() ? 0 : static_cast<signed char>(line[0]));
        static_cast<void>(stored);
    }
    const auto built = korvex::fuzzing::buildAndCheckResend(settings);
    if (!built)
        return 0;
    const korvex::BuildResult& first = *built;
    const korvex::DecodedBlock decoded = korvex::decodeConfigBlock(first.block);
    if (decoded.gpsless != first.gpsless.value_or(false))
        std::abort();
    return 0;
}
