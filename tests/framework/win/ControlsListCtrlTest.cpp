// List-view controls: columns, items and sub-items, data, states and check boxes, iterating the
// selection, sorting, hit testing and label editing.
#include "ControlsTestSupport.h"

#include <string>
#include <vector>

using namespace ctltest;

namespace {

constexpr UINT IDC_LISTVIEW = 3401;

class ListCtrlTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_EDITLABELS,
                                Area(10, 10, 400, 300), &parent, IDC_LISTVIEW));
        ASSERT_EQ(list.InsertColumn(0, "Task", LVCFMT_LEFT, 150), 0);
        ASSERT_EQ(list.InsertColumn(1, "Hours", LVCFMT_RIGHT, 60, 1), 1);
        ASSERT_EQ(list.InsertColumn(2, "Client"), 2);
        const char* rows[][3] = {{"Design", "4", "Acme"},
                                 {"Build", "12", "Acme"},
                                 {"Review", "2", "Brill"},
                                 {"Ship", "1", "Corto"}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(list.InsertItem(i, rows[i][0]), i);
            EXPECT_TRUE(list.SetItemText(i, 1, rows[i][1]));
            EXPECT_TRUE(list.SetItemText(i, 2, rows[i][2]));
            EXPECT_TRUE(list.SetItemData(i, static_cast<DWORD_PTR>(std::stoi(rows[i][1]))));
        }
    }

    std::vector<std::string> Column(int nSubItem) const {
        std::vector<std::string> texts;
        for (int i = 0; i < list.GetItemCount(); ++i)
            texts.emplace_back(static_cast<LPCSTR>(list.GetItemText(i, nSubItem)));
        return texts;
    }

    std::vector<int> Selected() const {
        std::vector<int> items;
        POSITION pos = list.GetFirstSelectedItemPosition();
        while (pos != nullptr)
            items.push_back(list.GetNextSelectedItem(pos));
        return items;
    }

    CListCtrl list;
};

int CALLBACK ByData(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    const int order = lParam1 < lParam2 ? -1 : lParam1 > lParam2 ? 1 : 0;
    return lParamSort != 0 ? -order : order;
}

} // namespace

TEST_F(ListCtrlTest, ColumnsAndTheirHeader) {
    EXPECT_EQ(list.GetColumnWidth(0), 150);
    EXPECT_EQ(list.GetColumnWidth(1), 60);
    EXPECT_TRUE(list.SetColumnWidth(2, 90));
    EXPECT_EQ(list.GetColumnWidth(2), 90);

    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetItemCount(), 3);
    char text[32] = {};
    HDITEM item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(header->GetItem(1, &item));
    EXPECT_STREQ(text, "Hours");
    EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);

    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    ASSERT_TRUE(list.GetColumn(2, &column));
    EXPECT_STREQ(text, "Client");

    int order[3] = {};
    ASSERT_TRUE(list.GetColumnOrderArray(order));
    EXPECT_EQ(std::vector<int>(order, order + 3), (std::vector<int>{0, 1, 2}));
    int newOrder[3] = {2, 0, 1};
    ASSERT_TRUE(list.SetColumnOrderArray(3, newOrder));
    ASSERT_TRUE(list.GetColumnOrderArray(order, 3));
    EXPECT_EQ(std::vector<int>(order, order + 3), (std::vector<int>{2, 0, 1}));

    EXPECT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(header->GetItemCount(), 2);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Acme", "Acme", "Brill", "Corto"}));
}

TEST_F(ListCtrlTest, ItemsTextDataAndDeletion) {
    EXPECT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Design", "Build", "Review", "Ship"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"4", "12", "2", "1"}));
    EXPECT_EQ(list.GetItemData(1), 12u);

    // Texts longer than any first guess come back whole.
    const std::string longText(1000, 'x');
    EXPECT_TRUE(list.SetItemText(2, 2, longText.c_str()));
    EXPECT_EQ(std::string(static_cast<LPCSTR>(list.GetItemText(2, 2))), longText);
    char shortBuffer[4];
    EXPECT_EQ(list.GetItemText(0, 0, shortBuffer, sizeof shortBuffer), 3);
    EXPECT_STREQ(shortBuffer, "Des");
    EXPECT_EQ(std::string(static_cast<LPCSTR>(list.GetItemText(9, 0))), "");

    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = 1;
    item.pszText = const_cast<LPSTR>("Middle");
    item.lParam = 77;
    EXPECT_EQ(list.InsertItem(&item), 1);
    EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_STATE, 0, "First", LVIS_SELECTED, LVIS_SELECTED, 0, 0), 0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"First", "Design", "Middle", "Build", "Review", "Ship"}));
    EXPECT_EQ(list.GetItemData(2), 77u);
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));

    LVFINDINFO find{};
    find.flags = LVFI_STRING;
    find.psz = "review";
    EXPECT_EQ(list.FindItem(&find), 4);
    find.flags = LVFI_PARAM;
    find.lParam = 77;
    EXPECT_EQ(list.FindItem(&find), 2);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 5);
    EXPECT_FALSE(list.DeleteItem(10));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListCtrlTest, SelectionIterationAndStates) {
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    EXPECT_EQ(list.GetSelectedCount(), 0u);
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 3);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
    EXPECT_EQ(list.GetNextItem(3, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetItemState(3, LVIS_SELECTED | LVIS_FOCUSED),
              static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetItemState(3, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
    // Selecting fires LVN_ITEMCHANGED at the parent.
    EXPECT_GE(parent.CountNotifications(IDC_LISTVIEW, LVN_ITEMCHANGED), 2);

    // Item 0 is selected, everything at once is cleared.
    EXPECT_TRUE(list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 3}));
    EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED));
    EXPECT_EQ(Selected(), std::vector<int>{});

    list.SetSelectionMark(2);
    EXPECT_EQ(list.GetSelectionMark(), 2);
}

