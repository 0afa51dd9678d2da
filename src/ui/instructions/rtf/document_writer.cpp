// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_writer.h"

#include "font_table.h"

#include <QTextDocument>
#include <QTextTable>

namespace korvex::rtf {
namespace {

// Text of one format is put in the document in runs of about this many
// characters, so a slice ends with what it read on screen.
constexpr qsizetype kRunLength = 4096;
// Empty paragraphs in a row beyond this add nothing a reader would miss, and
// millions of them cost the window seconds.
constexpr int kMaxEmptyParagraphs = 16;

} // namespace

DocumentWriter::DocumentWriter(QTextDocument& doc, const FontTable& fonts, const ColorTable& colors)
    : fonts_(fonts)
    , colors_(colors)
    , at_{QTextCursor(&doc)}
    , tables_(at_) {}

void DocumentWriter::append(const QString& text, const CharState& chr, const ParaState& para) {
    if (chr.hidden)
        return;
    if (!pendingText_.isEmpty() && !(pendingFormat_ == chr))
        flush(&para);
    pendingFormat_ = chr;
    pendingText_.append(text);
    if (pendingText_.size() >= kRunLength)
        flush(&para);
}

void DocumentWriter::flush(const ParaState* para) {
    if (pendingText_.isEmpty())
        return;
    QString text;
    text.swap(pendingText_);
    if (para && !para->inTable)
        tables_.paragraphOutside();
    tables_.place(para && para->inTable);
    if (para)
        lastPara_ = *para;
    QTextCursor& cursor = at_.cursor;
    if (cursor.block() != boundBlock_) {
        bound_.restart();
        boundBlock_ = cursor.block();
    }
    const QStringList pieces = bound_.cut(text);
    const QTextCharFormat format = charFormat(pendingFormat_, fonts_, colors_);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            cutParagraph(lastPara_);
        cursor.insertText(pieces[i], format);
    }
    at_.blockHasContent = true;
}

void DocumentWriter::cutParagraph(const ParaState& p) {
    // The two parts read as one paragraph: no space between them, and the
    // second starts at the margin.
    QTextBlockFormat first = paragraphFormat(p);
    first.setBottomMargin(0);
    at_.cursor.setBlockFormat(first);
    QTextBlockFormat rest = blockFormat(p);
    rest.setTopMargin(0);
    rest.setTextIndent(0);
    at_.cursor.insertBlock(rest);
    continuedBlock_ = boundBlock_ = at_.cursor.block();
}

QTextBlockFormat DocumentWriter::paragraphFormat(const ParaState& p) const {
    QTextBlockFormat f = blockFormat(p);
    if (at_.cursor.block() == continuedBlock_) {
        f.setTopMargin(0);
        f.setTextIndent(0);
    }
    return f;
}

void DocumentWriter::endParagraph(const ParaState& para, const CharState& chr) {
    flush(&para);
    if (!para.inTable)
        tables_.paragraphOutside();
    if (at_.blockHasContent)
        emptyParagraphs_ = 0;
    else if (++emptyParagraphs_ > kMaxEmptyParagraphs)
        return;
    tables_.place(para.inTable);
    at_.cursor.setBlockFormat(paragraphFormat(para));
    at_.cursor.insertBlock(blockFormat(para), charFormat(chr, fonts_, colors_));
    at_.blockHasContent = false;
}

void DocumentWriter::endCell(const ParaState& para, const CharState& chr) {
    flush(&para);
    if (!tables_.enterCell() || tables_.cellShared()) {
        append(QStringLiteral("\t"), chr, para); // no cell of its own
        return;
    }
    // Writers close each cell's last paragraph with \par before \cell; that
    // paragraph mark is not an empty line of the cell.
    if (!at_.blockHasContent && !tables_.atCellStart())
        at_.cursor.deletePreviousChar();
    else
        at_.cursor.setBlockFormat(paragraphFormat(para));
    at_.blockHasContent = false;
    tables_.nextCell();
}

void DocumentWriter::endRow(const ParaState& para, const CharState& chr) {
    flush(&para);
    if (!tables_.open()) {
        if (tables_.disabled())
            endParagraph(para, chr);
        return;
    }
    tables_.closeRow();
}

void DocumentWriter::insertImage(const QTextImageFormat& image, const ParaState& para,
                                 const ParaState& outer) {
    flush(&para);
    tables_.place(outer.inTable);
    at_.cursor.insertImage(image);
    at_.blockHasContent = true;
}

void DocumentWriter::finish() {
    flush(nullptr);
    if (at_.blockHasContent)
        at_.cursor.setBlockFormat(paragraphFormat(lastPara_));
}

} // namespace korvex::rtf
