#include "grid/features/CGECoveredCellPoolImp.h"

#include "grid/core/CGELibraryState.h"
#include "grid/core/CGERangeList.h"
#include "grid/features/CGECoveredCellPool.h"

#include <memory>

CGECoveredCellPool* CGECoveredCellPoolImp::CreatePool() {
    return new CGECoveredCellPool;
}

void CGECoveredCellPoolImp::RebuildPool(CObject* pObject, const CGERangeList& list) {
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CGECoveredCellPool)))
        return;
    auto* pPool = static_cast<CGECoveredCellPool*>(pObject);
    pPool->RemoveAll();
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posRange = pos;
        const CGECellRange* pRange = list.GetNextRange(pos);
        if (pRange->IsValid())
            pPool->SetRange(pRange->top, pRange->left, pRange->bottom, pRange->right, posRange);
    }
}

void GEInstallCoveredCellPool() {
    CGELibraryState* state = GEGetLibraryState();
    if (state->m_pCoveredCellPoolImp != nullptr)
        return;
    auto imp = std::make_unique<CGECoveredCellPoolImp>();
    state->m_pCoveredCellPoolImp = imp.get();
    state->AddAutoDeleteObject(imp.release());
}
