// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_reader.h"

#include "paragraph_bound.h"
#include "picture_decoder.h"
#include "settings/cp1252.h"
#include "system_code_page.h"
#include "ui/twips.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QColor>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QPixmap>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

namespace korvex {
namespace {

// Bounds that keep hostile input from costing more than its own size: nesting
// beyond kMaxDepth shares the state of the deepest tracked group, pictures and
// tables stop growing at their caps, and geometry is clamped to sane sizes.
constexpr int kMaxDepth = 256;
constexpr qsizetype kMaxPictureBytes = qsizetype{32} * 1024 * 1024;
// Decoded pixels of all pictures together, counted at 4 bytes each from the
// size in the picture's header; a picture that would pass it is shown as a
// placeholder of its size.
constexpr qint64 kMaxDecodedPictureBytes = qint64{64} * 1024 * 1024;
constexpr int kMaxTableColumns = 64;
constexpr int kMaxTableCells = 5000;
// A view lays out a whole table again each time rows are added to it, and
// after it; a table of thousands of cells costs the window a second each time.
// The rows past this are shown as text, and the next table is a table again.
constexpr int kMaxCellsPerTable = 256;
constexpr int kMaxTabStops = 64;
// Text of one format is put in the document in runs of about this many
// characters, so a slice ends with what it read on screen.
constexpr qsizetype kRunLength = 4096;
// Empty paragraphs in a row beyond this add nothing a reader would miss, and
// millions of them cost the window seconds.
constexpr int kMaxEmptyParagraphs = 16;
constexpr int kMaxTwips = 31680; // 22 inches
// A document's pixels are 96 to the inch, whatever the screen.
constexpr double kTwipsPerPixel = kTwipsPerInch / 96;

enum class Dest {
    Text, // shown
    Skip, // read past
    FontTable,
    ColorTable,
    Picture,
    FieldInstruction,
};

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int vertical = 0; // 1 superscript, -1 subscript
    int font = -1;
    int halfPoints = 24;
    int foreground = 0; // colour table index, 0 = automatic
    int background = 0;
    QString href;

    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    bool inTable = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
};

struct Group {
    Dest dest = Dest::Text;
    bool ownsDest = false; // this group opened the destination; closing it ends it
    CharState chr;
    ParaState para;
    int uc = 1;
};

struct FontEntry {
    QString name;
    QString generic;  // fontconfig alias used when the named family is missing
    int codePage = 0; // 0: the document's
    bool nameDone = false;
};

struct Picture {
    enum Kind { Unknown, Png, Jpeg } kind = Unknown;
    QByteArray data;
    int highNibble = -1;
    int goalW = 0;
    int goalH = 0;
    int scaleX = 100;
    int scaleY = 100;
};

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

int clampTwips(int v) {
    return std::clamp(v, -kMaxTwips, kMaxTwips);
}

struct ControlWord {
    std::string_view name;
    bool hasParam;
    int param;
    // A toggle without a parameter, or with one other than 0, switches on.
    bool switchedOn() const { return !hasParam || param != 0; }
};

class Reader {
public:
    Reader(QByteArrayView in, QTextDocument& doc)
        : in_(in)
        , doc_(doc)
        , cursor_(&doc) {}

    // Sets up reading; input that is not RTF is shown whole as plain text.
    void start();
    // Reads on until the deadline passes or `byteBudget` more bytes are read;
    // true once the whole document is in.
    bool step(const QDeadlineTimer& deadline, qsizetype byteBudget);
    // Puts the pictures decoded so far in their places, waiting up to `wait`
    // for one; true when none is still to come.
    bool collectPictures(std::chrono::milliseconds wait);
    qsizetype position() const { return pos_; }
    const RtfReadResult& result() const { return result_; }

private:
    // Input
    bool atEnd() const { return pos_ >= in_.size(); }
    unsigned char peek(qsizetype ahead = 0) const {
        return pos_ + ahead < in_.size() ? static_cast<unsigned char>(in_[pos_ + ahead]) : 0;
    }
    void controlSequence();
    void controlWord(std::string_view word, bool hasParam, int param);
    // One destination's words each; the bool ones say whether they knew it.
    void pictureWord(const ControlWord& word);
    void fontTableWord(const ControlWord& word);
    void colorTableWord(const ControlWord& word);
    bool documentWord(const ControlWord& word);
    bool characterWord(const ControlWord& word);
    bool paragraphWord(const ControlWord& word);
    bool tableWord(const ControlWord& word);
    bool breakWord(const ControlWord& word);
    bool symbolWord(const ControlWord& word);
    void controlSymbol(unsigned char c);
    void openGroup();
    void closeGroup();
    void textByte(unsigned char c);
    void skipBinary(int count);
    void finish();
    bool stepPlainText(qsizetype characterBudget);

    // State
    Group& top() { return stack_.back(); }
    void setDest(Dest d) {
        top().dest = d;
        top().ownsDest = true;
    }
    bool destinationWord(std::string_view word);
    int codePage() const;
    QString decode(const QByteArray& bytes, int cp);

    // Output
    void flushBytes();
    void appendText(const QString& text);
    void flushText();
    void cutParagraph(const ParaState& p);
    QTextBlockFormat paragraphFormat(const ParaState& p) const;
    void endParagraph();
    void insertSpecial(QChar c);
    QTextCharFormat charFormat(const CharState& s) const;
    QTextBlockFormat blockFormat(const ParaState& p) const;
    bool ensureCell();
    void leaveTable();
    void tableMayEnd();
    void endCell();
    void endRow();
    void finishPicture();
    static QImage placeholderBox();
    QString placeholderName();
    void finishFieldInstruction();
    void finishFontEntry();

