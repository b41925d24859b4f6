// Users and groups (rights, the tree, the choosers) and the older organization tree.
#include "ModelObjectsSupport.h"

#include "../framework/win/ControlsTestSupport.h"
#include "data/COrganization.h"
#include "data/CUser.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CComboBoxEx.h"
#include "framework/win/CMenu.h"
#include "framework/win/CTreeCtrl.h"

#include <memory>
#include <string>
#include <vector>

using namespace modeltest;

namespace {

TEST(User, RightsTable) {
    CUser u("ann");
    u.m_Rights = "10";
    EXPECT_TRUE(u.HasRight(1, false));
    EXPECT_FALSE(u.HasRight(2, false));
    EXPECT_TRUE(u.HasRight(3, false)) << "past the end counts as granted";
    u.SetRight(5, false);
    EXPECT_EQ(u.m_Rights, "10110");
    u.SetRight(9, true);
    EXPECT_EQ(u.m_Rights, "10110") << "granting past the end changes nothing";
    u.SetRight(2, true);
    EXPECT_EQ(u.m_Rights, "11110");
    u.SetRight(0, false);
    EXPECT_EQ(u.m_Rights, "11110");
}

TEST(User, GroupsRefuseForTheirMembers) {
    CUser top("Company");
    top.m_Workgroup = 1;
    CUser group("Sales");
    group.m_Workgroup = 1;
    group.m_pParent = &top;
    group.m_Rights = "10";
    CUser ann("ann");
    ann.m_pParent = &group;
    ann.m_Rights = "11";
    EXPECT_FALSE(ann.HasRight(2, true));
    EXPECT_TRUE(ann.HasRight(2, false));
    top.m_Rights = "0";
    EXPECT_FALSE(ann.HasRight(1, true)) << "every ancestor must grant";
    EXPECT_EQ(ann.GetDepth(), 2);
    EXPECT_TRUE(ann.IsUnder(&top));
    EXPECT_FALSE(top.IsUnder(&ann));
}

class UserTree : public ::testing::Test {
protected:
    UserTree() {
        company = Add("Company", nullptr, true);
        sales = Add("Sales", company, true);
        east = Add("East", sales, true);
        support = Add("Support", company, true);
        ann = Add("ann", east, false);
        bob = Add("bob", support, false);
        carl = Add("carl", company, false);
    }
    CUser* Add(const char* name, CUser* parent, bool group) {
        owned.push_back(std::make_unique<CUser>(name));
        CUser* u = owned.back().get();
        u->m_pParent = parent;
        u->m_Workgroup = group ? 1 : 0;
        users.Add(u);
        return u;
    }

