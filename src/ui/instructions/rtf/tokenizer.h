// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <string_view>

namespace korvex::rtf {

struct ControlWord {
    std::string_view name; // its first 32 letters; no word a writer uses is longer
    bool hasParam = false;
    int param = 0;
    // A toggle without a parameter, or with one other than 0, switches on.
    bool switchedOn() const { return !hasParam || param != 0; }
};

// One unit of RTF as the tokenizer reads it.
struct Token {
    enum class Kind {
        Nothing,    // read past: a line break in the source, a malformed \', a
                    // stand-in character after \uN
        OpenGroup,  // {
        CloseGroup, // }
        Word,       // \name, with a parameter if one follows
        Symbol,     // \ and a character other than a letter
        Byte,       // \'hh: a byte of text in the current code page
        Text,       // a byte of text as it stands
        Binary,     // the data that follows \binN
    };
    Kind kind = Kind::Nothing;
    ControlWord word;      // Word
    unsigned char byte{};  // Symbol, Byte, Text
    QByteArrayView binary; // Binary
};

// Cuts RTF into tokens. Any bytes make tokens; a parameter beyond an int is
// held at the largest int, and \bin never takes more than the input has.
class Tokenizer {
public:
    Tokenizer(QByteArrayView in, qsizetype start)
        : in_(in)
        , pos_(start) {}

    bool atEnd() const { return pos_ >= in_.size(); }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return in_.size() - pos_; }

    // The token at the position; Nothing at the end.
    Token next();

    // Drops the `count` characters that follow \uN in place of it for
    // readers without Unicode. A group's brace ends them early.
    void skipStandIns(int count) { standIns_ = count; }

private:
    unsigned char peek(qsizetype ahead = 0) const {
        return pos_ + ahead < in_.size() ? static_cast<unsigned char>(in_[pos_ + ahead]) : 0;
    }
    Token controlSequence();
    // Whether the character just read stands in for the last \uN.
    bool standsIn();

    QByteArrayView in_;
    qsizetype pos_;
    int standIns_ = 0;
};

} // namespace korvex::rtf
