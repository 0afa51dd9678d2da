// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_code_page.h"

namespace korvex {

// Qt's own decoders (ICU) know the code pages here.
std::optional<QString> decodeSystemCodePage(const QByteArray&, int) {
    return std::nullopt;
}

} // namespace korvex
