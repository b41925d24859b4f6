#include "grid/core/CGEDelayedRangePoolImp.h"

#include "grid/core/CGEDelayedRangePool.h"

#include <memory>

CGEDelayedRangePool* CGEDelayedRangePoolImp::CreatePoolCopy(const CGEDelayedRangePool& src) {
    auto pool = std::make_unique<CGEDelayedRangePool>();
    *pool = src;
    return pool.release();
}

CGEDelayedRangePool* CGEDelayedRangePoolImp::CreatePool() {
    return new CGEDelayedRangePool;
}

void CGEDelayedRangePoolImp::AssignPool(CGEDelayedRangePool& dest, const CGEDelayedRangePool& src) {
    dest = src;
}
