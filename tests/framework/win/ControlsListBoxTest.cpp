// List boxes: items with data and pointers, finding and selecting strings, multiple selection, the
// owner-draw messages reflected to the control, and the check list box's check states.
#include "ControlsTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace ctltest;

namespace {

constexpr UINT IDC_LIST = 3201;
constexpr UINT IDC_CHECKLIST = 3202;

std::string ItemText(const CListBox& list, int nIndex) {
    CString text;
    list.GetText(nIndex, text);
    return static_cast<LPCSTR>(text);
}

// An owner-drawn list box without strings: items are numbers kept as item data, sorted by value.
class NumberList : public CListBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override {
        if (static_cast<int>(lpDrawItemStruct->itemID) >= 0)
            drawn.push_back(static_cast<int>(lpDrawItemStruct->itemData));
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override {
        ++measured;
        lpMeasureItemStruct->itemHeight = 21;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override {
        ++compared;
        const auto a = static_cast<int>(lpCompareItemStruct->itemData1);
        const auto b = static_cast<int>(lpCompareItemStruct->itemData2);
        return a < b ? -1 : a > b ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override {
        deleted.push_back(static_cast<int>(lpDeleteItemStruct->itemData));
    }

    std::vector<int> drawn;
    std::vector<int> deleted;
    int measured = 0;
    int compared = 0;
};

class CheckList : public CCheckListBox {
public:
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override {
        deletedData.push_back(lpDeleteItemStruct->itemData);
    }
    std::vector<ULONG_PTR> deletedData;
};

class CheckParent : public ParentWnd {
public:
    void OnCheckChange() { ++checkChanges; }
    int checkChanges = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CheckParent, ParentWnd)
ON_CLBN_CHKCHANGE(IDC_CHECKLIST, OnCheckChange)
END_MESSAGE_MAP()

class CheckListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateParent());
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, CRect(10, 10, 210, 210),
                                &parent, IDC_CHECKLIST));
        for (const char* name : {"Design", "Build", "Test", "Ship"})
            list.AddString(name);
    }
    void TearDown() override {
        parent.DestroyWindow();
        Pump();
    }

    // Clicks item nIndex at x pixels from its left edge.
    void Click(int nIndex, int x) {
        CRect item;
        ASSERT_NE(list.GetItemRect(nIndex, &item), LB_ERR);
        const LPARAM at = MAKELPARAM(item.left + x, (item.top + item.bottom) / 2);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        list.SendMessage(WM_LBUTTONUP, 0, at);
    }

    CheckParent parent;
    CheckList list;
};

} // namespace

using ListBoxTest = ControlsTest;

TEST_F(ListBoxTest, ItemsDataAndFinding) {
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, Area(10, 10, 200, 150), &parent,
                            IDC_LIST));
    EXPECT_EQ(list.AddString("Alpha"), 0);
    EXPECT_EQ(list.AddString("Beta"), 1);
    EXPECT_EQ(list.AddString("alphabet"), 2);
    EXPECT_EQ(list.InsertString(1, "Gamma"), 1);
    EXPECT_EQ(list.InsertString(-1, "Delta"), 4);
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_EQ(ItemText(list, 1), "Gamma");
    EXPECT_EQ(list.GetTextLen(3), 8);
    EXPECT_EQ(ItemText(list, 9), "");
    char buffer[16];
    EXPECT_EQ(list.GetText(2, buffer), 4);
    EXPECT_STREQ(buffer, "Beta");

    struct Project {
        int id;
    } project{42};
    EXPECT_NE(list.SetItemData(2, 7), LB_ERR);
    EXPECT_NE(list.SetItemDataPtr(3, &project), LB_ERR);
    EXPECT_EQ(list.GetItemData(2), 7u);
    EXPECT_EQ(list.GetItemDataPtr(3), &project);
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_EQ(list.SetItemData(99, 1), LB_ERR);

    // Prefix search ignores case and wraps; the exact search wants the whole text.
    EXPECT_EQ(list.FindString(-1, "alp"), 0);
    EXPECT_EQ(list.FindString(0, "alp"), 3);
    EXPECT_EQ(list.FindString(3, "ALP"), 0);
    EXPECT_EQ(list.FindString(-1, "zeta"), LB_ERR);
    EXPECT_EQ(list.FindStringExact(-1, "ALPHABET"), 3);
    EXPECT_EQ(list.FindStringExact(-1, "Alph"), LB_ERR);

    EXPECT_EQ(list.SelectString(-1, "del"), 4);
    EXPECT_EQ(list.GetCurSel(), 4);
    EXPECT_EQ(list.SelectString(-1, "none"), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), 4);
    EXPECT_EQ(list.SetCurSel(-1), LB_ERR); // clearing answers LB_ERR by design
    EXPECT_EQ(list.GetCurSel(), LB_ERR);

    EXPECT_EQ(list.DeleteString(0), 4);
    EXPECT_EQ(ItemText(list, 0), "Gamma");
    EXPECT_EQ(list.GetItemData(1), 7u); // data moves with its item
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ListBoxTest, MultipleSelectionAndScrolling) {
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT,
                            Area(10, 10, 200, 60), &parent, IDC_LIST));
    for (int i = 0; i < 30; ++i)
        list.AddString(("Item " + std::to_string(i)).c_str());

    EXPECT_NE(list.SelItemRange(TRUE, 3, 6), LB_ERR);
    EXPECT_NE(list.SetSel(10), LB_ERR);
    EXPECT_EQ(list.GetSelCount(), 5);
    EXPECT_GT(list.GetSel(4), 0);
    EXPECT_EQ(list.GetSel(7), 0);
    int selected[10] = {};
    ASSERT_EQ(list.GetSelItems(10, selected), 5);
    EXPECT_EQ(std::vector<int>(selected, selected + 5), (std::vector<int>{3, 4, 5, 6, 10}));

    EXPECT_NE(list.SelItemRange(FALSE, 4, 5), LB_ERR);
    EXPECT_NE(list.SelItemRange(FALSE, 10, 10), LB_ERR);
    ASSERT_EQ(list.GetSelItems(10, selected), 2);
    EXPECT_EQ(selected[0], 3);
    EXPECT_EQ(selected[1], 6);
    EXPECT_NE(list.SetSel(-1, FALSE), LB_ERR);
    EXPECT_EQ(list.GetSelCount(), 0);

    list.SetAnchorIndex(8);
    EXPECT_EQ(list.GetAnchorIndex(), 8);
    EXPECT_NE(list.SetCaretIndex(12, FALSE), LB_ERR);
    EXPECT_EQ(list.GetCaretIndex(), 12);

    EXPECT_NE(list.SetTopIndex(20), LB_ERR);
    EXPECT_EQ(list.GetTopIndex(), 20);
    BOOL outside = TRUE;
    CRect item;
    ASSERT_NE(list.GetItemRect(21, &item), LB_ERR);
    EXPECT_EQ(list.ItemFromPoint(CPoint(item.left + 2, item.top + 1), outside), 21u);
    EXPECT_FALSE(outside);
}

