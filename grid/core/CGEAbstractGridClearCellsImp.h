// Clearing the values (or the whole styles) of the selected cells.
#pragma once

#include "framework/core/CObject.h"

class CGEGridCore;
class CGERangeList;

class CGEAbstractGridClearCellsImp : public CObject {
public:
    virtual BOOL CanClear(CGEGridCore* pGrid) = 0;
    virtual BOOL Clear(CGEGridCore* pGrid, BOOL bStyles) = 0;
    virtual BOOL ClearCells(CGEGridCore* pGrid, const CGERangeList& list, BOOL bStyles) = 0;

protected:
    CGEAbstractGridClearCellsImp() = default;
};
