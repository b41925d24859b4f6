// The document's creators, renames, removals and user operations write through to the tables, and only
// while both gates ("Use ODBC" and a usable database) are open.
#include "TableTestSupport.h"

#include "data/COrganization.h"
#include "data/CUser.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "timelog/IReplacementChooser.h"

using namespace datatest;

namespace {

class LogDocWriteThrough : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Projects", "ProjectTypes", "Categories", "Clients", "Subsystems", "Users", "Update",
                      "OrgObjects", "Tasks"});
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
    }
    long Rows(const char* table, const char* column, const CString& value) {
        return Count(table, CString("[") + column + "] = '" + value + "'");
    }
};

TEST_P(LogDocWriteThrough, CreatorsRenamesAndRemovals) {
    CProject* project = m_doc->FindOrAddProject("Alpha", "first");
    CCategory* category = m_doc->FindOrAddCategory("Design", "");
    CProjectType* type = m_doc->FindOrAddProjectType("Fixed");
    CClient* client = m_doc->FindOrAddClient("Acme", "");
    EXPECT_EQ(Rows("Projects", "GUID", project->GetGUID()), 1);
    EXPECT_EQ(Rows("Categories", "GUID", category->GetGUID()), 1);
    EXPECT_EQ(Rows("ProjectTypes", "GUID", type->GetGUID()), 1);
    EXPECT_EQ(Rows("Clients", "GUID", client->GetGUID()), 1);

    ASSERT_TRUE(m_doc->RenameProject(project, "Omega", false));
    EXPECT_EQ(QueryText("SELECT [Name] FROM [Projects] WHERE [GUID] = '" + project->GetGUID() + "'"),
              "Omega");
    ASSERT_TRUE(m_doc->RenameCategory(category, "Drawing", false));
    EXPECT_EQ(Rows("Categories", "Name", "Drawing"), 1);
    ASSERT_TRUE(m_doc->RenameProjectType(type, "Hourly", false));
    EXPECT_EQ(Rows("ProjectTypes", "Name", "Hourly"), 1);

    const CString categoryGUID = category->GetGUID();
    const CString typeGUID = type->GetGUID();
    const CString clientGUID = client->GetGUID();
    m_doc->DeleteCategory(category);
    m_doc->DeleteProjectType(type);
    m_doc->DeleteClient(client);
    EXPECT_EQ(Rows("Categories", "GUID", categoryGUID), 0);
    EXPECT_EQ(Rows("ProjectTypes", "GUID", typeGUID), 0);
    EXPECT_EQ(Rows("Clients", "GUID", clientGUID), 0);
}

TEST_P(LogDocWriteThrough, ClosedGatesWriteNothing) {
    m_doc->m_bDatabaseUsable = false;
    CProject* project = m_doc->FindOrAddProject("Alpha", "");
    EXPECT_EQ(Count("Projects"), 0);
    m_doc->m_bDatabaseUsable = true;
    m_doc->m_bUseDatabase = false;
    m_doc->RenameProject(project, "Beta", false);
    m_doc->FindOrAddCategory("Design", "");
    EXPECT_EQ(Count("Projects"), 0);
    EXPECT_EQ(Count("Categories"), 0);
    CUser loose("x");
    EXPECT_FALSE(m_doc->SaveUser(&loose));
    EXPECT_EQ(Count("Users"), 0);
}

TEST_P(LogDocWriteThrough, DuplicatedProjectWithItsSubsystems) {
    CProject* project = m_doc->FindOrAddProject("Alpha", "");
    auto* top = new CSubsystem("Top");
    auto* child = new CSubsystem("Child");
    child->m_pParent = top;
    for (CSubsystem* s : {top, child}) {
        m_doc->AddSubsystem(s);
        project->InsertSubsystem(project->GetSubsystemCount(), s);
    }
    CProject* copy = project->Duplicate(m_doc.get(), false);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->m_Name, "Alpha - copy");
    EXPECT_NE(copy->m_GUID, project->m_GUID);
    EXPECT_EQ(copy->m_Modified, project->m_Created);
    ASSERT_EQ(copy->GetSubsystemCount(), 2);
    CSubsystem* newTop = copy->GetSubsystemAt(0);
    CSubsystem* newChild = copy->GetSubsystemAt(1);
    EXPECT_NE(newTop->m_GUID, top->m_GUID);
    EXPECT_EQ(newChild->m_pParent, newTop);
    EXPECT_EQ(newChild->m_ParentUID, newTop->m_GUID);
    EXPECT_EQ(newTop->m_ProjectUID, copy->m_GUID);
    EXPECT_EQ(m_doc->FindSubsystemByGUID(newChild->m_GUID), newChild);
    EXPECT_EQ(Rows("Projects", "GUID", copy->m_GUID), 1);
    EXPECT_EQ(Rows("Subsystems", "ProjectUID", copy->m_GUID), 2);
    EXPECT_EQ(Rows("Subsystems", "ParentUID", newTop->m_GUID), 1);
    EXPECT_EQ(m_doc->GetProjectAt(1), copy) << "sorted after Alpha";
}

