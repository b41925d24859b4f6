// The internal clipboard form of cells: their styles in an archive.
#pragma once

#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CArchive;
class CGEGridCore;
class CGERangeList;
class CGEStyle;

class CGEAbstractGridStyleDataExchangeImp : public CObject {
public:
    virtual BOOL CopyCellsToArchive(CGEGridCore* pGrid, CArchive& ar, const CGERangeList& list,
                                    BOOL bComposed) = 0;
    virtual BOOL GetCellStyleForCopy(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGEStyle& style,
                                     BOOL bComposed) = 0;
    virtual BOOL PasteCellsFromArchive(CGEGridCore* pGrid, CArchive& ar, const CGECellRange& range,
                                       BOOL bCheckSize) = 0;

protected:
    CGEAbstractGridStyleDataExchangeImp() = default;
};
