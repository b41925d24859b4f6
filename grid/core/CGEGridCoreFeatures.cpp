// Forwarders to the feature objects. Each does nothing and returns 0 when its feature is absent.
#include "grid/core/CGEAbstractCalcSizeImp.h"
#include "grid/core/CGEAbstractDrawSpannedCellsImp.h"
#include "grid/core/CGEAbstractGridClearCellsImp.h"
#include "grid/core/CGEAbstractGridCoveredCellsImp.h"
#include "grid/core/CGEAbstractGridCutPasteImp.h"
#include "grid/core/CGEAbstractGridDirectCopyMoveCellsImp.h"
#include "grid/core/CGEAbstractGridExcelLikeFrameImp.h"
#include "grid/core/CGEAbstractGridFindReplaceImp.h"
#include "grid/core/CGEAbstractGridFloatCellsImp.h"
#include "grid/core/CGEAbstractGridFreezeMenuHelperImp.h"
#include "grid/core/CGEAbstractGridHideCellsImp.h"
#include "grid/core/CGEAbstractGridMarkEditHeaderImp.h"
#include "grid/core/CGEAbstractGridMergeCellsImp.h"
#include "grid/core/CGEAbstractGridPrintImp.h"
#include "grid/core/CGEAbstractGridResizeToFitImp.h"
#include "grid/core/CGEAbstractGridSortImp.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEAbstractGridUserDragSelectRangeImp.h"
#include "grid/core/CGEAbstractGridUserResizeCellsImp.h"
#include "grid/core/CGEAbstractGridUserSelectRangeImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"

#include <algorithm>

// ---- printing ----

void CGEGridCore::BeginGridPrinting(CDC* pDC, CPrintInfo* pInfo) {
    if (m_pPrintImp != nullptr)
        m_pPrintImp->BeginPrinting(this, pDC, pInfo);
}

void CGEGridCore::PrintGridPage(CDC* pDC, CPrintInfo* pInfo) {
    if (m_pPrintImp != nullptr)
        m_pPrintImp->PrintPage(this, pDC, pInfo);
}

void CGEGridCore::EndGridPrinting(CDC* pDC, CPrintInfo* pInfo) {
    if (m_pPrintImp != nullptr)
        m_pPrintImp->EndPrinting(this, pDC, pInfo);
}

// ---- sorting ----

void CGEGridCore::SortRows(CGECellRange sortRange, CGESortInfoArray& sortInfo, UINT flags) {
    if (m_pSortImp != nullptr)
        m_pSortImp->SortRows(this, sortRange, sortInfo, flags);
}

void CGEGridCore::SortCols(CGECellRange sortRange, CGESortInfoArray& sortInfo, UINT flags) {
    if (m_pSortImp != nullptr)
        m_pSortImp->SortCols(this, sortRange, sortInfo, flags);
}

BOOL CGEGridCore::ReorderRows(const CGECellRange& range, const CDWordArray& order, UINT flags, int ctCmd) {
    return m_pSortImp != nullptr ? m_pSortImp->ReorderRows(this, range, order, flags, ctCmd) : FALSE;
}

BOOL CGEGridCore::ReorderCols(const CGECellRange& range, const CDWordArray& order, UINT flags, int ctCmd) {
    return m_pSortImp != nullptr ? m_pSortImp->ReorderCols(this, range, order, flags, ctCmd) : FALSE;
}

void CGEGridCore::UpdateReorderRows(const CGECellRange& range, UINT flags, BOOL bCreateHint) {
    if (m_pSortImp != nullptr)
        m_pSortImp->UpdateReorderRows(this, range, flags, bCreateHint);
}

void CGEGridCore::UpdateReorderCols(const CGECellRange& range, UINT flags, BOOL bCreateHint) {
    if (m_pSortImp != nullptr)
        m_pSortImp->UpdateReorderCols(this, range, flags, bCreateHint);
}

// ---- covered cells ----

BOOL CGEGridCore::SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                                        int ctCmd) {
    return m_pCoveredCellsImp != nullptr
               ? m_pCoveredCellsImp->SetCoveredCellsRowCol(this, nTop, nLeft, nBottom, nRight, flags, ctCmd)
               : FALSE;
}

