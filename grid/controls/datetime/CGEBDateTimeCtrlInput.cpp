// The date-time editor's window side: layout and scrolling of the gadgets, focus between fields, keys,
// mouse, painting and the pop-up calendar.
#include "grid/controls/datetime/CGEBDateTimeCtrl.h"

#include "framework/win/CBitmap.h"
#include "framework/win/CClientDC.h"
#include "framework/win/CPaintDC.h"
#include "framework/win/CRgn.h"
#include "framework/win/CWindowDC.h"
#include "grid/controls/datetime/CGEBDTStaticGadget.h"
#include "grid/controls/gadgets/CGEBPopupCalendar.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGESysDrawInfo.h"

BEGIN_MESSAGE_MAP(CGEBDateTimeCtrl, CWnd)
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_LBUTTONDOWN()
ON_WM_CHAR()
ON_WM_SIZE()
ON_WM_ENABLE()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SYSCOLORCHANGE()
ON_WM_CANCELMODE()
ON_WM_SETTINGCHANGE()
ON_WM_SYSKEYDOWN()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_WM_DESTROY()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(GEB_CALN_ACCEPT, OnCalendarAccept)
ON_MESSAGE(GEB_CALN_CANCEL, OnCalendarCancel)
END_MESSAGE_MAP()

void CGEBDateTimeCtrl::LayoutGadgets() {
    m_nDockedWidth = 0;
    if (GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    {
        CClientDC dc(this);
        HGDIOBJ hOld = m_hFont != nullptr ? ::SelectObject(dc.GetSafeHdc(), m_hFont) : nullptr;
        for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i)
            m_gadgets.GetGadget(i)->CalcSize(&dc);
        if (hOld != nullptr)
            ::SelectObject(dc.GetSafeHdc(), hOld);
    }
    int x = 1;
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i) {
        CGEBDTGadget* pGadget = m_gadgets.GetGadget(i);
        RECT rect = *pGadget->GetRect();
        const int cx = rect.right - rect.left;
        int cy = rect.bottom - rect.top;
        if (rect.bottom == -1)
            cy = client.Height();
        const int y = rect.bottom == -1 ? 0 : 1;
        if ((pGadget->GetStyle() & GEB_DTG_DOCKED) != 0) {
            const int nRight = client.right - m_nDockedWidth;
            pGadget->SetRect(RECT{nRight - cx, y, nRight, y + cy});
            m_nDockedWidth += cx;
        } else {
            pGadget->SetRect(RECT{x, y, x + cx, y + cy});
            x += cx;
        }
    }
}

void CGEBDateTimeCtrl::InvalidateGadget(CGEBDTGadget* pGadget, BOOL bUpdateNow) {
    if (GetSafeHwnd() == nullptr || pGadget == nullptr)
        return;
    RECT rect = *pGadget->GetRect();
    if ((pGadget->GetStyle() & GEB_DTG_DOCKED) == 0)
        ::OffsetRect(&rect, -m_nScrollOffset, 0);
    InvalidateRect(&rect, TRUE);
    if (bUpdateNow)
        UpdateWindow();
}

void CGEBDateTimeCtrl::SetCaptureGadget(CGEBDTGadget* pGadget, BOOL bCapture) {
    if (bCapture) {
        if (GetSafeHwnd() != nullptr)
            SetCapture();
        m_pCaptureGadget = pGadget;
    } else {
        m_pCaptureGadget = nullptr;
        if (GetSafeHwnd() != nullptr && CWnd::GetCapture() == this)
            ReleaseCapture();
    }
}

void CGEBDateTimeCtrl::CancelCapture() {
    if (m_pCaptureGadget != nullptr)
        m_pCaptureGadget->OnCancelMode();
    m_pCaptureGadget = nullptr;
}

int CGEBDateTimeCtrl::FirstFocusableField() const {
    for (INT_PTR i = m_nDockedCount; i < m_gadgets.GetSize(); ++i)
        if ((m_gadgets.GetGadget(i)->GetStyle() & GEB_DTG_FOCUSABLE) != 0)
            return static_cast<int>(i);
    return -1;
}

