// CGEGridUserResizeCellsImp: the user drags the border of a row or column header to change its size,
// drags it to nothing to hide the line, drags the zone of a hidden line to show it again and
// double-clicks a border to give the line its default size back. The drag is tracked on the engine's
// resize state; the finished size goes through the engine's undoable size and hide operations. The
// sizing flags of the parameter object decide what may be resized and how the drag looks (a moving
// inverted line, a line window over the old border, headers previewing the size, or live resizing).
#pragma once

#include "grid/core/CGEAbstractGridUserResizeCellsImp.h"

class CDC;

class CGEGridUserResizeCellsImp : public CGEAbstractGridUserResizeCellsImp {
public:
    // TRUE while a drag is tracked (the move then belongs to it).
    BOOL OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) override;
    // TRUE for a border of a dimension that may be resized, even when the start is refused.
    BOOL OnLButtonDown(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                       ROWCOL& nCol) override;
    BOOL OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT& nFlags) override;
    BOOL OnLButtonDblClk(CGEGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                         ROWCOL& nCol) override;
    BOOL StartUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind) override;
    void TrackUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind, CSize size) override;
    void CancelUserResize(CGEGridCore* pGrid) override;
    void EndUserResize(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nKind, CSize size) override;

private:
    // The size of the dragged line brought back to where it was when the drag began (width or height,
    // hidden state and whether a size was stored).
    static void RestoreInitialSize(CGEGridCore* pGrid);
    static void InvertLine(CGEGridCore* pGrid, CDC* pDC, const CRect& rect);
    // Erases the moving line (when it is drawn) and lets the line window go.
    static void EraseTracking(CGEGridCore* pGrid);
    // The header area from the dragged line to the grid's far edge, repainted for a preview.
    static CRect HeaderPreviewRect(CGEGridCore* pGrid);
    // The proposed size of the dragged dimension for a mouse point.
    static CSize ProposedSize(CGEGridCore* pGrid, CPoint point);
};
