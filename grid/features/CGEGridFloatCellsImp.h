// CGEGridFloatCellsImp: floating cells. A text wider than its column runs on into the empty cells to its
// right; the feature works out row by row how many columns each such text needs, records the result as a
// one-row span (a floated range) from the text's cell to the last column reached, and redraws what
// changed. Float mode 1 evaluates only ranges recorded as changed, mode 2 everything asked for; any other
// mode is refused.
#pragma once

#include "grid/core/CGEAbstractGridFloatCellsImp.h"

class CGEDelayedRangePool;
class CGESpanCellPool;

class CGEGridFloatCellsImp : public CGEAbstractGridFloatCellsImp {
public:
    void SetFloatCellsMode(CGEGridCore* pGrid, WORD wMode, BOOL bRedraw) override;
    void DelayFloatCells(CGEGridCore* pGrid, const CGECellRange& range, ROWCOL nLastCol) override;
    BOOL EvalFloatCells(CGEGridCore* pGrid, const CGECellRange& range, BOOL bUpdate, CGECellRange* pChanged,
                        BOOL bCachedStyles) override;
    CGECellRange* GetFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                       CGECellRange& range) override;
    // The static cell's rule: a non-empty text that is not rotated may float; an empty cell may be
    // floated over.
    BOOL CanFloatText(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                      const CGEStyle& style, BOOL bFloatOrFlood) override;
    BOOL CanFloatCell(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                      const CGEStyle& style, BOOL bFloatOrFlood) override;
    BOOL SetFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                              UINT flags) override;
    void UpdateFloatedCells(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                            UINT flags, BOOL bCreateHint) override;
    BOOL ExpandFloatedCellsRange(CGEGridCore* pGrid, CGECellRange& range) override;

    virtual BOOL EvalFloatCellsImmediate(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate,
                                         CGECellRange* pChanged, BOOL bCachedStyles);
    virtual BOOL EvalFloatCellsDelayed(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate,
                                       CGECellRange* pChanged, BOOL bCachedStyles);
    virtual BOOL EvalFloatCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGECellRange* pChanged,
                               BOOL bCachedStyles);
    virtual BOOL EvalFloatCellExtent(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGECellRange* pChanged,
                                     BOOL bCachedStyles);
    virtual BOOL StoreFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                        ROWCOL nToCol, BOOL bSet);

    // The pools in use: the printing ones while the grid prints.
    static CGESpanCellPool* GetFloatCellsPool(CGEGridCore* pGrid);
    static CGEDelayedRangePool* GetFloatDelayPool(CGEGridCore* pGrid);
    // Modes the feature knows (0 off, 1 delayed, 2 immediate).
    static BOOL IsValidMode(WORD wMode) { return wMode <= 2; }
};
