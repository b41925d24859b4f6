#include "grid/features/CGEGridCoveredCellsImp.h"

#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGECoveredCellPool.h"
#include "grid/features/CGECoveredCellPoolImp.h"

#include <algorithm>
#include <vector>

namespace {

constexpr ROWCOL kLimit = 0x7FFFFFFF;

} // namespace

void CGEGridCore::InstallCoveredCells() {
    if (m_pCoveredCellsImp == nullptr) {
        auto* pImp = new CGEGridCoveredCellsImp;
        m_pCoveredCellsImp = pImp;
        AddAutoDeleteObject(pImp);
    }
    GEInstallCoveredCellPool();
    if (m_pParam != nullptr)
        CGEGridCoveredCellsImp::GetPool(m_pParam);
    InstallDrawSpannedCells();
}

CGECoveredCellPool* CGEGridCoveredCellsImp::GetPool(CGEGridParam* pParam) {
    if (pParam == nullptr)
        return nullptr;
    if (pParam->m_pCoveredCellPool == nullptr) {
        CGEAbstractCoveredCellPoolImp* pImp = GEGetLibraryState()->m_pCoveredCellPoolImp;
        if (pImp == nullptr)
            return nullptr;
        pParam->m_pCoveredCellPool = pImp->CreatePool();
        pParam->RebuildSpanCellPool();
    }
    return pParam->m_pCoveredCellPool->IsKindOf(RUNTIME_CLASS(CGECoveredCellPool))
               ? static_cast<CGECoveredCellPool*>(pParam->m_pCoveredCellPool)
               : nullptr;
}

BOOL CGEGridCoveredCellsImp::SetCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft,
                                                   ROWCOL nBottom, ROWCOL nRight, UINT flags, int ctCmd) {
    CGECellRange old(nTop, nLeft, nTop, nLeft);
    GetCoveredCellsRowCol(pGrid, nTop, nLeft, old);
    const BOOL bSet = nBottom > nTop || nRight > nLeft;
    // An undo or redo restores a block's former extent, which may be smaller than the block it replaces:
    // the block goes first and comes back when the restored extent is refused.
    const BOOL bRestoring = (ctCmd == geUndo || ctCmd == geRedo) && bSet && old.top == nTop &&
                            old.left == nLeft && (old.bottom != nBottom || old.right != nRight) &&
                            (old.bottom > nTop || old.right > nLeft);
    if (bRestoring)
        StoreCoveredCellsRowCol(pGrid, nTop, nLeft, old.bottom, old.right, FALSE);
    if (!StoreCoveredCellsRowCol(pGrid, nTop, nLeft, nBottom, nRight, bSet)) {
        if (bRestoring)
            StoreCoveredCellsRowCol(pGrid, nTop, nLeft, old.bottom, old.right, TRUE);
        return FALSE;
    }

    CGECellRange united(nTop, nLeft, std::max(old.bottom, nBottom), std::max(old.right, nRight));
    pGrid->DelayFloatCells(united, GE_INVALID);
    pGrid->DelayMergeCells(united, GE_INVALID, GE_INVALID);
    CGECellRange changed;
    if (pGrid->EvalMergeCells(united, FALSE, &changed, FALSE) && changed.IsValid())
        united.SetUnion(united, changed);
    changed = CGECellRange();
    if (pGrid->EvalFloatCells(united, FALSE, &changed, FALSE) && changed.IsValid())
        united.SetUnion(united, changed);
    UpdateCoveredCellsRowCol(pGrid, united.top, united.left, united.bottom, united.right, flags, TRUE);

    if (ctCmd != geRollback && pGrid->IsUndoRecorded()) {
        pGrid->AddCommand(
            pGrid->m_pCommandFactory->CreateSetCoveredCellsCmd(nTop, nLeft, old.bottom, old.right), ctCmd);
        if (ctCmd == geUndo || ctCmd == geRedo)
            pGrid->m_pCommandFactory->SetUndoCurrentCell(pGrid, nTop, nLeft, TRUE);
    }
    return TRUE;
}

