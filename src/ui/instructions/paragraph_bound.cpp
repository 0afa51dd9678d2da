// SPDX-License-Identifier: GPL-3.0-or-later
#include "paragraph_bound.h"

#include <algorithm>

namespace korvex {

QStringList ParagraphBound::cut(const QString& text) {
    // The common case, a short run well inside its paragraph, is left whole.
    if (!cutDue_ && length_ + text.size() < kSoftLength && word_ + text.size() <= kMaxWord) {
        length_ += text.size();
        qsizetype blank = text.size() - 1;
        while (blank >= 0 && !text[blank].isSpace())
            --blank;
        word_ = blank < 0 ? word_ + text.size() : text.size() - 1 - blank;
        return {text};
    }
    QStringList pieces;
    QString piece;
    piece.reserve(std::min<qsizetype>(text.size(), kHardLength + kHardLength / kMaxWord));
    for (const QChar c : text) {
        if (cutDue_) {
            // Cut before the next character rather than after the last: a
            // paragraph that ends here is not followed by an empty one.
            pieces.append(piece);
            piece.clear();
            cutDue_ = false;
        }
        if (c.isSpace()) {
            word_ = 0;
        } else if (++word_ > kMaxWord) {
            piece.append(QChar(0x200B));
            ++length_;
            word_ = 1;
        }
        piece.append(c);
        ++length_;
        if (length_ >= kHardLength || (length_ >= kSoftLength && c.isSpace())) {
            cutDue_ = true;
            length_ = 0;
            word_ = 0;
        }
    }
    pieces.append(piece);
    return pieces;
}

} // namespace korvex
