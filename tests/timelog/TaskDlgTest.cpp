// Log Task: the form of each mode, what a changed field brings along, the refusals of Save and Close, and
// what each mode does to the document. The dialog is driven as its property grid drives it: by the
// "ACX_ModifyField" messages a cell edit sends.
#include "EntryDialogTestSupport.h"
#include "TimingTestSupport.h"

#include "data/CSubsystem.h"
#include "foundation/LocaleFormat.h"
#include "grid/core/CGELibraryState.h"
#include "projecttasks/CTask.h"
#include "resource.h"
#include "shell/IOptionsSheet.h"
#include "timelog/CTaskDlg.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using namespace entrytest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Column = CLogEntry::Column;

namespace {

// A log view whose rows are the document's log entries in list order (row = index + 1).
class RowsLogView : public timingtest::RecordingLogView {
public:
    CLogEntry* GetEntryAtRow(DWORD row) override {
        return row >= 1 && static_cast<int>(row) <= doc->GetLogEntryCount()
                   ? doc->GetLogEntryAt(static_cast<int>(row) - 1)
                   : nullptr;
    }
    DWORD GetNextEntryRow(DWORD row, BOOL forward) override {
        const DWORD next = forward ? row + 1 : row - 1;
        return GetEntryAtRow(next) != nullptr ? next : 0;
    }
    DWORD FindEntryRow(const CLogEntry* pEntry) override {
        for (int i = 0; i < doc->GetLogEntryCount(); ++i)
            if (doc->GetLogEntryAt(i) == pEntry)
                return static_cast<DWORD>(i) + 1;
        return 0;
    }
    CLogDoc* doc = nullptr;
};

enum class Mode { start, stop, edit, completed };

class TaskDlgTest : public EntryDialogTest {
protected:
    void SetUp() override {
        static const bool started = [] {
            GEInitializeLibrary(1536, 0, 0);
            return true;
        }();
        (void)started;
        frame.doc = &doc;
        frame.logView = &view;
        view.doc = &doc;
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW,
                                   CRect(0, 0, 300, 200), nullptr, 0));
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        gamma = AddProject("Gamma");
        ui = AddSubsystem(alpha, "UI");
        AddSubsystem(alpha, "Core");
        server = AddSubsystem(beta, "Server");
        design = AddCategory("Design");
        testing = AddCategory("Testing");
    }
    void TearDown() override {
        if (dlg != nullptr && dlg->GetSafeHwnd() != nullptr)
            dlg->DestroyWindow();
        owner.DestroyWindow();
    }
    CProject* AddProject(const char* name) { return AddProjectTo(doc, name); }
    CSubsystem* AddSubsystem(CProject* project, const char* name) {
        auto* s = new CSubsystem(name);
        s->m_pProject = project;
        project->AddSubsystem(s);
        doc.AddSubsystem(s);
        return s;
    }
    CCategory* AddCategory(const char* name) { return AddCategoryTo(doc, name); }
    CLogEntry* AddEntry(CProject* project, CCategory* category, const char* desc, CTime start, CTime stop) {
        auto* e = new CLogEntry();
        e->m_pProject = project;
        e->m_pCategory = category;
        e->m_Desc = desc;
        e->SetStartTime(start);
        e->SetStopTime(stop);
        e->GetGUID();
        doc.AddLogEntry(e);
        return e;
    }
    // A task of Alpha/Design as the document times it.
    void StartTimingAlpha() {
        CLogEntry started;
        started.m_pProject = alpha;
        started.m_pCategory = design;
        started.m_Desc = "timed work";
        started.SetStartTime(kTime - CTimeSpan(3600));
        doc.StartTiming(&started);
        ASSERT_TRUE(doc.IsTiming());
    }
    HWND Open(Mode mode, const CLogEntry* source = nullptr, DWORD row = 0) {
        dlg = std::make_unique<CTaskDlg>(&doc);
        dlg->SetTime(kTime);
        dlg->m_bStartMode = mode == Mode::start;
        dlg->m_bStopMode = mode == Mode::stop;
        dlg->m_bEditMode = mode == Mode::edit;
        dlg->m_bCompletedMode = mode == Mode::completed;
        dlg->m_pSourceEntry = source;
        dlg->m_EditRow = row;
        EXPECT_TRUE(dlg->Create(IDD_LOG_TASK, &owner));
        dlg->ShowWindow(SW_SHOW);
        return dlg->m_hWnd;
    }
    // What a cell edit sends, and what it posts in turn.
    void Change(HWND hDlg, int field, const std::string& text) {
        CString value(text.c_str());
        ::SendMessageA(hDlg, CNameValueGridWnd::ModifyFieldMessage(), static_cast<WPARAM>(field),
                       reinterpret_cast<LPARAM>(&value));
        PumpPending();
    }
    bool HasField(int field) const { return dlg->GetPairs().FindFieldId(field) >= 0; }
    std::string Value(int field) const {
        CString name, value;
        dlg->GetPairs().GetNameValueAt(dlg->GetPairs().FindFieldId(field), name, value);
        return value.GetString();
    }
    std::string Label(int field) const {
        return dlg->GetPairs().GetNameAt(dlg->GetPairs().FindFieldId(field)).GetString();
    }
    std::vector<std::string> Choices(int field) const {
        std::vector<std::string> items;
        const CString list = dlg->GetPairs().GetChoiceListAt(dlg->GetPairs().FindFieldId(field));
        int start = 0;
        while (start <= list.GetLength() && !list.IsEmpty()) {
            int end = list.Find('\n', start);
            if (end < 0)
                end = list.GetLength();
            items.emplace_back(list.Mid(start, end - start).GetString());
            start = end + 1;
        }
        return items;
    }
    static std::string Text(const CLogEntry& entry, int column) {
        CString text;
        entry.GetColumnText(text, column);
        return text.GetString();
    }

    static inline const CTime kTime{2026, 3, 2, 17, 0, 0};
    modeltest::RecordingFrame frame;
    RowsLogView view;
    CLogDoc doc;
    std::unique_ptr<CTaskDlg> dlg;
    CWnd owner;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CProject* gamma = nullptr;
    CSubsystem* ui = nullptr;
    CSubsystem* server = nullptr;
    CCategory* design = nullptr;
    CCategory* testing = nullptr;
};

