// The project-task outline: pruning, stable sorting, summary tasks per project and subsystem, roll-up,
// collapsed summaries and the deletion of tasks.
#include "ModelTestSupport.h"

#include "data/CSubsystem.h"
#include "timelog/ITaskView.h"

#include <string>
#include <vector>

using namespace modeltest;

namespace {

// A project-task view that sorts as the test says.
class SortingTaskView : public ITaskView {
public:
    SortingTaskView() { SetTaskView(this); }
    ~SortingTaskView() override { SetTaskView(nullptr); }
    SortingTaskView(const SortingTaskView&) = delete;
    SortingTaskView& operator=(const SortingTaskView&) = delete;
    UINT GetPrimarySortColumn() override { return column; }
    bool IsSortAscending() override { return ascending; }
    CTask* GetSelectedTask() override { return nullptr; }
    CTask* GetTaskAtRow(DWORD) override { return nullptr; }
    void ClearSelection() override {}
    UINT column = 0;
    bool ascending = true;
};

class LogDocTree : public ModelTest {
protected:
    LogDocTree() {
        saved = {CLogDoc::s_bShowInactiveProjects, CLogDoc::s_bShowInactiveSubsystems,
                 CLogDoc::s_bShowTaskSummaries};
        CLogDoc::s_bShowInactiveProjects = false;
        CLogDoc::s_bShowInactiveSubsystems = false;
        CLogDoc::s_bShowTaskSummaries = true;
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        subA = AddSubsystem(alpha, "Design", nullptr, 1);
        subB = AddSubsystem(alpha, "Screens", subA, 2);
    }
    ~LogDocTree() override {
        CLogDoc::s_bShowInactiveProjects = saved[0];
        CLogDoc::s_bShowInactiveSubsystems = saved[1];
        CLogDoc::s_bShowTaskSummaries = saved[2];
    }
    CProject* AddProject(const char* name) {
        auto* p = new CProject(name, 0.0);
        doc.AddProject(p);
        return p;
    }
    CSubsystem* AddSubsystem(CProject* project, const char* name, CSubsystem* parent, int order) {
        auto* s = new CSubsystem(name);
        s->m_pProject = project;
        s->m_pParent = parent;
        s->m_Order = order;
        project->AddSubsystem(s);
        doc.AddSubsystem(s);
        return s;
    }
    CTask* AddTask(const char* name, CProject* project, CSubsystem* subsystem = nullptr) {
        auto* t = new CTask;
        t->m_pDoc = &doc;
        t->m_Name = name;
        t->SetProject(project);
        t->SetSubsystem(subsystem);
        doc.AddProjectTask(t);
        return t;
    }
    // The outline as "name" for tasks and "[name]" for summaries.
    std::vector<std::string> Outline() const {
        std::vector<std::string> rows;
        for (INT_PTR i = 0; i < doc.m_ProjectTasks.GetSize(); ++i) {
            const CTask* t = doc.m_ProjectTasks.GetAt(i);
            std::string row(t->m_Name.GetString());
            if (t->m_Summary) {
                row.insert(row.begin(), '[');
                row.push_back(']');
            }
            rows.push_back(row);
        }
        return rows;
    }
    CTask* Row(INT_PTR i) const { return doc.m_ProjectTasks.GetAt(i); }

