#include "foundation/CMonthCalendarWnd.h"

#include "foundation/SharedHelpers.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CBitmap.h"
#include "framework/win/CClientDC.h"
#include "framework/win/CDC.h"
#include "framework/win/CPaintDC.h"
#include "resource.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMonthCalendarWnd, CWnd)

BEGIN_MESSAGE_MAP(CMonthCalendarWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_BN_CLICKED(IDC_CALENDAR_PREV, OnPreviousMonth)
ON_BN_CLICKED(IDC_CALENDAR_NEXT, OnNextMonth)
ON_CBN_SELCHANGE(IDC_CALENDAR_MONTH, OnChooserChange)
END_MESSAGE_MAP()

namespace {

constexpr int kSecondsPerDay = 86400;
constexpr int kLastYear = 2035;
constexpr int kFirstYear = 1975;
constexpr int kChooserEntries = 7;
constexpr int kChooserMonthsBefore = 3;
// Child controls: the buttons at the edges of the top band, the chooser between
// them.
constexpr int kButtonSize = 18;
constexpr int kBandTop = 2;
constexpr int kChooserLeft = 22;
constexpr int kChooserWidth = 120;
constexpr int kChooserHeight = 18;
constexpr int kNextButtonLeft = 128;
constexpr int kArrowWidth = 6;
constexpr int kArrowHeight = 9;
constexpr COLORREF kSpecialDayColor = 0x8080FF;
constexpr COLORREF kNeighbourMonthColor = RGB(0, 0, 255);

// A sunken frame: shadow on the top and left edges, highlight on the bottom and right edges.
void DrawSunkenFrame(CDC* dc, const CRect& rect) {
    dc->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
}

int FontHeight(CFont& font) {
    CClientDC screen(nullptr);
    CFont* old = screen.SelectObject(&font);
    TEXTMETRICA metrics{};
    screen.GetTextMetrics(&metrics);
    screen.SelectObject(old);
    return metrics.tmHeight;
}

bool SameDay(CTime a, CTime b) {
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

bool SameMonth(CTime a, CTime b) {
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth();
}

} // namespace

CMonthCalendarWnd::CMonthCalendarWnd() : m_shown(CTime::GetCurrentTime()) {
    Layout();
}

CMonthCalendarWnd::~CMonthCalendarWnd() = default;

UINT CMonthCalendarWnd::GetUserDataMessage() {
    static const UINT message = ::RegisterWindowMessageA("ACX_GetCalnUserData");
    return message;
}

BOOL CMonthCalendarWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), nullptr, nullptr);
    return CWnd::Create(windowClass, "", dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

bool CMonthCalendarWnd::IsSpecialDay(CTime) const {
    return false;
}

// ---------------- months ----------------

bool CMonthCalendarWnd::StepMonth(CTime date, int direction, CTime& stepped) {
    const int month = date.GetMonth();
    const CTimeSpan oneDay(direction < 0 ? -kSecondsPerDay : kSecondsPerDay);
    CTime day = date;
    do {
        day += oneDay;
        const int year = day.GetYear();
        if ((direction > 0 && year > kLastYear) || (direction < 0 && year < kFirstYear) || year == 0)
            return false;
    } while (day.GetMonth() == month);
    stepped = day;
    return true;
}

bool CMonthCalendarWnd::PreviousMonth() {
    CTime stepped;
    if (!StepMonth(m_shown, -1, stepped))
        return false;
    ShowMonth(stepped);
    return true;
}

bool CMonthCalendarWnd::NextMonth() {
    CTime stepped;
    if (!StepMonth(m_shown, 1, stepped))
        return false;
    ShowMonth(stepped);
    return true;
}

void CMonthCalendarWnd::SetShownDate(CTime date) {
    if (date.GetYear() != 0)
        ShowMonth(date);
}

void CMonthCalendarWnd::SetSelectedDay(CTime day) {
    m_selected = day;
    if (GetSafeHwnd() != nullptr)
        Invalidate(FALSE);
}

void CMonthCalendarWnd::ShowMonth(CTime date) {
    m_shown = date;
    if (GetSafeHwnd() == nullptr) {
        Layout();
        return;
    }
    FillChooser();
    Layout();
    Invalidate(FALSE);
}

bool CMonthCalendarWnd::IsInShownMonth(CTime day) const {
    return SameMonth(day, m_shown);
}

void CMonthCalendarWnd::OnPreviousMonth() {
    PreviousMonth();
}

void CMonthCalendarWnd::OnNextMonth() {
    NextMonth();
}

void CMonthCalendarWnd::OnChooserChange() {
    if (m_fillingChooser)
        return;
    const int chosen = m_chooser.GetCurSel();
    if (chosen < 0)
        return;
    ShowMonth(CTime(static_cast<__time64_t>(m_chooser.GetItemData(chosen))));
}

void CMonthCalendarWnd::FillChooser() {
    m_fillingChooser = true;
    m_chooser.ResetContent();
    CTime month = m_shown;
    for (int i = 0; i < kChooserMonthsBefore; ++i) {
        CTime earlier;
        if (!StepMonth(month, -1, earlier))
            break;
        month = earlier;
    }
    for (int i = 0; i < kChooserEntries; ++i) {
        const int index = m_chooser.AddString(month.Format("%B %Y"));
        m_chooser.SetItemData(index, static_cast<DWORD_PTR>(month.GetTime()));
        if (SameMonth(month, m_shown))
            m_chooser.SetCurSel(index);
        CTime later;
        if (!StepMonth(month, 1, later))
            break;
        month = later;
    }
    m_fillingChooser = false;
    FitComboDropHeight(&m_chooser);
}

// ---------------- layout ----------------

void CMonthCalendarWnd::Layout() {
    // The 42 days: from the Sunday on or before the 1st of the shown month.
    const CTime first(m_shown.GetYear(), m_shown.GetMonth(), 1, 8, 0, 0);
    const CTime start = first - CTimeSpan(static_cast<__time64_t>(first.GetDayOfWeek() - 1) * kSecondsPerDay);
    m_dayTimes.RemoveAll();
    m_dayTexts.RemoveAll();
    for (int slot = 0; slot < kShownDays; ++slot) {
        const CTime day = start + CTimeSpan(static_cast<__time64_t>(slot) * kSecondsPerDay);
        m_dayTimes.Add(static_cast<DWORD>(day.GetTime()));
        m_dayTexts.Add(CString());
    }

    if (GetSafeHwnd() == nullptr)
        return;
    GetClientRect(&m_client);
    int bandBottom = kBandTop + kChooserHeight + 2;
    if (m_chooser.GetSafeHwnd() != nullptr) {
        CRect chooser;
        m_chooser.GetWindowRect(&chooser);
        ScreenToClient(&chooser);
        // A drop-down list's window rectangle is its selection field.
        bandBottom = std::max(bandBottom, static_cast<int>(chooser.top) + m_chooser.GetItemHeight(-1) + 8);
    }
    const int nameHeight = FontHeight(m_boldFont) + 4;
    m_cellWidth = m_client.Width() / 7;
    const int gridLeft = m_client.left + (m_client.Width() - 7 * m_cellWidth) / 2;
    m_dayNameRow = CRect(gridLeft, bandBottom, gridLeft + 7 * m_cellWidth, bandBottom + nameHeight);
    const int gridTop = m_dayNameRow.bottom;
    m_cellHeight = std::max(0, static_cast<int>(m_client.bottom) - gridTop) / 6;
    m_grid = CRect(gridLeft, gridTop, gridLeft + 7 * m_cellWidth, gridTop + 6 * m_cellHeight);
}

CTime CMonthCalendarWnd::GetDayTime(int slot) const {
    if (slot < 0 || slot >= m_dayTimes.GetSize())
        return CTime();
    return CTime(static_cast<__time64_t>(m_dayTimes[slot]));
}

CRect CMonthCalendarWnd::GetDayRect(int slot) const {
    const int row = slot / 7;
    const int column = slot % 7;
    const int left = m_grid.left + column * m_cellWidth;
    const int top = m_grid.top + row * m_cellHeight;
    return CRect(left, top, left + m_cellWidth, top + m_cellHeight);
}

CTime CMonthCalendarWnd::DayFromPoint(CPoint point) const {
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (GetDayRect(row * 7 + column).PtInRect(point))
                return GetDayTime(row * 7 + column);
        }
    }
    return CTime();
}

