// Alternative drawing path: draws the visible cells another way when the parameter object asks for it.
#pragma once

#include "framework/core/CObject.h"

class CDC;
class CGEGridCore;
class CGEPaintTable;

class CGEAbstractGridOldDrawingImp : public CObject {
public:
    // Draws the visible cells of the paint table; FALSE when it declines (the regular path draws).
    virtual BOOL DrawCellsOld(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table) = 0;
    // Fills the interiors of the regular path on pDC, joining equal neighbours.
    virtual void DrawBackgrounds(CGEGridCore* pGrid, CDC* pDC, CGEPaintTable& table) = 0;

protected:
    CGEAbstractGridOldDrawingImp() = default;
};