int CGEBDateTimeCtrl::LastFocusableField() const {
    for (INT_PTR i = m_gadgets.GetSize() - 1; i >= m_nDockedCount; --i)
        if ((m_gadgets.GetGadget(i)->GetStyle() & GEB_DTG_FOCUSABLE) != 0)
            return static_cast<int>(i);
    return -1;
}

void CGEBDateTimeCtrl::FocusField(int nIndex) {
    CGEBDTGadget* pNew = GetGadget(nIndex);
    if (pNew == nullptr)
        return;
    if (CGEBDTGadget* pOld = GetFocusedGadget(); pOld != nullptr && pOld != pNew)
        pOld->SetFocus(FALSE);
    m_nFocusedField = nIndex;
    pNew->SetFocus(TRUE);
    MakeGadgetVisible(nIndex);
}

BOOL CGEBDateTimeCtrl::NextField() {
    for (INT_PTR i = m_nFocusedField + 1; i < m_gadgets.GetSize(); ++i)
        if ((m_gadgets.GetGadget(i)->GetStyle() & GEB_DTG_FOCUSABLE) != 0) {
            FocusField(static_cast<int>(i));
            return TRUE;
        }
    return FALSE;
}

BOOL CGEBDateTimeCtrl::PrevField() {
    for (INT_PTR i = m_nFocusedField - 1; i >= m_nDockedCount; --i)
        if ((m_gadgets.GetGadget(i)->GetStyle() & GEB_DTG_FOCUSABLE) != 0) {
            FocusField(static_cast<int>(i));
            return TRUE;
        }
    return FALSE;
}

BOOL CGEBDateTimeCtrl::IsLastField() const {
    const int nLast = LastFocusableField();
    return nLast < 0 || m_nFocusedField >= nLast;
}

BOOL CGEBDateTimeCtrl::IsFirstField() const {
    const int nFirst = FirstFocusableField();
    return nFirst < 0 || m_nFocusedField <= nFirst;
}

void CGEBDateTimeCtrl::MakeGadgetVisible(int nIndex) {
    CGEBDTGadget* pGadget = GetGadget(nIndex);
    if (pGadget == nullptr || GetSafeHwnd() == nullptr || (pGadget->GetStyle() & GEB_DTG_DOCKED) != 0)
        return;
    CRect client;
    GetClientRect(&client);
    const int nLeft = m_nScrollOffset + 1;
    const int nRight = m_nScrollOffset + client.right - 1 - m_nDockedWidth;
    const RECT& rect = *pGadget->GetRect();
    if (rect.left >= nLeft && rect.right <= nRight)
        return;
    if (rect.left < nLeft)
        m_nScrollOffset = rect.left - 1;
    else if (rect.right - rect.left > nRight - nLeft)
        m_nScrollOffset = rect.left - 1;
    else
        m_nScrollOffset += rect.right - nRight;
    if (m_nScrollOffset < 0)
        m_nScrollOffset = 0;
    Invalidate(FALSE);
}

CGEBDTGadget* CGEBDateTimeCtrl::GadgetFromPoint(int x, int y) {
    const DWORD dwActive = GEB_DTG_FOCUSABLE | GEB_DTG_MOUSE;
    for (INT_PTR i = 0; i < m_nDockedCount; ++i) {
        CGEBDTGadget* pGadget = m_gadgets.GetGadget(i);
        const RECT& rect = *pGadget->GetRect();
        if ((pGadget->GetStyle() & dwActive) != 0 && x >= rect.left && x < rect.right && y >= rect.top &&
            y < rect.bottom)
            return pGadget;
    }
    const int xLogical = x + m_nScrollOffset;
    for (INT_PTR i = m_nDockedCount; i < m_gadgets.GetSize(); ++i) {
        CGEBDTGadget* pGadget = m_gadgets.GetGadget(i);
        if ((pGadget->GetStyle() & dwActive) != 0 && pGadget->GetRect()->right >= xLogical)
            return pGadget;
    }
    for (INT_PTR i = m_gadgets.GetSize() - 1; i >= m_nDockedCount; --i)
        if ((m_gadgets.GetGadget(i)->GetStyle() & dwActive) != 0)
            return m_gadgets.GetGadget(i);
    return nullptr;
}

