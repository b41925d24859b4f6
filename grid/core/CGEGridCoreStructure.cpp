// Inserting, removing and moving rows and columns (data, sizes, hidden flags, ranges and the current
// cell move together), undo and redo through the command factory, and the print state.
#include "framework/win/CDC.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CView.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractGridCoveredCellsImp.h"
#include "grid/core/CGEAbstractGridHideCellsImp.h"
#include "grid/core/CGEAbstractGridMoveRowsColsImp.h"
#include "grid/core/CGEAbstractGridOptimizedUpdateImp.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEAbstractSpanCellPoolImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <memory>

// ---- storing ----

namespace {

// The floated and merged spans follow inserted and removed lines (the span-cell pool feature edits each
// pool; nothing without it), and the covered-cell index is built again from the covered ranges.
template <class F> void AdjustSpanPools(CGEGridParam* pParam, F edit) {
    CGEAbstractSpanCellPoolImp* pImp = GEGetLibraryState()->m_pSpanCellPoolImp;
    if (pImp != nullptr) {
        for (CGESpanCellPool* pPool : {pParam->m_pFloatPool, pParam->m_pPrintFloatPool,
                                       pParam->m_pHorzMergePool, pParam->m_pVertMergePool})
            edit(pImp, pPool);
    }
    pParam->RebuildSpanCellPool();
}

} // namespace

