// CGEDrawSpannedCellsImp: covered, merged and floated spans drawn as one cell. Before a paint it brings the
// spans of the visible area up to date (merges before floats), marks in the paint table which visible
// cells belong to a span, and draws each span once from its origin's style.
#pragma once

#include "grid/core/CGEAbstractDrawSpannedCellsImp.h"

class CGEDrawSpannedCellsImp : public CGEAbstractDrawSpannedCellsImp {
public:
    BOOL MarkSpannedCell(CGEGridCore* pGrid, CGEPaintTable& table, int nClientRow, int nClientCol) override;
    void DrawSpannedCell(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table, int nClientRow,
                         int nClientCol) override;
    // Evaluates merges, then floats, in the four parts of the visible grid (frozen corner, frozen rows,
    // frozen columns, scrolled area); TRUE when any span changed.
    BOOL EvalVisibleSpannedCells(CGEGridCore* pGrid, const CGECellRange& range, ROWCOL nFrozenRows,
                                 ROWCOL nFrozenCols, ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow,
                                 ROWCOL nLastCol, BOOL bUpdate, CGECellRange* pChanged,
                                 BOOL bCachedStyles) override;

    // The span drawn as one for a visible cell (covered, else merged along the row, else down the column,
    // else floated); an active edit inside a merged or floated span that is not its origin shows as its
    // own cell. FALSE when none.
    static BOOL FindDrawnSpan(CGEGridCore* pGrid, const CGEPaintTable& table, ROWCOL nRow, ROWCOL nCol,
                              CGECellRange& span);
};
