// The date-time editor: formats parsed into fields, what each field request does to the date, the range
// and its corrections, typing digits and names, the spin buttons' repeat, the keys and the calendar.
#include "DateTimeSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dttest;

namespace {

COleDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return COleDateTime(y, mo, d, h, mi, s);
}

} // namespace

TEST(DateTimeCtrl, FormatsBecomeFields) {
    struct Case {
        const char* format;
        const char* gadgets;
    } const cases[] = {
        {"dd/MM/yyyy", "N32+ S'/' N128+ S'/' N1024"},
        {"d.M.yy", "N32 S'.' N128 S'.' N512+"},
        {"yyy-MM-dd", "N1024 S'-' N128+ S'-' N32+"},
        {"hh:mm:ss tt", "N1+ S':' N4+ S':' N8+ S' ' L16"},
        {"H:m", "N2 S':' N4"},
        {"dddd, MMMM d, yyyy", "L64 S', ' L256 S' ' N32 S', ' N1024"},
        {"ddd MMM", "L64 S' ' L256"},
        {"'Week of' d", "S'Week of ' N32"},
        {"\"it's\" d", "S'it's ' N32"},
        {"d 'open", "N32 S' open'"},
        {"gg yyyy", "S' ' N1024"},
        {"", ""},
    };
    for (const Case& c : cases) {
        DateTimeHost host(c.format);
        ASSERT_TRUE(host.created);
        EXPECT_EQ(Describe(host.ctrl), c.gadgets) << c.format;
    }
    DateTimeHost docked("dd/MM/yyyy", At(2023, 3, 15), WS_VISIBLE | GEB_DTS_DROPDOWN | GEB_DTS_SPIN);
    EXPECT_EQ(Describe(docked.ctrl), "B P N32+ S'/' N128+ S'/' N1024");
    EXPECT_EQ(docked.ctrl.GetDockedCount(), 2);
    EXPECT_EQ(docked.ctrl.FocusedId(), GEB_DTF_DAY) << "the first field has the focus";
    EXPECT_TRUE(docked.ctrl.FormatHasDate());
    DateTimeHost time("HH:mm");
    EXPECT_FALSE(time.ctrl.FormatHasDate());
}

TEST(DateTimeCtrl, FieldsShowTheValue) {
    struct Case {
        const char* format;
        COleDateTime value;
        const char* shown;
    } const cases[] = {
        {"dd/MM/yyyy", At(2023, 3, 5), "05/03/2023"},
        {"d.M.yy", At(2007, 11, 9), "9.11.07"},
        {"hh:mm tt", At(2023, 3, 5, 0, 7), "12:07 AM"},
        {"hh:mm tt", At(2023, 3, 5, 12, 7), "12:07 PM"},
        {"h:mm t", At(2023, 3, 5, 15, 45), "3:45 P"},
        {"HH:mm:ss", At(2023, 3, 5, 15, 4, 9), "15:04:09"},
        {"dddd, MMMM d", At(2023, 3, 5), "Sunday, March 5"},
        {"ddd MMM", At(2023, 12, 1), "Fri Dec"},
    };
    for (const Case& c : cases) {
        DateTimeHost host(c.format, c.value);
        EXPECT_EQ(Shown(host.ctrl), c.shown) << c.format;
    }
}