TEST_P(LogDocWriteThrough, DuplicateCopiesTheProjectTasksWhenAsked) {
    CreateTables({"ProjectTasks"});
    CProject* project = m_doc->FindOrAddProject("Alpha", "");
    auto* sub = new CSubsystem("Sub");
    m_doc->AddSubsystem(sub);
    project->InsertSubsystem(0, sub);
    for (const char* subsystem : {"", static_cast<const char*>(sub->m_GUID)}) {
        CTask task;
        task.m_ProjectID = project->GetGUID();
        task.m_SubsystemID = subsystem;
        task.m_Name = "Work";
        ASSERT_TRUE(m_doc->m_ProjectTaskSet.SaveTask(m_doc.get(), &task));
    }
    CProject* plain = project->Duplicate(m_doc.get(), false);
    EXPECT_EQ(Rows("ProjectTasks", "ProjectID", plain->m_GUID), 0);
    CProject* withTasks = project->Duplicate(m_doc.get(), true);
    EXPECT_EQ(Rows("ProjectTasks", "ProjectID", withTasks->m_GUID), 2);
    EXPECT_EQ(Rows("ProjectTasks", "SubsystemID", withTasks->GetSubsystemAt(0)->m_GUID), 1);
}

TEST_P(LogDocWriteThrough, UsersDuplicateSaveAndGroupVisibility) {
    auto* company = new CUser("Company");
    company->m_Workgroup = 1;
    auto* sales = new CUser("Sales");
    sales->m_Workgroup = 1;
    sales->m_pParent = company;
    auto* me = new CUser(m_user);
    auto* ann = new CUser("ann");
    ann->m_pParent = sales;
    auto* bob = new CUser("bob");
    bob->m_pParent = company;
    for (CUser* u : {company, sales, me, ann, bob})
        m_doc->AddUser(u);

    ASSERT_TRUE(m_doc->SaveUser(ann));
    EXPECT_EQ(Rows("Users", "GUID", ann->m_GUID), 1);
    ann->m_QBEmployee = "Ann S";
    CUser* copy = ann->Duplicate(m_doc.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->m_User, "ann - copy");
    EXPECT_EQ(copy->m_QBInclude, 0);
    EXPECT_EQ(copy->m_QBEmployee, "");
    EXPECT_EQ(Rows("Users", "GUID", copy->m_GUID), 1);

    EXPECT_TRUE(m_doc->CanViewUserData(me));
    EXPECT_FALSE(m_doc->CanViewUserData(ann)) << "no units assigned";
    CStringArray units;
    units.Add(sales->m_GUID);
    ASSERT_TRUE(m_doc->SaveObjectPermissions(me->m_GUID, units));
    EXPECT_TRUE(m_doc->CanViewUserData(ann)) << "below an assigned group";
    EXPECT_TRUE(m_doc->CanViewUserData(sales));
    EXPECT_FALSE(m_doc->CanViewUserData(bob)) << "beside it";
    units.RemoveAll();
    ASSERT_TRUE(m_doc->SaveObjectPermissions(me->m_GUID, units));
    EXPECT_EQ(Rows("OrgObjects", "ObjectID", me->m_GUID), 0) << "an empty list removes the rows";
}

// Answers the "In Use" dialogs: the candidates it was offered, and its choice.
class ChoosingDialog : public IReplacementChooser {
public:
    ChoosingDialog() { SetReplacementChooser(this); }
    ~ChoosingDialog() override { SetReplacementChooser(nullptr); }
    ChoosingDialog(const ChoosingDialog&) = delete;
    ChoosingDialog& operator=(const ChoosingDialog&) = delete;
    CObject* ChooseReplacement(UINT dialogId, const CObArray& candidates) override {
        shownId = dialogId;
        offered = static_cast<int>(candidates.GetSize());
        return choice;
    }
    CObject* choice = nullptr;
    UINT shownId = 0;
    int offered = -1;
};