BOOL CGEGridCore::StoreInsertRows(ROWCOL nRow, ROWCOL nCount) {
    ForgetSelectionFrame();
    CGEData* pData = GetData();
    if (pData == nullptr || !pData->StoreInsertRows(nRow, nCount))
        return FALSE;
    m_pParam->m_RowHeights.InsertKeys(nRow, nCount);
    if (m_pHideCellsImp != nullptr)
        m_pHideCellsImp->InsertHiddenRows(this, nRow, nCount);
    else
        m_pParam->m_abHiddenRows.InsertBits(nRow, nCount);
    m_pParam->m_SelectedRanges.InsertRows(nRow, nCount);
    m_pParam->m_CoveredRanges.InsertRows(nRow, nCount);
    AdjustSpanPools(m_pParam, [&](CGEAbstractSpanCellPoolImp* pImp, CGESpanCellPool* pPool) {
        pImp->InsertRows(pPool, nRow, nCount);
    });
    if (m_bCurrentCell && m_nCurRow >= nRow)
        StoreCurrentCell(TRUE, m_nCurRow + nCount, m_nCurCol);
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::StoreInsertCols(ROWCOL nCol, ROWCOL nCount) {
    ForgetSelectionFrame();
    CGEData* pData = GetData();
    if (pData == nullptr || !pData->StoreInsertCols(nCol, nCount))
        return FALSE;
    m_pParam->m_ColWidths.InsertKeys(nCol, nCount);
    if (m_pHideCellsImp != nullptr)
        m_pHideCellsImp->InsertHiddenCols(this, nCol, nCount);
    else
        m_pParam->m_abHiddenCols.InsertBits(nCol, nCount);
    m_pParam->m_SelectedRanges.InsertCols(nCol, nCount);
    m_pParam->m_CoveredRanges.InsertCols(nCol, nCount);
    AdjustSpanPools(m_pParam, [&](CGEAbstractSpanCellPoolImp* pImp, CGESpanCellPool* pPool) {
        pImp->InsertCols(pPool, nCol, nCount);
    });
    if (m_bCurrentCell && m_nCurCol >= nCol)
        StoreCurrentCell(TRUE, m_nCurRow, m_nCurCol + nCount);
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo) {
    ForgetSelectionFrame();
    CGEData* pData = GetData();
    if (pData == nullptr || !pData->StoreRemoveRows(nFrom, nTo))
        return FALSE;
    const ROWCOL nRows = pData->GetRowCount();
    m_pParam->m_RowHeights.RemoveKeys(nFrom, nTo);
    if (m_pHideCellsImp != nullptr)
        m_pHideCellsImp->RemoveHiddenRows(this, nFrom, nTo);
    else
        m_pParam->m_abHiddenRows.RemoveBits(nFrom, nTo);
    m_pParam->m_SelectedRanges.RemoveRows(nFrom, nTo, nRows);
    m_pParam->m_SelectedRanges.DeleteInvalidRanges();
    m_pParam->m_CoveredRanges.RemoveRows(nFrom, nTo, nRows);
    m_pParam->m_CoveredRanges.DeleteInvalidRanges();
    AdjustSpanPools(m_pParam, [&](CGEAbstractSpanCellPoolImp* pImp, CGESpanCellPool* pPool) {
        pImp->RemoveRows(pPool, nFrom, nTo);
    });
    if (m_bCurrentCell && m_nCurRow >= nFrom) {
        const ROWCOL nNew = m_nCurRow > nTo ? m_nCurRow - (nTo - nFrom + 1) : std::min(nFrom, nRows);
        PlaceCurrentCell(nNew, m_nCurCol, GE_NOREDRAW);
    }
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo) {
    ForgetSelectionFrame();
    CGEData* pData = GetData();
    if (pData == nullptr || !pData->StoreRemoveCols(nFrom, nTo))
        return FALSE;
    const ROWCOL nCols = pData->GetColCount();
    m_pParam->m_ColWidths.RemoveKeys(nFrom, nTo);
    if (m_pHideCellsImp != nullptr)
        m_pHideCellsImp->RemoveHiddenCols(this, nFrom, nTo);
    else
        m_pParam->m_abHiddenCols.RemoveBits(nFrom, nTo);
    m_pParam->m_SelectedRanges.RemoveCols(nFrom, nTo, nCols);
    m_pParam->m_SelectedRanges.DeleteInvalidRanges();
    m_pParam->m_CoveredRanges.RemoveCols(nFrom, nTo, nCols);
    m_pParam->m_CoveredRanges.DeleteInvalidRanges();
    AdjustSpanPools(m_pParam, [&](CGEAbstractSpanCellPoolImp* pImp, CGESpanCellPool* pPool) {
        pImp->RemoveCols(pPool, nFrom, nTo);
    });
    if (m_bCurrentCell && m_nCurCol >= nFrom) {
        const ROWCOL nNew = m_nCurCol > nTo ? m_nCurCol - (nTo - nFrom + 1) : std::min(nFrom, nCols);
        PlaceCurrentCell(m_nCurRow, nNew, GE_NOREDRAW);
    }
    SetModifiedFlag();
    return TRUE;
}

// ---- updating the screen ----

void CGEGridCore::UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint) {
    ResetLastVisible();
    m_bCacheValid = FALSE;
    ResetCurrentCellStyleCache();
    if (!IsLockUpdate()) {
        if (m_pOptimizedUpdateImp != nullptr)
            m_pOptimizedUpdateImp->OnInsertedRows(this, nRow, nCount, flags);
        else
            Redraw(flags, FALSE);
        UpdateScrollbars();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintInsertRows(this, nRow, nCount, flags);
}

void CGEGridCore::UpdateInsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint) {
    ResetLastVisible();
    m_bCacheValid = FALSE;
    ResetCurrentCellStyleCache();
    if (!IsLockUpdate()) {
        if (m_pOptimizedUpdateImp != nullptr)
            m_pOptimizedUpdateImp->OnInsertedCols(this, nCol, nCount, flags);
        else
            Redraw(flags, FALSE);
        UpdateScrollbars();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintInsertCols(this, nCol, nCount, flags);
}

void CGEGridCore::UpdateRemoveRows(ROWCOL nFrom, ROWCOL nTo, int* anOldHeights, UINT flags,
                                   BOOL bCreateHint) {
    ResetLastVisible();
    m_bCacheValid = FALSE;
    ResetCurrentCellStyleCache();
    if (!IsLockUpdate()) {
        if (m_pOptimizedUpdateImp != nullptr) {
            m_pOptimizedUpdateImp->OnRemovedRows(this, nFrom, nTo, anOldHeights, flags);
        } else {
            const ROWCOL nRows = GetRowCount();
            if (m_nTopRow > std::max(nRows, GetFrozenRows() + 1))
                m_nTopRow = std::max(nRows, GetFrozenRows() + 1);
            Redraw(flags, FALSE);
        }
        UpdateScrollbars();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintRemoveRows(this, nFrom, nTo, anOldHeights, flags);
}

void CGEGridCore::UpdateRemoveCols(ROWCOL nFrom, ROWCOL nTo, int* anOldWidths, UINT flags, BOOL bCreateHint) {
    ResetLastVisible();
    m_bCacheValid = FALSE;
    ResetCurrentCellStyleCache();
    if (!IsLockUpdate()) {
        if (m_pOptimizedUpdateImp != nullptr) {
            m_pOptimizedUpdateImp->OnRemovedCols(this, nFrom, nTo, anOldWidths, flags);
        } else {
            const ROWCOL nCols = GetColCount();
            if (m_nLeftCol > std::max(nCols, GetFrozenCols() + 1))
                m_nLeftCol = std::max(nCols, GetFrozenCols() + 1);
            Redraw(flags, FALSE);
        }
        UpdateScrollbars();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintRemoveCols(this, nFrom, nTo, anOldWidths, flags);
}

// ---- the operations ----

BOOL CGEGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellsArray,
                             ROWCOL nColCount, UINT flags, int ctCmd) {
    if (m_pParam == nullptr || nCount == 0 || !StoreInsertRows(nRow, nCount))
        return FALSE;
    // Rows given back by an undo arrive with their sizes and stored styles.
    for (ROWCOL i = 0; anHeights != nullptr && i < nCount; ++i)
        m_pParam->StoreRowHeight(nRow + i, anHeights[i] < 0 ? -1 : GEUnzoomSize(anHeights[i], m_nZoom));
    if (pCellsArray != nullptr) {
        INT_PTR nIndex = 0;
        for (ROWCOL i = 0; i < nCount; ++i) {
            for (ROWCOL nCol = 0; nCol <= nColCount; ++nCol, ++nIndex) {
                const auto* pStyle = nIndex < pCellsArray->GetSize()
                                         ? static_cast<const CGEStyle*>(pCellsArray->GetAt(nIndex))
                                         : nullptr;
                if (pStyle != nullptr)
                    GetData()->StoreStyleRowCol(nRow + i, nCol, pStyle, geCopy, -1);
            }
        }
    }
    DelayFloatCells(CGECellRange().SetRows(nRow, GetRowCount()));
    DelayMergeCells(CGECellRange().SetRows(nRow > 0 ? nRow - 1 : 0, GetRowCount()));
    if (IsUndoRecorded() && ctCmd != geRollback)
        AddCommand(m_pCommandFactory->CreateRemoveRowsCmd(nRow, nRow + nCount - 1), ctCmd);
    UpdateInsertRows(nRow, nCount, flags, TRUE);
    return TRUE;
}

BOOL CGEGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellsArray,
                             ROWCOL nRowCount, UINT flags, int ctCmd) {
    if (m_pParam == nullptr || nCount == 0 || !StoreInsertCols(nCol, nCount))
        return FALSE;
    for (ROWCOL i = 0; anWidths != nullptr && i < nCount; ++i)
        m_pParam->StoreColWidth(nCol + i, anWidths[i] < 0 ? -1 : GEUnzoomSize(anWidths[i], m_nZoom));
    if (pCellsArray != nullptr) {
        // Row by row, as CopyRangeStyles gave them.
        INT_PTR nIndex = 0;
        for (ROWCOL nRow = 0; nRow <= nRowCount; ++nRow) {
            for (ROWCOL i = 0; i < nCount; ++i, ++nIndex) {
                const auto* pStyle = nIndex < pCellsArray->GetSize()
                                         ? static_cast<const CGEStyle*>(pCellsArray->GetAt(nIndex))
                                         : nullptr;
                if (pStyle != nullptr)
                    GetData()->StoreStyleRowCol(nRow, nCol + i, pStyle, geCopy, -1);
            }
        }
    }
    DelayFloatCells(CGECellRange().SetCols(nCol > 0 ? nCol - 1 : 0, GetColCount()));
    DelayMergeCells(CGECellRange().SetCols(nCol > 0 ? nCol - 1 : 0, GetColCount()));
    if (IsUndoRecorded() && ctCmd != geRollback)
        AddCommand(m_pCommandFactory->CreateRemoveColsCmd(nCol, nCol + nCount - 1), ctCmd);
    UpdateInsertCols(nCol, nCount, flags, TRUE);
    return TRUE;
}

BOOL CGEGridCore::RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags, int ctCmd) {
    const ROWCOL nRows = GetRowCount();
    if (m_pParam == nullptr || nFrom == 0 || nFrom > nTo || nFrom > nRows)
        return FALSE;
    nTo = std::min(nTo, nRows);
    // The covered-cells feature opens the removal's undo step when it has blocks to adjust in an ordinary
    // call, so that its changes and the removal undo as one; the step is closed here.
    const BOOL bCoverStep =
        m_pCoveredCellsImp != nullptr && ctCmd == geDo && !m_pParam->m_CoveredRanges.IsEmpty();
    if (m_pCoveredCellsImp != nullptr)
        m_pCoveredCellsImp->AdjustCoveredCellsRemoveRows(this, nFrom, nTo, flags, ctCmd);
    const ROWCOL n = nTo - nFrom + 1;
    const BOOL bUndo = IsUndoRecorded() && ctCmd != geRollback;
    CObArray* pOldStyles = bUndo ? CopyRangeStyles(CGECellRange(nFrom, 0, nTo, GetColCount())) : nullptr;
    std::unique_ptr<int[]> anOldStored(bUndo ? new int[n] : nullptr);
    std::unique_ptr<int[]> anOldDrawn(new int[n]);
    for (ROWCOL i = 0; i < n; ++i) {
        anOldDrawn[i] = GetRowHeight(nFrom + i);
        if (anOldStored != nullptr)
            anOldStored[i] = m_pParam->HasStoredRowHeight(nFrom + i) ? GetBaseRowHeight(nFrom + i) : -1;
    }
    const ROWCOL nColCount = GetColCount();
    if (!StoreRemoveRows(nFrom, nTo)) {
        if (pOldStyles != nullptr) {
            for (INT_PTR i = 0; i < pOldStyles->GetSize(); ++i)
                delete pOldStyles->GetAt(i);
            delete pOldStyles;
        }
        if (bCoverStep)
            Rollback();
        return FALSE;
    }
    DelayFloatCells(CGECellRange().SetRows(nFrom, std::max(nFrom, GetRowCount())));
    DelayMergeCells(CGECellRange().SetRows(nFrom > 0 ? nFrom - 1 : 0, std::max(nFrom, GetRowCount())));
    if (bUndo)
        AddCommand(
            m_pCommandFactory->CreateInsertRowsCmd(nFrom, n, pOldStyles, anOldStored.release(), nColCount),
            ctCmd);
    UpdateRemoveRows(nFrom, nTo, anOldDrawn.get(), flags, TRUE);
    if (bCoverStep)
        CommitTrans();
    return TRUE;
}