CGECellRange* CGEGridCore::GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGECellRange& range) {
    return m_pCoveredCellsImp != nullptr ? m_pCoveredCellsImp->GetCoveredCellsRowCol(this, nRow, nCol, range)
                                         : nullptr;
}

BOOL CGEGridCore::StoreCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                          BOOL bSet) {
    return m_pCoveredCellsImp != nullptr
               ? m_pCoveredCellsImp->StoreCoveredCellsRowCol(this, nTop, nLeft, nBottom, nRight, bSet)
               : FALSE;
}

void CGEGridCore::UpdateCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                           UINT flags, BOOL bCreateHint) {
    if (m_pCoveredCellsImp != nullptr)
        m_pCoveredCellsImp->UpdateCoveredCellsRowCol(this, nTop, nLeft, nBottom, nRight, flags, bCreateHint);
}

BOOL CGEGridCore::ExpandCoveredCellsRange(CGECellRange& range) {
    return m_pCoveredCellsImp != nullptr ? m_pCoveredCellsImp->ExpandCoveredCellsRange(this, range) : FALSE;
}

// ---- floating cells ----

void CGEGridCore::SetFloatCellsMode(WORD wMode, BOOL bRedraw) {
    if (m_pFloatCellsImp != nullptr)
        m_pFloatCellsImp->SetFloatCellsMode(this, wMode, bRedraw);
}

WORD CGEGridCore::GetFloatCellsMode() const {
    return m_pParam != nullptr ? m_pParam->m_wFloatCellsMode : 0;
}

void CGEGridCore::DelayFloatCells(const CGECellRange& range, ROWCOL nLastCol) {
    if (m_pFloatCellsImp != nullptr)
        m_pFloatCellsImp->DelayFloatCells(this, range, nLastCol);
}

BOOL CGEGridCore::EvalFloatCells(const CGECellRange& range, BOOL bUpdate, CGECellRange* pChanged,
                                 BOOL bCachedStyles) {
    return m_pFloatCellsImp != nullptr
               ? m_pFloatCellsImp->EvalFloatCells(this, range, bUpdate, pChanged, bCachedStyles)
               : FALSE;
}

CGECellRange* CGEGridCore::GetFloatedCellsRange(ROWCOL nRow, ROWCOL nCol, CGECellRange& range) {
    return m_pFloatCellsImp != nullptr ? m_pFloatCellsImp->GetFloatedCellsRange(this, nRow, nCol, range)
                                       : nullptr;
}

BOOL CGEGridCore::CanFloatCell(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                               BOOL bFloatOrFlood) {
    return m_pFloatCellsImp != nullptr
               ? m_pFloatCellsImp->CanFloatCell(this, pControl, nRow, nCol, style, bFloatOrFlood)
               : FALSE;
}

BOOL CGEGridCore::CanFloatText(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                               BOOL bFloatOrFlood) {
    return m_pFloatCellsImp != nullptr
               ? m_pFloatCellsImp->CanFloatText(this, pControl, nRow, nCol, style, bFloatOrFlood)
               : FALSE;
}

BOOL CGEGridCore::SetFloatedCellsRange(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags) {
    return m_pFloatCellsImp != nullptr
               ? m_pFloatCellsImp->SetFloatedCellsRange(this, nRow, nCol, nToRow, nToCol, flags)
               : FALSE;
}

void CGEGridCore::UpdateFloatedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags,
                                     BOOL bCreateHint) {
    if (m_pFloatCellsImp != nullptr)
        m_pFloatCellsImp->UpdateFloatedCells(this, nRow, nCol, nToRow, nToCol, flags, bCreateHint);
}

BOOL CGEGridCore::ExpandFloatedCellsRange(CGECellRange& range) {
    return m_pFloatCellsImp != nullptr ? m_pFloatCellsImp->ExpandFloatedCellsRange(this, range) : FALSE;
}

// ---- merged cells ----

void CGEGridCore::SetMergeCellsMode(WORD wMode, BOOL bRedraw) {
    if (m_pMergeCellsImp != nullptr)
        m_pMergeCellsImp->SetMergeCellsMode(this, wMode, bRedraw);
}

