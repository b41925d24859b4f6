// Marking the current cell's headers: the row and column header of the current cell are drawn marked.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEControl;
class CGEGridCore;

class CGEAbstractGridMarkEditHeaderImp : public CObject {
public:
    // nWhich: 0 both headers, 1 the column header only, 2 the row header only.
    virtual void RedrawEditHeaders(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nWhich, UINT flags) = 0;
    virtual BOOL IsHeaderMarked(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                UINT flags) = 0;

protected:
    CGEAbstractGridMarkEditHeaderImp() = default;
};