    QByteArrayView in_;
    qsizetype pos_ = 0;
    QTextDocument& doc_;
    QTextCursor cursor_;
    RtfReadResult result_;
    bool finished_ = false;
    QString plainText_; // input that is not RTF, shown as it is
    qsizetype plainPos_ = 0;

    std::vector<Group> stack_;
    int untrackedDepth_ = 0; // groups opened beyond kMaxDepth
    bool ignorableNext_ = false;
    int skipChars_ = 0; // fallback characters still to drop after \uN

    int ansiCodePage_ = 1252;
    int defaultFont_ = -1;
    std::map<int, FontEntry> fonts_;
    int fontBeingRead_ = -1;
    QList<QColor> colors_;
    int red_ = -1, green_ = -1, blue_ = -1;
    std::map<int, std::optional<QStringDecoder>> decoders_;

    QByteArray pendingBytes_;
    QString pendingText_;
    CharState pendingFormat_;
    bool blockHasContent_ = false;
    int emptyParagraphs_ = 0; // in a row, just before the cursor
    ParaState lastPara_;
    ParagraphBound bound_;
    QTextBlock boundBlock_;     // the paragraph bound_ counts
    QTextBlock continuedBlock_; // the latest paragraph that goes on one cut short

    QString fieldInstruction_;
    Picture picture_;
    qint64 decodedPictureBytes_ = 0;
    bool placeholderAdded_ = false;
    PictureLayoutBudget pictureLayout_;
    PictureDecoder decoder_;
    int picturesSent_ = 0;
    std::set<int> pendingPictures_; // ids still being decoded

    QList<int> cellBoundaries_;
    QTextTable* table_ = nullptr;
    int row_ = 0;
    int col_ = 0;
    int cursorCol_ = 0;
    bool rowClosed_ = false;
    int cellsMade_ = 0;
    int tableCells_ = 0;
    bool tablesDisabled_ = false;
    bool untilTableEnds_ = false; // tables are off only for the rest of a full one
};

void Reader::start() {
    qsizetype start = 0;
    if (in_.size() >= 3 && static_cast<unsigned char>(in_[0]) == 0xEF &&
        static_cast<unsigned char>(in_[1]) == 0xBB && static_cast<unsigned char>(in_[2]) == 0xBF)
        start = 3;
    while (start < in_.size() && QChar::isSpace(static_cast<unsigned char>(in_[start])))
        ++start;
    if (!in_.sliced(start).startsWith("{\\rtf")) {
        // Not RTF: show it as it is rather than nothing.
        QByteArrayView body = in_.sliced(start);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString text = utf8(body);
        if (utf8.hasError())
            text = fromCp1252(body);
        plainText_ = std::move(text);
        return;
    }
    result_.wasRtf = true;
    pos_ = start;
    stack_.reserve(64);
}

bool Reader::step(const QDeadlineTimer& deadline, qsizetype byteBudget) {
    if (finished_)
        return true;
    if (!result_.wasRtf)
        return stepPlainText(byteBudget);
    const qsizetype stop = byteBudget < in_.size() - pos_ ? pos_ + byteBudget : in_.size();
    // The clock is read every so many bytes only: reading it costs more than a byte.
    constexpr int kBytesBetweenClockReads = 1024;
    int untilClock = kBytesBetweenClockReads;
    while (pos_ < stop) {
        unsigned char c = peek();
        if (c == '{') {
            ++pos_;
            openGroup();
        } else if (c == '}') {
            ++pos_;
            closeGroup();
            if (stack_.empty()) {
                // The document's own group has closed; trailing bytes are not part of it.
                finish();
                return true;
            }
        } else if (c == '\\') {
            ++pos_;
            controlSequence();
        } else {
            ++pos_;
            textByte(c);
        }
        if (--untilClock == 0) {
            untilClock = kBytesBetweenClockReads;
            if (deadline.hasExpired())
                return false;
        }
    }
    if (!atEnd())
        return false;
    finish();
    return true;
}

bool Reader::stepPlainText(qsizetype characterBudget) {
    // Whole lines, where there are any, so that no line is laid out twice.
    qsizetype end = std::min(plainText_.size(), plainPos_ + characterBudget);
    if (end < plainText_.size()) {
        const qsizetype lineEnd = plainText_.lastIndexOf(u'\n', end - 1);
        if (lineEnd >= plainPos_)
            end = lineEnd + 1;
    }
    cursor_.insertText(QStringView(plainText_).sliced(plainPos_, end - plainPos_).toString());
    plainPos_ = end;
    pos_ = end; // progress, in characters here
    finished_ = plainPos_ >= plainText_.size();
    if (finished_)
        plainText_.clear();
    return finished_;
}

void Reader::finish() {
    if (!stack_.empty()) {
        result_.truncated = true;
        while (!stack_.empty())
            closeGroup();
    }
    flushBytes();
    flushText();
    if (blockHasContent_)
        cursor_.setBlockFormat(paragraphFormat(lastPara_));
    finished_ = true;
}

void Reader::openGroup() {
    flushBytes();
    skipChars_ = 0;
    if (stack_.empty()) {
        stack_.push_back(Group{});
        return;
    }
    if (static_cast<int>(stack_.size()) >= kMaxDepth) {
        ++untrackedDepth_;
        return;
    }
    Group g = top();
    g.ownsDest = false;
    stack_.push_back(std::move(g));
}

void Reader::closeGroup() {
    flushBytes();
    skipChars_ = 0;
    ignorableNext_ = false;
    if (untrackedDepth_ > 0) {
        --untrackedDepth_;
        return;
    }
    if (stack_.empty())
        return; // a stray closing brace
    if (top().ownsDest) {
        switch (top().dest) {
        case Dest::Picture:
            finishPicture();
            break;
        case Dest::FieldInstruction:
            finishFieldInstruction();
            break;
        case Dest::FontTable:
            finishFontEntry();
            break;
        default:
            break;
        }
    }
    if (top().dest == Dest::FontTable)
        finishFontEntry(); // an entry written as its own group may omit the ';'
    flushText();
    Group closed = top();
    stack_.pop_back();
    if (stack_.empty())
        return;
    if (closed.dest == Dest::FieldInstruction && closed.ownsDest && !fieldInstruction_.isEmpty()) {
        // The field's result, a sibling group that follows, links to the target.
        top().chr.href = fieldInstruction_;
        fieldInstruction_.clear();
    }
}

void Reader::textByte(unsigned char c) {
    if (c == '\r' || c == '\n')
        return;
    if (skipChars_ > 0) {
        --skipChars_;
        return;
    }
    if (stack_.empty())
        return;
    Dest d = top().dest;
    if (d == Dest::Skip)
        return;
    if (d == Dest::Picture) {
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        if (v < 0 || picture_.data.size() >= kMaxPictureBytes)
            return;
        if (picture_.highNibble < 0) {
            picture_.highNibble = v;
        } else {
            picture_.data.append(static_cast<char>(picture_.highNibble << 4 | v));
            picture_.highNibble = -1;
        }
        return;
    }
    if (c == '\t') {
        flushBytes();
        appendText(QStringLiteral("\t"));
        return;
    }
    if (c < 0x20)
        return;
    pendingBytes_.append(static_cast<char>(c));
    // Handed on at a byte no multi-byte code page uses inside a character,
    // or at worst once the run is very long.
    if (pendingBytes_.size() >= kRunLength && (c < 0x40 || pendingBytes_.size() >= 16 * kRunLength))
        flushBytes();
}

void Reader::skipBinary(int count) {
    qsizetype n = std::clamp<qsizetype>(count, 0, in_.size() - pos_);
    if (!stack_.empty() && top().dest == Dest::Picture) {
        qsizetype room = std::max<qsizetype>(0, kMaxPictureBytes - picture_.data.size());
        picture_.data.append(in_.sliced(pos_, std::min(n, room)).toByteArray());
    }
    pos_ += n;
}

void Reader::controlSequence() {
    if (atEnd())
        return;
    unsigned char c = peek();
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
        ++pos_;
        if (c == '\'') {
            auto hex = [](unsigned char h) {
                if (h >= '0' && h <= '9')
                    return h - '0';
                if (h >= 'a' && h <= 'f')
                    return h - 'a' + 10;
                if (h >= 'A' && h <= 'F')
                    return h - 'A' + 10;
                return -1;
            };
            int hi = hex(peek());
            int lo = hi < 0 ? -1 : hex(peek(1));
            if (lo < 0)
                return;
            pos_ += 2;
            if (skipChars_ > 0) {
                --skipChars_;
                return;
            }
            if (stack_.empty() || top().dest == Dest::Skip || top().dest == Dest::Picture)
                return;
            pendingBytes_.append(static_cast<char>(hi << 4 | lo));
            return;
        }
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        controlSymbol(c);
        return;
    }

