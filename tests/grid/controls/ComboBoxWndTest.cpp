// The combo cells that host a real combo box window, in a real grid window driven by messages: the value
// goes into the window as a selection or as text, what is typed or picked is stored when the cell is
// left, and the keys the window keeps stay in the cell.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEComboBoxWndButton.h"
#include "grid/controls/combo/CGEComboBoxWnd.h"
#include "grid/core/CGEFindReplaceState.h"

#include <string>

using namespace ctltest;

namespace {

const char* const kFruit = "Apple\r\nBanana\nCherry\rAvocado";

CGEComboBoxWnd* PrepareCombo(WindowGrid& window, ROWCOL nRow, ROWCOL nCol, WORD nControl, LPCSTR pszChoices,
                             LPCSTR pszValue) {
    PutStyle(window.grid, nRow, nCol, ControlStyle(nControl, pszChoices, pszValue));
    return ControlOf<CGEComboBoxWnd>(window.grid, nRow, nCol);
}

// The combo of a current cell, made active and shown over the cell.
CGEComboBoxWnd* ActiveCombo(WindowGrid& window, ROWCOL nRow, ROWCOL nCol, WORD nControl, LPCSTR pszValue,
                            LPCSTR pszChoices = kFruit) {
    CGEComboBoxWnd* pCombo = PrepareCombo(window, nRow, nCol, nControl, pszChoices, pszValue);
    if (pCombo == nullptr)
        return nullptr;
    window.Select(nRow, nCol);
    pCombo->SetActive(TRUE);
    pCombo->Refresh();
    window.Update();
    return pCombo;
}

} // namespace

TEST(ComboBoxWnd, TheFactoryMakesBothKindsWithTheirWindowStyles) {
    WindowGrid window;
    auto* pDropDown = PrepareCombo(window, 1, 1, GE_IDS_CTRL_CBS_DROPDOWN, kFruit, "");
    auto* pList = PrepareCombo(window, 1, 2, GE_IDS_CTRL_CBS_DROPDOWNLIST, kFruit, "");
    ASSERT_NE(pDropDown, nullptr);
    ASSERT_NE(pList, nullptr);
    EXPECT_NE(pDropDown, pList);
    window.Select(1, 1);
    ASSERT_NE(pDropDown->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pDropDown->HasEditField());
    EXPECT_TRUE(pDropDown->GetEditPart().GetSafeHwnd() != nullptr) << "the edit field is subclassed";
    EXPECT_FALSE(pDropDown->IsWindowVisible()) << "only an active cell shows the window";
    window.Select(1, 2);
    EXPECT_TRUE(pList->IsDropDownList());
    EXPECT_STREQ(pList->GetControlClass()->m_pszClassName, "CGEComboBoxWnd");
    EXPECT_TRUE(pList->IsKindOfControlClass(&CGEStatic::controlClass));
}

// How a cell's value goes into the window, for both kinds and for index values.
TEST(ComboBoxWnd, TheValueBecomesASelectionOrTheText) {
    struct Case {
        WORD nControl;
        int nIndexBase;
        const char* pszChoices;
        const char* pszValue;
        int nSel;
        const char* pszText;    // the window text (edit or selected item)
        const char* pszCurrent; // what the cell would store
    };
    const Case cases[] = {
        {GE_IDS_CTRL_CBS_DROPDOWN, -1, kFruit, "Banana", 1, "Banana", "Banana"},
        {GE_IDS_CTRL_CBS_DROPDOWN, -1, kFruit, "Kiwi", -1, "Kiwi", "Kiwi"},
        {GE_IDS_CTRL_CBS_DROPDOWNLIST, -1, kFruit, "Kiwi", -1, "", ""},
        {GE_IDS_CTRL_CBS_DROPDOWNLIST, -1, kFruit, "Cherry", 2, "Cherry", "Cherry"},
        {GE_IDS_CTRL_CBS_DROPDOWNLIST, 0, kFruit, "2", 2, "Cherry", "2"},
        {GE_IDS_CTRL_CBS_DROPDOWNLIST, 1, kFruit, "2", 1, "Banana", "2"},
        {GE_IDS_CTRL_CBS_DROPDOWN, -1, "", "Plum", -1, "Plum", "Plum"},
    };
    for (const Case& c : cases) {
        WindowGrid window;
        auto* pCombo = PrepareCombo(window, 2, 2, c.nControl, c.pszChoices, c.pszValue);
        ASSERT_NE(pCombo, nullptr);
        pCombo->m_nIndexBase = c.nIndexBase;
        window.Select(2, 2);
        SCOPED_TRACE(std::string(c.pszValue) + " base " + std::to_string(c.nIndexBase));
        EXPECT_EQ(pCombo->GetCount(), *c.pszChoices == '\0' ? 0 : 4);
        EXPECT_EQ(pCombo->GetCurSel(), c.nSel);
        CString strText;
        pCombo->GetWindowSelText(strText);
        EXPECT_STREQ(strText, c.pszText);
        CString strCurrent;
        EXPECT_TRUE(pCombo->GetCurrentText(strCurrent));
        EXPECT_STREQ(strCurrent, c.pszCurrent);
    }
}

