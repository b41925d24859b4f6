// Pause and Interrupt: resuming after a pause ends the paused row at the pause start and times again from
// now; an interruption stops the interrupted task now, times the interruption from the picker's time and
// then resumes the original task. Refused choices leave the timed task running.
#include "EntryDialogTestSupport.h"
#include "TimingTestSupport.h"

#include "resource.h"
#include "timelog/CInterruptDlg.h"
#include "timelog/CPauseDlg.h"

#include <gmock/gmock.h>

using namespace entrytest;
using ::testing::HasSubstr;

namespace {

class TimedDialogTest : public EntryDialogTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW,
                                   CRect(0, 0, 300, 200), nullptr, 0));
        frame.doc = &doc;
        frame.logView = &view;
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        design = new CCategory();
        design->m_Name = "Design";
        doc.AddCategory(design);
    }
    void TearDown() override { owner.DestroyWindow(); }
    CProject* AddProject(const char* name) {
        auto* p = new CProject(name, 0.0);
        doc.AddProject(p);
        return p;
    }
    CTask* AddQuickTask(const char* name) {
        auto* t = new CTask();
        t->m_pDoc = &doc;
        t->m_Name = name;
        t->SetProject(beta);
        doc.m_QuickTasks.Add(t);
        return t;
    }
    // Times "original work" in Alpha since ten minutes ago.
    CLogEntry* StartOriginal() {
        CLogEntry entry;
        entry.m_pProject = alpha;
        entry.m_pCategory = design;
        entry.m_Desc = "original work";
        entry.SetStartTime(CTime::GetCurrentTime() - CTimeSpan(600));
        doc.StartTiming(&entry);
        return doc.GetRunningEntry();
    }

    CLogDoc doc;
    timingtest::RecordingLogView view;
    modeltest::RecordingFrame frame;
    timingtest::ScriptedDialogs dialogs;
    CWnd owner;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CCategory* design = nullptr;
};

// ---------------------------------------------------------------- Pause

class PauseTest : public TimedDialogTest {
protected:
    HWND Open() {
        EXPECT_TRUE(dlg.Create(IDD_PAUSE, &owner));
        return dlg.m_hWnd;
    }
    void TearDown() override {
        if (dlg.GetSafeHwnd() != nullptr)
            dlg.DestroyWindow();
        TimedDialogTest::TearDown();
    }
    CPauseDlg dlg{&doc};
};

TEST_F(PauseTest, ShowsThePausedTaskAndResumesItInANewRowFromNow) {
    StartOriginal();
    const CString pausedGUID = doc.GetRunningEntry()->m_GUID;
    HWND hDlg = Open();
    EXPECT_EQ(ItemText(hDlg, IDC_PAUSE_PROJECT), "Alpha");
    EXPECT_EQ(ItemText(hDlg, IDC_PAUSE_CATEGORY), "Design");
    EXPECT_EQ(ItemText(hDlg, IDC_PAUSE_DESCRIPTION), "original work");
    EXPECT_EQ(ItemText(hDlg, IDC_PAUSE_ELAPSED), "Less than a minute");
    EXPECT_TRUE(IsChecked(hDlg, IDC_PAUSE_RESUME_ORIGINAL));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_PAUSE_QUICK_TASK));
    Click(hDlg, IDC_PAUSE_RESUME_QUICK);
    EXPECT_TRUE(IsEnabled(hDlg, IDC_PAUSE_QUICK_TASK));
    EXPECT_TRUE(IsEnabled(hDlg, IDC_PAUSE_QUICK_TASKS));
    Click(hDlg, IDC_PAUSE_RESUME_ORIGINAL);

    const CTime pauseStart = dlg.GetPauseStart();
    Command(hDlg, IDOK);
    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    CLogEntry* paused = doc.GetLogEntryAt(0);
    CLogEntry* resumed = doc.GetLogEntryAt(1);
    EXPECT_EQ(paused->m_GUID, pausedGUID);
    EXPECT_EQ(paused->m_EndTime, pauseStart);
    EXPECT_TRUE(resumed->IsRunning());
    EXPECT_NE(resumed->m_GUID, pausedGUID);
    EXPECT_GE(resumed->m_StartTime, pauseStart);
    EXPECT_EQ(resumed->m_Desc, "original work");
    EXPECT_EQ(resumed->m_pProject, alpha);
    EXPECT_TRUE(doc.IsTiming());
}

