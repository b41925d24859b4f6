#include "grid/controls/gadgets/CGEBDropEdit.h"

#include "framework/win/CDC.h"
#include "grid/core/CGESysDrawInfo.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(CGEBDropEdit, CEdit)

BEGIN_MESSAGE_MAP(CGEBDropEdit, CEdit)
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
ON_MESSAGE(WM_NCPAINT, OnNcPaint)
ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
ON_MESSAGE(WM_MOUSEMOVE, OnMouseMoveMsg)
ON_MESSAGE(WM_LBUTTONUP, OnLButtonUpMsg)
ON_MESSAGE(WM_CANCELMODE, OnCancelModeMsg)
ON_MESSAGE(WM_ENABLE, OnEnableMsg)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
ON_MESSAGE(WM_KEYDOWN, OnKeyDownMsg)
ON_MESSAGE(WM_SYSKEYDOWN, OnSysKeyDownMsg)
END_MESSAGE_MAP()

namespace {

void FillColor(HDC hDC, const RECT& rect, COLORREF clr) {
    const COLORREF clrOld = ::SetBkColor(hDC, clr);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(hDC, clrOld);
}

// A one-pixel frame: top and left in one colour, bottom and right in the other.
void Frame3d(HDC hDC, const RECT& rect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    FillColor(hDC, {rect.left, rect.top, rect.right - 1, rect.top + 1}, clrTopLeft);
    FillColor(hDC, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, clrTopLeft);
    FillColor(hDC, {rect.left + cx - 1, rect.top, rect.right, rect.bottom}, clrBottomRight);
    FillColor(hDC, {rect.left, rect.top + cy - 1, rect.right, rect.bottom}, clrBottomRight);
}

CSize BitmapSize(const CBitmap& bitmap) {
    BITMAP bm{};
    if (bitmap.GetSafeHandle() == nullptr || bitmap.GetBitmap(&bm) == 0)
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

} // namespace

CGEBDropEdit::~CGEBDropEdit() {
    m_bitmap.DeleteObject();
}

int CGEBDropEdit::ButtonWidth() const {
    return BitmapSize(m_bitmap).cx + m_nLeftGap + m_nRightGap + 4;
}

BOOL CGEBDropEdit::SetBitmap(UINT nID) {
    m_bitmap.DeleteObject();
    m_rectButtonInWnd.SetRectEmpty();
    m_nBitmapId = nID;
    if (nID != 0 && !LoadBitmapWithSysColors(m_bitmap, nID))
        m_nBitmapId = 0;
    if (GetSafeHwnd() != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL CGEBDropEdit::HitTestButton(int x, int y, BOOL bClientCoords) {
    POINT point = {x, y};
    if (bClientCoords)
        ::ClientToScreen(GetSafeHwnd(), &point);
    if (HWND hParent = ::GetParent(GetSafeHwnd()); hParent != nullptr)
        ::ScreenToClient(hParent, &point);
    const CRect button = GetButtonRect();
    return ::PtInRect(&button, point);
}

void CGEBDropEdit::OnButtonClicked() {
    if (HWND hParent = ::GetParent(GetSafeHwnd()); hParent != nullptr)
        ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0),
                       reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CGEBDropEdit::InvalidateButton() {
    if (GetSafeHwnd() != nullptr && !m_rectButtonInWnd.IsRectEmpty())
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE);
}

void CGEBDropEdit::RedrawButton() {
    if (GetSafeHwnd() != nullptr && !m_rectButtonInWnd.IsRectEmpty())
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
}

// ---- drawing ----

void CGEBDropEdit::DrawButton(CDC* pDC, RECT rectButton) {
    CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const HDC hDC = pDC->GetSafeHdc();
    CRect rect(rectButton);
    const BOOL bPressed = (m_wFlags & flagPressed) != 0;
    if (bPressed) {
        Frame3d(hDC, rect, pInfo->m_clrBtnShadow, pInfo->m_clrBtnShadow);
        rect.DeflateRect(1, 1);
        FillColor(hDC, rect, pInfo->m_clrBtnFace);
        rect.DeflateRect(1, 1);
    } else {
        Frame3d(hDC, rect, pInfo->m_clrBtnFace, pInfo->m_clrWindowFrame);
        rect.DeflateRect(1, 1);
        Frame3d(hDC, rect, pInfo->m_clrBtnHilite, pInfo->m_clrBtnShadow);
        rect.DeflateRect(1, 1);
        FillColor(hDC, rect, pInfo->m_clrBtnFace);
    }
    const CSize image = BitmapSize(m_bitmap);
    if (image.cx == 0)
        return;
    int x = rectButton.left + m_nLeftGap;
    int y = rectButton.top + (rectButton.bottom - rectButton.top - image.cy) / 2;
    if (bPressed) {
        ++x;
        ++y;
    }
    const HDC hMem = ::CreateCompatibleDC(hDC);
    if (hMem == nullptr)
        return;
    const HGDIOBJ hOld = ::SelectObject(hMem, m_bitmap.GetSafeHandle());
    ::BitBlt(hDC, x, y, image.cx, image.cy, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
}

void CGEBDropEdit::DrawDisabledImage(CDC* pDC, int x, int y, int cx, int cy) {
    if (cx <= 0 || cy <= 0)
        return;
    CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const HDC hDC = pDC->GetSafeHdc();
    const HDC hMask = ::CreateCompatibleDC(hDC);
    const HBITMAP hMono = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    if (hMask == nullptr || hMono == nullptr) {
        if (hMono != nullptr)
            ::DeleteObject(hMono);
        if (hMask != nullptr)
            ::DeleteDC(hMask);
        return;
    }
    const HGDIOBJ hOldMono = ::SelectObject(hMask, hMono);
    ::PatBlt(hMask, 0, 0, cx, cy, WHITENESS);
    // Face and highlight pixels become white in the mask, all others black.
    const COLORREF clrOldBk = ::SetBkColor(hDC, pInfo->m_clrBtnFace);
    ::BitBlt(hMask, 0, 0, cx, cy, hDC, x, y, SRCCOPY);
    ::SetBkColor(hDC, pInfo->m_clrBtnHilite);
    ::BitBlt(hMask, 0, 0, cx, cy, hDC, x, y, SRCPAINT);
    ::SetBkColor(hDC, RGB(255, 255, 255));
    const COLORREF clrOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    // Where the mask is black: the highlight one pixel down and right, then the shadow.
    constexpr DWORD kPaintWhereBlack = 0xB8074A;
    const HBRUSH hHilite = ::CreateSolidBrush(pInfo->m_clrBtnHilite);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hHilite);
    ::BitBlt(hDC, x + 1, y + 1, cx - 1, cy - 1, hMask, 0, 0, kPaintWhereBlack);
    const HBRUSH hShadow = ::CreateSolidBrush(pInfo->m_clrBtnShadow);
    ::SelectObject(hDC, hShadow);
    ::BitBlt(hDC, x, y, cx, cy, hMask, 0, 0, kPaintWhereBlack);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hHilite);
    ::DeleteObject(hShadow);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBk);
    ::SelectObject(hMask, hOldMono);
    ::DeleteObject(hMono);
    ::DeleteDC(hMask);
}

