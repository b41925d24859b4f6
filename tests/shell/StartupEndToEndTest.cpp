// The built program started under Wine, each run in a registry tree, program folder and data folder
// of the test's own: it shows its main frame, a second copy ends and leaves the first, a restarted copy
// waits for the ending one and takes over, a tray start stays hidden, an unreachable database offers to
// work offline, and Exit ends the program cleanly.
//
// These tests take seconds each: every start is a new Wine process that sets up its database. They
// share the program's single-instance lock, so ctest runs them one at a time.
#include <gtest/gtest.h>

#include "foundation/Registry.h"
#include "foundation/ScratchRegistry.h"
#include "framework/win/WindowTestCommon.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using wintest::ClassOf;
using wintest::TextOf;

constexpr DWORD kStartTimeout = 60000; // ms: a first start creates its database

std::string BuiltProgram() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    return path.substr(0, path.rfind('\\') + 1) + "Brindlemark.exe";
}

// One run of the built program.
class ProgramRun {
public:
    ProgramRun(const ScratchRegistry& registry, const CString& programFolder, const CString& dataFolder,
               const std::string& arguments = "") {
        std::string command = "\"";
        command += BuiltProgram();
        command += "\" ";
        command += arguments;
        SetEnvironmentVariableA("BRINDLEMARK_TEST_REGISTRY_ROOT", registry.Root());
        SetEnvironmentVariableA("BRINDLEMARK_TEST_PROGRAM_FOLDER", programFolder);
        SetEnvironmentVariableA("BRINDLEMARK_TEST_DATA_FOLDER", dataFolder);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        m_started =
            CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
        for (const char* name : {"BRINDLEMARK_TEST_REGISTRY_ROOT", "BRINDLEMARK_TEST_PROGRAM_FOLDER",
                                 "BRINDLEMARK_TEST_DATA_FOLDER"})
            SetEnvironmentVariableA(name, nullptr);
    }
    ~ProgramRun() {
        if (!m_started)
            return;
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_pi.hProcess, 99);
            WaitForSingleObject(m_pi.hProcess, 10000);
        }
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return m_started != FALSE; }

    // The top-level windows of the program's user-interface thread.
    std::vector<HWND> Windows() const {
        std::vector<HWND> found;
        EnumThreadWindows(
            m_pi.dwThreadId,
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
    HWND MainFrame() const {
        for (HWND hWnd : Windows()) {
            if (ClassOf(hWnd) == "BrindlemarkInstanceWndClass")
                return hWnd;
        }
        return nullptr;
    }
    // The visible dialog of the program whose caption is title, or nullptr.
    HWND Dialog(const std::string& title) const {
        for (HWND hWnd : Windows()) {
            if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd) && TextOf(hWnd) == title)
                return hWnd;
        }
        return nullptr;
    }

    // Waits until condition holds or the program ends; whether it holds.
    bool WaitFor(const std::function<bool()>& condition, DWORD timeout = kStartTimeout) const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeout) {
            if (condition())
                return true;
            if (WaitForSingleObject(m_pi.hProcess, 50) == WAIT_OBJECT_0)
                return condition();
        }
        return false;
    }
    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeout = kStartTimeout) const {
        WaitForSingleObject(m_pi.hProcess, timeout);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }
    bool Running() const { return WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT; }
    // Waits until the main frame exists and the program has finished its start-up.
    HWND WaitForStart() const {
        HWND hFrame = nullptr;
        WaitFor([&] {
            hFrame = MainFrame();
            bool launched = false;
            return hFrame != nullptr && RegReadBool(REG_PREFS, "Has launched", &launched) && launched;
        });
        return hFrame;
    }
    void Exit() const {
        if (HWND hFrame = MainFrame())
            PostMessageA(hFrame, WM_COMMAND, 0xE141 /* ID_APP_EXIT */, 0);
    }

private:
    BOOL m_started = FALSE;
    PROCESS_INFORMATION m_pi{};
};

bool ReadFlag(const char* key, const char* name) {
    bool value = false;
    RegReadBool(key, name, &value);
    return value;
}

// The classes of the children of a window, deep.
std::vector<std::string> ChildClasses(HWND hWnd) {
    std::vector<std::string> classes;
    EnumChildWindows(
        hWnd,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(ClassOf(hChild));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&classes));
    return classes;
}