    std::vector<std::unique_ptr<CUser>> owned;
    CUserArray users;
    CUser* company;
    CUser* sales;
    CUser* east;
    CUser* support;
    CUser* ann;
    CUser* bob;
    CUser* carl;
};

TEST_F(UserTree, AncestorsAndMembers) {
    EXPECT_TRUE(company->IsAncestorOf(users, ann));
    EXPECT_TRUE(sales->IsAncestorOf(users, ann));
    EXPECT_FALSE(support->IsAncestorOf(users, ann));
    EXPECT_TRUE(ann->IsAncestorOf(users, ann)) << "a record is its own";
    EXPECT_FALSE(ann->IsAncestorOf(users, bob)) << "a person holds nobody";
    EXPECT_FALSE(sales->IsAncestorOf(users, nullptr));

    CStringArray groups;
    CStringArray members;
    sales->CollectMembers(users, groups, members);
    ASSERT_EQ(groups.GetSize(), 2);
    EXPECT_EQ(groups.GetAt(0), sales->m_GUID);
    EXPECT_EQ(groups.GetAt(1), east->m_GUID);
    ASSERT_EQ(members.GetSize(), 1);
    EXPECT_EQ(members.GetAt(0), ann->m_GUID);
}

TEST_F(UserTree, ACycleOfParentsEnds) {
    sales->m_pParent = east; // east's parent is sales
    CStringArray groups;
    CStringArray members;
    sales->CollectMembers(users, groups, members);
    EXPECT_LE(groups.GetSize(), 2);
    EXPECT_FALSE(support->IsAncestorOf(users, ann));
    EXPECT_GT(ann->GetDepth(), 0);
}

TEST_F(UserTree, DisplayNamesAndCopies) {
    ann->m_FullName = "Ann Smith";
    EXPECT_EQ(ann->GetDisplayName(), "Ann Smith");
    EXPECT_EQ(bob->GetDisplayName(), "bob");
    ann->SetModified(TRUE);
    ann->m_PendingUpdate = 1;
    ann->m_nMenuCommand = 77;
    CUser copy(*ann);
    EXPECT_EQ(copy.m_GUID, ann->m_GUID);
    EXPECT_EQ(copy.m_pParent, east);
    EXPECT_EQ(copy.m_bModified, 0);
    EXPECT_EQ(copy.m_PendingUpdate, 0);
    EXPECT_EQ(copy.m_nMenuCommand, 0u);
}

class UserChoosers : public ctltest::ControlsTest {
protected:
    UserChoosers() {
        company.m_Workgroup = 1;
        sales.m_Workgroup = 1;
        sales.m_pParent = &company;
        ann.m_pParent = &sales;
        ann.m_FullName = "Ann Smith";
        ann.m_CurrentUser = 1;
        bob.m_pParent = &company;
        idle.m_pParent = &company;
        idle.m_Active = 0;
        for (CUser* u : {&company, &sales, &ann, &bob, &idle})
            users.Add(u);
    }
    ScratchRegistry registry;
    CUser company{"Company"};
    CUser sales{"Sales"};
    CUser ann{"ann"};
    CUser bob{"bob"};
    CUser idle{"idle"};
    CUserArray users;
};

TEST_F(UserChoosers, MenuOfPersonsWithGroupsAsSubmenus) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    UINT next = 500;
    BuildUserMenu(menu, nullptr, next, users, &bob);
    // Top level: the company's members join the menu; Sales becomes a submenu.
    ASSERT_EQ(menu.GetMenuItemCount(), 2u);
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Sales");
    CMenu* submenu = menu.GetSubMenu(0);
    ASSERT_NE(submenu, nullptr);
    submenu->GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, "Ann Smith");
    EXPECT_EQ(ann.m_nMenuCommand, 500u);
    EXPECT_EQ(bob.m_nMenuCommand, 501u);
    EXPECT_EQ(next, 502u);
    EXPECT_EQ(menu.GetMenuState(501, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(menu.GetMenuState(500, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(idle.m_nMenuCommand, 0u) << "inactive records are left out";
}

TEST_F(UserChoosers, ComboWithAndWithoutGroups) {
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, Area(0, 0, 200, 200), &parent, 100));
    FillUserCombo(combo, users, false, true);
    ASSERT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetItemData(0), 0u);
    EXPECT_EQ(combo.GetItemData(1), reinterpret_cast<DWORD_PTR>(&ann));
    COMBOBOXEXITEM item = {};
    item.mask = CBEIF_IMAGE;
    item.iItem = 1;
    combo.GetItem(&item);
    EXPECT_EQ(item.iImage, 8);
    FillUserCombo(combo, users, true, false);
    ASSERT_EQ(combo.GetCount(), 4);
    item.iItem = 0;
    combo.GetItem(&item);
    EXPECT_EQ(item.iImage, 7);
}

TEST_F(UserChoosers, TreeInListOrderWithChecksAndTheCurrentUser) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | TVS_CHECKBOXES | TVS_HASBUTTONS, Area(0, 0, 200, 200), &parent, 101));
    CStringArray checked;
    checked.Add(CString(bob.m_GUID).MakeLower());
    FillUserTree(nullptr, tree, TVI_ROOT, users, true, false, true, false, &checked);
    EXPECT_EQ(tree.GetCount(), 4u) << "the inactive record is left out";
    HTREEITEM companyItem = tree.GetRootItem();
    EXPECT_EQ(tree.GetItemText(companyItem), "Company");
    HTREEITEM salesItem = tree.GetChildItem(companyItem);
    HTREEITEM annItem = tree.GetChildItem(salesItem);
    EXPECT_EQ(tree.GetItemText(annItem), "Ann Smith");
    EXPECT_EQ(tree.GetItemState(annItem, TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));
    int image = 0;
    int selected = 0;
    tree.GetItemImage(annItem, image, selected);
    EXPECT_EQ(image, 17);
    HTREEITEM bobItem = tree.GetNextSiblingItem(salesItem);
    EXPECT_EQ(tree.GetItemText(bobItem), "bob");
    EXPECT_TRUE(tree.GetCheck(bobItem));
    EXPECT_FALSE(tree.GetCheck(annItem));

    tree.DeleteAllItems();
    FillUserTree(nullptr, tree, TVI_ROOT, users, false, true, false, false, nullptr);
    EXPECT_EQ(tree.GetCount(), 2u) << "groups only";
}

// ---------------------------------------------------------------- the older organization tree

