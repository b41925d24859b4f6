// Combo boxes in their three styles and the extended combo box: items with data, finding and selecting
// strings, the edit part, the drop-down list's width and state, owner drawing.
#include "ControlsTestSupport.h"

#include <string>
#include <vector>

using namespace ctltest;

namespace {

constexpr UINT IDC_COMBO = 3301;

std::string ItemText(const CComboBox& combo, int nIndex) {
    CString text;
    combo.GetLBText(nIndex, text);
    return static_cast<LPCSTR>(text);
}

std::string Text(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return static_cast<LPCSTR>(text);
}

class DrawnCombo : public CComboBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override {
        if (static_cast<int>(lpDrawItemStruct->itemID) >= 0)
            drawnData.push_back(lpDrawItemStruct->itemData);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override {
        measuredIds.push_back(static_cast<int>(lpMeasureItemStruct->itemID));
        lpMeasureItemStruct->itemHeight = 19;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override {
        deletedData.push_back(lpDeleteItemStruct->itemData);
    }
    std::vector<ULONG_PTR> drawnData;
    std::vector<ULONG_PTR> deletedData;
    std::vector<int> measuredIds;
};

struct StyleCase {
    DWORD style;
    bool hasEdit;
    bool hasDropDown;
};

class ComboStyles : public ControlsTest, public ::testing::WithParamInterface<StyleCase> {};

} // namespace

using ComboBoxTest = ControlsTest;

TEST_P(ComboStyles, ItemsDataFindAndSelect) {
    const StyleCase style = GetParam();
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | style.style, Area(10, 10, 200, 150),
                             &parent, IDC_COMBO));
    for (const char* name : {"Consulting", "Design", "Development", "Travel"})
        combo.AddString(name);
    EXPECT_EQ(combo.InsertString(0, "Admin"), 0);
    ASSERT_EQ(combo.GetCount(), 5);
    EXPECT_EQ(ItemText(combo, 3), "Development");
    EXPECT_EQ(combo.GetLBTextLen(3), 11);
    EXPECT_EQ(ItemText(combo, 12), "");

    int rate = 85;
    EXPECT_NE(combo.SetItemData(1, 1001), CB_ERR);
    EXPECT_NE(combo.SetItemDataPtr(4, &rate), CB_ERR);
    EXPECT_EQ(combo.GetItemData(1), 1001u);
    EXPECT_EQ(combo.GetItemDataPtr(4), &rate);
    EXPECT_EQ(combo.SetItemData(12, 1), CB_ERR);

    EXPECT_EQ(combo.FindString(-1, "de"), 2);
    EXPECT_EQ(combo.FindString(2, "DE"), 3);
    EXPECT_EQ(combo.FindString(3, "de"), 2); // wraps
    EXPECT_EQ(combo.FindStringExact(-1, "design"), 2);
    EXPECT_EQ(combo.FindStringExact(-1, "Des"), CB_ERR);

    EXPECT_EQ(combo.SelectString(-1, "tra"), 4);
    EXPECT_EQ(combo.GetCurSel(), 4);
    EXPECT_EQ(Text(combo), "Travel");
    EXPECT_EQ(combo.SelectString(-1, "nothing"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 4);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(Text(combo), "Consulting");
    combo.SetCurSel(-1);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    COMBOBOXINFO info{};
    ASSERT_TRUE(combo.GetComboBoxInfo(&info));
    EXPECT_EQ(info.hwndCombo, combo.m_hWnd);
    EXPECT_NE(info.hwndList, nullptr);
    EXPECT_EQ(info.hwndItem != nullptr, style.hasEdit);
    // A simple combo box shows its list all the time and never drops it down.
    combo.ShowDropDown();
    EXPECT_EQ(combo.GetDroppedState() != FALSE, style.hasDropDown);
    combo.ShowDropDown(FALSE);
    EXPECT_FALSE(combo.GetDroppedState());

    EXPECT_EQ(combo.DeleteString(0), 4);
    EXPECT_EQ(combo.GetItemData(0), 1001u);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Combo, ComboStyles,
                         ::testing::Values(StyleCase{CBS_SIMPLE, true, false},
                                           StyleCase{CBS_DROPDOWN, true, true},
                                           StyleCase{CBS_DROPDOWNLIST, false, true}));

TEST_F(ComboBoxTest, EditPartSelectionAndLimit) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL, Area(10, 10, 200, 150),
                             &parent, IDC_COMBO));
    combo.SetWindowText("Overtime");
    EXPECT_TRUE(combo.SetEditSel(1, 4));
    EXPECT_EQ(combo.GetEditSel(), static_cast<DWORD>(MAKELONG(1, 4)));
    combo.SetEditSel(0, -1);
    EXPECT_EQ(combo.GetEditSel(), static_cast<DWORD>(MAKELONG(0, 8)));

    combo.LimitText(4);
    COMBOBOXINFO info{};
    ASSERT_TRUE(combo.GetComboBoxInfo(&info));
    ::SendMessageA(info.hwndItem, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (char c : std::string("abcdef"))
        ::SendMessageA(info.hwndItem, WM_CHAR, static_cast<WPARAM>(c), 1);
    EXPECT_EQ(Text(combo), "abcd");

    // A drop-down list has no edit part to select in.
    CComboBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, Area(10, 40, 200, 150), &parent,
                            IDC_COMBO + 1));
    EXPECT_EQ(list.SetEditSel(0, 1), CB_ERR);
}

