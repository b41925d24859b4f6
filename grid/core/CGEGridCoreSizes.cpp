// Counts, header and frozen lines, row heights and column widths, zoom.
#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractGridOptimizedUpdateImp.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"

#include <algorithm>
#include <memory>

// ---- counts ----

ROWCOL CGEGridCore::GetRowCount() {
    return m_pParam != nullptr ? m_pParam->GetRowCount() : 0;
}

ROWCOL CGEGridCore::GetColCount() {
    return m_pParam != nullptr ? m_pParam->GetColCount() : 0;
}

BOOL CGEGridCore::StoreRowCount(ROWCOL nRows) {
    CGEData* pData = GetData();
    if (pData == nullptr)
        return FALSE;
    const ROWCOL nOld = pData->GetRowCount();
    if (!pData->StoreRowCount(nRows))
        return FALSE;
    if (nRows < nOld) {
        // What lay beyond the new last row goes with it.
        m_pParam->m_RowHeights.RemoveKeys(nRows + 1, nOld);
        m_pParam->m_abHiddenRows.RemoveBits(nRows + 1, nOld);
        m_pParam->m_SelectedRanges.RemoveRows(nRows + 1, nOld, nRows);
        m_pParam->m_CoveredRanges.RemoveRows(nRows + 1, nOld, nRows);
    }
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::StoreColCount(ROWCOL nCols) {
    CGEData* pData = GetData();
    if (pData == nullptr)
        return FALSE;
    const ROWCOL nOld = pData->GetColCount();
    if (!pData->StoreColCount(nCols))
        return FALSE;
    if (nCols < nOld) {
        m_pParam->m_ColWidths.RemoveKeys(nCols + 1, nOld);
        m_pParam->m_abHiddenCols.RemoveBits(nCols + 1, nOld);
        m_pParam->m_SelectedRanges.RemoveCols(nCols + 1, nOld, nCols);
        m_pParam->m_CoveredRanges.RemoveCols(nCols + 1, nOld, nCols);
    }
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::SetRowCount(ROWCOL nRows, UINT flags) {
    if (nRows == GetRowCount())
        return FALSE;
    if (!StoreRowCount(nRows))
        return FALSE;
    ResetCurrentCellStyleCache();
    if (m_nTopRow > std::max(nRows, GetFrozenRows() + 1))
        m_nTopRow = std::max(nRows, GetFrozenRows() + 1);
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (flags != GE_NOREDRAW)
        Redraw(flags, FALSE);
    else
        UpdateScrollbars();
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSetRowCount(this, nRows, flags);
    return TRUE;
}

BOOL CGEGridCore::SetColCount(ROWCOL nCols, UINT flags) {
    if (nCols == GetColCount())
        return FALSE;
    if (!StoreColCount(nCols))
        return FALSE;
    ResetCurrentCellStyleCache();
    if (m_nLeftCol > std::max(nCols, GetFrozenCols() + 1))
        m_nLeftCol = std::max(nCols, GetFrozenCols() + 1);
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (flags != GE_NOREDRAW)
        Redraw(flags, FALSE);
    else
        UpdateScrollbars();
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSetColCount(this, nCols, flags);
    return TRUE;
}

ROWCOL CGEGridCore::GetHeaderRows() {
    return m_pParam != nullptr ? m_pParam->GetHeaderRows() : 0;
}

ROWCOL CGEGridCore::GetHeaderCols() {
    return m_pParam != nullptr ? m_pParam->GetHeaderCols() : 0;
}

ROWCOL CGEGridCore::GetFrozenRows() {
    if (m_pParam == nullptr)
        return 0;
    if (!m_bPrinting && m_pSplitterWnd != nullptr && m_nSplitterRow > 0)
        return 0;
    return m_pParam->GetFrozenRows();
}

ROWCOL CGEGridCore::GetFrozenCols() {
    if (m_pParam == nullptr)
        return 0;
    if (!m_bPrinting && m_pSplitterWnd != nullptr && m_nSplitterCol > 0)
        return 0;
    return m_pParam->GetFrozenCols();
}

BOOL CGEGridCore::IsFrozenRow(ROWCOL nRow) {
    return nRow >= 1 && nRow <= GetFrozenRows();
}

BOOL CGEGridCore::IsFrozenCol(ROWCOL nCol) {
    return nCol >= 1 && nCol <= GetFrozenCols();
}

BOOL CGEGridCore::StoreFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows) {
    if (m_pParam == nullptr)
        return FALSE;
    m_pParam->SetFrozenRows(nFrozenRows, nHeaderRows);
    return TRUE;
}

BOOL CGEGridCore::StoreFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols) {
    if (m_pParam == nullptr)
        return FALSE;
    m_pParam->SetFrozenCols(nFrozenCols, nHeaderCols);
    return TRUE;
}

