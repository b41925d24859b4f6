// The month calendar: its 42 days, month stepping, the month chooser, picking a day with the mouse and
// what it paints, as a child of a real window on this thread.
#include "foundation/CMonthCalendarWnd.h"

#include "WindowPartsSupport.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace wptest;

namespace {

std::string Ymd(CTime time) {
    return std::string(time.Format("%Y-%m-%d %H:%M"));
}

// ---------------- days and months (no window needed) ----------------

TEST(MonthCalendarDays, TheGridStartsOnTheSundayOnOrBeforeTheFirst) {
    struct Case {
        CTime shown;
        const char* firstSlot;
        const char* lastSlot;
    };
    const Case cases[] = {
        {CTime(2024, 9, 15, 12, 0, 0), "2024-09-01 08:00", "2024-10-12 08:00"}, // starts on a Sunday
        {CTime(2025, 1, 31, 23, 0, 0), "2024-12-29 08:00", "2025-02-08 08:00"}, // starts on a Wednesday
        {CTime(2024, 3, 1, 0, 0, 0), "2024-02-25 08:00", "2024-04-06 08:00"},   // starts on a Friday
    };
    for (const Case& c : cases) {
        CMonthCalendarWnd calendar;
        calendar.SetShownDate(c.shown);
        EXPECT_EQ(c.firstSlot, Ymd(calendar.GetDayTime(0)));
        EXPECT_EQ(c.lastSlot, Ymd(calendar.GetDayTime(41)));
        for (int slot = 1; slot < CMonthCalendarWnd::kShownDays; ++slot)
            EXPECT_EQ(86400, (calendar.GetDayTime(slot) - calendar.GetDayTime(slot - 1)).GetTotalSeconds());
        EXPECT_EQ(0, calendar.GetDayTime(42).GetTime());
    }
}

TEST(MonthCalendarDays, StepsWholeMonthsWithinTheYearsItKnows) {
    struct Case {
        CTime from;
        int direction;
        bool stepped;
        const char* month; // shown month afterwards
    };
    const Case cases[] = {
        {CTime(2024, 12, 10, 12, 0, 0), 1, true, "2025-01"},
        {CTime(2025, 1, 10, 12, 0, 0), -1, true, "2024-12"},
        {CTime(2024, 3, 31, 12, 0, 0), 1, true, "2024-04"},
        {CTime(2024, 3, 1, 12, 0, 0), -1, true, "2024-02"},
        {CTime(2035, 12, 1, 12, 0, 0), 1, false, "2035-12"},
        {CTime(2035, 11, 30, 12, 0, 0), 1, true, "2035-12"},
        {CTime(1975, 1, 31, 12, 0, 0), -1, false, "1975-01"},
        {CTime(1975, 2, 1, 12, 0, 0), -1, true, "1975-01"},
    };
    for (const Case& c : cases) {
        CMonthCalendarWnd calendar;
        calendar.SetShownDate(c.from);
        const bool stepped = c.direction > 0 ? calendar.NextMonth() : calendar.PreviousMonth();
        EXPECT_EQ(c.stepped, stepped) << Ymd(c.from) << " " << c.direction;
        EXPECT_EQ(c.month, std::string(calendar.GetShownDate().Format("%Y-%m")))
            << Ymd(c.from) << " " << c.direction;
    }
}

// ---------------- the window ----------------

const UINT g_userDataMessage = CMonthCalendarWnd::GetUserDataMessage();

// The calendar's parent: records the days it is asked about and gives slot 10 a text.
class CalendarHost : public CWnd {
public:
    std::vector<std::pair<WPARAM, LPARAM>> asked;
    CMonthCalendarWnd* calendar = nullptr;

protected:
    afx_msg LRESULT OnUserData(WPARAM slot, LPARAM time) {
        asked.emplace_back(slot, time);
        if (calendar != nullptr && slot == 10)
            calendar->SetDayText(10, "3:30");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CalendarHost, CWnd)
ON_REGISTERED_MESSAGE(g_userDataMessage, OnUserData)
END_MESSAGE_MAP()

// A calendar whose 20th of every month is special.
class SpecialCalendar : public CMonthCalendarWnd {
public:
    bool IsSpecialDay(CTime day) const override { return day.GetDay() == 20; }
};

class MonthCalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "Calendar host", WS_POPUP | WS_VISIBLE, 20, 20,
                                    320, 300, nullptr, nullptr));
        m_host.calendar = &m_calendar;
        ASSERT_TRUE(m_calendar.Create(WS_VISIBLE, CRect(5, 5, 288, 265), &m_host, 7160));
        m_calendar.SetShownDate(CTime(2024, 6, 15, 12, 0, 0));
        PumpPending();
    }
    void TearDown() override { m_host.DestroyWindow(); }

    std::vector<std::string> ChooserEntries() const {
        std::vector<std::string> entries;
        const HWND chooser = ::GetDlgItem(m_calendar.GetSafeHwnd(), IDC_CALENDAR_MONTH);
        const int count = static_cast<int>(::SendMessageA(chooser, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[64] = {};
            ::SendMessageA(chooser, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.emplace_back(text);
        }
        return entries;
    }
    int ChooserSelection() const {
        return static_cast<int>(
            ::SendDlgItemMessageA(m_calendar.GetSafeHwnd(), IDC_CALENDAR_MONTH, CB_GETCURSEL, 0, 0));
    }
    void Mouse(UINT msg, CPoint point) {
        m_calendar.SendMessage(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MousePoint(point.x, point.y));
    }
    CPoint CentreOf(int slot) const { return m_calendar.GetDayRect(slot).CenterPoint(); }

    CalendarHost m_host;
    CMonthCalendarWnd m_calendar;
};

TEST_F(MonthCalendarTest, TheChooserListsSevenMonthsAroundTheShownOne) {
    EXPECT_EQ((std::vector<std::string>{"March 2024", "April 2024", "May 2024", "June 2024", "July 2024",
                                        "August 2024", "September 2024"}),
              ChooserEntries());
    EXPECT_EQ(3, ChooserSelection());
    EXPECT_EQ("2024-06-15 12:00", Ymd(m_calendar.GetShownDate()))
        << "rebuilding the chooser moved the shown date";

    // Choosing an entry shows that month and rebuilds the list around it.
    const HWND chooser = ::GetDlgItem(m_calendar.GetSafeHwnd(), IDC_CALENDAR_MONTH);
    ::SendMessageA(chooser, CB_SETCURSEL, 0, 0);
    m_calendar.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CALENDAR_MONTH, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(chooser));
    EXPECT_EQ("2024-03", std::string(m_calendar.GetShownDate().Format("%Y-%m")));
    EXPECT_EQ("2024-02-25 08:00", Ymd(m_calendar.GetDayTime(0)));
    EXPECT_EQ((std::vector<std::string>{"December 2023", "January 2024", "February 2024", "March 2024",
                                        "April 2024", "May 2024", "June 2024"}),
              ChooserEntries());
    EXPECT_EQ(3, ChooserSelection());

    // Near the last year the list stops early.
    m_calendar.SetShownDate(CTime(2035, 11, 10, 12, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"August 2035", "September 2035", "October 2035", "November 2035",
                                        "December 2035"}),
              ChooserEntries());
    EXPECT_EQ(3, ChooserSelection());
}

