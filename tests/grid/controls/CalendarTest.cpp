// The calendar window: the page it fills for a month, the keyboard's steps through days, weeks, months
// and years, the years it refuses, the mouse selecting, dragging and marking days, and accept and cancel
// reaching the owner window.
#include "CalendarSupport.h"

#include <gtest/gtest.h>

using namespace caltest;

namespace {

// A calendar of 280 x 240 pixels in an owner window, created with the given flags.
struct CalendarFixture {
    explicit CalendarFixture(DWORD dwFlags = 0x0039C000, DWORD dwOtherMonthFlags = 0x101) {
        calendar.SetCalendarFlags(dwFlags);
        calendar.SetOtherMonthFlags(dwOtherMonthFlags);
    }
    BOOL Create() { return calendar.Create(WS_VISIBLE, RECT{10, 10, 290, 250}, owner.Wnd(), 77); }
    OwnerWindow owner;
    TestCalendar calendar;
};

} // namespace

TEST(Calendar, TheDefaultCalendarShowsJanuary1970) {
    CalendarFixture f;
    ASSERT_TRUE(f.Create());
    EXPECT_EQ(Text(f.calendar.GetDisplayedDate()), "1970-01-01");
    EXPECT_EQ(f.calendar.GetTitle().GetText(), CString("January 1970"));
    // 1 January 1970 was a Thursday: the page starts on Sunday 28 December 1969.
    EXPECT_EQ(Text(f.calendar.GetDayBox(0)->GetDate()), "1969-12-28");
    EXPECT_TRUE(f.calendar.GetDayBox(0)->IsOutsideMonth());
    EXPECT_FALSE(f.calendar.GetDayBox(4)->IsOutsideMonth());
    EXPECT_EQ(f.calendar.GetFocusBox(), nullptr) << "no day is selected yet";
    EXPECT_EQ(::GetFocus(), f.calendar.m_hWnd);
}

TEST(Calendar, PagesOfMonths) {
    struct Case {
        COleDateTime date;
        const char* first;
        int firstInMonth; // index of the box of the 1st
        int nextMonthDays;
    } const cases[] = {
        {Day(2022, 5, 17), "2022-05-01", 0, 11}, // the 1st on a Sunday: 11 days of June follow
        {Day(2015, 2, 3), "2015-02-01", 0, 14},  // 28 days from a Sunday: two weeks of March
        {Day(2023, 9, 30), "2023-08-27", 5, 7},
        {Day(2024, 2, 29), "2024-01-28", 4, 9},
    };
    for (const Case& c : cases) {
        CalendarFixture f;
        f.calendar.SetDisplayedDate(c.date, FALSE);
        ASSERT_TRUE(f.Create());
        EXPECT_EQ(Text(f.calendar.GetDayBox(0)->GetDate()), c.first) << Text(c.date);
        int nFirst = -1;
        int nAfter = 0;
        for (int i = 0; i < CGEBCalendar::kDayBoxes; ++i) {
            const CGEBDayBox* pBox = f.calendar.GetDayBox(i);
            if (!pBox->IsOutsideMonth() && nFirst < 0)
                nFirst = i;
            if (pBox->IsOutsideMonth() && nFirst >= 0)
                ++nAfter;
            EXPECT_EQ((pBox->GetCalendarFlags() & GEB_CAL_MARKABLE) != 0, !pBox->IsOutsideMonth());
        }
        EXPECT_EQ(nFirst, c.firstInMonth) << Text(c.date);
        EXPECT_EQ(nAfter, c.nextMonthDays) << Text(c.date);
    }
}