BOOL CGEGridCore::RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags, int ctCmd) {
    const ROWCOL nCols = GetColCount();
    if (m_pParam == nullptr || nFrom == 0 || nFrom > nTo || nFrom > nCols)
        return FALSE;
    nTo = std::min(nTo, nCols);
    // The covered-cells feature opens the removal's undo step when it has blocks to adjust in an ordinary
    // call, so that its changes and the removal undo as one; the step is closed here.
    const BOOL bCoverStep =
        m_pCoveredCellsImp != nullptr && ctCmd == geDo && !m_pParam->m_CoveredRanges.IsEmpty();
    if (m_pCoveredCellsImp != nullptr)
        m_pCoveredCellsImp->AdjustCoveredCellsRemoveCols(this, nFrom, nTo, flags, ctCmd);
    const ROWCOL n = nTo - nFrom + 1;
    const BOOL bUndo = IsUndoRecorded() && ctCmd != geRollback;
    CObArray* pOldStyles = bUndo ? CopyRangeStyles(CGECellRange(0, nFrom, GetRowCount(), nTo)) : nullptr;
    std::unique_ptr<int[]> anOldStored(bUndo ? new int[n] : nullptr);
    std::unique_ptr<int[]> anOldDrawn(new int[n]);
    for (ROWCOL i = 0; i < n; ++i) {
        anOldDrawn[i] = GetColWidth(nFrom + i);
        if (anOldStored != nullptr)
            anOldStored[i] = m_pParam->HasStoredColWidth(nFrom + i) ? GetBaseColWidth(nFrom + i) : -1;
    }
    const ROWCOL nRowCount = GetRowCount();
    if (!StoreRemoveCols(nFrom, nTo)) {
        if (pOldStyles != nullptr) {
            for (INT_PTR i = 0; i < pOldStyles->GetSize(); ++i)
                delete pOldStyles->GetAt(i);
            delete pOldStyles;
        }
        if (bCoverStep)
            Rollback();
        return FALSE;
    }
    DelayFloatCells(CGECellRange().SetCols(nFrom > 0 ? nFrom - 1 : 0, std::max(nFrom, GetColCount())));
    DelayMergeCells(CGECellRange().SetCols(nFrom > 0 ? nFrom - 1 : 0, std::max(nFrom, GetColCount())));
    if (bUndo)
        AddCommand(
            m_pCommandFactory->CreateInsertColsCmd(nFrom, n, pOldStyles, anOldStored.release(), nRowCount),
            ctCmd);
    UpdateRemoveCols(nFrom, nTo, anOldDrawn.get(), flags, TRUE);
    if (bCoverStep)
        CommitTrans();
    return TRUE;
}

