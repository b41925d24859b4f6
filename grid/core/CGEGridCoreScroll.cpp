// Top row and left column, bringing cells into view, scroll bars, scrolling the window's pixels and
// auto-scrolling. Scroll-bar positions are row and column numbers (times the bar's unit), so nothing
// here sums over rows that are not shown: a jump anywhere in a million rows costs one repaint.
#include "framework/win/CClientDC.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"

#include <algorithm>
#include <memory>

namespace {

BOOL HasWindow(CWnd* pWnd) {
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
}

} // namespace

ROWCOL CGEGridCore::GetFirstScrollRow() {
    return GetFrozenRows() + 1;
}

ROWCOL CGEGridCore::GetFirstScrollCol() {
    return GetFrozenCols() + 1;
}

// ---- top row and left column ----

BOOL CGEGridCore::SetTopRow(ROWCOL nRow, UINT flags, BOOL bCreateHint) {
    const ROWCOL nFirst = GetFirstScrollRow();
    nRow = std::clamp(nRow, nFirst, std::max(GetRowCount(), nFirst));
    if (nRow == m_nTopRow)
        return FALSE;
    const ROWCOL nOld = m_nTopRow;
    const CRect area = GetGridArea();
    const int nFrozenHeight = SumRowHeights(0, GetFrozenRows(), area.Height() + 1);
    // Pixels the scrolling part moves, when the old and the new top are closer than a screen.
    const ROWCOL nLow = std::min(nOld, nRow);
    const ROWCOL nHigh = std::max(nOld, nRow);
    const LONG nDistance = SumRowHeights(nLow, nHigh - 1, area.Height() + 1);
    m_nTopRow = nRow;
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (HasWindow(m_pGridWnd) && !IsLockUpdate() && flags != GE_NOREDRAW) {
        CRect rectScroll(area.left, area.top + nFrozenHeight, area.right, area.bottom);
        if ((flags & GE_SMART) != 0 && nDistance < rectScroll.Height()) {
            ScrollWindowEx(0, nRow > nOld ? -nDistance : nDistance, &rectScroll, &rectScroll);
        } else {
            m_pGridWnd->InvalidateRect(&rectScroll, FALSE);
        }
        if ((flags & GE_UPDATENOW) != 0)
            m_pGridWnd->UpdateWindow();
    }
    UpdateScrollbars();
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSyncScroll(this, 1);
    return TRUE;
}

BOOL CGEGridCore::SetLeftCol(ROWCOL nCol, UINT flags, BOOL bCreateHint) {
    const ROWCOL nFirst = GetFirstScrollCol();
    nCol = std::clamp(nCol, nFirst, std::max(GetColCount(), nFirst));
    if (nCol == m_nLeftCol)
        return FALSE;
    const ROWCOL nOld = m_nLeftCol;
    const CRect area = GetGridArea();
    const int nFrozenWidth = SumColWidths(0, GetFrozenCols(), area.Width() + 1);
    const ROWCOL nLow = std::min(nOld, nCol);
    const ROWCOL nHigh = std::max(nOld, nCol);
    const LONG nDistance = SumColWidths(nLow, nHigh - 1, area.Width() + 1);
    m_nLeftCol = nCol;
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (HasWindow(m_pGridWnd) && !IsLockUpdate() && flags != GE_NOREDRAW) {
        CRect rectScroll(area.left + nFrozenWidth, area.top, area.right, area.bottom);
        if ((flags & GE_SMART) != 0 && nDistance < rectScroll.Width()) {
            ScrollWindowEx(nCol > nOld ? -nDistance : nDistance, 0, &rectScroll, &rectScroll);
        } else {
            m_pGridWnd->InvalidateRect(&rectScroll, FALSE);
        }
        if ((flags & GE_UPDATENOW) != 0)
            m_pGridWnd->UpdateWindow();
    }
    UpdateScrollbars();
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSyncScroll(this, 2);
    return TRUE;
}

ROWCOL CGEGridCore::CalcTopRowForBottom(ROWCOL nRow) {
    // The top row that shows nRow as the last row: add heights upwards until the area is filled.
    const CRect area = GetGridArea();
    const ROWCOL nFirst = GetFirstScrollRow();
    LONG sum = GetRowHeight(nRow) + SumRowHeights(0, GetFrozenRows(), area.Height() + 1);
    ROWCOL nCandidate = nRow;
    while (sum < area.Height() && nCandidate > nFirst) {
        --nCandidate;
        sum += GetRowHeight(nCandidate);
    }
    if (sum > area.Height() && nCandidate < nRow)
        ++nCandidate;
    return std::min(nCandidate, nRow);
}

