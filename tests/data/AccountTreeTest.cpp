// Expense accounts as a tree: full names and levels along the parents, the look-up by name, and the
// tree control the account dialogs fill.
#include "../timelog/ModelTestSupport.h"

#include "data/CAccount.h"
#include "framework/win/CTreeCtrl.h"
#include "framework/win/CWnd.h"

#include <string>
#include <vector>

using namespace modeltest;

namespace {

// Operating (bank)
//   Expenses
//     Travel
//   Old (inactive)
//     Older
// Savings (bank)
class AccountTree : public ModelTest {
protected:
    AccountTree() {
        operating = Add("Operating", nullptr, CAccount::bankAccount);
        expenses = Add("Expenses", operating);
        travel = Add("Travel", expenses);
        old = Add("Old", operating);
        old->m_Active = 0;
        older = Add("Older", old);
        savings = Add("Savings", nullptr, CAccount::bankAccount);
    }
    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Accounts", WS_OVERLAPPEDWINDOW,
                                    CRect(0, 0, 300, 400), nullptr, 0));
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_CHECKBOXES,
                                CRect(0, 0, 280, 380), &parent, 100));
    }
    void TearDown() override {
        parent.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    CAccount* Add(const char* name, CAccount* pParent, int type = CAccount::expenseAccount) {
        auto* account = new CAccount(name);
        account->m_ActType = type;
        // The parent as a stored row names it: by GUID only, found through the document.
        if (pParent)
            account->m_ParentID = pParent->GetGUID();
        doc.AddAccount(account);
        return account;
    }

    // "name(image)[children]" for each item below under, in order.
    std::string Outline(HTREEITEM under) const {
        std::string text;
        for (HTREEITEM h = tree.GetChildItem(under); h; h = tree.GetNextSiblingItem(h)) {
            int image = -1;
            int selected = -1;
            tree.GetItemImage(h, image, selected);
            const auto* account = reinterpret_cast<CAccount*>(tree.GetItemData(h));
            EXPECT_EQ(CString(tree.GetItemText(h)), account->m_Name);
            EXPECT_FALSE(tree.GetCheck(h));
            CString item;
            item.Format("%s(%d)", static_cast<LPCSTR>(tree.GetItemText(h)), image);
            text += item.GetString();
            if (tree.ItemHasChildren(h)) {
                EXPECT_TRUE(tree.GetItemState(h, TVIS_EXPANDED) & TVIS_EXPANDED);
                text.append("[").append(Outline(h)).append("]");
            }
        }
        return text;
    }

    CLogDoc doc;
    CAccount* operating;
    CAccount* expenses;
    CAccount* travel;
    CAccount* old;
    CAccount* older;
    CAccount* savings;
    CWnd parent;
    CTreeCtrl tree;
};

TEST_F(AccountTree, FullNamesAndLevelsFollowTheParents) {
    EXPECT_EQ(operating->GetFullName(), "Operating");
    EXPECT_EQ(expenses->GetFullName(), "Operating:Expenses");
    EXPECT_EQ(travel->GetFullName(), "Operating:Expenses:Travel");
    EXPECT_EQ(operating->GetLevel(), 0);
    EXPECT_EQ(travel->GetLevel(), 2);
    EXPECT_EQ(doc.FindAccountByName("operating:EXPENSES"), expenses);

    travel->m_ParentID = "NOBODY";
    travel->m_pParent = nullptr;
    EXPECT_EQ(travel->GetFullName(), "Travel") << "an unknown parent counts as none";
    EXPECT_EQ(travel->GetLevel(), 0);
}

TEST_F(AccountTree, TreeLeavesOutInactiveAccountsWithTheirChildren) {
    FillAccountTree(tree, doc.m_Accounts, false);
    EXPECT_EQ(Outline(TVI_ROOT), "Operating(30)[Expenses(31)[Travel(31)]]Savings(30)");
}

TEST_F(AccountTree, TreeShowsInactiveAccountsWhenAskedAndFillsUnderTheFirstRoot) {
    HTREEITEM root = tree.InsertItem("Accounts");
    FillAccountTree(tree, doc.m_Accounts, true);
    EXPECT_EQ(tree.GetNextSiblingItem(root), nullptr) << "everything goes below the root item";
    EXPECT_EQ(Outline(root), "Operating(30)[Expenses(31)[Travel(31)]Old(31)[Older(31)]]Savings(30)");
}

TEST_F(AccountTree, TreeKeepsTheSelection) {
    HTREEITEM root = tree.InsertItem("Accounts");
    tree.SelectItem(root);
    FillAccountTree(tree, doc.m_Accounts, false);
    EXPECT_EQ(tree.GetSelectedItem(), root);
}

TEST_F(AccountTree, ParentsInACircleAreNeverShownAndNeverHang) {
    CAccount* a = Add("A", nullptr);
    CAccount* b = Add("B", a);
    a->m_ParentID = b->GetGUID();
    EXPECT_GT(a->GetLevel(), 0) << "the walk up ends";
    FillAccountTree(tree, doc.m_Accounts, true);
    EXPECT_EQ(Outline(TVI_ROOT), "Operating(30)[Expenses(31)[Travel(31)]Old(31)[Older(31)]]Savings(30)");
}

} // namespace