BOOL CGEGridCore::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, int ctCmd) {
    return m_pMoveRowsColsImp != nullptr ? m_pMoveRowsColsImp->MoveRows(this, nFrom, nTo, nDest, flags, ctCmd)
                                         : FALSE;
}

BOOL CGEGridCore::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags, int ctCmd) {
    return m_pMoveRowsColsImp != nullptr ? m_pMoveRowsColsImp->MoveCols(this, nFrom, nTo, nDest, flags, ctCmd)
                                         : FALSE;
}

// ---- undo ----

BOOL CGEGridCore::IsUndoRecorded() const {
    return m_pCommandFactory != nullptr && m_pParam != nullptr && m_pParam->IsUndoEnabled() &&
           !m_bSuppressUndoRecording;
}

void CGEGridCore::BeginTrans(LPCSTR pszDescription) {
    if (m_pCommandFactory != nullptr)
        m_pCommandFactory->BeginTrans(this, pszDescription);
}

void CGEGridCore::CommitTrans() {
    if (m_pCommandFactory != nullptr)
        m_pCommandFactory->CommitTrans(this);
}

void CGEGridCore::Rollback() {
    if (m_pCommandFactory != nullptr)
        m_pCommandFactory->Rollback(this);
}

void CGEGridCore::CleanUpUndo() {
    if (m_pCommandFactory != nullptr)
        m_pCommandFactory->CleanUpUndo(this);
}

