#include "grid/core/CGESpanCellPoolImp.h"

#include "grid/core/CGELibraryState.h"
#include "grid/core/CGESpanCellPool.h"

#include <memory>

CGESpanCellPool* CGESpanCellPoolImp::CreatePoolCopy(const CGESpanCellPool& src) {
    auto pool = std::make_unique<CGESpanCellPool>();
    *pool = src;
    return pool.release();
}

CGESpanCellPool* CGESpanCellPoolImp::CreatePool() {
    return new CGESpanCellPool;
}

void CGESpanCellPoolImp::AssignPool(CGESpanCellPool& dest, const CGESpanCellPool& src) {
    dest = src;
}

void CGESpanCellPoolImp::InsertRows(CGESpanCellPool* pPool, ROWCOL nRow, ROWCOL nCount) {
    if (pPool != nullptr)
        pPool->InsertRows(nRow, nCount);
}

void CGESpanCellPoolImp::RemoveRows(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast) {
    if (pPool != nullptr)
        pPool->RemoveRows(nFirst, nLast);
}

void CGESpanCellPoolImp::MoveRows(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) {
    if (pPool != nullptr)
        pPool->MoveRows(nFirst, nLast, nDest);
}

void CGESpanCellPoolImp::InsertCols(CGESpanCellPool* pPool, ROWCOL nCol, ROWCOL nCount) {
    if (pPool != nullptr)
        pPool->InsertCols(nCol, nCount);
}

void CGESpanCellPoolImp::RemoveCols(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast) {
    if (pPool != nullptr)
        pPool->RemoveCols(nFirst, nLast);
}

void CGESpanCellPoolImp::MoveCols(CGESpanCellPool* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) {
    if (pPool != nullptr)
        pPool->MoveCols(nFirst, nLast, nDest);
}

void GEInstallSpanCellPool() {
    CGELibraryState* state = GEGetLibraryState();
    if (state->m_pSpanCellPoolImp != nullptr)
        return;
    auto imp = std::make_unique<CGESpanCellPoolImp>();
    state->m_pSpanCellPoolImp = imp.get();
    state->AddAutoDeleteObject(imp.release());
}
