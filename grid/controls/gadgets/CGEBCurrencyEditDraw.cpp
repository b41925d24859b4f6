// The currency edit's painting: background, the text placed by the alignment, the selection, the decimal
// line; and the caret and text rectangle the painting and the mouse share.
#include "grid/controls/gadgets/CGEBCurrencyEdit.h"

#include "framework/win/CDC.h"

namespace {

// The window's font selected into a DC for a scope.
class FontScope {
public:
    FontScope(HDC hDC, HFONT hFont)
        : m_hDC(hDC), m_hOld(hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr) {}
    ~FontScope() {
        if (m_hOld != nullptr)
            ::SelectObject(m_hDC, m_hOld);
    }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

} // namespace

int CGEBCurrencyEdit::TextWidth(const CString& strText, int nChars) {
    if (nChars <= 0)
        return 0;
    const HWND hWnd = GetSafeHwnd();
    const HDC hDC = ::GetDC(hWnd);
    SIZE size{0, 0};
    {
        FontScope font(hDC, m_hFont);
        ::GetTextExtentPoint32A(hDC, strText, std::min(nChars, strText.GetLength()), &size);
    }
    ::ReleaseDC(hWnd, hDC);
    return size.cx;
}

void CGEBCurrencyEdit::GetTextRect(RECT& rect) {
    RECT client{0, 0, 0, 0};
    if (GetSafeHwnd() != nullptr)
        ::GetClientRect(GetSafeHwnd(), &client);
    client.left += m_nLeftMargin;
    client.right -= m_nRightMargin;
    const CString& strText = m_model.GetText();
    const HDC hDC = ::GetDC(GetSafeHwnd());
    SIZE size{0, 0};
    TEXTMETRICA tm{};
    {
        FontScope font(hDC, m_hFont);
        ::GetTextExtentPoint32A(hDC, strText, strText.GetLength(), &size);
        ::GetTextMetricsA(hDC, &tm);
    }
    ::ReleaseDC(GetSafeHwnd(), hDC);
    const int nBorder = ::GetSystemMetrics(SM_CXBORDER);
    int x = client.left + nBorder;
    switch (GetAlignment()) {
    case 1:
        x = (client.left + client.right) / 2 - size.cx / 2;
        break;
    case 2:
        x = client.right - size.cx - nBorder;
        break;
    default:
        break;
    }
    rect.left = x;
    rect.right = x + size.cx;
    rect.top = ::GetSystemMetrics(SM_CYBORDER);
    rect.bottom = rect.top + std::max(size.cy, static_cast<LONG>(tm.tmHeight));
}

void CGEBCurrencyEdit::ShowCaretAt(int nIndex) {
    if (GetSafeHwnd() == nullptr)
        return;
    TEXTMETRICA tm{};
    const HDC hDC = ::GetDC(GetSafeHwnd());
    {
        FontScope font(hDC, m_hFont);
        ::GetTextMetricsA(hDC, &tm);
    }
    ::ReleaseDC(GetSafeHwnd(), hDC);
    ::CreateCaret(GetSafeHwnd(), nullptr, ::GetSystemMetrics(SM_CXBORDER), tm.tmHeight);
    SetCaret(nIndex == -1 ? m_model.GetCaret() : nIndex, FALSE);
    ::ShowCaret(GetSafeHwnd());
}

void CGEBCurrencyEdit::HideCaretAndSelection() {
    if (m_model.HasSelection()) {
        m_model.ClearSelection();
        InvalidateText();
    }
    ::DestroyCaret();
}

COLORREF CGEBCurrencyEdit::BackgroundColor() const {
    if (!IsWindowEnabled())
        return ::GetSysColor(COLOR_BTNFACE);
    COLORREF clr = 0;
    if (m_model.GetFormat().GetBackgroundColor(clr))
        return clr;
    return ::GetSysColor(IsReadOnly() ? COLOR_BTNFACE : COLOR_WINDOW);
}

COLORREF CGEBCurrencyEdit::TextColor() const {
    if (!IsWindowEnabled())
        return ::GetSysColor(GetExStyle() != 0 ? COLOR_BTNSHADOW : COLOR_GRAYTEXT);
    COLORREF clr = 0;
    const Format& format = m_model.GetFormat();
    if (m_model.GetSignedValue() < 0 ? format.GetNegativeColor(clr) : format.GetPositiveColor(clr))
        return clr;
    return ::GetSysColor(COLOR_WINDOWTEXT);
}

void CGEBCurrencyEdit::FillBackground(CDC* pDC) {
    const HDC hDC = pDC->GetSafeHdc();
    RECT client;
    ::GetClientRect(GetSafeHwnd(), &client);
    const HBRUSH hBrush = ::CreateSolidBrush(BackgroundColor());
    const HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
    ::Rectangle(hDC, client.left - 1, client.top - 1, client.right + 1, client.bottom + 1);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hBrush);
}

