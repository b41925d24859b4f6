#include "grid/controls/gadgets/CGEBCalculator.h"

#include "framework/win/CDC.h"
#include "grid/GridResource.h"
#include "grid/core/CGESysDrawInfo.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(CGEBCalculator, CWnd)

BEGIN_MESSAGE_MAP(CGEBCalculator, CWnd)
ON_MESSAGE(WM_PAINT, OnPaintMsg)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDownMsg)
ON_MESSAGE(WM_LBUTTONUP, OnLButtonUpMsg)
ON_MESSAGE(WM_MOUSEMOVE, OnMouseMoveMsg)
ON_MESSAGE(WM_CANCELMODE, OnCancelModeMsg)
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMsg)
ON_MESSAGE(WM_CHAR, OnCharMsg)
ON_MESSAGE(WM_NCPAINT, OnNcPaintMsg)
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSizeMsg)
ON_MESSAGE(WM_KEYDOWN, OnKeyDownMsg)
END_MESSAGE_MAP()

namespace {

// Text colours of the two button looks.
constexpr COLORREF kOperatorText = 0x800000;
constexpr COLORREF kDigitText = 0x000080;

// The font a window uses, else the system font, as a LOGFONT.
LOGFONTA BaseLogFont(CWnd* pParentWnd) {
    HFONT hFont = nullptr;
    if (pParentWnd != nullptr && pParentWnd->GetSafeHwnd() != nullptr)
        hFont = reinterpret_cast<HFONT>(pParentWnd->SendMessage(WM_GETFONT));
    if (hFont == nullptr)
        hFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTA lf{};
    ::GetObjectA(hFont, sizeof(lf), &lf);
    return lf;
}

// Measures a text in a font on the screen.
SIZE TextExtent(HFONT hFont, LPCSTR pszText) {
    SIZE size{0, 0};
    const HDC hDC = ::GetDC(nullptr);
    const HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
    ::GetTextExtentPoint32A(hDC, pszText, lstrlenA(pszText), &size);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return size;
}

} // namespace

CGEBCalculator::~CGEBCalculator() {
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

CString& CGEBCalculator::GetDecimalSeparator(CString& strSeparator) {
    char szBuffer[3] = ".";
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, szBuffer, sizeof(szBuffer)) == 0)
        lstrcpyA(szBuffer, ".");
    strSeparator = szBuffer[0] != '\0' ? szBuffer : ".";
    return strSeparator;
}

UINT CGEBCalculator::GetClassStyle() {
    return 0;
}

void CGEBCalculator::Reset() {
    m_engine.Reset((m_dwFlags & flagValuePreset) != 0 && GetSafeHwnd() == nullptr);
    InvalidateDisplay();
}

void CGEBCalculator::SetValue(double dValue) {
    if (GetSafeHwnd() == nullptr)
        m_dwFlags |= flagValuePreset;
    m_engine.SetValue(dValue);
    InvalidateDisplay();
}

CString CGEBCalculator::GetDisplayString() const {
    if (!m_engine.IsError())
        return m_engine.GetShownText();
    CString strError;
    if (!strError.LoadString(GE_IDS_CALC_ERROR))
        strError = "Error ";
    return strError;
}

void CGEBCalculator::InvalidateDisplay() {
    if (GetSafeHwnd() != nullptr)
        ::InvalidateRect(GetSafeHwnd(), &m_rectDisplay, FALSE);
}

// ---- creation and layout ----

BOOL CGEBCalculator::Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pParentWnd, UINT nID,
                            LPVOID lpParam) {
    CSize size;
    PrepareCreate(dwExStyle, dwStyle, pParentWnd, size);
    const BOOL bPopup = (dwStyle & WS_POPUP) != 0;
    return CreateAt(dwExStyle, dwStyle, CRect(CPoint(x, y), size), pParentWnd, bPopup ? 0 : nID, lpParam);
}

void CGEBCalculator::PrepareCreate(DWORD& dwExStyle, DWORD& dwStyle, CWnd* pParentWnd, CSize& windowSize) {
    if (!m_bSeparatorRead) {
        CString strSeparator;
        m_engine.SetDecimalSeparator(GetDecimalSeparator(strSeparator));
        m_bSeparatorRead = TRUE;
    }
    GEGetSysDrawInfo()->RefreshColors();
    Reset();
    if ((dwStyle & styleOwnBorder) != 0) {
        dwStyle &= ~WS_BORDER;
        dwExStyle &= ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
    }
    m_dwCalcStyle = dwStyle;
    if (m_buttons.empty())
        CreateButtons(pParentWnd);
    if (m_fontDisplay.GetSafeHandle() == nullptr)
        CreateFonts(pParentWnd);
    windowSize = WindowSizeFor(Layout(), dwStyle, dwExStyle);
    // A value given before the window existed is shown with the digits the display now holds.
    if ((m_dwFlags & flagValuePreset) != 0)
        m_engine.FormatValue(m_engine.GetValue());
}

