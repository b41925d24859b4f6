// Sorting feature: sorts rows or columns of a range by keys and reorders the data.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CPoint.h"
#include "framework/core/CPtrArray.h"
#include "framework/core/CStringArray.h"
#include "grid/core/GECoreDefs.h"

class CGEGridCore;
class CGESortInfoArray;

class CGEAbstractGridSortImp : public CObject {
public:
    virtual void SortKeys(CGEGridCore* pGrid, CGESortInfoArray& sortInfo, CPtrArray& items) = 0;
    virtual void SortRows(CGEGridCore* pGrid, CGECellRange sortRange, CGESortInfoArray& sortInfo,
                          UINT flags) = 0;
    virtual BOOL ReorderRows(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order,
                             UINT flags, int ctCmd) = 0;
    virtual BOOL MoveDataRows(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order) = 0;
    virtual void UpdateReorderRows(CGEGridCore* pGrid, const CGECellRange& range, UINT flags,
                                   BOOL bCreateHint) = 0;
    virtual void GetRowSortKeys(CGEGridCore* pGrid, ROWCOL nRow, const CGESortInfoArray& sortInfo,
                                CStringArray& keys) = 0;
    virtual void SortCols(CGEGridCore* pGrid, CGECellRange sortRange, CGESortInfoArray& sortInfo,
                          UINT flags) = 0;
    virtual BOOL ReorderCols(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order,
                             UINT flags, int ctCmd) = 0;
    virtual BOOL MoveDataCols(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order) = 0;
    virtual void UpdateReorderCols(CGEGridCore* pGrid, const CGECellRange& range, UINT flags,
                                   BOOL bCreateHint) = 0;
    virtual void GetColSortKeys(CGEGridCore* pGrid, ROWCOL nCol, const CGESortInfoArray& sortInfo,
                                CStringArray& keys) = 0;
    // A double click on a header cell; TRUE when it sorted.
    virtual BOOL OnHeaderDblClick(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags, CPoint point) = 0;

protected:
    CGEAbstractGridSortImp() = default;
};
