// Subsystems in use, their replacement and removal, and the clearing of the loaded lists, without a
// database (rows that name a subsystem are tried in the data tests).
#include "ModelTestSupport.h"

#include "resource.h"

using namespace modeltest;

namespace {

class LogDocSubsystems : public ModelTest {
protected:
    LogDocSubsystems() {
        project = new CProject("Alpha", 0.0);
        doc.AddProject(project);
        build = Subsystem("Build");
        test = Subsystem("Test");
    }
    CSubsystem* Subsystem(const char* name) {
        auto* s = new CSubsystem(name);
        s->m_pProject = project;
        doc.AddSubsystem(s);
        project->AddSubsystem(s);
        return s;
    }

    RecordingApp app;
    CLogDoc doc;
    CProject* project;
    CSubsystem* build;
    CSubsystem* test;
};

TEST_F(LogDocSubsystems, ParentsAndOrphansCannotBeDeleted) {
    EXPECT_TRUE(doc.IsSubsystemInUse(build, true));
    EXPECT_TRUE(app.prompts.empty());
    test->m_pParent = build;
    EXPECT_FALSE(doc.IsSubsystemInUse(build, true));
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], CString(MAKEINTRESOURCE(IDS_SUBSYSTEM_HAS_CHILDREN)).GetString());
    EXPECT_FALSE(doc.IsSubsystemInUse(nullptr, false));
    CSubsystem loose("Loose");
    EXPECT_FALSE(doc.IsSubsystemInUse(&loose, false));
}

TEST_F(LogDocSubsystems, ReplacementMovesEntriesAndTasksIncludingUnlinkedOnes) {
    auto* entry = new CLogEntry;
    entry->m_pSubsystem = build;
    doc.AddLogEntry(entry);
    doc.m_CurrentEntry.m_pSubsystem = build;
    auto* linked = new CTask;
    linked->m_pSubsystem = build;
    doc.AddProjectTask(linked);
    auto* byGuid = new CTask;
    byGuid->m_SubsystemID = build->GetGUID();
    doc.AddProjectTask(byGuid);

    doc.ReplaceSubsystem(build, test);
    EXPECT_EQ(entry->m_pSubsystem, test);
    EXPECT_EQ(doc.m_CurrentEntry.m_pSubsystem, test);
    EXPECT_EQ(linked->m_pSubsystem, test);
    EXPECT_EQ(byGuid->m_pSubsystem, test);
    doc.m_CurrentEntry.m_pSubsystem = nullptr;
}

TEST_F(LogDocSubsystems, RemovalLeavesNothingPointingAtIt) {
    auto* entry = new CLogEntry;
    entry->m_pSubsystem = build;
    doc.AddLogEntry(entry);
    doc.m_CurrentEntry.m_pSubsystem = build;
    const CString guid = build->GetGUID();

    doc.RemoveSubsystem(build, true);
    EXPECT_EQ(doc.FindSubsystemByGUID(guid), nullptr);
    EXPECT_EQ(doc.GetSubsystemIndex(test), 0);
    EXPECT_EQ(entry->m_pSubsystem, nullptr);
    EXPECT_EQ(doc.m_CurrentEntry.m_pSubsystem, nullptr);
    ASSERT_EQ(project->GetSubsystemCount(), 1);
    EXPECT_EQ(project->GetSubsystemAt(0), test);

    // A subsystem outside the list is left alone.
    CSubsystem loose("Loose");
    doc.RemoveSubsystem(&loose, true);
    EXPECT_EQ(doc.GetSubsystemIndex(test), 0);
}

TEST_F(LogDocSubsystems, ClearsAndRemovalsEmptyListsAndMaps) {
    auto* expense = new CExpense;
    doc.AddExpense(expense);
    auto* invoice = new CInvoice;
    doc.AddInvoice(invoice);
    auto* task = new CTask;
    doc.AddProjectTask(task);
    const CString expenseGuid = expense->GetGUID();
    const CString taskGuid = task->GetGUID();
    EXPECT_EQ(doc.GetExpenseIndex(expense), 0);
    EXPECT_EQ(doc.GetInvoiceIndex(invoice), 0);
    EXPECT_EQ(doc.GetProjectTaskIndex(task), 0);

    CExpense stranger;
    doc.RemoveExpense(&stranger); // not in the list: neither taken out nor deleted
    EXPECT_EQ(doc.GetExpenseIndex(expense), 0);
    doc.RemoveExpense(expense);
    EXPECT_EQ(doc.FindExpenseByGUID(expenseGuid), nullptr);
    EXPECT_EQ(doc.GetExpenseAt(0), nullptr);
    doc.RemoveInvoice(invoice);
    EXPECT_EQ(doc.GetInvoiceAt(0), nullptr);

    doc.ClearProjectTasks();
    EXPECT_EQ(doc.FindProjectTaskByGUID(taskGuid), nullptr);
    doc.ClearSubsystems();
    EXPECT_EQ(doc.GetSubsystemAt(0), nullptr);
    EXPECT_EQ(project->GetSubsystemCount(), 0);
}

} // namespace
