#include "TableTestSupport.h"

#include "data/COrgObjectSet.h"
#include "data/COrganization.h"
#include "data/COrganizationSet.h"
#include "data/CUserSet.h"
#include "foundation/SharedHelpers.h"
#include "framework/db/CSqlDialect.h"

#include <gmock/gmock.h>

using namespace datatest;
using ::testing::ElementsAre;

namespace {

class UserSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Users", "Update", "Organization", "OrgObjects"});
        COrganization::Get().RemoveAll();
    }
    void TearDown() override {
        COrganization::Get().RemoveAll();
        TableSetTest::TearDown();
    }
    CUser* NewUser(const char* name, CUser* parent = nullptr, bool group = false) {
        auto* user = new CUser(name);
        user->m_pParent = parent;
        user->m_Workgroup = group ? 1 : 0;
        m_doc->AddUser(user);
        return user;
    }
    CUserSet& Set() { return m_doc->m_UserSet; }
};

TEST_P(UserSetTest, RecordComesBackAsItWasStoredWithItsPasswordScrambled) {
    CUser* group = NewUser("Sales", nullptr, true);
    ASSERT_TRUE(Set().SaveUser(m_doc.get(), group));
    for (const char* name : kAwkwardTexts) {
        CUser* user = NewUser(name, group);
        user->m_FullName = name;
        user->m_Password = "pa'ss%";
        user->m_Rights = "1011";
        user->m_BillingRate = 0.0;
        user->m_QBEmployee = name;
        user->m_Admin = 0;
        user->m_Active = 0;
        ASSERT_TRUE(Set().SaveUser(m_doc.get(), user)) << name;
    }
    EXPECT_EQ(Count("Users", "[WkgpBitmask] = 'pa''ss%'"), 0);

    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_UserSet.LoadUsers(doc.get()));
    ASSERT_EQ(doc->m_Users.GetSize(), m_doc->m_Users.GetSize());
    for (INT_PTR i = 1; i < m_doc->m_Users.GetSize(); ++i) {
        const CUser* mine = m_doc->m_Users.GetAt(i);
        const CUser* back = doc->FindUserByGUID(mine->m_GUID);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->m_User, mine->m_User);
        EXPECT_EQ(back->m_FullName, mine->m_FullName);
        EXPECT_EQ(back->m_Password, "pa'ss%");
        EXPECT_EQ(back->m_Rights, "1011");
        EXPECT_EQ(back->m_BillingRate, 0.0);
        EXPECT_EQ(back->m_QBEmployee, mine->m_QBEmployee);
        EXPECT_EQ(back->m_Admin, 0);
        EXPECT_EQ(back->m_Active, 0);
        EXPECT_EQ(back->m_ParentUID, group->m_GUID);
        EXPECT_EQ(back->m_Workgroup, 0);
    }
}

TEST_P(UserSetTest, FlagsAndRatesAreBoundedWhenRead) {
    Exec("INSERT INTO [Users] ([GUID], [User], [Workgroup], [Active], [QBInclude], [BillingRate], [Admin]) "
         "VALUES ('u', 'u', 2, 7, 3, -4, NULL)");
    Exec("INSERT INTO [Users] ([GUID], [User], [WkgpBitmask]) VALUES ('old', 'old', 'plain text')");
    ASSERT_TRUE(Set().LoadUsers(m_doc.get()));
    const CUser* user = m_doc->FindUserByGUID("u");
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->m_Workgroup, 0) << "only 1 makes a group";
    EXPECT_EQ(user->m_Active, 1);
    EXPECT_EQ(user->m_QBInclude, 1);
    EXPECT_EQ(user->m_BillingRate, 100.0);
    EXPECT_EQ(m_doc->FindUserByGUID("old")->m_Password, "plain text");
}

TEST_P(UserSetTest, SavingByNameTakesOverOnlyARecordOfTheSameKind) {
    Exec("INSERT INTO [Users] ([GUID], [User], [Workgroup]) VALUES ('group-row', 'Sales', 1)");
    Exec("INSERT INTO [Users] ([GUID], [User], [Workgroup]) VALUES ('person-row', 'o''neil', 0)");
    CUser* person = NewUser("Sales");
    ASSERT_TRUE(Set().SaveUser(m_doc.get(), person));
    EXPECT_NE(person->m_GUID, "group-row") << "a person does not take over a group";
    CUser* oneil = NewUser("o'neil");
    ASSERT_TRUE(Set().SaveUser(m_doc.get(), oneil));
    EXPECT_EQ(oneil->m_GUID, "person-row");
    EXPECT_EQ(Count("Users"), 3);
    EXPECT_TRUE(Set().DeleteUser(m_doc.get(), oneil));
    EXPECT_EQ(Count("Users"), 2);
}

TEST_P(UserSetTest, MergeLinksParentsInWhateverOrderRowsCome) {
    Exec("INSERT INTO [Users] ([GUID], [User], [ParentUID], [Workgroup]) VALUES ('child', 'ann', 'parent', "
         "0)");
    Exec("INSERT INTO [Users] ([GUID], [User], [Workgroup]) VALUES ('parent', 'Sales', 1)");
    Exec(CString("INSERT INTO [Users] ([GUID], [User]) VALUES ('me', ") + CSqlDialect::QuoteText(m_user) +
         ")");
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    CUser* child = m_doc->FindUserByGUID("child");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->m_pParent, m_doc->FindUserByGUID("parent"));
    EXPECT_EQ(m_doc->FindUserByGUID("me")->m_CurrentUser, 1);

    child->m_Modified = CTime(2004, 1, 1, 0, 0, 0);
    Exec("UPDATE [Users] SET [Fullname] = 'Ann Lee', [Modified] = {ts '2004-01-02 00:00:00'} WHERE [GUID] = "
         "'child'");
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_EQ(child->m_FullName, "Ann Lee");
    EXPECT_EQ(m_doc->m_Users.GetSize(), 3);
}

