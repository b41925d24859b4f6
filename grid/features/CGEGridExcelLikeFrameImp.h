// CGEGridExcelLikeFrameImp: the thick frame spreadsheets draw around the last selected range, with a
// small square handle at one corner (bottom-right for cells, bottom-left for whole rows, top-right for
// whole columns). The frame is drawn by inverting pixels, so drawing it twice at the same place removes
// it: every selection change erases it at the old place and draws it at the new one, and a paint, which
// repaints cells under it, draws it once more over them. It shows only while the parameter object's
// spreadsheet-like frame option is on; its state (range, handle, hidden) lives in the engine.
#pragma once

#include "grid/core/CGEAbstractGridExcelLikeFrameImp.h"

class CGEGridExcelLikeFrameImp : public CGEAbstractGridExcelLikeFrameImp {
public:
    // Inverts the frame pieces of one pane part (rect) inside rectClip (empty: no clipping); bTop and
    // bLeft tell whether the range's top and left edges lie in this pane.
    void DrawFrameRect(CGEGridCore* pGrid, CDC* pDC, const CRect& rect, const CRect& rectClip, BOOL bTop,
                       BOOL bLeft, int nHandle, BOOL bHandleOnly) override;
    // Inverts the frame around a range of cells, pane by pane (frozen and scrolling rows and columns).
    void DrawSelectionFrame(CGEGridCore* pGrid, CDC* pDC, const CGECellRange* pRange, int nHandle,
                            BOOL bHandleOnly) override;
    // With bErase the frame on screen is drawn once more (removed, or restored after a repaint); a new
    // range becomes the framed range and is drawn.
    void UpdateSelectionFrame(CGEGridCore* pGrid, CDC* pDC, BOOL bErase,
                              const CGECellRange* pNewRange) override;
    void ToggleFrameHandle(CGEGridCore* pGrid) override;
    BOOL HideSelectionFrame(CGEGridCore* pGrid, BOOL bHide, BOOL bCreateHint) override;

    // Handle kinds.
    static constexpr int handleCells = 0;
    static constexpr int handleRows = 2;
    static constexpr int handleCols = 7;
};
