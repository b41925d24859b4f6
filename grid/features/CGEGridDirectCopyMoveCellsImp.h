// CGEGridDirectCopyMoveCellsImp: copying and moving blocks of cells inside one grid, without a clipboard
// format, as one undo step each, with redraw and the hints to the other views. The stored styles are moved
// by the application-wide data copy and move (the cell data's own copy and move without it).
#pragma once

#include "grid/core/CGEAbstractGridDirectCopyMoveCellsImp.h"

class CGEGridDirectCopyMoveCellsImp : public CGEAbstractGridDirectCopyMoveCellsImp {
public:
    // FALSE for a read-only grid, a block that leaves the grid, or when the user declines to go on without
    // undo for a block too large to record (the destination then stays as it was).
    BOOL CopyCells(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                   UINT flags) override;
    // TRUE without a data object (nothing to copy).
    BOOL CopyCellsInData(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow,
                         ROWCOL nDestCol) override;
    // pUndoInfo: the information of the move being undone (its overwritten cells are put back); the grid
    // never deletes it. The reverse move with what this move overwrote becomes the undo step.
    BOOL MoveCells(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                   CObject*& pUndoInfo, UINT flags, int ctCmd) override;
    BOOL MoveCellsInData(CGEGridCore* pGrid, const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol,
                         CObject*& pUndoInfo, BOOL bRecordUndo, int ctCmd) override;

protected:
    // The question whether to go on without undo (a MessageBox result); tests answer it.
    virtual int AskUser(LPCSTR pszQuestion, UINT nType);
};
