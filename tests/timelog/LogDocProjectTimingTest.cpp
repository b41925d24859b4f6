// Project tasks timed directly: quick tasks start and stop the timer, the quick-task menu, time worked
// added to a task, and the rescheduling of a task's dates.
#include "ModelTestSupport.h"
#include "TaskSelectionSupport.h"
#include "TimingTestSupport.h"

#include "timelog/ITaskView.h"
#include "LogDocTestViews.h"
#include "resource.h"

#include <gmock/gmock.h>

using modeltest::FixedClock;

namespace {

class ProjectTimingTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        frame.doc = &doc;
        frame.logView = &view;
        project = new CProject("Alpha", 0.0);
        doc.AddProject(project);
        first = AddQuickTask("Support call");
        second = AddQuickTask("Review");
    }
    CTask* AddQuickTask(const char* name) {
        auto* t = new CTask();
        t->m_pDoc = &doc;
        t->m_Name = name;
        t->SetProject(project);
        doc.m_QuickTasks.Add(t);
        return t;
    }

    modeltest::RecordingApp app;
    CLogDoc doc;
    timingtest::RecordingLogView view;
    modeltest::RecordingFrame frame;
    CProject* project = nullptr;
    CTask* first = nullptr;
    CTask* second = nullptr;
};

TEST_F(ProjectTimingTest, AQuickTaskStartsWhereTheTimedOneEndedAndChoosingTheTimedOneStopsIt) {
    doc.StartQuickTask(first);
    ASSERT_TRUE(doc.IsTiming());
    EXPECT_EQ(doc.GetRunningEntry()->m_ProjectTaskID, first->m_GUID);
    EXPECT_EQ(doc.GetRunningEntry()->m_Name, "Support call");

    doc.StartQuickTask(second);
    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    EXPECT_EQ(doc.GetLogEntryAt(1)->m_StartTime, doc.GetLogEntryAt(0)->m_EndTime);
    EXPECT_EQ(doc.GetRunningEntry()->m_ProjectTaskID, second->m_GUID);

    doc.StartQuickTask(second);
    EXPECT_FALSE(doc.IsTiming());
    EXPECT_EQ(doc.GetLogEntryCount(), 2);

    // A summary is never timed; nor is anything started while timing through StartQuickTaskAt.
    CTask summary;
    summary.m_Summary = 1;
    doc.StartQuickTaskAt(&summary, CTime(static_cast<__time64_t>(0)));
    EXPECT_FALSE(doc.IsTiming());
}

TEST_F(ProjectTimingTest, QuickTaskMenuListsShownProjectsTasksAndChecksTheTimedOne) {
    auto* hidden = new CProject("Hidden", 0.0);
    hidden->m_Visible = false;
    doc.AddProject(hidden);
    CTask* third = AddQuickTask("Secret");
    third->SetProject(hidden);
    AddQuickTask("Planning");
    doc.StartQuickTask(second);

    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, 1, "Before");
    ::AppendMenuA(menu, MF_STRING, CLogDoc::kQuickTaskPlaceholder, "(none)");
    EXPECT_EQ(doc.FillQuickTaskMenu(menu), 3);
    std::vector<std::pair<UINT, bool>> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        items.emplace_back(::GetMenuItemID(menu, i),
                           (::GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) != 0);
    const std::vector<std::pair<UINT, bool>> expected{{1, false}, {100, false}, {101, true}, {103, false}};
    EXPECT_EQ(items, expected) << "the hidden project's task leaves id 102 unused; the placeholder goes";
    ::DestroyMenu(menu);

    doc.OnQuickTaskCommand(100); // the first quick task replaces the timed one
    EXPECT_EQ(doc.GetRunningEntry()->m_ProjectTaskID, first->m_GUID);
    doc.OnQuickTaskCommand(100 + 29); // out of range: nothing
    EXPECT_EQ(doc.GetRunningEntry()->m_ProjectTaskID, first->m_GUID);
}

TEST_F(ProjectTimingTest, TimeWorkedIsANewEntryOfTheTaskEndingNow) {
    const CTime now(2026, 3, 4, 15, 0, 0);
    FixedClock clock(now);
    doc.AddTimeWorked(first, 45);
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    CLogEntry* added = doc.GetLogEntryAt(0);
    EXPECT_EQ(added->m_EndTime, now);
    EXPECT_EQ(added->m_StartTime, now - CTimeSpan(45 * 60));
    EXPECT_EQ(added->m_Duration.GetTotalSeconds(), 45 * 60);
    EXPECT_EQ(added->m_ProjectTaskID, first->m_GUID);
    EXPECT_FALSE(doc.IsTiming());
    ASSERT_FALSE(frame.siblingNotices.empty());
    EXPECT_EQ(frame.siblingNotices.back(), first->m_GUID.GetString());
}

TEST(MoveTaskDate, StepsByWeeksAndByMonthsKeepingTheTimeOfDay) {
    struct Case {
        CTime from;
        int weeks;
        int months;
        CTime expected;
    };
    const Case cases[] = {
        {CTime(2026, 1, 15, 10, 30, 0), 0, 1, CTime(2026, 2, 15, 10, 30, 0)},
        {CTime(2026, 1, 31, 9, 0, 0), 0, 1, CTime(2026, 3, 31, 9, 0, 0)}, // February has no 31st
        {CTime(2026, 1, 31, 9, 0, 0), 0, 2, CTime(2026, 3, 31, 9, 0, 0)},
        {CTime(2026, 8, 31, 9, 0, 0), 0, 6, CTime(2027, 3, 31, 9, 0, 0)},
        {CTime(2026, 12, 20, 17, 0, 0), 2, 0, CTime(2027, 1, 3, 17, 0, 0)},
        {CTime(2026, 3, 1, 0, 0, 0), 3, 0, CTime(2026, 3, 22, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.Format("%Y-%m-%d %H:%M").GetString());
        EXPECT_EQ(CLogDoc::MoveTaskDate(c.from, c.weeks, c.months), c.expected)
            << CLogDoc::MoveTaskDate(c.from, c.weeks, c.months).Format("%Y-%m-%d %H:%M").GetString();
    }
    // No date yet: counted from now, ending at 08:00.
    FixedClock clock(CTime(2026, 5, 6, 14, 25, 0));
    EXPECT_EQ(CLogDoc::MoveTaskDate(CTime(static_cast<__time64_t>(0)), 1, 0), CTime(2026, 5, 13, 8, 0, 0));
}

TEST_F(ProjectTimingTest, RescheduleMovesStartAndDueOfTheSelectedTaskOnly) {
    modeltest::SelectedTaskView taskView;
    first->m_StartDate = CTime(2026, 1, 15, 9, 0, 0);
    FixedClock clock(CTime(2026, 5, 6, 14, 25, 0));
    taskView.selected = first;
    doc.OnRescheduleTask(ID_RESCHEDULE_FIRST + 3); // 1 month
    EXPECT_EQ(first->m_StartDate, CTime(2026, 2, 15, 9, 0, 0));
    EXPECT_EQ(first->m_DueDate, CTime(2026, 6, 6, 8, 0, 0));
    ASSERT_FALSE(frame.siblingNotices.empty());

    CTask summary;
    summary.m_Summary = 1;
    taskView.selected = &summary;
    doc.OnRescheduleTask(ID_RESCHEDULE_FIRST);
    EXPECT_EQ(summary.m_StartDate.GetTime(), 0);
}

} // namespace
