// The span-cell pool feature (application-wide): makes and copies spanned-cell pools and applies row and
// column edits to a pool (nothing for a null pool).
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/CGECellRange.h"

class CGESpanCellPool;

class CGEAbstractSpanCellPoolImp : public CObject {
public:
    virtual CGESpanCellPool* CreatePoolCopy(const CGESpanCellPool& src) = 0;
    virtual CGESpanCellPool* CreatePool() = 0;
    virtual void AssignPool(CGESpanCellPool& dest, const CGESpanCellPool& src) = 0;
    virtual void InsertRows(CGESpanCellPool* pPool, ROWCOL nRow, ROWCOL nCount) = 0;
    // nLast 0xFFFFFFFE: to the end.
    virtual void RemoveRows(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual void MoveRows(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;
    virtual void InsertCols(CGESpanCellPool* pPool, ROWCOL nCol, ROWCOL nCount) = 0;
    virtual void RemoveCols(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast) = 0;
    virtual void MoveCols(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) = 0;

protected:
    CGEAbstractSpanCellPoolImp() = default;
};