bool Has(const std::vector<std::string>& classes, const char* name) {
    return std::find(classes.begin(), classes.end(), name) != classes.end();
}

// Waits for the "Brindlemark Database is Offline" dialog, confirming the data source's own message that
// comes first; the dialog, or nullptr.
HWND WaitForOfflineChoice(const ProgramRun& run) {
    HWND hOffline = nullptr;
    run.WaitFor([&] {
        for (HWND hWnd : run.Windows()) {
            if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd) &&
                TextOf(hWnd) != "Brindlemark Database is Offline")
                PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
        hOffline = run.Dialog("Brindlemark Database is Offline");
        return hOffline != nullptr;
    });
    return hOffline;
}

class StartupEndToEnd : public ::testing::Test {
protected:
    ScratchRegistry registry;
    ScratchFolder program;
    ScratchFolder data;
};

TEST_F(StartupEndToEnd, FirstStartShowsTheMainFrameAndExitEndsCleanly) {
    ProgramRun run(registry, program.Path(), data.Path());
    ASSERT_TRUE(run.Started());
    const HWND hFrame = run.WaitForStart();
    ASSERT_NE(hFrame, nullptr);
    EXPECT_TRUE(run.WaitFor([&] { return IsWindowVisible(hFrame) != FALSE; }, 10000));
    EXPECT_NE(TextOf(hFrame).find("Brindlemark"), std::string::npos);
    const std::vector<std::string> children = ChildClasses(hFrame);
    for (const char* expected : {"ToolbarWindow32", "msctls_statusbar32", "SysTreeView32", "SysTabControl32"})
        EXPECT_TRUE(Has(children, expected)) << expected;

    // The start-up's marks and the defaults.
    EXPECT_TRUE(ReadFlag(REG_PREFS, "Running"));
    EXPECT_FALSE(ReadFlag(REG_PREFS, "Shutdown"));
    EXPECT_FALSE(ReadFlag(REG_PREFS, "Restarting"));
    int generation = 0;
    RegReadInt(REG_ROOT, "Defaults", &generation);
    EXPECT_EQ(generation, 220);
    // The default log was made in the user's data folder, not beside the program.
    CString activeLog;
    RegReadString(REG_DATABASE, "ActiveLog", activeLog);
    EXPECT_EQ(std::string(activeLog), std::string(data.File("Time Log.bmk")));
    EXPECT_TRUE(FileExists(data.File("Time Log.bmk")));
    EXPECT_FALSE(FileExists(program.File("Time Log.bmk")));

    run.Exit();
    EXPECT_EQ(run.WaitForExit(), 0u);
    EXPECT_FALSE(ReadFlag(REG_PREFS, "Running"));
}