void CGEBCurrencyEdit::DrawDecimalLine(CDC* pDC, int x) {
    const HDC hDC = pDC->GetSafeHdc();
    RECT client;
    ::GetClientRect(GetSafeHwnd(), &client);
    const COLORREF clr = IsReadOnly() ? ::GetSysColor(COLOR_BTNSHADOW) : m_model.GetFormat().m_clrDecimalLine;
    const HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
    const HGDIOBJ hOld = ::SelectObject(hDC, hPen);
    ::MoveToEx(hDC, x, client.top, nullptr);
    ::LineTo(hDC, x, client.bottom + 1);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hPen);
}

void CGEBCurrencyEdit::Paint(CDC* pDC) {
    const HDC hDC = pDC->GetSafeHdc();
    FillBackground(pDC);
    FontScope font(hDC, m_hFont);
    ::SetTextColor(hDC, TextColor());
    ::SetBkMode(hDC, TRANSPARENT);
    RECT rect;
    GetTextRect(rect);
    CString strText = m_model.GetText();
    const Format& format = m_model.GetFormat();
    int nLineX = -1;
    if (format.m_bDecimalLine && format.m_cDecimalSep != 0) {
        if (const int nSep = strText.ReverseFind(format.m_cDecimalSep); nSep >= 0) {
            strText.SetAt(nSep, ' ');
            SIZE before{0, 0};
            SIZE blank{0, 0};
            ::GetTextExtentPoint32A(hDC, strText, nSep, &before);
            ::GetTextExtentPoint32A(hDC, " ", 1, &blank);
            nLineX = rect.left + before.cx + blank.cx / 2;
        }
    }
    constexpr UINT kFormat = DT_SINGLELINE | DT_NOPREFIX;
    int nStart = 0;
    int nEnd = 0;
    if (m_model.GetSelection(nStart, nEnd)) {
        RECT left = rect;
        ::DrawTextA(hDC, strText, nStart, &left, kFormat);
        RECT right = rect;
        const CString strAfter = strText.Mid(nEnd);
        ::DrawTextA(hDC, strAfter, -1, &right, kFormat | DT_RIGHT);
        SIZE before{0, 0};
        SIZE selected{0, 0};
        ::GetTextExtentPoint32A(hDC, strText, nStart, &before);
        ::GetTextExtentPoint32A(hDC, static_cast<LPCSTR>(strText) + nStart, nEnd - nStart, &selected);
        RECT middle{rect.left + before.cx, rect.top, rect.left + before.cx + selected.cx, rect.bottom};
        ::SetBkMode(hDC, OPAQUE);
        ::SetTextColor(hDC, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
        ::SetBkColor(hDC, ::GetSysColor(COLOR_HIGHLIGHT));
        ::DrawTextA(hDC, static_cast<LPCSTR>(strText) + nStart, nEnd - nStart, &middle, kFormat);
    } else {
        ::DrawTextA(hDC, strText, -1, &rect, kFormat);
    }
    if (nLineX >= 0)
        DrawDecimalLine(pDC, nLineX);
}

LRESULT CGEBCurrencyEdit::OnPaintMsg(WPARAM, LPARAM) {
    PAINTSTRUCT ps{};
    const HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
    if (m_bDrawEnabled) {
        RECT client;
        ::GetClientRect(GetSafeHwnd(), &client);
        const HDC hMem = ::CreateCompatibleDC(hDC);
        const HBITMAP hBitmap =
            hMem != nullptr ? ::CreateCompatibleBitmap(hDC, client.right, client.bottom) : nullptr;
        CDC dc;
        if (hBitmap != nullptr) {
            const HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
            dc.Attach(hMem);
            Paint(&dc);
            dc.Detach();
            ::BitBlt(hDC, 0, 0, client.right, client.bottom, hMem, 0, 0, SRCCOPY);
            ::SelectObject(hMem, hOld);
            ::DeleteObject(hBitmap);
        } else {
            dc.Attach(hDC);
            Paint(&dc);
            dc.Detach();
        }
        if (hMem != nullptr)
            ::DeleteDC(hMem);
    }
    ::EndPaint(GetSafeHwnd(), &ps);
    return 0;
}