ROWCOL CGEGridCore::CalcLeftColForRight(ROWCOL nCol) {
    const CRect area = GetGridArea();
    const ROWCOL nFirst = GetFirstScrollCol();
    LONG sum = GetColWidth(nCol) + SumColWidths(0, GetFrozenCols(), area.Width() + 1);
    ROWCOL nCandidate = nCol;
    while (sum < area.Width() && nCandidate > nFirst) {
        --nCandidate;
        sum += GetColWidth(nCandidate);
    }
    if (sum > area.Width() && nCandidate < nCol)
        ++nCandidate;
    return std::min(nCandidate, nCol);
}

BOOL CGEGridCore::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags, BOOL bFloatCell) {
    // A covered (and with bFloatCell a floating) cell counts by its block; only the part after the
    // frozen lines matters.
    CGECellRange range(nRow, nCol, nRow, nCol);
    CGECellRange spanned;
    if (GetCoveredCellsRowCol(nRow, nCol, spanned) != nullptr)
        range = spanned;
    if (bFloatCell && GetFloatedCellsRange(nRow, nCol, spanned) != nullptr)
        range.SetUnion(range, spanned);
    const ROWCOL nFrozenRows = GetFrozenRows();
    const ROWCOL nFrozenCols = GetFrozenCols();
    const ROWCOL nTargetRow =
        range.top <= nFrozenRows && range.bottom > nFrozenRows ? nFrozenRows + 1 : range.top;
    const ROWCOL nTargetCol =
        range.left <= nFrozenCols && range.right > nFrozenCols ? nFrozenCols + 1 : range.left;
    const UINT nScrollFlags =
        (flags & (GE_UPDATENOW | GE_SMART)) != 0 ? (GE_SMART | (flags & GE_UPDATENOW)) : GE_SMART;
    BOOL bScrolled = FALSE;

    if (nTargetRow > nFrozenRows && nTargetRow <= GetRowCount()) {
        if (nTargetRow < m_nTopRow) {
            bScrolled |= SetTopRow(nTargetRow, nScrollFlags);
        } else {
            const ROWCOL nLastVisible = GetLastVisibleRow();
            if (nTargetRow >= nLastVisible) {
                const CRect rect = GetCellRect(nTargetRow, 0);
                const BOOL bShowsFully = nTargetRow == nLastVisible && rect.bottom <= GetGridArea().bottom;
                if (!bShowsFully) {
                    if (CGEControl* pControl = GetCurrentCellControl()) {
                        MSG msg{m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr,
                                WM_VSCROLL,
                                SB_LINEDOWN,
                                0,
                                0,
                                {0, 0}};
                        pControl->OnGridScroll(&msg);
                    }
                    bScrolled |= SetTopRow(CalcTopRowForBottom(nTargetRow), nScrollFlags);
                }
            }
        }
    }
    if (nTargetCol > nFrozenCols && nTargetCol <= GetColCount()) {
        if (nTargetCol < m_nLeftCol) {
            bScrolled |= SetLeftCol(nTargetCol, nScrollFlags);
        } else {
            const ROWCOL nLastVisible = GetLastVisibleCol();
            if (nTargetCol >= nLastVisible) {
                const CRect rect = GetCellRect(0, nTargetCol);
                const BOOL bShowsFully = nTargetCol == nLastVisible && rect.right <= GetGridArea().right;
                if (!bShowsFully) {
                    if (CGEControl* pControl = GetCurrentCellControl()) {
                        MSG msg{m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr,
                                WM_HSCROLL,
                                SB_LINERIGHT,
                                0,
                                0,
                                {0, 0}};
                        pControl->OnGridScroll(&msg);
                    }
                    bScrolled |= SetLeftCol(CalcLeftColForRight(nTargetCol), nScrollFlags);
                }
            }
        }
    }
    return bScrolled;
}

// ---- scroll bars ----

int CGEGridCore::SetScrollBarPos(int nBar, int nPos, BOOL bRedraw) {
    if (!HasWindow(m_pGridWnd) || (nBar == SB_VERT ? !m_bHasVScroll : !m_bHasHScroll))
        return 0;
    const int nUnit = std::max(nBar == SB_VERT ? m_nVScrollUnit : m_nHScrollUnit, 1);
    const int nOld = m_pGridWnd->SetScrollPos(nBar, nPos < nUnit ? 0 : nPos / nUnit, bRedraw);
    return nOld * nUnit;
}

