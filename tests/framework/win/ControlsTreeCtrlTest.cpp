// Tree-view controls: building a tree, walking it, item texts and data, state images and check boxes,
// expanding, selecting, sorting, hit testing, label editing and the scroll position.
#include "ControlsTestSupport.h"

#include <string>
#include <vector>

using namespace ctltest;

namespace {

constexpr UINT IDC_TREE = 3501;

// Projects
//   Alpha (data 1)
//     Design
//     Build
//     Test
//   Beta (data 2)
//     Plan
class TreeCtrlTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                    TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                                Area(10, 10, 300, 400), &parent, IDC_TREE));
        root = tree.InsertItem("Projects");
        alpha = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "Alpha", 0, 0, 0, 0, 1, root, TVI_LAST);
        beta = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "Beta", 0, 0, 0, 0, 2, root, TVI_LAST);
        design = tree.InsertItem("Design", alpha);
        build = tree.InsertItem("Build", alpha);
        test = tree.InsertItem("Test", alpha, build);
        plan = tree.InsertItem("Plan", 1, 2, beta);
        ASSERT_NE(plan, nullptr);
    }

    std::vector<std::string> Children(HTREEITEM hParent) const {
        std::vector<std::string> names;
        for (HTREEITEM h = tree.GetChildItem(hParent); h != nullptr; h = tree.GetNextSiblingItem(h))
            names.emplace_back(static_cast<LPCSTR>(tree.GetItemText(h)));
        return names;
    }

    CTreeCtrl tree;
    HTREEITEM root = nullptr;
    HTREEITEM alpha = nullptr;
    HTREEITEM beta = nullptr;
    HTREEITEM design = nullptr;
    HTREEITEM build = nullptr;
    HTREEITEM test = nullptr;
    HTREEITEM plan = nullptr;
};

} // namespace

TEST_F(TreeCtrlTest, NavigationFollowsTheStructure) {
    EXPECT_EQ(tree.GetCount(), 7u);
    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetNextSiblingItem(root), nullptr);
    EXPECT_EQ(tree.GetParentItem(root), nullptr);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(Children(alpha), (std::vector<std::string>{"Design", "Build", "Test"}));
    EXPECT_EQ(tree.GetParentItem(test), alpha);
    EXPECT_EQ(tree.GetPrevSiblingItem(test), build);
    EXPECT_EQ(tree.GetPrevSiblingItem(design), nullptr);
    EXPECT_EQ(tree.GetNextItem(alpha, TVGN_CHILD), design);
    EXPECT_EQ(tree.GetNextItem(alpha, TVGN_NEXT), beta);
    EXPECT_TRUE(tree.ItemHasChildren(alpha));
    EXPECT_FALSE(tree.ItemHasChildren(design));

    // First in front, last after all, and after a given sibling.
    HTREEITEM first = tree.InsertItem("Kickoff", alpha, TVI_FIRST);
    HTREEITEM after = tree.InsertItem("Review", alpha, build);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(after, nullptr);
    EXPECT_EQ(Children(alpha), (std::vector<std::string>{"Kickoff", "Design", "Build", "Review", "Test"}));

    EXPECT_TRUE(tree.DeleteItem(alpha));
    EXPECT_EQ(tree.GetCount(), 3u);
    EXPECT_EQ(Children(root), (std::vector<std::string>{"Beta"}));
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST_F(TreeCtrlTest, TextDataAndImages) {
    EXPECT_EQ(tree.GetItemData(alpha), 1u);
    EXPECT_EQ(tree.GetItemData(beta), 2u);
    EXPECT_TRUE(tree.SetItemData(design, 0xABCDu));
    EXPECT_EQ(tree.GetItemData(design), 0xABCDu);
    EXPECT_EQ(std::string(static_cast<LPCSTR>(tree.GetItemText(alpha))), "Alpha");

    EXPECT_TRUE(tree.SetItemText(alpha, "Alpha project"));
    EXPECT_EQ(std::string(static_cast<LPCSTR>(tree.GetItemText(alpha))), "Alpha project");
    EXPECT_EQ(tree.GetItemData(alpha), 1u); // the text change left the data alone
    const std::string longName(700, 'n');
    EXPECT_TRUE(tree.SetItemText(build, longName.c_str()));
    EXPECT_EQ(std::string(static_cast<LPCSTR>(tree.GetItemText(build))), longName);

    int image = -1;
    int selected = -1;
    ASSERT_TRUE(tree.GetItemImage(plan, image, selected));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selected, 2);
    EXPECT_TRUE(tree.SetItemImage(plan, 3, 4));
    ASSERT_TRUE(tree.GetItemImage(plan, image, selected));
    EXPECT_EQ(image, 3);
    EXPECT_EQ(selected, 4);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 4, 1));
    EXPECT_EQ(tree.SetImageList(&images, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &images);
    tree.SetImageList(nullptr, TVSIL_NORMAL);
}