    char word[33];
    std::size_t len = 0;
    while (!atEnd() && ((peek() >= 'a' && peek() <= 'z') || (peek() >= 'A' && peek() <= 'Z'))) {
        if (len < sizeof(word) - 1)
            word[len++] = static_cast<char>(peek());
        ++pos_;
    }
    bool hasParam = false;
    bool negative = false;
    std::int64_t value = 0;
    if (peek() == '-' && peek(1) >= '0' && peek(1) <= '9') {
        negative = true;
        ++pos_;
    }
    while (!atEnd() && peek() >= '0' && peek() <= '9') {
        hasParam = true;
        value =
            std::min<std::int64_t>(value * 10 + (peek() - '0'), std::numeric_limits<int>::max());
        ++pos_;
    }
    if (peek() == ' ')
        ++pos_;
    int param = static_cast<int>(negative ? -value : value);
    std::string_view w(word, len);

    if (w == "bin") {
        skipBinary(hasParam ? param : 0);
        return;
    }
    if (skipChars_ > 0) {
        --skipChars_;
        return;
    }
    flushBytes();
    controlWord(w, hasParam, param);
}

bool Reader::destinationWord(std::string_view w) {
    static constexpr std::string_view kSkipped[] = {"author",
                                                    "buptim",
                                                    "colorschememapping",
                                                    "comment",
                                                    "company",
                                                    "creatim",
                                                    "datastore",
                                                    "doccomm",
                                                    "footer",
                                                    "footerf",
                                                    "footerl",
                                                    "footerr",
                                                    "footnote",
                                                    "ftncn",
                                                    "ftnsep",
                                                    "ftnsepc",
                                                    "generator",
                                                    "header",
                                                    "headerf",
                                                    "headerl",
                                                    "headerr",
                                                    "info",
                                                    "keywords",
                                                    "latentstyles",
                                                    "listoverridetable",
                                                    "listtable",
                                                    "nesttableprops",
                                                    "nonesttables",
                                                    "nonshppict",
                                                    "objdata",
                                                    "operator",
                                                    "pgdsctbl",
                                                    "pn",
                                                    "printim",
                                                    "private",
                                                    "revtbl",
                                                    "revtim",
                                                    "rsidtbl",
                                                    "rxe",
                                                    "stylesheet",
                                                    "subject",
                                                    "tc",
                                                    "themedata",
                                                    "title",
                                                    "txe",
                                                    "xe",
                                                    "xmlnstbl",
                                                    "mmathPr",
                                                    "pnseclvl",
                                                    "userprops",
                                                    "wgrffmtfilter",
                                                    "fchars",
                                                    "lchars",
                                                    "bkmkstart",
                                                    "bkmkend",
                                                    "hlinkbase",
                                                    "docvar",
                                                    "template"};
    if (std::find(std::begin(kSkipped), std::end(kSkipped), w) != std::end(kSkipped)) {
        setDest(Dest::Skip);
        return true;
    }
    if (w == "fonttbl") {
        setDest(Dest::FontTable);
        return true;
    }
    if (w == "colortbl") {
        setDest(Dest::ColorTable);
        red_ = green_ = blue_ = -1;
        return true;
    }
    if (w == "pict") {
        setDest(Dest::Picture);
        picture_ = Picture{};
        return true;
    }
    if (w == "fldinst") {
        setDest(Dest::FieldInstruction);
        fieldInstruction_.clear();
        return true;
    }
    if (w == "fldrslt" || w == "shppict" || w == "listtext" || w == "pntext" || w == "field" ||
        w == "object" || w == "result" || w == "shp" || w == "shptxt") {
        return true; // shown: these carry what a reader without the richer feature displays
    }
    return false;
}