TEST(DateTimeCtrl, FieldRequests) {
    struct Case {
        const char* format;
        COleDateTime from;
        int field;
        int code;
        int value;
        const char* to; // "refused" when the request is refused
    } const cases[] = {
        // Day: wraps inside the month; typed days must exist.
        {"dd/MM/yyyy", At(2023, 1, 31), GEB_DTF_DAY, GEB_DTN_INCREMENT, 0, "2023-01-01 00:00:00"},
        {"dd/MM/yyyy", At(2023, 3, 1), GEB_DTF_DAY, GEB_DTN_DECREMENT, 0, "2023-03-31 00:00:00"},
        {"dd/MM/yyyy", At(2023, 2, 1), GEB_DTF_DAY, GEB_DTN_DECREMENT, 0, "2023-02-28 00:00:00"},
        {"dd/MM/yyyy", At(2023, 2, 10), GEB_DTF_DAY, GEB_DTN_SET, 31, "refused"},
        {"dd/MM/yyyy", At(2024, 2, 10), GEB_DTF_DAY, GEB_DTN_SET, 29, "2024-02-29 00:00:00"},
        {"dd/MM/yyyy", At(2023, 4, 10), GEB_DTF_DAY, GEB_DTN_LAST, 0, "2023-04-30 00:00:00"},
        {"dd/MM/yyyy", At(2023, 4, 10), GEB_DTF_DAY, GEB_DTN_INCREMENT_BY, 5, "2023-04-12 00:00:00"},
        // Month: a day beyond the new month's end moves back to it.
        {"dd/MM/yyyy", At(2023, 1, 31), GEB_DTF_MONTH, GEB_DTN_INCREMENT, 0, "2023-02-28 00:00:00"},
        {"dd/MM/yyyy", At(2024, 1, 31), GEB_DTF_MONTH, GEB_DTN_INCREMENT, 0, "2024-02-29 00:00:00"},
        {"dd/MM/yyyy", At(2023, 12, 5), GEB_DTF_MONTH, GEB_DTN_INCREMENT, 0, "2023-01-05 00:00:00"},
        {"dd/MM/yyyy", At(2023, 1, 5), GEB_DTF_MONTH, GEB_DTN_DECREMENT, 0, "2023-12-05 00:00:00"},
        {"dd/MM/yyyy", At(2023, 5, 31), GEB_DTF_MONTH, GEB_DTN_SET, 6, "2023-06-30 00:00:00"},
        {"dd/MM/yyyy", At(2023, 5, 31), GEB_DTF_MONTH, GEB_DTN_SET, 13, "refused"},
        {"dd MMMM yyyy", At(2023, 5, 31), GEB_DTF_MONTHNAME, GEB_DTN_SET, 8, "2023-09-30 00:00:00"},
        // Year: steps by the spin's count, within 100..9999.
        {"dd/MM/yyyy", At(2023, 5, 1), GEB_DTF_YEAR4, GEB_DTN_INCREMENT_BY, 5, "2028-05-01 00:00:00"},
        {"dd/MM/yyyy", At(9998, 5, 1), GEB_DTF_YEAR4, GEB_DTN_INCREMENT_BY, 5, "9999-05-01 00:00:00"},
        {"dd/MM/yyyy", At(2024, 2, 29), GEB_DTF_YEAR4, GEB_DTN_INCREMENT, 0, "2025-02-28 00:00:00"},
        {"dd/MM/yyyy", At(2023, 5, 1), GEB_DTF_YEAR4, GEB_DTN_SET, 99, "refused"},
        // Hours, minutes, seconds wrap; spin steps are at most 2.
        {"HH:mm:ss", At(2023, 5, 1, 23, 59, 59), GEB_DTF_MINUTE, GEB_DTN_INCREMENT, 0, "2023-05-01 23:00:59"},
        {"HH:mm:ss", At(2023, 5, 1, 23, 1, 0), GEB_DTF_MINUTE, GEB_DTN_DECREMENT_BY, 5,
         "2023-05-01 23:59:00"},
        {"HH:mm:ss", At(2023, 5, 1, 23, 1, 0), GEB_DTF_HOUR24, GEB_DTN_INCREMENT, 0, "2023-05-01 00:01:00"},
        {"HH:mm:ss", At(2023, 5, 1, 0, 1, 0), GEB_DTF_HOUR24, GEB_DTN_DECREMENT, 0, "2023-05-01 23:01:00"},
        {"HH:mm:ss", At(2023, 5, 1, 7, 1, 0), GEB_DTF_HOUR24, GEB_DTN_SET, 24, "refused"},
        {"HH:mm:ss", At(2023, 5, 1, 7, 1, 30), GEB_DTF_SECOND, GEB_DTN_LAST, 0, "2023-05-01 07:01:59"},
        // A 12-hour entry keeps its half of the day: 12 is midnight in the morning, noon in the afternoon.
        {"hh:mm tt", At(2023, 5, 1, 3, 0), GEB_DTF_HOUR12, GEB_DTN_SET, 12, "2023-05-01 00:00:00"},
        {"hh:mm tt", At(2023, 5, 1, 15, 0), GEB_DTF_HOUR12, GEB_DTN_SET, 12, "2023-05-01 12:00:00"},
        {"hh:mm tt", At(2023, 5, 1, 15, 0), GEB_DTF_HOUR12, GEB_DTN_SET, 9, "2023-05-01 21:00:00"},
        {"hh:mm tt", At(2023, 5, 1, 15, 0), GEB_DTF_HOUR12, GEB_DTN_SET, 0, "refused"},
        {"hh:mm tt", At(2023, 5, 1, 3, 0), GEB_DTF_AMPM, GEB_DTN_INCREMENT, 0, "2023-05-01 15:00:00"},
        {"hh:mm tt", At(2023, 5, 1, 15, 0), GEB_DTF_AMPM, GEB_DTN_SET, 0, "2023-05-01 03:00:00"},
        {"hh:mm tt", At(2023, 5, 1, 3, 0), GEB_DTF_AMPM, GEB_DTN_LAST, 0, "2023-05-01 15:00:00"},
        // Day of week: within the week of the date (Wednesday 15 March 2023).
        {"dddd d", At(2023, 3, 15), GEB_DTF_DAYOFWEEK, GEB_DTN_SET, 0, "2023-03-12 00:00:00"},
        {"dddd d", At(2023, 3, 15), GEB_DTF_DAYOFWEEK, GEB_DTN_FIRST, 0, "2023-03-12 00:00:00"},
        {"dddd d", At(2023, 3, 15), GEB_DTF_DAYOFWEEK, GEB_DTN_LAST, 0, "2023-03-18 00:00:00"},
        {"dddd d", At(2023, 3, 31), GEB_DTF_DAYOFWEEK, GEB_DTN_INCREMENT, 0, "2023-04-01 00:00:00"},
    };
    for (const Case& c : cases) {
        DateTimeHost host(c.format, c.from);
        const int nResult = host.ctrl.OnGadgetNotify(c.code, c.field, c.value);
        const std::string expected = c.to;
        EXPECT_EQ(nResult != 0, expected != "refused")
            << c.format << " field " << c.field << " code " << c.code;
        EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), expected == "refused" ? Stamp(c.from) : expected)
            << Stamp(c.from) << " field " << c.field << " code " << c.code << " value " << c.value;
        EXPECT_EQ(host.ctrl.changes, expected == "refused" ? 0 : 1);
    }
}