WORD CGEGridCore::GetMergeCellsMode() const {
    return m_pParam != nullptr ? m_pParam->m_wMergeCellsMode : 0;
}

void CGEGridCore::DelayMergeCells(const CGECellRange& range, ROWCOL nLastRow, ROWCOL nLastCol) {
    if (m_pMergeCellsImp != nullptr)
        m_pMergeCellsImp->DelayMergeCells(this, range, nLastRow, nLastCol);
}

BOOL CGEGridCore::EvalMergeCells(const CGECellRange& range, BOOL bUpdate, CGECellRange* pChanged,
                                 BOOL bCachedStyles) {
    return m_pMergeCellsImp != nullptr
               ? m_pMergeCellsImp->EvalMergeCells(this, range, bUpdate, pChanged, bCachedStyles)
               : FALSE;
}

CGECellRange* CGEGridCore::GetMergedCellsRange(ROWCOL nRow, ROWCOL nCol, CGECellRange& range,
                                               int nDirection) {
    return m_pMergeCellsImp != nullptr
               ? m_pMergeCellsImp->GetMergedCellsRange(this, nRow, nCol, range, nDirection)
               : nullptr;
}

BOOL CGEGridCore::CanMergeCell(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                               int nDirection) {
    return m_pMergeCellsImp != nullptr
               ? m_pMergeCellsImp->CanMergeCell(this, pControl, nRow, nCol, style, nDirection)
               : FALSE;
}

BOOL CGEGridCore::CanMergeStyles(const CGEStyle& style, const CGEStyle& other) {
    return m_pMergeCellsImp != nullptr ? m_pMergeCellsImp->CanMergeStyles(this, style, other) : FALSE;
}

BOOL CGEGridCore::MergeCellsRange(int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                  UINT flags) {
    return m_pMergeCellsImp != nullptr
               ? m_pMergeCellsImp->MergeCellsRange(this, nDirection, nRow, nCol, nToRow, nToCol, flags)
               : FALSE;
}

void CGEGridCore::UpdateMergedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags,
                                    BOOL bCreateHint) {
    if (m_pMergeCellsImp != nullptr)
        m_pMergeCellsImp->UpdateMergedCells(this, nRow, nCol, nToRow, nToCol, flags, bCreateHint);
}

BOOL CGEGridCore::ExpandMergedCellsRange(CGECellRange& range) {
    return m_pMergeCellsImp != nullptr ? m_pMergeCellsImp->ExpandMergedCellsRange(this, range) : FALSE;
}

// ---- spans ----

CGECellRange* CGEGridCore::GetCellRangeRowCol(ROWCOL nRow, ROWCOL nCol, CGECellRange& range) {
    if (CGECellRange* pRange = GetCoveredCellsRowCol(nRow, nCol, range))
        return pRange;
    if (CGECellRange* pRange = GetMergedCellsRange(nRow, nCol, range, -1))
        return pRange;
    return GetFloatedCellsRange(nRow, nCol, range);
}

BOOL CGEGridCore::EvalVisibleSpannedCells(const CGECellRange& range, BOOL bUpdate, CGECellRange* pChanged,
                                          BOOL bCachedStyles) {
    if (m_pDrawSpannedCellsImp == nullptr)
        return FALSE;
    const BOOL bPrint = m_bPrinting;
    return m_pDrawSpannedCellsImp->EvalVisibleSpannedCells(
        this, range, GetFrozenRows(), GetFrozenCols(), bPrint ? m_nPrintTopRow : m_nTopRow,
        bPrint ? m_nPrintLeftCol : m_nLeftCol, GetLastVisibleRow(), GetLastVisibleCol(), bUpdate, pChanged,
        bCachedStyles);
}

// ---- sizes of contents ----

void CGEGridCore::CalcSize(CSize& size, CGEControl* pControl, CDC* pDC, ROWCOL nRow, ROWCOL nCol,
                           const CGEStyle& style, const CGEStyle* pStandardStyle, BOOL bVert) {
    size = CSize(0, 0);
    if (m_pCalcSizeImp != nullptr)
        m_pCalcSizeImp->CalcSize(this, size, pControl, pDC, nRow, nCol, style, pStandardStyle, bVert);
}

