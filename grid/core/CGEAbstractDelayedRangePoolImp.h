// The delayed-range pool feature (application-wide): makes and copies the pools of delayed ranges that the
// floating-cells and merged-cells features keep in the grid parameters.
#pragma once

#include "framework/core/CObject.h"

class CGEDelayedRangePool;

class CGEAbstractDelayedRangePoolImp : public CObject {
public:
    // A new pool holding a copy of src; the caller owns it.
    virtual CGEDelayedRangePool* CreatePoolCopy(const CGEDelayedRangePool& src) = 0;
    // A new empty pool; the caller owns it.
    virtual CGEDelayedRangePool* CreatePool() = 0;
    // dest becomes a copy of src.
    virtual void AssignPool(CGEDelayedRangePool& dest, const CGEDelayedRangePool& src) = 0;

protected:
    CGEAbstractDelayedRangePoolImp() = default;
};