TEST_F(TaskDlgTest, TitleOperationAndButtonsFollowTheMode) {
    CLogEntry* edited = AddEntry(alpha, design, "old", kTime - CTimeSpan(7200), kTime - CTimeSpan(3600));
    const struct {
        Mode mode;
        const char* title;
        const char* operation;
        int picture;
        bool navigation;
    } cases[] = {
        {Mode::start, "Start Logging Task", "Start the timer, with the information above",
         IDC_TASK_PICTURE_START, false},
        {Mode::stop, "Stop Logging Task", "Stop the timer, and save the information above",
         IDC_TASK_PICTURE_STOP, false},
        {Mode::edit, "Edit Time Log Entry", "Save this record to the database", IDC_TASK_PICTURE_SAVE, true},
        {Mode::completed, "Enter Completed Time", "Save this record to the database", IDC_TASK_PICTURE_SAVE,
         false},
    };
    for (const auto& c : cases) {
        HWND hDlg = Open(c.mode, c.mode == Mode::edit ? edited : nullptr, 1);
        EXPECT_EQ(TextOf(hDlg), c.title);
        EXPECT_EQ(ItemText(hDlg, IDC_TASK_OPERATION), c.operation) << c.title;
        for (const int picture : {IDC_TASK_PICTURE_START, IDC_TASK_PICTURE_STOP, IDC_TASK_PICTURE_SAVE})
            EXPECT_EQ(IsShown(hDlg, picture), picture == c.picture) << c.title << " picture " << picture;
        EXPECT_EQ(IsShown(hDlg, IDC_TASK_PREVIOUS), c.navigation) << c.title;
        EXPECT_EQ(IsShown(hDlg, IDC_TASK_NEXT), c.navigation) << c.title;
        EXPECT_EQ(dlg->GetProjectTaskText(), "<Not associated with any project task>") << c.title;
        dlg->DestroyWindow();
    }
    // The edited entry is the only row: neither neighbour exists.
    HWND hDlg = Open(Mode::edit, edited, 1);
    EXPECT_FALSE(IsEnabled(hDlg, IDC_TASK_PREVIOUS));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_TASK_NEXT));
}

