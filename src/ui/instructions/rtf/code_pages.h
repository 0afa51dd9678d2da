// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tokenizer.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <optional>

namespace korvex::rtf {

// The code page of a font's \fcharset; 0 where the document's applies.
int codePageForCharset(int charset);

// The document's code page as a header word sets it; nothing for other words.
std::optional<int> documentCodePage(const ControlWord& word);

// Text bytes to characters, by Windows code page number. A page no decoder
// knows is read as Windows-1252.
class CodePageDecoder {
public:
    QString decode(const QByteArray& bytes, int codePage);

private:
    // Made on first use; empty where Qt has no decoder for the page.
    std::map<int, std::optional<QStringDecoder>> decoders_;
};

} // namespace korvex::rtf
