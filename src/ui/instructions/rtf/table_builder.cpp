// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_builder.h"

#include "units.h"

#include <QTextTable>

#include <algorithm>

namespace korvex::rtf {
namespace {

constexpr int kMaxTableColumns = 64;
constexpr int kMaxTableCells = 5000;
// A view lays out a whole table again each time rows are added to it, and
// after it; a table of thousands of cells costs the window a second each time.
// The rows past this are shown as text, and the next table is a table again.
constexpr int kMaxCellsPerTable = 256;

} // namespace

void TableBuilder::addCellBoundary(int twips) {
    if (cellBoundaries_.size() < kMaxTableColumns)
        cellBoundaries_.append(clampTwips(twips));
}

void TableBuilder::place(bool inTable) {
    if (inTable && !disabled_)
        enterCell();
    else if (table_)
        leave();
}

bool TableBuilder::enterCell() {
    if (disabled_)
        return false;
    QTextCursor& cursor = at_.cursor;
    if (!table_) {
        int columns = std::clamp<int>(cellBoundaries_.size(), 1, kMaxTableColumns);
        if (cellsMade_ + columns > kMaxTableCells) {
            disabled_ = true;
            return false;
        }
        QTextTableFormat tf;
        tf.setBorder(1);
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setCellPadding(4);
        tf.setCellSpacing(0);
        tf.setBorderCollapse(true);
        if (cellBoundaries_.size() == columns) {
            // Widths in proportion to the writer's, so a table written for a
            // page fits whatever width the window has.
            QList<QTextLength> widths;
            const double total = std::max(1, cellBoundaries_.back());
            int prev = 0;
            for (int x : cellBoundaries_) {
                widths.append(QTextLength(QTextLength::PercentageLength,
                                          std::clamp((x - prev) / total * 100.0, 1.0, 100.0)));
                prev = x;
            }
            tf.setColumnWidthConstraints(widths);
            tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        }
        if (at_.blockHasContent) {
            cursor.insertBlock();
            at_.blockHasContent = false;
        }
        table_ = cursor.insertTable(1, columns, tf);
        cellsMade_ += columns;
        tableCells_ = columns;
        row_ = col_ = cursorCol_ = 0;
        rowClosed_ = false;
        return true;
    }
    if (rowClosed_) {
        if (cellsMade_ + table_->columns() > kMaxTableCells ||
            tableCells_ + table_->columns() > kMaxCellsPerTable) {
            untilTableEnds_ = cellsMade_ + table_->columns() <= kMaxTableCells;
            leave();
            disabled_ = true;
            return false;
        }
        table_->appendRows(1);
        cellsMade_ += table_->columns();
        tableCells_ += table_->columns();
        ++row_;
        col_ = cursorCol_ = 0;
        rowClosed_ = false;
        cursor = table_->cellAt(row_, 0).firstCursorPosition();
    }
    if (col_ != cursorCol_) {
        if (col_ >= table_->columns() && table_->columns() < kMaxTableColumns &&
            cellsMade_ + table_->rows() <= kMaxTableCells &&
            tableCells_ + table_->rows() <= kMaxCellsPerTable) {
            table_->appendColumns(1);
            cellsMade_ += table_->rows();
            tableCells_ += table_->rows();
        }
        // Past the last column that may exist, cells share the last one.
        const int target = std::min(col_, table_->columns() - 1);
        if (target != cursorCol_) {
            cursor = table_->cellAt(row_, target).firstCursorPosition();
            cursorCol_ = target;
        }
    }
    return true;
}

void TableBuilder::paragraphOutside() {
    if (untilTableEnds_)
        disabled_ = untilTableEnds_ = false;
}

void TableBuilder::leave() {
    if (!table_)
        return;
    at_.cursor = table_->lastCursorPosition();
    at_.cursor.movePosition(QTextCursor::NextBlock);
    table_ = nullptr;
    at_.blockHasContent = false;
}

bool TableBuilder::atCellStart() const {
    return at_.cursor.block() == table_->cellAt(row_, col_).firstCursorPosition().block();
}

} // namespace korvex::rtf
