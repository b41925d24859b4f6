// CGEGridMergeCellsImp: merged cells. Neighbours that show the same content are drawn as one cell: a run
// of equal cells along a row merges horizontally, a run down a column vertically. The feature decides
// which neighbours merge, records each run as a span in the parameter object's merge pools, keeps the runs
// current as values change and redraws what changed. Mode bits 0-1 choose delayed (1) or immediate (2)
// evaluation, 4 switches vertical and 8 horizontal merging off; other modes are refused.
#pragma once

#include "grid/core/CGEAbstractGridMergeCellsImp.h"

class CGESpanCellPool;

class CGEGridMergeCellsImp : public CGEAbstractGridMergeCellsImp {
public:
    void SetMergeCellsMode(CGEGridCore* pGrid, WORD wMode, BOOL bRedraw) override;
    void DelayMergeCells(CGEGridCore* pGrid, const CGECellRange& range, ROWCOL nLastRow,
                         ROWCOL nLastCol) override;
    BOOL EvalMergeCells(CGEGridCore* pGrid, const CGECellRange& range, BOOL bUpdate, CGECellRange* pChanged,
                        BOOL bCachedStyles) override;
    CGECellRange* GetMergedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGECellRange& range,
                                      int nDirection) override;
    BOOL CanMergeCell(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                      const CGEStyle& style, int nDirection) override;
    BOOL CanMergeStyles(CGEGridCore* pGrid, const CGEStyle& style, const CGEStyle& other) override;
    BOOL MergeCellsRange(CGEGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                         ROWCOL nToCol, UINT flags) override;
    void UpdateMergedCells(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                           UINT flags, BOOL bCreateHint) override;
    BOOL ExpandMergedCellsRange(CGEGridCore* pGrid, CGECellRange& range) override;

    BOOL EvalMergeCellsImmediate(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate, CGECellRange* pChanged,
                                 BOOL bCachedStyles);
    BOOL EvalMergeCellsDelayed(CGEGridCore* pGrid, CGECellRange range, BOOL bUpdate, CGECellRange* pChanged,
                               BOOL bCachedStyles);
    BOOL EvalMergeCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGECellRange* pChanged,
                       BOOL bCachedStyles);
    BOOL EvalMergeColPair(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol1, ROWCOL nCol2, CGECellRange* pChanged,
                          BOOL bCachedStyles);
    BOOL EvalMergeRowPair(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nRow1, ROWCOL nRow2,
                          CGECellRange* pChanged);
    BOOL StoreMergedCellsRange(CGEGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                               ROWCOL nToCol, BOOL bSet);

    // Mode words the feature knows: evaluation 0, 1 or 2 with the values 4 and 8.
    static BOOL IsValidMode(WORD wMode) { return (wMode & ~0x0F) == 0 && (wMode & 3) != 3; }

private:
    static CGESpanCellPool* PoolOf(CGEGridCore* pGrid, int nDirection);
    static void Widen(CGECellRange* pChanged, const CGECellRange& reach, ROWCOL nRow, ROWCOL nCol);
};