TEST(DateTimeCtrl, ATestRequestChangesNothing) {
    DateTimeHost host("dd/MM/yyyy", At(2023, 2, 10));
    EXPECT_TRUE(host.ctrl.OnGadgetNotify(GEB_DTN_TEST, GEB_DTF_DAY, 28));
    EXPECT_FALSE(host.ctrl.OnGadgetNotify(GEB_DTN_TEST, GEB_DTF_DAY, 30));
    EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), "2023-02-10 00:00:00");
    EXPECT_EQ(host.ctrl.GetChangeFlags() & GEB_DTC_CHANGED, 0u);
    EXPECT_EQ(host.ctrl.changes, 0);
}

TEST(DateTimeCtrl, TwoDigitYearsTakeACentury) {
    struct Case {
        DWORD style;
        int value;
        int year;
    } const cases[] = {
        {GEB_DTS_NEAR_CENTURY, 5, 2005}, {GEB_DTS_NEAR_CENTURY, 60, 1960}, {GEB_DTS_NEAR_CENTURY, 30, 2030},
        {GEB_DTS_KEEP_CENTURY, 5, 1905}, {GEB_DTS_KEEP_CENTURY, 99, 1999},
    };
    for (const Case& c : cases) {
        DateTimeHost host("dd.MM.yy", At(1980, 6, 15), WS_VISIBLE | c.style);
        ASSERT_TRUE(host.ctrl.OnGadgetNotify(GEB_DTN_SET, GEB_DTF_YEAR2, c.value));
        EXPECT_EQ(host.ctrl.GetDateTime().GetYear(), c.year)
            << std::hex << c.style << std::dec << " " << c.value;
    }
}