TEST_P(UserSetTest, OrganizationTreeIsBuiltFromItsRows) {
    // A child row before its parent's row; a row whose path names no group.
    Exec("INSERT INTO [Organization] ([GUID], [Group], [Hierarchy], [Users], [Reports]) VALUES "
         "('east', 'East', '\\Company', 'ann,bob,cy', '" +
         ScrambleText("x") + "')");
    Exec("INSERT INTO [Organization] ([GUID], [Group], [Hierarchy]) VALUES ('company', 'Company', '')");
    Exec("INSERT INTO [Organization] ([GUID], [Group], [Hierarchy]) VALUES ('lost', 'Lost', '\\Nowhere')");
    ASSERT_TRUE(m_doc->m_OrganizationSet.LoadTree(m_doc.get()));
    const COrgGroupArray& top = COrganization::Get().m_Groups;
    ASSERT_EQ(top.GetSize(), 2);
    EXPECT_EQ(top.GetAt(0)->m_Name, "Company");
    ASSERT_EQ(top.GetAt(0)->m_Groups.GetSize(), 1);
    const COrgGroup* east = top.GetAt(0)->m_Groups.GetAt(0);
    ASSERT_EQ(east->m_Users.GetSize(), 3);
    EXPECT_EQ(east->m_Users.GetAt(2)->m_Access, "x") << "one access text for all three";
    EXPECT_EQ(top.GetAt(1)->m_Hierarchy, "");
    EXPECT_EQ(m_doc->FindOrgGroupByGUID("east"), east);

    // A reload adds new groups only; the groups in the tree stay where the document points.
    Exec("INSERT INTO [Organization] ([GUID], [Group], [Hierarchy]) VALUES ('west', 'West', '\\Company')");
    ASSERT_TRUE(m_doc->m_OrganizationSet.LoadAll(m_doc.get()));
    EXPECT_EQ(top.GetAt(0)->m_Groups.GetSize(), 2);
    EXPECT_EQ(m_doc->FindOrgGroupByGUID("east"), east);
}

TEST_P(UserSetTest, AssignmentsAreReplacedAsAWhole) {
    CUser* sales = NewUser("Sales", nullptr, true);
    CUser* ann = NewUser("ann", sales);
    COrgObjectSet set(Db());
    CStringArray units;
    units.Add(sales->m_GUID);
    units.Add("unknown-unit");
    units.Add(ann->m_GUID);
    ASSERT_TRUE(set.SaveObject("project-1", units, m_doc.get()));
    ASSERT_TRUE(set.AddRow("project-2", ann->m_GUID, m_doc.get()));
    EXPECT_EQ(Count("OrgObjects", "[Inherit] = 1"), 4);

    CObArray assigned;
    ASSERT_TRUE(set.GetAssignedUnits(CString("project-1"), assigned, m_doc.get()));
    ASSERT_EQ(assigned.GetSize(), 2) << "units the document does not know are left out";
    EXPECT_EQ(assigned.GetAt(0), sales);
    EXPECT_EQ(assigned.GetAt(1), ann);

    CStringArray none;
    ASSERT_TRUE(set.SaveObject("project-1", none, m_doc.get()));
    EXPECT_EQ(Count("OrgObjects"), 1);
    CStringArray read;
    ASSERT_TRUE(set.ReadUnits("project-2", read, m_doc.get()));
    ASSERT_EQ(read.GetSize(), 1);
    EXPECT_TRUE(set.DeleteObject("project-2", m_doc.get()));
    EXPECT_EQ(Count("OrgObjects"), 0);
}

TEST_P(UserSetTest, VisibilityFollowsTheAssignments) {
    CUser* company = NewUser("Company", nullptr, true);
    CUser* sales = NewUser("Sales", company, true);
    CUser* east = NewUser("East", sales, true);
    CUser* support = NewUser("Support", company, true);
    CUser* me = NewUser(m_user, sales);
    NewUser("bob", support);
    const auto project = [&](const char* name, std::initializer_list<CUser*> units) {
        auto* p = new CProject(name, 0.0);
        m_doc->AddProject(p);
        CStringArray guids;
        for (CUser* unit : units)
            guids.Add(unit->m_GUID);
        COrgObjectSet(Db()).SaveObject(p->GetGUID(), guids, m_doc.get());
        return p;
    };
    CProject* open = project("open", {});
    CProject* mine = project("sales", {sales});
    CProject* above = project("company", {company});
    CProject* below = project("east", {east});
    CProject* sibling = project("support", {support});
    CProject* personal = project("me", {me});
    m_doc->ApplyUserVisibility(true, false, false);
    EXPECT_EQ(open->m_Visible, 1);
    EXPECT_EQ(mine->m_Visible, 1);
    EXPECT_EQ(above->m_Visible, 1);
    EXPECT_EQ(below->m_Visible, 1);
    EXPECT_EQ(sibling->m_Visible, 0);
    EXPECT_EQ(personal->m_Visible, 1);

    auto* others = new CCategory("Bob's", "");
    others->m_UserID = "bob-guid";
    m_doc->AddCategory(others);
    m_doc->ApplyUserVisibility(false, false, true);
    EXPECT_EQ(others->m_Visible, 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, UserSetTest, DATA_ENGINES);

} // namespace
