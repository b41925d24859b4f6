#include "grid/core/GEGridMessages.h"

#include "framework/win/CPaintDC.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEPluginComponent.h"
#include "grid/core/CGESysDrawInfo.h"

#include <windowsx.h>

namespace {

CPoint PointOf(LPARAM lParam) {
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

void RedrawCurrentCell(CGEGridCore* pGrid) {
    ROWCOL nRow = 0, nCol = 0;
    if (pGrid->GetCurrentCell(nRow, nCol))
        pGrid->RedrawRowCol(nRow, nCol, nRow, nCol, GE_INVALIDATE, FALSE);
}

} // namespace

BOOL GEDispatchPluginMessage(CGEGridCore* pGrid, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT* pResult) {
    return pGrid->DispatchToPlugins(message, wParam, lParam, pResult);
}

void GETakeScrollBarModes(CGEGridCore* pGrid, CWnd* pWnd) {
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    const DWORD dwStyle = pWnd->GetStyle();
    pGrid->SetScrollBarMode(SB_VERT, (dwStyle & WS_VSCROLL) != 0);
    pGrid->SetScrollBarMode(SB_HORZ, (dwStyle & WS_HSCROLL) != 0);
    // The bars show only when the rows or columns do not fit (UpdateScrollbars).
    pWnd->ShowScrollBar(SB_BOTH, FALSE);
}

BOOL GEPreDispatchGridMessage(CGEGridCore* pGrid, CWnd*, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT* pResult) {
    *pResult = 0;
    switch (message) {
    case WM_VSCROLL:
        if (lParam != 0)
            return FALSE; // a scroll bar control's
        pGrid->OnGridVScroll(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
        if (lParam != 0)
            return FALSE;
        pGrid->OnGridHScroll(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        if (CGEControl* pControl = pGrid->GetCurrentCellControl()) {
            CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
            if (HBRUSH hBrush = pControl->OnGridCtlColor(
                    pDC, CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX)) {
                *pResult = reinterpret_cast<LRESULT>(hBrush);
                return TRUE;
            }
        }
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL GEDispatchGridMessage(CGEGridCore* pGrid, CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT* pResult, BOOL bPaint) {
    *pResult = 0;
    switch (message) {
    case WM_PAINT:
        if (!bPaint)
            return FALSE;
        {
            CPaintDC dc(pWnd);
            pGrid->OnGridDraw(&dc);
        }
        return TRUE;
    case WM_ERASEBKGND:
        *pResult = 1; // the paint covers everything
        return TRUE;
    case WM_SIZE:
        pGrid->ResetLastVisible();
        pGrid->UpdateScrollbars();
        return FALSE;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_DEADCHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_SYSDEADCHAR:
        return pGrid->DispatchKeyMessage(pWnd, message, static_cast<UINT>(wParam), LOWORD(lParam),
                                         HIWORD(lParam));
    case WM_LBUTTONDOWN:
        if (CWnd::GetFocus() == nullptr || CWnd::GetFocus()->GetSafeHwnd() != pWnd->GetSafeHwnd())
            pWnd->SetFocus();
        pGrid->OnGridLButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
        return TRUE;
    case WM_LBUTTONUP:
        pGrid->OnGridLButtonUp(static_cast<UINT>(wParam), PointOf(lParam));
        return TRUE;
    case WM_LBUTTONDBLCLK:
        pGrid->OnGridLButtonDblClk(static_cast<UINT>(wParam), PointOf(lParam));
        return TRUE;
    case WM_RBUTTONDOWN:
        return pGrid->OnGridRButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_RBUTTONUP:
        return pGrid->OnGridRButtonUp(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_MBUTTONDOWN:
        return pGrid->OnGridMButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_MBUTTONUP:
        return pGrid->OnGridMButtonUp(static_cast<UINT>(wParam), PointOf(lParam));
    case WM_MOUSEMOVE:
        pGrid->OnGridMouseMove(static_cast<UINT>(wParam), PointOf(lParam));
        return TRUE;
    case WM_MOUSEWHEEL: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        pWnd->ScreenToClient(&pt);
        return pGrid->OnGridMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam),
                                       CPoint(pt));
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == pWnd->GetSafeHwnd() && pGrid->OnGridSetCursor(LOWORD(lParam))) {
            *pResult = TRUE;
            return TRUE;
        }
        return FALSE;
    case WM_SETFOCUS:
        pGrid->m_bWndHasFocus = TRUE;
        RedrawCurrentCell(pGrid);
        return FALSE;
    case WM_KILLFOCUS: {
        pGrid->m_bWndHasFocus = FALSE;
        HWND hNew = reinterpret_cast<HWND>(wParam);
        const BOOL bToChild = hNew != nullptr && ::IsChild(pWnd->GetSafeHwnd(), hNew);
        // A drop-down list taking the focus (its lock raised) does not end the edit of the current cell.
        if (!bToChild && !pGrid->m_bFocusChangeLock && !GEGetLibraryState()->m_bSuppressStoreOnKillFocus &&
            !GEGetLibraryState()->m_bPopupCreating && !GEGetLibraryState()->m_bDropDownLock &&
            !pGrid->m_bDropDownLock)
            pGrid->CommitCurrentCell(TRUE, GE_INVALIDATE, TRUE);
        RedrawCurrentCell(pGrid);
        return FALSE;
    }
    case WM_MOUSEACTIVATE:
        // The current cell's control may close its drop-down and eat the click.
        if (CGEControl* pControl = pGrid->GetCurrentCellControl()) {
            if (pControl->OnGridMouseActivate(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                                              LOWORD(lParam), HIWORD(lParam), pResult))
                return TRUE;
        }
        return FALSE;
    case WM_CANCELMODE:
        pGrid->OnGridCancelMode();
        return FALSE;
    case WM_SYSCOLORCHANGE:
        GEGetSysDrawInfo()->RefreshColors();
        pGrid->FreeGdiCache();
        if (CGEControl* pControl = pGrid->GetCurrentCellControl())
            pControl->OnGridSysColorChange();
        pWnd->Invalidate(TRUE);
        return FALSE;
    case WM_GETDLGCODE:
        *pResult = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return TRUE;
    default:
        return FALSE;
    }
}