TEST_F(TaskDlgTest, StartModeLeavesOutTheRowsOfAnEndedTask) {
    Open(Mode::start);
    for (const int field : {Column::colStop, Column::colElapsed, Column::colRounded, Column::colBilled})
        EXPECT_FALSE(HasField(field)) << field;
    for (const int field :
         {Column::colClient, Column::colProject, Column::colSubsystem, Column::colCategory, Column::colStart,
          Column::colDescription, Column::colBillable, Column::colText1, Column::colText2, Column::colText3})
        EXPECT_TRUE(HasField(field)) << field;
    EXPECT_EQ(dlg->GetWorkingEntry()->m_StartTime, kTime);
    EXPECT_EQ(dlg->GetWorkingEntry()->m_EndTime.GetTime(), 0);
    dlg->DestroyWindow();

    // An ended task shows every row, grouped, labelled as the log view's columns are.
    Open(Mode::completed);
    std::vector<std::string> names;
    for (int i = 0; i < dlg->GetPairs().GetCount(); ++i)
        names.emplace_back(dlg->GetPairs().GetNameAt(i).GetString());
    EXPECT_THAT(names, ElementsAre("-Project Information", "Client", "Project", "Subsystem", "Category",
                                   "-Task", "Start", "Stop", "Actual Work", "Rounded", "Description",
                                   "-Extras", "Billed", "Billable", "Text 1", "Text 2", "Text 3"));
    EXPECT_EQ(dlg->GetPairs().GetLinesAt(dlg->GetPairs().FindFieldId(Column::colDescription)), 2);
    EXPECT_EQ(dlg->GetPairs().GetControlTypeAt(dlg->GetPairs().FindFieldId(Column::colRounded)), 11555u);
    EXPECT_EQ(dlg->GetPairs().GetControlTypeAt(dlg->GetPairs().FindFieldId(Column::colProject)), 11640u);
    // The description's value cell is the current cell.
    ROWCOL row = 0, col = 0;
    ASSERT_TRUE(dlg->GetGrid().GetCurrentCell(row, col));
    EXPECT_EQ(row, static_cast<ROWCOL>(dlg->GetPairs().FindFieldId(Column::colDescription)) + 1);
    EXPECT_EQ(col, 2u);
}

TEST_F(TaskDlgTest, DurationChoicesFollowTheIncrement) {
    RegWriteInt(REG_PREFS, "Duration increment", 30);
    Open(Mode::stop);
    std::vector<std::string> choices = Choices(Column::colElapsed);
    ASSERT_EQ(choices.size(), 25u);
    EXPECT_EQ(choices.front(), "0.00");
    EXPECT_EQ(choices[1], "0.50");
    EXPECT_EQ(choices.back(), "12.00");
    dlg->DestroyWindow();

    RegWriteInt(REG_PREFS, "Duration increment", 0);
    Open(Mode::stop);
    EXPECT_THAT(Choices(Column::colElapsed),
                ElementsAre("0.00", "0.25", "0.50", "0.75", "1.00", "2.00", "3.00", "4.00", "5.00", "6.00",
                            "7.00", "8.00", "9.00", "10.00", "11.00", "12.00"));
}