void CGEBDropEdit::PaintButton() {
    if (!HasButton() || m_rectButtonInWnd.IsRectEmpty())
        return;
    const CRect rect = m_rectButtonInWnd;
    const HDC hWndDC = ::GetWindowDC(GetSafeHwnd());
    if (hWndDC == nullptr)
        return;
    CDC* pWndDC = CDC::FromHandle(hWndDC);
    const HDC hMem = ::CreateCompatibleDC(hWndDC);
    const HBITMAP hBitmap =
        hMem != nullptr ? ::CreateCompatibleBitmap(hWndDC, rect.Width(), rect.Height()) : nullptr;
    if (hMem != nullptr && hBitmap != nullptr) {
        const HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        CDC* pMemDC = CDC::FromHandle(hMem);
        DrawButton(pMemDC, CRect(0, 0, rect.Width(), rect.Height()));
        if (!IsWindowEnabled())
            DrawDisabledImage(pMemDC, 2, 2, rect.Width() - 4, rect.Height() - 4);
        ::BitBlt(hWndDC, rect.left, rect.top, rect.Width(), rect.Height(), hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
    } else {
        DrawButton(pWndDC, rect);
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (hMem != nullptr)
        ::DeleteDC(hMem);
    ::ReleaseDC(GetSafeHwnd(), hWndDC);
}

// ---- messages ----

LRESULT CGEBDropEdit::OnNcCalcSize(WPARAM, LPARAM lParam) {
    auto* pRect = reinterpret_cast<RECT*>(lParam);
    // The proposed window rectangle: the button is kept relative to it, whatever coordinates the
    // platform proposes it in.
    const CPoint origin(pRect->left, pRect->top);
    const LRESULT lResult = Default();
    if (!HasButton())
        return lResult;
    const int cx = ButtonWidth();
    CRect button;
    if ((m_wFlags & flagRight) != 0) {
        pRect->right -= cx;
        button.SetRect(pRect->right, pRect->top, pRect->right + cx, pRect->bottom);
    } else {
        button.SetRect(pRect->left, pRect->top, pRect->left + cx, pRect->bottom);
        pRect->left += cx;
    }
    button.OffsetRect(-origin.x, -origin.y);
    m_rectButtonInWnd = button;
    return lResult;
}

CRect CGEBDropEdit::GetButtonRect() const {
    if (m_rectButtonInWnd.IsRectEmpty() || GetSafeHwnd() == nullptr)
        return CRect(0, 0, 0, 0);
    CRect rectWnd;
    GetWindowRect(&rectWnd);
    if (HWND hParent = ::GetParent(GetSafeHwnd()); hParent != nullptr)
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rectWnd), 2);
    CRect rect = m_rectButtonInWnd;
    rect.OffsetRect(rectWnd.left, rectWnd.top);
    return rect;
}

