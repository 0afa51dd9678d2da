// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tokenizer.h"

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextOption>

namespace korvex::rtf {

class ColorTable;
class FontTable;

// Character formatting, as a group holds it.
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

// Paragraph formatting, as a group holds it (\pard starts it afresh).
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

// Apply a character or paragraph formatting word; false for other words.
// \plain goes back to `defaultFont`. \pard is left to the reader, which puts
// the text before it in the document first.
bool applyCharacterWord(CharState& chr, const ControlWord& word, int defaultFont);
bool applyParagraphWord(ParaState& para, const ControlWord& word);

QTextCharFormat charFormat(const CharState& s, const FontTable& fonts, const ColorTable& colors);
QTextBlockFormat blockFormat(const ParaState& p);

} // namespace korvex::rtf