TEST_F(TaskDlgTest, ChangingTheProjectEmptiesTheSubsystemAndTakesTheLatestEntrysChoices) {
    CLogEntry* older =
        AddEntry(beta, testing, "beta tests", kTime - CTimeSpan(7200), kTime - CTimeSpan(3600));
    older->m_pSubsystem = server;
    CLogEntry source;
    source.m_pProject = alpha;
    source.m_pSubsystem = ui;
    source.m_pCategory = design;
    source.m_Desc = "alpha work";
    source.SetStartTime(kTime);
    HWND hDlg = Open(Mode::start, &source);
    EXPECT_EQ(Value(Column::colSubsystem), "UI");
    EXPECT_THAT(Choices(Column::colSubsystem), ElementsAre("UI", "Core"));

    Change(hDlg, Column::colProject, "Beta");
    const CLogEntry* working = dlg->GetWorkingEntry();
    EXPECT_EQ(working->m_pProject, beta);
    EXPECT_EQ(working->m_pSubsystem, server);
    EXPECT_EQ(working->m_pCategory, testing);
    EXPECT_EQ(Value(Column::colCategory), "Testing");
    EXPECT_EQ(Value(Column::colDescription), "beta tests");
    // The form was rebuilt with the new project's subsystems.
    EXPECT_THAT(Choices(Column::colSubsystem), ElementsAre("Server"));
    EXPECT_EQ(Value(Column::colSubsystem), "Server");

    // A project without entries: the subsystem goes, the rest stays.
    Change(hDlg, Column::colProject, "Gamma");
    EXPECT_EQ(working->m_pSubsystem, nullptr);
    EXPECT_EQ(Value(Column::colSubsystem), "");
    EXPECT_EQ(working->m_pCategory, testing);

    // A description the user typed is not overwritten, not even after the rebuild.
    Change(hDlg, Column::colDescription, "my own words");
    Change(hDlg, Column::colProject, "Beta");
    EXPECT_EQ(working->m_Desc, "my own words");
    EXPECT_EQ(Value(Column::colDescription), "my own words");
    Change(hDlg, Column::colCategory, "Testing");
    EXPECT_EQ(working->m_Desc, "my own words");
}

TEST_F(TaskDlgTest, AutofillCanBeTurnedOff) {
    AddEntry(beta, testing, "beta tests", kTime - CTimeSpan(7200), kTime - CTimeSpan(3600));
    AddEntry(alpha, testing, "alpha tests", kTime - CTimeSpan(7200), kTime - CTimeSpan(3600));
    HWND hDlg = Open(Mode::start);
    Change(hDlg, Column::colProject, "Alpha");
    Change(hDlg, Column::colCategory, "Design");
    EXPECT_EQ(dlg->GetWorkingEntry()->m_Desc, "alpha tests") << "no entry of Alpha/Design: kept";
    Change(hDlg, Column::colCategory, "Testing");
    EXPECT_EQ(dlg->GetWorkingEntry()->m_Desc, "alpha tests");
    dlg->DestroyWindow();

    RegWriteBool(REG_PREFS, "No Autofill", true);
    hDlg = Open(Mode::start);
    Change(hDlg, Column::colProject, "Beta");
    EXPECT_EQ(dlg->GetWorkingEntry()->m_pCategory, nullptr);
    EXPECT_EQ(dlg->GetWorkingEntry()->m_Desc, "");
}

TEST_F(TaskDlgTest, TimesAndDurationMoveEachOther) {
    CLogEntry source;
    source.m_pProject = alpha;
    source.m_pCategory = design;
    source.SetStartTime(kTime - CTimeSpan(3600));
    HWND hDlg = Open(Mode::stop, &source);
    const CLogEntry* working = dlg->GetWorkingEntry();
    ASSERT_EQ(working->m_EndTime, kTime);
    EXPECT_EQ(working->m_Duration.GetTotalSeconds(), 3600);

    Change(hDlg, Column::colElapsed, "1.5");
    EXPECT_EQ(working->m_EndTime, kTime + CTimeSpan(1800));
    EXPECT_EQ(Value(Column::colStop), Text(*working, Column::colStop));

    // A new start day takes the stop along, at its time of day.
    const CTime nextDay = kTime - CTimeSpan(3600) + CTimeSpan(1, 0, 0, 0);
    Change(hDlg, Column::colStart, AcxFormatDateTime(nextDay).GetString());
    EXPECT_EQ(working->m_StartTime, nextDay);
    EXPECT_EQ(working->m_EndTime, kTime + CTimeSpan(1, 0, 30, 0));
    EXPECT_EQ(Value(Column::colElapsed), Text(*working, Column::colElapsed));
}

