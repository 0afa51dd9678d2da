// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a .cfg file: loading must not crash or hang, and settings that
// loaded must build the same block on a second SEND as on the first.
#include "config_file/config_file.h"
#include "fuzz_support.h"
#include "settings/block_decoder.h"
#include "settings/config_block_builder.h"
#include "settings/settings_values.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    korvex::SettingsValues settings;
    if (!korvex::decodeConfigFile(bytes, settings).ok())
        return 0;
    // The first build wrote back what it sent; sending that again changes nothing.
    const auto built = korvex::fuzzing::buildAndCheckResend(settings);
    if (!built)
        return 0;
    (void)korvex::decodeConfigBlock(built->block);
    return 0;
}