TEST_F(MonthCalendarTest, TheArrowButtonsStepTheMonth) {
    ::SendDlgItemMessageA(m_calendar.GetSafeHwnd(), IDC_CALENDAR_NEXT, BM_CLICK, 0, 0);
    EXPECT_EQ("2024-07", std::string(m_calendar.GetShownDate().Format("%Y-%m")));
    ::SendDlgItemMessageA(m_calendar.GetSafeHwnd(), IDC_CALENDAR_PREV, BM_CLICK, 0, 0);
    ::SendDlgItemMessageA(m_calendar.GetSafeHwnd(), IDC_CALENDAR_PREV, BM_CLICK, 0, 0);
    EXPECT_EQ("2024-05", std::string(m_calendar.GetShownDate().Format("%Y-%m")));
    EXPECT_EQ(3, ChooserSelection());
    EXPECT_EQ("May 2024", ChooserEntries()[3]);
}

TEST_F(MonthCalendarTest, ClickingOrDraggingPicksADay) {
    EXPECT_EQ(0, m_calendar.GetSelectedDay().GetTime());
    Mouse(WM_LBUTTONDOWN, CentreOf(17));
    Mouse(WM_LBUTTONUP, CentreOf(17));
    EXPECT_EQ(Ymd(m_calendar.GetDayTime(17)), Ymd(m_calendar.GetSelectedDay()));
    EXPECT_EQ("2024-06-12 08:00", Ymd(m_calendar.GetSelectedDay())); // June 2024 starts on a Saturday
    EXPECT_EQ(nullptr, ::GetCapture());

    // Dragging over the grid follows the mouse until the button is released.
    Mouse(WM_LBUTTONDOWN, CentreOf(3));
    EXPECT_EQ(m_calendar.GetSafeHwnd(), ::GetCapture());
    Mouse(WM_MOUSEMOVE, CentreOf(4));
    Mouse(WM_MOUSEMOVE, CentreOf(11));
    EXPECT_EQ(Ymd(m_calendar.GetDayTime(11)), Ymd(m_calendar.GetSelectedDay()));
    Mouse(WM_LBUTTONUP, CentreOf(11));
    m_calendar.SendMessage(WM_MOUSEMOVE, 0, MousePoint(CentreOf(20).x, CentreOf(20).y));
    EXPECT_EQ(Ymd(m_calendar.GetDayTime(11)), Ymd(m_calendar.GetSelectedDay()));

    // A press outside the grid (on the day names) picks nothing.
    const CPoint dayNames(CentreOf(0).x, m_calendar.GetDayRect(0).top - 3);
    EXPECT_EQ(0, m_calendar.DayFromPoint(dayNames).GetTime());
    Mouse(WM_LBUTTONDOWN, dayNames);
    Mouse(WM_LBUTTONUP, dayNames);
    EXPECT_EQ(Ymd(m_calendar.GetDayTime(11)), Ymd(m_calendar.GetSelectedDay()));
}

