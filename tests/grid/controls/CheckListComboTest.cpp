// Check-list combo cells: the cell shows the caption line, the list offers one check item per further line,
// the value is the mask of the checked items (unsigned, the empty text for none), and every way of closing
// the list stores the checks. A list longer than the mask's 32 bits does not open.
#include "ControlsTestSupport.h"

#include "framework/win/CCheckListBox.h"
#include "grid/controls/combo/CGECheckListComboBox.h"

#include <string>

using namespace ctltest;

namespace {

const char* const kCategories = "Categories\r\nTravel\r\nMeals\r\nLodging";

CGEStyle CheckListStyle(LPCSTR pszChoices, LPCSTR pszValue) {
    return ControlStyle(GE_IDS_CTRL_CHECKLIST_COMBOBOX, pszChoices, pszValue);
}

// A choice list with a caption and nItems items.
std::string ManyItems(int nItems) {
    std::string strList = "Caption";
    for (int i = 0; i < nItems; ++i)
        strList += "\r\nItem " + std::to_string(i);
    return strList;
}

CCheckListBox* OpenList(WindowGrid& window, CGECheckListComboBox* pCombo) {
    PressAltKey(VK_DOWN);
    window.Update();
    if (!pCombo->IsListShown())
        return nullptr;
    return dynamic_cast<CCheckListBox*>(pCombo->GetListWindow());
}

} // namespace

TEST(CheckListCombo, ValuesAreReadAsUnsignedMasks) {
    const struct {
        const char* value;
        DWORD mask;
    } cases[] = {
        {"", 0},
        {"5", 5},
        {"2147483648", 0x80000000u},
        {"4294967295", 0xFFFFFFFFu},
        {"4294967296", 0},
        {"-1", 0},
        {"abc", 0},
        {"12abc", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGECheckListComboBox::MaskOfValue(c.value), c.mask) << c.value;
    EXPECT_EQ(CGECheckListComboBox::CountItems(kCategories), 3);
    EXPECT_EQ(CGECheckListComboBox::CountItems("Caption only"), 0);
}

TEST(CheckListCombo, TheCellShowsTheCaptionWhateverTheValue) {
    TestGrid grid;
    PutStyle(grid, 1, 1, CheckListStyle(kCategories, "5"));
    PutStyle(grid, 2, 1, CheckListStyle(kCategories, ""));
    auto* pCombo = ControlOf<CGECheckListComboBox>(grid, 1, 1);
    ASSERT_NE(pCombo, nullptr);
    for (ROWCOL nRow : {1u, 2u}) {
        CString strText;
        EXPECT_TRUE(pCombo->GetControlText(strText, nRow, 1, nullptr, grid.LookupStyleRowCol(nRow, 1)));
        EXPECT_STREQ(strText, "Categories");
    }
}

TEST(CheckListComboWindow, TheListShowsTheMaskAndEscapeStoresTheChecks) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, CheckListStyle(kCategories, "5"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGECheckListComboBox>(window.grid, 2, 2);
    ASSERT_NE(pCombo, nullptr);
    CCheckListBox* pList = OpenList(window, pCombo);
    ASSERT_NE(pList, nullptr);
    ASSERT_EQ(pList->GetCount(), 3) << "the caption is not an item";
    EXPECT_EQ(pCombo->GetItemCount(), 3);
    EXPECT_EQ(pList->GetCheck(0), 1);
    EXPECT_EQ(pList->GetCheck(1), 0);
    EXPECT_EQ(pList->GetCheck(2), 1);
    PressKey(VK_SPACE); // the first item off
    PressKey(VK_DOWN);
    PressKey(VK_SPACE); // the second on
    EXPECT_EQ(pList->GetCheck(1), 1);
    PressKey(VK_ESCAPE);
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_STREQ(window.Value(2, 2), "6") << "Escape keeps the checks like Enter";
    EXPECT_KEYS_GO_TO(window.Hwnd());
}

TEST(CheckListComboWindow, NoChecksStoreTheEmptyValue) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, CheckListStyle(kCategories, "5"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGECheckListComboBox>(window.grid, 2, 2);
    CCheckListBox* pList = OpenList(window, pCombo);
    ASSERT_NE(pList, nullptr);
    PressKey(VK_SPACE);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_SPACE);
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "") << "no checks is the empty text, not 0";
}

TEST(CheckListComboWindow, LosingTheFocusStoresTheChecks) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, CheckListStyle(kCategories, ""));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGECheckListComboBox>(window.grid, 2, 2);
    CCheckListBox* pList = OpenList(window, pCombo);
    ASSERT_NE(pList, nullptr);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_SPACE);
    ::SendMessageA(pList->m_hWnd, WM_KILLFOCUS, 0, 0);
    window.Update();
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_STREQ(window.Value(2, 2), "4");
}

TEST(CheckListComboWindow, TypingChangesNothingAndTheEditWindowNeverShows) {
    WindowGrid window;
    PutStyle(window.grid, 2, 2, CheckListStyle(kCategories, "1"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGECheckListComboBox>(window.grid, 2, 2);
    TypeText("xyz");
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "1");
    EXPECT_FALSE(pCombo->IsActive());
    EXPECT_FALSE(pCombo->GetWndPtr() != nullptr && pCombo->GetWndPtr()->IsWindowVisible());
}

TEST(CheckListComboWindow, ThirtyTwoItemsFitTheMaskAndMoreAreRefused) {
    WindowGrid window;
    const std::string str32 = ManyItems(32);
    const std::string str33 = ManyItems(33);
    PutStyle(window.grid, 2, 2, CheckListStyle(str32.c_str(), "2147483649"));
    PutStyle(window.grid, 3, 2, CheckListStyle(str33.c_str(), "1"));
    window.Select(2, 2);
    auto* pCombo = ControlOf<CGECheckListComboBox>(window.grid, 2, 2);
    CCheckListBox* pList = OpenList(window, pCombo);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetCheck(0), 1);
    EXPECT_EQ(pList->GetCheck(31), 1) << "the top bit is read unsigned";
    PressKey(VK_SPACE);
    PressKey(VK_RETURN);
    window.Update();
    EXPECT_STREQ(window.Value(2, 2), "2147483648");

    window.Select(3, 2);
    EXPECT_EQ(OpenList(window, pCombo), nullptr) << "a 33rd item has no bit";
    EXPECT_FALSE(pCombo->IsListShown());
    EXPECT_STREQ(window.Value(3, 2), "1");
}