UINT CGEBDateTimeCtrl::OnGetDlgCode() {
    return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CGEBDateTimeCtrl::OnKeyDown(UINT nChar, UINT, UINT) {
    if (m_gadgets.GetSize() <= m_nDockedCount) {
        Default();
        return;
    }
    switch (nChar) {
    case VK_LEFT:
        PrevField();
        return;
    case VK_RIGHT:
        NextField();
        return;
    case VK_TAB:
        IsKeyDown(VK_SHIFT) ? PrevField() : NextField();
        return;
    case VK_F4:
        if ((GetStyle() & GEB_DTS_DROPDOWN) != 0)
            DropDownCalendar();
        return;
    default:
        if (CGEBDTGadget* pGadget = GetFocusedGadget(); pGadget != nullptr)
            pGadget->OnKeyDown(nChar);
        return;
    }
}

void CGEBDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT, UINT) {
    if (nChar == VK_DOWN) {
        if ((GetStyle() & GEB_DTS_DROPDOWN) != 0)
            DropDownCalendar();
        return;
    }
    Default();
}

void CGEBDateTimeCtrl::OnChar(UINT nChar, UINT, UINT) {
    if (nChar == '\t')
        return;
    // Typing the separator that follows the field skips to the next field.
    if (auto* pNext = dynamic_cast<CGEBDTStaticGadget*>(GetGadget(m_nFocusedField + 1)); pNext != nullptr) {
        CString strTrimmed = pNext->GetText();
        strTrimmed.TrimLeft().TrimRight();
        const bool bBlank = strTrimmed.IsEmpty() && nChar == ' ';
        const bool bSeparator =
            pNext->GetText().GetLength() == 1 && static_cast<BYTE>(pNext->GetText()[0]) == nChar;
        if (bBlank || bSeparator) {
            CGEBDTGadget* pFocused = GetFocusedGadget();
            if (pFocused != nullptr)
                pFocused->OnCancelMode(); // a typing in progress is committed first
            NextField();
            return;
        }
    }
    if (CGEBDTGadget* pGadget = GetFocusedGadget(); pGadget != nullptr)
        pGadget->OnChar(nChar);
}

void CGEBDateTimeCtrl::OnSetFocus(CWnd*) {
    Default();
    if (!IsKeyDown(VK_TAB)) {
        if (CGEBDTGadget* pGadget = GetFocusedGadget(); pGadget != nullptr)
            pGadget->SetFocus(TRUE);
        return;
    }
    if (CGEBDTGadget* pGadget = GetFocusedGadget(); pGadget != nullptr)
        pGadget->SetFocus(FALSE);
    const int nField = IsKeyDown(VK_SHIFT) ? LastFocusableField() : FirstFocusableField();
    if (nField >= 0)
        FocusField(nField);
}

void CGEBDateTimeCtrl::OnKillFocus(CWnd*) {
    Default();
    if (CGEBDTGadget* pGadget = GetFocusedGadget(); pGadget != nullptr)
        pGadget->SetFocus(FALSE);
}

void CGEBDateTimeCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    CGEBDTGadget* pGadget = GadgetFromPoint(point.x, point.y);
    if (pGadget == nullptr)
        return;
    int nIndex = -1;
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i)
        if (m_gadgets.GetGadget(i) == pGadget)
            nIndex = static_cast<int>(i);
    const bool bFocusable = (pGadget->GetStyle() & GEB_DTG_FOCUSABLE) != 0;
    if (CWnd::GetFocus() != this) {
        if (bFocusable) {
            if (CGEBDTGadget* pOld = GetFocusedGadget(); pOld != nullptr && pOld != pGadget)
                pOld->SetFocus(FALSE);
            m_nFocusedField = nIndex;
            MakeGadgetVisible(nIndex);
        }
        SetFocus();
    } else if (bFocusable && nIndex != m_nFocusedField) {
        FocusField(nIndex);
    }
    if ((pGadget->GetStyle() & GEB_DTG_MOUSE) != 0) {
        const int x = (pGadget->GetStyle() & GEB_DTG_DOCKED) != 0 ? point.x : point.x + m_nScrollOffset;
        pGadget->OnLButtonDown(nFlags, x, point.y);
    }
}

void CGEBDateTimeCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_pCaptureGadget == nullptr) {
        Default();
        return;
    }
    const int x = (m_pCaptureGadget->GetStyle() & GEB_DTG_DOCKED) != 0 ? point.x : point.x + m_nScrollOffset;
    m_pCaptureGadget->OnLButtonUp(nFlags, x, point.y);
}

void CGEBDateTimeCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_pCaptureGadget == nullptr) {
        Default();
        return;
    }
    const int x = (m_pCaptureGadget->GetStyle() & GEB_DTG_DOCKED) != 0 ? point.x : point.x + m_nScrollOffset;
    m_pCaptureGadget->OnMouseMove(nFlags, x, point.y);
}

void CGEBDateTimeCtrl::OnCancelMode() {
    if (m_pCaptureGadget == nullptr) {
        Default();
        return;
    }
    m_pCaptureGadget->OnCancelMode();
}

void CGEBDateTimeCtrl::OnPaint() {
    CPaintDC dc(this);
    m_clrBackground =
        IsWindowEnabled() ? GEGetSysDrawInfo()->m_clrWindow : ::GetSysColor(m_nDisabledColorIndex);
    CRect client;
    GetClientRect(&client);
    RECT clip{};
    dc.GetClipBox(&clip);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height())) {
        DrawGadgets(&dc);
        return;
    }
    CBitmap* pOld = memory.SelectObject(&bitmap);
    CRgn region;
    region.CreateRectRgnIndirect(&clip);
    memory.SelectClipRgn(&region);
    memory.BitBlt(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, &dc, clip.left,
                  clip.top, SRCCOPY);
    DrawGadgets(&memory);
    dc.BitBlt(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, &memory, clip.left,
              clip.top, SRCCOPY);
    memory.SelectObject(pOld);
}

void CGEBDateTimeCtrl::DrawGadgets(CDC* pDC) {
    HGDIOBJ hOldFont = m_hFont != nullptr ? ::SelectObject(pDC->GetSafeHdc(), m_hFont) : nullptr;
    const int nSaved = pDC->SaveDC();
    for (INT_PTR i = 0; i < m_nDockedCount; ++i) {
        CGEBDTGadget* pGadget = m_gadgets.GetGadget(i);
        RECT rect = *pGadget->GetRect();
        if (!pDC->RectVisible(&rect))
            continue;
        pGadget->Draw(pDC);
        pDC->ExcludeClipRect(&rect);
    }
    POINT oldOrigin{};
    ::SetViewportOrgEx(pDC->GetSafeHdc(), -m_nScrollOffset, 0, &oldOrigin);
    for (INT_PTR i = m_nDockedCount; i < m_gadgets.GetSize(); ++i) {
        CGEBDTGadget* pGadget = m_gadgets.GetGadget(i);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetBkColor(m_clrTextBackground);
        pDC->SetTextColor(m_clrText);
        if (pDC->RectVisible(pGadget->GetRect()))
            pGadget->Draw(pDC);
    }
    ::SetViewportOrgEx(pDC->GetSafeHdc(), 0, 0, nullptr);
    pDC->RestoreDC(nSaved);
    if (hOldFont != nullptr)
        ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}

void CGEBDateTimeCtrl::OnSize(UINT, int, int) {
    LayoutGadgets();
    Invalidate();
}

