// CGEGridUserSelectRangeImp: the user's selection of ranges. The parameter object's range list holds
// the selection; the corner cell selects the table, headers select whole rows or columns, a drag selects
// a block, Ctrl adds a range, Shift extends the last one, Shift with the cursor keys extends from an
// anchor. A change repaints only the cells whose selected state changed, by inverting them, and is passed
// to the other views of the same parameter object. Row-selection modes (the current-cell flags) select
// whole rows.
#pragma once

#include "grid/core/CGEAbstractGridUserSelectRangeImp.h"

class CGERangeList;

class CGEGridUserSelectRangeImp : public CGEAbstractGridUserSelectRangeImp {
public:
    BOOL MoveCurrentCell(CGEGridCore* pGrid, int nDirection, UINT nCount) override;
    BOOL OnLButtonDown(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                       ROWCOL& nCol) override;
    BOOL OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, ROWCOL& nRow, ROWCOL& nCol) override;
    BOOL OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) override;
    void SelectRange(CGEGridCore* pGrid, const CGECellRange& range, BOOL bSelect, BOOL bUpdate) override;
    // Selecting adds a copy of the range; deselecting replaces every selected range that meets it by the
    // pieces around the intersection. TRUE.
    BOOL StoreSelectRange(CGEGridCore* pGrid, const CGECellRange& range, BOOL bSelect) override;
    void UpdateSelectRange(CGEGridCore* pGrid, const CGECellRange& range, const CGERangeList* pOldList,
                           BOOL bCreateHint) override;
    // Position null clears the whole selection; otherwise the range at the position becomes the block
    // (column 0: whole rows, row 0: whole columns, both: the table). Returns the position.
    POSITION SetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                          ROWCOL nRight) override;
    void UpdateSetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                            ROWCOL nRight, BOOL bCreateHint) override;
    void UpdateClearSelection(CGEGridCore* pGrid, BOOL bCreateHint) override;
    // Ctrl+click on the header of a row (column) that another range selects deselects it.
    BOOL OnCellClick(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) override;

private:
    BOOL MoveInRowMode(CGEGridCore* pGrid, int nDirection, UINT nCount, BOOL bExtend, BOOL bCurrentRowOnly);
    // A new empty range at the end of the list becomes the active one.
    POSITION AppendActiveRange(CGEGridCore* pGrid);
    void ClearAll(CGEGridCore* pGrid, BOOL bKey);
    // Inverts the visible cells of rect (cells) whose selected state in pOld differs from their state
    // after the change (isNew tells).
    template <class IsNew>
    void InvertChanges(CGEGridCore* pGrid, const CGECellRange& cells, const CGERangeList* pOld, IsNew isNew);
};
