// Combo cells in a real grid window driven by messages: the list drops down from the button or with
// Alt+Down, an item is picked with the keyboard or the mouse, and leaving the cell stores the choice (the
// text, or the item's index for the index combos); a tabbed combo completes what is typed and stores
// the chosen row's key; a check box toggles by click and space bar.
#include "ControlsTestSupport.h"

#include "framework/win/CListBox.h"
#include "grid/controls/CGECheckBox.h"
#include "grid/controls/combo/CGEComboBox.h"
#include "grid/controls/combo/CGEComboBoxButton.h"
#include "grid/controls/combo/CGEGridCombo.h"
#include "grid/controls/combo/CGETabbedComboBox.h"

using namespace ctltest;

namespace {

const char* const kFruit = "Apple\r\nBanana\nCherry";
const char* const kFruitTable = "1\tApple\r\n2\tBanana\r\n3\tCherry";

// The center of a list item in the list's client coordinates.
CPoint ItemCenter(CListBox* pList, int nIndex) {
    CRect rect;
    pList->GetItemRect(nIndex, &rect);
    return rect.CenterPoint();
}

// The center of the combo's drop-down button (grid-window coordinates).
CPoint ButtonCenter(WindowGrid& window, CGEComboBox* pCombo, ROWCOL nRow, ROWCOL nCol) {
    pCombo->LayoutChildren(nRow, nCol, pCombo->ComputeTextRect(nRow, nCol, nullptr, nullptr));
    (void)window;
    return pCombo->GetButton()->GetRect().CenterPoint();
}

CGEStyle TabbedStyle(LPCSTR pszValue) {
    return TableStyle(kFruitTable, pszValue);
}

} // namespace

TEST(GridWindowCombo, AltDownDropsTheListAndTheKeyboardPicksAnItem) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_COMBOBOX, kFruit, "Apple"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    PressAltKey(VK_DOWN);
    window.Update();
    ASSERT_TRUE(pCombo->IsListShown());
    CListBox* pList = pCombo->GetListWindow();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetCount(), 3) << "CR LF, LF and the end each close a line";
    EXPECT_EQ(pList->GetCurSel(), 0) << "the cell's value is preselected";
    EXPECT_KEYS_GO_TO(pList->m_hWnd);
    PressKey(VK_DOWN);
    EXPECT_STREQ(TextOf(pCombo), "Banana") << "moving the selection shows it in the cell";
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_KEYS_GO_TO(pCombo->m_hWnd); // the edit window has the keys again
    PressKey(VK_TAB);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3));
    EXPECT_STREQ(window.Value(2, 2), "Banana");
}

TEST(GridWindowCombo, TheButtonDropsTheListAndAClickPicksAnItem) {
    WindowGrid window;
    PutStyle(window.grid, 3, 1, ControlStyle(GE_IDS_CTRL_ONEBASED_EX, kFruit, "1"));
    window.Select(3, 1);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 3, 1);
    ASSERT_NE(pCombo, nullptr);
    Click(window.Hwnd(), ButtonCenter(window, pCombo, 3, 1));
    window.Update();
    ASSERT_TRUE(pCombo->IsListShown());
    CListBox* pList = pCombo->GetListWindow();
    Click(pList->m_hWnd, ItemCenter(pList, 2));
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_STREQ(TextOf(pCombo), "Cherry") << "the cell shows the choice";
    window.Select(5, 1);
    EXPECT_STREQ(window.Value(3, 1), "3") << "a one-based display-choice combo stores the item's number";
}

TEST(GridWindowCombo, EscapeClosesTheListWithoutAChoice) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, ControlStyle(GE_IDS_CTRL_COMBOBOX, kFruit, "Apple"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGEComboBox>(window.grid, 2, 2);
    PressAltKey(VK_DOWN);
    PressKey(VK_END);
    PressKey(VK_ESCAPE);
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_KEYS_GO_TO(window.Hwnd());
    window.Select(4, 4);
    EXPECT_STREQ(window.Value(2, 2), "Apple");
}

TEST(GridWindowCombo, ATabbedComboCompletesTypingAndStoresTheKey) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, TabbedStyle("1"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGETabbedComboBox>(window.grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    TypeText("b");
    window.Update();
    TypeText("an");
    EXPECT_STREQ(TextOf(pCombo), "Banana");
    int nStart = 0;
    int nEnd = 0;
    pCombo->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 3) << "the completed part is selected";
    EXPECT_EQ(nEnd, 6);
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "2");
}

TEST(GridWindowCombo, ATabbedComboPicksWithTheKeyboardAndTheMouse) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, TabbedStyle("1"));
    PutStyle(window.grid, 3, 2, TabbedStyle("1"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGETabbedComboBox>(window.grid, 2, 2);
    PressAltKey(VK_DOWN);
    window.Update();
    ASSERT_TRUE(pCombo->IsListShown());
    CListBox* pList = pCombo->GetListWindow();
    EXPECT_EQ(pList->GetCount(), 3);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(TextOf(pCombo), "Cherry");
    window.Select(3, 2);
    EXPECT_STREQ(window.Value(2, 2), "3");

    Click(window.Hwnd(), ButtonCenter(window, pCombo, 3, 2));
    window.Update();
    ASSERT_TRUE(pCombo->IsListShown());
    pList = pCombo->GetListWindow();
    Click(pList->m_hWnd, ItemCenter(pList, 1));
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    window.Select(5, 5);
    EXPECT_STREQ(window.Value(3, 2), "2");
}

TEST(GridWindowCombo, ACheckBoxTogglesByClickAndSpace) {
    WindowGrid window;
    PutStyle(window.grid, 2, 3, ControlStyle(GE_IDS_CTRL_CHECKBOX3D, nullptr, "0"));
    window.Select(2, 3);
    auto* pCheck = ControlOf<CGECheckBox>(window.grid, 2, 3);
    ASSERT_NE(pCheck, nullptr);
    const CRect rectText = pCheck->ComputeTextRect(2, 3, nullptr, nullptr);
    const CPoint box(rectText.left + 6, rectText.top + (rectText.Height() / 2));
    Click(window.Hwnd(), box);
    window.Update();
    EXPECT_STREQ(window.Value(2, 3), "1");
    TypeText(" ");
    window.Update();
    EXPECT_STREQ(window.Value(2, 3), "0");
}
