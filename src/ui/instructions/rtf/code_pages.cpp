// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_pages.h"

#include "instructions/system_code_page.h"
#include "settings/cp1252.h"

#include <QList>

namespace korvex::rtf {

int codePageForCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0; // ANSI, default, symbol and the rest: the document's page
    }
}

std::optional<int> documentCodePage(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "ansicpg")
        return word.param > 0 ? word.param : 1252;
    if (w == "ansi")
        return 1252;
    if (w == "mac")
        return 10000;
    if (w == "pc")
        return 437;
    if (w == "pca")
        return 850;
    return std::nullopt;
}

QString CodePageDecoder::decode(const QByteArray& bytes, int codePage) {
    if (codePage == 1252)
        return fromCp1252(bytes);
    auto it = decoders_.find(codePage);
    if (it == decoders_.end()) {
        std::optional<QStringDecoder> dec;
        QList<QByteArray> names;
        switch (codePage) {
        case 65001:
            names = {"UTF-8"};
            break;
        case 10000:
            names = {"macintosh"};
            break;
        case 932:
            names = {"Shift_JIS"};
            break;
        case 936:
            names = {"GBK"};
            break;
        case 950:
            names = {"Big5"};
            break;
        case 20866:
            names = {"KOI8-R"};
            break;
        default:
            break;
        }
        names << "windows-" + QByteArray::number(codePage) << "cp" + QByteArray::number(codePage)
              << "IBM" + QByteArray::number(codePage);
        for (const QByteArray& n : names) {
            QStringDecoder d(n.constData(), QStringConverter::Flag::Stateless);
            if (d.isValid()) {
                dec.emplace(std::move(d));
                break;
            }
        }
        it = decoders_.emplace(codePage, std::move(dec)).first;
    }
    if (!it->second)
        return decodeSystemCodePage(bytes, codePage).value_or(fromCp1252(bytes));
    it->second->resetState();
    return it->second->decode(bytes);
}

} // namespace korvex::rtf
