// CGEGridMoveRowsColsImp: moving a block of rows (or columns) so that it starts at another row: the cells,
// sizes, hidden states, selection, covered blocks, floated and merged spans go along, the step can be
// undone, and the screen follows. A move is from, to and dest, where the block starts afterwards.
#pragma once

#include "grid/core/CGEAbstractGridMoveRowsColsImp.h"

class CGEGridMoveRowsColsImp : public CGEAbstractGridMoveRowsColsImp {
public:
    // FALSE when nothing moved (a block onto itself, or outside the grid).
    BOOL StoreMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bResult) override;
    void UpdateMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                        BOOL bCreateHint) override;
    BOOL StoreMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bResult) override;
    void UpdateMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                        BOOL bCreateHint) override;
    // One undo step; a pending cell edit that does not validate refuses the move.
    BOOL MoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, int ctCmd) override;
    BOOL MoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, int ctCmd) override;

private:
    BOOL Move(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, int ctCmd);
    BOOL Store(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    void Update(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                BOOL bCreateHint);
};
