// Resize to fit: row heights or column widths of a range made to fit their contents.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;

class CGEAbstractGridResizeToFitImp : public CObject {
public:
    virtual BOOL ResizeRowHeightsToFit(CGEGridCore* pGrid, CGECellRange range, BOOL bResizeCoveredCells,
                                       UINT flags) = 0;
    virtual BOOL ResizeColWidthsToFit(CGEGridCore* pGrid, CGECellRange range, BOOL bResizeCoveredCells,
                                      UINT flags) = 0;

protected:
    CGEAbstractGridResizeToFitImp() = default;
};
