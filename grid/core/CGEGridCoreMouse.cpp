// Mouse handlers: hit-testing a press, handing boundaries to the resizing feature, selections to the
// selection and drag features, and cell events to the cell's control (RouteMouseToCell); cursors.
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEAbstractGridSortImp.h"
#include "grid/core/CGEAbstractGridUserDragSelectRangeImp.h"
#include "grid/core/CGEAbstractGridUserResizeCellsImp.h"
#include "grid/core/CGEAbstractGridUserSelectRangeImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"

#include <algorithm>

namespace {

BOOL IsBoundary(int nHit) {
    return nHit == GE_HT_VERTLINE || nHit == GE_HT_HORZLINE || nHit == GE_HT_HIDDENCOL ||
           nHit == GE_HT_HIDDENROW;
}

} // namespace

CWnd* CGEGridCore::CaptureMouse() {
    if (m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    return m_pGridWnd->SetCapture();
}

BOOL CGEGridCore::OnGridLButtonDown(UINT nFlags, CPoint point) {
    if ((nFlags & (MK_RBUTTON | MK_MBUTTON)) != 0)
        OnGridCancelMode();
    ROWCOL nRow = 0, nCol = 0;
    int nHit = HitTest(point, &nRow, &nCol);
    if (nHit == GE_HT_NOHIT)
        return FALSE;
    if (IsBoundary(nHit)) {
        return m_pUserResizeCellsImp != nullptr && m_bUserResizing &&
               m_pUserResizeCellsImp->OnLButtonDown(this, point, nFlags, nHit, nRow, nCol);
    }
    m_nPressedRow = nRow;
    m_nPressedCol = nCol;
    m_nPressedButtons = MK_LBUTTON | (nFlags & (MK_CONTROL | MK_SHIFT));
    m_bMovedWhilePressed = FALSE;
    if (nHit == GE_HT_SELCORNER) {
        m_wButtonMode = 1;
        CaptureMouse();
        return TRUE;
    }
    const WORD wMode = static_cast<WORD>(1 | ((nFlags & MK_CONTROL) != 0 ? 128 : 0));
    m_wButtonMode = wMode;
    BOOL bTaken = FALSE;
    if (m_pUserDragSelectRangeImp != nullptr) {
        bTaken = m_pUserDragSelectRangeImp->OnLButtonDown(this, point, nFlags, nHit, nRow, nCol);
        // A refused drag cancels its mode; the press then belongs to the selection.
        if (!bTaken)
            m_wButtonMode = wMode;
    }
    if (!bTaken && m_pUserSelectRangeImp != nullptr)
        m_pUserSelectRangeImp->OnLButtonDown(this, point, nFlags, nHit, nRow, nCol);
    if (!OnLButtonHitRowCol(nRow, nCol, nRow, nCol, point, nFlags, GE_MR_DOWN)) {
        OnGridCancelMode();
        return FALSE;
    }
    if (!bTaken && nHit == GE_HT_CELL) {
        const BOOL bInSelection = m_pParam != nullptr && m_pParam->m_SelectedRanges.IsCellInList(nRow, nCol);
        RouteMouseToCell(nRow, nCol, nFlags, point, GE_MR_DOWN | (bInSelection ? GE_MR_INSELECTION : 0));
    }
    CaptureMouse();
    // A drag of rows or columns started its own auto-scroll along its direction.
    if (!bTaken && m_pParam != nullptr && m_pParam->m_bAutoScroll && m_pAutoScrollPlugin != nullptr)
        StartAutoScroll(FALSE, 0, 0);
    return TRUE;
}

BOOL CGEGridCore::OnGridMouseMove(UINT nFlags, CPoint pointIn) {
    CRect area = GetGridArea();
    CPoint point(std::clamp<LONG>(pointIn.x, area.left, std::max<LONG>(area.left, area.right - 1)),
                 std::clamp<LONG>(pointIn.y, area.top, std::max<LONG>(area.top, area.bottom - 1)));
    if (m_pUserDragSelectRangeImp != nullptr && m_pUserDragSelectRangeImp->OnMouseMove(this, point, nFlags))
        return TRUE;
    HWND hGrid = m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr;
    if (m_wButtonMode == 0 || hGrid == nullptr || ::GetCapture() != hGrid) {
        if (m_pUserResizeCellsImp != nullptr && m_pUserResizeCellsImp->OnMouseMove(this, point, nFlags))
            return TRUE;
        ROWCOL nRow = 0, nCol = 0;
        if (HitTest(pointIn, &nRow, &nCol) == GE_HT_CELL) {
            if (CGEControl* pControl = GetControl(nRow, nCol)) {
                if (pControl->MouseMoveOver(nRow, nCol, nFlags, pointIn))
                    return TRUE;
            }
            OnCellMouseMove(nRow, nCol, nFlags, pointIn);
        }
        UpdateCursor(pointIn);
        return FALSE;
    }
    // A mouse selection: follow the cell under the mouse within the body.
    ROWCOL nRow = 0, nCol = 0;
    HitTest(point, &nRow, &nCol);
    nRow = std::clamp<ROWCOL>(nRow, std::min<ROWCOL>(GetHeaderRows() + 1, GetRowCount()), GetRowCount());
    nCol = std::clamp<ROWCOL>(nCol, std::min<ROWCOL>(GetHeaderCols() + 1, GetColCount()), GetColCount());
    if (nRow == m_nLastSelRow && nCol == m_nLastSelCol && m_bMovedWhilePressed)
        return TRUE;
    OnLButtonHitRowCol(m_nPressedRow, m_nPressedCol, nRow, nCol, point, nFlags, GE_MR_MOVE);
    if (m_pUserSelectRangeImp != nullptr)
        m_pUserSelectRangeImp->OnMouseMove(this, point, nFlags, nRow, nCol);
    RouteMouseToCell(nRow, nCol, nFlags, point, GE_MR_MOVE);
    m_nLastSelRow = nRow;
    m_nLastSelCol = nCol;
    return TRUE;
}

BOOL CGEGridCore::OnGridLButtonUp(UINT nFlags, CPoint point) {
    HWND hGrid = m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr;
    const BOOL bCaptured = hGrid != nullptr && ::GetCapture() == hGrid;
    if (!bCaptured && m_wButtonMode == 0)
        return FALSE;
    BOOL bHandled = FALSE;
    if (m_pUserDragSelectRangeImp != nullptr && m_pUserDragSelectRangeImp->OnLButtonUp(this, point, nFlags))
        bHandled = TRUE;
    if (!bHandled && m_wButtonMode == 0 && m_pUserResizeCellsImp != nullptr &&
        m_pUserResizeCellsImp->OnLButtonUp(this, point, nFlags))
        bHandled = TRUE;
    if (!bHandled && m_wButtonMode != 0) {
        StopAutoScroll();
        if (bCaptured)
            CWnd::ReleaseCapture();
        if (m_pUserSelectRangeImp != nullptr)
            m_pUserSelectRangeImp->OnLButtonUp(this, point, nFlags);
        OnLButtonHitRowCol(m_nPressedRow, m_nPressedCol, m_nPressedRow, m_nPressedCol, point, nFlags,
                           GE_MR_UP);
        if (m_nPressedRow > GetHeaderRows() && m_nPressedCol > GetHeaderCols())
            RouteMouseToCell(m_nPressedRow, m_nPressedCol, nFlags, point, GE_MR_UP);
        else
            OnCellClick(m_nPressedRow, m_nPressedCol, nFlags, point);
        bHandled = TRUE;
    }
    m_wButtonMode = 0;
    m_nPressedButtons = 0;
    return bHandled;
}

BOOL CGEGridCore::OnGridLButtonDblClk(UINT nFlags, CPoint point) {
    ROWCOL nRow = 0, nCol = 0;
    int nHit = HitTest(point, &nRow, &nCol);
    if (nHit == GE_HT_NOHIT)
        return FALSE;
    if (IsBoundary(nHit)) {
        return m_pUserResizeCellsImp != nullptr && m_bUserResizing &&
               m_pUserResizeCellsImp->OnLButtonDblClk(this, point, nFlags, nHit, nRow, nCol);
    }
    m_bDblClick = TRUE;
    BOOL bHandled = FALSE;
    if (IsCurrentCell(nRow, nCol)) {
        CGEControl* pControl = m_pCurrentControl;
        if (pControl != nullptr && pControl->IsBoundToCellAt(nRow, nCol))
            bHandled = pControl->LButtonDblClk(nFlags, point);
    }
    if (!bHandled)
        bHandled = OnCellDblClick(nRow, nCol, nFlags, point);
    m_bDblClick = FALSE;
    return bHandled;
}

BOOL CGEGridCore::RouteButtonToCell(UINT message, UINT nFlags, CPoint point) {
    ROWCOL nRow = 0, nCol = 0;
    if (HitTest(point, &nRow, &nCol) == GE_HT_NOHIT)
        return FALSE;
    CGEControl* pControl = IsCurrentCell(nRow, nCol) ? m_pCurrentControl : nullptr;
    if (pControl != nullptr && pControl->IsBoundToCellAt(nRow, nCol)) {
        switch (message) {
        case WM_RBUTTONDOWN:
            return pControl->RButtonDown(nFlags, point, GE_MR_DOWN);
        case WM_RBUTTONUP:
            return pControl->RButtonUp(nFlags, point, GE_MR_UP);
        case WM_MBUTTONDOWN:
            return pControl->MButtonDown(nFlags, point, GE_MR_DOWN);
        default:
            return pControl->MButtonUp(nFlags, point, GE_MR_UP);
        }
    }
    // A click on any other cell goes to the click hooks.
    if (message == WM_RBUTTONUP)
        return OnCellRClick(nRow, nCol, nFlags, point);
    if (message == WM_MBUTTONUP)
        return OnCellMClick(nRow, nCol, nFlags, point);
    return FALSE;
}

BOOL CGEGridCore::OnGridRButtonDown(UINT nFlags, CPoint point) {
    return RouteButtonToCell(WM_RBUTTONDOWN, nFlags, point);
}

BOOL CGEGridCore::OnGridRButtonUp(UINT nFlags, CPoint point) {
    return RouteButtonToCell(WM_RBUTTONUP, nFlags, point);
}

BOOL CGEGridCore::OnGridMButtonDown(UINT nFlags, CPoint point) {
    return RouteButtonToCell(WM_MBUTTONDOWN, nFlags, point);
}

BOOL CGEGridCore::OnGridMButtonUp(UINT nFlags, CPoint point) {
    return RouteButtonToCell(WM_MBUTTONUP, nFlags, point);
}

BOOL CGEGridCore::OnGridMouseWheel(UINT, short zDelta, CPoint) {
    const int nLines = -zDelta / WHEEL_DELTA * 3;
    if (nLines == 0)
        return FALSE;
    const ROWCOL nTop = m_nTopRow;
    const ROWCOL nNew =
        nLines < 0 ? (nTop > static_cast<ROWCOL>(-nLines) ? nTop + nLines : 1) : nTop + nLines;
    return SetTopRow(std::min(nNew, CalcTopRowForBottom(GetRowCount())));
}

void CGEGridCore::OnGridCancelMode() {
    if (m_bTrackResize) {
        CancelUserResize();
    } else if ((m_wButtonMode & 2) != 0) {
        SetSelection(nullptr);
        if (m_pParam != nullptr && m_pParam->TestCurrentCellFlags(3))
            StoreCurrentCell(FALSE);
    }
    OnSelDragCancel();
    StopAutoScroll();
    HWND hGrid = m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr;
    if (hGrid != nullptr && ::GetCapture() == hGrid)
        CWnd::ReleaseCapture();
    if (CGEControl* pControl = GetCurrentCellControl())
        pControl->OnGridCancelMode();
    m_wButtonMode = 0;
    m_nPressedButtons = 0;
}

BOOL CGEGridCore::RouteMouseToCell(ROWCOL nRowIn, ROWCOL nColIn, UINT nFlags, CPoint point,
                                   UINT nRouteFlags) {
    ROWCOL nRow = nRowIn, nCol = nColIn;
    CGECellRange covered;
    if (GetCoveredCellsRowCol(nRow, nCol, covered) != nullptr) {
        nRow = covered.top;
        nCol = covered.left;
    }
    m_bDblClick = (nRouteFlags & GE_MR_DBLCLK) != 0;
    if ((nRouteFlags & GE_MR_DOWN) != 0) {
        const BOOL bDragSelected = m_pParam != nullptr && m_pParam->m_bDragSelectedRanges;
        if (!((nRouteFlags & GE_MR_INSELECTION) != 0 && bDragSelected)) {
            m_bRefused = FALSE;
            const BOOL bSet =
                SetCurrentCell(nRow, nCol, m_bNoRedrawState ? (GE_SMART | GE_CC_NOREDRAW) : GE_SMART);
            if (!bSet || m_bRefused || nRow > GetRowCount() || nCol > GetColCount())
                return FALSE;
        }
        if (IsCurrentCell(nRow, nCol) && m_pCurrentControl != nullptr &&
            m_pCurrentControl->IsBoundToCellAt(nRow, nCol))
            m_pCurrentControl->LButtonDown(nFlags, point, nRouteFlags);
        m_bMovedWhilePressed = FALSE;
        return TRUE;
    }
    if ((nRouteFlags & GE_MR_UP) != 0) {
        const BOOL bCurrent = IsCurrentCell(nRow, nCol);
        if (bCurrent && m_pCurrentControl != nullptr && m_pCurrentControl->IsBoundToCellAt(nRow, nCol))
            m_pCurrentControl->LButtonUp(nFlags, point, nRouteFlags);
        else
            OnCellClick(nRow, nCol, nFlags, point);
        if (!m_bMovedWhilePressed && bCurrent) {
            ScrollCellInView(nRow, nCol, GE_UPDATENOW);
            if (m_pCurrentControl != nullptr && m_pCurrentControl->IsBoundToCellAt(nRow, nCol))
                m_pCurrentControl->OnClickedCell(nFlags, point);
        } else if (m_pParam != nullptr && m_pParam->TestCurrentCellFlags(3)) {
            SetCurrentCell(m_nPressedRow, m_nPressedCol, GE_SMART);
        }
        return TRUE;
    }
    if ((nRouteFlags & GE_MR_MOVE) != 0) {
        if (CGEControl* pControl = GetCurrentCellControl())
            pControl->OnMouseMove(nFlags, point);
        if (nRow != m_nPressedRow || nCol != m_nPressedCol)
            m_bMovedWhilePressed = TRUE;
        return TRUE;
    }
    return FALSE;
}

BOOL CGEGridCore::OnCellClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) {
    return m_pUserSelectRangeImp != nullptr
               ? m_pUserSelectRangeImp->OnCellClick(this, nRow, nCol, nFlags, point)
               : FALSE;
}