    std::vector<bool> saved;
    SortingTaskView view;
    CLogDoc doc;
    CProject* alpha;
    CProject* beta;
    CSubsystem* subA;
    CSubsystem* subB;
};

TEST_F(LogDocTree, SummariesNestProjectThenSubsystemChainAboveTheirTasks) {
    CTask* deep = AddTask("Second", alpha, subB);
    CTask* plain = AddTask("First", alpha);
    CTask* other = AddTask("Other", beta);
    doc.BuildProjectTaskTree();

    EXPECT_EQ(Outline(), (std::vector<std::string>{"[Alpha]", "First", "[Design]", "[Screens]", "Second",
                                                   "[Beta]", "Other"}));
    CTask* project = Row(0);
    CTask* design = Row(2);
    CTask* screens = Row(3);
    EXPECT_EQ(plain->GetParent(), project);
    EXPECT_EQ(deep->GetParent(), screens);
    EXPECT_EQ(screens->GetParent(), design);
    EXPECT_EQ(design->GetParent(), project);
    EXPECT_EQ(project->GetParent(), nullptr);
    EXPECT_EQ(other->GetParent(), Row(5));
    EXPECT_EQ(deep->m_ParentGUID, screens->GetGUID());
    // Summaries live in memory only, and can be found through the map.
    for (CTask* s : {project, design, screens}) {
        EXPECT_EQ(s->m_Stored, 0);
        EXPECT_EQ(doc.FindProjectTaskByGUID(s->GetGUID()), s);
    }
    EXPECT_EQ(doc.FindSummaryTask(nullptr, alpha, subA), design);
    EXPECT_EQ(doc.FindSummaryTask(nullptr, alpha, nullptr), project);
    EXPECT_EQ(doc.FindSummaryTask(project, alpha, nullptr), nullptr);
    EXPECT_TRUE(doc.SaveProjectTask(design)); // never written, and that is no failure
}

TEST_F(LogDocTree, SecondRunOfASubsystemHangsUnderItsFirstSummary) {
    // Two subsystems with the same order interleave after sorting by name.
    CSubsystem* subC = AddSubsystem(alpha, "Docs", nullptr, 1);
    subA->m_pParent = nullptr;
    AddTask("a", alpha, subA);
    AddTask("b", alpha, subC);
    CTask* again = AddTask("c", alpha, subA);
    doc.BuildProjectTaskTree();
    CTask* designSummary = doc.FindSummaryTask(nullptr, alpha, subA);
    ASSERT_NE(designSummary, nullptr);
    EXPECT_EQ(again->GetParent(), designSummary);
}

TEST_F(LogDocTree, HiddenSummariesLeaveTheLoadedParents) {
    CLogDoc::s_bShowTaskSummaries = false;
    CTask* parent = AddTask("Parent", alpha);
    CTask* child = AddTask("Child", alpha, subB);
    child->SetParent(parent);
    doc.BuildProjectTaskTree();
    EXPECT_EQ(Outline(), (std::vector<std::string>{"Child", "Parent"}));
    EXPECT_EQ(child->GetParent(), parent);
}

TEST_F(LogDocTree, PruningFollowsActivityVisibilityAndTheShowSwitches) {
    struct Case {
        const char* what;
        bool showInactiveProjects, showInactiveSubsystems;
        BYTE projectActive, projectVisible;
        int subsystemActive;
        bool kept;
    };
    const Case cases[] = {
        {"active and visible", false, false, 1, 1, 1, true},
        {"inactive project", false, false, 0, 1, 1, false},
        {"inactive project shown", true, false, 0, 1, 1, true},
        {"project hidden from the user", true, true, 1, 0, 1, false},
        {"inactive project shown but hidden from the user", true, false, 0, 0, 1, false},
        {"inactive subsystem", false, false, 1, 1, 0, false},
        {"inactive subsystem shown", false, true, 1, 1, 0, true},
    };
    CLogDoc::s_bShowTaskSummaries = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CLogDoc::s_bShowInactiveProjects = c.showInactiveProjects;
        CLogDoc::s_bShowInactiveSubsystems = c.showInactiveSubsystems;
        alpha->m_Active = c.projectActive;
        alpha->m_Visible = c.projectVisible;
        subA->m_Active = c.subsystemActive;
        CTask* task = AddTask("T", alpha, subA);
        const CString guid = task->GetGUID();
        AddTask("Beta task", beta);
        doc.PruneProjectTasks();
        EXPECT_EQ(doc.FindProjectTaskByGUID(guid) != nullptr, c.kept);
        EXPECT_EQ(doc.GetProjectTaskIndex(task) >= 0 || !c.kept, true);
        EXPECT_EQ(Outline().back(), "Beta task");
        doc.ClearProjectTasks();
    }
}