TEST_P(LogDocWriteThrough, AccountsInUseMoveToTheChosenReplacement) {
    CreateTables({"Accounts", "Expenses"});
    auto* bank = new CAccount("Bank");
    auto* other = new CAccount("Other bank");
    auto* spare = new CAccount("Spare");
    for (CAccount* a : {bank, other, spare}) {
        m_doc->AddAccount(a);
        ASSERT_TRUE(m_doc->m_AccountSet.SaveAccount(m_doc.get(), a));
    }
    ASSERT_TRUE(m_doc->RenameAccount(spare, "Reserve", false));
    EXPECT_EQ(Rows("Accounts", "Name", "Reserve"), 1);
    auto* expense = new CExpense;
    expense->m_pDoc = m_doc.get();
    expense->SetBank(bank);
    m_doc->AddExpense(expense);
    ASSERT_TRUE(m_doc->m_ExpenseSet.SaveExpense(m_doc.get(), expense));

    EXPECT_TRUE(m_doc->CanDeleteAccount(spare, true)) << "not used";
    EXPECT_TRUE(m_doc->CanDeleteAccount(bank, true));
    ASSERT_EQ(m_app.prompts.size(), 1u);
    EXPECT_EQ(m_app.prompts[0].rfind("This account is currently used", 0), 0u);

    {
        ChoosingDialog dialog; // cancelled
        EXPECT_FALSE(m_doc->DeleteAccount(bank, false));
        EXPECT_EQ(dialog.shownId, static_cast<UINT>(IDD_ACCOUNT_IN_USE));
        EXPECT_EQ(dialog.offered, 2);
    }
    EXPECT_FALSE(m_doc->DeleteAccount(bank, false)) << "no dialog: nothing can be chosen";
    EXPECT_EQ(m_doc->FindAccountByGUID(bank->GetGUID()), bank);

    ChoosingDialog dialog;
    dialog.choice = other;
    const CString bankGUID = bank->GetGUID();
    ASSERT_TRUE(m_doc->DeleteAccount(bank, true));
    EXPECT_EQ(m_doc->FindAccountByGUID(bankGUID), nullptr);
    EXPECT_EQ(Rows("Accounts", "GUID", bankGUID), 0);
    EXPECT_EQ(Rows("Expenses", "BankID", other->GetGUID()), 1);
    EXPECT_EQ(expense->m_BankID, other->GetGUID());
    EXPECT_EQ(expense->GetBank(), other);
}

TEST_P(LogDocWriteThrough, TripsAndTypes) {
    CreateTables({"ExpenseTrips", "ExpenseTypes"});
    CExpenseType* type = m_doc->FindOrAddExpenseType("Meals", "");
    EXPECT_EQ(Rows("ExpenseTypes", "GUID", type->GetGUID()), 1);
    auto* trip = new CExpenseTrip;
    trip->m_Name = "Berlin";
    m_doc->AddExpenseTrip(trip);
    ASSERT_TRUE(m_doc->RenameExpenseTrip(trip, "Bonn", false));
    EXPECT_EQ(Rows("ExpenseTrips", "Name", "Bonn"), 1);
    const CString typeGUID = type->GetGUID();
    const CString tripGUID = trip->GetGUID();
    m_doc->DeleteExpenseType(type);
    m_doc->DeleteExpenseTrip(trip);
    EXPECT_EQ(Rows("ExpenseTypes", "GUID", typeGUID), 0);
    EXPECT_EQ(Rows("ExpenseTrips", "GUID", tripGUID), 0);
}

TEST_P(LogDocWriteThrough, OrganizationBecomesUserRecords) {
    COrganization org;
    org.AddLoadedGroup(new COrgGroup("G-SALES", "Sales", "\\Company", "ann,bob",
                                     ScrambleText("key") + "," + ScrambleText("other"), ""));
    org.AddLoadedGroup(new COrgGroup("G-CO", "Company", "", "carl", "", ScrambleText("KEY")));
    org.BuildTree();
    org.ConvertToUsers(m_doc.get());

    ASSERT_EQ(m_doc->m_Users.GetSize(), 5);
    CUser* company = m_doc->FindUserByGUID("G-CO");
    CUser* sales = m_doc->FindUserByGUID("G-SALES");
    ASSERT_NE(company, nullptr);
    ASSERT_NE(sales, nullptr);
    EXPECT_TRUE(company->IsGroup());
    EXPECT_FALSE(company->m_Admin);
    EXPECT_EQ(sales->m_pParent, company);
    EXPECT_EQ(sales->m_ParentUID, "G-CO");
    CUser* ann = m_doc->FindUserByName("ann", false);
    CUser* bob = m_doc->FindUserByName("bob", false);
    CUser* carl = m_doc->FindUserByName("carl", false);
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(ann->m_pParent, sales);
    EXPECT_EQ(ann->m_Password, "key");
    EXPECT_TRUE(ann->m_Admin);
    EXPECT_TRUE(ann->m_bModified);
    EXPECT_EQ(carl->m_pParent, company);
    // ann's access text matches the company's (ignoring case): one assignment to the company.
    EXPECT_EQ(QueryText("SELECT [OrganizationID] FROM [OrgObjects] WHERE [ObjectID] = '" + ann->m_GUID + "'"),
              "G-CO");
    EXPECT_EQ(Rows("OrgObjects", "ObjectID", bob->m_GUID), 0);
    EXPECT_EQ(Rows("OrgObjects", "ObjectID", carl->m_GUID), 0);
}