// Every key of the table, from a selected day; the focus day that results and the month on the page.
TEST(Calendar, KeysMoveTheFocusDay) {
    struct Case {
        COleDateTime from;
        UINT key;
        BOOL ctrl;
        const char* to;
    } const cases[] = {
        {Day(2023, 1, 31), VK_RIGHT, FALSE, "2023-02-01"},
        {Day(2023, 3, 1), VK_LEFT, FALSE, "2023-02-28"},
        {Day(2023, 3, 3), VK_UP, FALSE, "2023-02-24"},
        {Day(2023, 3, 28), VK_DOWN, FALSE, "2023-04-04"},
        {Day(2023, 3, 28), VK_NUMPAD2, FALSE, "2023-04-04"},
        {Day(2023, 3, 28), VK_NUMPAD6, FALSE, "2023-03-29"},
        {Day(2023, 3, 28), VK_NUMPAD4, FALSE, "2023-03-27"},
        {Day(2023, 3, 28), VK_NUMPAD8, FALSE, "2023-03-21"},
        // Month steps land on the same day, or on the last day of a shorter month.
        {Day(2023, 1, 31), VK_RIGHT, TRUE, "2023-02-28"},
        {Day(2024, 1, 31), VK_RIGHT, TRUE, "2024-02-29"},
        {Day(2023, 3, 31), VK_LEFT, TRUE, "2023-02-28"},
        {Day(2023, 1, 15), VK_NEXT, FALSE, "2023-02-15"},
        {Day(2023, 1, 15), VK_PRIOR, FALSE, "2022-12-15"},
        {Day(2023, 5, 31), VK_NEXT, FALSE, "2023-06-30"},
        // Year steps; 29 February becomes the 28th.
        {Day(2024, 2, 29), VK_DOWN, TRUE, "2025-02-28"},
        {Day(2024, 2, 29), VK_UP, TRUE, "2023-02-28"},
        {Day(2023, 6, 10), VK_NEXT, TRUE, "2024-06-10"},
        {Day(2023, 6, 10), VK_PRIOR, TRUE, "2022-06-10"},
        {Day(2023, 6, 10), VK_HOME, FALSE, "2023-06-01"},
        {Day(2023, 6, 10), VK_END, FALSE, "2023-06-30"},
        {Day(2024, 2, 10), VK_END, TRUE, "2024-02-29"},
    };
    for (const Case& c : cases) {
        CalendarFixture f;
        f.calendar.SetDisplayedDate(c.from, FALSE);
        ASSERT_TRUE(f.Create());
        f.calendar.SelectDay(c.from, TRUE);
        f.calendar.ctrl = c.ctrl;
        f.calendar.PressKey(c.key);
        EXPECT_EQ(Text(f.calendar.GetFocusDate()), c.to)
            << Text(c.from) << " key " << c.key << " ctrl " << c.ctrl;
        EXPECT_EQ(f.calendar.GetDisplayedDate().GetMonth(), f.calendar.GetFocusDate().GetMonth())
            << "the page shows the focus day's month";
        EXPECT_TRUE(f.calendar.GetFocusBox()->IsSelected());
        EXPECT_EQ(f.calendar.beeps, 0);
    }
}

TEST(Calendar, YearsOutside1400To2400AreRefused) {
    struct Case {
        COleDateTime from;
        UINT key;
        BOOL ctrl;
    } const cases[] = {
        {Day(2400, 6, 1), VK_DOWN, TRUE},    {Day(2400, 12, 31), VK_RIGHT, FALSE},
        {Day(2400, 12, 10), VK_NEXT, FALSE}, {Day(1400, 1, 1), VK_LEFT, FALSE},
        {Day(1400, 6, 1), VK_UP, TRUE},
    };
    for (const Case& c : cases) {
        CalendarFixture f;
        f.calendar.SetDisplayedDate(c.from, FALSE);
        ASSERT_TRUE(f.Create());
        f.calendar.SelectDay(c.from, TRUE);
        f.calendar.ctrl = c.ctrl;
        f.calendar.PressKey(c.key);
        EXPECT_EQ(Text(f.calendar.GetFocusDate()), Text(c.from)) << "nothing changes";
        EXPECT_EQ(f.calendar.beeps, 1) << Text(c.from) << " key " << c.key;
    }
    CalendarFixture f;
    ASSERT_TRUE(f.Create());
    EXPECT_EQ(f.calendar.SetDisplayedDate(Day(2400, 12, 31), TRUE), 1) << "all of 2400 is in";
    EXPECT_EQ(f.calendar.SetDisplayedDate(Day(1970, 1, 1), TRUE), 1);
    EXPECT_EQ(f.calendar.SetDisplayedDate(Day(1399, 12, 31), TRUE), 0);
    EXPECT_EQ(f.calendar.SetDisplayedDate(Day(2401, 1, 1), TRUE), 0);
    EXPECT_EQ(Text(f.calendar.GetDisplayedDate()), "1970-01-01");
    EXPECT_EQ(f.calendar.NextDay(TRUE), 0) << "no focus day to move";
}