void CMonthCalendarWnd::SetDayText(int slot, LPCSTR text) {
    if (slot >= 0 && slot < m_dayTexts.GetSize())
        m_dayTexts[slot] = text != nullptr ? text : "";
}

CString CMonthCalendarWnd::GetDayText(int slot) const {
    if (slot < 0 || slot >= m_dayTexts.GetSize())
        return CString();
    return m_dayTexts[slot];
}

// ---------------- window ----------------

int CMonthCalendarWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateFonts();
    const DWORD buttonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    if (!m_chooser.Create(
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
            CRect(kChooserLeft, kBandTop, kChooserLeft + kChooserWidth, kBandTop + kChooserHeight), this,
            IDC_CALENDAR_MONTH) ||
        !m_previous.Create("", buttonStyle, CRect(0, kBandTop, kButtonSize, kBandTop + kButtonSize), this,
                           IDC_CALENDAR_PREV) ||
        !m_next.Create(
            "", buttonStyle,
            CRect(kNextButtonLeft, kBandTop, kNextButtonLeft + kButtonSize, kBandTop + kButtonSize), this,
            IDC_CALENDAR_NEXT))
        return -1;
    m_chooser.SetFont(&m_boldFont, FALSE);
    m_previous.SetBitmap(IDB_CALENDAR_ARROWS, 0, kArrowWidth, kArrowHeight);
    m_next.SetBitmap(IDB_CALENDAR_ARROWS, 1, kArrowWidth, kArrowHeight);
    FillChooser();
    Layout();
    return 0;
}

