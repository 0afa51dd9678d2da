// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_code_page.h"

#include <windows.h>

namespace korvex {

std::optional<QString> decodeSystemCodePage(const QByteArray& bytes, int codePage) {
    if (codePage <= 0 || !::IsValidCodePage(UINT(codePage)))
        return std::nullopt;
    if (bytes.isEmpty())
        return QString();
    const int length =
        ::MultiByteToWideChar(UINT(codePage), 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    ::MultiByteToWideChar(UINT(codePage), 0, bytes.constData(), int(bytes.size()),
                          reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

} // namespace korvex
