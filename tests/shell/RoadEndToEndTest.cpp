// The road of tasks through the built program, driven as a user drives it: the timer keys and menu
// commands go to the main window, the Log Task dialog's fields are filled from the keyboard, its buttons
// pressed. Afterwards the [Tasks] table, the running-entry mirror under "Logging\" and the log view say
// what happened; a restart finds the same entries and the task still running.
//
// One run of the road takes some twenty seconds: three starts of the program under Wine, each setting up
// its database, and the dialogs between them. It shares the program's single-instance lock with the other
// end-to-end tests, so ctest runs it alone.
#include <gtest/gtest.h>

#include "ProgramRun.h"
#include "data/CLogDatabase.h"
#include "framework/db/CRecordset.h"

#include <set>
#include <string>
#include <vector>

namespace {

using namespace e2e;

// The main window's commands.
constexpr UINT kSwitch = 32783;

constexpr const char* kRoadWorks = "{A1E7C0DE-0000-4000-8000-000000000001}";
constexpr const char* kBridge = "{A1E7C0DE-0000-4000-8000-000000000002}";

// Keys and characters reach the control that has the focus in the program, one at a time and each
// handled before the next is sent, as the keyboard would deliver them to it.
class Keyboard {
public:
    explicit Keyboard(const ProgramRun& run) : m_run(run) {}
    std::string FocusText() const {
        char text[256] = {};
        DWORD_PTR result = 0;
        SendMessageTimeoutA(m_run.FocusWindow(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                            SMTO_NORMAL, 5000, &result);
        return text;
    }
    void Press(UINT key, int times = 1) const {
        for (int i = 0; i < times; ++i) {
            Send(WM_KEYDOWN, key, 1);
            Send(WM_KEYUP, key, 0xC0000001);
        }
    }
    void Type(const std::string& text) const {
        for (const char c : text)
            Send(WM_CHAR, static_cast<unsigned char>(c), 1);
    }

private:
    void Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(m_run.FocusWindow(), message, wParam, lParam, SMTO_NORMAL, 5000, &result);
    }
    const ProgramRun& m_run;
};

// The Log Task dialog's form: a property grid whose rows are its fields. A field is reached from the
// top row with the arrow keys, typed into, and taken when the current cell leaves it.
class LogTaskForm {
public:
    // The rows of the form; an ended task's rows (stop, duration, rounded duration) come before the
    // description except in start mode.
    static constexpr int kProject = 3;
    static constexpr int kCategory = 5;
    static constexpr int kDuration = 9;

    LogTaskForm(const ProgramRun& run, HWND hDialog, bool startMode)
        : m_run(run), m_keys(run), m_hDialog(hDialog), m_description(startMode ? 8 : 11) {}

    // Types the text into the field and leaves it; true once the field keeps the text. A field the dialog
    // changes by itself afterwards (a new project takes the category of its latest entry, and the form is
    // rebuilt) is typed again.
    bool Set(int row, const std::string& text) const {
        for (int attempt = 0; attempt < 4; ++attempt) {
            GoTo(row);
            m_keys.Type(text);
            m_keys.Press(VK_UP);
            if (m_run.WaitFor([&] { return Read(row) == text; }, 3000)) {
                Sleep(300);
                if (Read(row) == text)
                    return true;
            }
        }
        return false;
    }
    // What the field holds: its cell opened for editing (F2) and closed again unchanged (Escape).
    std::string Read(int row) const {
        GoTo(row);
        m_keys.Press(VK_F2);
        const std::string text = m_keys.FocusText();
        m_keys.Press(VK_ESCAPE);
        return text;
    }
    // The description is typed last: Save and Close takes the text being edited.
    void SetDescription(const std::string& text) const {
        GoTo(m_description);
        m_keys.Type(text);
    }
    void Save() const { PostMessageA(m_hDialog, WM_COMMAND, IDOK, 0); }

private:
    // From the top row down to the row.
    void GoTo(int row) const {
        m_keys.Press(VK_UP, 16);
        m_keys.Press(VK_DOWN, row - 1);
    }

