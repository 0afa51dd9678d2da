// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_reader.h"

#include "rtf/parser.h"
#include "settings/cp1252.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <optional>

namespace korvex {
namespace {

// Where the content starts: past a UTF-8 byte order mark and blanks.
qsizetype contentStart(QByteArrayView in) {
    qsizetype start = 0;
    if (in.size() >= 3 && static_cast<unsigned char>(in[0]) == 0xEF &&
        static_cast<unsigned char>(in[1]) == 0xBB && static_cast<unsigned char>(in[2]) == 0xBF)
        start = 3;
    while (start < in.size() && QChar::isSpace(static_cast<unsigned char>(in[start])))
        ++start;
    return start;
}

// Input that is not RTF, shown as it is rather than nothing: as UTF-8 where it
// is valid, as Windows-1252 otherwise.
class PlainTextReader {
public:
    PlainTextReader(QByteArrayView body, QTextDocument& doc)
        : cursor_(&doc) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text_ = utf8(body);
        if (utf8.hasError())
            text_ = fromCp1252(body);
    }

    // Puts up to `characterBudget` more characters in the document; true once
    // all are in.
    bool step(qsizetype characterBudget) {
        if (finished_)
            return true;
        // Whole lines, where there are any, so that no line is laid out twice.
        qsizetype end = std::min(text_.size(), pos_ + characterBudget);
        if (end < text_.size()) {
            const qsizetype lineEnd = text_.lastIndexOf(u'\n', end - 1);
            if (lineEnd >= pos_)
                end = lineEnd + 1;
        }
        cursor_.insertText(QStringView(text_).sliced(pos_, end - pos_).toString());
        pos_ = end;
        finished_ = pos_ >= text_.size();
        if (finished_)
            text_.clear();
        return finished_;
    }

    qsizetype position() const { return pos_; } // in characters

private:
    QTextCursor cursor_;
    QString text_;
    qsizetype pos_ = 0;
    bool finished_ = false;
};

} // namespace

struct RtfLoader::State {
    State(QByteArray bytes, QTextDocument& doc, bool undo)
        : input(std::move(bytes))
        , document(doc)
        , undoWasEnabled(undo) {
        const qsizetype start = contentStart(input);
        if (QByteArrayView(input).sliced(start).startsWith("{\\rtf"))
            parser.emplace(input, start, doc);
        else
            plainText.emplace(QByteArrayView(input).sliced(start), doc);
    }

    // Reads on until the deadline passes or about `budget` more of the input
    // is read; true once the whole text is in.
    bool step(const QDeadlineTimer& deadline, qsizetype budget) {
        return parser ? parser->step(deadline, budget) : plainText->step(budget);
    }
    bool collectPictures(std::chrono::milliseconds wait) {
        return parser ? parser->collectPictures(wait) : true;
    }
    qsizetype position() const { return parser ? parser->position() : plainText->position(); }

    QByteArray input; // RTF, or text shown as it is
    QTextDocument& document;
    const bool undoWasEnabled;
    std::optional<rtf::Parser> parser;        // for RTF
    std::optional<PlainTextReader> plainText; // for anything else
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
    const qsizetype before = s.position();
    // One edit block per slice: outside one, every insertion lays out its
    // paragraph again to place the cursor, which is quadratic in a long
    // paragraph of many formats. A view lays out the slice when it ends.
    QTextCursor editBlock(&s.document);
    editBlock.beginEditBlock();
    const bool textIn = s.step(QDeadlineTimer(budget), s.sliceBytes);
    // Once the text is in, what is left of the slice waits for pictures.
    const auto left = std::max<qint64>(0, budget.count() - clock.elapsed());
    const bool picturesIn = s.collectPictures(std::chrono::milliseconds(textIn ? left : 0));
    editBlock.endEditBlock();
    s.done = textIn && picturesIn;
    if (s.done) {
        s.document.setUndoRedoEnabled(s.undoWasEnabled);
        return true;
    }
    if (textIn)
        return false;
    // Size the next slice so that reading and laying it out fit the budget.
    const qsizetype read = std::max<qsizetype>(1, s.position() - before);
    const qint64 spent = std::max<qint64>(1, clock.elapsed());
    const qsizetype fitting = read * budget.count() / spent;
    s.sliceBytes = std::clamp<qsizetype>(fitting, 1024, 4 * s.sliceBytes);
    return false;
}

bool RtfLoader::done() const {
    return state_->done;
}

RtfReadResult RtfLoader::result() const {
    return state_->parser ? state_->parser->result() : RtfReadResult{};
}

RtfReadResult readRtf(QByteArrayView rtf, QTextDocument& document) {
    RtfLoader loader(QByteArray::fromRawData(rtf.data(), rtf.size()), document);
    while (!loader.readFor(std::chrono::hours(1))) {
    }
    return loader.result();
}

} // namespace korvex