TEST(DateTimeCtrl, TheRangeRefusesAndCorrects) {
    // Dates only, from 10 March 2004.
    DateTimeHost host("dd/MM/yyyy HH:mm:ss", At(2004, 3, 15, 14, 20, 0));
    ASSERT_TRUE(host.ctrl.SetRange(At(2004, 3, 10, 9, 0), At(2004, 12, 31), 2));
    EXPECT_EQ(Stamp(host.ctrl.GetMinimum()), "2004-03-10 00:00:00") << "mode 2 keeps the days";
    EXPECT_FALSE(host.ctrl.OnGadgetNotify(GEB_DTN_DECREMENT, GEB_DTF_MONTH, 0)) << "February is below";
    EXPECT_FALSE(host.ctrl.OnGadgetNotify(GEB_DTN_SET, GEB_DTF_DAY, 9));
    EXPECT_TRUE(host.ctrl.OnGadgetNotify(GEB_DTN_FIRST, GEB_DTF_DAY, 0));
    EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), "2004-03-10 00:00:00")
        << "Home takes the minimum's lower fields";
    EXPECT_TRUE(host.ctrl.OnGadgetNotify(GEB_DTN_FIRST, GEB_DTF_YEAR4, 0));
    EXPECT_EQ(host.ctrl.GetDateTime().GetYear(), 2004);

    // Date and time: Home in the seconds field gives the minimum's seconds when the rest equals it.
    DateTimeHost seconds("HH:mm:ss", At(2004, 3, 10, 8, 30, 40));
    ASSERT_TRUE(seconds.ctrl.SetRange(At(2004, 3, 10, 8, 30, 15), At(2004, 3, 10, 17, 0), 3));
    EXPECT_TRUE(seconds.ctrl.OnGadgetNotify(GEB_DTN_FIRST, GEB_DTF_SECOND, 0));
    EXPECT_EQ(Stamp(seconds.ctrl.GetDateTime()), "2004-03-10 08:30:15");
    EXPECT_FALSE(seconds.ctrl.OnGadgetNotify(GEB_DTN_SET, GEB_DTF_HOUR24, 7));
}

TEST(DateTimeCtrl, SetRangeRefusesBadRangesAndBringsTheValueIn) {
    DateTimeHost host("dd/MM/yyyy HH:mm", At(2023, 5, 5, 7, 0));
    EXPECT_FALSE(host.ctrl.SetRange(At(2023, 6, 1), At(2023, 5, 1), 3)) << "inverted";
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(host.ctrl.SetRange(bad, At(2023, 5, 1), 3));
    EXPECT_EQ(host.ctrl.GetRangeMode(), 0);
    // A range of times keeps the value's day: only its time is brought into the range.
    ASSERT_TRUE(host.ctrl.SetRange(At(2020, 1, 1, 8, 0), At(2019, 1, 1, 17, 0), 1));
    EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), "2023-05-05 08:00:00");
    EXPECT_TRUE(host.ctrl.IsInRange(At(1999, 1, 1, 12, 0)));
    EXPECT_FALSE(host.ctrl.IsInRange(At(2023, 5, 5, 18, 0)));
    // Dates: a value after the maximum becomes the maximum.
    DateTimeHost dates("dd/MM/yyyy", At(2023, 5, 5));
    ASSERT_TRUE(dates.ctrl.SetRange(At(2022, 1, 1), At(2022, 12, 31), 2));
    EXPECT_EQ(Stamp(dates.ctrl.GetDateTime()), "2022-12-31 00:00:00");
    EXPECT_FALSE(dates.ctrl.SetDateTime(bad));
}