TEST_F(PauseTest, ShowsPlaceholdersForATaskWithoutProjectCategoryOrDescription) {
    CLogEntry bare;
    bare.SetStartTime(CTime::GetCurrentTime() - CTimeSpan(60));
    doc.StartTiming(&bare);
    HWND hDlg = Open();
    EXPECT_EQ(ItemText(hDlg, IDC_PAUSE_PROJECT), "Project not specified");
    EXPECT_EQ(ItemText(hDlg, IDC_PAUSE_CATEGORY), "Category not specified");
    EXPECT_EQ(ItemText(hDlg, IDC_PAUSE_DESCRIPTION), "No task description");
}

TEST_F(PauseTest, ResumesWithTheChosenQuickTaskAndRefusesWhenNoneIsChosen) {
    for (const bool haveQuickTask : {false, true}) {
        SCOPED_TRACE(haveQuickTask);
        if (haveQuickTask)
            AddQuickTask("Support call");
        StartOriginal();
        const int before = doc.GetLogEntryCount();
        HWND hDlg = Open();
        Click(hDlg, IDC_PAUSE_RESUME_QUICK);
        m_app.prompts.clear();
        Command(hDlg, IDOK);
        if (haveQuickTask) {
            EXPECT_TRUE(m_app.prompts.empty());
            ASSERT_EQ(doc.GetLogEntryCount(), before + 1);
            CLogEntry* running = doc.GetRunningEntry();
            ASSERT_NE(running, nullptr);
            EXPECT_EQ(running->m_ProjectTaskID, doc.GetQuickTaskAt(0)->m_GUID);
            EXPECT_EQ(running->m_Name, "Support call");
            EXPECT_EQ(doc.GetLogEntryAt(before - 1)->m_EndTime, dlg.GetPauseStart());
            doc.StopTiming(CTime(static_cast<__time64_t>(0)));
        } else {
            ASSERT_EQ(m_app.prompts.size(), 1u);
            EXPECT_THAT(m_app.prompts[0], HasSubstr("You must first choose a Quick Task."));
            // Nothing was stopped: the paused task can still be resumed.
            EXPECT_EQ(doc.GetLogEntryCount(), before);
            ASSERT_NE(doc.GetRunningEntry(), nullptr);
            EXPECT_EQ(doc.GetRunningEntry()->m_Desc, "original work");
            EXPECT_TRUE(::IsWindowVisible(hDlg) || ::IsWindow(hDlg));
        }
        dlg.DestroyWindow();
    }
}

TEST_F(PauseTest, StopTaskOffersThePauseStartAndClosesOnlyWhenStopped) {
    StartOriginal();
    HWND hDlg = Open();
    Command(hDlg, IDC_PAUSE_STOP_TASK); // the stop dialog is cancelled
    ASSERT_EQ(dialogs.opened.size(), 1u);
    EXPECT_EQ(dialogs.opened[0], "logtask-stop");
    EXPECT_EQ(dialogs.times[0], dlg.GetPauseStart());
    EXPECT_TRUE(doc.IsTiming());

    dialogs.logTask[1] = [](CLogDoc& d, CTime time, CLogEntry* initial) {
        CLogEntry entry(*initial);
        entry.SetStopTime(time);
        d.StoreStoppedEntry(&entry);
        return IDOK;
    };
    Command(hDlg, IDC_PAUSE_STOP_TASK);
    EXPECT_FALSE(doc.IsTiming());
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(doc.GetLogEntryAt(0)->m_EndTime, dlg.GetPauseStart());
}

TEST(PauseLength, ShowsMinutesBelowAnHourAndHoursAbove) {
    EXPECT_EQ(CPauseDlg::FormatPauseLength(0), "Less than a minute");
    EXPECT_EQ(CPauseDlg::FormatPauseLength(59), "Less than a minute");
    EXPECT_THAT(CPauseDlg::FormatPauseLength(60).GetString(), HasSubstr("1"));
    EXPECT_EQ(CPauseDlg::FormatPauseLength(3599).Find("59"), 0);
    const CString hours = CPauseDlg::FormatPauseLength(2 * 3600 + 5 * 60);
    EXPECT_EQ(hours.Find("2"), 0) << hours.GetString();
    EXPECT_NE(hours.Find("5"), -1) << hours.GetString();
}

