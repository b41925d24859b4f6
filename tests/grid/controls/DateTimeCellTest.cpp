// Date-time cells in a real grid window: a digit typed over the cell opens the editor on the first
// field, a day picked in the pop-up calendar replaces the date and keeps the time, leaving the cell stores
// the date as the locale writes it; display texts come from the cell's format, typed texts are read
// field by field without touching the editor of the current cell.
#include "ControlsTestSupport.h"

#include "WindowPicture.h"
#include "grid/controls/datetime/CGEDateTimeCtrl.h"
#include "grid/controls/gadgets/CGEBPopupCalendar.h"

using namespace ctltest;

namespace {

// A date cell with a custom format.
CGEStyle DateStyle(LPCSTR pszFormat, LPCSTR pszValue, WORD nControl = GE_IDS_CTRL_DATETIME) {
    CGEStyle style = ControlStyle(nControl, nullptr, pszValue);
    style.SetUserAttribute(GE_IDS_UA_DATETIME_FORMATTYPE, "3")
        .SetUserAttribute(GE_IDS_UA_DATETIME_CUSTOMFORMAT, pszFormat);
    return style;
}

std::string Stamp(const COleDateTime& date) {
    char sz[40];
    wsprintfA(sz, "%04d-%02d-%02d %02d:%02d", date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(),
              date.GetMinute());
    return sz;
}

} // namespace

TEST(DateTimeCell, TheFactoryMakesBothKinds) {
    TestGrid grid;
    PutStyle(grid, 1, 1, ControlStyle(GE_IDS_CTRL_DATETIME));
    PutStyle(grid, 1, 2, ControlStyle(GE_IDS_CTRL_DATETIMENOCAL));
    auto* pWith = ControlOf<CGEDateTimeCtrl>(grid, 1, 1);
    auto* pWithout = ControlOf<CGEDateTimeCtrl>(grid, 1, 2);
    ASSERT_NE(pWith, nullptr);
    ASSERT_NE(pWithout, nullptr);
    EXPECT_EQ(pWith->GetControlId(), GE_IDS_CTRL_DATETIME);
    EXPECT_TRUE(pWith->IsKindOfControlClass(&CGEStatic::controlClass));
    EXPECT_FALSE(pWith->CanFloatCell(1, 1, CGEStyle(), TRUE));
}

TEST(DateTimeCell, DisplayTextsFollowTheCellsFormat) {
    TestGrid grid;
    PutStyle(grid, 1, 1, DateStyle("dd/MM/yyyy", ""));
    auto* pControl = ControlOf<CGEDateTimeCtrl>(grid, 1, 1);
    ASSERT_NE(pControl, nullptr);
    struct Case {
        const char* format;
        const char* value;
        const char* shown; // nullptr: no text
    } const cases[] = {
        {"dd/MM/yyyy", "3/15/2023", "15/03/2023"},
        {"dd/MM/yyyy", "38000", "14/01/2004"}, // a number is the date's serial
        {"d MMMM yyyy", "12/25/2023 6:30:00 PM", "25 December 2023"},
        {"HH:mm", "12/25/2023 6:30:00 PM", "18:30"},
        {"dd/MM/yyyy", "", nullptr},
        {"dd/MM/yyyy", "next week", nullptr},
        {"dd/MM/yyyy", "0", nullptr},
    };
    for (const Case& c : cases) {
        CString strShown;
        const BOOL bShown = pControl->GetControlText(strShown, 1, 1, c.value, DateStyle(c.format, c.value));
        EXPECT_EQ(bShown != FALSE, c.shown != nullptr) << c.value;
        if (c.shown != nullptr) {
            EXPECT_STREQ(strShown, c.shown) << c.format << " " << c.value;
        }
    }
    // Without a format type the locale's short date shows.
    CString strShort;
    ASSERT_TRUE(pControl->GetControlText(strShort, 1, 1, "3/15/2023", ControlStyle(GE_IDS_CTRL_DATETIME)));
    EXPECT_STREQ(strShort, "3/15/2023");
}

TEST(DateTimeCell, TypedTextsAreReadFieldByField) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, DateStyle("d MMMM yyyy", "3/15/2023"));
    PutStyle(window.grid, 3, 2, DateStyle("d MMMM yyyy", "1/1/2020"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    const std::string before = Stamp(pControl->GetDateTime());
    struct Case {
        const char* typed;
        const char* stored; // nullptr: refused
    } const cases[] = {
        {"7/4/2021", "7/4/2021"},
        {"5 Marc 2022", "3/5/2022"},
        {"9, sep, 2024", "9/9/2024"},
        {"xyz", nullptr},
        {"", ""},
    };
    for (const Case& c : cases) {
        CString str(c.typed);
        const BOOL bOk = pControl->ConvertControlTextToValue(str, 3, 2, nullptr);
        EXPECT_EQ(bOk != FALSE, c.stored != nullptr) << c.typed;
        if (c.stored != nullptr) {
            EXPECT_STREQ(str, c.stored) << c.typed;
        }
    }
    EXPECT_EQ(Stamp(pControl->GetDateTime()), before) << "the current cell's editor is left alone";
    EXPECT_FALSE(pControl->GetModify());
}

TEST(DateTimeCell, ADigitTypedOverTheCellEditsTheFirstField) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, DateStyle("dd/MM/yyyy", "3/15/2023"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    EXPECT_FALSE(pControl->IsActive());
    TypeText("2");
    PumpPending();
    ASSERT_TRUE(pControl->IsActive());
    EXPECT_TRUE(pControl->IsWindowVisible());
    EXPECT_EQ(pControl->GetFocusedGadget()->GetId(), GEB_DTF_DAY);
    TypeText("8");
    EXPECT_EQ(pControl->GetDateTime().GetDay(), 28);
    EXPECT_EQ(pControl->GetFocusedGadget()->GetId(), GEB_DTF_MONTH) << "fast input moves on";
    TypeText("4");
    PressKey(VK_UP); // ends the typing (April) and steps the month
    EXPECT_TRUE(pControl->GetModify());
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "5/28/2023");
    EXPECT_FALSE(pControl->IsWindowVisible());
}