TEST(ComboBoxWnd, TypingIntoTheCellAndLeavingItStoresTheText) {
    WindowGrid window;
    auto* pCombo = PrepareCombo(window, 2, 2, GE_IDS_CTRL_CBS_DROPDOWN, kFruit, "Apple");
    ASSERT_NE(pCombo, nullptr);
    window.Select(2, 2);
    TypeText("K");
    window.Update();
    EXPECT_TRUE(pCombo->IsActive());
    EXPECT_TRUE(pCombo->IsWindowVisible());
    TypeText("iwi");
    EXPECT_STREQ(TextOf(pCombo), "Kiwi") << "the first character replaces the value, the rest follow it";
    PressKey(VK_TAB);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3));
    EXPECT_STREQ(window.Value(2, 2), "Kiwi");
    EXPECT_FALSE(pCombo->IsWindowVisible());
}

TEST(ComboBoxWnd, TheButtonDropsTheListAndTheKeyboardPicksAnItem) {
    WindowGrid window;
    auto* pCombo = PrepareCombo(window, 3, 1, GE_IDS_CTRL_CBS_DROPDOWNLIST, kFruit, "Apple");
    ASSERT_NE(pCombo, nullptr);
    window.Select(3, 1);
    pCombo->LayoutChildren(3, 1, pCombo->ComputeTextRect(3, 1, nullptr, nullptr));
    ASSERT_NE(pCombo->GetDropButton(), nullptr);
    Click(window.Hwnd(), pCombo->GetDropButton()->GetRect().CenterPoint());
    window.Update();
    ASSERT_TRUE(pCombo->IsActive());
    ASSERT_TRUE(pCombo->GetDroppedState()) << "a click on the cell's button opens the real list";
    EXPECT_TRUE(window.grid.m_bListDropped);
    PressKey(VK_DOWN);
    EXPECT_EQ(pCombo->GetCurSel(), 1);
    EXPECT_TRUE(pCombo->GetModify());
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_TRUE(window.grid.IsCurrentCell(3, 1)) << "Enter with the list open only closes the list";
    PressKey(VK_TAB);
    window.Update();
    EXPECT_STREQ(window.Value(3, 1), "Banana");
}

TEST(ComboBoxWnd, AltDownOpensTheListOfAnInactiveCell) {
    WindowGrid window;
    auto* pCombo = PrepareCombo(window, 2, 3, GE_IDS_CTRL_CBS_DROPDOWN, kFruit, "Cherry");
    ASSERT_NE(pCombo, nullptr);
    window.Select(2, 3);
    PressAltKey(VK_DOWN);
    window.Update();
    EXPECT_TRUE(pCombo->IsActive());
    EXPECT_TRUE(pCombo->GetDroppedState());
    EXPECT_EQ(pCombo->GetCurSel(), 2);
}

// A letter typed into a drop-down list cell that is not being edited selects the next item that begins
// with it, after the one shown, wrapping to the top.
TEST(ComboBoxWnd, ALetterSelectsTheNextItemBeginningWithIt) {
    struct Case {
        const char* pszValue;
        char chTyped;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"Apple", 'a', "Avocado"}, {"Avocado", 'a', "Apple"}, {"Cherry", 'b', "Banana"}, {"", 'c', "Cherry"}};
    for (const Case& c : cases) {
        WindowGrid window;
        auto* pCombo = PrepareCombo(window, 1, 1, GE_IDS_CTRL_CBS_DROPDOWNLIST, kFruit, c.pszValue);
        ASSERT_NE(pCombo, nullptr);
        window.Select(1, 1);
        const char sz[2] = {c.chTyped, 0};
        TypeText(sz);
        window.Update();
        SCOPED_TRACE(c.pszValue);
        CString strText;
        pCombo->GetWindowSelText(strText);
        EXPECT_STREQ(strText, c.pszExpected);
        PressKey(VK_TAB);
        window.Update();
        EXPECT_STREQ(window.Value(1, 1), c.pszExpected);
    }
}

