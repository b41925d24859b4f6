#include "grid/features/CGEGridUserDragSelectRangeImp.h"

#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEDragLineWnd.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGERangeList.h"

#include <algorithm>

namespace {

constexpr int kDragCols = 1;
constexpr int kDragRows = 2;
// Thickness of the drop marker in pixels.
constexpr int kLineWidth = 2;

CGERangeList& Selection(CGEGridCore* pGrid) {
    return pGrid->GetParam()->m_SelectedRanges;
}

BOOL IsTableSelected(const CGERangeList& list) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CGECellRange* pRange = list.GetNextRange(pos);
        if (pRange->IsValid() && pRange->IsTable())
            return TRUE;
    }
    return FALSE;
}

BOOL HoldsCapture(CGEGridCore* pGrid) {
    CWnd* pWnd = pGrid->GridWnd();
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && ::GetCapture() == pWnd->GetSafeHwnd();
}

} // namespace

void CGEGridCore::InstallUserDragSelectRange() {
    InstallUserSelectRange();
    InstallMoveRowsCols();
    if (m_pUserDragSelectRangeImp == nullptr) {
        m_pUserDragSelectRangeImp = new CGEGridUserDragSelectRangeImp;
        AddAutoDeleteObject(m_pUserDragSelectRangeImp);
    }
}

// ---- mouse ----

BOOL CGEGridUserDragSelectRangeImp::OnLButtonDown(CGEGridCore* pGrid, CPoint&, UINT&, int&, ROWCOL& nRow,
                                                  ROWCOL& nCol) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const CGERangeList& list = Selection(pGrid);
    const BOOL bColHeader =
        nRow <= pGrid->GetHeaderRows() && nCol > pGrid->GetHeaderCols() && list.IsCellInList(0, nCol);
    const BOOL bRowHeader =
        nCol <= pGrid->GetHeaderCols() && nRow > pGrid->GetHeaderRows() && list.IsCellInList(nRow, 0);
    const BOOL bAllowed = (bColHeader && pParam->IsColSelectionDragEnabled()) ||
                          (bRowHeader && pParam->IsSelectionDragEnabled());
    if (!bAllowed || IsTableSelected(list) || !list.IsCellInList(nRow, nCol))
        return FALSE;

    pGrid->m_bSelDragging = TRUE;
    if (!pGrid->OnSelDragStart(bRowHeader ? nRow : 0, bColHeader ? nCol : 0)) {
        pGrid->m_nSelDragKind = 0;
        if (CWnd* pWnd = pGrid->GridWnd(); pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
            pWnd->SendMessage(WM_CANCELMODE);
        else
            pGrid->OnSelDragCancel();
        return FALSE;
    }
    if (!HoldsCapture(pGrid)) {
        if (pParam->m_bAutoScroll && pGrid->m_pAutoScrollPlugin != nullptr) {
            // Only along the drag, and not at all from a frozen line, which never scrolls.
            if (bRowHeader && !pGrid->IsFrozenRow(nRow))
                pGrid->StartAutoScroll(FALSE, GE_AUTOSCROLL_VERT, 0);
            else if (bColHeader && !pGrid->IsFrozenCol(nCol))
                pGrid->StartAutoScroll(FALSE, GE_AUTOSCROLL_HORZ, 0);
        }
        pGrid->CaptureMouse();
    }
    return TRUE;
}

void CGEGridUserDragSelectRangeImp::TargetAtPoint(CGEGridCore* pGrid, CPoint point, ROWCOL& nRow,
                                                  ROWCOL& nCol) {
    nRow = nCol = 0;
    if (pGrid->m_nSelDragKind == kDragRows) {
        const ROWCOL nClient = pGrid->GetClientRowAtPoint(point);
        nRow = nClient == GE_INVALID ? pGrid->GetRowCount() + 1
                                     : pGrid->GetRowFromClientRow(std::max<ROWCOL>(nClient, 1));
    } else if (pGrid->m_nSelDragKind == kDragCols) {
        const ROWCOL nClient = pGrid->GetClientColAtPoint(point);
        nCol = nClient == GE_INVALID ? pGrid->GetColCount() + 1
                                     : pGrid->GetColFromClientCol(std::max<ROWCOL>(nClient, 1));
    }
}

BOOL CGEGridUserDragSelectRangeImp::OnMouseMove(CGEGridCore* pGrid, CPoint& point, UINT&) {
    if (!pGrid->m_bSelDragging)
        return FALSE;
    ROWCOL nRow = 0, nCol = 0;
    TargetAtPoint(pGrid, point, nRow, nCol);
    pGrid->OnSelDragMove(pGrid->m_nSelDragRow, pGrid->m_nSelDragCol, nRow, nCol);
    return TRUE;
}

