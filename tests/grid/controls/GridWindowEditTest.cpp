// A real grid window driven by messages: typing into an edit cell and leaving it stores what was typed;
// keys the edit keeps stay in the cell, the others move the current cell.
#include "ControlsTestSupport.h"

#include "grid/controls/edit/CGEEditControl.h"

using namespace ctltest;

TEST(GridWindowEdit, TypingIntoACellAndPressingEnterStoresTheText) {
    WindowGrid window;
    window.grid.GetParam()->m_wEnterKeyDirection = GE_DOWN;
    window.Select(2, 2);
    auto* pEdit = ControlOf<CGEEditControl>(window.grid, 2, 2);
    ASSERT_NE(pEdit, nullptr);
    TypeText("H");
    window.Update();
    EXPECT_TRUE(pEdit->IsActive());
    EXPECT_KEYS_GO_TO(pEdit->m_hWnd); // the edit window over the cell takes the keys
    TypeText("ello");
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_STREQ(strText, "Hello");
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "Hello");
    EXPECT_TRUE(window.grid.IsCurrentCell(3, 2)) << "Enter moves down";
    EXPECT_FALSE(pEdit->IsWindowVisible());
}