TEST_F(ListBoxTest, OwnerDrawMessagesReachTheVirtuals) {
    NumberList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT, Area(10, 10, 200, 200),
                            &parent, IDC_LIST));
    // The fixed height was measured while the control was being created.
    EXPECT_EQ(list.measured, 1);
    EXPECT_EQ(list.GetItemHeight(0), 21);

    for (int value : {30, 10, 20})
        list.AddString(reinterpret_cast<LPCSTR>(static_cast<INT_PTR>(value)));
    EXPECT_GT(list.compared, 0);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItemData(0), 10u);
    EXPECT_EQ(list.GetItemData(1), 20u);
    EXPECT_EQ(list.GetItemData(2), 30u);

    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_EQ(list.drawn, (std::vector<int>{10, 20, 30}));

    list.DeleteString(1);
    EXPECT_EQ(list.deleted, (std::vector<int>{20}));
    list.ResetContent();
    // Every item left goes, in whatever order the control chooses.
    std::sort(list.deleted.begin() + 1, list.deleted.end());
    EXPECT_EQ(list.deleted, (std::vector<int>{20, 10, 30}));
}

TEST_F(CheckListTest, ClickOnTheBoxTogglesAndNotifies) {
    EXPECT_NE(list.GetStyle() & LBS_OWNERDRAWFIXED, 0u);
    EXPECT_NE(list.GetStyle() & LBS_HASSTRINGS, 0u);
    EXPECT_GE(list.GetItemHeight(0), 15); // room for the box

    Click(1, 6);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(parent.checkChanges, 1);
    EXPECT_EQ(list.GetCurSel(), 1); // the click selects the item as well
    Click(1, 6);
    EXPECT_EQ(list.GetCheck(1), 0);
    EXPECT_EQ(parent.checkChanges, 2);

    // A click on the text selects without toggling.
    Click(2, 100);
    EXPECT_EQ(list.GetCheck(2), 0);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(parent.checkChanges, 2);

    // The space key toggles the item with the caret.
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(list.GetCheck(2), 1);
    EXPECT_EQ(parent.checkChanges, 3);
    EXPECT_EQ(parent.CountCommands(IDC_CHECKLIST, CLBN_CHKCHANGE), 3);
}

TEST_F(CheckListTest, DisabledItemDoesNotToggle) {
    list.Enable(0, FALSE);
    EXPECT_FALSE(list.IsEnabled(0));
    EXPECT_TRUE(list.IsEnabled(1));
    Click(0, 6);
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(parent.checkChanges, 0);
    list.SetCurSel(0);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(list.GetCheck(0), 0);

    // The program may still set it; enabled again, the user may too.
    list.SetCheck(0, 1);
    EXPECT_EQ(list.GetCheck(0), 1);
    list.Enable(0, TRUE);
    Click(0, 6);
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(parent.checkChanges, 1);
}

