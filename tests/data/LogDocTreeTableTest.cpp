// The project-task outline built from the table, the deletion of a project task from the table and from
// the entries made from it, and the organization units of one object read and removed.
#include "ProjectTaskTestSupport.h"

#include "data/CTaskSet.h"
#include "timelog/ITaskView.h"

using namespace datatest;

namespace {

class LogDocTreeTable : public ProjectTaskTest {
protected:
    void SetUp() override {
        ProjectTaskTest::SetUp();
        if (IsSkipped())
            return;
        Set().ClearFilters();
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
        CLogDoc::s_bShowTaskSummaries = true;
    }
};

TEST_P(LogDocTreeTable, LoadedTasksGetSummariesThatAreNeverStored) {
    CSubsystem* design = AddSubsystem("Design", alpha);
    const CString plainGuid = Write("plain", alpha).GetGUID();
    const CString deepGuid = Write("deep", alpha, [&](CTask& t) { t.SetSubsystem(design); }).GetGUID();
    m_tasks.clear();
    m_doc->LoadProjectTasks();
    ASSERT_EQ(m_doc->m_ProjectTasks.GetSize(), 4);
    CTask* project = m_doc->FindSummaryTask(nullptr, alpha, nullptr);
    CTask* summary = m_doc->FindSummaryTask(nullptr, alpha, design);
    ASSERT_TRUE(project && summary);
    EXPECT_EQ(m_doc->FindProjectTaskByGUID(plainGuid)->GetParent(), project);
    EXPECT_EQ(m_doc->FindProjectTaskByGUID(deepGuid)->GetParent(), summary);
    EXPECT_TRUE(m_doc->SaveProjectTask(summary));
    EXPECT_EQ(Count("ProjectTasks"), 2);
    EXPECT_EQ(Count("ProjectTasks", "[GUID] = '" + summary->GetGUID() + "'"), 0);
}

TEST_P(LogDocTreeTable, ADeletedTaskLeavesTheTableAndItsEntries) {
    const CString guid = Write("doomed", alpha).GetGUID();
    const CString keptGuid = Write("kept", alpha).GetGUID();
    m_tasks.clear();
    m_doc->LoadProjectTasks();
    auto* entry = new CLogEntry;
    entry->SetStartTime(CTime(2021, 1, 4, 9, 0, 0));
    entry->SetStopTime(CTime(2021, 1, 4, 10, 0, 0));
    entry->m_pProject = alpha;
    entry->m_ProjectTaskID = guid;
    m_doc->AddLogEntry(entry);
    ASSERT_TRUE(m_doc->SaveLogEntry(entry));

    CStringArray doomed;
    doomed.Add(guid);
    m_doc->DeleteProjectTasks(doomed);
    EXPECT_EQ(Count("ProjectTasks", "[GUID] = '" + guid + "'"), 0);
    EXPECT_EQ(Count("ProjectTasks", "[GUID] = '" + keptGuid + "'"), 1);
    EXPECT_EQ(m_doc->FindProjectTaskByGUID(guid), nullptr);
    EXPECT_TRUE(entry->m_ProjectTaskID.IsEmpty());
    EXPECT_EQ(Count("Tasks", "[ProjectTaskID] = '" + guid + "'"), 0);
    EXPECT_EQ(Count("Tasks"), 1);
}

// A task view that shows no rows: the document only needs one to keep the logged totals.
class TotalsTaskView : public ITaskView {
public:
    TotalsTaskView() { SetTaskView(this); }
    ~TotalsTaskView() override { SetTaskView(nullptr); }
    TotalsTaskView(const TotalsTaskView&) = delete;
    TotalsTaskView& operator=(const TotalsTaskView&) = delete;
    UINT GetPrimarySortColumn() override { return 0; }
    bool IsSortAscending() override { return true; }
    CTask* GetSelectedTask() override { return nullptr; }
    CTask* GetTaskAtRow(DWORD) override { return nullptr; }
    void ClearSelection() override {}
};

TEST_P(LogDocTreeTable, DeletedEntriesLeaveTheirTasksLoggedTotals) {
    const CString guid = Write("logged", alpha).GetGUID();
    m_tasks.clear();
    m_doc->LoadProjectTasks();
    CTask* task = m_doc->FindProjectTaskByGUID(guid);
    ASSERT_NE(task, nullptr);
    TotalsTaskView view;
    for (int hours : {1, 2, 4}) {
        auto* entry = new CLogEntry;
        entry->SetStartTime(CTime(2021, 1, 4, 8, 0, 0));
        entry->SetStopTime(CTime(2021, 1, 4, 8 + hours, 0, 0));
        entry->m_pProject = alpha;
        entry->m_ProjectTaskID = guid;
        m_doc->AddLogEntry(entry);
        ASSERT_TRUE(m_doc->SaveLogEntry(entry));
    }
    ASSERT_TRUE(m_doc->UpdateTaskTotals(task, true, false));
    ASSERT_EQ(task->m_ActualWork.GetTotalSeconds(), 7 * 3600);

    // Without a log grid row n shows entry n: rows 1 and 3 are the one- and four-hour entries.
    CDWordArray starts;
    CDWordArray ends;
    starts.Add(1);
    ends.Add(1);
    starts.Add(3);
    ends.Add(3);
    m_doc->DeleteSelectedLogEntries(starts, ends);
    ASSERT_EQ(m_doc->GetLogEntryCount(), 1);
    EXPECT_EQ(task->m_ActualWork.GetTotalSeconds(), 2 * 3600) << "the removed entries no longer count";
    EXPECT_EQ(Count("Tasks"), 1);
}

TEST_P(LogDocTreeTable, AnEntryThatCannotBeWrittenStaysPending) {
    auto* entry = new CLogEntry;
    entry->SetStartTime(CTime(2021, 1, 4, 9, 0, 0));
    entry->SetStopTime(CTime(2021, 1, 4, 10, 0, 0));
    m_doc->AddLogEntry(entry);
    m_doc->m_bDatabaseUsable = false;
    EXPECT_FALSE(m_doc->SaveLogEntry(entry));
    EXPECT_EQ(entry->m_Pending, 1);
    EXPECT_FALSE(entry->m_GUID.IsEmpty());
    EXPECT_EQ(Count("Tasks"), 0);
}

TEST_P(LogDocTreeTable, ObjectPermissionsAreReadInRowOrderAndRemoved) {
    CStringArray units;
    units.Add(sales->m_GUID);
    units.Add(ann->m_GUID);
    ASSERT_TRUE(m_doc->SaveObjectPermissions(alpha->GetGUID(), units));
    CStringArray read;
    ASSERT_TRUE(m_doc->LoadObjectPermissions(alpha->GetGUID(), read));
    ASSERT_EQ(read.GetSize(), 2);
    EXPECT_EQ(read.GetAt(0), sales->m_GUID);
    EXPECT_EQ(read.GetAt(1), ann->m_GUID);
    EXPECT_FALSE(m_doc->DeleteObjectPermissions(""));
    EXPECT_EQ(Count("OrgObjects"), 2);
    EXPECT_TRUE(m_doc->DeleteObjectPermissions(alpha->GetGUID()));
    EXPECT_EQ(Count("OrgObjects"), 0);
    read.RemoveAll();
    EXPECT_TRUE(m_doc->LoadObjectPermissions(alpha->GetGUID(), read));
    EXPECT_EQ(read.GetSize(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, LogDocTreeTable, DATA_ENGINES);

} // namespace