CGECellRange* CGEGridCoveredCellsImp::GetCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                            CGECellRange& range) {
    if (nRow >= kLimit || nCol >= kLimit)
        return nullptr;
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_CoveredRanges.IsEmpty())
        return nullptr;
    CGECoveredCellPool* pPool = GetPool(pParam);
    const POSITION pos = pPool != nullptr ? pPool->Lookup(nRow, nCol) : nullptr;
    if (pos == nullptr)
        return nullptr;
    range = *pParam->m_CoveredRanges.GetRangeAt(pos);
    return &range;
}

BOOL CGEGridCoveredCellsImp::StoreCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft,
                                                     ROWCOL nBottom, ROWCOL nRight, BOOL bSet) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || nTop >= kLimit || nLeft >= kLimit || nBottom >= kLimit || nRight >= kLimit)
        return FALSE;
    if (pParam->m_bLockReadOnly) {
        const CGEStyle& standard = pGrid->GetStandardStyle();
        if (pGrid->IsReadOnly() || (standard.GetIncludeReadOnly() && standard.GetReadOnly()))
            return FALSE;
    }
    CGECoveredCellPool* pPool = GetPool(pParam);
    if (pPool == nullptr)
        return FALSE;
    CGERangeList& list = pParam->m_CoveredRanges;

    if (!bSet) {
        const POSITION pos = pPool->Lookup(nTop, nLeft);
        if (pos == nullptr)
            return FALSE;
        const CGECellRange block = *list.GetRangeAt(pos);
        if (block.top != nTop || block.left != nLeft)
            return FALSE;
        pPool->SetRange(block.top, block.left, block.bottom, block.right, nullptr);
        list.DeleteAt(pos);
        return TRUE;
    }

    const CGECellRange block(nTop, nLeft, nBottom, nRight); // ordered
    CGECellRange widened(block);
    ExpandCoveredCellsRange(pGrid, widened);
    if (widened.top != block.top || widened.left != block.left || widened.bottom != block.bottom ||
        widened.right != block.right)
        return FALSE; // meets another block partly, or would shrink one in place
    // Every block it meets now lies inside it: only the block of the same origin may be enlarged, and a
    // block may not hold another.
    const POSITION posSame = pPool->Lookup(block.top, block.left);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        const CGECellRange* pRange = list.GetNextRange(pos);
        if (at != posSame && pRange->IsValid() && block.Contains(pRange->top, pRange->left))
            return FALSE;
    }
    if (posSame != nullptr) {
        CGECellRange* pHeld = list.GetRangeAt(posSame);
        if (pHeld->top != block.top || pHeld->left != block.left)
            return FALSE;
        if (pHeld->bottom == block.bottom && pHeld->right == block.right)
            return FALSE;
        *pHeld = block;
        pPool->SetRange(block.top, block.left, block.bottom, block.right, posSame);
        return TRUE;
    }
    const POSITION pos = list.AddRange(block);
    pPool->SetRange(block.top, block.left, block.bottom, block.right, pos);
    return TRUE;
}

