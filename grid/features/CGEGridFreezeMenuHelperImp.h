// CGEGridFreezeMenuHelperImp: freezing the selected whole columns (or rows) from an application's menu:
// the block is moved to the front, behind the header columns, and frozen; the grid parameters remember
// where it came from so that unfreezing moves it back.
#pragma once

#include "grid/core/CGEAbstractGridFreezeMenuHelperImp.h"
#include "grid/core/GECoreDefs.h"

class CGEGridFreezeMenuHelperImp : public CGEAbstractGridFreezeMenuHelperImp {
public:
    // TRUE when nothing is frozen yet and the selected whole columns form exactly one span.
    BOOL CanFreezeCols(CGEGridCore* pGrid) override;
    BOOL CanUnfreezeCols(CGEGridCore* pGrid) override;
    void FreezeCols(CGEGridCore* pGrid) override;
    void UnfreezeCols(CGEGridCore* pGrid) override;
    BOOL CanFreezeRows(CGEGridCore* pGrid) override;
    BOOL CanUnfreezeRows(CGEGridCore* pGrid) override;
    void FreezeRows(CGEGridCore* pGrid) override;
    void UnfreezeRows(CGEGridCore* pGrid) override;

private:
    static BOOL SelectedSpan(CGEGridCore* pGrid, BOOL bRows, ROWCOL& nStart, ROWCOL& nEnd);
    static BOOL IsFrozen(CGEGridCore* pGrid, BOOL bRows);
    void Freeze(CGEGridCore* pGrid, BOOL bRows);
    void Unfreeze(CGEGridCore* pGrid, BOOL bRows);
};
