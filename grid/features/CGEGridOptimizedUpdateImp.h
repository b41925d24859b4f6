// CGEGridOptimizedUpdateImp: after rows or columns were inserted, removed or resized, scrolls the pixels
// that stay valid by the right amount and invalidates only the strip that really changed. Frozen lines
// and grids with floating or merged cells fall back to a full redraw. Redraw flags: bit 1 invalidates to
// the end without scrolling, bit 2 paints at once, bit 2 or 4 lets the scrolling path scroll.
#pragma once

#include "grid/core/CGEAbstractGridOptimizedUpdateImp.h"

class CGEGridOptimizedUpdateImp : public CGEAbstractGridOptimizedUpdateImp {
public:
    void OnInsertedRows(CGEGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCount, UINT& flags) override;
    void OnInsertedCols(CGEGridCore* pGrid, ROWCOL& nCol, ROWCOL& nCount, UINT& flags) override;
    // anOldHeights: the removed rows' former heights (null: unknown).
    void OnRemovedRows(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldHeights,
                       UINT& flags) override;
    void OnRemovedCols(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldWidths,
                       UINT& flags) override;
    // nTo 0: only nFrom. anOldHeights: the rows' former heights (null: unknown).
    void OnChangedRowHeights(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldHeights,
                             UINT& flags) override;
    void OnChangedColWidths(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldWidths,
                            UINT& flags) override;

private:
    static void Inserted(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nCount, UINT flags);
    static void Removed(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                        UINT flags);
    static void Changed(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, const int* anOld,
                        UINT flags);
};
