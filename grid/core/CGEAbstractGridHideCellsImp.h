// Hidden rows and columns: the hidden state lives in the parameter object's bit arrays.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridHideCellsImp : public CObject {
public:
    virtual void RemoveHiddenRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void RemoveHiddenCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void InsertHiddenRows(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCount) = 0;
    virtual void InsertHiddenCols(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nCount) = 0;
    virtual void MoveHiddenRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual void MoveHiddenCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    // nTo 0: only nFrom. abHide (one flag per row) or null: bHide for all. TRUE when something was done.
    virtual BOOL HideRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHide,
                          UINT flags, int ctCmd) = 0;
    virtual BOOL IsRowHidden(CGEGridCore* pGrid, ROWCOL nRow) = 0;
    virtual BOOL StoreHideRow(CGEGridCore* pGrid, ROWCOL nRow, BOOL bHide) = 0;
    virtual BOOL HideCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHide,
                          UINT flags, int ctCmd) = 0;
    virtual BOOL IsColHidden(CGEGridCore* pGrid, ROWCOL nCol) = 0;
    virtual BOOL StoreHideCol(CGEGridCore* pGrid, ROWCOL nCol, BOOL bHide) = 0;

protected:
    CGEAbstractGridHideCellsImp() = default;
};