BOOL CGEGridCore::OnCellDblClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) {
    // A double click on a header sorts by it when the sorting feature is there.
    return m_pSortImp != nullptr ? m_pSortImp->OnHeaderDblClick(this, nRow, nCol, nFlags, point) : FALSE;
}

BOOL CGEGridCore::OnCellRClick(ROWCOL, ROWCOL, UINT, CPoint) {
    return FALSE;
}

BOOL CGEGridCore::OnCellMClick(ROWCOL, ROWCOL, UINT, CPoint) {
    return FALSE;
}

BOOL CGEGridCore::OnCellMouseMove(ROWCOL, ROWCOL, UINT, CPoint) {
    return FALSE;
}

BOOL CGEGridCore::OnLButtonHitRowCol(ROWCOL, ROWCOL, ROWCOL, ROWCOL, CPoint, UINT, UINT) {
    return TRUE;
}

// ---- cursors ----

void CGEGridCore::SetGridCursor(UINT nIDCursor, LPCSTR pszSystemCursor) {
    if (nIDCursor == 0) {
        m_nCursorId = 0;
        m_hCursor = m_hcurDefault;
        return;
    }
    if (nIDCursor != m_nCursorId || m_hCursor == nullptr) {
        HCURSOR hCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDCursor));
        if (hCursor == nullptr)
            hCursor = ::LoadCursorA(
                nullptr, pszSystemCursor != nullptr ? pszSystemCursor : reinterpret_cast<LPCSTR>(IDC_ARROW));
        m_hCursor = hCursor;
        m_nCursorId = nIDCursor;
    }
    ::SetCursor(m_hCursor);
}

