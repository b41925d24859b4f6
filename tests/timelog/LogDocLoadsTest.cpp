// Links made after a load (account parents, project subsystems) and the deletion of the project tasks
// selected in the project-task view.
#include "ModelTestSupport.h"

#include "data/CSubsystem.h"
#include "timelog/ITaskView.h"

#include <vector>

using namespace modeltest;

namespace {

// A project-task view whose rows show the tasks given (row 1 first; nullptr: a row without task).
class RowsTaskView : public ITaskView {
public:
    RowsTaskView() { SetTaskView(this); }
    ~RowsTaskView() override { SetTaskView(nullptr); }
    RowsTaskView(const RowsTaskView&) = delete;
    RowsTaskView& operator=(const RowsTaskView&) = delete;
    UINT GetPrimarySortColumn() override { return 0; }
    bool IsSortAscending() override { return true; }
    CTask* GetSelectedTask() override { return nullptr; }
    CTask* GetTaskAtRow(DWORD row) override {
        return row >= 1 && row <= rows.size() ? rows[row - 1] : nullptr;
    }
    void ClearSelection() override {}
    std::vector<CTask*> rows;
};

class LogDocLoads : public ModelTest {
protected:
    CTask* AddTask(const char* name, CProject* project) {
        auto* t = new CTask;
        t->m_pDoc = &doc;
        t->m_Name = name;
        t->SetProject(project);
        doc.AddProjectTask(t);
        return t;
    }
    static void Rows(CDWordArray& out, std::initializer_list<DWORD> rows) {
        for (DWORD r : rows)
            out.Add(r);
    }
    RecordingApp app;
    CLogDoc doc;
};

TEST_F(LogDocLoads, AccountsFindTheirParentsAndLoseUnknownOnes) {
    auto* top = new CAccount;
    doc.AddAccount(top);
    auto* child = new CAccount;
    child->m_ParentID = top->GetGUID();
    doc.AddAccount(child);
    auto* orphan = new CAccount;
    orphan->m_ParentID = "no such account";
    doc.AddAccount(orphan);
    auto* self = new CAccount;
    self->m_ParentID = self->GetGUID();
    doc.AddAccount(self);
    doc.LinkAccountParents();
    EXPECT_EQ(child->m_pParent, top);
    EXPECT_EQ(top->m_pParent, nullptr);
    EXPECT_EQ(orphan->m_pParent, nullptr);
    EXPECT_TRUE(orphan->m_ParentID.IsEmpty());
    EXPECT_EQ(self->m_pParent, nullptr);
    EXPECT_TRUE(self->m_ParentID.IsEmpty());
}

TEST_F(LogDocLoads, ProjectsReceiveTheirSubsystemsOnce) {
    auto* alpha = new CProject("Alpha", 0.0);
    doc.AddProject(alpha);
    auto* mine = new CSubsystem("Mine");
    mine->m_ProjectUID = alpha->GetGUID();
    doc.AddSubsystem(mine);
    auto* stray = new CSubsystem("Stray");
    stray->m_ProjectUID = "unknown";
    doc.AddSubsystem(stray);
    doc.AttachSubsystems();
    doc.AttachSubsystems();
    EXPECT_EQ(alpha->GetSubsystemCount(), 1);
    EXPECT_EQ(mine->m_pProject, alpha);
    EXPECT_EQ(stray->m_pProject, nullptr);
}

TEST_F(LogDocLoads, SelectedRowsDeleteTheirTasksAndASummarysTasks) {
    auto* alpha = new CProject("Alpha", 0.0);
    doc.AddProject(alpha);
    CTask* a = AddTask("a", alpha);
    CTask* b = AddTask("b", alpha);
    CTask* c = AddTask("c", alpha);
    CTask* kept = AddTask("kept", alpha);
    auto* summary = new CTask;
    summary->m_pDoc = &doc;
    summary->m_Summary = 1;
    summary->m_Stored = 0;
    doc.AddProjectTask(summary);
    b->SetParent(summary);
    c->SetParent(summary);
    const CString keptGuid = kept->GetGUID();

    RowsTaskView view;
    view.rows = {a, summary, b, c, kept};
    // Rows 1-2 and 3 (b again, through the summary and by itself): each task once.
    CDWordArray first, last;
    Rows(first, {1, 3});
    Rows(last, {2, 3});
    doc.DeleteSelectedProjectTasks(first, last);
    EXPECT_EQ(doc.m_ProjectTasks.GetSize(), 2);
    EXPECT_EQ(doc.FindProjectTaskByGUID(keptGuid), kept);
    EXPECT_EQ(doc.GetProjectTaskIndex(summary), 1);
}

TEST_F(LogDocLoads, ARowWithoutTaskDeletesNothing) {
    auto* alpha = new CProject("Alpha", 0.0);
    doc.AddProject(alpha);
    CTask* a = AddTask("a", alpha);
    RowsTaskView view;
    view.rows = {a, nullptr};
    CDWordArray first, last, one;
    Rows(first, {1});
    Rows(last, {2});
    Rows(one, {1});
    doc.DeleteSelectedProjectTasks(first, last);
    EXPECT_EQ(doc.m_ProjectTasks.GetSize(), 1);

    SetTaskView(nullptr);
    doc.DeleteSelectedProjectTasks(one, one);
    EXPECT_EQ(doc.m_ProjectTasks.GetSize(), 1) << "without a task view nothing is deleted";
    SetTaskView(&view);
}

} // namespace