void CGEGridCoveredCellsImp::UpdateCoveredCellsRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft,
                                                      ROWCOL nBottom, ROWCOL nRight, UINT flags,
                                                      BOOL bCreateHint) {
    if (!pGrid->IsLockUpdate()) {
        CGECellRange block;
        if (GetCoveredCellsRowCol(pGrid, nTop, nLeft, block) != nullptr) {
            nBottom = std::max(nBottom, block.bottom);
            nRight = std::max(nRight, block.right);
            ROWCOL nRow = 0, nCol = 0;
            if (pGrid->GetCurrentCell(nRow, nCol) && block.Contains(nRow, nCol) &&
                (nRow != block.top || nCol != block.left))
                pGrid->PlaceCurrentCell(block.top, block.left, flags | GE_GROWONLY);
        }
        pGrid->RedrawRange(nTop, nLeft, nBottom, nRight, flags, TRUE);
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HintUpdateCoveredCells(pGrid, nTop, nLeft, nBottom, nRight, flags);
}

BOOL CGEGridCoveredCellsImp::ExpandCoveredCellsRange(CGEGridCore* pGrid, CGECellRange& range) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->m_CoveredRanges.IsEmpty())
        return FALSE;
    const CGECellRange before = range;
    // Whole rows, columns and the table contain every block they meet already.
    if (!range.IsCells())
        return FALSE;
    // Blocks are few; uniting every block that meets the range until nothing more grows it follows the
    // range's growing bounds as a cell-by-cell scan would, at a cost per block instead of per cell.
    BOOL bGrew = TRUE;
    while (bGrew) {
        bGrew = FALSE;
        POSITION pos = pParam->m_CoveredRanges.GetHeadPosition();
        while (pos != nullptr) {
            const CGECellRange* pBlock = pParam->m_CoveredRanges.GetNextRange(pos);
            if (!pBlock->IsValid() || pBlock->bottom < range.top || pBlock->top > range.bottom ||
                pBlock->right < range.left || pBlock->left > range.right)
                continue;
            if (pBlock->top < range.top || pBlock->left < range.left || pBlock->bottom > range.bottom ||
                pBlock->right > range.right) {
                range.SetUnion(range, *pBlock);
                bGrew = TRUE;
            }
        }
    }
    return !(range == before);
}

void CGEGridCoveredCellsImp::AdjustCoveredCellsRemoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                          UINT& flags, int ctCmd) {
    AdjustRemoved(pGrid, TRUE, nFrom, nTo, flags, ctCmd);
}

void CGEGridCoveredCellsImp::AdjustCoveredCellsRemoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                          UINT& flags, int ctCmd) {
    AdjustRemoved(pGrid, FALSE, nFrom, nTo, flags, ctCmd);
}

void CGEGridCoveredCellsImp::AdjustRemoved(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo,
                                           UINT& flags, int ctCmd) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (ctCmd != geDo || pParam == nullptr || pParam->m_CoveredRanges.IsEmpty())
        return;
    const BOOL bOldLock = pParam->SetLockUpdate(TRUE);
    pGrid->BeginTrans(pGrid->m_pAppState->GetText(bRows ? CGELibraryState::textRemovingRows
                                                        : CGELibraryState::textRemovingCols));
    // The list changes while blocks are removed and set again: work on a copy of the blocks.
    std::vector<CGECellRange> blocks;
    for (POSITION pos = pParam->m_CoveredRanges.GetHeadPosition(); pos != nullptr;)
        blocks.push_back(*pParam->m_CoveredRanges.GetNextRange(pos));
    BOOL bChanged = FALSE;
    for (const CGECellRange& b : blocks) {
        const ROWCOL nOrigin = bRows ? b.top : b.left;
        const ROWCOL nEnd = bRows ? b.bottom : b.right;
        if (nOrigin >= nFrom && nOrigin <= nTo) {
            bChanged |= SetCoveredCellsRowCol(pGrid, b.top, b.left, b.top, b.left, flags, geDo);
        } else if (nOrigin < nFrom && nEnd >= nFrom && nEnd <= nTo) {
            bChanged |= SetCoveredCellsRowCol(pGrid, b.top, b.left, b.top, b.left, flags, geDo);
            bChanged |= SetCoveredCellsRowCol(pGrid, b.top, b.left, bRows ? nFrom - 1 : b.bottom,
                                              bRows ? b.right : nFrom - 1, flags, geDo);
        }
    }
    pParam->SetLockUpdate(bOldLock);
    if (bChanged)
        flags = GE_INVALIDATE;
}