    const ProgramRun& m_run;
    Keyboard m_keys;
    HWND m_hDialog;
    int m_description;
};

struct TaskRow {
    std::string description;
    std::string project;
    std::string category;
    long duration = 0;
    std::string start;
    std::string stop;
};

std::string Field(CRecordset& rs, short index) {
    CString value;
    rs.GetFieldValue(index, value);
    return value.GetString();
}

// The [Tasks] rows in the order they started, read through the program's own data source.
std::vector<TaskRow> ReadTasks() {
    std::vector<TaskRow> rows;
    CLogDatabase db;
    const CString connect = db.GetConnectString();
    db.Open(connect, FALSE, TRUE, connect, TRUE);
    CRecordset rs(&db);
    rs.Open(CRecordset::forwardOnly,
            "SELECT [Desc], [ProjectID], [CategoryID], [Duration], [StartTime], [EndTime] FROM [Tasks] "
            "ORDER BY [StartTime], [Created]",
            CRecordset::readOnly);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        TaskRow row;
        row.description = Field(rs, 0);
        row.project = Field(rs, 1);
        row.category = Field(rs, 2);
        row.duration = std::atol(Field(rs, 3).c_str());
        row.start = Field(rs, 4);
        row.stop = Field(rs, 5);
        rows.push_back(row);
    }
    return rows;
}

std::multiset<std::string> Descriptions(const std::vector<TaskRow>& rows) {
    std::multiset<std::string> texts;
    for (const TaskRow& row : rows)
        texts.insert(row.description);
    return texts;
}

// The row with that description (the nth of them by start); the caller has checked that it is there.
const TaskRow& Find(const std::vector<TaskRow>& rows, const char* description, int nth = 0) {
    for (const TaskRow& row : rows)
        if (row.description == description && nth-- == 0)
            return row;
    static const TaskRow none;
    ADD_FAILURE() << "no row " << description;
    return none;
}

std::string Mirror(const char* name) {
    CString value;
    RegReadString(REG_LOGGING, name, value);
    return value.GetString();
}

class RoadEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { SetProgramFolderForTests(program.Path()); }
    void TearDown() override { SetProgramFolderForTests(nullptr); }

    // A first start makes the database and the log; two projects are added to it as another copy of
    // the program sharing the database would.
    void PrepareDatabase() {
        ProgramRun run(registry, program.Path(), data.Path());
        ASSERT_NE(run.WaitForStart(), nullptr) << run.Describe();
        run.Exit();
        ASSERT_EQ(run.WaitForExit(), 0u);
        CLogDatabase db;
        const CString connect = db.GetConnectString();
        ASSERT_TRUE(db.Open(connect, FALSE, FALSE, connect, TRUE));
        for (const auto& [guid, name] : {std::pair{kRoadWorks, "Road works"}, std::pair{kBridge, "Bridge"}})
            db.ExecuteSQL(
                CString("INSERT INTO [Projects] ([GUID], [Name], [Description], [Active]) VALUES ('") + guid +
                "', '" + name + "', '', 1)");
    }

    // Sends a timer key to the main window (its accelerator gives the command).
    static void PressKey(HWND hFrame, UINT key) {
        PostMessageA(hFrame, WM_KEYDOWN, key, 1);
        PostMessageA(hFrame, WM_KEYUP, key, 0xC0000001);
    }

    // Waits until no dialog of the program is shown.
    static bool WaitForNoDialog(const ProgramRun& run) {
        return run.WaitFor(
            [&] {
                for (HWND hWnd : run.Windows())
                    if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd))
                        return false;
                return true;
            },
            10000);
    }

    // Fills the Log Task dialog of that title (the fields given; an empty one keeps what the form offers)
    // and saves it; the dialog has closed afterwards.
    static void FillAndSave(const ProgramRun& run, const char* title, const std::string& project,
                            const std::string& category, const std::string& description) {
        const HWND hDialog = run.WaitForDialog(title);
        ASSERT_NE(hDialog, nullptr) << run.Describe();
        const LogTaskForm form(run, hDialog, std::string(title) == "Start Logging Task");
        if (!project.empty()) {
            ASSERT_TRUE(form.Set(LogTaskForm::kProject, project)) << run.Describe();
        }
        if (!category.empty()) {
            ASSERT_TRUE(form.Set(LogTaskForm::kCategory, category)) << run.Describe();
        }
        form.SetDescription(description);
        form.Save();
        ASSERT_TRUE(WaitForNoDialog(run)) << run.Describe();
    }

    ScratchRegistry registry;
    ScratchFolder program;
    ScratchFolder data;
};

