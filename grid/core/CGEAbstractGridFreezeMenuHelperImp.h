// Freezing and unfreezing the selected rows or columns from a menu.
#pragma once

#include "framework/core/CObject.h"

class CGEGridCore;

class CGEAbstractGridFreezeMenuHelperImp : public CObject {
public:
    virtual BOOL CanFreezeCols(CGEGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeCols(CGEGridCore* pGrid) = 0;
    virtual void FreezeCols(CGEGridCore* pGrid) = 0;
    virtual void UnfreezeCols(CGEGridCore* pGrid) = 0;
    virtual BOOL CanFreezeRows(CGEGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeRows(CGEGridCore* pGrid) = 0;
    virtual void FreezeRows(CGEGridCore* pGrid) = 0;
    virtual void UnfreezeRows(CGEGridCore* pGrid) = 0;

protected:
    CGEAbstractGridFreezeMenuHelperImp() = default;
};
