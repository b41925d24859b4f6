// CGERangeBlock: the cells that a list of ranges covers, seen as one block: every row of the list's row
// spans (ascending) crossed with every column of its column spans (ascending). Overlapping and adjacent
// ranges count once. Whole rows, whole columns and the table reach to the last row and column given.
#pragma once

#include "grid/core/GECoreDefs.h"

#include <utility>
#include <vector>

class CGERangeList;

class CGERangeBlock {
public:
    CGERangeBlock(const CGERangeList& list, ROWCOL nLastRow, ROWCOL nLastCol);

    using Span = std::pair<ROWCOL, ROWCOL>; // first and last, inclusive
    const std::vector<Span>& RowSpans() const { return m_rows; }
    const std::vector<Span>& ColSpans() const { return m_cols; }

    // Rows and columns of the block (the sums of the spans' lengths) and their product.
    ULONGLONG GetRowCount() const { return Count(m_rows); }
    ULONGLONG GetColCount() const { return Count(m_cols); }
    ULONGLONG GetCellCount() const { return GetRowCount() * GetColCount(); }
    BOOL IsEmpty() const { return m_rows.empty() || m_cols.empty(); }

    // Calls f(row, column, row index, column index) for every cell, rows outer; stops and answers FALSE
    // at the first FALSE of f.
    template <class F> BOOL ForEachCell(F f) const {
        ROWCOL nRowIndex = 0;
        for (const Span& rows : m_rows) {
            for (ROWCOL nRow = rows.first;; ++nRow) {
                ROWCOL nColIndex = 0;
                for (const Span& cols : m_cols) {
                    for (ROWCOL nCol = cols.first;; ++nCol) {
                        if (!f(nRow, nCol, nRowIndex, nColIndex++))
                            return FALSE;
                        if (nCol == cols.second)
                            break;
                    }
                }
                ++nRowIndex;
                if (nRow == rows.second)
                    break;
            }
        }
        return TRUE;
    }

private:
    static ULONGLONG Count(const std::vector<Span>& spans);

    std::vector<Span> m_rows;
    std::vector<Span> m_cols;
};