BOOL CGEGridUserDragSelectRangeImp::OnLButtonUp(CGEGridCore* pGrid, CPoint& point, UINT&) {
    if (!pGrid->m_bSelDragging)
        return FALSE;
    pGrid->StopAutoScroll();
    if (HoldsCapture(pGrid))
        CWnd::ReleaseCapture();
    // Released outside the grid: nothing is dropped.
    ROWCOL nRow = 0, nCol = 0;
    if (pGrid->GetGridArea().PtInRect(point))
        TargetAtPoint(pGrid, point, nRow, nCol);
    const CGECellRange* pRange = ActiveRange(pGrid);
    if (pRange != nullptr)
        pGrid->OnSelDragDrop(pRange->top, pRange->left, nRow, nCol);
    else
        EndFeedback(pGrid);
    pGrid->m_bSelDragging = FALSE;
    pGrid->m_nSelDragKind = 0;
    return TRUE;
}

// ---- the drag ----

CGECellRange* CGEGridUserDragSelectRangeImp::ActiveRange(CGEGridCore* pGrid) {
    if (pGrid->GetParam() == nullptr || pGrid->m_posActiveRange == nullptr)
        return nullptr;
    return Selection(pGrid).GetRangeAt(pGrid->m_posActiveRange);
}

BOOL CGEGridUserDragSelectRangeImp::OnSelDragStart(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) {
    if (pGrid->GetParam() == nullptr || (nRow == 0 && nCol == 0))
        return FALSE;
    pGrid->m_nSelDragRow = std::max<ROWCOL>(nRow, 1);
    pGrid->m_nSelDragCol = std::max<ROWCOL>(nCol, 1);
    CGERangeList& list = Selection(pGrid);
    POSITION posFound = nullptr;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr && posFound == nullptr;) {
        const POSITION posThis = pos;
        if (list.GetNextRange(pos)->Contains(nRow, nCol))
            posFound = posThis;
    }
    if (posFound == nullptr)
        return FALSE;
    const CGECellRange& range = *list.GetRangeAt(posFound);
    BOOL bAgreed = FALSE;
    if (nRow == 0) {
        pGrid->m_nSelDragKind = kDragCols;
        bAgreed = pGrid->OnSelDragColsStart(range.left, range.right);
    } else {
        pGrid->m_nSelDragKind = kDragRows;
        bAgreed = pGrid->OnSelDragRowsStart(range.top, range.bottom);
    }
    if (!bAgreed)
        return FALSE;
    pGrid->m_posActiveRange = posFound;
    pGrid->SetOverrideCursor(GE_IDC_SEL_EDGE);
    // Spans are not re-evaluated while the block is being dragged.
    pGrid->m_bFloatEvalLock = TRUE;
    pGrid->m_bMergeEvalLock = TRUE;
    return TRUE;
}

BOOL CGEGridUserDragSelectRangeImp::OnSelDragMove(CGEGridCore* pGrid, ROWCOL, ROWCOL, ROWCOL nRowIn,
                                                  ROWCOL nColIn) {
    const ROWCOL nRow = std::max<ROWCOL>(nRowIn, 1);
    const ROWCOL nCol = std::max<ROWCOL>(nColIn, 1);
    const BOOL bRows = pGrid->m_nSelDragKind == kDragRows;
    if (bRows ? nRow == pGrid->m_nSelDragRow : nCol == pGrid->m_nSelDragCol)
        return FALSE;
    if (pGrid->m_pDragLineWnd != nullptr)
        static_cast<CGEDragLineWnd*>(pGrid->m_pDragLineWnd)->HideLine();
    pGrid->m_nSelDragRow = nRow;
    pGrid->m_nSelDragCol = nCol;
    const CGECellRange* pRange = ActiveRange(pGrid);
    const BOOL bAllowed =
        pRange != nullptr && (bRows ? pGrid->OnSelDragRowsMove(pRange->top, pRange->bottom, nRow)
                                    : pGrid->OnSelDragColsMove(pRange->left, pRange->right, nCol));
    if (!bAllowed) {
        pGrid->SetOverrideCursor(GE_IDC_NO_DROP);
        return FALSE;
    }
    pGrid->SetOverrideCursor(GE_IDC_SEL_EDGE);
    ShowDropLine(pGrid, bRows ? nRow : 0, bRows ? 0 : nCol);
    return TRUE;
}

