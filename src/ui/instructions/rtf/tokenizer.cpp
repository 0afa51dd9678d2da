// SPDX-License-Identifier: GPL-3.0-or-later
#include "tokenizer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace korvex::rtf {
namespace {

bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

int hexValue(unsigned char h) {
    if (h >= '0' && h <= '9')
        return h - '0';
    if (h >= 'a' && h <= 'f')
        return h - 'a' + 10;
    if (h >= 'A' && h <= 'F')
        return h - 'A' + 10;
    return -1;
}

Token tokenOf(Token::Kind kind, unsigned char byte = 0) {
    Token t;
    t.kind = kind;
    t.byte = byte;
    return t;
}

} // namespace

bool Tokenizer::standsIn() {
    if (standIns_ == 0)
        return false;
    --standIns_;
    return true;
}

Token Tokenizer::next() {
    if (atEnd())
        return {};
    const unsigned char c = peek();
    ++pos_;
    switch (c) {
    case '{':
        standIns_ = 0;
        return tokenOf(Token::Kind::OpenGroup);
    case '}':
        standIns_ = 0;
        return tokenOf(Token::Kind::CloseGroup);
    case '\\':
        return controlSequence();
    case '\r':
    case '\n':
        return {}; // line breaks in the source are not text
    default:
        if (standsIn())
            return {};
        return tokenOf(Token::Kind::Text, c);
    }
}

Token Tokenizer::controlSequence() {
    if (atEnd())
        return {};
    const unsigned char c = peek();
    if (!isLetter(c)) {
        ++pos_;
        if (c == '\'') {
            const int hi = hexValue(peek());
            const int lo = hi < 0 ? -1 : hexValue(peek(1));
            if (lo < 0)
                return {};
            pos_ += 2;
            if (standsIn())
                return {};
            return tokenOf(Token::Kind::Byte, static_cast<unsigned char>(hi << 4 | lo));
        }
        if (standsIn())
            return {};
        return tokenOf(Token::Kind::Symbol, c);
    }

    constexpr qsizetype kMaxName = 32;
    const qsizetype nameStart = pos_;
    while (!atEnd() && isLetter(peek()))
        ++pos_;
    const qsizetype nameLength = std::min(pos_ - nameStart, kMaxName);
    bool hasParam = false;
    bool negative = false;
    std::int64_t value = 0;
    if (peek() == '-' && isDigit(peek(1))) {
        negative = true;
        ++pos_;
    }
    while (!atEnd() && isDigit(peek())) {
        hasParam = true;
        value =
            std::min<std::int64_t>(value * 10 + (peek() - '0'), std::numeric_limits<int>::max());
        ++pos_;
    }
    if (peek() == ' ')
        ++pos_; // the space that ends a word belongs to it
    Token t;
    t.word.name = std::string_view(in_.data() + nameStart, static_cast<std::size_t>(nameLength));
    t.word.hasParam = hasParam;
    t.word.param = static_cast<int>(negative ? -value : value);

    if (t.word.name == "bin") {
        // Its data is read past even where the word itself would be dropped.
        const qsizetype n =
            std::clamp<qsizetype>(hasParam ? t.word.param : 0, 0, in_.size() - pos_);
        t.kind = Token::Kind::Binary;
        t.binary = in_.sliced(pos_, n);
        pos_ += n;
        return t;
    }
    if (standsIn())
        return {};
    t.kind = Token::Kind::Word;
    return t;
}

} // namespace korvex::rtf