BOOL CGEGridCore::ResizeRowHeightsToFit(CGECellRange range, BOOL bResizeCoveredCells, UINT flags) {
    return m_pResizeToFitImp != nullptr
               ? m_pResizeToFitImp->ResizeRowHeightsToFit(this, range, bResizeCoveredCells, flags)
               : FALSE;
}

BOOL CGEGridCore::ResizeColWidthsToFit(CGECellRange range, BOOL bResizeCoveredCells, UINT flags) {
    return m_pResizeToFitImp != nullptr
               ? m_pResizeToFitImp->ResizeColWidthsToFit(this, range, bResizeCoveredCells, flags)
               : FALSE;
}

// ---- hidden rows and columns ----

BOOL CGEGridCore::HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHide, UINT flags, int ctCmd) {
    return m_pHideCellsImp != nullptr
               ? m_pHideCellsImp->HideRows(this, nFrom, nTo, bHide, abHide, flags, ctCmd)
               : FALSE;
}

BOOL CGEGridCore::HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const BOOL* abHide, UINT flags, int ctCmd) {
    return m_pHideCellsImp != nullptr
               ? m_pHideCellsImp->HideCols(this, nFrom, nTo, bHide, abHide, flags, ctCmd)
               : FALSE;
}

BOOL CGEGridCore::IsRowHidden(ROWCOL nRow) {
    return m_pHideCellsImp != nullptr ? m_pHideCellsImp->IsRowHidden(this, nRow) : FALSE;
}

BOOL CGEGridCore::IsColHidden(ROWCOL nCol) {
    return m_pHideCellsImp != nullptr ? m_pHideCellsImp->IsColHidden(this, nCol) : FALSE;
}

BOOL CGEGridCore::StoreHideRow(ROWCOL nRow, BOOL bHide) {
    return m_pHideCellsImp != nullptr ? m_pHideCellsImp->StoreHideRow(this, nRow, bHide) : FALSE;
}

BOOL CGEGridCore::StoreHideCol(ROWCOL nCol, BOOL bHide) {
    return m_pHideCellsImp != nullptr ? m_pHideCellsImp->StoreHideCol(this, nCol, bHide) : FALSE;
}

// ---- find and replace ----

void CGEGridCore::OnShowFindReplaceDialog(BOOL bFindOnly) {
    if (m_pFindReplaceImp != nullptr)
        m_pFindReplaceImp->OnShowFindReplaceDialog(this, bFindOnly);
}

BOOL CGEGridCore::FindTextInCell(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentCell,
                                 BOOL bSetCell) {
    return m_pFindReplaceImp != nullptr
               ? m_pFindReplaceImp->FindTextInCell(this, state, nRow, nCol, bCurrentCell, bSetCell)
               : FALSE;
}

BOOL CGEGridCore::ReplaceAllInCell(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) {
    return m_pFindReplaceImp != nullptr ? m_pFindReplaceImp->ReplaceAllInCell(this, state, nRow, nCol)
                                        : FALSE;
}

BOOL CGEGridCore::FindNext(BOOL bSetCell) {
    return m_pFindReplaceImp != nullptr ? m_pFindReplaceImp->FindNext(this, bSetCell) : FALSE;
}

// ---- user resizing ----

BOOL CGEGridCore::StartUserResize(ROWCOL nRow, ROWCOL nCol, int nKind) {
    return m_pUserResizeCellsImp != nullptr ? m_pUserResizeCellsImp->StartUserResize(this, nRow, nCol, nKind)
                                            : FALSE;
}

void CGEGridCore::TrackUserResize(ROWCOL nRow, ROWCOL nCol, int nKind, CSize size) {
    if (m_pUserResizeCellsImp != nullptr)
        m_pUserResizeCellsImp->TrackUserResize(this, nRow, nCol, nKind, size);
}

void CGEGridCore::EndUserResize(ROWCOL nRow, ROWCOL nCol, int nKind, CSize size) {
    if (m_pUserResizeCellsImp != nullptr)
        m_pUserResizeCellsImp->EndUserResize(this, nRow, nCol, nKind, size);
}

void CGEGridCore::CancelUserResize() {
    if (m_pUserResizeCellsImp != nullptr)
        m_pUserResizeCellsImp->CancelUserResize(this);
}

