// Spanned-cell drawing: covered, merged and floated spans are drawn as one cell.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CDC;
class CGEGridCore;
class CGEPaintTable;

class CGEAbstractDrawSpannedCellsImp : public CObject {
public:
    // Marks every visible cell of the span that the cell begins or belongs to; TRUE when it did.
    virtual BOOL MarkSpannedCell(CGEGridCore* pGrid, CGEPaintTable& table, int nClientRow,
                                 int nClientCol) = 0;
    // Draws one marked span once.
    virtual void DrawSpannedCell(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table, int nClientRow,
                                 int nClientCol) = 0;
    virtual BOOL EvalVisibleSpannedCells(CGEGridCore* pGrid, const CGECellRange& range, ROWCOL nFrozenRows,
                                         ROWCOL nFrozenCols, ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow,
                                         ROWCOL nLastCol, BOOL bUpdate, CGECellRange* pChanged,
                                         BOOL bCachedStyles) = 0;

protected:
    CGEAbstractDrawSpannedCellsImp() = default;
};
