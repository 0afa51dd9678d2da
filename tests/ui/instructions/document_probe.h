// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a QTextDocument back the way a person looks at it: paragraphs in
// order, table rows, and whether a phrase carries a style.

#include <QString>
#include <QStringList>

class QTextDocument;

namespace korvex::test {

// Paragraphs outside tables, whitespace collapsed, list markers and picture
// placeholders removed; empty paragraphs are dropped.
QStringList paragraphs(const QTextDocument& doc);

// Every table row as its cells' texts joined by "|", tables in order.
QStringList tableRows(const QTextDocument& doc);

// All paragraphs, tables included, joined by '\n', exactly as stored.
QString rawText(const QTextDocument& doc);

enum class Style { Bold, Italic };

// True when every character of the first occurrence of `phrase` has the
// style and the characters right before and after it (if any, and not
// blanks) do not. Fails when the phrase is absent.
bool styledExactly(const QTextDocument& doc, const QString& phrase, Style style);

// Whether the phrase's characters have the style, ignoring its neighbours.
bool styled(const QTextDocument& doc, const QString& phrase, Style style);

} // namespace korvex::test
