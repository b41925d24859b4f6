// CGEGridMarkEditHeaderImp: the row header of the current cell's row and the column header of its column
// are drawn marked (and the header of a row or column being resized), so the user sees where the current
// cell is.
#pragma once

#include "grid/core/CGEAbstractGridMarkEditHeaderImp.h"
#include "grid/core/GECoreDefs.h"

class CGEGridMarkEditHeaderImp : public CGEAbstractGridMarkEditHeaderImp {
public:
    // nWhich: 0 both headers, 1 the column header only, 2 the row header only. Nothing during a bulk
    // change, for headers out of view or of no size.
    void RedrawEditHeaders(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nWhich, UINT flags) override;
    BOOL IsHeaderMarked(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                        UINT flags) override;

private:
    // Invalidates the header cells of one row (bRow) or column, widened over covered cells.
    static void InvalidateHeader(CGEGridCore* pGrid, BOOL bRow, ROWCOL nLine, UINT flags);
};
