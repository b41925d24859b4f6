// The document's in-use checks find the rows that are not loaded: project tasks, time entries,
// expenses, payments and invoices naming the object.
#include "TableTestSupport.h"

#include "data/CUser.h"
#include "timelog/IReplacementChooser.h"

using namespace datatest;

namespace {

class LogDocRowReferences : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Tasks", "ProjectTasks", "Expenses", "Payments", "Invoices", "Categories", "Users"});
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
    }
    void Row(const char* table, const char* column, const CString& guid) {
        Exec(CString("INSERT INTO \"") + table + "\" (\"GUID\", \"" + column + "\") VALUES ('row-" + table +
             "-" + column + "', '" + guid + "')");
    }
};

TEST_P(LogDocRowReferences, EachTableThatNamesTheObjectMakesItInUse) {
    struct Case {
        const char* table;
        const char* column;
        std::function<bool(CLogDoc&)> inUse;
        CString guid;
    };
    auto* client = new CClient;
    m_doc->AddClient(client);
    auto* project = new CProject("Alpha", 0.0);
    m_doc->AddProject(project);
    auto* category = new CCategory("Design", "");
    m_doc->AddCategory(category);
    auto* trip = new CExpenseTrip;
    m_doc->AddExpenseTrip(trip);
    auto isClient = [client](CLogDoc& d) { return d.IsClientInUse(client); };
    auto isProject = [project](CLogDoc& d) { return d.IsProjectInUse(project); };
    auto isCategory = [category](CLogDoc& d) { return d.IsCategoryInUse(category); };
    const std::vector<Case> cases = {
        {"ProjectTasks", "ClientID", isClient, client->GetGUID()},
        {"Tasks", "ClientID", isClient, client->GetGUID()},
        {"Expenses", "ClientUID", isClient, client->GetGUID()},
        {"Payments", "ClientUID", isClient, client->GetGUID()},
        {"Invoices", "ClientUID", isClient, client->GetGUID()},
        {"ProjectTasks", "ProjectID", isProject, project->GetGUID()},
        {"Expenses", "ProjectUID", isProject, project->GetGUID()},
        {"Tasks", "ProjectID", isProject, project->GetGUID()},
        {"ProjectTasks", "CategoryID", isCategory, category->GetGUID()},
        {"Expenses", "CategoryID", isCategory, category->GetGUID()},
        {"Expenses", "TripID", [trip](CLogDoc& d) { return d.IsExpenseTripInUse(trip); }, trip->GetGUID()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + "." + c.column);
        for (const char* table : {"Tasks", "ProjectTasks", "Expenses", "Payments", "Invoices"})
            Exec(CString("DELETE FROM \"") + table + "\"");
        EXPECT_FALSE(c.inUse(*m_doc));
        Row(c.table, c.column, c.guid);
        EXPECT_TRUE(c.inUse(*m_doc));
    }
    EXPECT_EQ(Errors().GetCount(), 0);
}

TEST_P(LogDocRowReferences, AUserNamedOnlyByRowsNeedsAReplacement) {
    auto* ann = new CUser("ann");
    m_doc->AddUser(ann);
    EXPECT_TRUE(m_doc->CanDeleteUser(ann, false));
    Row("Expenses", "UserUID", ann->GetGUID());
    EXPECT_FALSE(m_doc->CanDeleteUser(ann, false)); // nobody else could take the expense
    auto* bob = new CUser("bob");
    m_doc->AddUser(bob);
    m_app.prompts.clear();
    EXPECT_TRUE(m_doc->CanDeleteUser(ann, true));
    ASSERT_EQ(m_app.prompts.size(), 1u);
}