TEST(Calendar, ReadOnlyRefusesEveryPageTurnAfterCreation) {
    CalendarFixture f(0x0039C000 | GEB_CAL_READONLY);
    f.calendar.SetDisplayedDate(Day(2023, 4, 10), FALSE); // before creation: accepted
    ASSERT_TRUE(f.Create());
    EXPECT_EQ(Text(f.calendar.GetDisplayedDate()), "2023-04-10");
    EXPECT_EQ(f.calendar.NextMonth(FALSE), 0);
    EXPECT_EQ(Text(f.calendar.GetDisplayedDate()), "2023-04-10");
    EXPECT_GE(f.calendar.beeps, 1);
}

TEST(Calendar, TitleButtonsTurnThePage) {
    CalendarFixture f;
    f.calendar.SetDisplayedDate(Day(2023, 1, 31), FALSE);
    ASSERT_TRUE(f.Create());
    struct Step {
        UINT id;
        const char* shown;
    } const steps[] = {
        {GEB_ID_NEXT_MONTH, "2023-02-28"},
        {GEB_ID_NEXT_YEAR, "2024-02-28"},
        {GEB_ID_PREV_MONTH, "2024-01-28"},
        {GEB_ID_PREV_YEAR, "2023-01-28"},
    };
    for (const Step& step : steps) {
        CButton* pButton = f.calendar.GetTitle().GetButton(step.id);
        ASSERT_NE(pButton, nullptr);
        EXPECT_TRUE(pButton->IsWindowVisible());
        pButton->SendMessage(BM_CLICK);
        EXPECT_EQ(Text(f.calendar.GetDisplayedDate()), step.shown) << step.id;
    }
    EXPECT_NE(f.calendar.GetTitle().GetText().Find("2023"), -1);
}

TEST(Calendar, EnterAcceptsTheFocusDayEscapeCancels) {
    {
        CalendarFixture f;
        ASSERT_TRUE(f.Create());
        f.calendar.PressKey(VK_RETURN);
        EXPECT_EQ(f.owner.LastClose(), GEB_CALN_CANCEL) << "no focus day: Enter cancels";
        EXPECT_FALSE(f.calendar.IsWindowVisible());
    }
    {
        CalendarFixture f;
        ASSERT_TRUE(f.Create());
        f.calendar.SelectDay(Day(1970, 1, 20), TRUE);
        const std::vector<Notice> selected = f.owner.Notices();
        ASSERT_FALSE(selected.empty());
        EXPECT_EQ(selected.back().message, GEB_CALN_SELECT);
        EXPECT_EQ(selected.back().wParam, 1u);
        EXPECT_EQ(selected.back().lParam, reinterpret_cast<LPARAM>(f.calendar.FindDayBox(Day(1970, 1, 20))));
        f.calendar.PressKey(VK_RETURN);
        EXPECT_EQ(f.owner.LastClose(), GEB_CALN_ACCEPT);
        EXPECT_FALSE(f.calendar.IsWindowVisible());
        EXPECT_EQ(Text(f.calendar.GetFocusDate()), "1970-01-20");
    }
    for (const UINT key : {VK_ESCAPE, VK_CANCEL}) {
        CalendarFixture f;
        ASSERT_TRUE(f.Create());
        f.calendar.SelectDay(Day(1970, 1, 20), TRUE);
        f.calendar.PressKey(key);
        EXPECT_EQ(f.owner.LastClose(), GEB_CALN_CANCEL) << key;
    }
}

TEST(Calendar, KeysDoNothingWithoutKeyboardHandling) {
    CalendarFixture f(0x0019C000);
    ASSERT_TRUE(f.Create());
    f.calendar.SelectDay(Day(1970, 1, 20), TRUE);
    f.owner.Notices();
    f.calendar.PressKey(VK_RIGHT);
    f.calendar.PressKey(VK_ESCAPE);
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "1970-01-20");
    EXPECT_TRUE(f.owner.Notices().empty());
}

TEST(Calendar, SpaceTogglesTheAnchorDay) {
    CalendarFixture f;
    ASSERT_TRUE(f.Create());
    f.calendar.SelectDay(Day(1970, 1, 14), TRUE);
    f.calendar.PressKey(VK_SPACE);
    EXPECT_FALSE(f.calendar.HasSelectedDay());
    EXPECT_FALSE(f.calendar.FindDayBox(Day(1970, 1, 14))->IsSelected());
    f.calendar.PressKey(VK_SPACE);
    EXPECT_TRUE(f.calendar.FindDayBox(Day(1970, 1, 14))->IsSelected());
}