// Texts the form cannot take leave the entry as it was and show what is kept; long texts are kept whole.
TEST_F(TaskDlgTest, BadInputIsNotTaken) {
    CLogEntry source;
    source.m_pProject = alpha;
    source.m_pCategory = design;
    source.SetStartTime(kTime - CTimeSpan(3600));
    const std::string longText(10000, 'x');
    const struct {
        int field;
        std::string text;
    } cases[] = {
        {Column::colStart, "not a date"},
        {Column::colStart, ""},
        {Column::colStop, "32/13/2026 25:61"},
        {Column::colElapsed, "abc"},
        {Column::colElapsed, ""},
        {Column::colProject, "No such project"},
        {Column::colCategory, "Nothing"},
        {Column::colSubsystem, "None"},
        {Column::colClient, "Nobody"},
    };
    for (const auto& c : cases) {
        HWND hDlg = Open(Mode::stop, &source);
        const CLogEntry before = *dlg->GetWorkingEntry();
        const std::string shown = Value(c.field);
        Change(hDlg, c.field, c.text);
        const CLogEntry* working = dlg->GetWorkingEntry();
        EXPECT_EQ(working->m_StartTime, before.m_StartTime) << c.field << " " << c.text;
        EXPECT_EQ(working->m_EndTime, before.m_EndTime) << c.field << " " << c.text;
        EXPECT_EQ(working->m_pProject, before.m_pProject) << c.field << " " << c.text;
        EXPECT_EQ(working->m_pCategory, before.m_pCategory) << c.field << " " << c.text;
        EXPECT_EQ(Value(c.field), shown) << c.field << " " << c.text;
        dlg->DestroyWindow();
    }

    // A description of 10,000 characters is stored whole.
    StartTimingAlpha();
    HWND hDlg = Open(Mode::stop, doc.GetRunningEntry());
    Change(hDlg, Column::colDescription, longText);
    Click(hDlg, IDOK);
    EXPECT_TRUE(m_app.prompts.empty());
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(doc.GetLogEntryAt(0)->m_Desc.GetLength(), 10000);
}

TEST_F(TaskDlgTest, RefusalsKeepTheFormOpenAndTheDocumentUntouched) {
    const struct {
        const char* name;
        Mode mode;
        CProject* project;
        CCategory* category;
        CTimeSpan startBeforeStop;
        int text1Length;
        const char* message;
    } cases[] = {
        {"no project", Mode::completed, nullptr, design, CTimeSpan(600), 0,
         "You must choose a project or choose <None>."},
        {"no category", Mode::completed, alpha, nullptr, CTimeSpan(600), 0, "You must choose a category."},
        {"stop before start", Mode::completed, alpha, design, CTimeSpan(-600), 0,
         "The task stop time is earlier than the start time."},
        {"stop before start", Mode::stop, alpha, design, CTimeSpan(-600), 0,
         "The task stop time is earlier than the start time."},
        {"text too long", Mode::completed, alpha, design, CTimeSpan(600), 256, "Text 1 may hold at most 255"},
    };
    StartTimingAlpha();
    const CLogEntry runningBefore = *doc.GetRunningEntry();
    for (const auto& c : cases) {
        m_app.prompts.clear();
        CLogEntry source;
        source.m_pProject = c.project;
        source.m_pCategory = c.category;
        source.m_Desc = "typed";
        source.m_UserText1 = CString('t', c.text1Length);
        // The stop is the dialog's time in both modes.
        source.SetStartTime(kTime - c.startBeforeStop);
        source.SetStopTime(kTime);
        HWND hDlg = Open(c.mode, &source);
        Click(hDlg, IDOK);
        EXPECT_TRUE(::IsWindowVisible(hDlg)) << c.name;
        ASSERT_EQ(m_app.prompts.size(), 1u) << c.name;
        EXPECT_THAT(m_app.prompts[0], HasSubstr(c.message)) << c.name;
        EXPECT_EQ(dlg->GetWorkingEntry()->m_Desc, "typed") << c.name << ": the input stays";
        EXPECT_TRUE(doc.IsTiming()) << c.name;
        ASSERT_EQ(doc.GetLogEntryCount(), 1) << c.name;
        EXPECT_EQ(doc.GetRunningEntry()->m_Desc, runningBefore.m_Desc) << c.name;
        EXPECT_EQ(doc.m_CurrentEntry.m_Desc, runningBefore.m_Desc) << c.name;
        dlg->DestroyWindow();
    }
}

