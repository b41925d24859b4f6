// Spreadsheet-like selection frame around the selected range.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CRect.h"
#include "grid/core/GECoreDefs.h"

class CDC;
class CGEGridCore;

class CGEAbstractGridExcelLikeFrameImp : public CObject {
public:
    virtual void DrawFrameRect(CGEGridCore* pGrid, CDC* pDC, const CRect& rect, const CRect& rectClip,
                               BOOL bTop, BOOL bLeft, int nHandle, BOOL bHandleOnly) = 0;
    virtual void DrawSelectionFrame(CGEGridCore* pGrid, CDC* pDC, const CGECellRange* pRange, int nHandle,
                                    BOOL bHandleOnly) = 0;
    virtual void UpdateSelectionFrame(CGEGridCore* pGrid, CDC* pDC, BOOL bErase,
                                      const CGECellRange* pNewRange) = 0;
    virtual void ToggleFrameHandle(CGEGridCore* pGrid) = 0;
    // Hides (shows) the frame; returns the previous hidden state.
    virtual BOOL HideSelectionFrame(CGEGridCore* pGrid, BOOL bHide, BOOL bCreateHint) = 0;

protected:
    CGEAbstractGridExcelLikeFrameImp() = default;
};