TEST(Calendar, ClickingAGreyDayTurnsThePageAndSelectsIt) {
    CalendarFixture f; // other-month days may not be selected
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    const CPoint point = BoxCenter(f.calendar, Day(2023, 4, 2));
    ctltest::Click(f.calendar.m_hWnd, point);
    EXPECT_EQ(f.calendar.GetDisplayedDate().GetMonth(), 4);
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "2023-04-02");
    EXPECT_TRUE(f.calendar.GetFocusBox()->IsSelected());

    // A click on the selected day takes the selection away again (no drag mode).
    ctltest::Click(f.calendar.m_hWnd, BoxCenter(f.calendar, Day(2023, 4, 2)));
    EXPECT_FALSE(f.calendar.HasSelectedDay());
}

TEST(Calendar, GreyDaysThatMaySelectedStayOnThePage) {
    CalendarFixture f(0x0039C000 | GEB_CAL_SELECT_OTHER_MONTH, 0x101);
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    ctltest::Click(f.calendar.m_hWnd, BoxCenter(f.calendar, Day(2023, 4, 2)));
    EXPECT_EQ(f.calendar.GetDisplayedDate().GetMonth(), 3);
    EXPECT_TRUE(f.calendar.FindDayBox(Day(2023, 4, 2))->IsSelected());
}

TEST(Calendar, ADragReleasedOutsideRestoresTheDayBefore) {
    CalendarFixture f(0x0039C000 | GEB_CAL_DRAG_MODE);
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    f.calendar.SelectDay(Day(2023, 3, 15), TRUE);
    const HWND hWnd = f.calendar.m_hWnd;
    const CPoint start = BoxCenter(f.calendar, Day(2023, 3, 8));
    const CPoint over = BoxCenter(f.calendar, Day(2023, 3, 9));
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "2023-03-08");
    ::SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "2023-03-09") << "the selection follows the mouse";
    EXPECT_FALSE(f.calendar.FindDayBox(Day(2023, 3, 8))->IsSelected());
    ::SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, -20));
    EXPECT_FALSE(f.calendar.HasSelectedDay()) << "outside, nothing is selected";
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "2023-03-15");
    EXPECT_TRUE(f.calendar.FindDayBox(Day(2023, 3, 15))->IsSelected());
    EXPECT_NE(f.owner.LastClose(), GEB_CALN_ACCEPT);
}

TEST(Calendar, ADragReleasedOnADayAcceptsIt) {
    CalendarFixture f(0x0039C000 | GEB_CAL_DRAG_MODE | GEB_CAL_ACCEPT_ON_CLICK);
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    const CPoint point = BoxCenter(f.calendar, Day(2023, 3, 21));
    ctltest::Click(f.calendar.m_hWnd, point);
    EXPECT_EQ(f.owner.LastClose(), GEB_CALN_ACCEPT);
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "2023-03-21");
}