TEST(DateTimeCtrl, TypedDigitsFillAFieldAndMoveOn) {
    DateTimeHost host("dd/MM/yyyy", At(2023, 3, 15));
    host.ctrl.Type("31");
    EXPECT_EQ(host.ctrl.GetDateTime().GetDay(), 31);
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_MONTH) << "fast input moves on";
    host.ctrl.Type("4");
    auto* pMonth = dynamic_cast<CGEBDTNumericGadget*>(host.ctrl.GetFocusedGadget());
    ASSERT_NE(pMonth, nullptr);
    EXPECT_TRUE(pMonth->IsTyping());
    EXPECT_EQ(host.ctrl.GetDateTime().GetMonth(), 3) << "not committed yet";
    EXPECT_EQ(host.ctrl.GetChangeFlags() & GEB_DTC_TYPING, GEB_DTC_TYPING);
    host.ctrl.Type("/");
    EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), "2023-04-30 00:00:00") << "April has no 31st: its last day";
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_YEAR4) << "the separator skips to the next field";
    EXPECT_EQ(host.ctrl.GetChangeFlags() & GEB_DTC_TYPING, 0u);
    host.ctrl.Type("2024");
    EXPECT_EQ(host.ctrl.GetDateTime().GetYear(), 2024);
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_YEAR4) << "the last field keeps the focus";
}

TEST(DateTimeCtrl, LeadingZerosAndTypingEndings) {
    struct Case {
        const char* typed;
        int minute;
        bool typing;
    } const cases[] = {
        {"7", 30, true}, {"05", 5, false}, {"005", 5, false}, {"7x", 30, false}, {"75", 30, false},
    };
    for (const Case& c : cases) {
        DateTimeHost host("HH:mm", At(2023, 3, 15, 9, 30));
        host.ctrl.SetFastInput(FALSE);
        host.ctrl.Key(VK_RIGHT);
        ASSERT_EQ(host.ctrl.FocusedId(), GEB_DTF_MINUTE);
        host.ctrl.Type(c.typed);
        auto* pMinute = dynamic_cast<CGEBDTNumericGadget*>(host.ctrl.GetFocusedGadget());
        EXPECT_EQ(pMinute->IsTyping(), c.typing) << c.typed;
        EXPECT_EQ(host.ctrl.GetDateTime().GetMinute(), c.minute) << c.typed;
        EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_MINUTE) << "without fast input the focus stays";
    }
}

TEST(DateTimeCtrl, NameFieldsSearchByInitial) {
    DateTimeHost host("MMMM yyyy", At(2023, 3, 15));
    auto* pList = dynamic_cast<CGEBDTListGadget*>(host.ctrl.GetFocusedGadget());
    ASSERT_NE(pList, nullptr);
    host.ctrl.Type("m");
    EXPECT_EQ(host.ctrl.GetDateTime().GetMonth(), 5) << "March: M goes on to May";
    host.ctrl.Type("M");
    EXPECT_EQ(host.ctrl.GetDateTime().GetMonth(), 3) << "the same initial again cycles on to March";
    EXPECT_TRUE(pList->IsTyping());
    pList->OnTimer(); // two seconds without a letter
    EXPECT_FALSE(pList->IsTyping());
    EXPECT_TRUE(pList->GetPrefix().IsEmpty());
    host.ctrl.Type("ju");
    EXPECT_EQ(host.ctrl.GetDateTime().GetMonth(), 6) << "J then u: June";
    host.ctrl.Type("l");
    EXPECT_EQ(host.ctrl.GetDateTime().GetMonth(), 7) << "Jul: July";
    host.ctrl.Type("z");
    EXPECT_EQ(host.ctrl.GetDateTime().GetMonth(), 7) << "no month begins with Julz";
    EXPECT_TRUE(pList->GetPrefix().IsEmpty());
    host.ctrl.Type("q");
    EXPECT_EQ(host.ctrl.GetDateTime().GetMonth(), 7);
}