TEST_F(TreeCtrlTest, StateImagesAndCheckBoxes) {
    CImageList states;
    ASSERT_TRUE(states.Create(16, 16, ILC_COLOR24, 4, 1));
    CGdiObject strip;
    ASSERT_TRUE(strip.Attach(SolidBitmap(64, 16, RGB(200, 200, 200))));
    ASSERT_EQ(states.Add(&strip, CLR_NONE), 0);
    tree.SetImageList(&states, TVSIL_STATE);

    EXPECT_TRUE(tree.SetItemState(design, INDEXTOSTATEIMAGEMASK(3), TVIS_STATEIMAGEMASK));
    EXPECT_EQ(tree.GetItemState(design, TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(3));
    EXPECT_EQ(tree.GetItemState(design, TVIS_STATEIMAGEMASK) >> 12, 3u);
    // Other state bits stay as they are.
    EXPECT_TRUE(tree.SetItemState(design, TVIS_BOLD, TVIS_BOLD));
    EXPECT_EQ(tree.GetItemState(design, TVIS_BOLD | TVIS_STATEIMAGEMASK),
              TVIS_BOLD | INDEXTOSTATEIMAGEMASK(3));
    EXPECT_EQ(tree.GetItemState(design, TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));
    EXPECT_EQ(tree.GetItemState(build, TVIS_BOLD), 0u);

    EXPECT_TRUE(tree.SetCheck(build));
    EXPECT_TRUE(tree.GetCheck(build));
    EXPECT_FALSE(tree.GetCheck(test));
    EXPECT_TRUE(tree.SetCheck(build, FALSE));
    EXPECT_FALSE(tree.GetCheck(build));
    EXPECT_EQ(tree.GetItemState(build, TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
    tree.SetImageList(nullptr, TVSIL_STATE);
}

TEST_F(TreeCtrlTest, CheckBoxStyleStartsUnchecked) {
    CTreeCtrl checks;
    ASSERT_TRUE(checks.Create(WS_CHILD | WS_VISIBLE | TVS_CHECKBOXES, Area(320, 10, 200, 200), &parent,
                              IDC_TREE + 1));
    HTREEITEM item = checks.InsertItem("Billable");
    EXPECT_FALSE(checks.GetCheck(item));
    EXPECT_EQ(checks.GetItemState(item, TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
    EXPECT_TRUE(checks.SetCheck(item));
    EXPECT_TRUE(checks.GetCheck(item));
}

TEST_F(TreeCtrlTest, ExpandSelectAndVisibleItems) {
    EXPECT_EQ(tree.GetItemState(root, TVIS_EXPANDED), 0u);
    EXPECT_EQ(tree.GetFirstVisibleItem(), root);
    EXPECT_EQ(tree.GetNextVisibleItem(root), nullptr);

    EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
    EXPECT_EQ(tree.GetItemState(root, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    EXPECT_EQ(tree.GetNextVisibleItem(root), alpha);
    EXPECT_EQ(tree.GetNextVisibleItem(alpha), beta);
    EXPECT_TRUE(tree.Expand(alpha, TVE_TOGGLE));
    EXPECT_EQ(tree.GetNextVisibleItem(alpha), design);
    EXPECT_EQ(tree.GetPrevVisibleItem(design), alpha);
    EXPECT_GE(parent.CountNotifications(IDC_TREE, TVN_ITEMEXPANDED), 2);

    CRect rect;
    EXPECT_TRUE(tree.GetItemRect(test, &rect, TRUE));
    EXPECT_GT(rect.Width(), 0);
    EXPECT_FALSE(tree.GetItemRect(plan, &rect, FALSE)); // under a collapsed item

    // It expands what hides the item (and then answers FALSE: it did not merely scroll).
    tree.EnsureVisible(plan);
    EXPECT_EQ(tree.GetItemState(beta, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));

    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_TRUE(tree.SelectItem(build));
    EXPECT_EQ(tree.GetSelectedItem(), build);
    EXPECT_EQ(tree.GetItemState(build, TVIS_SELECTED), static_cast<UINT>(TVIS_SELECTED));
    EXPECT_GE(parent.CountNotifications(IDC_TREE, TVN_SELCHANGED), 1);
    EXPECT_TRUE(tree.Select(test, TVGN_DROPHILITE));
    EXPECT_EQ(tree.GetDropHilightItem(), test);
    EXPECT_EQ(tree.GetSelectedItem(), build);

    EXPECT_TRUE(tree.Expand(root, TVE_COLLAPSE));
    EXPECT_EQ(tree.GetNextVisibleItem(root), nullptr);
}

TEST_F(TreeCtrlTest, SortChildrenAndHitTest) {
    EXPECT_TRUE(tree.SortChildren(alpha));
    EXPECT_EQ(Children(alpha), (std::vector<std::string>{"Build", "Design", "Test"}));
    tree.InsertItem("Aardvark", TVI_ROOT);
    EXPECT_TRUE(tree.SortChildren(nullptr)); // the top level
    EXPECT_EQ(std::string(static_cast<LPCSTR>(tree.GetItemText(tree.GetRootItem()))), "Aardvark");

    tree.Expand(root, TVE_EXPAND);
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(beta, &rect, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(CPoint(rect.left + 2, (rect.top + rect.bottom) / 2), &flags), beta);
    EXPECT_NE(flags & TVHT_ONITEMLABEL, 0u);
    EXPECT_EQ(tree.HitTest(CPoint(5, 390), &flags), nullptr);
    EXPECT_NE(flags & TVHT_NOWHERE, 0u);
}

TEST_F(TreeCtrlTest, EditLabelAndSettings) {
    tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(tree.GetEditControl(), nullptr);
    tree.SetFocus();
    CEdit* edit = tree.EditLabel(beta);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(tree.GetEditControl(), edit);
    CString text;
    edit->GetWindowText(text);
    EXPECT_STREQ(text, "Beta");
    EXPECT_TRUE(tree.EndEditLabelNow(TRUE));
    EXPECT_EQ(std::string(static_cast<LPCSTR>(tree.GetItemText(beta))), "Beta");

    // Scroll times below 100 ms are not kept the same way everywhere: stay at the limit.
    const UINT previous = tree.GetScrollTime();
    EXPECT_EQ(tree.SetScrollTime(100), previous);
    EXPECT_EQ(tree.GetScrollTime(), 100u);

    tree.SetIndent(30);
    EXPECT_EQ(tree.GetIndent(), 30u);
}

// The vertical scroll position of a tree is read as the window's scroll position and put back by a
// thumb-position scroll message, as a window that remembers it does.
TEST_F(TreeCtrlTest, ScrollPositionReadsBackAndRestores) {
    for (int i = 0; i < 60; ++i) {
        CString name;
        name.Format("Task %d", i);
        tree.InsertItem(name, TVI_ROOT);
    }
    EXPECT_EQ(tree.GetScrollPos(SB_VERT), 0);
    HTREEITEM item = tree.GetRootItem();
    for (int i = 0; i < 20; ++i) // from Projects (line 0) to Task 19 (line 20)
        item = tree.GetNextSiblingItem(item);
    ASSERT_TRUE(tree.SelectSetFirstVisible(item));
    const int position = tree.GetScrollPos(SB_VERT);
    EXPECT_EQ(position, 20);

    tree.SelectSetFirstVisible(tree.GetRootItem());
    EXPECT_EQ(tree.GetScrollPos(SB_VERT), 0);
    tree.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    EXPECT_EQ(tree.GetScrollPos(SB_VERT), position);
    EXPECT_EQ(tree.GetFirstVisibleItem(), item);
}
