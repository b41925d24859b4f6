#include "grid/core/CGECellRange.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

#include <algorithm>

CGECellRange::CGECellRange(const CGECellRange* pRange) {
    if (pRange != nullptr)
        *this = *pRange;
}

CGECellRange::CGECellRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    SetCells(nTop, nLeft, nBottom, nRight);
}

CGECellRange& CGECellRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    kind = cells;
    top = std::min(nTop, nBottom);
    bottom = std::max(nTop, nBottom);
    left = std::min(nLeft, nRight);
    right = std::max(nLeft, nRight);
    valid = TRUE;
    return *this;
}

CGECellRange& CGECellRange::SetRows(ROWCOL nFirst, ROWCOL nLast) {
    SetCells(nFirst, 0, nLast, 0);
    kind = rows;
    return *this;
}

CGECellRange& CGECellRange::SetCols(ROWCOL nFirst, ROWCOL nLast) {
    SetCells(0, nFirst, 0, nLast);
    kind = cols;
    return *this;
}

CGECellRange& CGECellRange::SetTable() {
    kind = table;
    valid = TRUE;
    return *this;
}

CGECellRange& CGECellRange::ExpandToCells(ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow,
                                          ROWCOL nLastCol) {
    if (kind == rows || kind == table) {
        left = nFirstCol;
        right = nLastCol;
    }
    if (kind == cols || kind == table) {
        top = nFirstRow;
        bottom = nLastRow;
    }
    kind = cells;
    return *this;
}

BOOL CGECellRange::Contains(ROWCOL nRow, ROWCOL nCol) const {
    if (!valid)
        return FALSE;
    const bool inRows = top <= nRow && nRow <= bottom;
    const bool inCols = left <= nCol && nCol <= right;
    switch (kind) {
    case table:
        return TRUE;
    case rows:
        return inRows;
    case cols:
        return inCols;
    default:
        return inRows && inCols;
    }
}

BOOL CGECellRange::SetIntersection(const CGECellRange& a, const CGECellRange& b) {
    CGECellRange r;
    if (a.kind == table || b.kind == table) {
        r = a.kind == table ? b : a;
        r.valid = TRUE;
    } else if ((a.kind == rows && b.kind == cols) || (a.kind == cols && b.kind == rows)) {
        const CGECellRange& rowRange = a.kind == rows ? a : b;
        const CGECellRange& colRange = a.kind == cols ? a : b;
        r.SetCells(rowRange.top, colRange.left, rowRange.bottom, colRange.right);
    } else if (a.kind == cols || b.kind == cols) {
        // The other range (b when both are columns) gives the rows and the kind.
        const CGECellRange& other = b.kind != cols ? b : a;
        r = other.kind == cols ? b : other;
        r.left = std::max(a.left, b.left);
        r.right = std::min(a.right, b.right);
        r.valid = r.right >= r.left;
    } else if (a.kind == rows || b.kind == rows) {
        const CGECellRange& other = b.kind != rows ? b : a;
        r = other.kind == rows ? b : other;
        r.top = std::max(a.top, b.top);
        r.bottom = std::min(a.bottom, b.bottom);
        r.valid = r.bottom >= r.top;
    } else {
        r.kind = cells;
        r.top = std::max(a.top, b.top);
        r.left = std::max(a.left, b.left);
        r.bottom = std::min(a.bottom, b.bottom);
        r.right = std::min(a.right, b.right);
        r.valid = r.top <= r.bottom && r.left <= r.right;
    }
    *this = r;
    return valid;
}

BOOL CGECellRange::SetUnion(const CGECellRange& a, const CGECellRange& b) {
    CGECellRange r;
    const bool rowsAndCols = (a.kind == rows && b.kind == cols) || (a.kind == cols && b.kind == rows);
    if (a.kind == table || b.kind == table || rowsAndCols) {
        r.SetTable();
    } else if (a.kind == cols || b.kind == cols) {
        r.SetCols(std::min(a.left, b.left), std::max(a.right, b.right));
    } else if (a.kind == rows || b.kind == rows) {
        r.SetRows(std::min(a.top, b.top), std::max(a.bottom, b.bottom));
    } else {
        r.SetCells(std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom),
                   std::max(a.right, b.right));
    }
    *this = r;
    return valid;
}

CArchive& operator<<(CArchive& ar, const CGECellRange& range) {
    ar << static_cast<DWORD>(range.top) << static_cast<DWORD>(range.left) << static_cast<DWORD>(range.bottom)
       << static_cast<DWORD>(range.right);
    ar << static_cast<BYTE>(range.kind) << static_cast<BYTE>(range.valid ? 1 : 0);
    return ar;
}

CArchive& operator>>(CArchive& ar, CGECellRange& range) {
    DWORD top = 0, left = 0, bottom = 0, right = 0;
    BYTE kind = 0, valid = 0;
    ar >> top >> left >> bottom >> right >> kind >> valid;
    if (kind > CGECellRange::table)
        AfxThrowArchiveException(CArchiveException::genericException);
    range.top = top;
    range.left = left;
    range.bottom = bottom;
    range.right = right;
    range.kind = kind;
    range.valid = valid != 0 ? TRUE : FALSE;
    return ar;
}