TEST(DateTimeCtrl, KeysMoveBetweenAndStepFields) {
    DateTimeHost host("dd/MM/yyyy", At(2023, 3, 15));
    struct Step {
        UINT key;
        BOOL shift;
        int focused;
        const char* value;
    } const steps[] = {
        {VK_UP, FALSE, GEB_DTF_DAY, "2023-03-16 00:00:00"},
        {VK_RIGHT, FALSE, GEB_DTF_MONTH, "2023-03-16 00:00:00"},
        {VK_DOWN, FALSE, GEB_DTF_MONTH, "2023-02-16 00:00:00"},
        {VK_TAB, FALSE, GEB_DTF_YEAR4, "2023-02-16 00:00:00"},
        {VK_RIGHT, FALSE, GEB_DTF_YEAR4, "2023-02-16 00:00:00"},
        {VK_ADD, FALSE, GEB_DTF_YEAR4, "2024-02-16 00:00:00"},
        {VK_TAB, TRUE, GEB_DTF_MONTH, "2024-02-16 00:00:00"},
        {VK_END, FALSE, GEB_DTF_MONTH, "2024-12-16 00:00:00"},
        {VK_LEFT, FALSE, GEB_DTF_DAY, "2024-12-16 00:00:00"},
        {VK_END, FALSE, GEB_DTF_DAY, "2024-12-31 00:00:00"},
        {VK_SUBTRACT, FALSE, GEB_DTF_DAY, "2024-12-30 00:00:00"},
        {VK_HOME, FALSE, GEB_DTF_DAY, "2024-12-01 00:00:00"},
        {VK_LEFT, FALSE, GEB_DTF_DAY, "2024-12-01 00:00:00"},
    };
    for (const Step& step : steps) {
        host.ctrl.shift = step.shift;
        host.ctrl.Key(step.key);
        EXPECT_EQ(host.ctrl.FocusedId(), step.focused) << step.key;
        EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), step.value) << step.key;
    }
    EXPECT_EQ(host.ctrl.GetChangeFlags() & GEB_DTC_CHANGED, GEB_DTC_CHANGED);
}

TEST(DateTimeCtrl, FieldsThatMayNotChangeAreSkipped) {
    DateTimeHost host("dd/MM/yyyy", At(2023, 3, 15));
    host.ctrl.SetNoEditFields(GEB_DTNE_MONTH);
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_DAY);
    host.ctrl.Key(VK_RIGHT);
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_YEAR4);
    host.ctrl.SetNoEditFields(GEB_DTNE_DAY | GEB_DTNE_YEAR);
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_MONTH) << "the first field that may change";
    EXPECT_TRUE(host.ctrl.IsFirstField());
    EXPECT_TRUE(host.ctrl.IsLastField());
}

