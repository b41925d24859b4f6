// The calculator's painting: off-screen when it can, the display line with its frames, the buttons, and
// the optional border and etched line of its own.
#include "grid/controls/gadgets/CGEBCalculator.h"

#include "framework/win/CDC.h"
#include "grid/core/CGESysDrawInfo.h"

void CGEBCalculator::Draw(CDC* pDC) {
    const HDC hDC = pDC->GetSafeHdc();
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, pInfo->m_clrBtnFace);
    if ((m_dwCalcStyle & styleEtchedLine) != 0) {
        CRect line(client.left + 1, m_nTopMargin + 2, client.right - 1, m_nTopMargin + 4);
        CGEBCalcBtn::DrawFrame(pDC, line, pInfo->m_clrBtnShadow, pInfo->m_clrBtnHilite);
    }
    if (::RectVisible(hDC, &m_rectDisplay))
        DrawDisplay(pDC);
    for (const auto& pButton : m_buttons) {
        if (::RectVisible(hDC, &pButton->GetRect()))
            pButton->Draw(pDC);
    }
}

void CGEBCalculator::DrawDisplay(CDC* pDC) {
    const HDC hDC = pDC->GetSafeHdc();
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    CRect rect = m_rectDisplay;
    CGEBCalcBtn::DrawFrame(pDC, rect, pInfo->m_clrBtnShadow, pInfo->m_clrBtnHilite);
    CGEBCalcBtn::DrawFrame(pDC, rect, pInfo->m_clrWindowFrame, pInfo->m_clrBtnFace);
    pDC->FillSolidRect(&rect, pInfo->m_clrBtnFace);
    rect.DeflateRect(2, 0);
    const HGDIOBJ hOld = ::SelectObject(hDC, m_fontDisplay.GetSafeHandle());
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, pInfo->m_clrWindowText);
    const CString strText = GetDisplayString();
    ::DrawTextA(hDC, strText, -1, &rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(hDC, hOld);
}

LRESULT CGEBCalculator::OnPaintMsg(WPARAM, LPARAM) {
    PAINTSTRUCT ps{};
    const HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
    CRect client;
    GetClientRect(&client);
    const HDC hMem = ::CreateCompatibleDC(hDC);
    const HBITMAP hBitmap =
        hMem != nullptr ? ::CreateCompatibleBitmap(hDC, client.Width(), client.Height()) : nullptr;
    CDC dc;
    if (hMem != nullptr && hBitmap != nullptr) {
        const HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        ::IntersectClipRect(hMem, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
        dc.Attach(hMem);
        Draw(&dc);
        dc.Detach();
        ::BitBlt(hDC, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                 ps.rcPaint.bottom - ps.rcPaint.top, hMem, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        ::SelectObject(hMem, hOld);
    } else {
        dc.Attach(hDC);
        Draw(&dc);
        dc.Detach();
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (hMem != nullptr)
        ::DeleteDC(hMem);
    ::EndPaint(GetSafeHwnd(), &ps);
    return 0;
}

LRESULT CGEBCalculator::OnSysColorChangeMsg(WPARAM, LPARAM) {
    GEGetSysDrawInfo()->RefreshColors();
    LoadEnterBitmap();
    ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
    return Default();
}

LRESULT CGEBCalculator::OnNcCalcSizeMsg(WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = Default();
    if ((m_dwCalcStyle & styleOwnBorder) == 0)
        return lResult;
    RECT* pRect = wParam != 0 ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                              : reinterpret_cast<RECT*>(lParam);
    ::InflateRect(pRect, -2, -2);
    return lResult;
}

LRESULT CGEBCalculator::OnNcPaintMsg(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    if ((m_dwCalcStyle & styleOwnBorder) == 0)
        return lResult;
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const HDC hDC = ::GetWindowDC(GetSafeHwnd());
    CRect window;
    ::GetWindowRect(GetSafeHwnd(), &window);
    CRect rect(0, 0, window.Width(), window.Height());
    CDC dc;
    dc.Attach(hDC);
    CGEBCalcBtn::DrawFrame(&dc, rect, pInfo->m_clr3dLight, pInfo->m_clr3dDkShadow);
    CGEBCalcBtn::DrawFrame(&dc, rect, pInfo->m_clrBtnHilite, pInfo->m_clrBtnShadow);
    dc.Detach();
    ::ReleaseDC(GetSafeHwnd(), hDC);
    return lResult;
}
