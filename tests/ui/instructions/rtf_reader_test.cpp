// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_probe.h"
#include "hostile_manual.h"
#include "instructions/rtf_reader.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include <functional>

using korvex::readRtf;
using korvex::test::Style;

namespace {

QByteArray corpusFile(const QString& name) {
    QFile f(QStringLiteral(KORVEX_TEST_DATA_DIR "/corpus/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString text(const QByteArray& rtf) {
    QTextDocument doc;
    readRtf(rtf, doc);
    return korvex::test::rawText(doc);
}

QTextCharFormat formatOf(const QTextDocument& doc, const QString& phrase) {
    QTextCursor hit = doc.find(phrase);
    if (hit.isNull())
        return {};
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(hit.selectionStart() + 1);
    return c.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument& doc, const QString& phrase) {
    QTextCursor hit = doc.find(phrase);
    return hit.isNull() ? QTextBlockFormat() : hit.block().blockFormat();
}

// ---------------------------------------------------------------------------
// Documents written by real converters from the files in corpus/source. Each
// rich writer was given the same document; what it wrote must read back as
// those paragraphs, that table and those styles.

struct CorpusCase {
    const char* file;
    int images;
};

class RtfCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(RtfCorpus, ReadsBackWhatTheWriterWasGiven) {
    const QByteArray rtf = corpusFile(QString::fromLatin1(GetParam().file));
    ASSERT_FALSE(rtf.isEmpty()) << GetParam().file;
    QTextDocument doc;
    const auto result = readRtf(rtf, doc);
    EXPECT_TRUE(result.wasRtf);
    EXPECT_FALSE(result.truncated);
    EXPECT_EQ(result.images, GetParam().images);

    const QStringList expected = {
        QStringLiteral("Korvex Config test document"),
        QStringLiteral("The tracker takes its position from a GPS receiver."),
        QStringLiteral("Set the TX delay in milliseconds; the default is 200."),
        QStringLiteral("Accents: café, Müller, 5 € — “quoted” text and Ω."),
        QStringLiteral("Both bold italic and plain words."),
        QStringLiteral("Save the settings"),
        QStringLiteral("Load them back"),
    };
    EXPECT_EQ(korvex::test::paragraphs(doc), expected);
    EXPECT_EQ(korvex::test::tableRows(doc),
              (QStringList{"Setting|Unit", "TX delay|ms", "GPS timeout|100 ms"}));

    EXPECT_TRUE(korvex::test::styled(doc, "Korvex Config test document", Style::Bold));
    EXPECT_TRUE(korvex::test::styledExactly(doc, "position", Style::Bold));
    EXPECT_FALSE(korvex::test::styled(doc, "position", Style::Italic));
    EXPECT_TRUE(korvex::test::styledExactly(doc, "TX delay", Style::Italic));
    EXPECT_FALSE(korvex::test::styled(doc, "TX delay", Style::Bold));
    EXPECT_TRUE(korvex::test::styledExactly(doc, "bold italic", Style::Bold));
    EXPECT_TRUE(korvex::test::styledExactly(doc, "bold italic", Style::Italic));
    EXPECT_FALSE(korvex::test::styled(doc, "GPS receiver", Style::Bold));
}

INSTANTIATE_TEST_SUITE_P(Writers, RtfCorpus,
                         ::testing::Values(CorpusCase{"pandoc.rtf", 1},
                                           CorpusCase{"latex2rtf.rtf", 0},
                                           CorpusCase{"libreoffice-html.rtf", 1},
                                           CorpusCase{"libreoffice-docx.rtf", 1},
                                           CorpusCase{"abiword.rtf", 1}),
                         [](const auto& info) {
                             QString n = QString::fromLatin1(info.param.file);
                             n.chop(4);
                             return n.remove(u'-').toStdString();
                         });

// enscript was given Latin-1 plain text; it writes one paragraph of lines.
TEST(RtfCorpusPlain, EnscriptKeepsEveryLine) {
    QFile source(QStringLiteral(KORVEX_TEST_DATA_DIR "/corpus/source/sample.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString given = QString::fromUtf8(source.readAll()).trimmed();

    QString shown = text(corpusFile("enscript.rtf"));
    shown.replace(QChar::LineSeparator, u'\n');
    QStringList lines = shown.split(u'\n');
    for (QString& l : lines)
        l = l.trimmed();
    EXPECT_EQ(lines.join(u'\n').trimmed(), given);
}

// The manual that ships must read as a document: headings, lists and tables.
TEST(RtfCorpusManual, ShippedManualHasItsParts) {
    QFile f(QStringLiteral(KORVEX_TEST_DATA_DIR "/../../../../resources/Korvex_Config.rtf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QTextDocument doc;
    const auto result = readRtf(f.readAll(), doc);
    EXPECT_TRUE(result.wasRtf);
    EXPECT_FALSE(result.truncated);
    const QStringList paras = korvex::test::paragraphs(doc);
    EXPECT_GT(paras.size(), 50);
    EXPECT_TRUE(korvex::test::styled(doc, "Korvex Config", Style::Bold));
    EXPECT_GT(korvex::test::tableRows(doc).size(), 20);
    EXPECT_TRUE(doc.toPlainText().contains("Success!"));
    EXPECT_TRUE(doc.toPlainText().contains("dialout"));
    EXPECT_FALSE(doc.toPlainText().contains(QChar::ReplacementCharacter));
}

// ---------------------------------------------------------------------------
// Characters: code pages, Unicode escapes and their fallbacks, symbols.

struct TextCase {
    const char* name;
    QByteArray rtf;
    QString shown;
};

class RtfText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfText, Shows) {
    EXPECT_EQ(text(GetParam().rtf), GetParam().shown) << GetParam().rtf.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Characters, RtfText,
    ::testing::Values(
        TextCase{"DefaultCodePageIs1252", "{\\rtf1 caf\\'e9 \\'80\\'96\\'93}", u"café €–“"_qs},
        TextCase{"AnsiCpg1251", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", u"При"_qs},
        TextCase{"FontCharsetOverridesDocumentPage",
                 "{\\rtf1\\ansi{\\fonttbl{\\f0 A;}{\\f1\\fcharset161 G;}}\\'e1{\\f1\\'e1}}",
                 u"áα"_qs},
        TextCase{"DoubleByteCodePage", "{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}",
                 u"日本"_qs},
        TextCase{"UnknownCodePageFallsBackTo1252", "{\\rtf1\\ansicpg99999 \\'e9}", u"é"_qs},
        TextCase{"UnicodeSkipsOneFallback", "{\\rtf1 \\u8364?x}", u"€x"_qs},
        TextCase{"UnicodeSkipsHexFallback", "{\\rtf1 \\u8364\\'80x}", u"€x"_qs},
        TextCase{"Uc2SkipsTwo", "{\\rtf1\\uc2 \\u8364??x}", u"€x"_qs},
        TextCase{"Uc0SkipsNothing", "{\\rtf1\\uc0 \\u8364?x}", u"€?x"_qs},
        TextCase{"UcIsScopedToGroup", "{\\rtf1 {\\uc2 \\u937??}\\u937?x}", u"ΩΩx"_qs},
        TextCase{"NegativeUnicode", "{\\rtf1 \\u-3913?}", QString(QChar(0xF0B7))},
        TextCase{"SkipStopsAtGroupEnd", "{\\rtf1 {\\uc3 \\u65?}bc}", u"Abc"_qs},
        TextCase{"SurrogatePair", "{\\rtf1 \\u-10179?\\u-8704?}",
                 QString::fromUcs4(U"\U0001F600", 1)},
        TextCase{"Symbols",
                 "{\\rtf1 \\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote}",
                 u"•—–‘’“”"_qs},
        TextCase{"ControlSymbols", "{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\}",
                 u"a\u00A0b\u00ADc\u2011d{}\\"_qs},
        TextCase{"Breaks", "{\\rtf1 a\\tab b\\line c\\par d}", u"a\tb\u2028c\nd"_qs},
        TextCase{"NewlinesInSourceAreNotText", "{\\rtf1 a\r\nb\nc}", u"abc"_qs},
        TextCase{"SpaceAfterWordIsDelimiter", "{\\rtf1 \\b bold\\b0  x}", u"bold x"_qs},
        TextCase{"DestinationsAreNotShown",
                 "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
                 "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                 "{\\*\\generator G;}{\\header H}{\\*\\unknownthing U}body}",
                 u"body"_qs},
        TextCase{"HiddenTextIsNotShown", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", u"abd"_qs},
        TextCase{"FieldShowsItsResult",
                 "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x.example\"}{\\fldrslt "
                 "link}} after}",
                 u"link after"_qs},
        TextCase{"ListTextIsShown", "{\\rtf1 {\\listtext 1.\\tab}Item}", u"1.\tItem"_qs},
        TextCase{"BinaryDataIsSkipped", "{\\rtf1 a{\\*\\blob \\bin3 }}}}b}", u"ab"_qs},
        TextCase{"NotRtfIsPlainText", "plain text\nsecond line", u"plain text\nsecond line"_qs},
        TextCase{"NotRtfLatin1", "caf\xe9", u"café"_qs},
        TextCase{"TrailingBytesAfterDocumentIgnored", "{\\rtf1 a}b", u"a"_qs}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Formatting that reaches the document.

TEST(RtfFormat, CharacterProperties) {
    QTextDocument doc;
    readRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times;}{\\f1\\fmodern Courier New;}}"
            "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\\fs20 plain {\\b\\i\\ul\\strike styled} {\\f1\\fs36 mono} "
            "{\\cf1\\highlight2 red} {\\super up}{\\sub dn} {\\b bold\\plain reset}}",
            doc);
    const QTextCharFormat plain = formatOf(doc, "plain");
    EXPECT_DOUBLE_EQ(plain.fontPointSize(), 10.0);
    EXPECT_EQ(plain.fontFamilies().toStringList().value(0), "Times");
    EXPECT_FALSE(plain.fontItalic());

    const QTextCharFormat styled = formatOf(doc, "styled");
    EXPECT_EQ(styled.fontWeight(), QFont::Bold);
    EXPECT_TRUE(styled.fontItalic());
    EXPECT_TRUE(styled.fontUnderline());
    EXPECT_TRUE(styled.fontStrikeOut());

    const QTextCharFormat mono = formatOf(doc, "mono");
    EXPECT_EQ(mono.fontFamilies().toStringList(), (QStringList{"Courier New", "monospace"}));
    EXPECT_DOUBLE_EQ(mono.fontPointSize(), 18.0);

    const QTextCharFormat red = formatOf(doc, "red");
    EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(red.background().color(), QColor(0, 0, 255));
    EXPECT_EQ(formatOf(doc, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, "dn").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_NE(formatOf(doc, "reset").fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formatOf(doc, "reset").fontPointSize(), 12.0);
}

TEST(RtfFormat, ParagraphProperties) {
    QTextDocument doc;
    readRtf("{\\rtf1 \\pard\\qc centred\\par\\pard\\qr\\li1440\\ri720\\fi-360\\sb300\\sa150 "
            "right\\par\\pard\\qj justified\\par\\pard\\li360\\fi-360\\tx360\\tqr\\tx2880 "
            "tabbed\\par\\pard plain\\par}",
            doc);
    EXPECT_EQ(blockOf(doc, "centred").alignment(), Qt::AlignHCenter);
    const QTextBlockFormat right = blockOf(doc, "right");
    EXPECT_EQ(right.alignment(), Qt::AlignRight);
    EXPECT_DOUBLE_EQ(right.leftMargin(), 96.0); // one inch at 96 px per inch
    EXPECT_DOUBLE_EQ(right.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(right.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(right.topMargin(), 20.0);
    EXPECT_DOUBLE_EQ(right.bottomMargin(), 10.0);
    EXPECT_EQ(blockOf(doc, "justified").alignment(), Qt::AlignJustify);
    const QList<QTextOption::Tab> tabs = blockOf(doc, "tabbed").tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, 24.0);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
    EXPECT_DOUBLE_EQ(tabs[1].position, 192.0);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab);
    EXPECT_TRUE(blockOf(doc, "plain").tabPositions().isEmpty());
    EXPECT_EQ(blockOf(doc, "plain").alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(blockOf(doc, "plain").leftMargin(), 0.0);
}

TEST(RtfFormat, TablesKeepRowsCellsAndParagraphsInCells) {
    QTextDocument doc;
    readRtf("{\\rtf1 before\\par"
            "\\trowd\\cellx1000\\cellx3000\\pard\\intbl a\\cell b1\\par b2\\cell\\row"
            "\\trowd\\cellx1000\\cellx3000\\pard\\intbl c\\cell d\\cell\\row"
            "\\pard after\\par}",
            doc);
    EXPECT_EQ(korvex::test::paragraphs(doc), (QStringList{"before", "after"}));
    EXPECT_EQ(korvex::test::tableRows(doc), (QStringList{"a|b1 b2", "c|d"}));
}

TEST(RtfFormat, HyperlinkFieldLinksItsResult) {
    QTextDocument doc;
    readRtf("{\\rtf1 {\\field{\\*\\fldinst {HYPERLINK \"https://example.org/x\"}}"
            "{\\fldrslt {\\ul link}}} after}",
            doc);
    EXPECT_EQ(formatOf(doc, "link").anchorHref(), "https://example.org/x");
    EXPECT_FALSE(formatOf(doc, "after").isAnchor());
}

struct PictureCase {
    const char* blip;
    const char* format;
};

class RtfPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(RtfPicture, IsPlacedAtItsGoalSize) {
    QImage source(QStringLiteral(KORVEX_TEST_DATA_DIR "/corpus/source/icon.png"));
    ASSERT_FALSE(source.isNull());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!source.save(&buffer, GetParam().format))
        GTEST_SKIP() << "no image writer for " << GetParam().format;

    QTextDocument doc;
    const auto result =
        readRtf(QByteArray("{\\rtf1 x{\\pict\\") + GetParam().blip + "\\picwgoal720\\pichgoal360 " +
                    bytes.toHex() + "}y{\\pict\\wmetafile8 0102}z}",
                doc);
    EXPECT_EQ(result.images, 1);
    QTextCursor c = doc.find(QString(QChar::ObjectReplacementCharacter));
    ASSERT_FALSE(c.isNull());
    const QTextImageFormat img = c.charFormat().toImageFormat();
    EXPECT_DOUBLE_EQ(img.width(), 48.0);
    EXPECT_DOUBLE_EQ(img.height(), 24.0);
    EXPECT_FALSE(doc.resource(QTextDocument::ImageResource, QUrl(img.name())).isNull());
    EXPECT_EQ(korvex::test::paragraphs(doc), (QStringList{"xyz"}));
}

INSTANTIATE_TEST_SUITE_P(Formats, RtfPicture,
                         ::testing::Values(PictureCase{"pngblip", "PNG"},
                                           PictureCase{"jpegblip", "JPEG"}),
                         [](const auto& info) { return std::string(info.param.format); });

// Decoded pictures share a budget of 64 MiB, counted from their headers before
// any pixel is decoded; the rest are boxes of the size the picture would have.
struct PictureBudgetCase {
    const char* name;
    QSize pixels;
    int count;
    QByteArray goal; // size words, or empty for the picture's own size
    int decoded;
    QSizeF shownSize;
};

class RtfPictureBudget : public ::testing::TestWithParam<PictureBudgetCase> {};

TEST_P(RtfPictureBudget, DecodesWithinItAndBoxesTheRest) {
    const PictureBudgetCase& c = GetParam();
    QByteArray rtf = korvex::test::manualWithPictures(korvex::test::flatPng(c.pixels), c.count);
    rtf.replace("\\pngblip ", "\\pngblip" + c.goal + " ");
    QTextDocument doc;
    const auto result = readRtf(rtf, doc);
    EXPECT_EQ(result.images, c.decoded);
    EXPECT_EQ(result.placeholders, c.count - c.decoded);

    qint64 decodedBytes = 0;
    QStringList shown;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
            if (!f.isValid())
                continue;
            shown << f.name();
            EXPECT_EQ(QSizeF(f.width(), f.height()), c.shownSize) << f.name().toStdString();
            const QImage image =
                doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
            ASSERT_FALSE(image.isNull()) << f.name().toStdString();
            if (!f.name().endsWith(u"placeholder"))
                decodedBytes += image.sizeInBytes();
        }
    }
    EXPECT_EQ(shown.size(), c.count);
    EXPECT_EQ(shown.filter(QStringLiteral("placeholder")).size(), c.count - c.decoded);
    EXPECT_LE(decodedBytes, 64 * 1024 * 1024);
    EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("after %1").arg(c.count)));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, RtfPictureBudget,
    ::testing::Values(
        // Four fill the budget exactly; the fifth would pass it.
        PictureBudgetCase{"FourFit", {2048, 2048}, 5, {}, 4, {2048, 2048}},
        // One row over the budget on its own, placed at its goal size.
        PictureBudgetCase{
            "OneTooLarge", {4096, 4097}, 1, "\\picwgoal1440\\pichgoal720", 0, {96, 48}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Malformed and hostile input: every case finishes quickly with a document.

struct HostileCase {
    const char* name;
    std::function<QByteArray()> make;
    QString mustShow; // empty: anything
};

class RtfHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(RtfHostile, NeitherCrashesNorHangs) {
    const QByteArray input = GetParam().make();
    QTextDocument doc;
    QElapsedTimer timer;
    timer.start();
    readRtf(input, doc);
    EXPECT_LT(timer.elapsed(), 15000) << "bytes: " << input.size();
    if (!GetParam().mustShow.isEmpty()) {
        EXPECT_TRUE(doc.toPlainText().contains(GetParam().mustShow))
            << doc.toPlainText().left(200).toStdString();
    }
}

QByteArray repeat(const QByteArray& piece, int times) {
    return piece.repeated(times);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RtfHostile,
    ::testing::Values(
        HostileCase{"Empty", [] { return QByteArray(); }, {}},
        HostileCase{"HeaderOnly", [] { return QByteArray("{\\rtf"); }, {}},
        HostileCase{"Truncated", [] { return QByteArray("{\\rtf1 {\\b Hello"); }, "Hello"},
        HostileCase{"BackslashAtEnd", [] { return QByteArray("{\\rtf1 a\\"); }, "a"},
        HostileCase{"HexCut", [] { return QByteArray("{\\rtf1 a\\'4"); }, "a"},
        HostileCase{"BadHex", [] { return QByteArray("{\\rtf1 a\\'zzb}"); }, "a"},
        HostileCase{"ExtraClosingBraces", [] { return QByteArray("{\\rtf1 a}}}}}b"); }, "a"},
        HostileCase{"DeepNesting",
                    [] { return "{\\rtf1 " + repeat("{", 200000) + "deep" + repeat("}", 200000); },
                    "deep"},
        HostileCase{"DeepNestingNeverClosed",
                    [] { return "{\\rtf1 " + repeat("{\\b ", 100000) + "deep"; }, "deep"},
        HostileCase{"HugeNumbers",
                    [] {
                        return QByteArray("{\\rtf1 \\fs99999999999999999999\\li-99999999999"
                                          "\\sb99999999999\\cf99999999\\f-2147483648\\uc999999999"
                                          " \\u99999999999 big}");
                    },
                    {}},
        HostileCase{"LongControlWord", [] { return "{\\rtf1 \\" + repeat("a", 100000) + " x}"; },
                    "x"},
        HostileCase{"BinPastEnd", [] { return QByteArray("{\\rtf1 a\\bin2147483647 xyz"); }, "a"},
        HostileCase{"NegativeBin", [] { return QByteArray("{\\rtf1 a\\bin-5 b}"); }, "ab"},
        HostileCase{"BrokenPicture",
                    [] { return QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e47zz0d0a}b}"); }, "ab"},
        HostileCase{"HugePictureHex",
                    [] { return "{\\rtf1 {\\pict\\jpegblip " + repeat("ff", 4000000) + "}b}"; },
                    "b"},
        HostileCase{
            "ManyCellsInOneRow",
            [] { return "{\\rtf1 \\trowd\\cellx10\\intbl " + repeat("x\\cell ", 100000) + "}"; },
            "x"},
        HostileCase{"ManyRows",
                    [] {
                        return "{\\rtf1 " +
                               repeat("\\trowd\\cellx10\\cellx20\\intbl a\\cell b\\cell\\row ",
                                      60000) +
                               "\\pard end}";
                    },
                    "end"},
        HostileCase{
            "ManyCellBoundaries",
            [] { return "{\\rtf1 \\trowd" + repeat("\\cellx-1", 50000) + "\\intbl a\\cell\\row}"; },
            "a"},
        HostileCase{"RowWithoutTable",
                    [] { return QByteArray("{\\rtf1 \\row\\cell\\nestcell x}"); }, "x"},
        HostileCase{"AlternatingFormatsInOneParagraph",
                    [] { return "{\\rtf1 " + repeat("{\\b x}{\\i y}", 100000) + "}"; }, "xyxy"},
        HostileCase{"ManyParagraphs", [] { return "{\\rtf1 " + repeat("p\\par ", 200000) + "}"; },
                    "p"},
        HostileCase{"NulAndControlBytes",
                    [] { return QByteArray("{\\rtf1 a\0\x01\x02\x7f b}", 14); }, "a"},
        HostileCase{
            "UnclosedFontTable", [] { return QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial"); }, {}},
        HostileCase{"FieldWithoutResult",
                    [] { return QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"}}x}"); },
                    "x"},
        HostileCase{"RandomBytes",
                    [] {
                        QByteArray b("{\\rtf1 ");
                        quint32 s = 12345;
                        for (int i = 0; i < 300000; ++i) {
                            s = s * 1664525u + 1013904223u;
                            static const char alphabet[] =
                                "{}\\'*abuc019- ;\"xfsparcelltrowdintblpict";
                            b.append(alphabet[(s >> 16) % (sizeof(alphabet) - 1)]);
                        }
                        return b;
                    },
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