void CGEGridCore::SetScrollBarRange(int nBar, int nMin, int nMax, BOOL bRedraw) {
    if (!HasWindow(m_pGridWnd))
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    if (!m_pGridWnd->GetScrollInfo(nBar, &info, SIF_ALL)) {
        m_pGridWnd->SetScrollRange(nBar, nMin, nMax, bRedraw);
        return;
    }
    info.fMask = SIF_RANGE;
    info.nMin = nMin;
    info.nMax = nMax;
    if (!m_pGridWnd->SetScrollInfo(nBar, &info, bRedraw))
        m_pGridWnd->SetScrollRange(nBar, nMin, nMax, bRedraw);
}

int CGEGridCore::GetScrollBarPos(int nBar) {
    if (!HasWindow(m_pGridWnd))
        return 0;
    const int nUnit = std::max(nBar == SB_VERT ? m_nVScrollUnit : m_nHScrollUnit, 1);
    return m_pGridWnd->GetScrollPos(nBar) * nUnit;
}

void CGEGridCore::SetScrollBarMode(int nBar, BOOL bEnabled) {
    if (nBar == SB_VERT || nBar == SB_BOTH) {
        m_bHasVScroll = bEnabled;
        m_bVScrollShown = FALSE;
    }
    if (nBar == SB_HORZ || nBar == SB_BOTH) {
        m_bHasHScroll = bEnabled;
        m_bHScrollShown = FALSE;
    }
}

int CGEGridCore::PageRows() {
    const ROWCOL nLast = GetLastVisibleRow();
    const ROWCOL nTop = m_nTopRow;
    if (nLast < nTop)
        return 1;
    ROWCOL n = nLast - nTop + 1;
    if (GetCellRect(nLast, 0).bottom > GetGridArea().bottom && n > 1)
        --n; // the last row is cut off
    return static_cast<int>(n);
}

int CGEGridCore::PageCols() {
    const ROWCOL nLast = GetLastVisibleCol();
    const ROWCOL nLeft = m_nLeftCol;
    if (nLast < nLeft)
        return 1;
    ROWCOL n = nLast - nLeft + 1;
    if (GetCellRect(0, nLast).right > GetGridArea().right && n > 1)
        --n;
    return static_cast<int>(n);
}

BOOL CGEGridCore::UpdateScrollbars(BOOL bRedraw, BOOL) {
    if (!HasWindow(m_pGridWnd) || m_bScrollbarLock || IsLockUpdate() || m_bPrinting || m_pParam == nullptr)
        return FALSE;
    m_bScrollbarLock = TRUE; // showing a bar resizes the client area, which asks again
    BOOL bChanged = FALSE;
    auto update = [&](int nBar, BOOL bEnabled, ROWCOL nFirst, ROWCOL nCount, ROWCOL nPos, int nPage,
                      BOOL& bShown) {
        // A bar is needed when the scrolling lines do not all fit.
        const BOOL bNeeded =
            bEnabled && nCount >= nFirst && (nPos > nFirst || nPage < static_cast<int>(nCount - nFirst + 1));
        if (bNeeded) {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            info.nMin = static_cast<int>(nFirst);
            info.nMax = static_cast<int>(std::min<ROWCOL>(nCount, 0x7FFFFFFE));
            info.nPage = static_cast<UINT>(std::max(nPage, 1));
            info.nPos = static_cast<int>(nPos);
            m_pGridWnd->SetScrollInfo(nBar, &info, bRedraw);
        }
        if (bNeeded != bShown) {
            m_pGridWnd->ShowScrollBar(nBar, bNeeded);
            bShown = bNeeded;
            bChanged = TRUE;
        }
    };
    update(SB_VERT, m_bHasVScroll, GetFirstScrollRow(), GetRowCount(), m_nTopRow, PageRows(),
           m_bVScrollShown);
    ResetLastVisible();
    update(SB_HORZ, m_bHasHScroll, GetFirstScrollCol(), GetColCount(), m_nLeftCol, PageCols(),
           m_bHScrollShown);
    ResetLastVisible();
    m_bScrollbarLock = FALSE;
    return bChanged;
}

