// CGEPaintTable: what one paint of the grid shows: the visible rows and columns with their numbers,
// positions and sizes, and per visible cell its composed style and a flag word. Built by the grid core
// for the paint's clip box only, so the cost of a paint follows the window, not the table. The
// alternative drawing path and the spanned-cell drawing read and mark it.
#pragma once

#include "framework/core/CRect.h"
#include "grid/core/GECoreDefs.h"

#include <vector>

class CGEControl;
class CGEStyle;

class CGEPaintTable {
public:
    // One visible row or column: its number, its first pixel and its size.
    struct Line {
        ROWCOL nIndex;
        int nPos;
        int nSize;
    };
    // Cell flags.
    enum : WORD {
        flagBackground = 0x0001,  // the interior is still to be filled
        flagSpanPart = 0x0002,    // part of a span drawn as one (skipped by the plain cell drawing)
        flagSpanStart = 0x0004,   // the cell from which a span is drawn
        flagNoRightLine = 0x0010, // no vertical grid line at the right edge (inside a span)
        flagNoBottomLine = 0x0020,
        flagDrawn = 0x0040,
    };

    CGEPaintTable() = default;
    CGEPaintTable(const CGEPaintTable&) = delete;
    CGEPaintTable& operator=(const CGEPaintTable&) = delete;

    // Sizes the cell tables for the lines (styles null, flags 0).
    void Reset();
    int RowCount() const { return static_cast<int>(rows.size()); }
    int ColCount() const { return static_cast<int>(cols.size()); }
    CGEStyle*& StyleAt(int nRow, int nCol) { return styles[static_cast<size_t>(nRow * ColCount() + nCol)]; }
    WORD& FlagsAt(int nRow, int nCol) { return flags[static_cast<size_t>(nRow * ColCount() + nCol)]; }
    CRect CellRect(int nRow, int nCol) const;
    // The first pixel right of the last column (below the last row); the grid area's edge when none.
    int Right() const { return cols.empty() ? rectGrid.left : cols.back().nPos + cols.back().nSize; }
    int Bottom() const { return rows.empty() ? rectGrid.top : rows.back().nPos + rows.back().nSize; }

    std::vector<Line> rows;
    std::vector<Line> cols;
    std::vector<CGEStyle*> styles; // owned by the grid during the paint
    std::vector<WORD> flags;
    CRect rectPaint;                      // the clip box, within the grid area
    CRect rectGrid;                       // the grid area
    CGEControl* pActiveControl = nullptr; // the control editing the current cell, if any
    BOOL bSpansFound = FALSE;
};
