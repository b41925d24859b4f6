// A picture of a dialog built like the program's: edit, combo box, check box, list, a hover button and
// the month calendar. Runs wherever windows are drawn (Xvfb and Wine's X11 driver), checks the picture,
// and writes it as a 24-bit BMP into SCREENSHOT_DIR when that names a folder.
#include "WindowPartsSupport.h"
#include "WindowPicture.h"
#include "foundation/CHoverButton.h"
#include "foundation/CMonthCalendarWnd.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CComboBox.h"
#include "framework/win/CDialog.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wptest;

namespace {

const UINT g_calendarDataMessage = CMonthCalendarWnd::GetUserDataMessage();

// The dialog of the picture, filled as the program would fill it.
class LogTaskDialog : public CDialog {
public:
    LogTaskDialog() : CDialog(IDD_WP_SCREENSHOT) {}

    CHoverButton m_filter;
    CMonthCalendarWnd m_calendar;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_WP_EDIT, "Design review");
        CComboBox* projects = static_cast<CComboBox*>(GetDlgItem(IDC_WP_COMBO));
        for (const char* name : {"Harbour Bridge", "Northwind Audit", "Office Move"})
            ::SendMessageA(projects->GetSafeHwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        ::SendMessageA(projects->GetSafeHwnd(), CB_SETCURSEL, 1, 0);
        CheckDlgButton(IDC_WP_CHECK, BST_CHECKED);
        for (const char* task : {"Client meeting", "Design review", "Expense report", "Site visit"})
            SendDlgItemMessage(IDC_WP_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(task));
        SendDlgItemMessage(IDC_WP_LIST, LB_SETCURSEL, 1, 0);

        m_filter.SubclassDlgItem(IDC_WP_HOVER, this);
        m_filter.SetBitmap(IDB_CALENDAR_ARROWS, 1, 6, 9);
        m_filter.SetImagePosition(CHoverButton::imageRight);

        CRect place;
        GetDlgItem(IDC_WP_CALENDAR)->GetWindowRect(&place);
        ScreenToClient(&place);
        m_calendar.SetShownDate(CTime(2024, 6, 12, 12, 0, 0));
        m_calendar.Create(WS_VISIBLE | WS_TABSTOP, place, this, IDC_WP_CALENDAR_WND);
        m_calendar.SetSelectedDay(m_calendar.GetDayTime(17));
        return TRUE;
    }

protected:
    // Logged hours for a few days of the shown month.
    afx_msg LRESULT OnCalendarData(WPARAM slot, LPARAM) {
        if (slot == 10 || slot == 17 || slot == 24)
            m_calendar.SetDayText(static_cast<int>(slot), slot == 17 ? "7.5h" : "3h");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LogTaskDialog, CDialog)
ON_REGISTERED_MESSAGE(g_calendarDataMessage, OnCalendarData)
END_MESSAGE_MAP()

TEST(WindowPartsScreenshot, LogTaskDialogWithCalendarAndHoverButton) {
    if (!screentest::WindowsAreDrawn())
        GTEST_SKIP() << "windows are not drawn (Wine's null display driver); run with WINE_GRAPHICS=x11";

    LogTaskDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_WP_SCREENSHOT));
    dialog.SetWindowPos(nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // The hover button as the mouse passes over it.
    dialog.m_filter.SendMessage(WM_MOUSEMOVE, 0, MousePoint(5, 5));
    WaitPumpingMessages(500);

    const screentest::WindowPicture picture(dialog.GetSafeHwnd());
    ASSERT_TRUE(picture.IsValid());
    EXPECT_GT(picture.Width(), 400);
    EXPECT_GT(picture.Height(), 300);
    // The screen shows the dialog as drawn: the selected day in the highlight colour.
    const RECT day = picture.ClientRectIn(dialog.m_calendar.GetSafeHwnd(), dialog.m_calendar.GetDayRect(17));
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), picture.At(day.left + 2, day.top + 2));
    const std::string folder = screentest::ScreenshotFolder();
    if (!folder.empty()) {
        EXPECT_TRUE(picture.Save(folder, "WindowParts-LogTaskDialog")) << folder;
    }
    dialog.m_filter.SendMessage(WM_MOUSEMOVE, 0, MousePoint(-5, -5));
    dialog.DestroyWindow();
}

} // namespace
