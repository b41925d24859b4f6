#include "grid/features/CGEGridClearCellsImp.h"

#include "framework/core/CUserException.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGERangeList.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGELongOperationState.h"
#include "grid/features/CGERangeBlock.h"
#include "grid/features/CGEUndoTransaction.h"

namespace {

// Steps the operation; a refusal or an abort leaves the clearing through a user exception.
void StepOrLeave(CGELongOperation& operation, BOOL bRefused) {
    BOOL bAbort = FALSE;
    operation.StepAndQueryAbort(bAbort);
    if (bRefused || bAbort)
        AfxThrowUserException();
}

BOOL ClearValue(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) {
    CGEStyle* pStyle = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CString strText;
    CGEControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    const BOOL bHasText = pControl != nullptr
                              ? pControl->GetControlText(strText, nRow, nCol, nullptr, *pStyle)
                              : !(strText = pStyle->GetValue()).IsEmpty();
    BOOL bResult = TRUE;
    if (bHasText && !strText.IsEmpty())
        bResult = pGrid->SetControlTextRowCol(nRow, nCol, CString(), GE_INVALIDATE, pStyle);
    pGrid->RecycleStyle(pStyle);
    return bResult;
}

} // namespace

void CGEGridCore::InstallClearCells() {
    if (m_pClearCellsImp == nullptr) {
        m_pClearCellsImp = new CGEGridClearCellsImp;
        AddAutoDeleteObject(m_pClearCellsImp);
    }
}

BOOL CGEGridClearCellsImp::CanClear(CGEGridCore* pGrid) {
    if (pGrid->IsReadOnly())
        return FALSE;
    CGEGridParam* pParam = pGrid->GetParam();
    return (pParam != nullptr && !pParam->m_SelectedRanges.IsEmpty()) || pGrid->IsCurrentCell();
}

BOOL CGEGridClearCellsImp::Clear(CGEGridCore* pGrid, BOOL bStyles) {
    CGELongOperation operation;
    CGERangeList list;
    if (!pGrid->GetSelectedRanges(list, TRUE))
        return FALSE;
    return ClearCells(pGrid, list, bStyles);
}

BOOL CGEGridClearCellsImp::ClearCells(CGEGridCore* pGrid, const CGERangeList& list, BOOL bStyles) {
    const CString strName = GEGetLibraryState()->GetText(CGELibraryState::textClearCells);
    CGEUndoTransaction transaction(pGrid, strName);
    CGELongOperation operation;
    operation.SetStatusText(strName);
    CGELongOperationState::Get().bRollbackPossible = TRUE;

    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CGERangeList cells;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        CGECellRange range = *list.GetNextRange(pos);
        if (range.IsValid())
            cells.AddRange(
                range.ExpandToCells(pGrid->GetHeaderRows() + 1, pGrid->GetHeaderCols() + 1, nRows, nCols));
    }
    const CGERangeBlock block(cells, nRows, nCols);
    BOOL bDone = TRUE;
    try {
        for (const CGERangeBlock::Span& rows : block.RowSpans()) {
            for (const CGERangeBlock::Span& cols : block.ColSpans()) {
                const CGECellRange part(rows.first, cols.first, rows.second, cols.second);
                const BOOL bOldBulk = pGrid->m_bBulkChange;
                if (!bOldBulk)
                    pGrid->ResetCurrentCellStyleCache();
                pGrid->m_bBulkChange = TRUE;
                struct RestoreBulk {
                    CGEGridCore* pGrid;
                    BOOL bOld;
                    ~RestoreBulk() { pGrid->m_bBulkChange = bOld; }
                } restore{pGrid, bOldBulk};
                if (bStyles) {
                    StepOrLeave(operation,
                                !pGrid->SetStyleRange(part, nullptr, geRemove, 0, nullptr, GE_INVALIDATE));
                    continue;
                }
                for (ROWCOL nRow = part.top; nRow <= part.bottom && nRow != GE_INVALID; ++nRow)
                    for (ROWCOL nCol = part.left; nCol <= part.right && nCol != GE_INVALID; ++nCol)
                        StepOrLeave(operation, !ClearValue(pGrid, nRow, nCol));
            }
        }
    } catch (CUserException* e) {
        e->Delete();
        bDone = FALSE;
    }
    const CGELongOperationState& state = CGELongOperationState::Get();
    if (!bDone && state.bAbortDecided && state.bRollbackRequested)
        transaction.Rollback();
    else
        transaction.Commit();
    if (pGrid->IsCurrentCell())
        pGrid->RefreshCurrentCell(FALSE);
    pGrid->Refresh(GE_INVALIDATE);
    return bDone;
}