TEST_F(CheckListTest, CheckStylesCycleOrOnlyNotify) {
    list.SetCheckStyle(BS_AUTO3STATE);
    EXPECT_EQ(list.GetCheckStyle(), static_cast<UINT>(BS_AUTO3STATE));
    std::vector<int> states;
    for (int i = 0; i < 3; ++i) {
        Click(3, 6);
        states.push_back(list.GetCheck(3));
    }
    EXPECT_EQ(states, (std::vector<int>{1, 2, 0}));

    list.SetCheckStyle(BS_CHECKBOX);
    Click(3, 6);
    EXPECT_EQ(list.GetCheck(3), 0); // the parent decides
    EXPECT_EQ(parent.checkChanges, 4);

    list.SetCheckStyle(BS_PUSHBUTTON); // not a check style: ignored
    EXPECT_EQ(list.GetCheckStyle(), static_cast<UINT>(BS_CHECKBOX));
    list.SetCheck(3, 5); // out of range: ignored
    EXPECT_EQ(list.GetCheck(3), 0);
    EXPECT_EQ(list.GetCheck(17), 0);
}

TEST_F(CheckListTest, ItemDataStaysTheProgramsOwn) {
    int marker = 0;
    list.SetCheck(1, 1);
    EXPECT_NE(list.SetItemDataPtr(1, &marker), LB_ERR);
    EXPECT_NE(list.SetItemData(2, 99), LB_ERR);
    EXPECT_EQ(list.GetItemDataPtr(1), &marker);
    EXPECT_EQ(list.GetItemData(2), 99u);
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_EQ(list.GetItemData(9), static_cast<DWORD_PTR>(LB_ERR));
    // Anyone asking the window directly sees the same.
    EXPECT_EQ(::SendMessageA(list.m_hWnd, LB_GETITEMDATA, 2, 0), 99);
    // Setting data keeps the check state, checking keeps the data.
    EXPECT_EQ(list.GetCheck(1), 1);
    list.SetCheck(2, 1);
    EXPECT_EQ(list.GetItemData(2), 99u);

    // Items keep their states when others go; deleted items pass the program's data on.
    list.DeleteString(0);
    EXPECT_EQ(list.GetCheck(0), 1);
    EXPECT_EQ(list.GetItemDataPtr(0), &marker);
    EXPECT_EQ(list.GetItemData(1), 99u);
    list.DeleteString(1);
    ASSERT_FALSE(list.deletedData.empty());
    EXPECT_EQ(list.deletedData.back(), 99u);
    list.ResetContent();
    EXPECT_EQ(list.deletedData.back(), reinterpret_cast<ULONG_PTR>(&marker));
    list.AddString("Fresh");
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(list.GetItemData(0), 0u);
}

TEST_F(CheckListTest, BoxesAreDrawn) {
    list.SetCheck(0, 1);
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CRect item0;
    CRect item1;
    list.GetItemRect(0, &item0);
    list.GetItemRect(1, &item1);
    // The checked box has a dark check mark in its middle, the unchecked one has none.
    HDC hDC = ::GetDC(list.m_hWnd);
    auto darkPixels = [&](const CRect& item) {
        int dark = 0;
        for (int x = item.left + 4; x < item.left + 13; ++x)
            for (int y = item.top + 3; y < item.bottom - 3; ++y) {
                const COLORREF c = ::GetPixel(hDC, x, y);
                dark += (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) ? 1 : 0;
            }
        return dark;
    };
    const int checkedDark = darkPixels(item0);
    const int uncheckedDark = darkPixels(item1);
    ::ReleaseDC(list.m_hWnd, hDC);
    EXPECT_GT(checkedDark, uncheckedDark + 5);
}

TEST(CheckListSubclass, ListBoxOfATemplateGetsBoxesWhenSubclassed) {
    CheckParent parent;
    ASSERT_TRUE(parent.CreateParent());
    // As a dialog would create it: measured by the parent before any object knows it.
    HWND hWnd = ::CreateWindowExA(
        0, "LISTBOX", nullptr, WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, 10,
        10, 200, 200, parent.m_hWnd, reinterpret_cast<HMENU>(IDC_CHECKLIST), nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    ::SendMessageA(hWnd, LB_SETITEMHEIGHT, 0, 6);
    ::SendMessageA(hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Design"));
    CCheckListBox list;
    ASSERT_TRUE(list.SubclassWindow(hWnd));
    EXPECT_GE(list.GetItemHeight(0), 15);

    CRect item;
    list.GetItemRect(0, &item);
    const LPARAM at = MAKELPARAM(item.left + 6, (item.top + item.bottom) / 2);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    list.SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_EQ(list.GetCheck(0), 1);
    EXPECT_EQ(parent.checkChanges, 1);
    parent.DestroyWindow();
}
