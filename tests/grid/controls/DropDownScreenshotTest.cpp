// A picture of an open drop-down list under a combo cell of a real grid window. Runs where windows are
// really drawn (WINE_GRAPHICS=x11) and writes the pictures into SCREENSHOT_DIR when it is set.
#include "ControlsTestSupport.h"

#include "WindowPicture.h"
#include "framework/win/CListBox.h"
#include "grid/controls/combo/CGEComboBox.h"
#include "grid/controls/combo/CGEGridCombo.h"

#include <string>

using namespace ctltest;
using screentest::WindowPicture;

namespace {

void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        PumpPending();
        ::Sleep(10);
    }
}

} // namespace

TEST(DropDownScreenshot, AnOpenListUnderAComboCell) {
    if (!screentest::WindowsAreDrawn())
        GTEST_SKIP() << "windows are not drawn (Wine's null display driver); run with WINE_GRAPHICS=x11";
    WindowGrid window(12, 4, 420, 300);
    for (ROWCOL nRow = 1; nRow <= 6; ++nRow)
        PutStyle(window.grid, nRow, 2,
                 ControlStyle(GE_IDS_CTRL_COMBOBOX, "Apple\nBanana\nCherry\nDate", "Banana"));
    window.Select(3, 2);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 3, 2);
    ASSERT_NE(pCombo, nullptr);
    PressAltKey(VK_DOWN);
    window.Update();
    PumpFor(500);
    ASSERT_TRUE(pCombo->IsListShown());
    CGEGridCombo* pPopup = pCombo->GetPopup();
    CListBox* pList = pCombo->GetListWindow();

    WindowPicture grid(::GetAncestor(window.Hwnd(), GA_ROOT));
    WindowPicture list(pPopup->m_hWnd);
    ASSERT_TRUE(grid.IsValid());
    ASSERT_TRUE(list.IsValid());
    const std::string folder = screentest::ScreenshotFolder();
    if (!folder.empty()) {
        EXPECT_TRUE(grid.Save(folder, "DropDown-Grid"));
        EXPECT_TRUE(list.Save(folder, "DropDown-List"));
        // The screen shows both windows as the user sees them: the list hanging from the cell.
        EXPECT_TRUE(WindowPicture(::GetDesktopWindow()).Save(folder, "DropDown-Screen"));
    }

    // The list hangs from the cell's text rectangle.
    CRect rectText = pCombo->CGEControl::ComputeTextRect(3, 2, nullptr, nullptr);
    window.grid.ClientToScreen(&rectText);
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    EXPECT_EQ(rectPopup.top, rectText.bottom);
    EXPECT_EQ(rectPopup.left, rectText.left);
    // Four items, the cell's value selected in the highlight colour, the others' text dark on white.
    CRect item;
    pList->GetItemRect(1, &item);
    const RECT selected = list.ClientRectIn(pList->m_hWnd, item);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_GT(list.Count(selected, [highlight](COLORREF c) { return c == highlight; }), item.Width() * 4);
    pList->GetItemRect(3, &item);
    EXPECT_GT(list.Count(list.ClientRectIn(pList->m_hWnd, item), screentest::IsDark), 10) << "Date";
    // The edit window over the current cell shows the value.
    CRect rectEdit;
    pCombo->GetWindowRect(&rectEdit);
    EXPECT_TRUE(pCombo->IsWindowVisible());
    PressKey(VK_ESCAPE);
    window.Update();
}