void CGEGridUserDragSelectRangeImp::ShowDropLine(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) {
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    pWnd->UpdateWindow();
    if (pGrid->m_pDragLineWnd == nullptr) {
        auto* pLine = new CGEDragLineWnd(pGrid);
        if (!pLine->Create(pWnd)) {
            delete pLine;
            return;
        }
        if (const CGEProperties* pProperties = pGrid->GetProperties())
            pLine->SetLineColor(pProperties->GetColorValue(3));
        pGrid->m_pDragLineWnd = pLine;
    }
    // The boundary at the top of the target row (left of the target column); past the last line, the
    // last line's far edge.
    const CRect area = pGrid->GetGridArea();
    CRect rect;
    if (nRow != 0) {
        const ROWCOL nCount = pGrid->GetRowCount();
        const int y = nRow > nCount ? pGrid->GetCellRect(nCount, 0).bottom : pGrid->GetCellRect(nRow, 0).top;
        rect = CRect(area.left, y - kLineWidth / 2, area.right, y - kLineWidth / 2 + kLineWidth);
    } else {
        const ROWCOL nCount = pGrid->GetColCount();
        const int x = nCol > nCount ? pGrid->GetCellRect(0, nCount).right : pGrid->GetCellRect(0, nCol).left;
        rect = CRect(x - kLineWidth / 2, area.top, x - kLineWidth / 2 + kLineWidth, area.bottom);
    }
    static_cast<CGEDragLineWnd*>(pGrid->m_pDragLineWnd)
        ->ShowLine(nRow != 0 ? 2 : 1, rect, nRow != 0 ? nRow : nCol);
}

void CGEGridUserDragSelectRangeImp::DestroyDropLine(CGEGridCore* pGrid) {
    if (pGrid->m_pDragLineWnd == nullptr)
        return;
    pGrid->m_pDragLineWnd->DestroyWindow();
    delete pGrid->m_pDragLineWnd;
    pGrid->m_pDragLineWnd = nullptr;
}

void CGEGridUserDragSelectRangeImp::EndFeedback(CGEGridCore* pGrid) {
    pGrid->m_bFloatEvalLock = FALSE;
    pGrid->m_bMergeEvalLock = FALSE;
    DestroyDropLine(pGrid);
    pGrid->SetOverrideCursor(0);
}

BOOL CGEGridUserDragSelectRangeImp::OnSelDragDrop(CGEGridCore* pGrid, ROWCOL, ROWCOL, ROWCOL nRowIn,
                                                  ROWCOL nColIn) {
    // The marker goes in every case, also when nothing is dropped.
    EndFeedback(pGrid);
    const BOOL bRows = pGrid->m_nSelDragKind == kDragRows;
    if (pGrid->m_nSelDragKind == 0 || (bRows ? nRowIn == 0 : nColIn == 0))
        return FALSE;
    const CGECellRange* pActive = ActiveRange(pGrid);
    if (pActive == nullptr)
        return FALSE;
    const CGECellRange range = *pActive; // the move changes the selection list
    const ROWCOL nRow = std::max<ROWCOL>(nRowIn, 1);
    const ROWCOL nCol = std::max<ROWCOL>(nColIn, 1);
    const ROWCOL nFirst = bRows ? range.top : range.left;
    const ROWCOL nLast = bRows ? range.bottom : range.right;
    const ROWCOL nTarget = bRows ? nRow : nCol;
    const BOOL bAgreed = bRows ? pGrid->OnSelDragRowsMove(nFirst, nLast, nTarget) &&
                                     pGrid->OnSelDragRowsDrop(nFirst, nLast, nTarget)
                               : pGrid->OnSelDragColsMove(nFirst, nLast, nTarget) &&
                                     pGrid->OnSelDragColsDrop(nFirst, nLast, nTarget);
    if (!bAgreed)
        return FALSE;
    pGrid->m_nSelDragRow = nRow;
    pGrid->m_nSelDragCol = nCol;
    // Onto the block itself or just after it: the block would stay where it is.
    if (nTarget >= nFirst && nTarget <= nLast + 1)
        return FALSE;
    const ROWCOL nDest = nFirst < nTarget ? nTarget - (nLast - nFirst + 1) : nTarget;
    return bRows ? pGrid->MoveRows(nFirst, nLast, nDest, GE_UPDATENOW, geDo)
                 : pGrid->MoveCols(nFirst, nLast, nDest, GE_UPDATENOW, geDo);
}

BOOL CGEGridUserDragSelectRangeImp::OnSelDragCancel(CGEGridCore* pGrid) {
    if (!pGrid->m_bSelDragging)
        return FALSE;
    EndFeedback(pGrid);
    pGrid->m_bSelDragging = FALSE;
    pGrid->m_nSelDragKind = 0;
    return TRUE;
}
