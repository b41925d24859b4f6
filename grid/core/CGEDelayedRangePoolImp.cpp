#include "grid/core/CGEDelayedRangePoolImp.h"

#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGELibraryState.h"

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

void GEInstallDelayedRangePool() {
    CGELibraryState* state = GEGetLibraryState();
    if (state->m_pDelayedRangePoolImp != nullptr)
        return;
    auto imp = std::make_unique<CGEDelayedRangePoolImp>();
    state->m_pDelayedRangePoolImp = imp.get();
    state->AddAutoDeleteObject(imp.release());
}
