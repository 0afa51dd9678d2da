// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text_position.h"

#include <QList>

class QTextTable;

namespace korvex::rtf {

// Builds the document's tables from the writer's cell and row marks. Tables
// stay within a budget of cells, in all and per table; text past it goes on
// as plain paragraphs, separated by tabs where cells ended.
class TableBuilder {
public:
    explicit TableBuilder(TextPosition& at)
        : at_(at) {}

    // \trowd and \cellx: the right edges of the next row's cells.
    void defineRow() { cellBoundaries_.clear(); }
    void addCellBoundary(int twips);

    // Puts the cursor where a paragraph goes that is (`inTable`) or is not
    // part of a table: in the current cell, or after the table.
    void place(bool inTable);
    // Puts the cursor in the current cell, making the table, a row or a
    // column as needed; false when tables are off.
    bool enterCell();
    // Puts the cursor after the table; the next cell starts a new one.
    void leave();
    // A paragraph outside a table turns tables on again after a full one.
    void paragraphOutside();

    bool open() const { return table_ != nullptr; }
    bool disabled() const { return disabled_; }
    // Cells past the last column share it: the cursor stays where it is.
    bool cellShared() const { return col_ > cursorCol_; }
    // Whether the cursor is in the current cell's first paragraph.
    bool atCellStart() const;
    void nextCell() { ++col_; }
    void closeRow() { rowClosed_ = true; }

private:
    TextPosition& at_;
    QList<int> cellBoundaries_;
    QTextTable* table_ = nullptr;
    int row_ = 0;
    int col_ = 0;       // the cell the writer is in
    int cursorCol_ = 0; // the cell the cursor is in
    bool rowClosed_ = false;
    int cellsMade_ = 0;  // in all tables
    int tableCells_ = 0; // in this one
    bool disabled_ = false;
    bool untilTableEnds_ = false; // tables are off only for the rest of a full one
};

} // namespace korvex::rtf
