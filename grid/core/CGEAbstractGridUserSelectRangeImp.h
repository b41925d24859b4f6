// User selection of ranges: the parameter object's selected ranges, changed by mouse and keyboard.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CPoint.h"
#include "framework/core/CPtrList.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;
class CGERangeList;

class CGEAbstractGridUserSelectRangeImp : public CObject {
public:
    // A cursor-key move (Shift extends the selection from its anchor); TRUE when the current cell moved.
    virtual BOOL MoveCurrentCell(CGEGridCore* pGrid, int nDirection, UINT nCount) = 0;
    virtual BOOL OnLButtonDown(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                               ROWCOL& nCol) = 0;
    virtual BOOL OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, ROWCOL& nRow, ROWCOL& nCol) = 0;
    virtual BOOL OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) = 0;
    virtual void SelectRange(CGEGridCore* pGrid, const CGECellRange& range, BOOL bSelect, BOOL bUpdate) = 0;
    virtual BOOL StoreSelectRange(CGEGridCore* pGrid, const CGECellRange& range, BOOL bSelect) = 0;
    virtual void UpdateSelectRange(CGEGridCore* pGrid, const CGECellRange& range,
                                   const CGERangeList* pOldList, BOOL bCreateHint) = 0;
    virtual POSITION SetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                  ROWCOL nRight) = 0;
    virtual void UpdateSetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                    ROWCOL nBottom, ROWCOL nRight, BOOL bCreateHint) = 0;
    virtual void UpdateClearSelection(CGEGridCore* pGrid, BOOL bCreateHint) = 0;
    virtual BOOL OnCellClick(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) = 0;

protected:
    CGEAbstractGridUserSelectRangeImp() = default;
};
