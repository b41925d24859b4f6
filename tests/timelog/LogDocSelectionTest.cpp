// Timing from the active view's selection: a selected project task or exactly one selected log row starts
// timing (after stopping what runs); the timer commands' menu texts name the selected task.
#include "LogDocTestViews.h"
#include "ModelTestSupport.h"
#include "TaskSelectionSupport.h"

#include "framework/win/CCmdUI.h"
#include "framework/win/CMenu.h"
#include "resource.h"
#include "timelog/ITaskView.h"

#include <string>

namespace {

class SelectionTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        frame.doc = &doc;
        frame.logView = &view;
        project = new CProject("Alpha", 0.0);
        doc.AddProject(project);
        task = new CTask();
        task->m_pDoc = &doc;
        task->m_Name = "Write the report";
        task->SetProject(project);
        doc.AddProjectTask(task);
        taskView.foundRow = 7;
    }
    static void ActiveView(int value) { RegWriteInt(REG_PREFS, "Active View", value); }
    CLogEntry* AddFinished(const char* desc) {
        auto* e = new CLogEntry();
        e->m_pProject = project;
        e->m_Desc = desc;
        e->SetStartTime(CTime(2026, 3, 2, 9, 0, 0));
        e->SetStopTime(CTime(2026, 3, 2, 10, 0, 0));
        doc.AddLogEntry(e);
        view.rows.push_back(e);
        return e;
    }
    void SelectRows(DWORD first, DWORD last) {
        view.selStarts.RemoveAll();
        view.selEnds.RemoveAll();
        view.selStarts.Add(first);
        view.selEnds.Add(last);
    }
    int Enabled(void (CLogDoc::*handler)(CCmdUI*)) {
        modeltest::MenuCmdUI ui(0, true);
        (doc.*handler)(&ui);
        return ui.enabled;
    }

    modeltest::RecordingApp app;
    CLogDoc doc;
    modeltest::RecordingLogView view;
    modeltest::RecordingFrame frame;
    modeltest::SelectedTaskView taskView;
    CProject* project = nullptr;
    CTask* task = nullptr;
};

TEST_F(SelectionTest, ASelectedProjectTaskIsTimedWhereTheStoppedOneEnded) {
    ActiveView(4);
    taskView.selected = task;
    doc.StartTimerFromSelection();
    ASSERT_TRUE(doc.IsTiming());
    EXPECT_EQ(doc.GetRunningEntry()->m_ProjectTaskID, task->m_GUID);

    CTask other;
    other.m_pDoc = &doc;
    other.m_Name = "Other";
    other.SetProject(project);
    taskView.selected = &other;
    doc.StartTimerFromSelection();
    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    EXPECT_FALSE(doc.GetLogEntryAt(0)->IsRunning());
    EXPECT_EQ(doc.GetLogEntryAt(1)->m_StartTime, doc.GetLogEntryAt(0)->m_EndTime);
    EXPECT_EQ(doc.GetRunningEntry()->m_ProjectTaskID, other.m_GUID);
    doc.StopNow();

    other.m_Summary = 1;
    doc.StartTimerFromSelection();
    EXPECT_FALSE(doc.IsTiming()) << "a summary is never timed";
    taskView.selected = nullptr;
    doc.StartTimerFromSelection();
    EXPECT_FALSE(doc.IsTiming()) << "nothing selected";
    EXPECT_EQ(doc.GetLogEntryCount(), 2);
}

TEST_F(SelectionTest, ExactlyOneSelectedLogRowStartsACopyOfItsEntryNow) {
    const CTime now(2026, 3, 2, 11, 0, 0);
    modeltest::FixedClock clock(now);
    ActiveView(3);
    CLogEntry* first = AddFinished("first");
    AddFinished("second");
    SelectRows(1, 2);
    doc.StartTimerFromSelection();
    EXPECT_FALSE(doc.IsTiming()) << "two rows selected";
    SelectRows(5, 5);
    doc.StartTimerFromSelection();
    EXPECT_FALSE(doc.IsTiming()) << "a row without entry";

    SelectRows(1, 1);
    doc.StartTimerFromSelection();
    ASSERT_TRUE(doc.IsTiming());
    CLogEntry* running = doc.GetRunningEntry();
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->m_Desc, "first");
    EXPECT_EQ(running->m_pProject, project);
    EXPECT_EQ(running->m_StartTime, now);
    EXPECT_NE(running->m_GUID, first->m_GUID);
    EXPECT_EQ(first->m_EndTime, CTime(2026, 3, 2, 10, 0, 0)) << "the selected entry itself is untouched";

    // While timing, the running task is stopped now and the copy of the second row starts now.
    SelectRows(2, 2);
    doc.StartTimerFromSelection();
    ASSERT_EQ(doc.GetLogEntryCount(), 4);
    EXPECT_EQ(running->m_EndTime, now);
    EXPECT_EQ(doc.GetRunningEntry()->m_Desc, "second");

    ActiveView(2);
    doc.StartTimerFromSelection();
    EXPECT_EQ(doc.GetLogEntryCount(), 4) << "the timesheet starts nothing";
}