// ---------------------------------------------------------------- Interrupt

class InterruptTest : public TimedDialogTest {
protected:
    HWND Open() {
        EXPECT_TRUE(dlg.Create(IDD_INTERRUPT, &owner));
        return dlg.m_hWnd;
    }
    void TearDown() override {
        if (dlg.GetSafeHwnd() != nullptr)
            dlg.DestroyWindow();
        TimedDialogTest::TearDown();
    }
    CInterruptDlg dlg{&doc};
};

TEST_F(InterruptTest, OpensOnTheInterruptedTaskWithTheLastInterruptionsChoices) {
    RegWriteString(REG_INTERRUPT, "Project", "Beta");
    RegWriteString(REG_INTERRUPT, "Category", "Design");
    RegWriteString(REG_INTERRUPT, "Description", "phone call");
    StartOriginal();
    HWND hDlg = Open();
    EXPECT_EQ(ItemText(hDlg, IDC_INTERRUPT_OLD_PROJECT), "Alpha");
    EXPECT_EQ(ItemText(hDlg, IDC_INTERRUPT_OLD_DESCRIPTION), "original work");
    EXPECT_EQ(ComboSelection(hDlg, IDC_INTERRUPT_PROJECT), "Beta");
    EXPECT_EQ(ComboSelection(hDlg, IDC_INTERRUPT_CATEGORY), "Design");
    EXPECT_EQ(ItemText(hDlg, IDC_INTERRUPT_DESCRIPTION), "phone call");
    EXPECT_TRUE(IsChecked(hDlg, IDC_INTERRUPT_WITH_QUICK_TASK));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_INTERRUPT_PROJECT));
    EXPECT_TRUE(IsEnabled(hDlg, IDC_INTERRUPT_START));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_INTERRUPT_STOP));
    EXPECT_FALSE(IsEnabled(hDlg, IDOK));
    EXPECT_TRUE(IsShown(hDlg, IDC_INTERRUPT_NOTE_CHOOSE));
    EXPECT_FALSE(IsShown(hDlg, IDC_INTERRUPT_NOTE_RUNNING));
    Click(hDlg, IDC_INTERRUPT_WITH_TASK);
    EXPECT_TRUE(IsEnabled(hDlg, IDC_INTERRUPT_PROJECT));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_INTERRUPT_QUICK_TASK));
}

TEST_F(InterruptTest, TimesTheInterruptionFromThePickerAndResumesTheOriginalTask) {
    StartOriginal();
    HWND hDlg = Open();
    Click(hDlg, IDC_INTERRUPT_WITH_TASK);
    ASSERT_TRUE(ChooseComboItem(hDlg, IDC_INTERRUPT_PROJECT, "Beta"));
    ASSERT_TRUE(ChooseComboItem(hDlg, IDC_INTERRUPT_CATEGORY, "Design"));
    SetItemText(hDlg, IDC_INTERRUPT_DESCRIPTION, "phone call");
    const CTime pickerTime = PickerTime(hDlg, IDC_INTERRUPT_START_TIME) - CTimeSpan(120);
    SetPicker(hDlg, IDC_INTERRUPT_START_TIME, pickerTime);
    const CTime before = CTime::GetCurrentTime();
    Command(hDlg, IDC_INTERRUPT_START);

    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    EXPECT_GE(doc.GetLogEntryAt(0)->m_EndTime, before) << "the interrupted task stops now";
    CLogEntry* interruption = doc.GetRunningEntry();
    ASSERT_EQ(interruption, doc.GetLogEntryAt(1));
    EXPECT_EQ(interruption->m_StartTime, pickerTime);
    EXPECT_EQ(interruption->m_pProject, beta);
    EXPECT_EQ(interruption->m_Desc, "phone call");
    EXPECT_TRUE(dlg.IsInterrupting());
    EXPECT_TRUE(IsEnabled(hDlg, IDOK));
    EXPECT_TRUE(IsEnabled(hDlg, IDC_INTERRUPT_STOP));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_INTERRUPT_START));
    EXPECT_TRUE(IsShown(hDlg, IDC_INTERRUPT_NOTE_RUNNING));
    EXPECT_EQ(ItemText(hDlg, IDCANCEL), "Close");
    CString stored;
    RegReadString(REG_INTERRUPT, "Project", stored);
    EXPECT_EQ(stored, "Beta");
    RegReadString(REG_INTERRUPT, "Description", stored);
    EXPECT_EQ(stored, "phone call");

    Command(hDlg, IDOK);
    ASSERT_EQ(doc.GetLogEntryCount(), 3);
    EXPECT_FALSE(doc.GetLogEntryAt(1)->IsRunning());
    CLogEntry* resumed = doc.GetRunningEntry();
    ASSERT_EQ(resumed, doc.GetLogEntryAt(2));
    EXPECT_EQ(resumed->m_Desc, "original work");
    EXPECT_EQ(resumed->m_pProject, alpha);
    EXPECT_GE(resumed->m_StartTime, before);
}

