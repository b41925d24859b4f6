// Closing the main window: to the tray with the notice while the main icon is on, for good without it,
// File Exit with the exit wait, the saved placement and the relaunch.
#include "ShellTestSupport.h"

#include "foundation/Registry.h"
#include "shell/CCloseNoticeDlg.h"
#include "shell/CMainViewFrame.h"

using namespace shelltest;

namespace {

bool ReadFlag(const char* key, const char* name, bool fallback) {
    bool value = fallback;
    RegReadBool(key, name, &value);
    return value;
}

using MainFrameClose = MainFrameFixture;

TEST_F(MainFrameClose, ClosingHidesToTheTrayAndTellsOnceUntilTheUserOptsOut) {
    frame->ShowWindow(SW_SHOW);
    const HWND hFrame = frame->m_hWnd;
    std::string noticeTexts;
    std::string noticeTitle;
    {
        TimerDriver driver([&] {
            for (HWND hDlg : ThreadDialogs()) {
                noticeTitle = TextOf(hDlg);
                noticeTexts = ChildTexts(hDlg);
                ::SendMessageA(::GetDlgItem(hDlg, IDC_CLOSE_MAIN_DONT_TELL), BM_CLICK, 0, 0);
                ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
                return true;
            }
            return false;
        });
        frame->SendMessage(WM_CLOSE);
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ(noticeTitle, "Brindlemark - Close Main Window");
    EXPECT_NE(noticeTexts.find("You must choose File, Exit to close the application."), std::string::npos);
    EXPECT_TRUE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindowVisible(hFrame));
    EXPECT_EQ(app.m_pMainWnd, frame);
    EXPECT_FALSE(IsCloseNoticeWanted());

    // Next time: hidden again, without the notice.
    frame->ShowWindow(SW_SHOW);
    int dialogsSeen = 0;
    {
        TimerDriver driver(
            [&] {
                dialogsSeen += static_cast<int>(ThreadDialogs().size());
                for (HWND hDlg : ThreadDialogs())
                    ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
                return false;
            },
            5);
        frame->SendMessage(WM_CLOSE);
    }
    EXPECT_EQ(dialogsSeen, 0);
    EXPECT_TRUE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindowVisible(hFrame));
}

TEST_F(MainFrameClose, ClosingTheViewPaneIsClosingTheMainWindow) {
    RegWriteBool(REG_PREFS_ICONS, "Main", false);
    const HWND hFrame = frame->m_hWnd;
    const HWND hHost = frame->GetViewHost()->m_hWnd;
    ::SendMessageA(hHost, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindow(hHost));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(MainFrameClose, WithoutTheMainIconClosingEndsTheProgramAndSavesThePlacement) {
    RegWriteBool(REG_PREFS_ICONS, "Main", false);
    frame->MoveWindow(40, 50, 600, 400);
    frame->ShowWindow(SW_SHOW);
    const HWND hFrame = frame->m_hWnd;
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_TRUE(ThreadDialogs().empty());
    EXPECT_EQ(app.GetProfileInt("Positions", "wp.left", -1), 40u);
    EXPECT_EQ(app.GetProfileInt("Positions", "wp.right", -1), 640u);
    EXPECT_EQ(app.GetProfileInt("Positions", "wp.showCmd", -1), static_cast<UINT>(SW_SHOWNORMAL));
}

TEST_F(MainFrameClose, ExitClosesForGoodAndClearsTheRunningFlag) {
    RegWriteBool(REG_PREFS, "Running", true);
    frame->ShowWindow(SW_SHOW);
    const HWND hFrame = frame->m_hWnd;
    frame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_TRUE(app.IsExiting());
    EXPECT_FALSE(ReadFlag(REG_PREFS, "Running", true));
    EXPECT_TRUE(ThreadDialogs().empty());
}

TEST_F(MainFrameClose, ExitWaitsWithItsNoticeWhileTheDatabaseIsBusy) {
    frame->ShowWindow(SW_SHOW);
    int polls = 0;
    bool noticeSeen = false;
    bool frameDisabled = false;
    CMainFrame::SetDatabaseBusyQuery([&] {
        ++polls;
        for (HWND hDlg : ThreadDialogs()) {
            if (TextOf(hDlg) == "Exit Brindlemark" &&
                ChildTexts(hDlg).find("Please wait while Brindlemark exits.") != std::string::npos)
                noticeSeen = true;
        }
        frameDisabled = frameDisabled || !::IsWindowEnabled(frame->m_hWnd);
        return polls < 4;
    });
    const HWND hFrame = frame->m_hWnd;
    frame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    CMainFrame::SetDatabaseBusyQuery(nullptr);
    EXPECT_EQ(polls, 4);
    EXPECT_TRUE(noticeSeen);
    EXPECT_TRUE(frameDisabled);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_TRUE(ThreadDialogs().empty());
}

TEST_F(MainFrameClose, APlacementSavedWhileHiddenComesBackShown) {
    frame->MoveWindow(30, 30, 500, 300);
    frame->ShowWindow(SW_HIDE);
    frame->SavePlacement();
    EXPECT_EQ(app.GetProfileInt("Positions", "wp.showCmd", -1), static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_TRUE(frame->RestorePlacement());
    EXPECT_TRUE(frame->WasPlacementRestored());
    EXPECT_TRUE(frame->IsWindowVisible());
}

TEST_F(MainFrameClose, RestartMarksTheRestartEndsAndStartsTheProgramAgain) {
    frame->ShowWindow(SW_SHOW);
    const HWND hFrame = frame->m_hWnd;
    TestMainFrame::relaunched.clear();
    frame->RestartApplication();
    EXPECT_TRUE(ReadFlag(REG_PREFS, "Restarting", false));
    EXPECT_TRUE(frame->IsRelaunchPending());
    PumpPending(); // the exit command
    EXPECT_FALSE(::IsWindow(hFrame));
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ(TestMainFrame::relaunched, std::vector<std::string>{module});
}

} // namespace
