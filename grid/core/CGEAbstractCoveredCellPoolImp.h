// The covered-cell pool feature (application-wide): makes the cell-to-block index of covered cells and
// rebuilds it from the parameter object's list of covered ranges.
#pragma once

#include "framework/core/CObject.h"

class CGECoveredCellPool;
class CGERangeList;

class CGEAbstractCoveredCellPoolImp : public CObject {
public:
    // A new empty pool; the caller owns it.
    virtual CGECoveredCellPool* CreatePool() = 0;
    // Empties the pool (a CGECoveredCellPool, as the parameter object keeps it) and enters every range of
    // the list with its position, in list order.
    virtual void RebuildPool(CObject* pPool, const CGERangeList& list) = 0;

protected:
    CGEAbstractCoveredCellPoolImp() = default;
};
