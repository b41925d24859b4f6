// The calendar window: creation, layout, fonts, painting and flags.
#include "grid/controls/gadgets/CGEBCalendar.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CPaintDC.h"
#include "grid/controls/gadgets/GECalendarDates.h"
#include "grid/core/CGESysDrawInfo.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CGEBCalendar, CWnd)

BEGIN_MESSAGE_MAP(CGEBCalendar, CWnd)
ON_WM_PAINT()
ON_WM_NCHITTEST()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_CANCELMODE()
ON_WM_RBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_SYSCOLORCHANGE()
ON_COMMAND(GEB_ID_NEXT_MONTH, OnNextMonthButton)
ON_COMMAND(GEB_ID_PREV_YEAR, OnPrevYearButton)
ON_COMMAND(GEB_ID_NEXT_YEAR, OnNextYearButton)
ON_COMMAND(GEB_ID_PREV_MONTH, OnPrevMonthButton)
ON_MESSAGE(GEB_CALN_ACCEPT, OnAccept)
ON_MESSAGE(GEB_CALN_CANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

LOGFONTA SystemLogFont() {
    LOGFONTA logFont{};
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof logFont, &logFont);
    return logFont;
}

LOGFONTA ArialLogFont(BYTE nOutPrecision, BYTE nPitch) {
    const LOGFONTA system = SystemLogFont();
    LOGFONTA logFont{};
    logFont.lfHeight = system.lfHeight;
    logFont.lfWidth = system.lfWidth;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = nOutPrecision;
    logFont.lfQuality = DRAFT_QUALITY;
    logFont.lfPitchAndFamily = nPitch;
    lstrcpynA(logFont.lfFaceName, "Arial", LF_FACESIZE);
    return logFont;
}

} // namespace

CGEBCalendar::CGEBCalendar() : m_dtDisplayed(1970, 1, 1, 12, 0, 0) {
    m_lfTitle = m_lfDayBar = m_lfDayBox = SystemLogFont();
}