TEST_F(ListCtrlTest, SortItemsByTheirData) {
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(list.SortItems(&ByData, 0));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Ship", "Review", "Design", "Build"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"Corto", "Brill", "Acme", "Acme"}));
    EXPECT_EQ(Selected(), std::vector<int>{1}); // the selection moved with "Review"
    EXPECT_TRUE(list.SortItems(&ByData, 1));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"12", "4", "2", "1"}));
}

TEST_F(ListCtrlTest, CheckBoxesAndExtendedStyles) {
    EXPECT_EQ(list.GetExtendedStyle() & LVS_EX_CHECKBOXES, 0u);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle() & (LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT),
              static_cast<DWORD>(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));
    EXPECT_NE(list.GetImageList(LVSIL_STATE), nullptr);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(list.GetCheck(i));
    EXPECT_TRUE(list.SetCheck(2));
    EXPECT_TRUE(list.GetCheck(2));
    EXPECT_FALSE(list.GetCheck(1));
    EXPECT_EQ(list.GetItemState(2, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
    EXPECT_TRUE(list.SetCheck(2, FALSE));
    EXPECT_FALSE(list.GetCheck(2));
}

TEST_F(ListCtrlTest, GeometryHitTestAndVisibility) {
    CRect bounds;
    ASSERT_TRUE(list.GetItemRect(1, &bounds, LVIR_BOUNDS));
    CRect label;
    ASSERT_TRUE(list.GetItemRect(1, &label, LVIR_LABEL));
    EXPECT_GT(bounds.Height(), 0);
    EXPECT_EQ(label.top, bounds.top);
    CRect sub;
    ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, sub));
    EXPECT_EQ(sub.left, bounds.left + 150);

    UINT flags = 0;
    EXPECT_EQ(list.HitTest(CPoint(label.left + 5, (label.top + label.bottom) / 2), &flags), 1);
    EXPECT_NE(flags & LVHT_ONITEM, 0u);
    EXPECT_EQ(list.HitTest(CPoint(5, 290), &flags), -1);
    EXPECT_NE(flags & LVHT_NOWHERE, 0u);

    LVHITTESTINFO info{};
    info.pt = CPoint(sub.left + 3, (sub.top + sub.bottom) / 2);
    EXPECT_EQ(list.SubItemHitTest(&info), 1);
    EXPECT_EQ(info.iSubItem, 1);

    for (int i = 0; i < 40; ++i)
        list.InsertItem(list.GetItemCount(), "More");
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_GT(list.GetCountPerPage(), 0);
    EXPECT_TRUE(list.EnsureVisible(43, FALSE));
    EXPECT_GT(list.GetTopIndex(), 20);
}

TEST_F(ListCtrlTest, EditLabelGivesTheEditControl) {
    EXPECT_EQ(list.GetEditControl(), nullptr);
    list.SetFocus();
    CEdit* edit = list.EditLabel(2);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(list.GetEditControl(), edit);
    CString text;
    edit->GetWindowText(text);
    EXPECT_STREQ(text, "Review");
    EXPECT_GE(parent.CountNotifications(IDC_LISTVIEW, LVN_BEGINLABELEDIT), 1);
}

TEST_F(ListCtrlTest, ImageListsAndColours) {
    CImageList small;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR24, 2, 1));
    EXPECT_EQ(list.SetImageList(&small, LVSIL_SMALL), nullptr);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &small);
    EXPECT_EQ(list.GetImageList(LVSIL_NORMAL), nullptr);
    CImageList other;
    ASSERT_TRUE(other.Create(16, 16, ILC_COLOR24, 2, 1));
    EXPECT_EQ(list.SetImageList(&other, LVSIL_SMALL), &small);
    list.SetImageList(nullptr, LVSIL_SMALL);

    EXPECT_TRUE(list.SetBkColor(RGB(1, 2, 3)));
    EXPECT_EQ(list.GetBkColor(), RGB(1, 2, 3));
    EXPECT_TRUE(list.SetTextColor(RGB(4, 5, 6)));
    EXPECT_EQ(list.GetTextColor(), RGB(4, 5, 6));
    EXPECT_TRUE(list.SetTextBkColor(RGB(7, 8, 9)));
    EXPECT_EQ(list.GetTextBkColor(), RGB(7, 8, 9));
}
