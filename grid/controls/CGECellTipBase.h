// CGECellTipBase: what a cell control asks of its cell-tip helper: whether a cell's tip is wanted, after
// how long, and showing it over the cell.
#pragma once

#include "framework/core/CRect.h"
#include "grid/core/GECoreDefs.h"

class CGEStyle;

class CGECellTipBase {
public:
    virtual ~CGECellTipBase() = default;
    CGECellTipBase(const CGECellTipBase&) = delete;
    CGECellTipBase& operator=(const CGECellTipBase&) = delete;

    virtual BOOL NeedShow(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) = 0;
    // Milliseconds the pointer rests on the cell before the tip shows.
    virtual DWORD GetDelay(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) = 0;
    // Shows the tip for the cell rectangle (grid-window client coordinates); FALSE when nothing shows.
    virtual BOOL Show(const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) = 0;

protected:
    CGECellTipBase() = default;
};
