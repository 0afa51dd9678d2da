// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formatting.h"
#include "instructions/paragraph_bound.h"
#include "table_builder.h"
#include "text_position.h"

#include <QString>
#include <QTextBlock>
#include <QTextImageFormat>

class QTextDocument;

namespace korvex::rtf {

class ColorTable;
class FontTable;

// Puts shown text, paragraphs, table cells and pictures in the document, each
// in the formatting the reader hands with it. Text of one format is gathered
// into runs; paragraphs stay within what a layout takes (ParagraphBound), and
// empty paragraphs in a row are capped.
class DocumentWriter {
public:
    DocumentWriter(QTextDocument& doc, const FontTable& fonts, const ColorTable& colors);

    // Text in a paragraph formatted `para`; hidden text is dropped.
    void append(const QString& text, const CharState& chr, const ParaState& para);
    // Puts the text gathered so far in the document. `para` is the paragraph
    // it belongs to; none once every group has closed.
    void flush(const ParaState* para);
    void endParagraph(const ParaState& para, const CharState& chr);
    void endCell(const ParaState& para, const CharState& chr);
    void endRow(const ParaState& para, const CharState& chr);
    // A picture read in a group formatted `para`, placed in the paragraph
    // around it, formatted `outer`.
    void insertImage(const QTextImageFormat& image, const ParaState& para, const ParaState& outer);
    // The input has ended: the last paragraph gets its format.
    void finish();

    TableBuilder& tables() { return tables_; }

private:
    void cutParagraph(const ParaState& p);
    QTextBlockFormat paragraphFormat(const ParaState& p) const;

    const FontTable& fonts_;
    const ColorTable& colors_;
    TextPosition at_;
    TableBuilder tables_;
    QString pendingText_;
    CharState pendingFormat_;
    int emptyParagraphs_ = 0; // in a row, just before the cursor
    ParaState lastPara_;      // of the text put in last
    ParagraphBound bound_;
    QTextBlock boundBlock_;     // the paragraph bound_ counts
    QTextBlock continuedBlock_; // the latest paragraph that goes on one cut short
};

} // namespace korvex::rtf