void CMonthCalendarWnd::CreateFonts() {
    m_font.CreatePointFont(80, "MS Sans Serif");
    m_smallFont.CreatePointFont(70, "Arial");
    LOGFONTA bold{};
    bold.lfHeight = 120; // tenths of a point
    bold.lfWeight = FW_BOLD;
    lstrcpynA(bold.lfFaceName, "Arial", LF_FACESIZE);
    m_boldFont.CreatePointFontIndirect(&bold);
}

void CMonthCalendarWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (m_next.GetSafeHwnd() != nullptr)
        m_next.MoveWindow(cx - kButtonSize, kBandTop, kButtonSize, kButtonSize);
    if (m_chooser.GetSafeHwnd() != nullptr) {
        CRect chooser;
        m_chooser.GetWindowRect(&chooser);
        ScreenToClient(&chooser);
        m_chooser.SetWindowPos(nullptr, (cx - chooser.Width()) / 2, chooser.top, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Layout();
    Invalidate(FALSE);
}

BOOL CMonthCalendarWnd::OnEraseBkgnd(CDC*) {
    return TRUE; // painting covers the whole client area
}

void CMonthCalendarWnd::OnPaint() {
    CPaintDC dc(this);
    const int width = std::max(1, static_cast<int>(m_client.Width()));
    const int height = std::max(1, static_cast<int>(m_client.Height()));
    // Drawn off-screen and copied in one step, so the calendar does not flicker.
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, width, height))
        return;
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, width, height, ::GetSysColor(COLOR_BTNFACE));
    DrawDayNames(&memory);
    DrawDays(&memory);
    dc.BitBlt(0, 0, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CMonthCalendarWnd::DrawDayNames(CDC* dc) {
    // Sunday first: the locale numbers Monday as day 1 and Sunday as day 7.
    static constexpr LCTYPE kDayNames[7] = {
        LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2, LOCALE_SABBREVDAYNAME3,
        LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5, LOCALE_SABBREVDAYNAME6};
    CFont* oldFont = dc->SelectObject(&m_boldFont);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    for (int column = 0; column < 7; ++column) {
        char name[32] = {};
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, kDayNames[column], name, sizeof name);
        CRect cell(m_dayNameRow.left + column * m_cellWidth, m_dayNameRow.top,
                   m_dayNameRow.left + (column + 1) * m_cellWidth, m_dayNameRow.bottom);
        dc->DrawText(name, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        DrawSunkenFrame(dc, cell);
    }
    dc->SetTextColor(oldColor);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);
}