void Reader::controlWord(std::string_view w, bool hasParam, int param) {
    if (stack_.empty())
        return;
    bool ignorable = ignorableNext_;
    ignorableNext_ = false;
    if (top().dest == Dest::Skip)
        return;
    if (destinationWord(w))
        return;
    if (ignorable) {
        setDest(Dest::Skip);
        return;
    }

    const ControlWord word{w, hasParam, param};
    switch (top().dest) {
    case Dest::Picture:
        pictureWord(word);
        return;
    case Dest::FontTable:
        fontTableWord(word);
        return;
    case Dest::ColorTable:
        colorTableWord(word);
        return;
    case Dest::FieldInstruction:
        return;
    case Dest::Text:
    case Dest::Skip:
        break;
    }
    // Anything none of these knows is a word this reader does not need; RTF
    // readers ignore those.
    documentWord(word) || characterWord(word) || paragraphWord(word) || tableWord(word) ||
        breakWord(word) || symbolWord(word);
}

void Reader::pictureWord(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "pngblip")
        picture_.kind = Picture::Png;
    else if (w == "jpegblip")
        picture_.kind = Picture::Jpeg;
    else if (w == "picwgoal")
        picture_.goalW = std::clamp(word.param, 0, kMaxTwips);
    else if (w == "pichgoal")
        picture_.goalH = std::clamp(word.param, 0, kMaxTwips);
    else if (w == "picscalex")
        picture_.scaleX = std::clamp(word.param, 1, 1000);
    else if (w == "picscaley")
        picture_.scaleY = std::clamp(word.param, 1, 1000);
}

void Reader::fontTableWord(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "f") {
        finishFontEntry();
        fontBeingRead_ = word.param;
        fonts_[word.param] = FontEntry{};
        return;
    }
    if (fontBeingRead_ < 0)
        return;
    static constexpr std::pair<std::string_view, const char*> kFamilies[] = {
        {"froman", "serif"},
        {"fswiss", "sans-serif"},
        {"fmodern", "monospace"},
        {"fscript", "cursive"},
        {"fdecor", "fantasy"}};
    FontEntry& f = fonts_[fontBeingRead_];
    if (w == "fcharset") {
        f.codePage = codePageForCharset(word.param);
    } else if (w == "cpg") {
        f.codePage = word.param;
    } else {
        for (const auto& [name, generic] : kFamilies) {
            if (w == name)
                f.generic = QString::fromLatin1(generic);
        }
    }
}

void Reader::colorTableWord(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "red")
        red_ = std::clamp(word.param, 0, 255);
    else if (w == "green")
        green_ = std::clamp(word.param, 0, 255);
    else if (w == "blue")
        blue_ = std::clamp(word.param, 0, 255);
}

// The code page, the default font and Unicode characters.
bool Reader::documentWord(const ControlWord& word) {
    const std::string_view w = word.name;
    const int param = word.param;
    Group& g = top();
    if (w == "ansicpg") {
        ansiCodePage_ = param > 0 ? param : 1252;
    } else if (w == "ansi") {
        ansiCodePage_ = 1252;
    } else if (w == "mac") {
        ansiCodePage_ = 10000;
    } else if (w == "pc") {
        ansiCodePage_ = 437;
    } else if (w == "pca") {
        ansiCodePage_ = 850;
    } else if (w == "deff") {
        defaultFont_ = param;
        if (stack_.size() == 1)
            g.chr.font = param;
    } else if (w == "uc") {
        g.uc = std::clamp(param, 0, 16);
    } else if (w == "u") {
        int code = param < 0 ? param + 65536 : param;
        if (code > 0 && code <= 0xFFFF)
            appendText(QString(QChar(static_cast<char16_t>(code))));
        skipChars_ = g.uc;
    } else {
        return false;
    }
    return true;
}

