// Drag and drop of selected whole rows and columns by their headers.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CPoint.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridUserDragSelectRangeImp : public CObject {
public:
    virtual BOOL OnLButtonDown(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                               ROWCOL& nCol) = 0;
    virtual BOOL OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) = 0;
    virtual BOOL OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) = 0;
    virtual BOOL OnSelDragStart(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL OnSelDragMove(CGEGridCore* pGrid, ROWCOL nStartRow, ROWCOL nStartCol, ROWCOL nRow,
                               ROWCOL nCol) = 0;
    virtual BOOL OnSelDragDrop(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL OnSelDragCancel(CGEGridCore* pGrid) = 0;

protected:
    CGEAbstractGridUserDragSelectRangeImp() = default;
};