TEST_F(RoadEndToEnd, TasksAreTimedStoredMirroredAndSurviveARestart) {
    ASSERT_NO_FATAL_FAILURE(PrepareDatabase());
    ProgramRun run(registry, program.Path(), data.Path());
    const HWND hFrame = run.WaitForStart();
    ASSERT_NE(hFrame, nullptr) << run.Describe();

    // F5: the Log Task dialog starts the first task.
    PressKey(hFrame, VK_F5);
    ASSERT_NO_FATAL_FAILURE(
        FillAndSave(run, "Start Logging Task", "Road works", "Design", "Survey the road"));
    EXPECT_TRUE(ReadFlag(REG_LOGGING, "Logging"));
    EXPECT_EQ(Mirror("Project"), "Road works");
    EXPECT_EQ(Mirror("Category"), "Design");
    EXPECT_EQ(Mirror("Description"), "Survey the road");

    // Switch: the running task stops through its dialog and the next one starts where it ended.
    PostMessageA(hFrame, WM_COMMAND, kSwitch, 0);
    HWND hDialog = run.WaitForDialog("Stop Logging Task");
    ASSERT_NE(hDialog, nullptr) << run.Describe();
    PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    if (HWND hNotice = run.WaitForDialog("Switch Task", 5000))
        PostMessageA(hNotice, WM_COMMAND, IDOK, 0);
    ASSERT_NO_FATAL_FAILURE(FillAndSave(run, "Start Logging Task", "", "", "Pour the asphalt"));
    EXPECT_TRUE(ReadFlag(REG_LOGGING, "Logging"));
    EXPECT_EQ(Mirror("Project"), "Road works") << "the new task starts like the stopped one";
    EXPECT_EQ(Mirror("Description"), "Pour the asphalt");

    // F10, Resume: the paused stretch is an entry of its own and the same task goes on.
    PressKey(hFrame, VK_F10);
    hDialog = run.WaitForDialog("Pause");
    ASSERT_NE(hDialog, nullptr) << run.Describe();
    PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForNoDialog(run)) << run.Describe();
    EXPECT_TRUE(ReadFlag(REG_LOGGING, "Logging"));
    EXPECT_EQ(Mirror("Description"), "Pour the asphalt");

    // F8: stopped through the dialog.
    PressKey(hFrame, VK_F8);
    hDialog = run.WaitForDialog("Stop Logging Task");
    ASSERT_NE(hDialog, nullptr) << run.Describe();
    PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForNoDialog(run)) << run.Describe();
    EXPECT_FALSE(ReadFlag(REG_LOGGING, "Logging"));

    // F5 then F9: stopped at once, without a dialog.
    PressKey(hFrame, VK_F5);
    ASSERT_NO_FATAL_FAILURE(FillAndSave(run, "Start Logging Task", "", "", "Paint the lines"));
    EXPECT_TRUE(ReadFlag(REG_LOGGING, "Logging"));
    PressKey(hFrame, VK_F9);
    EXPECT_TRUE(run.WaitFor([] { return !ReadFlag(REG_LOGGING, "Logging"); }, 10000));

    // F12: two hours of completed work on another project.
    PressKey(hFrame, VK_F12);
    hDialog = run.WaitForDialog("Enter Completed Time");
    ASSERT_NE(hDialog, nullptr) << run.Describe();
    {
        LogTaskForm form(run, hDialog, false);
        ASSERT_TRUE(form.Set(LogTaskForm::kProject, "Bridge")) << run.Describe();
        ASSERT_TRUE(form.Set(LogTaskForm::kCategory, "QA")) << run.Describe();
        ASSERT_TRUE(form.Set(LogTaskForm::kDuration, "2.00")) << run.Describe();
        form.SetDescription("Inspect the bridge");
        form.Save();
    }
    ASSERT_TRUE(WaitForNoDialog(run)) << run.Describe();

    // F5: a task left running.
    PressKey(hFrame, VK_F5);
    ASSERT_NO_FATAL_FAILURE(FillAndSave(run, "Start Logging Task", "Road works", "Meeting", "Open the road"));
    EXPECT_TRUE(ReadFlag(REG_LOGGING, "Logging"));
    const std::string runningStart = Mirror("Start time");

    // Closing the window keeps the program in the tray (after its notice); Exit ends it.
    PostMessageA(hFrame, WM_CLOSE, 0, 0);
    HWND hNotice = run.WaitForDialog("Brindlemark - Close Main Window");
    ASSERT_NE(hNotice, nullptr) << run.Describe();
    PostMessageA(hNotice, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForNoDialog(run)) << run.Describe();
    EXPECT_FALSE(IsWindowVisible(hFrame));
    EXPECT_TRUE(run.Running());
    run.Exit();
    ASSERT_EQ(run.WaitForExit(), 0u);

    // The stored entries: each stretch once, the running one without its stop. (A completed entry's
    // start is the one its form shows, to the minute, so the rows are found by their descriptions.)
    const std::vector<TaskRow> rows = ReadTasks();
    ASSERT_EQ(Descriptions(rows),
              (std::multiset<std::string>{"Survey the road", "Pour the asphalt", "Pour the asphalt",
                                          "Paint the lines", "Inspect the bridge", "Open the road"}));
    const TaskRow& survey = Find(rows, "Survey the road");
    const TaskRow& pouredBefore = Find(rows, "Pour the asphalt", 0);
    const TaskRow& pouredAfter = Find(rows, "Pour the asphalt", 1);
    const TaskRow& bridge = Find(rows, "Inspect the bridge");
    const TaskRow& running = Find(rows, "Open the road");
    for (const TaskRow& row : rows) {
        EXPECT_EQ(row.project, &row == &bridge ? kBridge : kRoadWorks) << row.description;
        EXPECT_EQ(row.stop.empty(), &row == &running) << row.description << " has a stop unless it runs";
    }
    EXPECT_EQ(pouredBefore.category, survey.category) << "a switch keeps the category";
    EXPECT_NE(bridge.category, survey.category);
    EXPECT_NE(running.category, survey.category);
    EXPECT_EQ(pouredBefore.start, survey.stop) << "the switched-to task starts where the first ended";
    EXPECT_LE(pouredBefore.stop, pouredAfter.start) << "the pause lies between the two stretches";
    EXPECT_EQ(bridge.duration, 7200);
    EXPECT_TRUE(ReadFlag(REG_LOGGING, "Logging"));
    EXPECT_EQ(Mirror("Description"), "Open the road");
    EXPECT_EQ(Mirror("Start time"), runningStart);

    // A restart goes on timing the same task; Stop Now ends that entry, and no other.
    ProgramRun again(registry, program.Path(), data.Path());
    const HWND hFrame2 = again.WaitForStart();
    ASSERT_NE(hFrame2, nullptr) << again.Describe();
    EXPECT_TRUE(ReadFlag(REG_LOGGING, "Logging"));
    EXPECT_EQ(Mirror("Description"), "Open the road");
    // The log loads in the idle time after the window shows; the timer commands wait for it.
    EXPECT_TRUE(again.WaitFor(
        [&] {
            PressKey(hFrame2, VK_F9);
            return again.WaitFor([] { return !ReadFlag(REG_LOGGING, "Logging"); }, 1000);
        },
        20000))
        << again.Describe();
    again.Exit();
    ASSERT_EQ(again.WaitForExit(), 0u);
    const std::vector<TaskRow> after = ReadTasks();
    ASSERT_EQ(Descriptions(after), Descriptions(rows));
    for (const TaskRow& row : rows) {
        if (&row == &running)
            continue;
        const TaskRow& same = Find(after, row.description.c_str(), &row == &pouredAfter ? 1 : 0);
        EXPECT_EQ(same.start, row.start) << row.description;
        EXPECT_EQ(same.stop, row.stop) << row.description;
    }
    const TaskRow& stopped = Find(after, "Open the road");
    EXPECT_EQ(stopped.start, running.start) << "the running entry kept its start";
    EXPECT_FALSE(stopped.stop.empty());
    EXPECT_GE(stopped.stop, stopped.start);
}

} // namespace