BOOL CGEBCalculator::CreateAt(DWORD dwExStyle, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID,
                              LPVOID lpParam) {
    LPCSTR pszClass = AfxRegisterWndClass(GetClassStyle(), ::LoadCursorA(nullptr, IDC_ARROW));
    const HWND hParent = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!CreateEx(dwExStyle, pszClass, "", dwStyle, rect.left, rect.top, rect.Width(), rect.Height(), hParent,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam))
        return FALSE;
    m_dwFlags &= ~flagValuePreset;
    return TRUE;
}

CSize CGEBCalculator::WindowSizeFor(const CSize& client, DWORD dwStyle, DWORD dwExStyle) {
    RECT rect{0, 0, client.cx, client.cy};
    ::AdjustWindowRectEx(&rect, dwStyle, FALSE, dwExStyle);
    CSize size(rect.right - rect.left, rect.bottom - rect.top);
    if ((dwStyle & styleOwnBorder) != 0) {
        size.cx += 4;
        size.cy += 4;
    }
    return size;
}

void CGEBCalculator::ComputeButtonSize(CWnd*) {
    int nAverage = 0;
    int nHeight = 0;
    if (m_fontButton.GetSafeHandle() != nullptr) {
        const HFONT hFont = static_cast<HFONT>(m_fontButton.GetSafeHandle());
        const SIZE alphabet = TextExtent(hFont, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        nAverage = (alphabet.cx + 26) / 52;
        const HDC hDC = ::GetDC(nullptr);
        const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        TEXTMETRICA tm{};
        ::GetTextMetricsA(hDC, &tm);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(nullptr, hDC);
        nHeight = tm.tmHeight + tm.tmExternalLeading;
    } else {
        const LONG units = ::GetDialogBaseUnits();
        nAverage = LOWORD(units);
        nHeight = HIWORD(units);
    }
    m_sizeButton = CSize(::MulDiv(16, nAverage, 4), ::MulDiv(14, nHeight, 8));
}

void CGEBCalculator::LoadEnterBitmap() {
    m_bitmapEnter.DeleteObject();
    LoadBitmapWithSysColors(m_bitmapEnter, GE_IDB_CALC_ENTER);
    m_hEnterBitmap = static_cast<HBITMAP>(m_bitmapEnter.GetSafeHandle());
}

void CGEBCalculator::CreateButtons(CWnd* pParentWnd) {
    m_nTopMargin = 1;
    m_nLeftMargin = 4;
    m_nVertGap = 1;
    m_nHorzGap = 0;
    LOGFONTA lf = BaseLogFont(pParentWnd);
    lf.lfWeight = FW_BOLD;
    m_fontButton.DeleteObject();
    m_fontButton.CreateFontIndirect(&lf);
    ComputeButtonSize(pParentWnd);
    LoadEnterBitmap();

    const HFONT hFont = static_cast<HFONT>(m_fontButton.GetSafeHandle());
    const CGEBCalcBtn::Look opLook{hFont, nullptr, kOperatorText, 0};
    const CGEBCalcBtn::Look digitLook{hFont, nullptr, kDigitText, 0};
    const CGEBCalcBtn::Look enterLook{hFont, &m_hEnterBitmap, 0, 0};
    m_buttons.clear();
    auto add = [this](const CGEBCalcBtn::Look& look, UINT nCommand, LPCSTR pszCaption, LPCSTR pszKeys,
                      int nSpan, BOOL bNewRow) -> CGEBCalcBtn& {
        auto pButton = std::make_unique<CGEBCalcBtn>();
        pButton->Init(look, nCommand, pszCaption, pszKeys, nSpan, bNewRow);
        m_buttons.push_back(std::move(pButton));
        return *m_buttons.back();
    };
    using E = CGEBCalcEngine;
    add(opLook, E::cmdClear, "C", "c", 1, TRUE);
    add(opLook, E::cmdClearEntry, "CE", "e", 1, FALSE);
    add(opLook, E::cmdBackspace, "<-", "\b", 1, FALSE).SetVirtKey(VK_DELETE);
    add(opLook, E::cmdPercent, "%", "%", 1, FALSE);
    // Rows of three digits, each followed by its operator.
    const struct {
        int nFirst;
        UINT nOperator;
        LPCSTR pszOperator;
    } rows[] = {{7, E::cmdDivide, "/"}, {4, E::cmdMultiply, "*"}, {1, E::cmdSubtract, "-"}};
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i) {
            const char szDigit[2] = {static_cast<char>('0' + row.nFirst + i), '\0'};
            add(digitLook, E::cmdDigit0 + row.nFirst + i, szDigit, szDigit, 1, i == 0);
        }
        add(opLook, row.nOperator, row.pszOperator, row.pszOperator, 1, FALSE);
    }
    add(digitLook, E::cmdDigit0, "0", "0", 2, TRUE);
    const CString& strSeparator = m_engine.GetDecimalSeparator();
    add(digitLook, E::cmdDecimal, strSeparator, strSeparator, 1, FALSE);
    add(opLook, E::cmdAdd, "+", "+", 1, FALSE);
    CString strEnter;
    if (!strEnter.LoadString(GE_IDS_CALC_ENTER))
        strEnter = "Enter";
    add(enterLook, E::cmdEquals, strEnter, "=", 4, TRUE).SetVirtKey(VK_RETURN);
}