void CMonthCalendarWnd::DrawDays(CDC* dc) {
    const UINT message = GetUserDataMessage();
    const HWND parent = ::GetParent(m_hWnd);
    const CTime today = CTime::GetCurrentTime();
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    CFont* oldFont = dc->SelectObject(&m_font);
    for (int slot = 0; slot < kShownDays && slot < m_dayTimes.GetSize(); ++slot) {
        const CTime day = GetDayTime(slot);
        // The owner may give the slot its text now.
        if (parent != nullptr)
            ::SendMessageA(parent, message, static_cast<WPARAM>(slot), static_cast<LPARAM>(day.GetTime()));
        const CRect cell = GetDayRect(slot);
        const bool selected = m_selected.GetTime() != 0 && SameDay(day, m_selected);
        if (selected)
            dc->FillSolidRect(&cell, ::GetSysColor(COLOR_HIGHLIGHT));
        else if (SameDay(day, today))
            dc->FillSolidRect(&cell, RGB(255, 255, 255));
        else if (IsSpecialDay(day))
            dc->FillSolidRect(&cell, kSpecialDayColor);

        COLORREF textColor = selected              ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                             : IsInShownMonth(day) ? ::GetSysColor(COLOR_WINDOWTEXT)
                                                   : kNeighbourMonthColor;
        const int weekday = day.GetDayOfWeek();
        if (weekday == 1 || weekday == 7)
            textColor = LightenColor(textColor, 0.5);
        const COLORREF oldColor = dc->SetTextColor(textColor);
        CRect inner = cell;
        inner.DeflateRect(3, 2);
        CString number;
        number.Format("%i", day.GetDay());
        dc->DrawText(number, &inner, m_dayNumberFormat);
        const CString& text = m_dayTexts[slot];
        if (!text.IsEmpty()) {
            dc->SelectObject(&m_smallFont);
            dc->DrawText(text, &inner, m_dayTextFormat);
            dc->SelectObject(&m_font);
        }
        dc->SetTextColor(oldColor);
        DrawSunkenFrame(dc, cell);
    }
    dc->SelectObject(oldFont);
    dc->SetBkMode(oldMode);
}

// ---------------- mouse ----------------

void CMonthCalendarWnd::OnLButtonDown(UINT nFlags, CPoint point) {
    SetCapture();
    if (m_grid.PtInRect(point)) {
        m_dragging = true;
        const CTime day = DayFromPoint(point);
        if (day.GetTime() != 0) {
            m_selected = day;
            m_dragDay = day;
        }
        Invalidate(FALSE);
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CMonthCalendarWnd::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_dragging) {
        const CTime day = DayFromPoint(point);
        if (day.GetTime() != 0 && day != m_dragDay) {
            m_dragDay = day;
            m_selected = day;
            Invalidate(FALSE);
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CMonthCalendarWnd::OnLButtonUp(UINT nFlags, CPoint point) {
    if (CWnd::GetCapture() != nullptr && CWnd::GetCapture()->GetSafeHwnd() == GetSafeHwnd())
        ReleaseCapture();
    m_dragging = false;
    CWnd::OnLButtonUp(nFlags, point);
}
