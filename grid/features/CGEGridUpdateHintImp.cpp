#include "grid/features/CGEGridUpdateHintImp.h"

#include "framework/win/CSplitterWnd.h"
#include "framework/win/CView.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/features/CGEGridHint.h"

#include <algorithm>

void CGEGridCore::InstallUpdateHint() {
    if (m_pUpdateHintImp == nullptr) {
        m_pUpdateHintImp = new CGEGridUpdateHintImp;
        AddAutoDeleteObject(m_pUpdateHintImp);
    }
}

namespace {

CSplitterWnd* SplitterOf(CGEGridCore* pGrid) {
    return dynamic_cast<CSplitterWnd*>(pGrid->m_pSplitterWnd);
}

// Switches the grid's hints off while it applies one, so that nothing is sent back.
class HintsOff {
public:
    explicit HintsOff(CGEGridCore* pGrid) : m_pGrid(pGrid), m_bOld(pGrid->m_bHintsEnabled) {
        pGrid->m_bHintsEnabled = FALSE;
    }
    ~HintsOff() { m_pGrid->m_bHintsEnabled = m_bOld; }
    HintsOff(const HintsOff&) = delete;
    HintsOff& operator=(const HintsOff&) = delete;

private:
    CGEGridCore* m_pGrid;
    BOOL m_bOld;
};

// After the shared counts or frozen lines changed: the top row and left column still lie in the grid.
void AfterLayoutChange(CGEGridCore* pGrid, UINT flags) {
    pGrid->ResetLastVisible();
    const ROWCOL nFirstRow = pGrid->GetFrozenRows() + 1;
    const ROWCOL nFirstCol = pGrid->GetFrozenCols() + 1;
    pGrid->StoreTopRow(std::clamp(pGrid->GetTopRow(), nFirstRow, std::max(nFirstRow, pGrid->GetRowCount())));
    pGrid->StoreLeftCol(
        std::clamp(pGrid->GetLeftCol(), nFirstCol, std::max(nFirstCol, pGrid->GetColCount())));
    pGrid->UpdateScrollbars();
    pGrid->Redraw(flags, FALSE);
}

// A setting hint reaches a grid when settings are shared or it comes from the grid's own splitter.
BOOL SettingApplies(CGEGridCore* pGrid, const CGEGridHint& hint) {
    return pGrid->GetParam()->m_bSharedSettings ||
           (pGrid->m_pSplitterWnd != nullptr &&
            hint.m_dwExtra == reinterpret_cast<DWORD_PTR>(pGrid->m_pSplitterWnd));
}

BOOL IsTargetPane(CGEGridCore* pGrid, const CGEGridHint& hint, BOOL bColumns) {
    CSplitterWnd* pSplitter = SplitterOf(pGrid);
    if (pSplitter == nullptr || (bColumns ? pSplitter->GetColumnCount() : pSplitter->GetRowCount()) < 2)
        return FALSE;
    return hint.m_dwExtra == CGEGridUpdateHintImp::PaneCode(pGrid->m_nSplitterRow, pGrid->m_nSplitterCol);
}

// Rows (bRows) or columns first..last moved to dest in the shared objects: redraws every line between
// the lowest and the highest one the move touched.
void RedrawMoved(CGEGridCore* pGrid, const CGEGridHint& hint, bool bRows) {
    const ROWCOL nFirst = bRows ? hint.m_nRow1 : hint.m_nCol1;
    const ROWCOL nLast = bRows ? hint.m_nRow2 : hint.m_nCol2;
    const ROWCOL nDest = bRows ? hint.m_nRow3 : hint.m_nCol3;
    const ROWCOL nFrom = std::min(nFirst, nDest);
    const ROWCOL nTo = std::max(nLast, nDest + (nLast - nFirst));
    pGrid->ResetLastVisible();
    if (bRows)
        pGrid->RedrawRowCol(nFrom, 0, nTo, pGrid->GetColCount(), hint.m_flags, FALSE);
    else
        pGrid->RedrawRowCol(0, nFrom, pGrid->GetRowCount(), nTo, hint.m_flags, FALSE);
}

} // namespace