TEST_F(StartupEndToEnd, ASecondCopyEndsWithoutAWindowAndTheFirstGoesOn) {
    ProgramRun first(registry, program.Path(), data.Path());
    ASSERT_NE(first.WaitForStart(), nullptr);
    ProgramRun second(registry, program.Path(), data.Path());
    EXPECT_NE(second.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(second.MainFrame(), nullptr);
    EXPECT_TRUE(first.Running());
    first.Exit();
    EXPECT_EQ(first.WaitForExit(), 0u);
}

TEST_F(StartupEndToEnd, ARestartedCopyWaitsForTheEndingOneAndTakesOver) {
    ProgramRun first(registry, program.Path(), data.Path());
    ASSERT_NE(first.WaitForStart(), nullptr);
    RegWriteBool(REG_PREFS, "Restarting", true);
    RegWriteBool(REG_PREFS, "Has launched", false);
    ProgramRun second(registry, program.Path(), data.Path());
    // It waits while the first copy still runs.
    Sleep(3000);
    EXPECT_TRUE(second.Running());
    EXPECT_EQ(second.MainFrame(), nullptr);
    first.Exit();
    EXPECT_EQ(first.WaitForExit(), 0u);
    const HWND hFrame = second.WaitForStart();
    ASSERT_NE(hFrame, nullptr);
    EXPECT_FALSE(ReadFlag(REG_PREFS, "Restarting"));
    // It holds the lock now: a third copy ends.
    ProgramRun third(registry, program.Path(), data.Path());
    EXPECT_NE(third.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(third.MainFrame(), nullptr);
    EXPECT_TRUE(second.Running());
    second.Exit();
    EXPECT_EQ(second.WaitForExit(), 0u);
}

TEST_F(StartupEndToEnd, TrayStartStaysHiddenOnlyAfterACompletedStart) {
    {
        ProgramRun run(registry, program.Path(), data.Path(), "/TRAYICON");
        const HWND hFrame = run.WaitForStart();
        ASSERT_NE(hFrame, nullptr);
        EXPECT_TRUE(run.WaitFor([&] { return IsWindowVisible(hFrame) != FALSE; }, 10000))
            << "the very first start shows the window";
        run.Exit();
        EXPECT_EQ(run.WaitForExit(), 0u);
    }
    ProgramRun run(registry, program.Path(), data.Path(), "/TRAYICON");
    const HWND hFrame = run.WaitForStart();
    ASSERT_NE(hFrame, nullptr);
    EXPECT_FALSE(IsWindowVisible(hFrame));
    run.Exit();
    EXPECT_EQ(run.WaitForExit(), 0u);
}

TEST_F(StartupEndToEnd, AnUnreachableDatabaseOffersToWorkOfflineOrToClose) {
    RegWriteString(REG_DATABASE, "DataSource", "No such source");
    {
        ProgramRun run(registry, program.Path(), data.Path());
        const HWND hOffline = WaitForOfflineChoice(run);
        ASSERT_NE(hOffline, nullptr);
        PostMessageA(hOffline, WM_COMMAND, IDCANCEL, 0); // "Close Brindlemark"
        EXPECT_NE(run.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
        EXPECT_EQ(run.MainFrame(), nullptr);
        EXPECT_FALSE(ReadFlag(REG_PREFS, "Has launched"));
    }
    ProgramRun run(registry, program.Path(), data.Path());
    const HWND hOffline = WaitForOfflineChoice(run);
    ASSERT_NE(hOffline, nullptr);
    PostMessageA(hOffline, WM_COMMAND, IDOK, 0); // "Work Offline"
    const HWND hFrame = run.WaitForStart();
    ASSERT_NE(hFrame, nullptr);
    EXPECT_TRUE(run.WaitFor([&] { return IsWindowVisible(hFrame) != FALSE; }, 10000));
    run.Exit();
    EXPECT_EQ(run.WaitForExit(), 0u);
}

TEST_F(StartupEndToEnd, DatabaseOptionsFromTheOfflineChoiceStartHiddenAndEnd) {
    RegWriteString(REG_DATABASE, "DataSource", "No such source");
    RegWriteBool(REG_PREFS, "Has launched", true);
    ProgramRun run(registry, program.Path(), data.Path());
    const HWND hOffline = WaitForOfflineChoice(run);
    ASSERT_NE(hOffline, nullptr);
    bool frameShown = false;
    SendMessageA(GetDlgItem(hOffline, 1151 /* "Database Options..." */), BM_CLICK, 0, 0);
    // The program has no Options sheet to open: it ends again without ever showing its window.
    run.WaitFor(
        [&] {
            if (HWND hFrame = run.MainFrame(); hFrame != nullptr && IsWindowVisible(hFrame))
                frameShown = true;
            return false;
        },
        20000);
    EXPECT_EQ(run.WaitForExit(), 0u);
    EXPECT_FALSE(frameShown);
    EXPECT_TRUE(ReadFlag(REG_PREFS, "Has launched"));
}

TEST_F(StartupEndToEnd, HideAtStartupHidesTheWindowAfterAShortNotice) {
    // A later start: the defaults are written already and keep the user's choice.
    RegWriteInt(REG_ROOT, "Defaults", 220);
    RegWriteBool(REG_PREFS, "Hide at startup", true);
    RegWriteBool(REG_PREFS_ICONS, "Main", true);
    ProgramRun run(registry, program.Path(), data.Path());
    HWND hNotice = nullptr;
    ASSERT_TRUE(run.WaitFor([&] {
        hNotice = run.Dialog("Brindlemark");
        return hNotice != nullptr;
    }));
    const HWND hFrame = run.WaitForStart();
    ASSERT_NE(hFrame, nullptr);
    EXPECT_FALSE(IsWindowVisible(hFrame));
    // The notice goes by itself.
    EXPECT_TRUE(run.WaitFor([&] { return !IsWindow(hNotice); }, 20000));
    EXPECT_FALSE(IsWindowVisible(hFrame));
    run.Exit();
    EXPECT_EQ(run.WaitForExit(), 0u);
}

} // namespace
