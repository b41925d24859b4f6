// Floating cells feature: text that runs on into empty neighbours.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEControl;
class CGEGridCore;
class CGEStyle;

class CGEAbstractGridFloatCellsImp : public CObject {
public:
    virtual void SetFloatCellsMode(CGEGridCore* pGrid, WORD wMode, BOOL bRedraw) = 0;
    virtual void DelayFloatCells(CGEGridCore* pGrid, const CGECellRange& range, ROWCOL nLastCol) = 0;
    virtual BOOL EvalFloatCells(CGEGridCore* pGrid, const CGECellRange& range, BOOL bUpdate,
                                CGECellRange* pChanged, BOOL bCachedStyles) = 0;
    virtual CGECellRange* GetFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                               CGECellRange& range) = 0;
    virtual BOOL CanFloatText(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGEStyle& style, BOOL bFloatOrFlood) = 0;
    virtual BOOL CanFloatCell(CGEGridCore* pGrid, CGEControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGEStyle& style, BOOL bFloatOrFlood) = 0;
    virtual BOOL SetFloatedCellsRange(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                      ROWCOL nToCol, UINT flags) = 0;
    virtual void UpdateFloatedCells(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                    ROWCOL nToCol, UINT flags, BOOL bCreateHint) = 0;
    virtual BOOL ExpandFloatedCellsRange(CGEGridCore* pGrid, CGECellRange& range) = 0;

protected:
    CGEAbstractGridFloatCellsImp() = default;
};