bool Reader::characterWord(const ControlWord& word) {
    const std::string_view w = word.name;
    const int param = word.param;
    const bool on = word.switchedOn();
    CharState& ch = top().chr;
    if (w == "plain") {
        CharState fresh;
        fresh.font = defaultFont_;
        ch = fresh;
    } else if (w == "b") {
        ch.bold = on;
    } else if (w == "i") {
        ch.italic = on;
    } else if (w == "strike" || w == "striked") {
        ch.strike = on;
    } else if (w == "ulnone") {
        ch.underline = false;
    } else if (w.substr(0, 2) == "ul" && w != "ulc") {
        ch.underline = on;
    } else if (w == "v") {
        ch.hidden = on;
    } else if (w == "super") {
        ch.vertical = 1;
    } else if (w == "sub") {
        ch.vertical = -1;
    } else if (w == "nosupersub") {
        ch.vertical = 0;
    } else if (w == "f") {
        ch.font = param;
    } else if (w == "fs") {
        ch.halfPoints = param > 0 ? std::clamp(param, 2, 1000) : 24;
    } else if (w == "cf") {
        ch.foreground = param;
    } else if (w == "cb" || w == "highlight" || w == "chcbpat") {
        ch.background = param;
    } else {
        return false;
    }
    return true;
}

bool Reader::paragraphWord(const ControlWord& word) {
    const std::string_view w = word.name;
    const int param = word.param;
    ParaState& pa = top().para;
    if (w == "pard") {
        flushText();
        pa = ParaState{};
    } else if (w == "ql") {
        pa.align = Qt::AlignLeft;
    } else if (w == "qr") {
        pa.align = Qt::AlignRight;
    } else if (w == "qc") {
        pa.align = Qt::AlignHCenter;
    } else if (w == "qj") {
        pa.align = Qt::AlignJustify;
    } else if (w == "li") {
        pa.left = clampTwips(param);
    } else if (w == "ri") {
        pa.right = clampTwips(param);
    } else if (w == "fi") {
        pa.first = clampTwips(param);
    } else if (w == "sb") {
        pa.before = std::clamp(param, 0, kMaxTwips);
    } else if (w == "sa") {
        pa.after = std::clamp(param, 0, kMaxTwips);
    } else if (w == "tqr") {
        pa.nextTabType = QTextOption::RightTab;
    } else if (w == "tqc") {
        pa.nextTabType = QTextOption::CenterTab;
    } else if (w == "tqdec") {
        pa.nextTabType = QTextOption::DelimiterTab;
    } else if (w == "tx") {
        if (pa.tabs.size() < kMaxTabStops) {
            const qreal at = std::clamp(param, 0, kMaxTwips) / kTwipsPerPixel;
            pa.tabs.append(QTextOption::Tab(
                at, pa.nextTabType,
                pa.nextTabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar()));
        }
        pa.nextTabType = QTextOption::LeftTab;
    } else {
        return false;
    }
    return true;
}

bool Reader::tableWord(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "intbl") {
        flushText();
        top().para.inTable = true;
    } else if (w == "trowd") {
        cellBoundaries_.clear();
    } else if (w == "cellx") {
        if (cellBoundaries_.size() < kMaxTableColumns)
            cellBoundaries_.append(clampTwips(word.param));
    } else if (w == "cell") {
        endCell();
    } else if (w == "row") {
        endRow();
    } else if (w == "nestcell") {
        // Nested tables are flattened into their cell's text.
        insertSpecial(u'\t');
    } else if (w == "nestrow") {
        insertSpecial(QChar::LineSeparator);
    } else {
        return false;
    }
    return true;
}

bool Reader::breakWord(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "par" || w == "sect" || w == "page")
        endParagraph();
    else if (w == "line")
        insertSpecial(QChar::LineSeparator);
    else if (w == "tab")
        insertSpecial(u'\t');
    else
        return false;
    return true;
}

