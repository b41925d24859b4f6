// Covered cells feature: explicit blocks of cells that show as one.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridCoveredCellsImp : public CObject {
public:
    virtual BOOL SetCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                       ROWCOL nRight, UINT flags, int ctCmd) = 0;
    // The block that covers the cell (range filled), or null when it lies in none.
    virtual CGECellRange* GetCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                CGECellRange& range) = 0;
    virtual BOOL StoreCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                         ROWCOL nRight, BOOL bSet) = 0;
    virtual void UpdateCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                          ROWCOL nRight, UINT flags, BOOL bCreateHint) = 0;
    // Widens the range over every block it meets; TRUE when it changed.
    virtual BOOL ExpandCoveredCellsRange(CGEGridCore* pGrid, CGECellRange& range) = 0;
    // Called before rows (columns) are removed.
    virtual void AdjustCoveredCellsRemoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& flags,
                                              int ctCmd) = 0;
    virtual void AdjustCoveredCellsRemoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& flags,
                                              int ctCmd) = 0;

protected:
    CGEAbstractGridCoveredCellsImp() = default;
};