TEST_P(LogDocWriteThrough, DeletedProjectTakesItsSubsystemsTasksAndFiltersAlong) {
    CreateTables({"ProjectTasks"});
    CProject* project = m_doc->FindOrAddProject("Alpha", "");
    CProject* other = m_doc->FindOrAddProject("Beta", "");
    auto* phase = new CSubsystem("Phase");
    auto* step = new CSubsystem("Step");
    step->m_pParent = phase;
    for (CSubsystem* sub : {phase, step}) {
        m_doc->AddSubsystem(sub);
        project->AddSubsystem(sub);
        sub->m_pProject = project;
        ASSERT_TRUE(m_doc->m_SubsystemSet.SaveSubsystem(m_doc.get(), sub));
    }
    auto* entry = new CLogEntry;
    entry->m_pProject = other; // moved to another project before, still naming the subsystem
    entry->m_pSubsystem = step;
    entry->SetStartTime(CTime(2024, 3, 4, 9, 0, 0));
    entry->SetStopTime(CTime(2024, 3, 4, 10, 0, 0));
    m_doc->AddLogEntry(entry);
    ASSERT_TRUE(m_doc->m_TaskSet.SaveEntry(m_doc.get(), entry));
    m_doc->m_CurrentEntry.m_pSubsystem = phase;
    auto* linked = new CTask;
    linked->m_pProject = project;
    auto* byGUID = new CTask;
    byGUID->m_ProjectID = project->GetGUID();
    auto* kept = new CTask;
    kept->m_pProject = other;
    for (CTask* task : {linked, byGUID, kept})
        m_doc->AddProjectTask(task);
    const CString linkedGUID = linked->GetGUID();
    m_doc->m_ViewFilter.m_FilterType = 1;
    m_doc->m_ViewFilter.m_pProject = project;
    RegWriteString(REG_FILTER_PROJECT_TASKS, "Project", project->GetGUID());
    RegWriteString(REG_FILTER_PROJECT_TASKS, "InProject", other->GetGUID()); // emptied whichever it names
    RegWriteString(REG_FILTER_PROJECT_TASKS, "User", "someone");
    const CString projectGUID = project->GetGUID();
    const CString phaseGUID = phase->GetGUID();
    const CString stepGUID = step->GetGUID();

    m_doc->DeleteProject(project);

    EXPECT_EQ(m_doc->FindProjectByGUID(projectGUID, false), nullptr);
    EXPECT_EQ(m_doc->IndexOfProject(other), 0);
    EXPECT_EQ(m_doc->GetProjectCount(), 1);
    EXPECT_EQ(Rows("Projects", "GUID", projectGUID), 0);
    EXPECT_EQ(Count("Subsystems"), 0);
    EXPECT_EQ(m_doc->FindSubsystemByGUID(phaseGUID), nullptr);
    EXPECT_EQ(m_doc->FindSubsystemByGUID(stepGUID), nullptr);
    EXPECT_EQ(m_doc->m_Subsystems.GetSize(), 0);
    EXPECT_EQ(entry->m_pSubsystem, nullptr);
    EXPECT_EQ(Rows("Tasks", "SubsystemID", stepGUID), 0) << "the entry was written without it";
    EXPECT_EQ(Rows("Tasks", "GUID", entry->m_GUID), 1);
    EXPECT_EQ(m_doc->m_CurrentEntry.m_pSubsystem, nullptr);
    ASSERT_EQ(m_doc->m_ProjectTasks.GetSize(), 1);
    EXPECT_EQ(m_doc->m_ProjectTasks.GetAt(0), kept);
    EXPECT_EQ(m_doc->FindProjectTaskByGUID(linkedGUID), nullptr);
    EXPECT_EQ(m_doc->m_ViewFilter.m_pProject, nullptr);
    EXPECT_FALSE(m_doc->m_ViewFilter.IsActive()) << "a project filter without its project is dropped";
    for (const char* name : {"Project", "InProject", "ExProject"}) {
        CString value = "unread";
        RegReadString(REG_FILTER_PROJECT_TASKS, name, value);
        EXPECT_EQ(value, "") << name;
    }
    CString user;
    RegReadString(REG_FILTER_PROJECT_TASKS, "User", user);
    EXPECT_EQ(user, "someone");
    m_doc->DeleteProject(nullptr);
}

