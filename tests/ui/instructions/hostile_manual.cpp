// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostile_manual.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
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

QByteArray manualWithPictures(const QByteArray& picture, int count, QByteArrayView words) {
    const QByteArray hex = picture.toHex();
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        rtf += "before " + n + "\\par {\\pict" + words.toByteArray() + " " + hex + "}\\par after " +
               n + "\\par ";
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

namespace {

constexpr qsizetype kCap = qsizetype{16} * 1024 * 1024 - 64; // under the read limit

QByteArray rtfOf(const QByteArray& body) {
    return "{\\rtf1\\ansi " + body + "}";
}

// A real progressive JPEG, then scans that carry no data (luminance, AC 1-63,
// approximation complete): each costs a decoder a pass over every coefficient.
QByteArray jpegWithEmptyScans(int side, int scans) {
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    QByteArray jpeg;
    QBuffer out(&jpeg);
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    jpeg.insert(jpeg.size() - 2, QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00", 10)
                                     .repeated(scans)); // before the end marker
    return jpeg;
}

QByteArray wideLongTable() {
    QByteArray row = "\\trowd";
    for (int c = 1; c <= 64; ++c)
        row += "\\cellx" + QByteArray::number(c * 150);
    return rtfOf(
        (row + "\\intbl " + QByteArray("c\\cell ").repeated(64) + "\\row\n").repeated(2000));
}

} // namespace

const HostileManual kHostileManuals[10] = {
    // Only headers, claiming 100000 x 100000 pixels each.
    {"FakeHugePictures",
     [] {
         const QByteArray size =
             bigEndian(100000) + bigEndian(100000) + QByteArray("\x08\x06\0\0\0", 5);
         return manualWithPictures("\x89PNG\r\n\x1a\n" + chunk("IHDR", size) + chunk("IEND", {}),
                                   101);
     }},
    {"TinyPicturesShownHuge",
     [] {
         return manualWithPictures(
             flatPng({1, 1}), 600,
             "\\pngblip\\picwgoal31680\\pichgoal31680\\picscalex1000\\picscaley1000");
     }},
    {"ScanBomb",
     [] { return manualWithPictures(jpegWithEmptyScans(4096, 20000), 1, "\\jpegblip"); }},
    {"OneLongWord", [] { return rtfOf(QByteArray(256 * 1024, 'w')); }},
    {"OneParagraphOfWords",
     [] { return rtfOf(QByteArray("lorem ipsum dolor sit amet ").repeated(kCap / 27)); }},
    {"StyleEveryCharacter",
     [] { return rtfOf(QByteArray("{\\b x}{\\i y}").repeated(8 * 1024 * 1024 / 12)); }},
    {"OnlyParagraphMarks", [] { return rtfOf(QByteArray("\\par").repeated(kCap / 4)); }},
    {"WideLongTable", wideLongTable},
    {"LargeFlatPictures",
     [] {
         return manualWithPictures(flatPng({5600, 5600}), 10);
     }},
    {"ManyStyledParagraphs", [] { return manualOfParagraphs(12'000'000); }},
};

} // namespace korvex::test
