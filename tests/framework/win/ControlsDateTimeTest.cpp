// Date and time pickers and month calendars: values as CTime, COleDateTime and SYSTEMTIME, no value,
// ranges, formats, the calendar's selection and size, and their data exchange.
#include "ControlsTestSupport.h"

#include <string>

using namespace ctltest;

namespace {

constexpr UINT IDC_PICKER = 3701;
constexpr UINT IDC_CALENDAR = 3711;

std::string Text(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return static_cast<LPCSTR>(text);
}

// A window whose DoDataExchange moves a picker's and a calendar's values.
class ExchangeWnd : public ParentWnd {
public:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_DateTimeCtrl(pDX, IDC_PICKER, when);
        DDX_DateTimeCtrl(pDX, IDC_PICKER + 1, oleWhen);
        DDX_MonthCalCtrl(pDX, IDC_CALENDAR, day);
        DDX_MonthCalCtrl(pDX, IDC_CALENDAR + 1, oleDay);
    }
    CTime when;
    COleDateTime oleWhen;
    CTime day;
    COleDateTime oleDay;
};

} // namespace

using DateTimeTest = ControlsTest;

TEST_F(DateTimeTest, PickerKeepsCTimeAndOleDateTimeValues) {
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, Area(10, 10, 200, 24), &parent,
                              IDC_PICKER));

    const CTime time(2024, 2, 29, 13, 45, 10);
    ASSERT_TRUE(picker.SetTime(&time));
    CTime read;
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(read, time);

    const COleDateTime ole(1999, 12, 31, 23, 59, 58);
    ASSERT_TRUE(picker.SetTime(ole));
    COleDateTime oleRead;
    ASSERT_TRUE(picker.GetTime(oleRead));
    EXPECT_EQ(oleRead.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(oleRead, ole);
    SYSTEMTIME st{};
    EXPECT_EQ(picker.GetTime(&st), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(st.wYear, 1999);
    EXPECT_EQ(st.wSecond, 58);

    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(picker.SetTime(invalid));
    ASSERT_TRUE(picker.GetTime(oleRead));
    EXPECT_EQ(oleRead, ole); // unchanged

    // A picker without DTS_SHOWNONE always holds a date.
    EXPECT_FALSE(picker.SetTime(static_cast<const CTime*>(nullptr)));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_VALID));
}

TEST_F(DateTimeTest, PickerWithShowNoneHoldsNoValue) {
    CDateTimeCtrl picker;
    ASSERT_TRUE(
        picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, Area(10, 10, 200, 24), &parent, IDC_PICKER));
    const CTime time(2023, 7, 1, 8, 0, 0);
    ASSERT_TRUE(picker.SetTime(&time));
    ASSERT_TRUE(picker.SetTime(static_cast<const CTime*>(nullptr)));
    CTime read = time;
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(read, time); // left as it was

    COleDateTime ole(2001, 1, 1, 0, 0, 0);
    ASSERT_TRUE(picker.GetTime(ole));
    EXPECT_EQ(ole.GetStatus(), COleDateTime::null);

    ASSERT_TRUE(picker.SetTime(COleDateTime(2022, 3, 4, 5, 6, 7)));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_VALID));
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    ASSERT_TRUE(picker.SetTime(none));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_NONE));
}

TEST_F(DateTimeTest, PickerRangeAndFormat) {
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, Area(10, 10, 200, 24), &parent, IDC_PICKER));
    const CTime low(2020, 1, 1, 0, 0, 0);
    const CTime high(2020, 12, 31, 0, 0, 0);
    ASSERT_TRUE(picker.SetRange(&low, &high));
    CTime readLow;
    CTime readHigh;
    EXPECT_EQ(picker.GetRange(&readLow, &readHigh), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(readLow, low);
    EXPECT_EQ(readHigh, high);

    const CTime inside(2020, 6, 15, 12, 0, 0);
    ASSERT_TRUE(picker.SetTime(&inside));

    // Only a lower end: the upper one reads as null.
    const COleDateTime oleLow(2010, 5, 5, 0, 0, 0);
    ASSERT_TRUE(picker.SetRange(&oleLow, nullptr));
    COleDateTime rangeLow;
    COleDateTime rangeHigh(2000, 1, 1, 0, 0, 0);
    EXPECT_EQ(picker.GetRange(&rangeLow, &rangeHigh), static_cast<DWORD>(GDTR_MIN));
    EXPECT_EQ(rangeLow, oleLow);
    EXPECT_EQ(rangeHigh.GetStatus(), COleDateTime::null);

    ASSERT_TRUE(picker.SetFormat("'Week of' yyyy'-'MM'-'dd"));
    EXPECT_EQ(Text(picker), "Week of 2020-06-15");
    ASSERT_TRUE(picker.SetFormat("HH':'mm"));
    EXPECT_EQ(Text(picker), "12:00");

    // The drop-down calendar exists while it is shown (some versions keep it hidden in between).
    if (CMonthCalCtrl* calendar = picker.GetMonthCalCtrl()) {
        EXPECT_TRUE(calendar->IsKindOf(RUNTIME_CLASS(CMonthCalCtrl)));
        char name[32] = {};
        ::GetClassNameA(calendar->m_hWnd, name, sizeof name);
        EXPECT_STREQ(name, MONTHCAL_CLASSA);
    }
}

