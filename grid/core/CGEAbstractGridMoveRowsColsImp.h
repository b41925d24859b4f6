// Moving rows and columns, with the data, sizes, hidden states, ranges and spans they carry.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridMoveRowsColsImp : public CObject {
public:
    virtual BOOL StoreMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bResult) = 0;
    virtual void UpdateMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                                BOOL bCreateHint) = 0;
    virtual BOOL StoreMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bResult) = 0;
    virtual void UpdateMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                                BOOL bCreateHint) = 0;
    virtual BOOL MoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                          int ctCmd) = 0;
    virtual BOOL MoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                          int ctCmd) = 0;

protected:
    CGEAbstractGridMoveRowsColsImp() = default;
};