TEST(DateTimeCell, APickedDayKeepsTheTimeAndIsStored) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, DateStyle("dd/MM/yyyy HH:mm", "3/15/2023 9:30:00 AM"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    PressAltKey(VK_DOWN);
    window.Update();
    CGEBPopupCalendar* pPopup = pControl->GetPopupCalendar();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_TRUE(pControl->IsActive()) << "the cell is still being edited";
    EXPECT_EQ(window.grid.GetCurrentCellControl(), static_cast<CGEControl*>(pControl));
    pPopup->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pPopup->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpPending();
    EXPECT_EQ(pControl->GetPopupCalendar(), nullptr);
    EXPECT_EQ(Stamp(pControl->GetDateTime()), "2023-03-22 09:30");
    window.Select(4, 2);
    EXPECT_STREQ(window.Value(2, 2), "3/22/2023 9:30:00 AM");
}

TEST(DateTimeCell, ReadOnlyCellsRefuseChanges) {
    WindowGrid window;
    CGEStyle style = DateStyle("dd/MM/yyyy", "3/15/2023");
    style.SetReadOnly(TRUE);
    PutStyle(window.grid, 2, 2, style);
    window.Select(2, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    TypeText("1");
    PumpPending();
    EXPECT_FALSE(pControl->OnChanging(COleDateTime(2023, 1, 1, 0, 0, 0)));
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "3/15/2023");
}

TEST(DateTimeCell, DeleteEmptiesTheCellWithoutOpeningTheEditor) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, DateStyle("dd/MM/yyyy", "3/15/2023"));
    window.grid.GetParam()->m_bRangeClipboard = FALSE;
    window.Select(2, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    PressKey(VK_DELETE);
    EXPECT_STREQ(window.Value(2, 2), "");
    EXPECT_FALSE(pControl->IsActive());
}

TEST(DateTimeCell, StoredAsNumberWritesTheSerial) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, DateStyle("dd/MM/yyyy", "38000"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    pControl->m_bStoreAsNumber = TRUE;
    PressKey(VK_HOME);
    ASSERT_TRUE(pControl->IsActive());
    PressKey(VK_UP);
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "38001");
}

TEST(DateTimeCell, GermanDatesDeDE) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, DateStyle("dd.MM.yyyy", "15.03.2023"));
    window.Select(2, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 2, 2);
    ASSERT_NE(pControl, nullptr);
    CString strShown;
    ASSERT_TRUE(pControl->GetControlText(strShown, 2, 2, nullptr, window.grid.LookupStyleRowCol(2, 2)));
    EXPECT_STREQ(strShown, "15.03.2023");
    TypeText("2");
    PumpPending();
    TypeText("8");
    window.Select(3, 2);
    // As the locale writes dates: Wine "d.M.yyyy", Windows "dd.MM.yyyy".
    const CString strStored = window.Value(2, 2);
    EXPECT_TRUE(strStored == "28.3.2023" || strStored == "28.03.2023") << strStored;
}

TEST(DateTimeCellScreenshot, AnOpenDateCellWithItsCalendar) {
    if (!screentest::WindowsAreDrawn())
        GTEST_SKIP() << "windows are not drawn (Wine's null display driver); run with WINE_GRAPHICS=x11";
    WindowGrid window(12, 4, 420, 300);
    for (ROWCOL nRow = 1; nRow <= 5; ++nRow)
        PutStyle(window.grid, nRow, 2, DateStyle("dd/MM/yyyy", "3/15/2023"));
    window.Select(3, 2);
    auto* pControl = ControlOf<CGEDateTimeCtrl>(window.grid, 3, 2);
    ASSERT_NE(pControl, nullptr);
    PressAltKey(VK_DOWN);
    window.Update();
    ASSERT_NE(pControl->GetPopupCalendar(), nullptr);
    const std::string folder = screentest::ScreenshotFolder();
    if (!folder.empty()) {
        EXPECT_TRUE(screentest::WindowPicture(pControl->GetPopupCalendar()->m_hWnd).Save(folder, "Calendar"));
        EXPECT_TRUE(screentest::WindowPicture(::GetDesktopWindow()).Save(folder, "DateTimeCell-Screen"));
    }
}