// Replacing the selection keeps the text after it, also when the selection starts at the beginning.
TEST(ComboBoxWnd, ReplacingTheSelectionKeepsTheRestOfTheText) {
    struct Case {
        int nStart;
        int nEnd;
        const char* pszInsert;
        const char* pszExpected;
    };
    const Case cases[] = {{0, 0, "X", "XApple"}, {0, 1, "Z", "Zpple"}, {1, 3, "-", "A-le"},
                          {5, 5, "s", "Apples"}, {0, 5, "Fig", "Fig"}, {0, -1, "Fig", "Fig"}};
    for (const Case& c : cases) {
        WindowGrid window;
        auto* pCombo = ActiveCombo(window, 2, 2, GE_IDS_CTRL_CBS_DROPDOWN, "Apple");
        ASSERT_NE(pCombo, nullptr);
        ASSERT_TRUE(pCombo->IsActive());
        pCombo->SetEditSel(c.nStart, c.nEnd);
        pCombo->ReplaceSel(c.pszInsert);
        EXPECT_STREQ(TextOf(pCombo), c.pszExpected) << c.nStart << ".." << c.nEnd;
        EXPECT_TRUE(pCombo->GetModify());
    }
}

TEST(ComboBoxWnd, RightLeavesTheCellOnlyFromTheEndOfTheText) {
    WindowGrid window;
    auto* pCombo = ActiveCombo(window, 2, 2, GE_IDS_CTRL_CBS_DROPDOWN, "Apple");
    ASSERT_NE(pCombo, nullptr);
    pCombo->SetEditSel(2, 2);
    PressKey(VK_RIGHT);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 2)) << "in the middle the caret moves";
    int nStart = 0;
    int nEnd = 0;
    pCombo->GetEditSel(nStart, nEnd);
    EXPECT_EQ(nEnd, 3);
    pCombo->SetEditSel(5, 5);
    PressKey(VK_RIGHT);
    window.Update();
    EXPECT_TRUE(window.grid.IsCurrentCell(2, 3)) << "at the end the grid moves on";
}

TEST(ComboBoxWnd, DeleteEmptiesADropDownListCell) {
    WindowGrid window;
    auto* pCombo = ActiveCombo(window, 4, 1, GE_IDS_CTRL_CBS_DROPDOWNLIST, "Banana");
    ASSERT_NE(pCombo, nullptr);
    PressKey(VK_DELETE);
    window.Update();
    EXPECT_STREQ(window.Value(4, 1), "");
}