TEST(DateTimeCtrl, HeldSpinButtonRepeatsFasterAndStopsOffTheArrow) {
    DateTimeHost host("dd/MM/yyyy", At(2023, 3, 15), WS_VISIBLE | GEB_DTS_SPIN);
    host.ctrl.Key(VK_RIGHT);
    host.ctrl.Key(VK_RIGHT); // the year
    auto* pSpin = dynamic_cast<CGEBDTSpinGadget*>(host.ctrl.GetGadget(0));
    ASSERT_NE(pSpin, nullptr);
    const RECT rect = *pSpin->GetRect();
    const CPoint upper((rect.left + rect.right) / 2, rect.top + 2);
    host.ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(upper.x, upper.y));
    EXPECT_EQ(host.ctrl.GetDateTime().GetYear(), 2024) << "a press steps at once";
    EXPECT_TRUE(pSpin->HasTimer());
    EXPECT_NE(pSpin->GetState() & GEB_SPIN_INITIAL_DELAY, 0u);
    int nExpected = 2024;
    for (int nRepeat = 1; nRepeat <= 60; ++nRepeat) {
        pSpin->OnTimer();
        nExpected += CGEBDTSpinGadget::StepOfRepeat(nRepeat);
    }
    EXPECT_EQ(nExpected, 2024 + 20 * 1 + 30 * 2 + 10 * 5);
    EXPECT_EQ(host.ctrl.GetDateTime().GetYear(), nExpected);
    EXPECT_EQ(pSpin->GetState() & GEB_SPIN_INITIAL_DELAY, 0u);

    // Off the arrow the repeat stops; back on it, it starts again from the first steps.
    host.ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(upper.x, rect.bottom - 2));
    EXPECT_FALSE(pSpin->HasTimer());
    EXPECT_EQ(pSpin->GetState() & GEB_SPIN_UP_PRESSED, 0u);
    host.ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(upper.x, upper.y));
    EXPECT_TRUE(pSpin->HasTimer());
    EXPECT_EQ(pSpin->GetRepeatCount(), 0);
    host.ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(upper.x, upper.y));
    EXPECT_FALSE(pSpin->HasTimer());
    EXPECT_EQ(pSpin->GetState(), 0u);

    // The lower arrow steps down.
    const int nYear = host.ctrl.GetDateTime().GetYear();
    host.ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(upper.x, rect.bottom - 2));
    host.ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(upper.x, rect.bottom - 2));
    EXPECT_EQ(host.ctrl.GetDateTime().GetYear(), nYear - 1);
}

TEST(DateTimeCtrl, ClicksFocusTheFieldUnderThePoint) {
    DateTimeHost host("dd/MM/yyyy", At(2023, 3, 15));
    const RECT year = *host.ctrl.GetGadget(host.ctrl.IndexOf(GEB_DTF_YEAR4))->GetRect();
    ctltest::Click(host.ctrl.m_hWnd, CPoint(year.left + 2, 5));
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_YEAR4);
    const RECT slash = *host.ctrl.GetGadget(host.ctrl.IndexOf(GEB_DTF_DAY) + 1)->GetRect();
    ctltest::Click(host.ctrl.m_hWnd, CPoint(slash.left + 1, 5));
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_MONTH) << "a separator gives the field after it";
}

TEST(DateTimeCtrl, TheCalendarPicksTheDayAndKeepsTheTime) {
    DateTimeHost host("dd/MM/yyyy HH:mm", At(2023, 3, 15, 9, 30),
                      WS_VISIBLE | GEB_DTS_DROPDOWN | GEB_DTS_SPIN);
    host.ctrl.Key(VK_F4);
    CGEBPopupCalendar* pPopup = host.ctrl.GetPopupCalendar();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_TRUE(pPopup->IsWindowVisible());
    EXPECT_EQ(caltest::Text(pPopup->GetFocusDate()), "2023-03-15");
    EXPECT_EQ(pPopup->GetCalendarFlags() & 0x1000200u, 0x1000200u);
    EXPECT_FALSE(GEGetLibraryState()->m_bPopupCreating) << "the pop-up flag is down again";
    pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    pPopup->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pPopup->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    host.ctrl.PumpOwn();
    EXPECT_EQ(host.ctrl.GetPopupCalendar(), nullptr) << "the calendar is gone";
    EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), "2023-03-23 09:30:00");
    EXPECT_EQ(host.ctrl.changes, 1);

    // Escape leaves the value; Alt+Down opens the calendar as well, and a click on a grey day of the next
    // month selects it without turning the page.
    host.ctrl.SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    pPopup = host.ctrl.GetPopupCalendar();
    ASSERT_NE(pPopup, nullptr);
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    host.ctrl.PumpOwn();
    EXPECT_EQ(host.ctrl.GetPopupCalendar(), nullptr);
    EXPECT_EQ(Stamp(host.ctrl.GetDateTime()), "2023-03-23 09:30:00");
}

