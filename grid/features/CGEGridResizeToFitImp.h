// CGEGridResizeToFitImp: row heights or column widths of a range made to fit what their cells need.
// Every visible cell of a line inside the range is measured by its cell control; the largest need wins,
// cut so that the line still fits into the grid's window. All the new sizes form one undo step.
#pragma once

#include "grid/core/CGEAbstractGridResizeToFitImp.h"

class CGEGridResizeToFitImp : public CGEAbstractGridResizeToFitImp {
public:
    // flags: the redraw flags of SetRowHeight / SetColWidth; with bit 8 sizes only grow. TRUE. An abort of
    // the long operation keeps the lines already resized (one closed undo step) and throws the
    // framework's user exception.
    BOOL ResizeRowHeightsToFit(CGEGridCore* pGrid, CGECellRange range, BOOL bResizeCoveredCells,
                               UINT flags) override;
    BOOL ResizeColWidthsToFit(CGEGridCore* pGrid, CGECellRange range, BOOL bResizeCoveredCells,
                              UINT flags) override;

    static constexpr UINT kGrowOnly = 8;

private:
    static BOOL ResizeToFit(CGEGridCore* pGrid, BOOL bRows, CGECellRange range, BOOL bResizeCoveredCells,
                            UINT flags);
};
