// SPDX-License-Identifier: GPL-3.0-or-later
#include "parser.h"

#include <algorithm>
#include <utility>

namespace korvex::rtf {
namespace {

// Nesting beyond this shares the state of the deepest tracked group, so
// hostile input costs no more than its own size.
constexpr int kMaxDepth = 256;
// Text bytes are decoded in runs of about this many, like the text they make.
constexpr qsizetype kByteRunLength = 4096;

} // namespace

Parser::Parser(QByteArrayView in, qsizetype start, QTextDocument& doc)
    : tokens_(in, start)
    , pictures_(doc, result_)
    , writer_(doc, fonts_, colors_) {
    result_.wasRtf = true;
    stack_.reserve(64);
}

bool Parser::step(const QDeadlineTimer& deadline, qsizetype byteBudget) {
    if (finished_)
        return true;
    const qsizetype pos = tokens_.position();
    const qsizetype stop = pos + std::min(byteBudget, tokens_.remaining());
    // The clock is read every so many tokens only: reading it costs more than a token.
    constexpr int kTokensBetweenClockReads = 1024;
    int untilClock = kTokensBetweenClockReads;
    while (tokens_.position() < stop) {
        const Token t = tokens_.next();
        token(t);
        if (t.kind == Token::Kind::CloseGroup && stack_.empty()) {
            // The document's own group has closed; trailing bytes are not part of it.
            finish();
            return true;
        }
        if (--untilClock == 0) {
            untilClock = kTokensBetweenClockReads;
            if (deadline.hasExpired())
                return false;
        }
    }
    if (!tokens_.atEnd())
        return false;
    finish();
    return true;
}

void Parser::token(const Token& t) {
    switch (t.kind) {
    case Token::Kind::Nothing:
        return;
    case Token::Kind::OpenGroup:
        openGroup();
        return;
    case Token::Kind::CloseGroup:
        closeGroup();
        return;
    case Token::Kind::Word:
        flushBytes();
        controlWord(t.word);
        return;
    case Token::Kind::Symbol:
        controlSymbol(t.byte);
        return;
    case Token::Kind::Byte:
        if (stack_.empty() || top().dest == Destination::Skip || top().dest == Destination::Picture)
            return;
        pendingBytes_.append(static_cast<char>(t.byte));
        return;
    case Token::Kind::Text:
        textByte(t.byte);
        return;
    case Token::Kind::Binary:
        if (!stack_.empty() && top().dest == Destination::Picture)
            pictures_.binary(t.binary);
        return;
    }
}

void Parser::finish() {
    if (!stack_.empty()) {
        result_.truncated = true;
        while (!stack_.empty())
            closeGroup();
    }
    flushBytes();
    writer_.finish();
    finished_ = true;
}

void Parser::openGroup() {
    flushBytes();
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

void Parser::closeGroup() {
    flushBytes();
    ignorableNext_ = false;
    if (untrackedDepth_ > 0) {
        --untrackedDepth_;
        return;
    }
    if (stack_.empty())
        return;         // a stray closing brace
    QString linkTarget; // of a field instruction this group held
    if (top().ownsDest) {
        switch (top().dest) {
        case Destination::Picture:
            endPicture();
            break;
        case Destination::FieldInstruction:
            linkTarget = hyperlinkTarget(fieldInstruction_);
            fieldInstruction_.clear();
            break;
        case Destination::FontTable:
            fonts_.endEntry();
            break;
        default:
            break;
        }
    }
    if (top().dest == Destination::FontTable)
        fonts_.endEntry(); // an entry written as its own group may omit the ';'
    flushText();
    stack_.pop_back();
    // The field's result, a sibling group that follows, links to the target.
    if (!stack_.empty() && !linkTarget.isEmpty())
        top().chr.href = linkTarget;
}

void Parser::textByte(unsigned char c) {
    if (stack_.empty())
        return;
    const Destination d = top().dest;
    if (d == Destination::Skip)
        return;
    if (d == Destination::Picture) {
        pictures_.hexDigit(c);
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
    if (pendingBytes_.size() >= kByteRunLength &&
        (c < 0x40 || pendingBytes_.size() >= 16 * kByteRunLength))
        flushBytes();
}

bool Parser::destinationWord(std::string_view w) {
    const std::optional<Destination> opened = destinationOf(w);
    if (!opened)
        return isShownDestination(w);
    top().dest = *opened;
    top().ownsDest = true;
    switch (*opened) {
    case Destination::ColorTable:
        colors_.startEntry();
        break;
    case Destination::Picture:
        pictures_.start();
        break;
    case Destination::FieldInstruction:
        fieldInstruction_.clear();
        break;
    default:
        break;
    }
    return true;
}

void Parser::controlWord(const ControlWord& word) {
    if (stack_.empty())
        return;
    const bool ignorable = ignorableNext_;
    ignorableNext_ = false;
    if (top().dest == Destination::Skip)
        return;
    if (destinationWord(word.name))
        return;
    if (ignorable) {
        // \* before a destination this reader does not know: its group is read past.
        top().dest = Destination::Skip;
        top().ownsDest = true;
        return;
    }

    switch (top().dest) {
    case Destination::Picture:
        pictures_.word(word);
        return;
    case Destination::FontTable:
        fonts_.word(word);
        return;
    case Destination::ColorTable:
        colors_.word(word);
        return;
    case Destination::FieldInstruction:
        return;
    case Destination::Text:
    case Destination::Skip:
        break;
    }
    // Anything none of these knows is a word this reader does not need; RTF
    // readers ignore those.
    documentWord(word) || applyCharacterWord(top().chr, word, defaultFont_) ||
        paragraphWord(word) || tableWord(word) || breakWord(word) || symbolWord(word);
}

// The code page, the default font and Unicode characters.
bool Parser::documentWord(const ControlWord& word) {
    if (const std::optional<int> page = documentCodePage(word)) {
        ansiCodePage_ = *page;
        return true;
    }
    const std::string_view w = word.name;
    const int param = word.param;
    Group& g = top();
    if (w == "deff") {
        defaultFont_ = param;
        if (stack_.size() == 1)
            g.chr.font = param;
    } else if (w == "uc") {
        g.uc = std::clamp(param, 0, 16);
    } else if (w == "u") {
        const int code = param < 0 ? param + 65536 : param;
        if (code > 0 && code <= 0xFFFF)
            appendText(QString(QChar(static_cast<char16_t>(code))));
        tokens_.skipStandIns(g.uc);
    } else {
        return false;
    }
    return true;
}

bool Parser::paragraphWord(const ControlWord& word) {
    if (word.name == "pard") {
        flushText(); // the text so far keeps the paragraph's old format
        top().para = ParaState{};
        return true;
    }
    return applyParagraphWord(top().para, word);
}

bool Parser::tableWord(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "intbl") {
        flushText();
        top().para.inTable = true;
    } else if (w == "trowd") {
        writer_.tables().defineRow();
    } else if (w == "cellx") {
        writer_.tables().addCellBoundary(word.param);
    } else if (w == "cell") {
        if (inText())
            writer_.endCell(top().para, top().chr);
    } else if (w == "row") {
        if (inText())
            writer_.endRow(top().para, top().chr);
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

bool Parser::breakWord(const ControlWord& word) {
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

bool Parser::symbolWord(const ControlWord& word) {
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

void Parser::controlSymbol(unsigned char c) {
    if (stack_.empty())
        return;
    flushBytes();
    ignorableNext_ = false;
    switch (c) {
    case '*':
        ignorableNext_ = true;
        return;
    case '\\':
    case '{':
    case '}':
        if (top().dest == Destination::Text || top().dest == Destination::FontTable ||
            top().dest == Destination::FieldInstruction)
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
        endParagraph();
        return;
    case '\t':
        insertSpecial(u'\t');
        return;
    default:
        return; // \: \| and unknown symbols carry nothing to show
    }
}

int Parser::codePage() const {
    int font = stack_.empty() ? -1 : stack_.back().chr.font;
    if (!stack_.empty() && stack_.back().dest == Destination::FontTable)
        font = fonts_.entryBeingRead();
    const int page = fonts_.codePageOf(font);
    return page > 0 ? page : ansiCodePage_;
}

void Parser::flushBytes() {
    if (pendingBytes_.isEmpty())
        return;
    QByteArray bytes;
    bytes.swap(pendingBytes_);
    appendText(decoder_.decode(bytes, codePage()));
}

void Parser::appendText(const QString& text) {
    if (stack_.empty() || text.isEmpty())
        return;
    Group& g = top();
    switch (g.dest) {
    case Destination::FontTable:
        fonts_.text(text);
        return;
    case Destination::ColorTable:
        colors_.text(text);
        return;
    case Destination::FieldInstruction:
        fieldInstruction_.append(text);
        return;
    case Destination::Text:
        writer_.append(text, g.chr, g.para);
        return;
    default:
        return;
    }
}

void Parser::insertSpecial(QChar c) {
    if (inText())
        appendText(QString(c));
}

void Parser::endParagraph() {
    if (inText())
        writer_.endParagraph(top().para, top().chr);
}

void Parser::flushText() {
    writer_.flush(stack_.empty() ? nullptr : &top().para);
}

void Parser::endPicture() {
    Picture picture = pictures_.take();
    if (picture.empty() || stack_.size() < 2)
        return;
    // The picture belongs to the text around its group, not to the group itself.
    const Group& outer = stack_[stack_.size() - 2];
    if (outer.dest != Destination::Text)
        return;
    if (const std::optional<QTextImageFormat> image = pictures_.place(std::move(picture)))
        writer_.insertImage(*image, top().para, outer.para);
}

} // namespace korvex::rtf