TEST_F(InterruptTest, AChangeOfChoiceWhileInterruptingReachesTheStoredRow) {
    StartOriginal();
    HWND hDlg = Open();
    Click(hDlg, IDC_INTERRUPT_WITH_TASK);
    ChooseComboItem(hDlg, IDC_INTERRUPT_PROJECT, "Beta");
    ChooseComboItem(hDlg, IDC_INTERRUPT_CATEGORY, "Design");
    SetItemText(hDlg, IDC_INTERRUPT_DESCRIPTION, "first guess");
    Command(hDlg, IDC_INTERRUPT_START);
    SetItemText(hDlg, IDC_INTERRUPT_DESCRIPTION, "what it really was");
    Command(hDlg, IDC_INTERRUPT_STOP);
    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    EXPECT_EQ(doc.GetLogEntryAt(1)->m_Desc, "what it really was");
    EXPECT_FALSE(doc.IsTiming());
    EXPECT_FALSE(dlg.IsInterrupting());
    EXPECT_TRUE(IsEnabled(hDlg, IDC_INTERRUPT_START));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_INTERRUPT_STOP));
}

TEST_F(InterruptTest, IncompleteChoicesAreReported) {
    struct Case {
        const char* name;
        bool quickTask;      // interrupt with a quick task (none exists)
        const char* project; // nullptr: "<Not Specified>"
        const char* category;
        const char* message;
        bool interruptionStarts;
    };
    const Case cases[] = {
        {"no project", false, nullptr, "Design", "You must choose a project for the interrupt task.", true},
        {"no category", false, "Beta", nullptr, "You must choose a category for the interrupt task.", true},
        {"no quick task", true, "Beta", "Design", "You must first choose a Quick Task.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartOriginal();
        const int before = doc.GetLogEntryCount();
        HWND hDlg = Open();
        if (!c.quickTask)
            Click(hDlg, IDC_INTERRUPT_WITH_TASK);
        ChooseComboItem(hDlg, IDC_INTERRUPT_PROJECT, c.project != nullptr ? c.project : "<Not Specified>");
        if (c.category != nullptr)
            ChooseComboItem(hDlg, IDC_INTERRUPT_CATEGORY, c.category);
        else
            ::SendMessageA(Item(hDlg, IDC_INTERRUPT_CATEGORY), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        m_app.prompts.clear();
        Command(hDlg, IDC_INTERRUPT_START);
        bool reported = false;
        for (const std::string& prompt : m_app.prompts)
            reported = reported || prompt.find(c.message) != std::string::npos;
        EXPECT_TRUE(reported);
        EXPECT_EQ(dlg.IsInterrupting(), c.interruptionStarts);
        if (!c.interruptionStarts) {
            EXPECT_EQ(doc.GetLogEntryCount(), before);
            ASSERT_NE(doc.GetRunningEntry(), nullptr);
            EXPECT_EQ(doc.GetRunningEntry()->m_Desc, "original work");
        } else {
            EXPECT_EQ(doc.GetLogEntryCount(), before + 1);
        }
        doc.StopTiming(CTime(static_cast<__time64_t>(0)));
        dlg.DestroyWindow();
    }
}

} // namespace