TEST_P(LogDocWriteThrough, DeletedUserHandsItsReferencesToTheChosenOne) {
    CreateTables({"ProjectTasks", "Expenses"});
    auto* group = new CUser("Team");
    group->m_Workgroup = 1;
    auto* ann = new CUser("ann");
    ann->m_pParent = group;
    auto* bob = new CUser("bob");
    auto* idle = new CUser("idle");
    for (CUser* u : {group, ann, bob, idle}) {
        m_doc->AddUser(u);
        ASSERT_TRUE(m_doc->SaveUser(u));
    }
    auto* entry = new CLogEntry;
    entry->m_pUser = ann;
    entry->SetUserName("ann");
    entry->SetStartTime(CTime(2024, 3, 4, 9, 0, 0));
    entry->SetStopTime(CTime(2024, 3, 4, 10, 0, 0));
    ASSERT_TRUE(m_doc->m_TaskSet.SaveEntry(m_doc.get(), entry));
    m_doc->AddLogEntry(entry);
    CCategory* privateCategory = m_doc->FindOrAddCategory("Notes", "");
    privateCategory->m_UserID = ann->GetGUID();
    ASSERT_TRUE(m_doc->m_CategorySet.SaveCategory(m_doc.get(), privateCategory));
    const CString annGUID = ann->GetGUID();
    RegWriteString(REG_FILTER_PROJECT_TASKS, "User", annGUID);

    EXPECT_FALSE(m_doc->DeleteUser(ann)) << "no dialog: nobody can be chosen";
    {
        ChoosingDialog dialog; // cancelled
        EXPECT_FALSE(m_doc->DeleteUser(ann));
        EXPECT_EQ(dialog.shownId, static_cast<UINT>(IDD_USER_IN_USE));
        EXPECT_EQ(dialog.offered, 2) << "bob and idle; the group is no candidate";
    }
    ASSERT_EQ(m_doc->FindUserByGUID(annGUID), ann);
    EXPECT_EQ(Rows("Users", "GUID", annGUID), 1);

    {
        ChoosingDialog dialog;
        dialog.choice = bob;
        ASSERT_TRUE(m_doc->DeleteUser(ann));
    }
    EXPECT_EQ(m_doc->FindUserByGUID(annGUID), nullptr);
    EXPECT_EQ(m_doc->FindUserByName("ann", false), nullptr);
    EXPECT_EQ(Rows("Users", "GUID", annGUID), 0);
    EXPECT_EQ(entry->m_pUser, bob);
    EXPECT_EQ(entry->m_Username, "bob");
    EXPECT_EQ(Rows("Tasks", "UserID", bob->GetGUID()), 1);
    EXPECT_EQ(Rows("Tasks", "UserID", annGUID), 0);
    EXPECT_EQ(Rows("Categories", "UserID", bob->GetGUID()), 1);
    CString filter = "unread";
    RegReadString(REG_FILTER_PROJECT_TASKS, "User", filter);
    EXPECT_EQ(filter, "");

    {
        ChoosingDialog dialog; // a user nothing refers to goes without asking
        const CString idleGUID = idle->GetGUID();
        ASSERT_TRUE(m_doc->DeleteUser(idle));
        EXPECT_EQ(dialog.shownId, 0u);
        EXPECT_EQ(Rows("Users", "GUID", idleGUID), 0);
    }
    {
        ChoosingDialog dialog; // only a group is left beside bob: nobody to hand the entries to
        dialog.choice = group;
        EXPECT_FALSE(m_doc->DeleteUser(bob));
        EXPECT_EQ(dialog.shownId, 0u);
        ASSERT_FALSE(m_app.prompts.empty());
        EXPECT_EQ(m_app.prompts.back().rfind("This user is currently in use", 0), 0u);
    }
    EXPECT_EQ(m_doc->FindUserByName("bob", false), bob);
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDocWriteThrough, DATA_ENGINES);

} // namespace
