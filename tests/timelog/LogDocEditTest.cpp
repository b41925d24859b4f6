// The document's creators, renames with the unique-name check, removals, project order and rounding,
// without a database.
#include "ModelTestSupport.h"

#include "resource.h"

using namespace modeltest;

namespace {

class LogDocEdit : public ModelTest {
protected:
    CProject* Project(const char* name) {
        auto* p = new CProject(name, 0.0);
        doc.AddProject(p);
        return p;
    }
    std::string ProjectNames() const {
        std::string names;
        for (int i = 0; i < doc.GetProjectCount(); ++i)
            names += std::string(i ? "," : "") + doc.GetProjectAt(i)->m_Name.GetString();
        return names;
    }

    RecordingApp app;
    CLogDoc doc;
};

TEST_F(LogDocEdit, SortKeepsEqualNamesInTheirOrder) {
    CProject* first = Project("beta");
    Project("Alpha");
    CProject* second = Project("BETA");
    Project("<None>");
    Project("alpha2");
    doc.SortProjects();
    EXPECT_EQ(ProjectNames(), "<None>,Alpha,alpha2,beta,BETA");
    EXPECT_EQ(doc.GetProjectAt(3), first);
    EXPECT_EQ(doc.GetProjectAt(4), second);
}

TEST_F(LogDocEdit, FindOrAddCreatesOnceAndKeepsTheOrder) {
    Project("Zulu");
    CProject* made = doc.FindOrAddProject("Mike", "the middle");
    EXPECT_EQ(ProjectNames(), "Mike,Zulu");
    EXPECT_EQ(made->m_Description, "the middle");
    EXPECT_TRUE(made->m_Dirty);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.FindProjectByGUID(made->GetGUID(), false), made);
    EXPECT_EQ(doc.FindOrAddProject("MIKE", "other"), made);
    EXPECT_EQ(doc.GetProjectCount(), 2);

    CCategory* category = doc.FindOrAddCategory("Design", "drawing");
    EXPECT_EQ(doc.FindOrAddCategory("design", ""), category);
    EXPECT_EQ(category->m_Desc, "drawing");
    CProjectType* type = doc.FindOrAddProjectType("Fixed");
    EXPECT_EQ(doc.FindOrAddProjectType("FIXED"), type);
    CExpenseType* expenseType = doc.FindOrAddExpenseType("Meals", "food");
    EXPECT_EQ(doc.FindExpenseTypeByGUID(expenseType->GetGUID()), expenseType);
    CClient* client = doc.FindOrAddClient("Acme", "anvils");
    EXPECT_EQ(doc.FindOrAddClient("acme", ""), client);
    CString description;
    client->GetValue(IDS_CLIENT_DESCRIPTION, description);
    EXPECT_EQ(description, "anvils");
}

TEST_F(LogDocEdit, TheNoneProjectIsMadeOnce) {
    CProject* none = doc.EnsureNoneProject();
    EXPECT_EQ(none->m_Name, "<None>");
    EXPECT_EQ(none->m_Description, "Used for tasks that do not belong to any project");
    EXPECT_TRUE(none->m_Placeholder);
    EXPECT_EQ(doc.EnsureNoneProject(), none);
    EXPECT_EQ(doc.GetNoneProject(), none);
}

