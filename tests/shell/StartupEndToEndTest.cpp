// The built program started under Wine, each run in a registry tree, program folder and data folder
// of the test's own: it shows its main frame, a second copy ends and leaves the first, a restarted copy
// waits for the ending one and takes over, a tray start stays hidden, an unreachable database offers to
// work offline, and Exit ends the program cleanly.
//
// These tests take seconds each: every start is a new Wine process that sets up its database. They
// share the program's single-instance lock, so ctest runs them one at a time.
#include <gtest/gtest.h>

#include "ProgramRun.h"

namespace {

using namespace e2e;

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