TEST(Calendar, DoubleClickAcceptsUnderItsFlag) {
    for (const DWORD flags : {DWORD{0x0039C000}, DWORD{0x0039C100}}) {
        CalendarFixture f(flags);
        f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
        ASSERT_TRUE(f.Create());
        const CPoint point = BoxCenter(f.calendar, Day(2023, 3, 22));
        ::SendMessageA(f.calendar.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        MSG msg; // what the calendar posted to itself, and nothing of the owner's
        while (::PeekMessageA(&msg, f.calendar.m_hWnd, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        EXPECT_EQ(Text(f.calendar.GetFocusDate()), "2023-03-22");
        EXPECT_EQ(f.owner.LastClose() == GEB_CALN_ACCEPT, (flags & GEB_CAL_ACCEPT_ON_CLICK) != 0)
            << std::hex << flags;
    }
}

TEST(Calendar, MarksAreKeptInOrderAndShownWhereTheDayIs) {
    CalendarFixture f;
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    const HWND hWnd = f.calendar.m_hWnd;
    for (const COleDateTime& date : {Day(2023, 3, 20), Day(2023, 3, 5)}) {
        const CPoint point = BoxCenter(f.calendar, date);
        ::SendMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    }
    f.calendar.MarkDay(Day(2023, 5, 1), TRUE); // not on the page: listed all the same
    f.calendar.MarkDay(Day(2023, 3, 5), TRUE); // twice: listed once
    std::vector<std::string> listed;
    for (const COleDateTime& date : f.calendar.GetMarkedDays())
        listed.push_back(Text(date));
    EXPECT_EQ(listed, (std::vector<std::string>{"2023-03-05", "2023-03-20", "2023-05-01"}));
    EXPECT_TRUE(f.calendar.FindDayBox(Day(2023, 3, 20))->IsMarked());
    int nMarkNotices = 0;
    for (const Notice& notice : f.owner.Notices())
        nMarkNotices += notice.message == GEB_CALN_MARK;
    EXPECT_EQ(nMarkNotices, 3);

    // A second right click takes the mark away; a grey day of April cannot be marked on March's page.
    const CPoint point = BoxCenter(f.calendar, Day(2023, 3, 20));
    ::SendMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_FALSE(f.calendar.IsDayMarked(Day(2023, 3, 20)));
    EXPECT_FALSE(f.calendar.FindDayBox(Day(2023, 4, 1))->IsMarked());
    f.calendar.SetDisplayedDate(Day(2023, 5, 10), TRUE);
    EXPECT_TRUE(f.calendar.FindDayBox(Day(2023, 5, 1))->IsMarked())
        << "a listed day shows its mark on its page";
}

// The focus box always shows the focus day: after the page was turned by a button, Enter does not
// accept whatever day now sits in the old box.
TEST(Calendar, TurningThePageAwayFromTheFocusDayLeavesNoFocusBox) {
    CalendarFixture f;
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    f.calendar.SelectDay(Day(2023, 3, 15), TRUE);
    f.calendar.NextMonth(FALSE);
    EXPECT_EQ(f.calendar.GetFocusBox(), nullptr);
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "invalid");
    f.calendar.PrevMonth(FALSE);
    ASSERT_NE(f.calendar.GetFocusBox(), nullptr);
    EXPECT_EQ(Text(f.calendar.GetFocusDate()), "2023-03-15");
    EXPECT_TRUE(f.calendar.GetFocusBox()->IsSelected());
}

TEST(Calendar, AcceptOnSelectTellsTheOwnerOnce) {
    CalendarFixture f(0x0039C000 | GEB_CAL_ACCEPT_ON_SELECT);
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    f.owner.Notices();
    EXPECT_TRUE(f.calendar.ToggleSelectDay(Day(2023, 3, 9)));
    int nAccepts = 0;
    for (const Notice& notice : f.owner.Notices())
        nAccepts += notice.message == GEB_CALN_ACCEPT;
    EXPECT_EQ(nAccepts, 1);
    EXPECT_FALSE(f.calendar.IsWindowVisible());
}

TEST(Calendar, LayoutCoversTheWindow) {
    CalendarFixture f;
    ASSERT_TRUE(f.Create());
    CRect client;
    f.calendar.GetClientRect(&client);
    const RECT& title = f.calendar.GetTitle().GetRect();
    const RECT& last = f.calendar.GetDayBox(41)->GetRect();
    EXPECT_EQ(title.top, 0);
    EXPECT_EQ(title.bottom, static_cast<int>(0.175 * (client.Height() - 1)));
    EXPECT_EQ(last.right, client.right - 1);
    EXPECT_EQ(last.bottom, client.bottom - 1);
    EXPECT_EQ(f.calendar.GetDayBox(0)->GetRect().top, static_cast<int>(client.Height() * 0.25));
    // The buttons sit inside the title, the month buttons between the year buttons.
    CRect prevYear;
    CRect prevMonth;
    f.calendar.GetTitle().GetButton(GEB_ID_PREV_YEAR)->GetWindowRect(&prevYear);
    f.calendar.GetTitle().GetButton(GEB_ID_PREV_MONTH)->GetWindowRect(&prevMonth);
    EXPECT_LT(prevYear.right, prevMonth.right);
    EXPECT_GT(prevYear.Width(), 1);
}

// The title and the day bar speak the user's language.
TEST(Calendar, GermanTitleAndDayNamesDeDE) {
    CalendarFixture f;
    f.calendar.SetDisplayedDate(Day(2023, 3, 15), FALSE);
    ASSERT_TRUE(f.Create());
    EXPECT_EQ(f.calendar.GetTitle().GetText(), CString("M\xE4rz 2023"));
    EXPECT_EQ(f.calendar.GetDayBar().DayName(f.calendar.GetDayBar().DayOfColumn(1)), CString("So."));
    f.calendar.SetMonthFlags(0x17F);
    f.calendar.SetDisplayedDate(Day(2023, 10, 1), FALSE);
    EXPECT_EQ(f.calendar.GetTitle().GetText(), CString("Oktober 2023"))
        << "the title's flags were set at creation";
}
