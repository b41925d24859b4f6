// Cell size calculation: the size a static cell's content needs.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CSize.h"
#include "grid/core/GECoreDefs.h"

class CDC;
class CGEControl;
class CGEGridCore;
class CGEStyle;

class CGEAbstractCalcSizeImp : public CObject {
public:
    virtual void CalcSize(CGEGridCore* pGrid, CSize& size, CGEControl* pControl, CDC* pDC, ROWCOL nRow,
                          ROWCOL nCol, const CGEStyle& style, const CGEStyle* pStandardStyle, BOOL bVert) = 0;

protected:
    CGEAbstractCalcSizeImp() = default;
};