void CGEGridCore::OnGridScrollBar(BOOL bVert, UINT nSBCode, UINT nPos) {
    if (CGEControl* pControl = GetCurrentCellControl()) {
        MSG msg{m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr,
                static_cast<UINT>(bVert ? WM_VSCROLL : WM_HSCROLL),
                MAKEWPARAM(nSBCode, nPos),
                0,
                0,
                {0, 0}};
        pControl->OnGridScroll(&msg);
    }
    const ROWCOL nFirst = bVert ? GetFirstScrollRow() : GetFirstScrollCol();
    const ROWCOL nCount = bVert ? GetRowCount() : GetColCount();
    const ROWCOL nOld = bVert ? m_nTopRow : m_nLeftCol;
    auto firstForLast = [&](ROWCOL nLast) {
        return bVert ? CalcTopRowForBottom(nLast) : CalcLeftColForRight(nLast);
    };
    ROWCOL nNew = nOld;
    switch (nSBCode) {
    case SB_LINEUP: // SB_LINELEFT
        nNew = nOld > nFirst ? nOld - 1 : nOld;
        break;
    case SB_LINEDOWN: // SB_LINERIGHT
        nNew = nOld + 1;
        break;
    case SB_PAGEUP: // SB_PAGELEFT
        nNew = nOld > nFirst ? firstForLast(nOld - 1) : nOld;
        break;
    case SB_PAGEDOWN: // SB_PAGERIGHT
        nNew = nOld + static_cast<ROWCOL>(bVert ? PageRows() : PageCols());
        break;
    case SB_TOP: // SB_LEFT
        nNew = nFirst;
        break;
    case SB_BOTTOM: // SB_RIGHT
        nNew = firstForLast(nCount);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        if (nSBCode == SB_THUMBTRACK && m_pParam != nullptr && !m_pParam->IsThumbTrackScroll())
            return;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        const BOOL bInfo = HasWindow(m_pGridWnd) &&
                           m_pGridWnd->GetScrollInfo(bVert ? SB_VERT : SB_HORZ, &info, SIF_TRACKPOS);
        nNew =
            bInfo ? static_cast<ROWCOL>(info.nTrackPos) : nPos; // 32-bit positions through the track position
        break;
    }
    default:
        return;
    }
    nNew = std::min(nNew, firstForLast(nCount));
    if (bVert)
        SetTopRow(nNew);
    else
        SetLeftCol(nNew);
}

void CGEGridCore::OnGridVScroll(UINT nSBCode, UINT nPos) {
    OnGridScrollBar(TRUE, nSBCode, nPos);
}

void CGEGridCore::OnGridHScroll(UINT nSBCode, UINT nPos) {
    OnGridScrollBar(FALSE, nSBCode, nPos);
}

void CGEGridCore::ScrollWindowEx(int dx, int dy, LPCRECT pRectScroll, LPCRECT pRectClip) {
    if (!HasWindow(m_pGridWnd))
        return;
    // The spreadsheet-like frame is taken off before the pixels move and drawn at its new place after,
    // so that no piece of it stays behind at a pane boundary.
    std::unique_ptr<CClientDC> pFrameDC;
    if (m_pExcelLikeFrameImp != nullptr && m_rangeFrame.IsValid() && !IsLockUpdate()) {
        pFrameDC = std::make_unique<CClientDC>(m_pGridWnd);
        UpdateSelectionFrame(pFrameDC.get(), TRUE, nullptr);
    }
    m_pGridWnd->ScrollWindowEx(dx, dy, pRectScroll, pRectClip, nullptr, nullptr,
                               SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    if (pFrameDC != nullptr)
        UpdateSelectionFrame(pFrameDC.get(), TRUE, nullptr);
}

// ---- auto-scroll ----

BOOL CGEGridCore::StartAutoScroll(BOOL bCapture, WORD wDirection, WORD wSpeed) {
    m_wAutoScrollDirection = wDirection;
    m_wAutoScrollSpeed = wSpeed;
    m_bAutoScrolling = TRUE;
    m_nAutoScrollStep = 0;
    if (!HasWindow(m_pGridWnd)) {
        m_bAutoScrolling = FALSE;
        return FALSE;
    }
    if (bCapture)
        CaptureMouse();
    m_nAutoScrollTimer = m_pGridWnd->SetTimer(GE_AUTOSCROLL_TIMER, GE_AUTOSCROLL_INTERVAL, nullptr);
    if (m_nAutoScrollTimer == 0) {
        m_bAutoScrolling = FALSE;
        return FALSE;
    }
    m_pGridWnd->PostMessage(WM_TIMER, GE_AUTOSCROLL_TIMER, 0);
    return TRUE;
}

void CGEGridCore::StopAutoScroll() {
    if (m_nAutoScrollTimer != 0 && HasWindow(m_pGridWnd))
        m_pGridWnd->KillTimer(GE_AUTOSCROLL_TIMER);
    m_nAutoScrollTimer = 0;
    m_bAutoScrolling = FALSE;
}

void CGEGridCore::OnAutoScrollTimer() {
    ++m_nAutoScrollStep;
}
