// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "instructions/picture_decoder.h"
#include "instructions/rtf_read_result.h"
#include "tokenizer.h"

#include <QByteArray>
#include <QTextImageFormat>

#include <chrono>
#include <optional>
#include <set>

class QTextDocument;

namespace korvex::rtf {

// A \pict group as read so far.
struct Picture {
    enum Kind { Unknown, Png, Jpeg } kind = Unknown;
    QByteArray data;
    int highNibble = -1; // of a hex pair, read before its low one
    int goalW = 0;
    int goalH = 0;
    int scaleX = 100;
    int scaleY = 100;

    bool empty() const { return kind == Unknown || data.isEmpty(); }
};

// Collects the document's pictures and hands them to a decoder, within the
// budgets of bytes, decoded pixels and layout; what is beyond them is shown as
// a box of its size, or left out. Counts what it did in the reader's result.
class Pictures {
public:
    Pictures(QTextDocument& doc, RtfReadResult& result)
        : doc_(doc)
        , result_(result) {}

    // \pict: a new picture is collected.
    void start() { picture_ = Picture{}; }
    void word(const ControlWord& word);
    // Its data, as hex digits (other bytes are read past) or after \bin.
    void hexDigit(unsigned char c);
    void binary(QByteArrayView data);
    // The picture collected, for placing; collecting starts afresh.
    Picture take();

    // The image to put where `picture` stands; nothing when it does not
    // decode or is beyond what the layout takes.
    std::optional<QTextImageFormat> place(Picture picture);

    // Puts the pictures decoded so far in their places, waiting up to `wait`
    // for one; true when none is still to come.
    bool collect(std::chrono::milliseconds wait);

private:
    QString placeholderName();

    QTextDocument& doc_;
    RtfReadResult& result_;
    Picture picture_;
    qint64 decodedBytes_ = 0; // of pictures sent to the decoder
    bool placeholderAdded_ = false;
    PictureLayoutBudget layout_;
    PictureDecoder decoder_;
    int sent_ = 0;
    std::set<int> pending_; // ids still being decoded
};

} // namespace korvex::rtf