TEST_F(MonthCalendarTest, PaintingAsksTheParentForEveryShownDay) {
    m_host.asked.clear();
    m_calendar.Invalidate();
    m_calendar.UpdateWindow();
    ASSERT_EQ(42u, m_host.asked.size());
    for (int slot = 0; slot < 42; ++slot) {
        EXPECT_EQ(static_cast<WPARAM>(slot), m_host.asked[slot].first);
        EXPECT_EQ(m_calendar.GetDayTime(slot).GetTime(), m_host.asked[slot].second);
    }
    EXPECT_STREQ("3:30", m_calendar.GetDayText(10));
    // A new month is laid out afresh: the slots lose their texts until the owner gives them again.
    m_calendar.NextMonth();
    EXPECT_STREQ("", m_calendar.GetDayText(10));
}

TEST_F(MonthCalendarTest, PaintsTodaySelectedAndSpecialDays) {
    m_host.DestroyWindow();
    ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "Calendar host", WS_POPUP | WS_VISIBLE, 20, 20,
                                320, 300, nullptr, nullptr));
    SpecialCalendar calendar;
    ASSERT_TRUE(calendar.Create(WS_VISIBLE, CRect(5, 5, 288, 265), &m_host, 7161));
    calendar.SetShownDate(CTime::GetCurrentTime());
    int today = -1;
    int special = -1;
    int selected = -1;
    const CTime now = CTime::GetCurrentTime();
    for (int slot = 0; slot < 42; ++slot) {
        const CTime day = calendar.GetDayTime(slot);
        if (day.GetYear() == now.GetYear() && day.GetMonth() == now.GetMonth() &&
            day.GetDay() == now.GetDay())
            today = slot;
        else if (day.GetDay() == 20 && special < 0)
            special = slot;
        else if (day.GetDay() != 20 && selected < 0 && slot > 7)
            selected = slot;
    }
    ASSERT_GE(today, 0);
    ASSERT_GE(special, 0);
    calendar.SetSelectedDay(calendar.GetDayTime(selected));

    const WindowImage image(calendar.GetSafeHwnd());
    auto inside = [&](int slot) { return calendar.GetDayRect(slot).TopLeft() + CPoint(2, 2); };
    EXPECT_EQ(RGB(255, 255, 255), image.At(inside(today).x, inside(today).y));
    EXPECT_EQ(static_cast<COLORREF>(0x8080FF), image.At(inside(special).x, inside(special).y));
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), image.At(inside(selected).x, inside(selected).y));
    // Cells are framed sunken: shadow at the top-left corner, highlight at the bottom-right.
    const CRect cell = calendar.GetDayRect(selected);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), image.At(cell.left, cell.top));
    EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), image.At(cell.right - 1, cell.bottom - 1));
    calendar.DestroyWindow();
}

TEST_F(MonthCalendarTest, ResizingKeepsTheNextButtonAtTheRightEdge) {
    m_calendar.MoveWindow(5, 5, 400, 300);
    CRect client;
    m_calendar.GetClientRect(&client);
    CRect next;
    ::GetWindowRect(::GetDlgItem(m_calendar.GetSafeHwnd(), IDC_CALENDAR_NEXT), &next);
    m_calendar.ScreenToClient(&next);
    EXPECT_EQ(client.right, next.right);
    CRect chooser;
    ::GetWindowRect(::GetDlgItem(m_calendar.GetSafeHwnd(), IDC_CALENDAR_MONTH), &chooser);
    m_calendar.ScreenToClient(&chooser);
    EXPECT_NEAR(client.Width() / 2, chooser.CenterPoint().x, 1);
    // The grid takes the new width: seven columns of a seventh each.
    EXPECT_EQ(client.Width() / 7, m_calendar.GetDayRect(0).Width());
}

} // namespace