void CGEBCalculator::CreateFonts(CWnd* pParentWnd) {
    LOGFONTA lf = BaseLogFont(pParentWnd);
    lf.lfWeight = FW_NORMAL;
    m_fontDisplay.DeleteObject();
    m_fontDisplay.CreateFontIndirect(&lf);
    const HDC hDC = ::GetDC(nullptr);
    const HGDIOBJ hOld = ::SelectObject(hDC, m_fontDisplay.GetSafeHandle());
    RECT rect{0, 0, 0, 0};
    ::DrawTextA(hDC, "T", 1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    m_nDisplayHeight = (rect.bottom - rect.top) + 4;
}

CSize CGEBCalculator::Layout() {
    const int nTop = (m_dwCalcStyle & styleEtchedLine) != 0 ? 2 * m_nTopMargin + 6 : m_nTopMargin;
    m_rectDisplay = CRect(m_nLeftMargin, nTop, m_nLeftMargin, nTop + m_nDisplayHeight);
    int x = m_nLeftMargin;
    int y = nTop + m_nDisplayHeight + m_nVertGap;
    int nMaxRight = m_rectDisplay.right;
    int nMaxBottom = m_rectDisplay.bottom;
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CGEBCalcBtn& button = *m_buttons[i];
        if (i > 0 && (button.GetState() & CGEBCalcBtn::stateNewRow) != 0) {
            x = m_nLeftMargin;
            y += m_nVertGap + m_sizeButton.cy;
        } else if (i > 0) {
            x += m_nHorzGap;
        }
        const CRect rect(x, y, x + button.GetSpan() * m_sizeButton.cx, y + m_sizeButton.cy);
        button.SetRect(rect);
        x = rect.right;
        nMaxRight = std::max(nMaxRight, static_cast<int>(rect.right));
        nMaxBottom = std::max(nMaxBottom, static_cast<int>(rect.bottom));
    }
    m_rectDisplay.right = nMaxRight;
    ComputeDigitCapacity();
    return CSize(nMaxRight + m_nLeftMargin, nMaxBottom + m_nTopMargin);
}

CSize CGEBCalculator::CalcClientSize() {
    if (m_buttons.empty())
        CreateButtons(GetParent());
    if (m_fontDisplay.GetSafeHandle() == nullptr)
        CreateFonts(GetParent());
    return Layout();
}

void CGEBCalculator::ComputeDigitCapacity() {
    const HFONT hFont = static_cast<HFONT>(m_fontDisplay.GetSafeHandle());
    const SIZE zero = TextExtent(hFont, "0");
    const SIZE separator = TextExtent(hFont, m_engine.GetDecimalSeparator());
    if (zero.cx <= 0)
        return;
    m_engine.SetDigitCapacity((m_rectDisplay.Width() - 4 - separator.cx) / zero.cx - 1);
}

// ---- commands ----

BOOL CGEBCalculator::HandleEvent(UINT nCommand) {
    BOOL bRefused = FALSE;
    const BOOL bDone = m_engine.HandleEvent(nCommand, bRefused);
    if (bRefused)
        ::MessageBeep(0xFFFFFFFF);
    InvalidateDisplay();
    return bDone;
}

int CGEBCalculator::FindButtonByChar(LPCSTR pszChar) const {
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->HasKey(pszChar))
            return static_cast<int>(i);
    }
    return -1;
}

int CGEBCalculator::FindButtonByVirtKey(UINT nKey) const {
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->IsVirtKey(nKey))
            return static_cast<int>(i);
    }
    return -1;
}

int CGEBCalculator::ButtonFromPoint(CPoint point) const {
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->GetRect().PtInRect(point))
            return static_cast<int>(i);
    }
    return -1;
}

void CGEBCalculator::SetButtonPressed(int nIndex, BOOL bPressed) {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_buttons.size()))
        return;
    CGEBCalcBtn& button = *m_buttons[static_cast<size_t>(nIndex)];
    const UINT nOld = button.GetState();
    const UINT nNew = bPressed ? (nOld | CGEBCalcBtn::statePressed) : (nOld & ~CGEBCalcBtn::statePressed);
    if (nNew == nOld)
        return;
    button.SetState(nNew);
    if (GetSafeHwnd() != nullptr)
        ::InvalidateRect(GetSafeHwnd(), &button.GetRect(), FALSE);
}

void CGEBCalculator::PressButton(int nIndex) {
    const HWND hWnd = GetSafeHwnd();
    SetButtonPressed(nIndex, TRUE);
    ::UpdateWindow(hWnd);
    HandleEvent(m_buttons[static_cast<size_t>(nIndex)]->GetCommand());
    SetButtonPressed(nIndex, FALSE);
    ::UpdateWindow(hWnd);
}
