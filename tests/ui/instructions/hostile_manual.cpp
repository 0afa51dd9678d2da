// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostile_manual.h"

#include <QtEndian>

#include <array>

namespace korvex::test {
namespace {

quint32 crc32(QByteArrayView bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (char b : bytes)
        c = table[(c ^ static_cast<quint8>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray bigEndian(quint32 v) {
    QByteArray out(4, '\0');
    qToBigEndian(v, out.data());
    return out;
}

QByteArray chunk(const char* type, const QByteArray& data) {
    const QByteArray body = QByteArray(type, 4) + data;
    return bigEndian(static_cast<quint32>(data.size())) + body + bigEndian(crc32(body));
}

} // namespace

QByteArray flatPng(QSize size) {
    const auto width = static_cast<quint32>(size.width());
    const auto height = static_cast<quint32>(size.height());
    QByteArray header = bigEndian(width) + bigEndian(height);
    header += QByteArray("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA, no interlace
    // Every row: filter "none", then opaque mid-grey pixels.
    QByteArray row(1 + 4 * qsizetype(width), '\x80');
    row[0] = '\0';
    for (qsizetype i = 4; i < row.size(); i += 4)
        row[i] = '\xFF';
    const QByteArray zlib = qCompress(row.repeated(height), 9).mid(4); // without Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n") + chunk("IHDR", header) + chunk("IDAT", zlib) +
           chunk("IEND", {});
}

QByteArray manualWithPictures(const QByteArray& png, int count) {
    const QByteArray hex = png.toHex();
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        rtf += "before " + n + "\\par {\\pict\\pngblip " + hex + "}\\par after " + n + "\\par ";
    }
    return rtf + "}";
}

QByteArray manualOfParagraphs(qsizetype bytes) {
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier "
                     "New;}}{\\colortbl;\\red200\\green0\\blue0;}\n";
    for (int i = 1; rtf.size() < bytes; ++i) {
        rtf += "\\pard\\sa120\\qj {\\b Paragraph " + QByteArray::number(i) +
               ".} The tracker sends its {\\i position} every {\\f1 60} seconds; "
               "{\\cf1 check the cable} before a transfer.\\par\n";
    }
    return rtf + "\\pard The end.\\par}";
}

} // namespace korvex::test