BOOL CGEGridCore::SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows, UINT flags, int ctCmd) {
    if (m_pParam == nullptr)
        return FALSE;
    const ROWCOL nOldFrozen = m_pParam->GetFrozenRows();
    const ROWCOL nOldHeader = m_pParam->GetHeaderRows();
    if (nOldFrozen == std::max(nFrozenRows, nHeaderRows) && nOldHeader == nHeaderRows)
        return FALSE;
    if (!StoreFrozenRows(nFrozenRows, nHeaderRows))
        return FALSE;
    // The first scrolling row follows the frozen block; rows that became frozen leave the scrolling part.
    const ROWCOL nFrozen = m_pParam->GetFrozenRows();
    if (m_nTopRow == nOldFrozen + 1 || m_nTopRow <= nFrozen)
        m_nTopRow = nFrozen + 1;
    ResetCurrentCellStyleCache();
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (IsUndoRecorded() && ctCmd != geRollback)
        AddCommand(m_pCommandFactory->CreateSetFrozenRowsCmd(nOldFrozen, nOldHeader), ctCmd);
    Redraw(flags, FALSE);
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSetFrozenRows(this, nFrozenRows, nHeaderRows, flags);
    return TRUE;
}

BOOL CGEGridCore::SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols, UINT flags, int ctCmd) {
    if (m_pParam == nullptr)
        return FALSE;
    const ROWCOL nOldFrozen = m_pParam->GetFrozenCols();
    const ROWCOL nOldHeader = m_pParam->GetHeaderCols();
    if (nOldFrozen == std::max(nFrozenCols, nHeaderCols) && nOldHeader == nHeaderCols)
        return FALSE;
    if (!StoreFrozenCols(nFrozenCols, nHeaderCols))
        return FALSE;
    const ROWCOL nFrozen = m_pParam->GetFrozenCols();
    if (m_nLeftCol == nOldFrozen + 1 || m_nLeftCol <= nFrozen)
        m_nLeftCol = nFrozen + 1;
    ResetCurrentCellStyleCache();
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (IsUndoRecorded() && ctCmd != geRollback)
        AddCommand(m_pCommandFactory->CreateSetFrozenColsCmd(nOldFrozen, nOldHeader), ctCmd);
    Redraw(flags, FALSE);
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSetFrozenCols(this, nFrozenCols, nHeaderCols, flags);
    return TRUE;
}

// ---- sizes ----

int CGEGridCore::GetBaseRowHeight(ROWCOL nRow) {
    return m_pParam != nullptr ? GEZoomSize(m_pParam->GetStoredRowHeight(nRow), m_nZoom) : 0;
}

int CGEGridCore::GetBaseColWidth(ROWCOL nCol) {
    return m_pParam != nullptr ? GEZoomSize(m_pParam->GetStoredColWidth(nCol), m_nZoom) : 0;
}

int CGEGridCore::GetRowHeight(ROWCOL nRow) {
    return IsRowHidden(nRow) ? 0 : GetBaseRowHeight(nRow);
}

int CGEGridCore::GetColWidth(ROWCOL nCol) {
    return IsColHidden(nCol) ? 0 : GetBaseColWidth(nCol);
}

int CGEGridCore::GetDefaultRowHeight() {
    return m_pParam != nullptr ? GEZoomSize(m_pParam->GetDefaultRowHeight(), m_nZoom) : 0;
}

int CGEGridCore::GetDefaultColWidth() {
    return m_pParam != nullptr ? GEZoomSize(m_pParam->GetDefaultColWidth(), m_nZoom) : 0;
}

