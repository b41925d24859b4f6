// CGESpanCellPoolImp: the engine's span-cell pool feature.
#pragma once

#include "grid/core/CGEAbstractSpanCellPoolImp.h"

class CGESpanCellPoolImp : public CGEAbstractSpanCellPoolImp {
public:
    CGESpanCellPool* CreatePoolCopy(const CGESpanCellPool& src) override;
    CGESpanCellPool* CreatePool() override;
    void AssignPool(CGESpanCellPool& dest, const CGESpanCellPool& src) override;
    void InsertRows(CGESpanCellPool* pPool, ROWCOL nRow, ROWCOL nCount) override;
    void RemoveRows(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast) override;
    void MoveRows(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    void InsertCols(CGESpanCellPool* pPool, ROWCOL nCol, ROWCOL nCount) override;
    void RemoveCols(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast) override;
    void MoveCols(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
};

// Installs the engine's span-cell pool feature into the engine state once (kept until the program ends).
void GEInstallSpanCellPool();
