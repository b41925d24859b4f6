// CGEGridHideCellsImp: hidden rows and columns. The hidden states live in the parameter object's bit
// arrays, so every view of the same table agrees; a hidden line keeps its stored size, which the engine
// reports as 0 while it is hidden. Inserting, removing and moving lines carry the states along by
// logical index, also past the last stored byte.
#pragma once

#include "grid/core/CGEAbstractGridHideCellsImp.h"

class CGEGridHideCellsImp : public CGEAbstractGridHideCellsImp {
public:
    void RemoveHiddenRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) override;
    void RemoveHiddenCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) override;
    void InsertHiddenRows(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCount) override;
    void InsertHiddenCols(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nCount) override;
    void MoveHiddenRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    void MoveHiddenCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    // A long operation stepped per line; the former sizes go to the redraw and the former states to one
    // undo step. TRUE for a range first <= last.
    BOOL HideRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHide, UINT flags,
                  int ctCmd) override;
    // Also TRUE for header rows in a splitter pane below the first pane row, and for row 0 while printing
    // without column headers.
    BOOL IsRowHidden(CGEGridCore* pGrid, ROWCOL nRow) override;
    BOOL StoreHideRow(CGEGridCore* pGrid, ROWCOL nRow, BOOL bHide) override;
    BOOL HideCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHide, UINT flags,
                  int ctCmd) override;
    BOOL IsColHidden(CGEGridCore* pGrid, ROWCOL nCol) override;
    BOOL StoreHideCol(CGEGridCore* pGrid, ROWCOL nCol, BOOL bHide) override;

private:
    BOOL HideLines(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHide,
                   UINT flags, int ctCmd);
};