bool Reader::symbolWord(const ControlWord& word) {
    static constexpr std::pair<std::string_view, char16_t> kSymbols[] = {
        {"bullet", 0x2022},  {"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
        {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};
    for (const auto& [name, code] : kSymbols) {
        if (word.name == name) {
            appendText(QString(QChar(code)));
            return true;
        }
    }
    return false;
}

void Reader::controlSymbol(unsigned char c) {
    if (stack_.empty())
        return;
    flushBytes();
    bool ignorable = ignorableNext_;
    ignorableNext_ = false;
    switch (c) {
    case '*':
        ignorableNext_ = true;
        return;
    case '\\':
    case '{':
    case '}':
        if (top().dest == Dest::Text || top().dest == Dest::FontTable ||
            top().dest == Dest::FieldInstruction)
            appendText(QString(QChar(c)));
        return;
    case '~':
        appendText(QString(QChar(0x00A0)));
        return;
    case '-':
        appendText(QString(QChar(0x00AD)));
        return;
    case '_':
        appendText(QString(QChar(0x2011)));
        return;
    case '\r':
    case '\n':
        if (top().dest == Dest::Text)
            endParagraph();
        return;
    case '\t':
        insertSpecial(u'\t');
        return;
    default:
        (void)ignorable;
        return; // \: \| and unknown symbols carry nothing to show
    }
}

int Reader::codePage() const {
    int font = stack_.empty() ? -1 : stack_.back().chr.font;
    if (!stack_.empty() && stack_.back().dest == Dest::FontTable)
        font = fontBeingRead_;
    auto it = fonts_.find(font);
    if (it != fonts_.end() && it->second.codePage > 0)
        return it->second.codePage;
    return ansiCodePage_;
}

QString Reader::decode(const QByteArray& bytes, int cp) {
    if (cp == 1252)
        return fromCp1252(bytes);
    auto it = decoders_.find(cp);
    if (it == decoders_.end()) {
        std::optional<QStringDecoder> dec;
        QList<QByteArray> names;
        switch (cp) {
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
        names << "windows-" + QByteArray::number(cp) << "cp" + QByteArray::number(cp)
              << "IBM" + QByteArray::number(cp);
        for (const QByteArray& n : names) {
            QStringDecoder d(n.constData(), QStringConverter::Flag::Stateless);
            if (d.isValid()) {
                dec.emplace(std::move(d));
                break;
            }
        }
        it = decoders_.emplace(cp, std::move(dec)).first;
    }
    if (!it->second)
        return decodeSystemCodePage(bytes, cp).value_or(fromCp1252(bytes));
    it->second->resetState();
    return it->second->decode(bytes);
}

void Reader::flushBytes() {
    if (pendingBytes_.isEmpty())
        return;
    QByteArray bytes;
    bytes.swap(pendingBytes_);
    appendText(decode(bytes, codePage()));
}

void Reader::appendText(const QString& text) {
    if (stack_.empty() || text.isEmpty())
        return;
    Group& g = top();
    switch (g.dest) {
    case Dest::FontTable:
        if (fontBeingRead_ >= 0) {
            FontEntry& f = fonts_[fontBeingRead_];
            for (QChar c : text) {
                if (c == u';')
                    f.nameDone = true;
                else if (!f.nameDone)
                    f.name.append(c);
            }
        }
        return;
    case Dest::ColorTable:
        for (QChar c : text) {
            if (c != u';')
                continue;
            if (red_ < 0 && green_ < 0 && blue_ < 0)
                colors_.append(QColor()); // "automatic"
            else
                colors_.append(QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
            red_ = green_ = blue_ = -1;
        }
        return;
    case Dest::FieldInstruction: {
        // HYPERLINK "target" [switches]
        fieldInstruction_.append(text);
        return;
    }
    case Dest::Text:
        break;
    default:
        return;
    }
    if (g.chr.hidden)
        return;
    if (!pendingText_.isEmpty() && !(pendingFormat_ == g.chr))
        flushText();
    pendingFormat_ = g.chr;
    pendingText_.append(text);
    if (pendingText_.size() >= kRunLength)
        flushText();
}

QTextCharFormat Reader::charFormat(const CharState& s) const {
    QTextCharFormat f;
    auto font = fonts_.find(s.font);
    if (font != fonts_.end() && !font->second.name.trimmed().isEmpty()) {
        QStringList families{font->second.name.trimmed()};
        if (!font->second.generic.isEmpty())
            families << font->second.generic;
        f.setFontFamilies(families);
        if (font->second.generic == u"monospace")
            f.setFontStyleHint(QFont::TypeWriter);
    }
    f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (s.vertical > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical < 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (s.foreground > 0 && s.foreground < colors_.size() && colors_[s.foreground].isValid())
        f.setForeground(colors_[s.foreground]);
    if (s.background > 0 && s.background < colors_.size() && colors_[s.background].isValid())
        f.setBackground(colors_[s.background]);
    if (!s.href.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(s.href);
    }
    return f;
}

QTextBlockFormat Reader::blockFormat(const ParaState& p) const {
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(std::max(0, p.left) / kTwipsPerPixel);
    f.setRightMargin(std::max(0, p.right) / kTwipsPerPixel);
    f.setTextIndent(p.first / kTwipsPerPixel);
    f.setTopMargin(p.before / kTwipsPerPixel);
    f.setBottomMargin(p.after / kTwipsPerPixel);
    if (!p.tabs.isEmpty())
        f.setTabPositions(p.tabs); // measured from the page's left edge, as in RTF
    return f;
}

void Reader::flushText() {
    if (pendingText_.isEmpty())
        return;
    QString text;
    text.swap(pendingText_);
    tableMayEnd();
    if (!stack_.empty() && top().para.inTable && !tablesDisabled_)
        ensureCell();
    else if (table_)
        leaveTable();
    if (!stack_.empty())
        lastPara_ = top().para;
    if (cursor_.block() != boundBlock_) {
        bound_.restart();
        boundBlock_ = cursor_.block();
    }
    const QStringList pieces = bound_.cut(text);
    const QTextCharFormat format = charFormat(pendingFormat_);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            cutParagraph(lastPara_);
        cursor_.insertText(pieces[i], format);
    }
    blockHasContent_ = true;
}

void Reader::cutParagraph(const ParaState& p) {
    // The two parts read as one paragraph: no space between them, and the
    // second starts at the margin.
    QTextBlockFormat first = paragraphFormat(p);
    first.setBottomMargin(0);
    cursor_.setBlockFormat(first);
    QTextBlockFormat rest = blockFormat(p);
    rest.setTopMargin(0);
    rest.setTextIndent(0);
    cursor_.insertBlock(rest);
    continuedBlock_ = boundBlock_ = cursor_.block();
}

QTextBlockFormat Reader::paragraphFormat(const ParaState& p) const {
    QTextBlockFormat f = blockFormat(p);
    if (cursor_.block() == continuedBlock_) {
        f.setTopMargin(0);
        f.setTextIndent(0);
    }
    return f;
}

void Reader::insertSpecial(QChar c) {
    if (stack_.empty() || top().dest != Dest::Text)
        return;
    appendText(QString(c));
}

void Reader::endParagraph() {
    if (stack_.empty() || top().dest != Dest::Text)
        return;
    flushText();
    tableMayEnd();
    if (blockHasContent_)
        emptyParagraphs_ = 0;
    else if (++emptyParagraphs_ > kMaxEmptyParagraphs)
        return;
    const ParaState& p = top().para;
    if (p.inTable && !tablesDisabled_)
        ensureCell();
    else if (table_)
        leaveTable();
    cursor_.setBlockFormat(paragraphFormat(p));
    cursor_.insertBlock(blockFormat(p), charFormat(top().chr));
    blockHasContent_ = false;
}

bool Reader::ensureCell() {
    if (tablesDisabled_)
        return false;
    if (!table_) {
        int columns = std::clamp<int>(cellBoundaries_.size(), 1, kMaxTableColumns);
        if (cellsMade_ + columns > kMaxTableCells) {
            tablesDisabled_ = true;
            return false;
        }
        QTextTableFormat tf;
        tf.setBorder(1);
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setCellPadding(4);
        tf.setCellSpacing(0);
        tf.setBorderCollapse(true);
        if (cellBoundaries_.size() == columns) {
            // Widths in proportion to the writer's, so a table written for a
            // page fits whatever width the window has.
            QList<QTextLength> widths;
            const double total = std::max(1, cellBoundaries_.back());
            int prev = 0;
            for (int x : cellBoundaries_) {
                widths.append(QTextLength(QTextLength::PercentageLength,
                                          std::clamp((x - prev) / total * 100.0, 1.0, 100.0)));
                prev = x;
            }
            tf.setColumnWidthConstraints(widths);
            tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        }
        if (blockHasContent_) {
            cursor_.insertBlock();
            blockHasContent_ = false;
        }
        table_ = cursor_.insertTable(1, columns, tf);
        cellsMade_ += columns;
        tableCells_ = columns;
        row_ = col_ = cursorCol_ = 0;
        rowClosed_ = false;
        return true;
    }
    if (rowClosed_) {
        if (cellsMade_ + table_->columns() > kMaxTableCells ||
            tableCells_ + table_->columns() > kMaxCellsPerTable) {
            untilTableEnds_ = cellsMade_ + table_->columns() <= kMaxTableCells;
            leaveTable();
            tablesDisabled_ = true;
            return false;
        }
        table_->appendRows(1);
        cellsMade_ += table_->columns();
        tableCells_ += table_->columns();
        ++row_;
        col_ = cursorCol_ = 0;
        rowClosed_ = false;
        cursor_ = table_->cellAt(row_, 0).firstCursorPosition();
    }
    if (col_ != cursorCol_) {
        if (col_ >= table_->columns() && table_->columns() < kMaxTableColumns &&
            cellsMade_ + table_->rows() <= kMaxTableCells &&
            tableCells_ + table_->rows() <= kMaxCellsPerTable) {
            table_->appendColumns(1);
            cellsMade_ += table_->rows();
            tableCells_ += table_->rows();
        }
        // Past the last column that may exist, cells share the last one.
        const int target = std::min(col_, table_->columns() - 1);
        if (target != cursorCol_) {
            cursor_ = table_->cellAt(row_, target).firstCursorPosition();
            cursorCol_ = target;
        }
    }
    return true;
}

void Reader::tableMayEnd() {
    if (untilTableEnds_ && !stack_.empty() && !top().para.inTable)
        tablesDisabled_ = untilTableEnds_ = false;
}

void Reader::leaveTable() {
    if (!table_)
        return;
    cursor_ = table_->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    table_ = nullptr;
    blockHasContent_ = false;
}

void Reader::endCell() {
    if (stack_.empty() || top().dest != Dest::Text)
        return;
    flushText();
    if (!ensureCell()) {
        appendText(QStringLiteral("\t"));
        return;
    }
    if (col_ > cursorCol_) {
        appendText(QStringLiteral("\t")); // a cell sharing the last one
        return;
    }
    // Writers close each cell's last paragraph with \par before \cell; that
    // paragraph mark is not an empty line of the cell.
    const QTextTableCell cell = table_->cellAt(row_, col_);
    if (!blockHasContent_ && cursor_.block() != cell.firstCursorPosition().block())
        cursor_.deletePreviousChar();
    else
        cursor_.setBlockFormat(paragraphFormat(top().para));
    blockHasContent_ = false;
    ++col_;
}

void Reader::endRow() {
    if (stack_.empty() || top().dest != Dest::Text)
        return;
    flushText();
    if (!table_) {
        if (tablesDisabled_)
            endParagraph();
        return;
    }
    rowClosed_ = true;
}

void Reader::finishPicture() {
    Picture pic = std::move(picture_);
    picture_ = Picture{};
    if (pic.kind == Picture::Unknown || pic.data.isEmpty() || stack_.size() < 2)
        return;
    // The picture belongs to the text around its group, not to the group itself.
    Group& outer = stack_[stack_.size() - 2];
    if (outer.dest != Dest::Text)
        return;
    // Only the header is read here, for the decoded size; the pixels are
    // decoded on a worker, and only while the document's pictures stay within
    // their budget.
    const char* format = pic.kind == Picture::Png ? "PNG" : "JPEG";
    QBuffer source(&pic.data);
    source.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&source, format).size();
    source.close();
    if (size.isEmpty())
        return;
    const double w = pic.goalW > 0 ? pic.goalW / kTwipsPerPixel : size.width();
    const double h = pic.goalH > 0 ? pic.goalH / kTwipsPerPixel : size.height();
    const QSizeF shown = pictureLayout_.place({w * pic.scaleX / 100.0, h * pic.scaleY / 100.0});
    if (shown.isEmpty()) {
        ++result_.leftOut;
        return;
    }
    flushText();
    if (outer.para.inTable && !tablesDisabled_)
        ensureCell();
    else if (table_)
        leaveTable();
    QTextImageFormat f;
    const qint64 cost = qint64(size.width()) * size.height() * 4;
    if (cost <= kMaxDecodedPictureBytes - decodedPictureBytes_) {
        decodedPictureBytes_ += cost;
        const int id = ++picturesSent_;
        const QString name = QStringLiteral("rtf-picture:%1").arg(id);
        // A box holds the place until the pixels come.
        doc_.addResource(QTextDocument::ImageResource, QUrl(name), placeholderBox());
        pendingPictures_.insert(id);
        decoder_.decode(id, std::move(pic.data), format);
        f.setName(name);
    } else {
        f.setName(placeholderName());
        ++result_.placeholders;
    }
    f.setWidth(shown.width());
    f.setHeight(shown.height());
    cursor_.insertImage(f);
    blockHasContent_ = true;
}

bool Reader::collectPictures(std::chrono::milliseconds wait) {
    bool repaint = false;
    for (PictureDecoder::Finished& done : decoder_.takeFinished(wait)) {
        if (pendingPictures_.erase(done.id) == 0)
            continue;
        if (done.image.isNull()) {
            ++result_.placeholders; // its box stays
            continue;
        }
        // As a pixmap: a view paints an image resource by converting all of
        // it to a pixmap on every paint, seconds for a large picture.
        doc_.addResource(QTextDocument::ImageResource,
                         QUrl(QStringLiteral("rtf-picture:%1").arg(done.id)),
                         QPixmap::fromImage(std::move(done.image)));
        ++result_.images;
        repaint = true;
    }
    // Its place and size are what they were: a view need only paint again,
    // not lay out. A document not on show has no layout to tell.
    if (repaint) {
        if (auto* layout =
                doc_.findChild<QAbstractTextDocumentLayout*>(QString(), Qt::FindDirectChildrenOnly))
            emit layout->update();
    }
    return pendingPictures_.empty();
}

QImage Reader::placeholderBox() {
    // A flat pale box, stretched to each picture's place: a frame would
    // stretch with it.
    QImage box(8, 8, QImage::Format_RGB32);
    box.fill(QColor(0xD8, 0xD8, 0xD8));
    return box;
}

QString Reader::placeholderName() {
    QString name = QStringLiteral("rtf-picture:placeholder");
    if (!placeholderAdded_) {
        doc_.addResource(QTextDocument::ImageResource, QUrl(name), placeholderBox());
        placeholderAdded_ = true;
    }
    return name;
}

void Reader::finishFieldInstruction() {
    QString inst = fieldInstruction_.trimmed();
    fieldInstruction_.clear();
    if (!inst.startsWith(QStringLiteral("HYPERLINK"), Qt::CaseInsensitive))
        return;
    qsizetype open = inst.indexOf(u'"');
    qsizetype close = open < 0 ? -1 : inst.indexOf(u'"', open + 1);
    if (close > open + 1)
        fieldInstruction_ = inst.mid(open + 1, close - open - 1);
}

void Reader::finishFontEntry() {
    if (fontBeingRead_ >= 0)
        fonts_[fontBeingRead_].nameDone = true;
}

} // namespace

struct RtfLoader::State {
    State(QByteArray bytes, QTextDocument& doc, bool undo)
        : rtf(std::move(bytes))
        , document(doc)
        , undoWasEnabled(undo)
        , reader(rtf, doc) {}

    QByteArray rtf;
    QTextDocument& document;
    const bool undoWasEnabled;
    Reader reader;
    // Bytes read in the next slice. It starts small so that the beginning
    // shows at once, then follows what a slice costs, layout included.
    qsizetype sliceBytes = qsizetype{4} * 1024;
    bool done = false;
};

RtfLoader::RtfLoader(QByteArray rtf, QTextDocument& document) {
    // Building through the undo stack would cost memory and time for nothing:
    // a freshly read document has no edits to undo.
    const bool undo = document.isUndoRedoEnabled();
    document.clear();
    document.setUndoRedoEnabled(false);
    state_ = std::make_unique<State>(std::move(rtf), document, undo);
    state_->reader.start();
}

RtfLoader::~RtfLoader() {
    state_->document.setUndoRedoEnabled(state_->undoWasEnabled);
}

bool RtfLoader::readFor(std::chrono::milliseconds budget) {
    State& s = *state_;
    if (s.done)
        return true;
    QElapsedTimer clock;
    clock.start();
    const qsizetype before = s.reader.position();
    // One edit block per slice: outside one, every insertion lays out its
    // paragraph again to place the cursor, which is quadratic in a long
    // paragraph of many formats. A view lays out the slice when it ends.
    QTextCursor editBlock(&s.document);
    editBlock.beginEditBlock();
    const bool textIn = s.reader.step(QDeadlineTimer(budget), s.sliceBytes);
    // Once the text is in, what is left of the slice waits for pictures.
    const auto left = std::max<qint64>(0, budget.count() - clock.elapsed());
    const bool picturesIn = s.reader.collectPictures(std::chrono::milliseconds(textIn ? left : 0));
    editBlock.endEditBlock();
    s.done = textIn && picturesIn;
    if (s.done) {
        s.document.setUndoRedoEnabled(s.undoWasEnabled);
        return true;
    }
    if (textIn)
        return false;
    // Size the next slice so that reading and laying it out fit the budget.
    const qsizetype read = std::max<qsizetype>(1, s.reader.position() - before);
    const qint64 spent = std::max<qint64>(1, clock.elapsed());
    const qsizetype fitting = read * budget.count() / spent;
    s.sliceBytes = std::clamp<qsizetype>(fitting, 1024, 4 * s.sliceBytes);
    return false;
}

bool RtfLoader::done() const {
    return state_->done;
}

RtfReadResult RtfLoader::result() const {
    return state_->reader.result();
}

RtfReadResult readRtf(QByteArrayView rtf, QTextDocument& document) {
    RtfLoader loader(QByteArray::fromRawData(rtf.data(), rtf.size()), document);
    while (!loader.readFor(std::chrono::hours(1))) {
    }
    return loader.result();
}

} // namespace korvex