void CGEBDateTimeCtrl::OnEnable(BOOL) {
    Invalidate();
}

LRESULT CGEBDateTimeCtrl::OnSetFont(WPARAM wParam, LPARAM) {
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (m_hFont == nullptr)
        m_hFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LayoutGadgets();
    Invalidate();
    return 0;
}

LRESULT CGEBDateTimeCtrl::OnGetFont(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hFont);
}

void CGEBDateTimeCtrl::OnSysColorChange() {
    GEGetSysDrawInfo()->RefreshColors();
    for (INT_PTR i = 0; i < m_gadgets.GetSize(); ++i)
        m_gadgets.GetGadget(i)->OnSysColorChange();
    Default();
}

void CGEBDateTimeCtrl::OnSettingChange(UINT, LPCSTR) {
    ParseFormat();
}

void CGEBDateTimeCtrl::OnDestroy() {
    CancelCapture();
    DestroyPopup();
    Default();
}

void CGEBDateTimeCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    Default();
    if (!GEGetSysDrawInfo()->m_bWin4 && (GetExStyle() & WS_EX_CLIENTEDGE) != 0 && bCalcValidRects)
        ::InflateRect(&lpncsp->rgrc[0], -2, -2);
}

void CGEBDateTimeCtrl::OnNcPaint() {
    if (GEGetSysDrawInfo()->m_bWin4 || (GetExStyle() & WS_EX_CLIENTEDGE) == 0) {
        Default();
        return;
    }
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(&window);
    dc.Draw3dRect(0, 0, window.Width(), window.Height(), pInfo->m_clrBtnShadow, pInfo->m_clrBtnHilite);
    dc.Draw3dRect(1, 1, window.Width() - 2, window.Height() - 2, pInfo->m_clrWindowFrame,
                  pInfo->m_clrBtnFace);
}

BOOL CGEBDateTimeCtrl::DropDownCalendar() {
    if (CGEBDTGadget* pGadget = GetFocusedGadget(); pGadget != nullptr)
        pGadget->OnCancelMode();
    CGELibraryState* pState = GEGetLibraryState();
    const BOOL bOldFlag = pState->m_bPopupCreating;
    pState->m_bPopupCreating = TRUE;
    DestroyPopup();
    CreatePopupCalendar();
    if (m_pPopup != nullptr) {
        CGEBPopupCalendar& popup = *m_pPopup;
        popup.SetDeactivateMode(2);
        popup.SetCalendarFlags(popup.GetCalendarFlags() | 0x1000200);
        popup.SetOtherMonthFlags(popup.GetOtherMonthFlags() | 0x102);
        popup.SetDisplayedDate(m_value, FALSE);
        popup.SelectDay(m_value, TRUE);
        CRect anchor;
        GetWindowRect(&anchor);
        if (!popup.CreatePopup(WS_POPUP | WS_VISIBLE | WS_THICKFRAME | 0x1, anchor, this, 0))
            DestroyPopup();
    }
    pState->m_bPopupCreating = bOldFlag;
    return TRUE;
}

LRESULT CGEBDateTimeCtrl::OnCalendarAccept(WPARAM, LPARAM) {
    if (m_pPopup != nullptr) {
        const COleDateTime chosen = m_pPopup->GetFocusDate();
        Fields day;
        Fields time;
        if (SplitDate(chosen, day) && SplitDate(m_value, time)) {
            const COleDateTime date(day.year, day.month, day.day, time.hour, time.minute, time.second);
            if (date.GetStatus() == COleDateTime::valid && IsInRange(date) && OnChanging(date)) {
                m_dwChangeFlags |= GEB_DTC_CHANGED;
                ApplyValue(date);
                OnChanged();
            }
        }
    }
    DestroyPopup();
    return 0;
}

LRESULT CGEBDateTimeCtrl::OnCalendarCancel(WPARAM, LPARAM) {
    DestroyPopup();
    return 0;
}