TEST_F(TaskDlgTest, StartTimesTheChosenTaskFromTheDialogsTime) {
    CLogEntry source;
    source.m_pProject = alpha;
    source.m_pCategory = design;
    source.m_ProjProjectID = 7;
    source.m_MSTaskID = 9;
    // A task's entry carries the moment it was made: the timer starts at the dialog's time all the same.
    source.SetStartTime(kTime - CTimeSpan(300));
    HWND hDlg = Open(Mode::start, &source);
    Change(hDlg, Column::colProject, "Beta");
    Change(hDlg, Column::colSubsystem, "Server");
    Change(hDlg, Column::colCategory, "Testing");
    Change(hDlg, Column::colDescription, "release notes");
    Change(hDlg, Column::colText2, "ticket 12");
    Click(hDlg, IDOK);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    EXPECT_TRUE(m_app.prompts.empty());
    EXPECT_TRUE(doc.IsTiming());
    const CLogEntry* running = doc.GetRunningEntry();
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->m_StartTime, kTime);
    EXPECT_EQ(running->m_pProject, beta);
    EXPECT_EQ(running->m_pSubsystem, server);
    EXPECT_EQ(running->m_pCategory, testing);
    EXPECT_EQ(running->m_Desc, "release notes");
    EXPECT_EQ(running->m_UserText2, "ticket 12");
    EXPECT_EQ(running->m_ProjProjectID, -1);
    EXPECT_EQ(running->m_MSTaskID, -1);
    EXPECT_EQ(source.m_pProject, alpha) << "the caller's entry is not the dialog's";
    CString mirrored;
    RegReadString(REG_LOGGING, "Project", mirrored);
    EXPECT_EQ(mirrored, "Beta");

    // Without a source entry the new task starts at the dialog's time.
    CLogEntry* pRunning = doc.GetRunningEntry();
    doc.StopTiming(kTime + CTimeSpan(60));
    ASSERT_EQ(pRunning->m_EndTime, kTime + CTimeSpan(60));
    hDlg = Open(Mode::start);
    Click(hDlg, IDOK);
    ASSERT_NE(doc.GetRunningEntry(), nullptr);
    EXPECT_EQ(doc.GetRunningEntry()->m_StartTime, kTime);
    EXPECT_EQ(doc.GetRunningEntry()->m_pProject, beta) << "the last task's choices are offered again";
}

TEST_F(TaskDlgTest, StopEndsTheRunningRowAtTheDialogsTime) {
    StartTimingAlpha();
    CLogEntry* running = doc.GetRunningEntry();
    const CString guid = running->m_GUID;
    HWND hDlg = Open(Mode::stop, running);
    Change(hDlg, Column::colDescription, "plan drafted");
    Change(hDlg, Column::colBilled, "1");
    Click(hDlg, IDOK);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    EXPECT_FALSE(doc.IsTiming());
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    const CLogEntry* stopped = doc.GetLogEntryAt(0);
    EXPECT_EQ(stopped->m_GUID, guid);
    EXPECT_EQ(stopped->m_EndTime, kTime);
    EXPECT_EQ(stopped->m_Duration.GetTotalSeconds(), 3600);
    EXPECT_EQ(stopped->m_Desc, "plan drafted");
    EXPECT_EQ(stopped->m_Billed, 1);
    bool logging = true;
    RegReadBool(REG_LOGGING, "Logging", &logging);
    EXPECT_FALSE(logging);
}

