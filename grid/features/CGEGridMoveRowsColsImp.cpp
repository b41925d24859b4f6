#include "grid/features/CGEGridMoveRowsColsImp.h"

#include "grid/GridResource.h"
#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractGridHideCellsImp.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEAbstractSpanCellPoolImp.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGERangeList.h"
#include "grid/core/CGESelectionFrameHider.h"

#include <algorithm>
#include <vector>

namespace {

constexpr ROWCOL kToTheEnd = 0xFFFFFFFE;

// The covered blocks whose origin lies in the lines that change place.
std::vector<CGECellRange> CoveredBlocksIn(CGEGridParam* pParam, BOOL bRows, ROWCOL nFirst, ROWCOL nLast) {
    std::vector<CGECellRange> blocks;
    POSITION pos = pParam->m_CoveredRanges.GetHeadPosition();
    while (pos != nullptr) {
        const CGECellRange* pRange = pParam->m_CoveredRanges.GetNextRange(pos);
        const ROWCOL nOrigin = bRows ? pRange->top : pRange->left;
        if (pRange->IsValid() && nOrigin >= nFirst && nOrigin <= nLast)
            blocks.push_back(*pRange);
    }
    return blocks;
}

} // namespace

void CGEGridCore::InstallMoveRowsCols() {
    if (m_pMoveRowsColsImp == nullptr) {
        m_pMoveRowsColsImp = new CGEGridMoveRowsColsImp;
        AddAutoDeleteObject(m_pMoveRowsColsImp);
    }
}

BOOL CGEGridMoveRowsColsImp::MoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                                      int ctCmd) {
    return Move(pGrid, TRUE, nFrom, nTo, nDest, flags, ctCmd);
}

BOOL CGEGridMoveRowsColsImp::MoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags,
                                      int ctCmd) {
    return Move(pGrid, FALSE, nFrom, nTo, nDest, flags, ctCmd);
}

BOOL CGEGridMoveRowsColsImp::StoreMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL) {
    return Store(pGrid, TRUE, nFrom, nTo, nDest);
}

BOOL CGEGridMoveRowsColsImp::StoreMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL) {
    return Store(pGrid, FALSE, nFrom, nTo, nDest);
}

void CGEGridMoveRowsColsImp::UpdateMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                            UINT flags, BOOL bCreateHint) {
    Update(pGrid, TRUE, nFrom, nTo, nDest, flags, bCreateHint);
}

void CGEGridMoveRowsColsImp::UpdateMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                            UINT flags, BOOL bCreateHint) {
    Update(pGrid, FALSE, nFrom, nTo, nDest, flags, bCreateHint);
}

BOOL CGEGridMoveRowsColsImp::Move(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                  UINT flags, int ctCmd) {
    CGEGridParam* pParam = pGrid->GetParam();
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    if (pParam == nullptr || nFrom > nTo || nTo > nCount || nFrom == nDest || nDest > nCount ||
        nDest + (nTo - nFrom) > nCount)
        return FALSE;
    if (!pGrid->TransferCurrentCell(TRUE, GE_UPDATENOW, TRUE))
        return FALSE;
    CGESelectionFrameHider frameHider(pGrid);
    const BOOL bRecord = pGrid->IsUndoRecorded() && ctCmd != geRollback;
    if (ctCmd == geDo) {
        CString strName;
        strName.LoadString(bRows ? GE_IDS_MOVE_ROWS : GE_IDS_MOVE_COLS);
        pGrid->BeginTrans(strName);
        // Blocks that begin in the lines changing place come back exactly on undo.
        const ROWCOL nFirst = std::min(nFrom, nDest), nLast = std::max(nTo, nDest + (nTo - nFrom));
        const std::vector<CGECellRange> blocks = CoveredBlocksIn(pParam, bRows, nFirst, nLast);
        for (const CGECellRange& b : blocks) {
            if (bRecord) {
                CGEAbstractCommandFactory* pFactory = pGrid->m_pCommandFactory;
                pGrid->AddCommand(pFactory->CreateSetCoveredCellsCmd(b.top, b.left, b.bottom, b.right), geDo);
                pGrid->AddCommand(pFactory->CreateSetCoveredCellsCmd(b.top, b.left, b.top, b.left), geDo);
            }
        }
        if (!blocks.empty())
            flags = (flags | GE_INVALIDATE) & ~(GE_UPDATENOW | GE_SMART);
    }
    const BOOL bOldUndo = bRecord ? pGrid->EnableUndo(FALSE) : FALSE;
    const BOOL bMoved = Store(pGrid, bRows, nFrom, nTo, nDest);
    if (bRecord)
        pGrid->EnableUndo(bOldUndo);
    if (!bMoved) {
        pGrid->CleanUpUndo();
        if (ctCmd == geDo)
            pGrid->Rollback();
        return FALSE;
    }
    Update(pGrid, bRows, nFrom, nTo, nDest, flags, TRUE);
    if (bRecord) {
        const ROWCOL nBackTo = nDest + (nTo - nFrom);
        CGEAbstractCommandFactory* pFactory = pGrid->m_pCommandFactory;
        pGrid->AddCommand(bRows ? pFactory->CreateMoveRowsCmd(nDest, nBackTo, nFrom)
                                : pFactory->CreateMoveColsCmd(nDest, nBackTo, nFrom),
                          ctCmd);
        if (ctCmd == geUndo || ctCmd == geRedo) {
            if (bRows)
                pGrid->SetUndoCurrentCell(nDest, std::max<ROWCOL>(pGrid->GetLeftCol(), 1), FALSE);
            else
                pGrid->SetUndoCurrentCell(std::max<ROWCOL>(pGrid->GetTopRow(), 1), nDest, FALSE);
        }
    }
    if (ctCmd == geDo)
        pGrid->CommitTrans();
    return TRUE;
}

