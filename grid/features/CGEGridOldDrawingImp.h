// CGEGridOldDrawingImp: the alternative drawing path. When the parameter object asks for it, the visible
// cells are drawn row by row, each row clipped to its own band, cell by cell, then the grid lines and the
// closing step of the paint. The background pass fills the interiors of neighbouring cells that share a
// brush with one rectangle, clearing their pending-background marks.
#pragma once

#include "grid/core/CGEAbstractGridOldDrawingImp.h"

class CGEGridOldDrawingImp : public CGEAbstractGridOldDrawingImp {
public:
    // Declines (FALSE, nothing drawn) unless the old-drawing flag is set or such a paint is under way.
    BOOL DrawCellsOld(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table) override;
    // Nothing while the old-drawing flag is set.
    void DrawBackgrounds(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table) override;

private:
    void DrawRows(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table, BOOL bClip);
};
