// Moving data after a sort (application-wide): puts the stored rows or columns of a cell data object into
// a new order.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObject.h"
#include "grid/core/GECoreDefs.h"

class CGEData;

class CGEAbstractGridSortMoveDataImp : public CObject {
public:
    // Entry i of order names the old offset (from the range's first row or column) of the line that goes
    // to offset i. FALSE when the order does not fit the range (nothing moved).
    virtual BOOL MoveDataRows(CGEData* pData, const CGECellRange& range, const CDWordArray& order) = 0;
    virtual BOOL MoveDataCols(CGEData* pData, const CGECellRange& range, const CDWordArray& order) = 0;

protected:
    CGEAbstractGridSortMoveDataImp() = default;
};