TEST(ComboBoxWnd, AReadOnlyCellKeepsItsValue) {
    WindowGrid window;
    CGEStyle style = ControlStyle(GE_IDS_CTRL_CBS_DROPDOWN, kFruit, "Apple");
    style.SetReadOnly(TRUE);
    PutStyle(window.grid, 2, 2, style);
    auto* pCombo = ControlOf<CGEComboBoxWnd>(window.grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    window.Select(2, 2);
    TypeText("K");
    window.Update();
    EXPECT_FALSE(pCombo->IsActive()) << "typing does not start editing a read-only cell";
    // Changed through the window anyway: the cell's value comes back.
    pCombo->SetActive(TRUE);
    pCombo->Refresh();
    window.Update();
    pCombo->SetCurSel(2);
    pCombo->SendMessage(WM_COMMAND, MAKEWPARAM(pCombo->GetDlgCtrlID(), CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(pCombo->m_hWnd));
    EXPECT_STREQ(TextOf(pCombo), "Apple");
    PressKey(VK_TAB);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "Apple");
}

// An index value shown as its entry: inactive cells show the entry, typed text becomes the index.
TEST(ComboBoxWnd, IndexValuesShowAndTakeTheChoiceText) {
    WindowGrid window;
    auto* pCombo = PrepareCombo(window, 1, 1, GE_IDS_CTRL_CBS_DROPDOWN, kFruit, "2");
    ASSERT_NE(pCombo, nullptr);
    pCombo->m_nIndexBase = 0;
    pCombo->m_bShowChoiceText = TRUE;
    const CGEStyle style = ControlStyle(GE_IDS_CTRL_CBS_DROPDOWN, kFruit, "2");
    CString strShown;
    EXPECT_TRUE(pCombo->GetControlText(strShown, 1, 1, nullptr, style));
    EXPECT_STREQ(strShown, "Cherry");
    struct Case {
        const char* pszTyped;
        const char* pszValue;
    };
    for (const Case& c : {Case{"banana", "1"}, Case{"Av", "3"}, Case{"Kiwi", ""}, Case{"apple", "0"}}) {
        CString str = c.pszTyped;
        EXPECT_TRUE(pCombo->ConvertControlTextToValue(str, 1, 1, &style));
        EXPECT_STREQ(str, c.pszValue) << c.pszTyped;
    }
    window.Select(1, 1);
    EXPECT_TRUE(pCombo->ValidateString("Ban"));
    EXPECT_FALSE(pCombo->ValidateString("Kiwi"));
}

// Replace-all on a long text: the result grows as far as it needs.
TEST(ComboBoxWnd, ReplaceAllHandlesLongResults) {
    WindowGrid window;
    const std::string strLong(900, 'a');
    auto* pCombo = PrepareCombo(window, 3, 3, GE_IDS_CTRL_CBS_DROPDOWN, kFruit, strLong.c_str());
    ASSERT_NE(pCombo, nullptr);
    CGEFindReplaceState state;
    state.SetFindText("a", FALSE);
    state.m_strReplace = "bc";
    EXPECT_TRUE(pCombo->ReplaceAll(state, 3, 3));
    std::string strExpected;
    for (int i = 0; i < 900; ++i)
        strExpected += "bc";
    EXPECT_EQ(std::string(window.Value(3, 3).GetString()), strExpected);
    state.SetFindText("zz", FALSE);
    EXPECT_FALSE(pCombo->ReplaceAll(state, 3, 3));
}

TEST(ComboBoxWnd, FindSelectsTheMatchInTheActiveCell) {
    WindowGrid window;
    auto* pCombo = ActiveCombo(window, 2, 1, GE_IDS_CTRL_CBS_DROPDOWN, "Banana");
    ASSERT_NE(pCombo, nullptr);
    CGEFindReplaceState state;
    state.SetFindText("NA", FALSE);
    ASSERT_TRUE(pCombo->FindText(state, 2, 1, TRUE, TRUE));
    int nStart = 0;
    int nEnd = 0;
    pCombo->GetEditSel(nStart, nEnd);
    EXPECT_EQ(nStart, 2);
    EXPECT_EQ(nEnd, 4);
    ASSERT_TRUE(pCombo->FindText(state, 2, 1, FALSE, TRUE)) << "searching on finds the next one";
    pCombo->GetEditSel(nStart, nEnd);
    EXPECT_EQ(nStart, 4);
    EXPECT_FALSE(pCombo->FindText(state, 2, 1, FALSE, TRUE));
}

// The open list shows at most eight items: each item adds the same height to the window below the cell,
// up to the eighth.
TEST(ComboBoxWnd, TheWindowLeavesRoomForAtMostEightItems) {
    CString strMany;
    for (int i = 0; i < 20; ++i) {
        CString strLine;
        strLine.Format("Item %d\r\n", i);
        strMany += strLine;
    }
    int anHeights[3] = {};
    const char* const apszLists[3] = {"One", "One\nTwo", strMany.GetString()};
    for (int i = 0; i < 3; ++i) {
        WindowGrid window(10, 5, 420, 500);
        auto* pCombo = ActiveCombo(window, 1, 1, GE_IDS_CTRL_CBS_DROPDOWN, "", apszLists[i]);
        ASSERT_NE(pCombo, nullptr);
        CRect rectList;
        pCombo->GetDroppedControlRect(&rectList);
        anHeights[i] = rectList.Height();
    }
    const int nPerItem = anHeights[1] - anHeights[0];
    EXPECT_GT(nPerItem, 8);
    EXPECT_EQ(anHeights[2] - anHeights[0], 7 * nPerItem) << "twenty items leave room for eight";
}