TEST_F(TaskDlgTest, CompletedTimeAddsAnEntryAndLeavesTheTimedTaskAlone) {
    StartTimingAlpha();
    doc.m_CurrentEntry.SaveRunning(); // the mirror a document on the database keeps
    CLogEntry source;
    source.m_pProject = beta;
    source.m_pCategory = testing;
    source.m_Desc = "yesterday's review";
    source.m_MSTaskID = 4;
    source.SetStartTime(kTime - CTimeSpan(1, 2, 0, 0));
    source.SetStopTime(kTime - CTimeSpan(1, 1, 0, 0));
    HWND hDlg = Open(Mode::completed, &source);
    Click(hDlg, IDOK);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    EXPECT_TRUE(m_app.prompts.empty());
    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    const CLogEntry* added = doc.GetLogEntryAt(1);
    EXPECT_EQ(added->m_pProject, beta);
    EXPECT_EQ(added->m_Desc, "yesterday's review");
    EXPECT_EQ(added->m_Duration.GetTotalSeconds(), 3600);
    EXPECT_EQ(added->m_MSTaskID, -1);
    // The timed task goes on, in memory and in its mirror.
    EXPECT_TRUE(doc.IsTiming());
    EXPECT_EQ(doc.GetRunningEntry()->m_pProject, alpha);
    EXPECT_EQ(doc.m_CurrentEntry.m_pProject, alpha);
    CString mirrored;
    RegReadString(REG_LOGGING, "Project", mirrored);
    EXPECT_EQ(mirrored, "Alpha");
}

TEST_F(TaskDlgTest, EditSavesTheRowAndMovesThroughTheLog) {
    CLogEntry* first = AddEntry(alpha, design, "first", kTime - CTimeSpan(7200), kTime - CTimeSpan(6000));
    CLogEntry* second = AddEntry(beta, testing, "second", kTime - CTimeSpan(3600), kTime - CTimeSpan(1800));
    HWND hDlg = Open(Mode::edit, first, 1);
    EXPECT_EQ(Value(Column::colDescription), "first");
    EXPECT_FALSE(IsEnabled(hDlg, IDC_TASK_PREVIOUS));
    EXPECT_TRUE(IsEnabled(hDlg, IDC_TASK_NEXT));

    // "<" on the first row changes nothing.
    Command(hDlg, IDC_TASK_PREVIOUS);
    EXPECT_EQ(dlg->m_EditRow, 1u);
    EXPECT_EQ(Value(Column::colDescription), "first");
    EXPECT_EQ(first->m_Desc, "first");

    // ">" stores the change and shows the next row.
    Change(hDlg, Column::colDescription, "first, revised");
    Command(hDlg, IDC_TASK_NEXT);
    EXPECT_EQ(first->m_Desc, "first, revised");
    EXPECT_EQ(dlg->m_EditRow, 2u);
    EXPECT_EQ(Value(Column::colDescription), "second");
    EXPECT_EQ(dlg->GetWorkingEntry()->m_GUID, second->m_GUID);
    EXPECT_TRUE(IsEnabled(hDlg, IDC_TASK_PREVIOUS));
    EXPECT_FALSE(IsEnabled(hDlg, IDC_TASK_NEXT));

    Change(hDlg, Column::colElapsed, "2");
    Click(hDlg, IDOK);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    ASSERT_EQ(doc.GetLogEntryCount(), 2);
    EXPECT_EQ(second->m_EndTime, second->m_StartTime + CTimeSpan(7200));
    EXPECT_EQ(second->m_Desc, "second");
    EXPECT_EQ(dlg->m_EditRow, 2u);
}

TEST_F(TaskDlgTest, EditingTheRunningEntryWithAStopEndsTheTiming) {
    StartTimingAlpha();
    CLogEntry* running = doc.GetRunningEntry();
    HWND hDlg = Open(Mode::edit, running, 1);
    EXPECT_EQ(Value(Column::colStop), "");
    Change(hDlg, Column::colDescription, "renamed while running");
    Click(hDlg, IDOK);
    EXPECT_TRUE(doc.IsTiming()) << "no stop time: it keeps running";
    EXPECT_EQ(doc.GetRunningEntry(), running);
    EXPECT_EQ(running->m_Desc, "renamed while running");

    hDlg = Open(Mode::edit, running, 1);
    Change(hDlg, Column::colStop, AcxFormatDateTime(kTime - CTimeSpan(600)).GetString());
    Click(hDlg, IDOK);
    EXPECT_FALSE(doc.IsTiming());
    ASSERT_EQ(doc.GetLogEntryCount(), 1);
    EXPECT_EQ(running->m_EndTime, kTime - CTimeSpan(600));
    EXPECT_EQ(running->m_Desc, "renamed while running");
}