TEST(DateTimeCtrl, TheDropButtonOpensTheCalendar) {
    DateTimeHost host("dd/MM/yyyy", At(2023, 3, 15), WS_VISIBLE | GEB_DTS_DROPDOWN);
    const RECT rect = *host.ctrl.GetGadget(0)->GetRect();
    const CPoint point((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ctltest::Click(host.ctrl.m_hWnd, point);
    ASSERT_NE(host.ctrl.GetPopupCalendar(), nullptr);
    CRect popup;
    host.ctrl.GetPopupCalendar()->GetWindowRect(&popup);
    CRect editor;
    host.ctrl.GetWindowRect(&editor);
    EXPECT_EQ(popup.top, editor.bottom) << "below the editor";
    EXPECT_EQ(popup.left, editor.left);
}

TEST(DateTimeCtrl, LocaleFormats) {
    DateTimeHost host("", At(2023, 3, 5, 14, 7, 9));
    host.ctrl.SetFormatType(1);
    EXPECT_EQ(Shown(host.ctrl), "3/5/2023");
    host.ctrl.SetFormatType(0);
    EXPECT_EQ(Shown(host.ctrl), "2:07:09 PM");
}

TEST(DateTimeCtrl, GermanLocaleFormatsDeDE) {
    DateTimeHost host("", At(2023, 3, 5, 14, 7, 9));
    host.ctrl.SetFormatType(1);
    // Day first, with or without leading zeros (Wine writes "d.M.yyyy", Windows "dd.MM.yyyy").
    const std::string shown = Shown(host.ctrl);
    EXPECT_TRUE(shown == "05.03.2023" || shown == "5.3.2023") << shown;
    std::string fields = Describe(host.ctrl);
    fields.erase(std::remove(fields.begin(), fields.end(), '+'), fields.end());
    EXPECT_EQ(fields, "N32 S'.' N128 S'.' N1024");
    host.ctrl.SetFormatType(0);
    EXPECT_EQ(Shown(host.ctrl), "14:07:09");
    host.ctrl.SetCustomFormat("dddd, d. MMMM");
    EXPECT_EQ(Shown(host.ctrl), "Sonntag, 5. M\xE4rz");
    // Typing the locale's separator moves on.
    host.ctrl.SetFormatType(1);
    host.ctrl.Type("7.");
    EXPECT_EQ(host.ctrl.FocusedId(), GEB_DTF_MONTH);
    EXPECT_EQ(host.ctrl.GetDateTime().GetDay(), 7);
}

TEST(DateTimeCtrl, TheParentHearsOfChangesUnlessItAskedNotTo) {
    for (const DWORD dwExStyle : {DWORD{0}, DWORD{WS_EX_NOPARENTNOTIFY}}) {
        caltest::OwnerWindow owner;
        // A parent that counts the editor's notifications.
        struct Parent : CWnd {
            int notes = 0;
            BOOL OnCommand(WPARAM wParam, LPARAM) override {
                notes += HIWORD(wParam) == GEB_DTN_CHANGED && LOWORD(wParam) == 55;
                return TRUE;
            }
        } parent;
        parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_CHILD | WS_VISIBLE, RECT{0, 0, 300, 60},
                        owner.Wnd(), 9);
        TestDateTimeCtrl ctrl;
        ctrl.SetCustomFormat("dd/MM/yyyy");
        ASSERT_TRUE(ctrl.Create(dwExStyle, WS_VISIBLE, RECT{0, 0, 200, 24}, &parent, 55));
        ctrl.Key(VK_UP);
        EXPECT_EQ(parent.notes, dwExStyle == 0 ? 1 : 0);
        ctrl.DestroyWindow();
        parent.DestroyWindow();
    }
}