BOOL CGEGridUpdateHintImp::Send(CGEGridCore* pGrid, CGEGridHint& hint) {
    if (!pGrid->m_bHintsEnabled)
        return FALSE;
    CView* pSender = pGrid->m_pSendingView;
    if (pSender == nullptr && pGrid->IsGridView())
        pSender = dynamic_cast<CView*>(pGrid->GridWnd());
    pGrid->UpdateAllViews(pSender, 0, &hint);
    return TRUE;
}

void CGEGridUpdateHintImp::OnHint(CGEGridCore* pGrid, CObject* pHintObject) {
    auto* pHint = dynamic_cast<CGEGridHint*>(pHintObject);
    if (pGrid->GetParam() == nullptr || pHint == nullptr)
        return;
    if (pHint->m_nViewId != -1 && pHint->m_nViewId != pGrid->m_nHintId)
        return;
    HintsOff off(pGrid);
    Apply(pGrid, *pHint);
}

void CGEGridUpdateHintImp::Apply(CGEGridCore* pGrid, CGEGridHint& hint) {
    const UINT flags = hint.m_flags;
    auto* anSizes = reinterpret_cast<int*>(hint.m_dwExtra);
    switch (hint.m_id) {
    case 1:
        pGrid->Redraw(flags, FALSE);
        break;
    case 2:
        pGrid->RedrawRowCol(hint.m_nRow1, hint.m_nCol1, hint.m_nRow2, hint.m_nCol2, flags, FALSE);
        break;
    case 3:  // row count
    case 4:  // column count
    case 15: // frozen rows
    case 16: // frozen columns
        AfterLayoutChange(pGrid, flags);
        break;
    case 5:
        pGrid->UpdateChangedRowHeights(hint.m_nRow1, hint.m_nRow2, anSizes, flags, FALSE);
        break;
    case 6:
        pGrid->UpdateChangedColWidths(hint.m_nCol1, hint.m_nCol2, anSizes, flags, FALSE);
        break;
    case 7:
        pGrid->UpdateInsertCols(hint.m_nCol1, hint.m_dwResult, flags, FALSE);
        break;
    case 8:
        pGrid->UpdateInsertRows(hint.m_nRow1, hint.m_dwResult, flags, FALSE);
        break;
    case 9:
        pGrid->UpdateRemoveCols(hint.m_nCol1, hint.m_nCol2, anSizes, flags, FALSE);
        break;
    case 10:
        pGrid->UpdateRemoveRows(hint.m_nRow1, hint.m_nRow2, anSizes, flags, FALSE);
        break;
    case 11: // columns moved in the shared objects
        RedrawMoved(pGrid, hint, false);
        break;
    case 12:
        RedrawMoved(pGrid, hint, true);
        break;
    case 13:
        pGrid->UpdateSetSelection(reinterpret_cast<POSITION>(hint.m_dwExtra), hint.m_nRow1, hint.m_nCol1,
                                  hint.m_nRow2, hint.m_nCol2, FALSE);
        break;
    case 14:
        pGrid->UpdateClearSelection(FALSE);
        break;
    case 17:
        if (!pGrid->IsLockUpdate())
            pGrid->UpdateStyleRange(hint.m_range, nullptr, static_cast<int>(hint.m_dwArg1), flags, FALSE);
        break;
    case 18:
        pGrid->UpdateCoveredCellsRowCol(hint.m_nRow1, hint.m_nCol1, hint.m_nRow2, hint.m_nCol2, flags, FALSE);
        break;
    case 19:
        if (SettingApplies(pGrid, hint) && static_cast<int>(hint.m_dwValue) != pGrid->GetZoom())
            pGrid->SetZoom(static_cast<int>(hint.m_dwValue), flags);
        break;
    case 20:
        if (SettingApplies(pGrid, hint))
            pGrid->SetReadOnly(hint.m_dwValue != 0);
        break;
    case 21:
        if (pGrid->IsActiveCurrentCell())
            pGrid->RefreshCurrentCell(FALSE);
        break;
    case 23:
        pGrid->UpdateSelectRange(hint.m_range, nullptr, FALSE);
        break;
    case 24:
        hint.m_dwResult =
            (hint.m_dwResult != 0 && pGrid->TransferCurrentCell(hint.m_dwValue != 0, flags, FALSE)) ? 1 : 0;
        break;
    case 25:
        if (IsTargetPane(pGrid, hint, TRUE))
            pGrid->SetTopRow(hint.m_nRow1, flags, FALSE);
        break;
    case 26:
        if (IsTargetPane(pGrid, hint, FALSE))
            pGrid->SetLeftCol(hint.m_nCol1, flags, FALSE);
        break;
    case 27:
        pGrid->SetCurrentCell(hint.m_nRow1, hint.m_nCol1, flags);
        break;
    case 28:
        pGrid->UpdateFloatedCells(hint.m_nRow1, hint.m_nCol1, hint.m_nRow2, hint.m_nCol2, flags, FALSE);
        break;
    case 29:
        pGrid->UpdateMergedCells(hint.m_nRow1, hint.m_nCol1, hint.m_nRow2, hint.m_nCol2, flags, FALSE);
        break;
    case 30:
    case 33:
        pGrid->Redraw(flags, FALSE);
        break;
    case 31:
        pGrid->UpdateReorderRows(hint.m_range, flags, FALSE);
        break;
    case 32:
        pGrid->UpdateReorderCols(hint.m_range, flags, FALSE);
        break;
    case 34:
        pGrid->ResetBaseStyles();
        pGrid->Redraw(flags, FALSE);
        break;
    case 35:
        if (pGrid->IsInitialized()) {
            pGrid->ResetBaseStyles();
            pGrid->FreeGdiCache();
            pGrid->Redraw(flags, FALSE);
        }
        break;
    default: // 22, 36: settings of objects this engine does not keep
        break;
    }
}