TEST_P(LogDocRowReferences, TripReplacementMovesRowsAndLoadedExpenses) {
    auto* berlin = new CExpenseTrip;
    m_doc->AddExpenseTrip(berlin);
    auto* paris = new CExpenseTrip;
    m_doc->AddExpenseTrip(paris);
    auto* expense = new CExpense;
    expense->SetTrip(berlin);
    m_doc->AddExpense(expense);
    Row("Expenses", "TripID", berlin->GetGUID());

    EXPECT_FALSE(m_doc->ReplaceExpenseTrip(berlin, berlin));
    ASSERT_TRUE(m_doc->ReplaceExpenseTrip(berlin, paris));
    EXPECT_EQ(Count("Expenses", CString("\"TripID\" = '") + berlin->GetGUID() + "'"), 0);
    EXPECT_EQ(Count("Expenses", CString("\"TripID\" = '") + paris->GetGUID() + "'"), 1);
    EXPECT_EQ(expense->m_TripID, paris->GetGUID());
    EXPECT_FALSE(m_doc->IsExpenseTripInUse(berlin));
}

// Answers the "Subsystem In Use" dialog with a fixed choice.
class SubsystemChoice : public IReplacementChooser {
public:
    SubsystemChoice() { SetReplacementChooser(this); }
    ~SubsystemChoice() override { SetReplacementChooser(nullptr); }
    SubsystemChoice(const SubsystemChoice&) = delete;
    SubsystemChoice& operator=(const SubsystemChoice&) = delete;
    CObject* ChooseReplacement(UINT, const CObArray& candidates) override {
        offered = static_cast<int>(candidates.GetSize());
        return choice;
    }
    CObject* choice = nullptr;
    int offered = -1;
};

TEST_P(LogDocRowReferences, ASubsystemNamedByRowsMovesToTheChosenOneBeforeItGoes) {
    CreateTables({"Subsystems"});
    auto* project = new CProject("Alpha", 0.0);
    m_doc->AddProject(project);
    auto* build = new CSubsystem("Build");
    auto* test = new CSubsystem("Test");
    for (CSubsystem* s : {build, test}) {
        s->m_pProject = project;
        m_doc->AddSubsystem(s);
        project->AddSubsystem(s);
        ASSERT_TRUE(m_doc->m_SubsystemSet.SaveSubsystem(m_doc.get(), s));
    }
    auto* entry = new CLogEntry;
    entry->m_pSubsystem = build;
    m_doc->AddLogEntry(entry);
    Row("Expenses", "SubsystemID", build->GetGUID());
    Row("ProjectTasks", "SubsystemID", build->GetGUID());

    SubsystemChoice dialog;
    m_doc->RemoveSubsystem(build, false); // cancelled: nothing changes
    EXPECT_EQ(dialog.offered, 1);
    EXPECT_EQ(m_doc->FindSubsystemByGUID(build->GetGUID()), build);
    EXPECT_EQ(entry->m_pSubsystem, build);

    const CString gone = build->GetGUID();
    dialog.choice = test;
    m_doc->RemoveSubsystem(build, false);
    EXPECT_EQ(m_doc->FindSubsystemByGUID(gone), nullptr);
    EXPECT_EQ(m_doc->GetSubsystemIndex(test), 0);
    EXPECT_EQ(entry->m_pSubsystem, test);
    ASSERT_EQ(project->GetSubsystemCount(), 1);
    EXPECT_EQ(project->GetSubsystemAt(0), test);
    for (const char* table : {"Expenses", "ProjectTasks"})
        EXPECT_EQ(Count(table, CString("\"SubsystemID\" = '") + gone + "'"), 0) << table;
    EXPECT_EQ(Count("Subsystems", CString("\"GUID\" = '") + gone + "'"), 0);
    EXPECT_EQ(Count("Expenses", CString("\"SubsystemID\" = '") + test->GetGUID() + "'"), 1);

    // The last subsystem of a project that rows name cannot be removed.
    m_app.prompts.clear();
    EXPECT_FALSE(m_doc->IsSubsystemInUse(test, true));
    m_doc->RemoveSubsystem(test, false);
    EXPECT_EQ(m_doc->GetSubsystemIndex(test), 0);
    EXPECT_EQ(m_app.prompts.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDocRowReferences, DATA_ENGINES);

} // namespace
