// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_probe.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace korvex::test {
namespace {

QString normalise(QString s) {
    s.remove(QChar::ObjectReplacementCharacter);
    s.replace(QChar::LineSeparator, u' ');
    s.replace(QChar::Nbsp, u' ');
    s = s.simplified();
    static const QRegularExpression marker(
        QStringLiteral("^(\\x{2022}|\\x{00B7}|-|o|\\d+[.)])\\s+"));
    s.remove(marker);
    return s;
}

void walk(QTextFrame* frame, QStringList* paras, QStringList* rows) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child)) {
                for (int r = 0; r < table->rows(); ++r) {
                    QStringList cells;
                    for (int c = 0; c < table->columns(); ++c) {
                        QTextTableCell cell = table->cellAt(r, c);
                        QTextCursor cur = cell.firstCursorPosition();
                        cur.setPosition(cell.lastCursorPosition().position(),
                                        QTextCursor::KeepAnchor);
                        cells << normalise(
                            cur.selectedText().replace(QChar::ParagraphSeparator, u' '));
                    }
                    if (rows)
                        rows->append(cells.join(u'|'));
                }
            } else {
                walk(child, paras, rows);
            }
            continue;
        }
        const QString text = normalise(it.currentBlock().text());
        if (paras && !text.isEmpty())
            paras->append(text);
    }
}

QTextCursor find(const QTextDocument& doc, const QString& phrase) {
    return doc.find(phrase, 0, QTextDocument::FindCaseSensitively);
}

bool charHas(const QTextDocument& doc, int pos, Style style) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(pos + 1); // the format of the character before the cursor
    const QTextCharFormat f = c.charFormat();
    return style == Style::Bold ? f.fontWeight() >= QFont::Bold : f.fontItalic();
}

bool blankAt(const QTextDocument& doc, int pos) {
    const QChar ch = doc.characterAt(pos);
    return ch.isSpace() || ch == QChar::ParagraphSeparator || ch.isNull();
}

} // namespace

QStringList paragraphs(const QTextDocument& doc) {
    QStringList out;
    walk(doc.rootFrame(), &out, nullptr);
    return out;
}

QStringList tableRows(const QTextDocument& doc) {
    QStringList out;
    walk(doc.rootFrame(), nullptr, &out);
    return out;
}

QString rawText(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(u'\n');
}

bool styled(const QTextDocument& doc, const QString& phrase, Style style) {
    const QTextCursor hit = find(doc, phrase);
    if (hit.isNull())
        return false;
    for (int p = hit.selectionStart(); p < hit.selectionEnd(); ++p)
        if (!blankAt(doc, p) && !charHas(doc, p, style))
            return false;
    return true;
}

bool styledExactly(const QTextDocument& doc, const QString& phrase, Style style) {
    if (!styled(doc, phrase, style))
        return false;
    const QTextCursor hit = find(doc, phrase);
    int before = hit.selectionStart() - 1;
    while (before >= 0 && blankAt(doc, before))
        --before;
    int after = hit.selectionEnd();
    const int end = doc.characterCount() - 1;
    while (after < end && blankAt(doc, after))
        ++after;
    if (before >= 0 && charHas(doc, before, style))
        return false;
    if (after < end && charHas(doc, after, style))
        return false;
    return true;
}

} // namespace korvex::test