// ---- senders ----

namespace {

void FillBlock(CGEGridHint& hint, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    hint.m_nRow1 = nTop;
    hint.m_nCol1 = nLeft;
    hint.m_nRow2 = nBottom;
    hint.m_nCol2 = nRight;
}

// A setting hint names the splitter it comes from unless the caller gave one.
DWORD_PTR SplitterCode(CGEGridCore* pGrid, DWORD dwSplitter) {
    return dwSplitter != 0 ? dwSplitter : reinterpret_cast<DWORD_PTR>(pGrid->m_pSplitterWnd);
}

} // namespace

BOOL CGEGridUpdateHintImp::SendLines(CGEGridCore* pGrid, int nId, bool bRows, Lines lines, UINT flags,
                                     DWORD_PTR dwExtra) {
    CGEGridHint hint(nId, pGrid->m_nHintId);
    ROWCOL* aFields[] = {&hint.m_nRow1, &hint.m_nRow2, &hint.m_nRow3};
    if (!bRows) {
        aFields[0] = &hint.m_nCol1;
        aFields[1] = &hint.m_nCol2;
        aFields[2] = &hint.m_nCol3;
    }
    *aFields[0] = lines.nFirst;
    *aFields[1] = lines.nSecond;
    *aFields[2] = lines.nThird;
    hint.m_dwExtra = dwExtra;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::SendBlock(CGEGridCore* pGrid, int nId, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                     ROWCOL nRight, UINT flags) {
    CGEGridHint hint(nId, pGrid->m_nHintId);
    FillBlock(hint, nTop, nLeft, nBottom, nRight);
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::SendFlags(CGEGridCore* pGrid, int nId, UINT flags) {
    CGEGridHint hint(nId, pGrid->m_nHintId);
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintSyncCurrentCell(CGEGridCore* pGrid, DWORD dwValue) {
    CGEGridHint hint(21, pGrid->m_nHintId);
    hint.m_dwValue = dwValue;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintMoveCurrentCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT flags) {
    CGEGridHint hint(27, pGrid->m_nHintId);
    hint.m_nRow1 = nRow;
    hint.m_nCol1 = nCol;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintTransferCurrentCell(CGEGridCore* pGrid, BOOL bSave, UINT flags) {
    CGEGridHint hint(24, pGrid->m_nHintId);
    hint.m_dwValue = bSave ? 1 : 0;
    hint.m_flags = flags;
    hint.m_dwResult = 1;
    Send(pGrid, hint);
    return hint.m_dwResult != 0;
}

BOOL CGEGridUpdateHintImp::HintSetRowCount(CGEGridCore* pGrid, ROWCOL nRows, UINT flags) {
    return SendLines(pGrid, 3, true, {nRows}, flags);
}

BOOL CGEGridUpdateHintImp::HintSetColCount(CGEGridCore* pGrid, ROWCOL nCols, UINT flags) {
    return SendLines(pGrid, 4, false, {nCols}, flags);
}

BOOL CGEGridUpdateHintImp::HintSetFrozenCols(CGEGridCore* pGrid, ROWCOL nFrozen, ROWCOL nHeader, UINT flags) {
    return SendLines(pGrid, 16, false, {nFrozen, nHeader}, flags);
}

BOOL CGEGridUpdateHintImp::HintSetFrozenRows(CGEGridCore* pGrid, ROWCOL nFrozen, ROWCOL nHeader, UINT flags) {
    return SendLines(pGrid, 15, true, {nFrozen, nHeader}, flags);
}

BOOL CGEGridUpdateHintImp::HintSetTopRow(CGEGridCore* pGrid, ROWCOL nRow, UINT flags, DWORD dwPane) {
    return SendLines(pGrid, 25, true, {nRow}, flags, dwPane);
}

BOOL CGEGridUpdateHintImp::HintSetLeftCol(CGEGridCore* pGrid, ROWCOL nCol, UINT flags, DWORD dwPane) {
    return SendLines(pGrid, 26, false, {nCol}, flags, dwPane);
}

BOOL CGEGridUpdateHintImp::HintInsertRows(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCount, UINT flags) {
    CGEGridHint hint(8, pGrid->m_nHintId);
    hint.m_nRow1 = nRow;
    hint.m_dwResult = nCount;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintInsertCols(CGEGridCore* pGrid, ROWCOL nCol, ROWCOL nCount, UINT flags) {
    CGEGridHint hint(7, pGrid->m_nHintId);
    hint.m_nCol1 = nCol;
    hint.m_dwResult = nCount;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintRedrawRowCol(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                            ROWCOL nRight, UINT flags) {
    return SendBlock(pGrid, 2, nTop, nLeft, nBottom, nRight, flags);
}

BOOL CGEGridUpdateHintImp::HintRedraw(CGEGridCore* pGrid, UINT flags) {
    return SendFlags(pGrid, 1, flags);
}

BOOL CGEGridUpdateHintImp::HintEngineSetting36(CGEGridCore* pGrid, DWORD dwExtra) {
    CGEGridHint hint(36, pGrid->m_nHintId);
    hint.m_dwExtra = dwExtra;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintWindowText(CGEGridCore* pGrid) {
    CGEGridHint hint(22, pGrid->m_nHintId);
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintSyncScroll(CGEGridCore* pGrid, int nScrollCode) {
    CSplitterWnd* pSplitter = SplitterOf(pGrid);
    if (pSplitter == nullptr)
        return FALSE;
    if ((nScrollCode == 1 || nScrollCode == 3) && pSplitter->GetColumnCount() >= 2) {
        const int nOtherCol = pGrid->m_nSplitterCol == 0 ? 1 : 0;
        const ROWCOL nTop = pGrid->IsPrinting() ? pGrid->m_nPrintTopRow : pGrid->GetTopRow();
        return HintSetTopRow(pGrid, nTop, GE_UPDATENOW, PaneCode(pGrid->m_nSplitterRow, nOtherCol));
    }
    if ((nScrollCode == 2 || nScrollCode == 4) && pSplitter->GetRowCount() >= 2) {
        const int nOtherRow = pGrid->m_nSplitterRow == 0 ? 1 : 0;
        return HintSetLeftCol(pGrid, pGrid->GetLeftCol(), GE_UPDATENOW,
                              PaneCode(nOtherRow, pGrid->m_nSplitterCol));
    }
    return FALSE;
}

BOOL CGEGridUpdateHintImp::HintSelectRange(CGEGridCore* pGrid, const CGECellRange& range, DWORD dwExtra) {
    CGEGridHint hint(23, pGrid->m_nHintId);
    hint.m_range = range;
    hint.m_dwExtra = dwExtra;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintUpdateSelectionFrame(CGEGridCore* pGrid, UINT flags) {
    return SendFlags(pGrid, 30, flags);
}

BOOL CGEGridUpdateHintImp::HintUpdateSetSelection(CGEGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                                  ROWCOL nBottom, ROWCOL nRight) {
    CGEGridHint hint(13, pGrid->m_nHintId);
    hint.m_dwExtra = reinterpret_cast<DWORD_PTR>(pos);
    FillBlock(hint, nTop, nLeft, nBottom, nRight);
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintUpdateClearSelection(CGEGridCore* pGrid) {
    CGEGridHint hint(14, pGrid->m_nHintId);
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintUpdateChangedRowHeights(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                       const int* anOld, UINT flags) {
    return SendLines(pGrid, 5, true, {nFrom, nTo}, flags, reinterpret_cast<DWORD_PTR>(anOld));
}

BOOL CGEGridUpdateHintImp::HintUpdateChangedColWidths(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                      const int* anOld, UINT flags) {
    return SendLines(pGrid, 6, false, {nFrom, nTo}, flags, reinterpret_cast<DWORD_PTR>(anOld));
}

BOOL CGEGridUpdateHintImp::HintSetReadOnly(CGEGridCore* pGrid, BOOL bReadOnly, DWORD dwSplitter) {
    CGEGridHint hint(20, pGrid->m_nHintId);
    hint.m_dwValue = bReadOnly ? 1 : 0;
    hint.m_dwExtra = SplitterCode(pGrid, dwSplitter);
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintSetZoom(CGEGridCore* pGrid, int nZoom, DWORD dwSplitter, UINT flags) {
    CGEGridHint hint(19, pGrid->m_nHintId);
    hint.m_dwValue = static_cast<DWORD>(nZoom);
    hint.m_dwExtra = SplitterCode(pGrid, dwSplitter);
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintSetStyleRange(CGEGridCore* pGrid, const CGECellRange& range, DWORD dwArg1,
                                             DWORD dwArg2, DWORD dwValue, UINT flags) {
    CGEGridHint hint(17, pGrid->m_nHintId);
    hint.m_range = range;
    hint.m_dwArg1 = dwArg1;
    hint.m_dwArg2 = dwArg2;
    hint.m_dwValue = dwValue;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintChangedStylesMap(CGEGridCore* pGrid, UINT flags) {
    return SendFlags(pGrid, 34, flags);
}

BOOL CGEGridUpdateHintImp::HintChangedProperties(CGEGridCore* pGrid, UINT flags) {
    return SendFlags(pGrid, 33, flags);
}

BOOL CGEGridUpdateHintImp::HintChangedBaseStyle(CGEGridCore* pGrid, WORD wStyleId, UINT flags) {
    CGEGridHint hint(35, pGrid->m_nHintId);
    hint.m_dwResult = wStyleId;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintUpdateCoveredCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft,
                                                  ROWCOL nBottom, ROWCOL nRight, UINT flags) {
    return SendBlock(pGrid, 18, nTop, nLeft, nBottom, nRight, flags);
}

BOOL CGEGridUpdateHintImp::HintUpdateFloatedCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft,
                                                  ROWCOL nBottom, ROWCOL nRight, UINT flags) {
    return SendBlock(pGrid, 28, nTop, nLeft, nBottom, nRight, flags);
}

BOOL CGEGridUpdateHintImp::HintUpdateMergedCells(CGEGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft,
                                                 ROWCOL nBottom, ROWCOL nRight, UINT flags) {
    return SendBlock(pGrid, 29, nTop, nLeft, nBottom, nRight, flags);
}

BOOL CGEGridUpdateHintImp::HintUpdateReorderRows(CGEGridCore* pGrid, const CGECellRange& range, UINT flags) {
    CGEGridHint hint(31, pGrid->m_nHintId);
    hint.m_range = range;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintUpdateReorderCols(CGEGridCore* pGrid, const CGECellRange& range, UINT flags) {
    CGEGridHint hint(32, pGrid->m_nHintId);
    hint.m_range = range;
    hint.m_flags = flags;
    return Send(pGrid, hint);
}

BOOL CGEGridUpdateHintImp::HintRemoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                          UINT flags) {
    return SendLines(pGrid, 10, true, {nFrom, nTo}, flags, reinterpret_cast<DWORD_PTR>(anOld));
}

BOOL CGEGridUpdateHintImp::HintRemoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOld,
                                          UINT flags) {
    return SendLines(pGrid, 9, false, {nFrom, nTo}, flags, reinterpret_cast<DWORD_PTR>(anOld));
}

BOOL CGEGridUpdateHintImp::HintMoveRows(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                        UINT flags) {
    return SendLines(pGrid, 12, true, {nFrom, nTo, nDest}, flags);
}

BOOL CGEGridUpdateHintImp::HintMoveCols(CGEGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest,
                                        UINT flags) {
    return SendLines(pGrid, 11, false, {nFrom, nTo, nDest}, flags);
}
