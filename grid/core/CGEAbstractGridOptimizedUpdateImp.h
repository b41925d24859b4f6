// Optimized update: after rows or columns are inserted, removed or resized, repaints only what moved.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridOptimizedUpdateImp : public CObject {
public:
    virtual void OnInsertedRows(CGEGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCount, UINT& flags) = 0;
    virtual void OnInsertedCols(CGEGridCore* pGrid, ROWCOL& nCol, ROWCOL& nCount, UINT& flags) = 0;
    virtual void OnRemovedRows(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldHeights,
                               UINT& flags) = 0;
    virtual void OnRemovedCols(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldWidths,
                               UINT& flags) = 0;
    virtual void OnChangedRowHeights(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldHeights,
                                     UINT& flags) = 0;
    virtual void OnChangedColWidths(CGEGridCore* pGrid, ROWCOL& nFrom, ROWCOL& nTo, int*& anOldWidths,
                                    UINT& flags) = 0;

protected:
    CGEAbstractGridOptimizedUpdateImp() = default;
};