BOOL CGEGridMoveRowsColsImp::Store(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
    if (nFrom == nDest)
        return FALSE;
    CGEGridParam* pParam = pGrid->GetParam();
    if (CGEData* pData = pGrid->GetData()) {
        if (!(bRows ? pData->StoreMoveRows(nFrom, nTo, nDest) : pData->StoreMoveCols(nFrom, nTo, nDest)))
            return FALSE;
    }
    pGrid->SetModifiedFlag(TRUE);
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    if (bRows) {
        if (pGrid->m_pHideCellsImp != nullptr)
            pGrid->m_pHideCellsImp->MoveHiddenRows(pGrid, nFrom, nTo, nDest);
        else
            pParam->m_abHiddenRows.MoveBits(nFrom, nTo, nDest);
        pParam->m_RowHeights.MoveKeys(nFrom, nTo, nDest);
        pParam->m_SelectedRanges.MoveRows(nFrom, nTo, nDest, nCount);
        pParam->m_CoveredRanges.MoveRows(nFrom, nTo, nDest, nCount);
    } else {
        if (pGrid->m_pHideCellsImp != nullptr)
            pGrid->m_pHideCellsImp->MoveHiddenCols(pGrid, nFrom, nTo, nDest);
        else
            pParam->m_abHiddenCols.MoveBits(nFrom, nTo, nDest);
        pParam->m_ColWidths.MoveKeys(nFrom, nTo, nDest);
        pParam->m_SelectedRanges.MoveCols(nFrom, nTo, nDest, nCount);
        pParam->m_CoveredRanges.MoveCols(nFrom, nTo, nDest, nCount);
    }
    pParam->RebuildSpanCellPool();

    // Spans that run along the moved lines travel with them; those that run across them are rebuilt from
    // the first line that changed place.
    const ROWCOL nFirst = std::min(nFrom, nDest);
    CGEAbstractSpanCellPoolImp* pPools = GEGetLibraryState()->m_pSpanCellPoolImp;
    const CGECellRange changed = bRows ? CGECellRange().SetRows(nFirst, std::max(nFirst, nCount))
                                       : CGECellRange().SetCols(nFirst, std::max(nFirst, nCount));
    if (pPools != nullptr) {
        for (CGESpanCellPool* pFloat : {pParam->m_pFloatPool, pParam->m_pPrintFloatPool}) {
            if (pFloat == nullptr)
                continue;
            if (bRows)
                pPools->MoveRows(pFloat, nFrom, nTo, nDest);
            else
                pPools->RemoveCols(pFloat, nFirst, kToTheEnd);
        }
        if (pParam->m_pVertMergePool != nullptr) {
            if (bRows)
                pPools->RemoveRows(pParam->m_pVertMergePool, nFirst, kToTheEnd);
            else
                pPools->MoveCols(pParam->m_pVertMergePool, nFrom, nTo, nDest);
        }
        if (pParam->m_pHorzMergePool != nullptr) {
            if (bRows)
                pPools->MoveRows(pParam->m_pHorzMergePool, nFrom, nTo, nDest);
            else
                pPools->RemoveCols(pParam->m_pHorzMergePool, nFirst, kToTheEnd);
        }
    }
    if (!bRows)
        pGrid->DelayFloatCells(changed);
    pGrid->DelayMergeCells(changed);
    return TRUE;
}

void CGEGridMoveRowsColsImp::Update(CGEGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                    UINT flags, BOOL bCreateHint) {
    ROWCOL nRow = 0, nCol = 0;
    if (pGrid->GetCurrentCell(nRow, nCol, TRUE)) {
        if (bRows)
            nRow = GEMovedIndex(nRow, nFrom, nTo, nDest);
        else
            nCol = GEMovedIndex(nCol, nFrom, nTo, nDest);
        pGrid->PlaceCurrentCell(nRow, nCol, GE_NOREDRAW);
    }
    // Every cell between the first and the last line that changed place is drawn again.
    if (!pGrid->IsLockUpdate())
        pGrid->Redraw(flags, FALSE);
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr) {
        if (bRows)
            pGrid->m_pUpdateHintImp->HintMoveRows(pGrid, nFrom, nTo, nDest, flags);
        else
            pGrid->m_pUpdateHintImp->HintMoveCols(pGrid, nFrom, nTo, nDest, flags);
    }
}
