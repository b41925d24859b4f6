// A log entry received from the handheld counts towards the logged totals of its project task; when a
// received change moves the entry to another task, both tasks' totals follow.
#include "TableTestSupport.h"

#include "timelog/ITaskView.h"

using namespace datatest;

namespace {

// A project-task view without rows: its existence is what the document asks about.
class EmptyTaskView : public ITaskView {
public:
    EmptyTaskView() { SetTaskView(this); }
    ~EmptyTaskView() override { SetTaskView(nullptr); }
    EmptyTaskView(const EmptyTaskView&) = delete;
    EmptyTaskView& operator=(const EmptyTaskView&) = delete;
    UINT GetPrimarySortColumn() override { return 0; }
    bool IsSortAscending() override { return true; }
    CTask* GetSelectedTask() override { return nullptr; }
    CTask* GetTaskAtRow(DWORD) override { return nullptr; }
    void ClearSelection() override {}
    void Redraw() override { ++redraws; }
    int redraws = 0;
};

class LogDocSyncTotals : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Tasks", "ProjectTasks", "Projects", "Update", "OrgObjects"});
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
        project = m_doc->FindOrAddProject("Alpha", "");
        first = AddTask("Design");
        second = AddTask("Build");
    }
    CTask* AddTask(const char* name) {
        auto* task = new CTask();
        task->m_pDoc = m_doc.get();
        task->m_Name = name;
        task->SetProject(project);
        m_doc->AddProjectTask(task);
        EXPECT_TRUE(m_doc->SaveProjectTask(task));
        return task;
    }
    void Receive(const CTask* task, int hours) {
        CLogEntry entry;
        entry.m_GUID = "{5EC0-0001}";
        entry.m_pProject = project;
        entry.m_ProjectTaskID = task->m_GUID;
        entry.m_StartTime = At(3, 2, 9);
        entry.m_EndTime = At(3, 2, 9 + hours);
        m_doc->ReceiveSyncedEntry(&entry);
    }

    EmptyTaskView view;
    CProject* project = nullptr;
    CTask* first = nullptr;
    CTask* second = nullptr;
};

TEST_P(LogDocSyncTotals, TheTasksOfReceivedEntriesKeepTheirTotals) {
    Receive(first, 2);
    EXPECT_EQ(first->m_ActualWork.GetTotalSeconds(), 2 * 3600);
    EXPECT_EQ(second->m_ActualWork.GetTotalSeconds(), 0);

    // The same entry again, now on the other task and an hour long.
    Receive(second, 1);
    ASSERT_EQ(m_doc->GetLogEntryCount(), 1);
    EXPECT_EQ(first->m_ActualWork.GetTotalSeconds(), 0) << "the task the entry left";
    EXPECT_EQ(second->m_ActualWork.GetTotalSeconds(), 3600);
    EXPECT_GT(view.redraws, 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDocSyncTotals, DATA_ENGINES);

} // namespace