BOOL CGEGridCore::IsTrackingResize(int* pKind, ROWCOL* pIndex) const {
    if (!m_bTrackResize)
        return FALSE;
    if (pKind != nullptr)
        *pKind = m_nTrackKind;
    if (pIndex != nullptr)
        *pIndex = m_nTrackKind == GE_RESIZE_ROWS ? m_nTrackRow : m_nTrackCol;
    return TRUE;
}

// ---- selection frame ----

void CGEGridCore::DrawFrameRect(CDC* pDC, const CRect& rect, const CRect& rectClip, BOOL bTop, BOOL bLeft,
                                int nHandle, BOOL bHandleOnly) {
    if (m_pExcelLikeFrameImp != nullptr)
        m_pExcelLikeFrameImp->DrawFrameRect(this, pDC, rect, rectClip, bTop, bLeft, nHandle, bHandleOnly);
}

void CGEGridCore::DrawSelectionFrame(CDC* pDC, const CGECellRange* pRange, int nHandle, BOOL bHandleOnly) {
    if (m_pExcelLikeFrameImp != nullptr)
        m_pExcelLikeFrameImp->DrawSelectionFrame(this, pDC, pRange, nHandle, bHandleOnly);
}

void CGEGridCore::UpdateSelectionFrame(CDC* pDC, BOOL bErase, const CGECellRange* pNewRange) {
    if (m_pExcelLikeFrameImp != nullptr)
        m_pExcelLikeFrameImp->UpdateSelectionFrame(this, pDC, bErase, pNewRange);
}

void CGEGridCore::ToggleFrameHandle() {
    if (m_pExcelLikeFrameImp != nullptr)
        m_pExcelLikeFrameImp->ToggleFrameHandle(this);
}

BOOL CGEGridCore::HideSelectionFrame(BOOL bHide, BOOL bCreateHint) {
    return m_pExcelLikeFrameImp != nullptr
               ? m_pExcelLikeFrameImp->HideSelectionFrame(this, bHide, bCreateHint)
               : FALSE;
}

// ---- drag and drop of ranges ----

BOOL CGEGridCore::OnSelDragStart(ROWCOL nRow, ROWCOL nCol) {
    return m_pUserDragSelectRangeImp != nullptr ? m_pUserDragSelectRangeImp->OnSelDragStart(this, nRow, nCol)
                                                : FALSE;
}

BOOL CGEGridCore::OnSelDragMove(ROWCOL nStartRow, ROWCOL nStartCol, ROWCOL nRow, ROWCOL nCol) {
    return m_pUserDragSelectRangeImp != nullptr
               ? m_pUserDragSelectRangeImp->OnSelDragMove(this, nStartRow, nStartCol, nRow, nCol)
               : FALSE;
}

BOOL CGEGridCore::OnSelDragDrop(ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow, ROWCOL nCol) {
    return m_pUserDragSelectRangeImp != nullptr
               ? m_pUserDragSelectRangeImp->OnSelDragDrop(this, nTop, nLeft, nRow, nCol)
               : FALSE;
}

BOOL CGEGridCore::OnSelDragCancel() {
    return m_pUserDragSelectRangeImp != nullptr ? m_pUserDragSelectRangeImp->OnSelDragCancel(this) : FALSE;
}

// Ctrl and Shift at the press keep the click for the selection: the keys, or the press's own flags.
BOOL CGEGridCore::OnSelDragRowsStart(ROWCOL, ROWCOL) {
    return !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT) &&
           (m_nPressedButtons & (MK_CONTROL | MK_SHIFT)) == 0;
}

BOOL CGEGridCore::OnSelDragColsStart(ROWCOL nFirst, ROWCOL nLast) {
    return OnSelDragRowsStart(nFirst, nLast);
}

// ---- headers of the current cell ----

void CGEGridCore::RedrawEditHeaders(ROWCOL nRow, ROWCOL nCol, int nWhich, UINT flags) {
    if (m_pMarkEditHeaderImp != nullptr)
        m_pMarkEditHeaderImp->RedrawEditHeaders(this, nRow, nCol, nWhich, flags);
}

