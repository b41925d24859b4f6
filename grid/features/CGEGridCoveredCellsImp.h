// CGEGridCoveredCellsImp: the covered-cells feature. A covered block is a rectangle of cells joined into
// one by request: its first cell (the origin) gives style and value, and the block is drawn, hit-tested,
// selected and edited as one cell. The blocks live in the parameter object's covered-range list; the
// covered-cell pool indexes them. Floating and merging are evaluated again where blocks change, and every
// change is one undo step ("Cover Cells").
#pragma once

#include "grid/core/CGEAbstractGridCoveredCellsImp.h"

class CGECoveredCellPool;
class CGEGridParam;

class CGEGridCoveredCellsImp : public CGEAbstractGridCoveredCellsImp {
public:
    // Sets, enlarges or (a one-cell block) removes the block that begins at (top, left); FALSE when refused.
    BOOL SetCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                               UINT flags, int ctCmd) override;
    CGECellRange* GetCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                        CGECellRange& range) override;
    // Stores without undo or redraw. Refuses overlapping blocks, another origin, an unchanged block,
    // numbers of 0x7FFFFFFF and more, and read-only grids.
    BOOL StoreCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                 BOOL bSet) override;
    void UpdateCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                  ROWCOL nRight, UINT flags, BOOL bCreateHint) override;
    BOOL ExpandCoveredCellsRange(CGEGridCore* pGrid, CGECellRange& range) override;
    // Blocks beginning in the removed lines go, blocks reaching into them are cut back; part of the
    // removal's undo step.
    void AdjustCoveredCellsRemoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& flags,
                                      int ctCmd) override;
    void AdjustCoveredCellsRemoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& flags,
                                      int ctCmd) override;

    // The parameter object's pool, made and filled from its list on first use; null without the pool
    // feature.
    static CGECoveredCellPool* GetPool(CGEGridParam* pParam);

private:
    void AdjustRemoved(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, UINT& flags, int ctCmd);
};