TEST(OrgGroup, MembersFromTheRow) {
    const CString stored = ScrambleText("secret");
    COrgGroup group("G1", "Sales", "\\Company", "ann,bob,carl", stored, ScrambleText("grp"));
    EXPECT_EQ(group.m_Access, "grp");
    ASSERT_EQ(group.m_Users.GetSize(), 3);
    for (INT_PTR i = 0; i < 3; ++i) {
        EXPECT_EQ(group.m_Users.GetAt(i)->m_Access, "secret") << "one entry serves every member";
        EXPECT_EQ(group.m_Users.GetAt(i)->m_GroupGUID, "G1");
        EXPECT_EQ(group.m_Users.GetAt(i)->m_pParent, &group);
    }
    EXPECT_EQ(group.m_Users.GetAt(2)->m_Name, "carl");

    COrgGroup empty("G2", "Empty", "", "", "", "");
    EXPECT_EQ(empty.m_Users.GetSize(), 0);
    COrgGroup noReports("G3", "NoReports", "", "dan", "", "");
    ASSERT_EQ(noReports.m_Users.GetSize(), 1);
    EXPECT_EQ(noReports.m_Users.GetAt(0)->m_Access, "");
}

TEST(Organization, RowsInAnyOrderBuildTheTree) {
    COrganization org;
    org.AddLoadedGroup(new COrgGroup("C", "East", "\\Company\\Sales", "", "", ""));
    org.AddLoadedGroup(new COrgGroup("B", "Sales", "\\Company", "", "", ""));
    org.AddLoadedGroup(new COrgGroup("X", "Lost", "\\Nowhere", "", "", ""));
    org.AddLoadedGroup(new COrgGroup("A", "Company", "", "", "", ""));
    org.BuildTree();
    EXPECT_EQ(org.m_Loaded.GetSize(), 0);
    ASSERT_EQ(org.m_Groups.GetSize(), 2);
    COrgGroup* company = org.m_Groups.GetAt(0);
    EXPECT_EQ(company->m_Name, "Company");
    ASSERT_EQ(company->m_Groups.GetSize(), 1);
    COrgGroup* sales = company->m_Groups.GetAt(0);
    ASSERT_EQ(sales->m_Groups.GetSize(), 1);
    EXPECT_EQ(sales->m_Groups.GetAt(0)->m_Name, "East");
    EXPECT_EQ(sales->m_Groups.GetAt(0)->m_pParent, sales);
    COrgGroup* lost = org.m_Groups.GetAt(1);
    EXPECT_EQ(lost->m_Name, "Lost");
    EXPECT_EQ(lost->m_Hierarchy, "") << "a path naming no group is emptied";
}

TEST(Organization, EditsOfTheEditor) {
    COrganization org;
    COrgGroup* company = org.AddGroup(nullptr, "Company");
    COrgGroup* sales = org.AddGroup(company, "Sales");
    COrgGroup* east = org.AddGroup(sales, "East");
    org.AddUser(east, "ann");
    COrgUser* bob = org.AddUser(sales, "bob");
    EXPECT_EQ(sales->m_Hierarchy, "\\Company");
    EXPECT_EQ(east->m_Hierarchy, "\\Company\\Sales");
    EXPECT_EQ(company->GetGUID().GetLength(), 36);

    EXPECT_EQ(org.FindGroup("EAST"), east);
    EXPECT_EQ(org.FindGroupOfUser("ANN"), east);
    EXPECT_EQ(org.FindGroupGUIDOfUser("bob"), sales->m_GUID);
    EXPECT_EQ(org.FindGroupGUIDOfUser("nobody"), "");
    EXPECT_TRUE(COrganization::IsNameOnParentChain(east, "company"));
    EXPECT_FALSE(COrganization::IsNameOnParentChain(sales, "east"));

    CStringArray guids;
    org.CollectGroupGUIDs(sales, guids);
    ASSERT_EQ(guids.GetSize(), 2);
    EXPECT_EQ(guids.GetAt(1), east->m_GUID);

    // Every path below a renamed group follows it, so the tree reads back the same.
    org.RenameGroup(company, "Firm");
    EXPECT_EQ(sales->m_Hierarchy, "\\Firm");
    EXPECT_EQ(east->m_Hierarchy, "\\Firm\\Sales");

    EXPECT_TRUE(org.RemoveUser(bob));
    EXPECT_EQ(sales->m_Users.GetSize(), 0);
    EXPECT_TRUE(org.RemoveGroup(east));
    EXPECT_EQ(sales->m_Groups.GetSize(), 0);
    COrgGroup stray;
    EXPECT_FALSE(org.RemoveGroup(&stray));
    org.RemoveAll();
    EXPECT_EQ(org.m_Groups.GetSize(), 0);
}

TEST(Organization, RenamingKeepsPathsThatOnlyLookAlike) {
    COrganization org;
    COrgGroup* a = org.AddGroup(nullptr, "A");
    COrgGroup* ab = org.AddGroup(nullptr, "AB");
    COrgGroup* child = org.AddGroup(ab, "Child");
    org.RenameGroup(a, "Z");
    EXPECT_EQ(child->m_Hierarchy, "\\AB") << "\\A is only the start of \\AB";
    (void)a;
}

} // namespace
