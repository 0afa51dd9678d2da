// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace korvex {

// Text in a Windows code page, decoded by the system where Qt has no decoder
// for it (Qt without ICU, as on Windows). Nothing where the system cannot.
std::optional<QString> decodeSystemCodePage(const QByteArray& bytes, int codePage);

} // namespace korvex