BOOL CGEGridCore::IsHeaderMarked(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, UINT flags) {
    return m_pMarkEditHeaderImp != nullptr
               ? m_pMarkEditHeaderImp->IsHeaderMarked(this, pControl, nRow, nCol, flags)
               : FALSE;
}

// ---- freezing from the menu ----

BOOL CGEGridCore::CanFreezeCols() {
    return m_pFreezeMenuHelperImp != nullptr ? m_pFreezeMenuHelperImp->CanFreezeCols(this) : FALSE;
}

BOOL CGEGridCore::CanUnfreezeCols() {
    return m_pFreezeMenuHelperImp != nullptr ? m_pFreezeMenuHelperImp->CanUnfreezeCols(this) : FALSE;
}

void CGEGridCore::FreezeCols() {
    if (m_pFreezeMenuHelperImp != nullptr)
        m_pFreezeMenuHelperImp->FreezeCols(this);
}

void CGEGridCore::UnfreezeCols() {
    if (m_pFreezeMenuHelperImp != nullptr)
        m_pFreezeMenuHelperImp->UnfreezeCols(this);
}

BOOL CGEGridCore::CanFreezeRows() {
    return m_pFreezeMenuHelperImp != nullptr ? m_pFreezeMenuHelperImp->CanFreezeRows(this) : FALSE;
}

BOOL CGEGridCore::CanUnfreezeRows() {
    return m_pFreezeMenuHelperImp != nullptr ? m_pFreezeMenuHelperImp->CanUnfreezeRows(this) : FALSE;
}

void CGEGridCore::FreezeRows() {
    if (m_pFreezeMenuHelperImp != nullptr)
        m_pFreezeMenuHelperImp->FreezeRows(this);
}

void CGEGridCore::UnfreezeRows() {
    if (m_pFreezeMenuHelperImp != nullptr)
        m_pFreezeMenuHelperImp->UnfreezeRows(this);
}

// ---- copying and moving cells, clipboard, clearing ----

BOOL CGEGridCore::CopyCells(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol, UINT flags) {
    return m_pDirectCopyMoveCellsImp != nullptr
               ? m_pDirectCopyMoveCellsImp->CopyCells(this, source, nDestRow, nDestCol, flags)
               : FALSE;
}

BOOL CGEGridCore::MoveCells(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                            UINT flags, int ctCmd) {
    return m_pDirectCopyMoveCellsImp != nullptr
               ? m_pDirectCopyMoveCellsImp->MoveCells(this, source, nDestRow, nDestCol, pUndoInfo, flags,
                                                      ctCmd)
               : FALSE;
}

BOOL CGEGridCore::CanCopy() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->CanCopy(this) : FALSE;
}

BOOL CGEGridCore::Copy() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->Copy(this) : FALSE;
}

BOOL CGEGridCore::CopyRangeList(CGERangeList& list) {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->CopyRangeList(this, list) : FALSE;
}

BOOL CGEGridCore::CopyCellRange(const CGECellRange& range) {
    if (m_pCutPasteImp == nullptr)
        return FALSE;
    CGERangeList list;
    list.AddRange(range);
    return m_pCutPasteImp->CopyRangeList(this, list);
}

BOOL CGEGridCore::CanCut() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->CanCut(this) : FALSE;
}

BOOL CGEGridCore::Cut() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->Cut(this) : FALSE;
}

BOOL CGEGridCore::CanPaste() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->CanPaste(this) : FALSE;
}

BOOL CGEGridCore::Paste() {
    return m_pCutPasteImp != nullptr ? m_pCutPasteImp->Paste(this) : FALSE;
}

BOOL CGEGridCore::CanClear() {
    return m_pClearCellsImp != nullptr ? m_pClearCellsImp->CanClear(this) : FALSE;
}

BOOL CGEGridCore::Clear(BOOL bStyles) {
    return m_pClearCellsImp != nullptr ? m_pClearCellsImp->Clear(this, bStyles) : FALSE;
}

BOOL CGEGridCore::ClearCells(const CGERangeList& list, BOOL bStyles) {
    return m_pClearCellsImp != nullptr ? m_pClearCellsImp->ClearCells(this, list, bStyles) : FALSE;
}

// ---- hints ----

void CGEGridCore::OnHint(CObject* pHint) {
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->OnHint(this, pHint);
}