TEST_F(LogDocEdit, NewObjectsWithoutMaps) {
    CProject* p = doc.NewProject("Loose");
    EXPECT_EQ(doc.GetProjectAt(0), p);
    EXPECT_EQ(doc.FindProjectByGUID(p->GetGUID(), false), nullptr) << "no map entry";
    CCategory* old = doc.NewCategory("Old", "", false);
    EXPECT_EQ(doc.GetCategoryCount(false), 1);
    EXPECT_EQ(doc.GetCategoryAt(0, false), old);
    CCategory* main = doc.NewCategory("Main", "", true);
    EXPECT_EQ(doc.FindCategoryByGUID(main->GetGUID()), main);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(LogDocEdit, RenamesRefuseAnotherObjectsName) {
    CProject* alpha = Project("Alpha");
    CProject* beta = Project("Beta");
    EXPECT_FALSE(doc.RenameProject(beta, "ALPHA", true));
    EXPECT_EQ(beta->m_Name, "Beta");
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], "Please choose a unique name.");
    EXPECT_FALSE(doc.RenameProject(beta, "alpha", false));
    EXPECT_EQ(app.prompts.size(), 1u) << "no message unless asked";

    EXPECT_TRUE(doc.RenameProject(alpha, "ALPHA", true)) << "its own name in another case";
    EXPECT_EQ(alpha->m_Name, "ALPHA");
    EXPECT_TRUE(doc.RenameProject(alpha, "Zeta", true));
    EXPECT_EQ(ProjectNames(), "Beta,Zeta") << "re-sorted";
    EXPECT_TRUE(alpha->m_Dirty);
    EXPECT_FALSE(doc.RenameProject(nullptr, "x", true));

    auto* t1 = new CProjectType("Fixed");
    auto* t2 = new CProjectType("Hourly");
    doc.AddProjectType(t1);
    doc.AddProjectType(t2);
    EXPECT_FALSE(doc.RenameProjectType(t2, "fixed", false));
    EXPECT_TRUE(doc.RenameProjectType(t2, "Retainer", false));
    EXPECT_EQ(t2->m_Name, "Retainer");

    CCategory* design = doc.FindOrAddCategory("Design", "");
    CCategory* test = doc.FindOrAddCategory("Test", "");
    EXPECT_FALSE(doc.RenameCategory(test, "DESIGN", false));
    EXPECT_TRUE(doc.RenameCategory(design, "design", false));
    EXPECT_EQ(design->m_Name, "design");
}

TEST_F(LogDocEdit, RemovalsLeaveNoDanglingLookups) {
    auto* type = new CProjectType("Fixed");
    doc.AddProjectType(type);
    const CString typeGUID = type->GetGUID();
    doc.DeleteProjectType(type);
    EXPECT_EQ(doc.FindProjectTypeByGUID(typeGUID), nullptr);
    EXPECT_EQ(doc.GetProjectTypeAt(0), nullptr);

    CCategory* category = doc.FindOrAddCategory("Design", "");
    const CString categoryGUID = category->GetGUID();
    doc.DeleteCategory(category);
    EXPECT_EQ(doc.FindCategoryByGUID(categoryGUID), nullptr);
    EXPECT_EQ(doc.GetCategoryCount(), 0);

    CClient* client = doc.FindOrAddClient("Acme", "");
    const CString clientGUID = client->GetGUID();
    doc.m_Clients.RemoveAll(); // a caller that took it out of the list first
    doc.DeleteClient(client);
    EXPECT_EQ(doc.FindClientByGUID(clientGUID), nullptr);

    // A second object with the same GUID keeps its map entry when the first goes.
    auto* first = new CProjectType("A");
    first->m_GUID = "SAME";
    auto* second = new CProjectType("B");
    second->m_GUID = "SAME";
    doc.AddProjectType(second);
    doc.AddProjectType(first);
    doc.DeleteProjectType(second);
    EXPECT_EQ(doc.FindProjectTypeByGUID("SAME"), first);

    doc.DeleteProjectType(nullptr);
    doc.DeleteCategory(nullptr);
    doc.DeleteClient(nullptr);
}

TEST_F(LogDocEdit, DeletedObjectsLeaveNoPointersBehind) {
    CCategory* category = doc.FindOrAddCategory("Design", "");
    CClient* client = doc.FindOrAddClient("Acme", "");
    CProject* project = Project("Alpha");
    project->m_pClient = client;
    auto* entry = new CLogEntry;
    entry->m_pCategory = category;
    entry->m_pClient = client;
    entry->m_pProject = project;
    doc.AddLogEntry(entry);
    doc.m_CurrentEntry.m_pCategory = category;
    auto* expense = new CExpense;
    expense->m_pCategory = category;
    doc.AddExpense(expense);
    auto* task = new CTask;
    task->m_pClient = client;
    doc.AddProjectTask(task);

    doc.DeleteCategory(category);
    doc.DeleteClient(client);
    EXPECT_EQ(entry->m_pCategory, nullptr);
    EXPECT_EQ(entry->m_pClient, nullptr);
    EXPECT_EQ(entry->m_pProject, project) << "other references stay";
    EXPECT_EQ(doc.m_CurrentEntry.m_pCategory, nullptr);
    EXPECT_EQ(expense->m_pCategory, nullptr);
    EXPECT_EQ(project->m_pClient, nullptr);
    EXPECT_EQ(task->m_pClient, nullptr);
    CString text = "unset";
    entry->GetColumnText(text, CLogEntry::colCategory);
    EXPECT_EQ(text, "");
}