BOOL CGEGridCore::StoreRowHeight(ROWCOL nRow, int nHeight) {
    if (m_pParam == nullptr)
        return FALSE;
    m_pParam->StoreRowHeight(nRow, nHeight < 0 ? -1 : GEUnzoomSize(nHeight, m_nZoom));
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::StoreColWidth(ROWCOL nCol, int nWidth) {
    if (m_pParam == nullptr)
        return FALSE;
    m_pParam->StoreColWidth(nCol, nWidth < 0 ? -1 : GEUnzoomSize(nWidth, m_nZoom));
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::StoreDefaultRowHeight(int nHeight) {
    if (m_pParam == nullptr)
        return FALSE;
    m_pParam->SetDefaultRowHeight(GEUnzoomSize(nHeight, m_nZoom));
    SetModifiedFlag();
    return TRUE;
}

BOOL CGEGridCore::StoreDefaultColWidth(int nWidth) {
    if (m_pParam == nullptr)
        return FALSE;
    m_pParam->SetDefaultColWidth(GEUnzoomSize(nWidth, m_nZoom));
    SetModifiedFlag();
    return TRUE;
}

void CGEGridCore::RecordSizeCommand(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, int* anOld, int ctCmd) {
    if (IsUndoRecorded() && ctCmd != geRollback) {
        AddCommand(bRows ? m_pCommandFactory->CreateSetRowHeightCmd(nFrom, nTo, anOld)
                         : m_pCommandFactory->CreateSetColWidthCmd(nFrom, nTo, anOld),
                   ctCmd);
    } else {
        delete[] anOld;
    }
}

BOOL CGEGridCore::SetLineSizes(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, int nSize, const int* anSizes,
                               UINT flags, int ctCmd) {
    if (m_pParam == nullptr)
        return FALSE;
    if (nTo == 0)
        nTo = nFrom;
    if (nFrom > nTo)
        return FALSE;
    const ROWCOL n = nTo - nFrom + 1;
    // Former sizes: the stored ones (-1 where the default applied) for undo, the drawn ones for redraw.
    std::unique_ptr<int[]> anOldStored(new int[n]);
    std::unique_ptr<int[]> anOldDrawn(new int[n]);
    BOOL bChanged = FALSE;
    for (ROWCOL i = 0; i < n; ++i) {
        const ROWCOL nLine = nFrom + i;
        const BOOL bStored = bRows ? m_pParam->HasStoredRowHeight(nLine) : m_pParam->HasStoredColWidth(nLine);
        anOldStored[i] = !bStored ? -1 : bRows ? GetBaseRowHeight(nLine) : GetBaseColWidth(nLine);
        anOldDrawn[i] = bRows ? GetRowHeight(nLine) : GetColWidth(nLine);
        const int nNew = anSizes != nullptr ? anSizes[i] : nSize;
        if (nNew != anOldStored[i]) {
            if (bRows)
                StoreRowHeight(nLine, nNew);
            else
                StoreColWidth(nLine, nNew);
            bChanged = TRUE;
        }
    }
    if (!bChanged)
        return FALSE;
    DelayFloatCells(bRows ? CGECellRange().SetRows(nFrom, nTo) : CGECellRange().SetCols(nFrom, nTo));
    m_bCacheValid = FALSE;
    if (bRows)
        UpdateChangedRowHeights(nFrom, nTo, anOldDrawn.get(), flags, TRUE);
    else
        UpdateChangedColWidths(nFrom, nTo, anOldDrawn.get(), flags, TRUE);
    RecordSizeCommand(bRows, nFrom, nTo, anOldStored.release(), ctCmd);
    return TRUE;
}

BOOL CGEGridCore::SetRowHeight(ROWCOL nFrom, ROWCOL nTo, int nHeight, const int* anHeights, UINT flags,
                               int ctCmd) {
    return SetLineSizes(TRUE, nFrom, nTo, nHeight, anHeights, flags, ctCmd);
}

BOOL CGEGridCore::SetColWidth(ROWCOL nFrom, ROWCOL nTo, int nWidth, const int* anWidths, UINT flags,
                              int ctCmd) {
    return SetLineSizes(FALSE, nFrom, nTo, nWidth, anWidths, flags, ctCmd);
}

BOOL CGEGridCore::SetDefaultRowHeight(int nHeight, UINT flags, int ctCmd) {
    if (m_pParam == nullptr || nHeight < 0)
        return FALSE;
    const int nOld = GetDefaultRowHeight();
    if (nOld == nHeight)
        return FALSE;
    StoreDefaultRowHeight(nHeight);
    DelayMergeCells(CGECellRange().SetTable());
    DelayFloatCells(CGECellRange().SetTable());
    m_bCacheValid = FALSE;
    if (IsUndoRecorded() && ctCmd != geRollback)
        AddCommand(m_pCommandFactory->CreateSetDefaultRowHeightCmd(nOld), ctCmd);
    Redraw(flags, TRUE);
    return TRUE;
}

BOOL CGEGridCore::SetDefaultColWidth(int nWidth, UINT flags, int ctCmd) {
    if (m_pParam == nullptr || nWidth < 0)
        return FALSE;
    const int nOld = GetDefaultColWidth();
    if (nOld == nWidth)
        return FALSE;
    StoreDefaultColWidth(nWidth);
    DelayMergeCells(CGECellRange().SetTable());
    DelayFloatCells(CGECellRange().SetTable());
    m_bCacheValid = FALSE;
    if (IsUndoRecorded() && ctCmd != geRollback)
        AddCommand(m_pCommandFactory->CreateSetDefaultColWidthCmd(nOld), ctCmd);
    Redraw(flags, TRUE);
    return TRUE;
}

void CGEGridCore::UpdateChangedRowHeights(ROWCOL nFrom, ROWCOL nTo, int* anOldHeights, UINT flags,
                                          BOOL bCreateHint) {
    ROWCOL nRow = 0, nCol = 0;
    if (GetCurrentCell(nRow, nCol) && nRow >= nFrom && nRow <= nTo && GetRowHeight(nFrom) == 0)
        StoreCurrentCell(FALSE);
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (!IsLockUpdate()) {
        if (m_pOptimizedUpdateImp != nullptr)
            m_pOptimizedUpdateImp->OnChangedRowHeights(this, nFrom, nTo, anOldHeights, flags);
        else
            Redraw(flags, FALSE);
        UpdateScrollbars();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintUpdateChangedRowHeights(this, nFrom, nTo, anOldHeights, flags);
}

void CGEGridCore::UpdateChangedColWidths(ROWCOL nFrom, ROWCOL nTo, int* anOldWidths, UINT flags,
                                         BOOL bCreateHint) {
    ROWCOL nRow = 0, nCol = 0;
    if (GetCurrentCell(nRow, nCol) && nCol >= nFrom && nCol <= nTo && GetColWidth(nFrom) == 0)
        StoreCurrentCell(FALSE);
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (!IsLockUpdate()) {
        if (m_pOptimizedUpdateImp != nullptr)
            m_pOptimizedUpdateImp->OnChangedColWidths(this, nFrom, nTo, anOldWidths, flags);
        else
            Redraw(flags, FALSE);
        UpdateScrollbars();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintUpdateChangedColWidths(this, nFrom, nTo, anOldWidths, flags);
}

void CGEGridCore::SetZoom(int nZoom, UINT flags) {
    if (nZoom <= 0 || m_pParam == nullptr)
        return;
    if (CGEProperties* pProps = GetProperties())
        pProps->m_nZoom = nZoom;
    if (nZoom == m_nZoom)
        return;
    m_nZoom = nZoom;
    FreeGdiCache();
    DelayFloatCells(CGECellRange().SetTable());
    ResetLastVisible();
    m_bCacheValid = FALSE;
    Redraw(flags, FALSE);
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSetZoom(this, nZoom, 0, flags);
}

BOOL CGEGridCore::CanChangeRowHeight(ROWCOL) {
    return m_pUserResizeCellsImp != nullptr;
}

BOOL CGEGridCore::CanChangeColWidth(ROWCOL) {
    return m_pUserResizeCellsImp != nullptr;
}

BOOL CGEGridCore::SetUserResizing(BOOL bEnable) {
    const BOOL bOld = m_bUserResizing;
    m_bUserResizing = bEnable;
    return bOld;
}