BOOL CGEGridCore::EnableUndo(BOOL bEnable) {
    return m_pParam != nullptr ? m_pParam->EnableUndo(bEnable) : FALSE;
}

void CGEGridCore::AddCommand(CGECommand* pCmd, int ctCmd) {
    if (m_pCommandFactory != nullptr && pCmd != nullptr)
        m_pCommandFactory->AddCommand(this, pCmd, ctCmd);
}

BOOL CGEGridCore::Undo() {
    return m_pCommandFactory != nullptr ? m_pCommandFactory->Undo(this) : FALSE;
}

BOOL CGEGridCore::Redo() {
    return m_pCommandFactory != nullptr ? m_pCommandFactory->Redo(this) : FALSE;
}

void CGEGridCore::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    if (m_pCommandFactory != nullptr)
        m_pCommandFactory->OnUpdateEditUndo(this, pCmdUI);
}

void CGEGridCore::OnUpdateEditRedo(CCmdUI* pCmdUI) {
    if (m_pCommandFactory != nullptr)
        m_pCommandFactory->OnUpdateEditRedo(this, pCmdUI);
}

void CGEGridCore::SetUndoCurrentCell(ROWCOL nRow, ROWCOL nCol, BOOL bSetCurrent) {
    if (m_pCommandFactory != nullptr)
        m_pCommandFactory->SetUndoCurrentCell(this, nRow, nCol, bSetCurrent);
}

// ---- printing state ----

void CGEGridCore::SetPrinting(BOOL bPrinting, BOOL bResetArea) {
    if (bPrinting && !m_bPrinting && IsActiveCurrentCell())
        CommitCurrentCell(TRUE, GE_NOREDRAW, FALSE);
    m_bPrinting = bPrinting;
    if (CGEProperties* pProps = GetProperties())
        pProps->m_bPrinting = bPrinting;
    if (bPrinting && bResetArea) {
        if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr)
            m_pGridWnd->GetClientRect(&m_rectPrint);
        if (CDC* pDC = GetGridDC())
            CalcPrinterTextMetrics(pDC, m_nPrintCharWidth, m_nPrintLineHeight);
        m_nPrintTopRow = GetFrozenRows() + 1;
        m_nPrintLeftCol = GetFrozenCols() + 1;
    }
    ResetLastVisible();
    m_bCacheValid = FALSE;
}

int CGEGridCore::CalcPrinterTextMetrics(CDC* pDC, int& nCharWidth, int& nLineHeight) {
    TEXTMETRICA tm{};
    if (pDC == nullptr || !pDC->GetTextMetrics(&tm))
        return 0;
    nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    // TMPF_FIXED_PITCH set means a variable-pitch font.
    nCharWidth =
        (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0 ? tm.tmAveCharWidth * 3 / 2 : tm.tmAveCharWidth;
    return nCharWidth;
}

CPrintInfo* CGEGridCore::SubtractPrintMargins(CDC*, CPrintInfo* pInfo) {
    CGEProperties* pProps = GetProperties();
    if (pInfo != nullptr && pProps != nullptr) {
        pInfo->m_rectDraw.left += pProps->m_nLeftMargin;
        pInfo->m_rectDraw.top += pProps->m_nTopMargin;
        pInfo->m_rectDraw.right -= pProps->m_nRightMargin;
        pInfo->m_rectDraw.bottom -= pProps->m_nBottomMargin;
    }
    return pInfo;
}

void CGEGridCore::PrintPageHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo) {
    if (CGEProperties* pProps = GetProperties())
        pProps->PrintHeaderAndFooter(pDC, pInfo, m_bIsView ? m_pDocument : nullptr, m_pParam);
}