TEST_F(SelectionTest, MenuTextsNameTheSelectedTaskCutAfterTwentyCharacters) {
    struct Case {
        const char* name; // nullptr: no task selected
        bool summary;
        const char* shown;
    };
    const Case cases[] = {
        {"Exactly twenty chars", false, "Exactly twenty chars"},
        {"Twenty-one characters", false, "Twenty-one character..."},
        {"Short", true, "No Project Task"},
        {nullptr, false, "No Project Task"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        taskView.selected = c.name != nullptr ? task : nullptr;
        task->m_Name = c.name != nullptr ? c.name : "";
        task->m_Summary = c.summary ? 1 : 0;
        modeltest::MenuCmdUI start(0, true);
        doc.OnUpdateStartTimer(&start);
        EXPECT_EQ(start.text, std::string("&Start Timer... (") + c.shown + ")");
        modeltest::MenuCmdUI completed(0, true);
        doc.OnUpdateEnterCompletedTime(&completed);
        EXPECT_EQ(completed.text, std::string("&Enter Completed Time... (") + c.shown + ")");
    }
    modeltest::MenuCmdUI button(0, false);
    doc.OnUpdateStartTimer(&button);
    EXPECT_TRUE(button.text.empty()) << "only menu items get the text";
    EXPECT_EQ(button.enabled, 1);
}

TEST_F(SelectionTest, StartAndCompletedTimeWaitForTheCacheAndStartForTheTimer) {
    struct Case {
        bool timing;
        bool holdBack;
        int start;
        int completed;
    };
    const Case cases[] = {{false, false, 1, 1}, {true, false, 0, 1}, {false, true, 0, 0}, {true, true, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "timing " << c.timing << " hold-back " << c.holdBack);
        doc.SetTimingFlag(c.timing);
        doc.m_bCacheHoldBack = c.holdBack;
        EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartTimer), c.start);
        EXPECT_EQ(Enabled(&CLogDoc::OnUpdateEnterCompletedTime), c.completed);
    }
    doc.SetTimingFlag(false);
}

TEST_F(SelectionTest, StartLikeSelectedFollowsTheActiveViewAndItsSelection) {
    AddFinished("first");
    AddFinished("second");
    for (const int disabled : {2, 5, 6}) {
        ActiveView(disabled);
        EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), 0) << disabled;
    }
    ActiveView(3);
    SelectRows(1, 2);
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), 0) << "two rows";
    SelectRows(3, 3);
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), 0) << "beyond the rows";
    SelectRows(2, 2);
    modeltest::MenuCmdUI one(0, true);
    doc.OnUpdateStartLikeSelected(&one);
    EXPECT_EQ(one.enabled, 1);
    EXPECT_EQ(one.text, "Start a new task like this one");

    ActiveView(4);
    taskView.selected = task;
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), 1);
    doc.StartTimerFromSelection();
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), 0) << "the task being timed";
    taskView.selected = nullptr;
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), 0) << "no task";

    ActiveView(3);
    modeltest::MenuCmdUI switching(0, true);
    doc.OnUpdateStartLikeSelected(&switching);
    EXPECT_EQ(switching.text, "Switch to a new task like this one");
    ActiveView(7);
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), -1) << "any other view leaves it";

    // Without the view of the active kind: the log view's item is disabled, the task view's left alone.
    frame.logView = nullptr;
    ActiveView(3);
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), 0);
    SetTaskView(nullptr);
    ActiveView(4);
    EXPECT_EQ(Enabled(&CLogDoc::OnUpdateStartLikeSelected), -1);
    frame.logView = &view;
    SetTaskView(&taskView);
}

TEST_F(SelectionTest, TheTaskRowIsFoundThroughTheTaskView) {
    taskView.selected = task;
    EXPECT_EQ(FindTaskRowInTaskView(task->m_GUID), 7u);
    EXPECT_EQ(FindTaskRowInTaskView("{unknown}"), 0u);
    EXPECT_EQ(FindTaskRowInTaskView(nullptr), 0u);
    SetTaskView(nullptr);
    EXPECT_EQ(FindTaskRowInTaskView(task->m_GUID), 0u);
    SetTaskView(&taskView);
}

} // namespace