TEST_F(DateTimeTest, CalendarSelectionTodayRangeAndSize) {
    CMonthCalCtrl calendar;
    ASSERT_TRUE(calendar.Create(WS_CHILD | WS_VISIBLE, CPoint(10, 10), &parent, IDC_CALENDAR));
    CRect minimum;
    ASSERT_TRUE(calendar.GetMinReqRect(&minimum));
    EXPECT_GT(minimum.Width(), 100);
    EXPECT_GT(minimum.Height(), 100);
    CRect window;
    calendar.GetWindowRect(&window);
    EXPECT_EQ(window.Width(), minimum.Width());
    EXPECT_EQ(window.Height(), minimum.Height());

    // The selection is a day: the time of day is dropped.
    ASSERT_TRUE(calendar.SetCurSel(CTime(2024, 3, 15, 18, 30, 0)));
    CTime day;
    ASSERT_TRUE(calendar.GetCurSel(day));
    EXPECT_EQ(day, CTime(2024, 3, 15, 0, 0, 0));
    COleDateTime oleDay;
    ASSERT_TRUE(calendar.GetCurSel(oleDay));
    EXPECT_EQ(oleDay, COleDateTime(2024, 3, 15, 0, 0, 0));
    ASSERT_TRUE(calendar.SetCurSel(COleDateTime(2024, 4, 2, 9, 0, 0)));
    ASSERT_TRUE(calendar.GetCurSel(day));
    EXPECT_EQ(day, CTime(2024, 4, 2, 0, 0, 0));

    const CTime today(2024, 4, 10, 0, 0, 0);
    calendar.SetToday(&today);
    CTime readToday;
    ASSERT_TRUE(calendar.GetToday(readToday));
    EXPECT_EQ(readToday, today);

    const COleDateTime low(2024, 4, 1, 0, 0, 0);
    const COleDateTime high(2024, 4, 30, 0, 0, 0);
    ASSERT_TRUE(calendar.SetRange(&low, &high));
    COleDateTime readLow;
    COleDateTime readHigh;
    EXPECT_EQ(calendar.GetRange(&readLow, &readHigh), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(readLow, low);
    EXPECT_EQ(readHigh, high);
    EXPECT_FALSE(calendar.SetCurSel(CTime(2024, 5, 2, 0, 0, 0)));

    int old = -1;
    calendar.SetFirstDayOfWeek(6, &old);
    EXPECT_EQ(calendar.GetFirstDayOfWeek(), 6);
    EXPECT_EQ(calendar.SetMonthDelta(2), 0);
    EXPECT_EQ(calendar.GetMonthDelta(), 2);
}

TEST_F(DateTimeTest, DataExchangeLoadsAndSavesValues) {
    ExchangeWnd owner;
    ASSERT_TRUE(owner.CreateParent());
    CDateTimeCtrl picker;
    CDateTimeCtrl olePicker;
    CMonthCalCtrl calendar;
    CMonthCalCtrl oleCalendar;
    ASSERT_TRUE(
        picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, Area(10, 10, 200, 24), &owner, IDC_PICKER));
    ASSERT_TRUE(olePicker.Create(WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, Area(10, 40, 200, 24), &owner,
                                 IDC_PICKER + 1));
    ASSERT_TRUE(calendar.Create(WS_CHILD | WS_VISIBLE, CPoint(10, 70), &owner, IDC_CALENDAR));
    ASSERT_TRUE(oleCalendar.Create(WS_CHILD | WS_VISIBLE, CPoint(250, 70), &owner, IDC_CALENDAR + 1));

    owner.when = CTime(2024, 1, 2, 3, 4, 5);
    owner.oleWhen = COleDateTime(2023, 6, 7, 8, 9, 10);
    owner.day = CTime(2024, 5, 6, 0, 0, 0);
    owner.oleDay = COleDateTime(2022, 2, 22, 0, 0, 0);
    ASSERT_TRUE(owner.UpdateData(FALSE));
    CTime read;
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(read, owner.when);
    ASSERT_TRUE(calendar.GetCurSel(read));
    EXPECT_EQ(read, owner.day);

    const CTime newTime(2025, 8, 9, 10, 11, 12);
    picker.SetTime(&newTime);
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    olePicker.SetTime(none);
    calendar.SetCurSel(CTime(2024, 5, 20, 0, 0, 0));
    oleCalendar.SetCurSel(COleDateTime(2022, 3, 1, 0, 0, 0));
    ASSERT_TRUE(owner.UpdateData(TRUE));
    EXPECT_EQ(owner.when, newTime);
    EXPECT_EQ(owner.oleWhen.GetStatus(), COleDateTime::null);
    EXPECT_EQ(owner.day, CTime(2024, 5, 20, 0, 0, 0));
    EXPECT_EQ(owner.oleDay, COleDateTime(2022, 3, 1, 0, 0, 0));

    // A null value clears the picker, and an empty picker saves as no time.
    owner.when = CTime();
    ASSERT_TRUE(owner.UpdateData(FALSE));
    EXPECT_EQ(picker.GetTime(read), static_cast<DWORD>(GDT_NONE));
    owner.when = newTime;
    ASSERT_TRUE(owner.UpdateData(TRUE));
    EXPECT_EQ(owner.when, CTime());
    owner.DestroyWindow();
}
