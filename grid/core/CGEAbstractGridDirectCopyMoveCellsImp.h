// Direct copy and move of cells within a grid.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridDirectCopyMoveCellsImp : public CObject {
public:
    virtual BOOL CopyCells(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                           UINT flags) = 0;
    virtual BOOL CopyCellsInData(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow,
                                 ROWCOL nDestCol) = 0;
    virtual BOOL MoveCells(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                           CObject*& pUndoInfo, UINT flags, int ctCmd) = 0;
    virtual BOOL MoveCellsInData(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow,
                                 ROWCOL nDestCol, CObject*& pUndoInfo, BOOL bRecordUndo, int ctCmd) = 0;

protected:
    CGEAbstractGridDirectCopyMoveCellsImp() = default;
};