void CGEGridCore::SetOverrideCursor(UINT nIDCursor) {
    m_nOverrideCursorId = nIDCursor;
    POINT pt{};
    ::GetCursorPos(&pt);
    if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr) {
        m_pGridWnd->ScreenToClient(&pt);
        UpdateCursor(CPoint(pt));
    }
}

void CGEGridCore::UpdateCursor(CPoint point) {
    if (m_nOverrideCursorId != 0) {
        SetGridCursor(m_nOverrideCursorId, reinterpret_cast<LPCSTR>(IDC_ARROW));
        return;
    }
    ROWCOL nRow = 0, nCol = 0;
    const int nHit = HitTest(point, &nRow, &nCol);
    const BOOL bResize = m_bUserResizing && m_pUserResizeCellsImp != nullptr;
    switch (nHit) {
    case GE_HT_VERTLINE:
        if (bResize && CanChangeColWidth(nCol))
            return SetGridCursor(GE_IDC_COL_SIZE, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
        break;
    case GE_HT_HORZLINE:
        if (bResize && CanChangeRowHeight(nRow))
            return SetGridCursor(GE_IDC_ROW_SIZE, reinterpret_cast<LPCSTR>(IDC_SIZENS));
        break;
    case GE_HT_HIDDENCOL:
        if (bResize)
            return SetGridCursor(GE_IDC_HIDDEN_COL, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
        break;
    case GE_HT_HIDDENROW:
        if (bResize)
            return SetGridCursor(GE_IDC_HIDDEN_ROW, reinterpret_cast<LPCSTR>(IDC_SIZENS));
        break;
    case GE_HT_SELEDGE:
        return SetGridCursor(GE_IDC_SEL_EDGE, reinterpret_cast<LPCSTR>(IDC_SIZEALL));
    case GE_HT_SELCORNER:
        return SetGridCursor(GE_IDC_DRAG_FILL, reinterpret_cast<LPCSTR>(IDC_CROSS));
    case GE_HT_HEADER:
        if (m_pParam != nullptr && nRow == 0 && nCol > GetHeaderCols()) {
            if (IsCellSelected(GE_INVALID, nCol) && m_pParam->IsColSelectionDragEnabled())
                break;
            if (m_pParam->TestSelectionFlags(2))
                return SetGridCursor(GE_IDC_SEL_COL, reinterpret_cast<LPCSTR>(IDC_ARROW));
        } else if (m_pParam != nullptr && nCol == 0 && nRow > GetHeaderRows()) {
            if (IsCellSelected(nRow, GE_INVALID) && m_pParam->IsSelectionDragEnabled())
                break;
            if (m_pParam->TestSelectionFlags(1))
                return SetGridCursor(GE_IDC_SEL_ROW, reinterpret_cast<LPCSTR>(IDC_ARROW));
        }
        break;
    default:
        break;
    }
    SetGridCursor(0);
    ::SetCursor(m_hcurDefault);
}

BOOL CGEGridCore::OnGridSetCursor(UINT nHitTest) {
    if (nHitTest != HTCLIENT || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    POINT pt{};
    ::GetCursorPos(&pt);
    m_pGridWnd->ScreenToClient(&pt);
    UpdateCursor(CPoint(pt));
    return TRUE;
}