CGEBCalendar::~CGEBCalendar() {
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

UINT CGEBCalendar::GetClassStyle() {
    return CS_DBLCLKS;
}

void CGEBCalendar::LoadSysColors() {
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrGrayText = ::GetSysColor(COLOR_GRAYTEXT);
}

void CGEBCalendar::Beep() {
    ::MessageBeep(MB_ICONEXCLAMATION);
}

BOOL CGEBCalendar::IsKeyDown(int nVirtKey) const {
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

int CGEBCalendar::ColumnBoundary(int cx, int n) {
    static constexpr double kColumns[8] = {0, 0.143, 0.286, 0.429, 0.572, 0.715, 0.858, 1.0};
    return static_cast<int>(cx * kColumns[std::clamp(n, 0, 7)]);
}

BOOL CGEBCalendar::SetCalendarFlags(DWORD dwFlags) {
    m_dwCalendarFlags = dwFlags;
    return 1;
}

BOOL CGEBCalendar::SetMonthFlags(DWORD dwFlags) {
    m_dwMonthFlags = dwFlags;
    return 1;
}

BOOL CGEBCalendar::SetOtherMonthFlags(DWORD dwFlags) {
    m_dwOtherMonthFlags = dwFlags;
    return 1;
}

void CGEBCalendar::SetAutoSize(BOOL bAutoSize) {
    if (bAutoSize)
        m_dwCalendarFlags |= GEB_CAL_AUTOSIZE;
    else
        m_dwCalendarFlags &= ~GEB_CAL_AUTOSIZE;
}

CSize CGEBCalendar::CalcWindowSize(CDC* pDC) {
    // Boxes of the month and of the other months may carry different borders: the larger one counts.
    CGEBDayBox inMonth;
    CGEBDayBox otherMonth;
    inMonth.Create(RECT{}, nullptr, FALSE, FALSE, m_dwMonthFlags, m_dwCalendarFlags, m_nBevelWidth);
    otherMonth.Create(RECT{}, nullptr, FALSE, FALSE, m_dwOtherMonthFlags, m_dwCalendarFlags, m_nBevelWidth);
    const CSize sizeIn = inMonth.CalcPreferredSize(pDC, &m_lfDayBox);
    const CSize sizeOther = otherMonth.CalcPreferredSize(pDC, &m_lfDayBox);
    const CSize box(std::max(sizeIn.cx, sizeOther.cx), std::max(sizeIn.cy, sizeOther.cy));
    const DWORD dwBarFlags = m_dwCalendarFlags & ~(GEB_CAL_SELECTABLE | GEB_CAL_MARKABLE);
    m_dayBar.SetPanelFlags(m_dwMonthFlags);
    m_dayBar.SetCalendarFlags(dwBarFlags);
    m_title.SetPanelFlags(m_dwMonthFlags | GEB_PANEL_CENTERED);
    m_title.SetCalendarFlags(dwBarFlags);
    const CSize bar = m_dayBar.CalcPreferredSize(pDC, &m_lfDayBar);
    const CSize title = m_title.CalcPreferredSize(pDC, &m_lfTitle);
    return CSize(std::max({7 * box.cx, bar.cx, title.cx}), bar.cy + title.cy + 6 * box.cy);
}

BOOL CGEBCalendar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext*) {
    GEGetSysDrawInfo()->RefreshColors();
    LoadSysColors();
    m_pOwner = pParentWnd;
    HCURSOR hCursor = GEGetSysDrawInfo()->m_hcurArrow;
    if (hCursor == nullptr)
        hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    LPCSTR pszClass = AfxRegisterWndClass(GetClassStyle(), hCursor, nullptr, nullptr);
    // A pop-up is never a child as well: the two styles exclude each other.
    DWORD dwWindowStyle = dwStyle | WS_CLIPCHILDREN;
    if ((dwStyle & WS_POPUP) == 0)
        dwWindowStyle |= WS_CHILD;
    if (!CWnd::CreateEx(0, pszClass, "CGEBCalendar", dwWindowStyle, rect, pParentWnd, nID))
        return FALSE;

    const DWORD dwBarFlags = m_dwCalendarFlags & ~(GEB_CAL_SELECTABLE | GEB_CAL_MARKABLE);
    BOOL bOk = TRUE;
    for (CGEBDayBox& box : m_boxes)
        bOk &= box.Create(RECT{}, this, FALSE, FALSE, m_dwOtherMonthFlags, m_dwCalendarFlags, m_nBevelWidth);
    bOk &= m_dayBar.Create(RECT{}, this, FALSE, FALSE, m_dwMonthFlags, dwBarFlags, m_nBevelWidth);
    bOk &= m_title.Create(RECT{}, this, FALSE, FALSE, m_dwMonthFlags | GEB_PANEL_CENTERED, dwBarFlags,
                          m_nBevelWidth);
    bOk &= m_title.CreateButtons(this);

    if (m_dtDisplayed.m_dt == 0.0)
        m_dtDisplayed = GENoonOf(COleDateTime::GetCurrentTime());
    SetDisplayedDate(m_dtDisplayed, FALSE);

    if (bOk) {
        LayoutPanels();
        if ((m_dwCalendarFlags & GEB_CAL_FIT_FONTS) != 0)
            FitFonts();
        MakeFonts();
        for (CGEBPanel* pPanel : {static_cast<CGEBPanel*>(&m_title), static_cast<CGEBPanel*>(&m_dayBar)}) {
            pPanel->SetTextColor(m_clrWindowText);
            pPanel->SetGreyColor(m_clrGrayText);
        }
        for (CGEBDayBox& box : m_boxes) {
            box.SetTextColor(m_clrWindowText);
            box.SetGreyColor(m_clrGrayText);
        }
    }
    m_bCreated = TRUE;
    UpdateWindow();
    SetFocus();
    return bOk;
}

void CGEBCalendar::LayoutPanels() {
    CRect client;
    GetClientRect(&client);
    const int cx = client.Width();
    const int cy = client.Height();
    const int nTitleBottom = client.top + static_cast<int>(0.175 * (cy - 1));
    const int nBarBottom = client.top + static_cast<int>(0.25 * (cy - 1));
    m_title.SetRect(RECT{client.left, client.top, client.right - 1, nTitleBottom});
    m_dayBar.SetRect(RECT{client.left, nTitleBottom, client.right - 1, nBarBottom});
    static constexpr double kRows[7] = {0.25, 0.375, 0.5, 0.625, 0.75, 0.875, 1.0};
    for (int i = 0; i < kDayBoxes; ++i) {
        const int nRow = i / 7;
        const int nCol = i % 7;
        m_boxes[i].SetRect(RECT{client.left + ColumnBoundary(cx, nCol),
                                client.top + static_cast<int>(cy * kRows[nRow]),
                                client.left + ColumnBoundary(cx, nCol + 1) - 1,
                                client.top + static_cast<int>(cy * kRows[nRow + 1]) - 1});
    }
}

void CGEBCalendar::FitFonts() {
    m_lfTitle = ArialLogFont(OUT_CHARACTER_PRECIS, VARIABLE_PITCH);
    m_lfDayBar = ArialLogFont(OUT_TT_ONLY_PRECIS, DEFAULT_PITCH);
    m_lfDayBox = m_lfDayBar;
    CClientDC dc(this);
    m_title.FitFont(&dc, m_lfTitle, 0.95, 2);
    m_dayBar.FitFont(&dc, m_lfDayBar, 0.9, 1);
    m_boxes[0].FitFont(&dc, m_lfDayBox, 0.9, 1);
}

void CGEBCalendar::MakeFonts() {
    m_fontTitle.DeleteObject();
    m_fontDayBar.DeleteObject();
    m_fontDayBox.DeleteObject();
    m_fontTitle.CreateFontIndirect(&m_lfTitle);
    m_fontDayBar.CreateFontIndirect(&m_lfDayBar);
    m_fontDayBox.CreateFontIndirect(&m_lfDayBox);
}

void CGEBCalendar::OnPaint() {
    CPaintDC dc(this);
    const int nSaved = dc.SaveDC();
    const auto visible = [&dc](const RECT& rect) {
        const RECT exclusive{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
        return dc.RectVisible(&exclusive);
    };
    if (m_fontTitle.GetSafeHandle() != nullptr)
        dc.SelectObject(&m_fontTitle);
    if (visible(m_title.GetRect()))
        m_title.Draw(&dc);
    if (m_fontDayBar.GetSafeHandle() != nullptr)
        dc.SelectObject(&m_fontDayBar);
    if (visible(m_dayBar.GetRect()))
        m_dayBar.Draw(&dc);
    if (m_fontDayBox.GetSafeHandle() != nullptr)
        dc.SelectObject(&m_fontDayBox);
    for (CGEBDayBox& box : m_boxes)
        if (visible(box.GetRect()))
            box.Draw(&dc);
    dc.RestoreDC(nSaved);
}

void CGEBCalendar::OnSysColorChange() {
    GEGetSysDrawInfo()->RefreshColors();
    LoadSysColors();
    Default();
}

LRESULT CGEBCalendar::OnNcHitTest(CPoint) {
    const LRESULT nHit = Default();
    if ((m_dwCalendarFlags & GEB_CAL_RESIZABLE) != 0)
        return nHit;
    switch (nHit) {
    case HTBORDER:
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return HTCLIENT;
    default:
        return nHit;
    }
}