TEST_F(TaskDlgTest, CancelLeavesTheDocumentAlone) {
    StartTimingAlpha();
    HWND hDlg = Open(Mode::stop, doc.GetRunningEntry());
    Change(hDlg, Column::colDescription, "not kept");
    Click(hDlg, IDCANCEL);
    EXPECT_FALSE(::IsWindowVisible(hDlg));
    EXPECT_TRUE(doc.IsTiming());
    EXPECT_EQ(doc.GetRunningEntry()->m_Desc, "timed work");
}

} // namespace

namespace {

// Opens nothing: records the page it was asked for and changes the rounding as a user would there.
class RoundingPageSheet : public IOptionsSheet {
public:
    RoundingPageSheet() { SetOptionsSheet(this); }
    ~RoundingPageSheet() override { SetOptionsSheet(nullptr); }
    RoundingPageSheet(const RoundingPageSheet&) = delete;
    RoundingPageSheet& operator=(const RoundingPageSheet&) = delete;
    void Show(CWnd*, UINT pageId) override {
        pages.push_back(pageId);
        RegWriteBool(REG_ROUNDING, "Enabled", true);
        RegWriteInt(REG_ROUNDING, "Minutes", 15);
    }
    std::vector<UINT> pages;
};

TEST_F(TaskDlgTest, TheRoundedDurationOpensTheRoundingPageAndShowsItsNewResult) {
    RoundingPageSheet sheet;
    CLogEntry source;
    source.m_pProject = alpha;
    source.m_pCategory = design;
    source.SetStartTime(kTime - CTimeSpan(60));
    HWND hDlg = Open(Mode::stop, &source);
    const std::string before = Value(Column::colRounded);
    ::SendMessageA(hDlg, CNameValueGridWnd::BtnPostMessage(), Column::colRounded, 0);
    EXPECT_THAT(sheet.pages, ElementsAre(12016u));
    EXPECT_NE(Value(Column::colRounded), before);
    EXPECT_EQ(Value(Column::colRounded), Text(*dlg->GetWorkingEntry(), Column::colRounded));
    // Another field's button does nothing.
    ::SendMessageA(hDlg, CNameValueGridWnd::BtnPostMessage(), Column::colElapsed, 0);
    EXPECT_EQ(sheet.pages.size(), 1u);
    CLogEntry::SetRoundingSettings(CRoundingSettings{});
}

TEST_F(TaskDlgTest, TheFormFollowsItsGroupsAndNamesTheLinkedProjectTask) {
    auto* task = new CTask();
    task->m_Name = "Write the manual";
    doc.AddProjectTask(task);
    CLogEntry source;
    source.m_pProject = alpha;
    source.m_ProjectTaskID = task->GetGUID();
    HWND hDlg = Open(Mode::completed, &source);
    EXPECT_EQ(dlg->GetProjectTaskText(), "Write the manual");

    CRect dialogBefore, okBefore;
    ::GetWindowRect(hDlg, &dialogBefore);
    ::GetWindowRect(Item(hDlg, IDOK), &okBefore);
    const int extras = dlg->GetPairs().FindName("-Extras");
    ASSERT_GE(extras, 0);
    dlg->GetGrid().SendMessage(CNameValueGridWnd::CollapseGroupMessage(), static_cast<WPARAM>(extras) + 1, 0);
    PumpPending();
    CRect dialogAfter, okAfter;
    ::GetWindowRect(hDlg, &dialogAfter);
    ::GetWindowRect(Item(hDlg, IDOK), &okAfter);
    const int shrink = dialogBefore.Height() - dialogAfter.Height();
    EXPECT_GT(shrink, 0);
    EXPECT_EQ(okBefore.top - okAfter.top, shrink) << "the buttons move with the grid";
}

} // namespace
