// User resizing of rows and columns by dragging header boundaries. nKind: GE_RESIZE_ROWS or GE_RESIZE_COLS.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CPoint.h"
#include "framework/core/CSize.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridUserResizeCellsImp : public CObject {
public:
    virtual BOOL OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) = 0;
    virtual BOOL OnLButtonDown(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                               ROWCOL& nCol) = 0;
    virtual BOOL OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) = 0;
    virtual BOOL OnLButtonDblClk(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                                 ROWCOL& nCol) = 0;
    virtual BOOL StartUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind) = 0;
    virtual void TrackUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind, CSize size) = 0;
    virtual void CancelUserResize(CGEGridCore* pGrid) = 0;
    virtual void EndUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind, CSize size) = 0;

protected:
    CGEAbstractGridUserResizeCellsImp() = default;
};
