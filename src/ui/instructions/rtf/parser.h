// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "code_pages.h"
#include "destinations.h"
#include "document_writer.h"
#include "font_table.h"
#include "formatting.h"
#include "instructions/rtf_read_result.h"
#include "pictures.h"
#include "tokenizer.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <chrono>
#include <vector>

class QTextDocument;

namespace korvex::rtf {

// What a group holds; a nested group starts with a copy of its parent's.
struct Group {
    Destination dest = Destination::Text;
    bool ownsDest = false; // this group opened the destination; closing it ends it
    CharState chr;
    ParaState para;
    int uc = 1; // stand-in characters after each \uN
};

// Reads RTF tokens into the document: keeps the groups, sends each token to
// the destination of the group it is in, and the shown text, with its
// formatting, to the writer.
class Parser {
public:
    // `in` is RTF from `start` on; the document is read into as it is.
    Parser(QByteArrayView in, qsizetype start, QTextDocument& doc);
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // Reads on until the deadline passes or `byteBudget` more bytes are read;
    // true once the whole document is in.
    bool step(const QDeadlineTimer& deadline, qsizetype byteBudget);
    // Puts the pictures decoded so far in their places, waiting up to `wait`
    // for one; true when none is still to come.
    bool collectPictures(std::chrono::milliseconds wait) { return pictures_.collect(wait); }
    qsizetype position() const { return tokens_.position(); }
    const RtfReadResult& result() const { return result_; }

private:
    void token(const Token& t);
    void openGroup();
    void closeGroup();
    void textByte(unsigned char c);
    void controlSymbol(unsigned char c);
    void controlWord(const ControlWord& word);
    // The word opens a destination, or is one that shows its text.
    bool destinationWord(std::string_view word);
    // One kind of word each; true when they knew it.
    bool documentWord(const ControlWord& word);
    bool paragraphWord(const ControlWord& word);
    bool tableWord(const ControlWord& word);
    bool breakWord(const ControlWord& word);
    bool symbolWord(const ControlWord& word);
    void finish();

    Group& top() { return stack_.back(); }
    // Whether the current group's text is shown.
    bool inText() const { return !stack_.empty() && stack_.back().dest == Destination::Text; }
    int codePage() const;
    // Decodes the text bytes gathered so far, in the code page they were read in.
    void flushBytes();
    // Text for the current destination.
    void appendText(const QString& text);
    // A character of the shown text only: a tab, a line break.
    void insertSpecial(QChar c);
    void endParagraph();
    void flushText();
    void endPicture();

    Tokenizer tokens_;
    RtfReadResult result_;
    bool finished_ = false;
    std::vector<Group> stack_;
    int untrackedDepth_ = 0; // groups opened beyond kMaxDepth
    bool ignorableNext_ = false;
    int ansiCodePage_ = 1252;
    int defaultFont_ = -1;
    FontTable fonts_;
    ColorTable colors_;
    CodePageDecoder decoder_;
    QByteArray pendingBytes_; // text bytes not yet decoded
    QString fieldInstruction_;
    Pictures pictures_;
    DocumentWriter writer_;
};

} // namespace korvex::rtf
