// The document's lists, GUID maps, lookups, indexed access and adders.
#include "ModelTestSupport.h"

#include "data/COrgGroup.h"

using namespace modeltest;

namespace {

class LogDocLists : public ModelTest {
protected:
    CProject* AddProject(const char* name, const char* guid = nullptr) {
        auto* p = new CProject(name, 0.0);
        if (guid != nullptr)
            p->m_GUID = guid;
        doc.AddProject(p);
        return p;
    }
    CLogEntry* AddEntry(CProject* project, CCategory* category, const char* guid) {
        auto* e = new CLogEntry;
        e->m_pProject = project;
        e->m_pCategory = category;
        e->m_GUID = guid;
        doc.AddLogEntry(e);
        return e;
    }

    CLogDoc doc;
};

TEST_F(LogDocLists, DuplicateGUIDsStayInTheListAndTheLaterWinsTheMap) {
    CProject* first = AddProject("First", "AAAA-1");
    CProject* second = AddProject("Second", "AAAA-1");
    EXPECT_EQ(doc.GetProjectCount(), 2);
    EXPECT_EQ(doc.GetProjectAt(0), first);
    EXPECT_EQ(doc.FindProjectByGUID("AAAA-1", false), second);
    // Exact through the map, ignoring case through the list (first in list order).
    EXPECT_EQ(doc.FindProjectByGUID("aaaa-1", false), nullptr);
    EXPECT_EQ(doc.FindProjectByGUIDNoCase("aaaa-1"), first);
}

TEST_F(LogDocLists, UnknownProjectFallsBackToNoneOnlyWhenItExists) {
    AddProject("Alpha", "G-ALPHA");
    EXPECT_EQ(doc.FindProjectByGUID("missing", true), nullptr);
    CProject* none = AddProject("<NONE>");
    EXPECT_EQ(doc.FindProjectByGUID("missing", true), none);
    EXPECT_EQ(doc.FindProjectByGUID("missing", false), nullptr);
    EXPECT_EQ(doc.FindProjectByGUID(nullptr, false), nullptr);
    EXPECT_EQ(doc.GetNoneProject(), none);
    EXPECT_TRUE(none->IsNoneProject());
}

TEST_F(LogDocLists, AddersIgnoreNullAndDoNotMarkModified) {
    doc.AddProject(nullptr);
    doc.AddProjectType(nullptr);
    doc.AddCategory(nullptr);
    doc.AddClient(nullptr);
    doc.AddQuickPick(nullptr);
    doc.AddUser(nullptr);
    doc.AddSubsystem(nullptr);
    doc.AddProjectTask(nullptr);
    doc.AddAccount(nullptr);
    doc.AddExpenseType(nullptr);
    doc.AddExpenseTrip(nullptr);
    doc.AddExpense(nullptr);
    doc.AddInvoice(nullptr);
    doc.AddLogEntry(nullptr);
    doc.InsertLogEntry(nullptr, 0);
    doc.RegisterOrgGroup(nullptr);
    EXPECT_EQ(doc.GetProjectCount(), 0);
    EXPECT_EQ(doc.GetLogEntryCount(), 0);
    AddProject("Alpha");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(LogDocLists, EveryMapFindsWhatItsAdderEntered) {
    auto* type = new CProjectType("Fixed");
    doc.AddProjectType(type);
    auto* category = new CCategory("Design", "");
    doc.AddCategory(category);
    auto* client = new CClient;
    client->SetCompanyName("Acme");
    doc.AddClient(client);
    auto* pick = new CLogEntry;
    pick->m_Name = "Standup";
    doc.AddQuickPick(pick);
    auto* user = new CUser("ann");
    doc.AddUser(user);
    auto* subsystem = new CSubsystem("Module");
    doc.AddSubsystem(subsystem);
    auto* task = new CTask;
    doc.AddProjectTask(task);
    auto* account = new CAccount("Bank");
    doc.AddAccount(account);
    auto* expenseType = new CExpenseType("Meals", "");
    doc.AddExpenseType(expenseType);
    auto* trip = new CExpenseTrip;
    trip->m_Name = "Berlin";
    doc.AddExpenseTrip(trip);
    auto* expense = new CExpense;
    doc.AddExpense(expense);
    auto* invoice = new CInvoice;
    doc.AddInvoice(invoice);
    COrgGroup group("G-ORG", "Sales", "", "", "", "");
    doc.RegisterOrgGroup(&group);

    EXPECT_EQ(doc.FindProjectTypeByGUID(type->GetGUID()), type);
    EXPECT_EQ(doc.FindCategoryByGUID(category->GetGUID()), category);
    EXPECT_EQ(doc.FindClientByGUID(client->GetGUID()), client);
    EXPECT_EQ(doc.FindQuickPickByGUID(pick->GetGUID()), pick);
    EXPECT_EQ(doc.FindUserByGUID(user->GetGUID()), user);
    EXPECT_EQ(doc.FindSubsystemByGUID(subsystem->GetGUID()), subsystem);
    EXPECT_EQ(doc.FindProjectTaskByGUID(task->GetGUID()), task);
    EXPECT_EQ(doc.FindAccountByGUID(account->GetGUID()), account);
    EXPECT_EQ(account->m_pDoc, &doc);
    EXPECT_EQ(doc.FindExpenseTypeByGUID(expenseType->GetGUID()), expenseType);
    EXPECT_EQ(doc.FindExpenseTripByGUID(trip->GetGUID()), trip);
    EXPECT_EQ(doc.FindExpenseByGUID(expense->GetGUID()), expense);
    EXPECT_EQ(doc.FindInvoiceByGUID(invoice->GetGUID()), invoice);
    EXPECT_EQ(doc.FindOrgGroupByGUID("G-ORG"), &group);

    EXPECT_EQ(doc.FindProjectTypeByName("FIXED"), type);
    EXPECT_EQ(doc.FindCategoryByName("design"), category);
    EXPECT_EQ(doc.FindClientByName("ACME"), client);
    EXPECT_EQ(doc.FindQuickPickByName("standup"), pick);
    EXPECT_EQ(doc.FindExpenseTypeByName("meals"), expenseType);
    EXPECT_EQ(doc.FindExpenseTripByName("BERLIN"), trip);
    EXPECT_EQ(doc.FindCategoryByGUIDNoCase(CString(category->GetGUID()).MakeLower()), category);
    EXPECT_EQ(doc.FindAccountByGUIDNoCase(CString(account->GetGUID()).MakeLower()), account);
    EXPECT_EQ(doc.FindExpenseTripByGUIDNoCase(CString(trip->GetGUID()).MakeLower()), trip);

    doc.DeleteContents();
    EXPECT_EQ(doc.FindCategoryByGUID(category->m_GUID), nullptr) << "maps are emptied with the lists";
    EXPECT_EQ(doc.FindOrgGroupByGUID("G-ORG"), nullptr);
}

TEST_F(LogDocLists, IndexedAccessIsNullOutsideTheList) {
    AddEntry(nullptr, nullptr, "E1");
    AddProject("Alpha");
    struct Case {
        int index;
        bool found;
    };
    for (const Case c : {Case{-1, false}, Case{0, true}, Case{1, false}, Case{INT_MAX, false}}) {
        EXPECT_EQ(doc.GetLogEntryAt(c.index) != nullptr, c.found) << c.index;
        EXPECT_EQ(doc.GetProjectAt(c.index) != nullptr, c.found) << c.index;
        EXPECT_EQ(doc.GetProjectTypeAt(c.index), nullptr);
        EXPECT_EQ(doc.GetClientAt(c.index), nullptr);
        EXPECT_EQ(doc.GetSubsystemAt(c.index), nullptr);
        EXPECT_EQ(doc.GetQuickTaskAt(c.index), nullptr);
        EXPECT_EQ(doc.GetExpenseTypeAt(c.index), nullptr);
        EXPECT_EQ(doc.GetExpenseTripAt(c.index), nullptr);
        EXPECT_EQ(doc.GetExpenseAt(c.index), nullptr);
        EXPECT_EQ(doc.GetInvoiceAt(c.index), nullptr);
    }
}

TEST_F(LogDocLists, CategoryAtOnAnEmptyListMakesAdministrationFirst) {
    EXPECT_EQ(doc.GetCategoryCount(), 0);
    CCategory* first = doc.GetCategoryAt(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_Name, "Administration");
    EXPECT_EQ(doc.FindCategoryByGUID(first->GetGUID()), first);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetCategoryAt(1), nullptr);
    EXPECT_EQ(doc.GetCategoryAt(0), first) << "a list that is not empty gets nothing more";
    EXPECT_EQ(doc.GetCategoryCount(), 1);
}

TEST_F(LogDocLists, IndexOfObjects) {
    CProject* alpha = AddProject("Alpha");
    CProject beta("Beta", 0.0);
    auto* account = new CAccount("Bank");
    doc.AddAccount(account);
    EXPECT_EQ(doc.IndexOfProject(alpha), 0);
    EXPECT_EQ(doc.IndexOfProject(&beta), -1);
    EXPECT_EQ(doc.IndexOfProject(nullptr), -1);
    EXPECT_EQ(doc.IndexOfAccount(account), 0);
}

TEST_F(LogDocLists, LogSearchesRunFromTheNewestEntry) {
    CProject* alpha = AddProject("Alpha");
    CProject* beta = AddProject("Beta");
    CCategory design("Design", "");
    CLogEntry* older = AddEntry(alpha, &design, "guid-1");
    CLogEntry* newer = AddEntry(alpha, nullptr, "GUID-1");
    AddEntry(beta, nullptr, "guid-2");

    EXPECT_EQ(doc.FindLogEntryByGUIDNoCase("Guid-1"), newer);
    EXPECT_EQ(doc.FindLogEntryByGUIDNoCase("none"), nullptr);
    EXPECT_EQ(doc.FindMatchingEntry(alpha, nullptr), newer);
    EXPECT_EQ(doc.FindMatchingEntry(alpha, &design), older);
    EXPECT_EQ(doc.FindMatchingEntry(nullptr, nullptr), nullptr);
    CProject other("Other", 0.0);
    EXPECT_EQ(doc.FindMatchingEntry(&other, nullptr), nullptr);
}

TEST_F(LogDocLists, InsertedEntriesTakeTheirPlace) {
    CLogEntry* a = AddEntry(nullptr, nullptr, "A");
    auto* b = new CLogEntry;
    doc.InsertLogEntry(b, 0);
    auto* c = new CLogEntry;
    doc.InsertLogEntry(c, 99);
    EXPECT_EQ(doc.GetLogEntryAt(0), b);
    EXPECT_EQ(doc.GetLogEntryAt(1), a);
    EXPECT_EQ(doc.GetLogEntryAt(2), c);
}

TEST_F(LogDocLists, AccountsByNameOrFullNameUnderAParent) {
    auto* operating = new CAccount("Operating");
    auto* expenses = new CAccount("Expenses");
    auto* travel = new CAccount("Travel");
    auto* otherTravel = new CAccount("Travel");
    doc.AddAccount(operating);
    doc.AddAccount(expenses);
    doc.AddAccount(travel);
    doc.AddAccount(otherTravel);
    expenses->SetParent(operating);
    travel->m_ParentID = expenses->GetGUID(); // resolved through the document on first use

    EXPECT_EQ(doc.FindAccountByName("operating:expenses"), expenses);
    EXPECT_EQ(doc.FindAccountByName("OPERATING:EXPENSES:TRAVEL"), travel);
    EXPECT_EQ(doc.FindAccountByName("travel"), travel);
    EXPECT_EQ(doc.FindAccountByName("travel", operating), nullptr);
    EXPECT_EQ(doc.FindAccountByName("travel", expenses), travel);
    EXPECT_EQ(travel->GetLevel(), 2);
    EXPECT_EQ(otherTravel->GetFullName(), "Travel");
}

TEST_F(LogDocLists, UsersByEitherNameAndGroupsOnlyWhenAsked) {
    auto* group = new CUser("Sales");
    group->m_Workgroup = 1;
    auto* ann = new CUser("ann");
    ann->m_FullName = "Ann Smith";
    ann->m_pParent = group;
    doc.AddUser(group);
    doc.AddUser(ann);

    EXPECT_EQ(doc.FindUserByName("ANN", false), ann);
    EXPECT_EQ(doc.FindUserByName("ann smith", false), ann);
    EXPECT_EQ(doc.FindUserByName("sales", false), nullptr);
    EXPECT_EQ(doc.FindUserByName("sales", true), group);
    EXPECT_EQ(doc.GetUserGroupGUID("ann"), group->GetGUID());
    EXPECT_EQ(doc.GetUserGroupGUID("nobody"), "");
    EXPECT_EQ(doc.GetUserGroupGUID("Sales"), "") << "groups are not users";
}

TEST_F(LogDocLists, CurrentUserAndRights) {
    EXPECT_EQ(doc.GetCurrentUser(), nullptr);
    EXPECT_TRUE(doc.HasRight(3)) << "no current user: every right";
    auto* group = new CUser("Staff");
    group->m_Workgroup = 1;
    group->m_Rights = "11011";
    auto* tester = new CUser("Tester");
    tester->m_pParent = group;
    tester->m_Rights = "0111";
    doc.AddUser(group);
    doc.AddUser(tester);

    EXPECT_EQ(doc.GetCurrentUser(), tester);
    EXPECT_EQ(doc.GetCurrentUserGroup(), group);
    EXPECT_FALSE(doc.HasRight(1)) << "refused by the user";
    EXPECT_FALSE(doc.HasRight(3)) << "refused by the group";
    EXPECT_TRUE(doc.HasRight(2));
    EXPECT_TRUE(doc.HasRight(9)) << "past the end of both strings";
    doc.m_bFullAccess = true;
    EXPECT_TRUE(doc.HasRight(1));
}

TEST_F(LogDocLists, NoStoredUserNameMeansTheNoneUser) {
    RegWriteString(REG_DATABASE, "Username", "");
    auto* none = new CUser("<None>");
    doc.AddUser(none);
    EXPECT_EQ(doc.GetCurrentUser(), none);
}

TEST_F(LogDocLists, ConstructionReadsTheSwitchesAndTheDataSource) {
    RegWriteBool(REG_PREFS, "Show inactive projects", true);
    RegWriteBool(REG_PREFS, "Hide project task summaries", true);
    RegWriteBool(REG_DATABASE, "Use ODBC", true);
    CLogDoc second;
    EXPECT_TRUE(CLogDoc::s_bShowInactiveProjects);
    EXPECT_FALSE(CLogDoc::s_bShowInactiveSubsystems);
    EXPECT_FALSE(CLogDoc::s_bShowTaskSummaries);
    EXPECT_TRUE(second.UsesDatabase());
    EXPECT_TRUE(second.IsDatabaseUsable());
    EXPECT_FALSE(second.IsTiming());
    EXPECT_EQ(second.m_DataSource, "Brindlemark mdb");
    CString stored;
    RegReadString(REG_DATABASE, "DataSource", stored);
    EXPECT_EQ(stored, "Brindlemark mdb");
    CLogEntry::SetRoundingSettings(CRoundingSettings{});
    CLogDoc::s_bShowInactiveProjects = false;
    CLogDoc::s_bShowTaskSummaries = true;
}

TEST_F(LogDocLists, GetLogDocAnswersThroughTheMainFrame) {
    EXPECT_EQ(GetLogDoc(), nullptr);
    RecordingFrame frame;
    EXPECT_EQ(GetLogDoc(), nullptr);
    frame.doc = &doc;
    EXPECT_EQ(GetLogDoc(), &doc);
}

} // namespace