LRESULT CGEBDropEdit::OnNcPaint(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    PaintButton();
    return lResult;
}

LRESULT CGEBDropEdit::OnNcHitTest(WPARAM, LPARAM lParam) {
    const LRESULT lResult = Default();
    if (lResult != HTNOWHERE)
        return lResult;
    return HitTestButton(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), FALSE) ? HTBORDER : lResult;
}

LRESULT CGEBDropEdit::OnNcLButtonDown(WPARAM, LPARAM lParam) {
    if ((m_wFlags & flagPressed) == 0 && HitTestButton(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), FALSE)) {
        m_wFlags |= flagPressed | flagTracking;
        RedrawButton();
        SetCapture();
        return 0;
    }
    return Default();
}

LRESULT CGEBDropEdit::OnMouseMoveMsg(WPARAM, LPARAM lParam) {
    if ((m_wFlags & flagTracking) == 0)
        return Default();
    const BOOL bOn = HitTestButton(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), TRUE);
    if (bOn != ((m_wFlags & flagPressed) != 0)) {
        m_wFlags = static_cast<WORD>(bOn ? m_wFlags | flagPressed : m_wFlags & ~flagPressed);
        RedrawButton();
    }
    return 0;
}

void CGEBDropEdit::EndTracking() {
    m_wFlags &= static_cast<WORD>(~flagTracking);
    if (::GetCapture() == GetSafeHwnd())
        ::ReleaseCapture();
    if ((m_wFlags & flagPressed) != 0) {
        m_wFlags &= static_cast<WORD>(~flagPressed);
        RedrawButton();
    }
}

LRESULT CGEBDropEdit::OnLButtonUpMsg(WPARAM, LPARAM lParam) {
    if ((m_wFlags & flagTracking) == 0)
        return Default();
    EndTracking();
    if (HitTestButton(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), TRUE))
        OnButtonClicked();
    return 0;
}

LRESULT CGEBDropEdit::OnCancelModeMsg(WPARAM, LPARAM) {
    if ((m_wFlags & flagTracking) != 0)
        EndTracking();
    return Default();
}

LRESULT CGEBDropEdit::OnEnableMsg(WPARAM, LPARAM) {
    InvalidateButton();
    return Default();
}

LRESULT CGEBDropEdit::OnSysColorChangeMsg(WPARAM, LPARAM) {
    GEGetSysDrawInfo()->RefreshColors();
    if (m_nBitmapId != 0) {
        m_bitmap.DeleteObject();
        LoadBitmapWithSysColors(m_bitmap, m_nBitmapId);
    }
    return Default();
}

LRESULT CGEBDropEdit::OnKeyDownMsg(WPARAM wParam, LPARAM) {
    if (wParam == VK_F4) {
        OnButtonClicked();
        return 0;
    }
    return Default();
}

LRESULT CGEBDropEdit::OnSysKeyDownMsg(WPARAM wParam, LPARAM) {
    if (wParam == VK_DOWN) {
        OnButtonClicked();
        return 0;
    }
    return Default();
}