TEST_F(LogDocEdit, AccountAndTripRenamesAndAccountsWithSubAccounts) {
    auto* bank = new CAccount("Bank");
    auto* cash = new CAccount("Cash");
    doc.AddAccount(bank);
    doc.AddAccount(cash);
    EXPECT_FALSE(doc.RenameAccount(cash, "BANK", true));
    EXPECT_TRUE(doc.RenameAccount(cash, "Petty cash", false));
    EXPECT_EQ(cash->m_Name, "Petty cash");
    cash->SetParent(bank);
    EXPECT_FALSE(doc.CanDeleteAccount(bank, false));
    ASSERT_EQ(app.prompts.size(), 2u);
    EXPECT_EQ(app.prompts[1].rfind("You cannot delete accounts that have sub accounts.", 0), 0u);

    auto* trip = new CExpenseTrip;
    trip->m_Name = "Berlin";
    auto* other = new CExpenseTrip;
    other->m_Name = "Paris";
    doc.AddExpenseTrip(trip);
    doc.AddExpenseTrip(other);
    EXPECT_FALSE(doc.RenameExpenseTrip(other, "berlin", false));
    EXPECT_TRUE(doc.RenameExpenseTrip(other, "Rome", false));
    auto* expense = new CExpense;
    expense->m_pTrip = other;
    doc.AddExpense(expense);
    const CString tripGUID = other->GetGUID();
    doc.DeleteExpenseTrip(other);
    EXPECT_EQ(doc.FindExpenseTripByGUID(tripGUID), nullptr);
    EXPECT_EQ(expense->m_pTrip, nullptr);
    CExpenseType* meals = doc.FindOrAddExpenseType("Meals", "");
    const CString typeGUID = meals->GetGUID();
    doc.DeleteExpenseType(meals);
    EXPECT_EQ(doc.FindExpenseTypeByGUID(typeGUID), nullptr);
}

TEST_F(LogDocEdit, ReapplyRoundingRecomputesTheLog) {
    auto* e = new CLogEntry;
    e->SetStartTime(At(2024, 3, 10, 9));
    e->SetStopTime(At(2024, 3, 10, 9, 10));
    auto* running = new CLogEntry;
    running->SetStartTime(At(2024, 3, 10, 11));
    doc.AddLogEntry(e);
    doc.AddLogEntry(running);

    doc.ReapplyRounding();
    EXPECT_FALSE(e->IsModified()) << "nothing changed";
    EXPECT_FALSE(doc.IsModified());

    CRoundingSettings rounding;
    rounding.enabled = true;
    rounding.unit = 900;
    rounding.halfUnit = 450;
    CLogEntry::SetRoundingSettings(rounding);
    doc.ReapplyRounding();
    EXPECT_EQ(e->m_Duration.GetTotalSeconds(), 900);
    EXPECT_TRUE(e->IsModified());
    EXPECT_FALSE(running->IsModified());
    EXPECT_EQ(e->m_Pending, 0) << "without \"Use ODBC\" there is nothing to write";
    EXPECT_TRUE(doc.IsModified());

    // With the database switched on but unusable, a changed entry waits to be written.
    doc.m_bUseDatabase = true;
    doc.m_bDatabaseUsable = false;
    rounding.unit = 1800;
    rounding.halfUnit = 900;
    CLogEntry::SetRoundingSettings(rounding);
    doc.ReapplyRounding();
    EXPECT_EQ(e->m_Duration.GetTotalSeconds(), 1800);
    EXPECT_EQ(e->m_Pending, 1);
}

TEST_F(LogDocEdit, UserDataWithoutARecord) {
    auto* tester = new CUser("tester");
    doc.AddUser(tester);
    auto* other = new CUser("other");
    doc.AddUser(other);
    EXPECT_FALSE(doc.CanViewUserData(nullptr));
    EXPECT_TRUE(doc.CanViewUserData(tester));
    EXPECT_FALSE(doc.SaveUser(tester)) << "no database to write to";
    RegWriteString(REG_DATABASE, "Username", "nobody");
    EXPECT_FALSE(doc.CanViewUserData(tester)) << "no current user";
}

} // namespace
