// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tokenizer.h"

#include <QColor>
#include <QList>
#include <QString>

#include <map>

namespace korvex::rtf {

struct FontEntry {
    QString name;
    QString generic;  // fontconfig alias used when the named family is missing
    int codePage = 0; // 0: the document's
    bool nameDone = false;
};

// The fonts of \fonttbl, by number: an entry is its words (\fN starts one),
// then its name up to a ';'.
class FontTable {
public:
    void word(const ControlWord& word);
    void text(const QString& text);
    // The entry being read is complete, even without its ';'.
    void endEntry();

    // The number of the entry being read (or last read); -1 before any.
    int entryBeingRead() const { return reading_; }
    const FontEntry* find(int font) const;
    // The code page of the font's text; 0 where the document's applies.
    int codePageOf(int font) const;

private:
    std::map<int, FontEntry> fonts_;
    int reading_ = -1;
};

// The colours of \colortbl: \red, \green and \blue, each entry ended by a ';'.
class ColorTable {
public:
    // The words that follow make a new entry (at \colortbl and after each ';').
    void startEntry() { red_ = green_ = blue_ = -1; }
    void word(const ControlWord& word);
    void text(const QString& text);

    // An invalid colour for 0 ("automatic"), an entry without colour words,
    // or past the table.
    QColor at(int index) const;

private:
    QList<QColor> colors_;
    int red_ = -1;
    int green_ = -1;
    int blue_ = -1;
};

} // namespace korvex::rtf
