// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// Keeps every paragraph within what a layout takes in one go. A view lays out
// a whole paragraph again whenever text is added to it, and a word longer than
// a line is measured again for every line it fills, so a paragraph of
// megabytes, or one word of a hundred kilobytes, would cost the window seconds
// at a time. No paragraph or word a writer makes for people comes near these.
class ParagraphBound {
public:
    // A paragraph is cut after a blank once it has kSoftLength characters,
    // and wherever it has reached kHardLength.
    static constexpr qsizetype kSoftLength = 3072;
    static constexpr qsizetype kHardLength = 4096;
    // A longer word gets a zero-width space after every kMaxWord characters,
    // where a line may break.
    static constexpr qsizetype kMaxWord = 256;

    // `text`, to be added to the current paragraph, in pieces: the paragraph
    // is to be cut between two pieces.
    QStringList cut(const QString& text);

    // The text that follows goes to another paragraph.
    void restart() {
        length_ = 0;
        word_ = 0;
        cutDue_ = false;
    }

private:
    qsizetype length_ = 0; // characters in the paragraph so far
    qsizetype word_ = 0;   // characters since the last blank
    bool cutDue_ = false;  // the paragraph is full: cut before what comes next
};

} // namespace korvex