TEST_F(LogDocTree, SortIsStableAndFollowsTheViewsColumnAndDirection) {
    CLogDoc::s_bShowTaskSummaries = false;
    CTask* first = AddTask("same", alpha);
    AddTask("Zed", alpha);
    CTask* second = AddTask("SAME", alpha);
    AddTask("apple", alpha);
    doc.SortProjectTasks();
    EXPECT_EQ(Outline(), (std::vector<std::string>{"apple", "same", "SAME", "Zed"}));
    EXPECT_EQ(Row(1), first);
    EXPECT_EQ(Row(2), second);

    view.ascending = false;
    doc.SortProjectTasks();
    EXPECT_EQ(Outline(), (std::vector<std::string>{"Zed", "same", "SAME", "apple"}));

    view.column = CTask::kColumnStartDate;
    view.ascending = true;
    Row(0)->m_StartDate = CTime(2020, 3, 1, 0, 0, 0);
    Row(3)->m_StartDate = CTime(2020, 1, 1, 0, 0, 0);
    doc.SortProjectTasks();
    EXPECT_EQ(Outline(), (std::vector<std::string>{"same", "SAME", "apple", "Zed"}));
}

TEST_F(LogDocTree, WithoutTaskViewTheOrderStays) {
    SetTaskView(nullptr);
    CLogDoc::s_bShowTaskSummaries = false;
    AddTask("b", alpha);
    AddTask("a", alpha);
    doc.BuildProjectTaskTree();
    EXPECT_EQ(Outline(), (std::vector<std::string>{"b", "a"}));
    SetTaskView(&view);
}

TEST_F(LogDocTree, SummariesAddUpTheirChildrenDepthFirst) {
    CTask* done = AddTask("Done", alpha, subB);
    done->m_Duration = CTimeSpan(3600);
    done->m_ActualWork = CTimeSpan(3600);
    done->m_RemainingDuration = CTimeSpan(600); // a completed task has nothing left
    done->m_Completed = 1;
    done->m_CostSalary = 10.0;
    done->m_StartDate = CTime(2020, 2, 1, 8, 0, 0);
    done->m_CompletedDate = CTime(2020, 2, 3, 8, 0, 0);
    CTask* open = AddTask("Open", alpha, subA);
    open->m_Duration = CTimeSpan(7200);
    open->m_ActualWork = CTimeSpan(1800);
    open->m_RemainingDuration = CTimeSpan(5400);
    open->m_CostSalary = 5.5;
    open->m_StartDate = CTime(2020, 1, 15, 8, 0, 0);
    open->m_DueDate = CTime(2020, 3, 1, 0, 0, 0);
    doc.BuildProjectTaskTree();
    CTask* project = doc.FindSummaryTask(nullptr, alpha, nullptr);
    CTask* design = doc.FindSummaryTask(nullptr, alpha, subA);
    CTask* screens = doc.FindSummaryTask(nullptr, alpha, subB);
    ASSERT_TRUE(project && design && screens);
    project->m_Resources = "stale";
    doc.RollUpSummary(nullptr);

    EXPECT_EQ(screens->m_Duration.GetTotalSeconds(), 3600);
    EXPECT_EQ(screens->m_RemainingDuration.GetTotalSeconds(), 0);
    EXPECT_TRUE(screens->m_Completed);
    EXPECT_EQ(design->m_Duration.GetTotalSeconds(), 10800);
    EXPECT_EQ(design->m_ActualWork.GetTotalSeconds(), 5400);
    EXPECT_EQ(design->m_RemainingDuration.GetTotalSeconds(), 5400);
    EXPECT_FALSE(design->m_Completed);
    EXPECT_EQ(design->m_PercentComplete, 50);
    EXPECT_DOUBLE_EQ(project->m_CostSalary, 15.5);
    EXPECT_EQ(project->m_StartDate, CTime(2020, 1, 15, 8, 0, 0));
    EXPECT_EQ(project->m_DueDate, CTime(2020, 3, 1, 0, 0, 0));
    EXPECT_EQ(project->m_CompletedDate, CTime(2020, 2, 3, 8, 0, 0));
    EXPECT_TRUE(project->m_Resources.IsEmpty());

    // A second roll-up from a task starts again from zero rather than adding twice.
    doc.RollUpFromRoot(done);
    EXPECT_EQ(project->m_Duration.GetTotalSeconds(), 10800);
}