// ---- selection ----

POSITION CGEGridCore::SetSelection(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    return m_pUserSelectRangeImp != nullptr
               ? m_pUserSelectRangeImp->SetSelection(this, pos, nTop, nLeft, nBottom, nRight)
               : nullptr;
}

void CGEGridCore::SelectRange(const CGECellRange& range, BOOL bSelect, BOOL bUpdate) {
    if (m_pUserSelectRangeImp != nullptr)
        m_pUserSelectRangeImp->SelectRange(this, range, bSelect, bUpdate);
}

BOOL CGEGridCore::StoreSelectRange(const CGECellRange& range, BOOL bSelect) {
    return m_pUserSelectRangeImp != nullptr ? m_pUserSelectRangeImp->StoreSelectRange(this, range, bSelect)
                                            : FALSE;
}

void CGEGridCore::UpdateSelectRange(const CGECellRange& range, const CGERangeList* pOldList,
                                    BOOL bCreateHint) {
    if (m_pUserSelectRangeImp != nullptr)
        m_pUserSelectRangeImp->UpdateSelectRange(this, range, pOldList, bCreateHint);
}

void CGEGridCore::UpdateSetSelection(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                     BOOL bCreateHint) {
    if (m_pUserSelectRangeImp != nullptr)
        m_pUserSelectRangeImp->UpdateSetSelection(this, pos, nTop, nLeft, nBottom, nRight, bCreateHint);
}

void CGEGridCore::UpdateClearSelection(BOOL bCreateHint) {
    if (m_pUserSelectRangeImp != nullptr)
        m_pUserSelectRangeImp->UpdateClearSelection(this, bCreateHint);
}

void CGEGridCore::ClearSelection(BOOL bRedraw) {
    if (bRedraw)
        UpdateClearSelection(TRUE);
    else
        SetSelection(nullptr);
}

BOOL CGEGridCore::GetSelectedRanges(CGERangeList& list, BOOL bAddCurrentCell) {
    list.DeleteAll();
    if (m_pParam != nullptr) {
        const CGERangeList& selected = m_pParam->m_SelectedRanges;
        POSITION pos = selected.GetHeadPosition();
        while (pos != nullptr) {
            const CGECellRange* pRange = selected.GetNextRange(pos);
            if (pRange->IsValid())
                list.AddRange(*pRange);
        }
    }
    ROWCOL nRow = 0, nCol = 0;
    if (list.IsEmpty() && bAddCurrentCell && GetCurrentCell(nRow, nCol))
        list.AddRange(CGECellRange(nRow, nCol, nRow, nCol));
    return !list.IsEmpty();
}

BOOL CGEGridCore::IsCellSelected(ROWCOL nRow, ROWCOL nCol, const CGERangeList* pList) {
    const CGERangeList* pUse =
        pList != nullptr ? pList : (m_pParam != nullptr ? &m_pParam->m_SelectedRanges : nullptr);
    if (pUse == nullptr)
        return FALSE;
    if (nRow != GE_INVALID && nCol != GE_INVALID)
        return pUse->IsCellInList(nRow, nCol);
    // GE_INVALID for the row: the whole column is selected (whole columns or the table); likewise rows.
    POSITION pos = pUse->GetHeadPosition();
    while (pos != nullptr) {
        const CGECellRange* pRange = pUse->GetNextRange(pos);
        if (!pRange->IsValid())
            continue;
        if (pRange->IsTable())
            return TRUE;
        if (nRow == GE_INVALID && pRange->IsCols() && nCol >= pRange->left && nCol <= pRange->right)
            return TRUE;
        if (nCol == GE_INVALID && pRange->IsRows() && nRow >= pRange->top && nRow <= pRange->bottom)
            return TRUE;
    }
    return FALSE;
}

BOOL CGEGridCore::CanChangeSelection(CGECellRange* pRange, BOOL bClearAll, BOOL bKey) {
    OnChangingSelection(pRange, bClearAll, bKey);
    return TRUE;
}

void CGEGridCore::OnChangingSelection(CGECellRange*, BOOL, BOOL) {}

void CGEGridCore::OnChangedSelection(const CGECellRange*, BOOL, BOOL) {}