TEST_F(ComboBoxTest, DropDownWidthAndState) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, Area(10, 10, 120, 200),
                             &parent, IDC_COMBO));
    combo.AddString("One");
    combo.AddString("Two");
    const int initial = combo.GetDroppedWidth();
    EXPECT_GE(initial, 100);
    EXPECT_EQ(combo.SetDroppedWidth(300), 300);
    EXPECT_EQ(combo.GetDroppedWidth(), 300);
    // The list never gets narrower than the combo box.
    combo.SetDroppedWidth(20);
    EXPECT_EQ(combo.GetDroppedWidth(), initial);

    EXPECT_FALSE(combo.GetDroppedState());
    combo.ShowDropDown();
    EXPECT_TRUE(combo.GetDroppedState());
    EXPECT_EQ(parent.CountCommands(IDC_COMBO, CBN_DROPDOWN), 1);
    CRect dropped;
    combo.GetDroppedControlRect(&dropped);
    EXPECT_GT(dropped.Height(), 0);
    combo.ShowDropDown(FALSE);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(parent.CountCommands(IDC_COMBO, CBN_CLOSEUP), 1);

    EXPECT_FALSE(combo.GetExtendedUI());
    combo.SetExtendedUI();
    EXPECT_TRUE(combo.GetExtendedUI());
}

TEST_F(ComboBoxTest, OwnerDrawMessagesReachTheVirtuals) {
    DrawnCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                             Area(10, 10, 150, 150), &parent, IDC_COMBO));
    // Measured during creation: the selection field (-1) and the list items (0).
    EXPECT_FALSE(combo.measuredIds.empty());
    EXPECT_EQ(combo.GetItemHeight(0), 19);
    EXPECT_NE(combo.SetItemHeight(0, 25), CB_ERR);
    EXPECT_EQ(combo.GetItemHeight(0), 25);
    combo.AddString(reinterpret_cast<LPCSTR>(static_cast<INT_PTR>(501)));
    combo.AddString(reinterpret_cast<LPCSTR>(static_cast<INT_PTR>(502)));
    combo.SetCurSel(1);
    combo.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    ASSERT_FALSE(combo.drawnData.empty());
    EXPECT_EQ(combo.drawnData.back(), 502u);
    combo.DeleteString(0);
    EXPECT_EQ(combo.deletedData, (std::vector<ULONG_PTR>{501}));
}

TEST_F(ComboBoxTest, ExtendedComboBoxItemsImagesAndInnerControls) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1));
    CGdiObject bitmap;
    ASSERT_TRUE(bitmap.Attach(SolidBitmap(48, 16, RGB(0, 128, 0))));
    ASSERT_EQ(images.Add(&bitmap, CLR_NONE), 0);

    CComboBoxEx combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, Area(10, 10, 200, 150), &parent, IDC_COMBO));
    EXPECT_TRUE(combo.IsKindOf(RUNTIME_CLASS(CComboBox)));
    EXPECT_EQ(combo.SetImageList(&images), nullptr);
    EXPECT_EQ(combo.GetImageList(), &images);

    const char* names[] = {"Client A", "Client B", "Client C"};
    for (int i = 0; i < 3; ++i) {
        COMBOBOXEXITEM item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
        item.iItem = i;
        item.pszText = const_cast<LPSTR>(names[i]);
        item.iImage = i;
        item.iSelectedImage = i;
        item.lParam = 100 + i;
        EXPECT_EQ(combo.InsertItem(&item), i);
    }
    EXPECT_EQ(combo.GetCount(), 3);

    char text[32] = {};
    COMBOBOXEXITEM read{};
    read.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_LPARAM;
    read.iItem = 1;
    read.pszText = text;
    read.cchTextMax = sizeof text;
    ASSERT_TRUE(combo.GetItem(&read));
    EXPECT_STREQ(text, "Client B");
    EXPECT_EQ(read.iImage, 1);
    EXPECT_EQ(read.lParam, 101);

    COMBOBOXEXITEM change{};
    change.mask = CBEIF_TEXT;
    change.iItem = 1;
    change.pszText = const_cast<LPSTR>("Client Bee");
    EXPECT_TRUE(combo.SetItem(&change));
    ASSERT_TRUE(combo.GetItem(&read));
    EXPECT_STREQ(text, "Client Bee");

    // The combo box inside holds the same items; selecting one shows it in the edit control.
    CComboBox* inner = combo.GetComboBoxCtrl();
    ASSERT_NE(inner, nullptr);
    EXPECT_NE(inner->m_hWnd, combo.m_hWnd);
    EXPECT_EQ(inner->GetCount(), 3);
    CEdit* edit = combo.GetEditCtrl();
    ASSERT_NE(edit, nullptr);
    combo.SetCurSel(2);
    EXPECT_EQ(Text(*edit), "Client C");

    EXPECT_EQ(combo.DeleteItem(0), 2);
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.DeleteItem(7), CB_ERR);

    EXPECT_EQ(combo.SetExtendedStyle(0, CBES_EX_CASESENSITIVE), 0u);
    EXPECT_EQ(combo.GetExtendedStyle(), static_cast<DWORD>(CBES_EX_CASESENSITIVE));

    // A drop-down list has no edit control.
    CComboBoxEx list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, Area(10, 40, 200, 150), &parent,
                            IDC_COMBO + 1));
    EXPECT_EQ(list.GetEditCtrl(), nullptr);
}
