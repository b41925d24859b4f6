// CGECellRange: a rectangular block of grid cells, the value by which every grid operation that concerns
// more than one cell names its cells. Row 0 and column 0 are the headers; data rows and columns count from 1.
// A plain value: copied and compared field by field.
#pragma once

#include "framework/core/AfxDefs.h"

class CArchive;

// A grid row or column number.
using ROWCOL = DWORD;

class CGECellRange {
public:
    // What the range names; whole rows keep left/right 0, whole columns top/bottom 0, and the table
    // keeps whatever coordinates it held (they are ignored).
    enum Kind : UINT { cells = 0, rows = 1, cols = 2, table = 3 };

    // Empty: kind cells, all coordinates 0, not valid.
    CGECellRange() = default;
    CGECellRange(const CGECellRange&) = default;
    // A copy of *pRange; a null pointer gives the empty range.
    explicit CGECellRange(const CGECellRange* pRange);
    // The cells (top, left)-(bottom, right), as SetCells.
    CGECellRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGECellRange& operator=(const CGECellRange&) = default;
    bool operator==(const CGECellRange&) const = default;

    // Each setter orders its arguments (top <= bottom, left <= right) and makes the range valid.
    CGECellRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGECellRange& SetRows(ROWCOL nFirst, ROWCOL nLast);
    CGECellRange& SetCols(ROWCOL nFirst, ROWCOL nLast);
    CGECellRange& SetTable();

    // Turns whole rows, whole columns or the table into cells, taking the missing coordinates from the
    // arguments (callers pass 1 or the header count first and the row or column count last). A cell range
    // keeps its coordinates. The valid flag is not changed.
    CGECellRange& ExpandToCells(ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol);

    // False when not valid; the table contains every cell, also the headers.
    BOOL Contains(ROWCOL nRow, ROWCOL nCol) const;

    // This becomes the intersection (union) of a and b, whose own valid flags are not consulted; the
    // result's valid flag is returned (a union is always valid). a or b may be this range.
    BOOL SetIntersection(const CGECellRange& a, const CGECellRange& b);
    BOOL SetUnion(const CGECellRange& a, const CGECellRange& b);

    BOOL IsValid() const { return valid; }
    BOOL IsCells() const { return kind == cells; }
    BOOL IsRows() const { return kind == rows; }
    BOOL IsCols() const { return kind == cols; }
    BOOL IsTable() const { return kind == table; }

    UINT kind = cells;
    ROWCOL top = 0;
    ROWCOL left = 0;
    ROWCOL bottom = 0;
    ROWCOL right = 0;
    BOOL valid = FALSE;
};

// Stored form, 18 bytes: top, left, bottom, right as little-endian DWORDs, then the kind and the valid flag
// as one byte each. Loading refuses a kind outside 0..3 with the archive's generic exception.
CArchive& operator<<(CArchive& ar, const CGECellRange& range);
CArchive& operator>>(CArchive& ar, CGECellRange& range);