TEST_F(LogDocTree, CollapsedSummariesHideEverythingBelowAndReopenOneLevel) {
    CTask* plain = AddTask("Plain", alpha);
    CTask* mid = AddTask("Mid", alpha, subA);
    CTask* deep = AddTask("Deep", alpha, subB);
    doc.BuildProjectTaskTree();
    CTask* design = doc.FindSummaryTask(nullptr, alpha, subA);
    CTask* screens = doc.FindSummaryTask(nullptr, alpha, subB);

    RegWriteBool(REG_ROOT "Task View\\Collapsed\\", subA->GetGUID(), true);
    RegWriteBool(REG_ROOT "Task View\\Collapsed\\", subB->GetGUID(), true);
    doc.ApplyCollapsedState();
    EXPECT_TRUE(design->m_Collapsed);
    EXPECT_FALSE(plain->m_Hidden);
    EXPECT_TRUE(mid->m_Hidden);
    EXPECT_TRUE(screens->m_Hidden);
    EXPECT_TRUE(deep->m_Hidden);

    RegWriteBool(REG_ROOT "Task View\\Collapsed\\", subA->GetGUID(), false);
    doc.ApplyCollapsedState();
    EXPECT_FALSE(mid->m_Hidden);
    EXPECT_FALSE(screens->m_Hidden);
    EXPECT_TRUE(deep->m_Hidden); // its own summary is still collapsed

    RegWriteBool(REG_ROOT "Task View\\Collapsed\\", alpha->GetGUID(), true);
    doc.ApplyCollapsedState();
    EXPECT_TRUE(plain->m_Hidden);
    EXPECT_TRUE(mid->m_Hidden);
}

TEST_F(LogDocTree, ANewTaskGetsItsMissingSummariesAtTheEnd) {
    AddTask("Plain", alpha);
    doc.BuildProjectTaskTree();
    CTask* project = doc.FindSummaryTask(nullptr, alpha, nullptr);
    CTask* added = AddTask("New", alpha, subB);
    doc.AttachToSummaries(added);
    CTask* screens = doc.FindSummaryTask(nullptr, alpha, subB);
    CTask* design = doc.FindSummaryTask(nullptr, alpha, subA);
    ASSERT_TRUE(screens && design);
    EXPECT_EQ(added->GetParent(), screens);
    EXPECT_EQ(screens->GetParent(), design);
    EXPECT_EQ(design->GetParent(), project);
    EXPECT_EQ(Outline().back(), "[Design]");

    CTask* another = AddTask("Another", alpha, subB);
    const INT_PTR before = doc.m_ProjectTasks.GetSize();
    doc.AttachToSummaries(another);
    EXPECT_EQ(another->GetParent(), screens);
    EXPECT_EQ(doc.m_ProjectTasks.GetSize(), before);
}

TEST_F(LogDocTree, DeletingASummarysTasksFreesTheEntriesThatPointedAtThem) {
    CTask* mid = AddTask("Mid", alpha, subA);
    CTask* deep = AddTask("Deep", alpha, subB);
    CTask* other = AddTask("Other", beta);
    doc.BuildProjectTaskTree();
    auto* entry = new CLogEntry;
    entry->m_ProjectTaskID = deep->GetGUID();
    doc.AddLogEntry(entry);
    auto* differentCase = new CLogEntry;
    CString lower = mid->GetGUID();
    lower.MakeLower();
    differentCase->m_ProjectTaskID = lower;
    doc.AddLogEntry(differentCase);

    CStringArray guids;
    guids.Add(deep->GetGUID()); // already there in other case: not collected twice
    guids.GetAt(0).MakeLower();
    doc.CollectSubtaskGUIDs(doc.FindSummaryTask(nullptr, alpha, subA), guids);
    ASSERT_EQ(guids.GetSize(), 2);
    EXPECT_EQ(guids.GetAt(1), mid->GetGUID());

    CStringArray doomed;
    doomed.Add(deep->GetGUID());
    doomed.Add(mid->GetGUID());
    doomed.Add("no such task");
    const CString otherGuid = other->GetGUID();
    doc.DeleteProjectTasks(doomed);
    EXPECT_TRUE(entry->m_ProjectTaskID.IsEmpty());
    EXPECT_EQ(differentCase->m_ProjectTaskID, lower); // compared exactly
    EXPECT_EQ(Outline(), (std::vector<std::string>{"[Alpha]", "[Design]", "[Screens]", "[Beta]", "Other"}));
    EXPECT_EQ(doc.FindProjectTaskByGUID(otherGuid), other);
}

} // namespace
