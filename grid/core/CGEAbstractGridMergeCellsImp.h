// Merged cells feature: runs of equal neighbours that show as one cell.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEControl;
class CGEGridCore;
class CGEStyle;

class CGEAbstractGridMergeCellsImp : public CObject {
public:
    virtual void SetMergeCellsMode(CGEGridCore* pGrid, WORD wMode, BOOL bRedraw) = 0;
    virtual void DelayMergeCells(CGEGridCore* pGrid, const CGECellRange& range, ROWCOL nLastRow,
                                 ROWCOL nLastCol) = 0;
    virtual BOOL EvalMergeCells(CGEGridCore* pGrid, const CGECellRange& range, BOOL bUpdate,
                                CGECellRange* pChanged, BOOL bCachedStyles) = 0;
    // nDirection: -1 either, 0 horizontal, 1 vertical.
    virtual CGECellRange* GetMergedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                              CGECellRange& range, int nDirection) = 0;
    virtual BOOL CanMergeCell(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGEStyle& style, int nDirection) = 0;
    virtual BOOL CanMergeStyles(CGEGridCore* pGrid, const CGEStyle& style, const CGEStyle& other) = 0;
    virtual BOOL MergeCellsRange(CGEGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                 ROWCOL nToCol, UINT flags) = 0;
    virtual void UpdateMergedCells(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                   UINT flags, BOOL bCreateHint) = 0;
    virtual BOOL ExpandMergedCellsRange(CGEGridCore* pGrid, CGECellRange& range) = 0;

protected:
    CGEAbstractGridMergeCellsImp() = default;
};
