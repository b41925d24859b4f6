// The application object: message loop with idle work, message filters of modal loops, message boxes,
// profile settings in the registry and INI files, the recent-file list and the command line.
#include "WinTestSupport.h"

#include "framework/core/CUserException.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace wintest;

namespace {

// ---------------------------------------------------------------------------------------------------
// Message loop and idle work

class IdleWnd : public CWnd {
public:
    int idleUpdates = 0;
    WPARAM lastIdleParam = 0;
    std::vector<UINT> preTranslated;
    bool eatKeys = false;

    BOOL CreateChild(CWnd* pParent) {
        return Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 20, 20), pParent, 9);
    }
    BOOL CreateTop() {
        return CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 200, 100), nullptr, 0);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) {
            preTranslated.push_back(pMsg->message);
            return eatKeys;
        }
        return FALSE;
    }

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
        ++idleUpdates;
        lastIdleParam = wParam;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(IdleWnd, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

TEST(App, ConstructionMakesTheApplicationAndThreadObject) {
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxGetThread(), &app);
    EXPECT_STREQ(AfxGetAppName(), "Window Framework Tests");
    EXPECT_STREQ(app.m_pszExeName, "test_framework_win");
    EXPECT_STREQ(app.m_pszProfileName, "test_framework_win.INI");
    EXPECT_EQ(app.m_pszRegistryKey, nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST(App, NameComesFromTheTitleStringWhenNotGiven) {
    CWinApp app; // AFX_IDS_APP_TITLE of the test's resources
    EXPECT_STREQ(app.m_pszAppName, "Window Framework Tests");
}

TEST(App, ApplicationIsForgottenWhenDestroyed) {
    { TestApp app; }
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxGetThread(), nullptr);
}

TEST(App, RunDoesIdleWorkAndEndsWithTheQuitCode) {
    TestApp app;
    IdleWnd main;
    ASSERT_TRUE(main.CreateTop());
    IdleWnd child;
    ASSERT_TRUE(child.CreateChild(&main));
    app.m_pMainWnd = &main;
    EXPECT_EQ(AfxGetMainWnd(), &main);

    HWND hForeign = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
    CWnd::FromHandle(hForeign); // a temporary wrapper that idle time frees
    size_t tempsDuringIdle = 99;
    app.onIdle = [&](LONG lCount) {
        if (lCount == 1) {
            tempsDuringIdle = AfxMapHWND()->GetTemporaryCount();
            ::PostQuitMessage(3);
        }
    };
    EXPECT_EQ(app.Run(), 3);
    ASSERT_GE(app.idleCounts.size(), 2u);
    EXPECT_EQ(app.idleCounts[0], 0);
    EXPECT_EQ(app.idleCounts[1], 1);
    EXPECT_EQ(main.idleUpdates, 1); // count 0 updates the command UI of the main window ...
    EXPECT_EQ(main.lastIdleParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(child.idleUpdates, 1); // ... and of its descendants
    EXPECT_EQ(tempsDuringIdle, 0u);  // count 1 frees the temporary wrappers
    ::DestroyWindow(hForeign);
}

TEST(App, IdleStartsAgainAfterMessagesButNotForRepeatedMouseMoves) {
    TestApp app;
    MSG move{};
    move.message = WM_MOUSEMOVE;
    move.pt = POINT{5, 5};
    EXPECT_TRUE(app.IsIdleMessage(&move));
    EXPECT_FALSE(app.IsIdleMessage(&move)); // same place again
    move.pt.x = 6;
    EXPECT_TRUE(app.IsIdleMessage(&move));
    MSG paint{};
    paint.message = WM_PAINT;
    EXPECT_FALSE(app.IsIdleMessage(&paint));
    MSG key{};
    key.message = WM_KEYDOWN;
    EXPECT_TRUE(app.IsIdleMessage(&key));
}

TEST(App, MainWindowClosingEndsTheMessageLoop) {
    TestApp app;
    IdleWnd main;
    ASSERT_TRUE(main.CreateTop());
    app.m_pMainWnd = &main;
    app.onIdle = [&](LONG lCount) {
        if (lCount == 0 && main.m_hWnd != nullptr)
            main.PostMessage(WM_CLOSE);
    };
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(main.m_hWnd, nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST(App, ExitCommandClosesTheMainWindow) {
    TestApp app;
    IdleWnd main;
    ASSERT_TRUE(main.CreateTop());
    app.m_pMainWnd = &main;
    EXPECT_TRUE(app.OnCmdMsg(ID_APP_EXIT, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(main.m_hWnd, nullptr);
    MSG msg{};
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)); // the loop would end
}

TEST(App, MessagesArePreTranslatedByTheWindowAndItsParents) {
    TestApp app;
    IdleWnd main;
    ASSERT_TRUE(main.CreateTop());
    IdleWnd child;
    ASSERT_TRUE(child.CreateChild(&main));
    app.m_pMainWnd = &main;

    child.PostMessage(WM_KEYDOWN, 'A', 1);
    PumpPending();
    EXPECT_EQ(child.preTranslated.size(), 1u);
    EXPECT_EQ(main.preTranslated.size(), 1u);

    child.eatKeys = true; // a window that translates a message ends the walk
    child.PostMessage(WM_KEYDOWN, 'B', 1);
    PumpPending();
    EXPECT_EQ(child.preTranslated.size(), 2u);
    EXPECT_EQ(main.preTranslated.size(), 1u);
}

class ThreadMessageApp : public TestApp {
public:
    std::vector<std::pair<WPARAM, LPARAM>> received;

protected:
    afx_msg void OnThreadPing(WPARAM wParam, LPARAM lParam) { received.emplace_back(wParam, lParam); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThreadMessageApp, TestApp)
ON_THREAD_MESSAGE(WM_APP + 20, OnThreadPing)
END_MESSAGE_MAP()

TEST(App, ThreadMessagesGoToTheThreadsMessageMap) {
    ThreadMessageApp app;
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP + 20, 4, 5);
    PumpPending();
    ASSERT_EQ(app.received.size(), 1u);
    EXPECT_EQ(app.received[0].first, 4u);
    EXPECT_EQ(app.received[0].second, 5);
}

// A handler's framework exception is reported and turned into the message's failure result.
class ThrowingWnd : public CWnd {
protected:
    afx_msg int OnCreate(LPCREATESTRUCTA) { AfxThrowUserException(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(App, ExceptionInOnCreateFailsTheCreation) {
    TestApp app;
    ThrowingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "x", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_TRUE(app.prompts.empty()); // a user exception was already explained: no message box
}

// What the program's entry point runs: InitInstance, then the message loop unless it failed.
class EntryApp : public TestApp {
public:
    BOOL initResult = TRUE;
    int exitCalls = 0;
    IdleWnd main;

    BOOL InitInstance() override {
        if (!initResult)
            return FALSE;
        if (!main.CreateTop())
            return FALSE;
        m_pMainWnd = &main;
        main.PostMessage(WM_CLOSE);
        return TRUE;
    }
    int ExitInstance() override {
        ++exitCalls;
        return CWinApp::ExitInstance() + 10;
    }
};

TEST(App, WinMainRunsTheApplicationUntilItsMainWindowCloses) {
    EntryApp app;
    char commandLine[] = "/p file.bmk";
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWMINIMIZED), 10);
    EXPECT_EQ(app.exitCalls, 1);
    EXPECT_EQ(app.m_lpCmdLine, commandLine);
    EXPECT_EQ(app.m_nCmdShow, SW_SHOWMINIMIZED);
    EXPECT_EQ(app.main.m_hWnd, nullptr);
}

TEST(App, WinMainEndsAtOnceWhenInitialisationFails) {
    EntryApp app;
    app.initResult = FALSE;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), 10);
    EXPECT_EQ(app.exitCalls, 1);
    EXPECT_TRUE(app.idleCounts.empty()); // no message loop ran
}

// ---------------------------------------------------------------------------------------------------
// Message boxes and the message filter of modal loops

TEST(App, MessageBoxShowsThePromptOwnedByTheMainWindowAndFiltersItsMessages) {
    TestApp app;
    app.showMessageBoxes = true;
    IdleWnd main;
    ASSERT_TRUE(main.CreateTop());
    app.m_pMainWnd = &main;

    std::string caption;
    std::string texts;
    bool mainDisabled = false;
    HWND owner = nullptr;
    TimerDriver driver([&] {
        auto dialogs = ThreadDialogs();
        if (dialogs.empty())
            return false;
        HWND box = dialogs.front();
        caption = TextOf(box);
        texts = ChildTexts(box);
        owner = ::GetWindow(box, GW_OWNER);
        mainDisabled = !::IsWindowEnabled(main.m_hWnd);
        // A key for the box goes through its modal loop, which offers it to the message filter.
        ::PostMessageA(box, WM_KEYDOWN, VK_SHIFT, 1);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(AfxMessageBox(AFX_IDP_PARSE_INT), IDOK);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(caption, "Window Framework Tests");
    EXPECT_NE(texts.find("Please enter an integer."), std::string::npos) << texts;
    EXPECT_EQ(owner, main.m_hWnd);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(main.IsWindowEnabled());
    bool sawDialogFilter = false;
    for (int code : app.filterCodes)
        sawDialogFilter = sawDialogFilter || code == MSGF_DIALOGBOX;
    EXPECT_TRUE(sawDialogFilter);
}

TEST(App, WaitCursorLevelsNest) {
    TestApp app;
    HCURSOR arrow = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    HCURSOR wait = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));
    ::SetCursor(arrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(app.m_nWaitCursorCount, 1);
        EXPECT_EQ(::GetCursor(), wait);
        app.BeginWaitCursor();
        EXPECT_EQ(app.m_nWaitCursorCount, 2);
        ::SetCursor(arrow);
        outer.Restore();
        EXPECT_EQ(::GetCursor(), wait);
        app.EndWaitCursor();
        EXPECT_EQ(::GetCursor(), wait); // still one level
    }
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
    EXPECT_EQ(::GetCursor(), arrow);
    app.EndWaitCursor(); // one too many does not go below zero
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
}

TEST(App, StandardResourcesLoad) {
    TestApp app;
    EXPECT_NE(app.LoadStandardCursor(MAKEINTRESOURCEA(32512)), nullptr);
    EXPECT_NE(app.LoadStandardIcon(MAKEINTRESOURCEA(32512)), nullptr);
    EXPECT_EQ(app.LoadIcon(12345), nullptr);
}

// ---------------------------------------------------------------------------------------------------
// Profile

// An application with its own registry key, removed again after the test.
class RegistryProfile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        company = "Brindlemark Tests " + std::to_string(::GetCurrentProcessId()) + " " + info->name();
        app.SetRegistryKey(company.c_str());
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + company).c_str()); }

    bool KeyExists(const std::string& below) {
        HKEY hKey = nullptr;
        const std::string path = "Software\\" + company + "\\Window Framework Tests" + below;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }
    DWORD ValueType(const char* section, const char* entry) {
        DWORD type = REG_NONE;
        const std::string path = "Software\\" + company + "\\Window Framework Tests\\" + section;
        if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), entry, RRF_RT_ANY, &type, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return REG_NONE;
        return type;
    }

    TestApp app;
    std::string company;
};

TEST_F(RegistryProfile, ValuesRoundTripUnderTheApplicationKey) {
    EXPECT_STREQ(app.m_pszRegistryKey, company.c_str());
    EXPECT_STREQ(app.m_pszProfileName, "Window Framework Tests");

    EXPECT_TRUE(app.WriteProfileInt("Settings", "Count", -5));
    EXPECT_TRUE(app.WriteProfileString("Settings", "Name",
                                       "Gr\xFC\xDF"
                                       "e"));
    BYTE data[] = {0, 1, 0xFF, 0x80, 0x10};
    EXPECT_TRUE(app.WriteProfileBinary("Settings", "Blob", data, sizeof data));

    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Settings", "Count", 0)), -5);
    EXPECT_EQ(app.GetProfileString("Settings", "Name"), "Gr\xFC\xDF"
                                                        "e");
    LPBYTE read = nullptr;
    UINT size = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &read, &size));
    ASSERT_EQ(size, sizeof data);
    EXPECT_EQ(std::vector<BYTE>(read, read + size), std::vector<BYTE>(data, data + sizeof data));
    delete[] read;

    EXPECT_EQ(ValueType("Settings", "Count"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ValueType("Settings", "Name"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ValueType("Settings", "Blob"), static_cast<DWORD>(REG_BINARY));
}

TEST_F(RegistryProfile, MissingOrMistypedValuesGiveTheDefault) {
    EXPECT_EQ(app.GetProfileInt("Nowhere", "Count", 17), 17u);
    EXPECT_EQ(app.GetProfileString("Nowhere", "Name", "fallback"), "fallback");
    EXPECT_EQ(app.GetProfileString("Nowhere", "Name"), "");
    LPBYTE read = reinterpret_cast<LPBYTE>(1);
    UINT size = 9;
    EXPECT_FALSE(app.GetProfileBinary("Nowhere", "Blob", &read, &size));
    EXPECT_EQ(read, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_FALSE(KeyExists("\\Nowhere")); // reading creates nothing

    app.WriteProfileString("Typed", "Text", "12");
    EXPECT_EQ(app.GetProfileInt("Typed", "Text", 4), 4u); // a string is not a number
    app.WriteProfileInt("Typed", "Number", 12);
    EXPECT_EQ(app.GetProfileString("Typed", "Number", "none"), "none");
    EXPECT_EQ(app.GetProfileString("Typed", "Text", "none"), "12");
    app.WriteProfileString("Typed", "Empty", "");
    EXPECT_EQ(app.GetProfileString("Typed", "Empty", "none"), "");
}

TEST_F(RegistryProfile, NullValueDeletesTheEntryAndNullEntryTheSection) {
    app.WriteProfileString("Section", "A", "1");
    app.WriteProfileString("Section", "B", "2");
    app.WriteProfileInt("Other", "C", 3);
    EXPECT_TRUE(app.WriteProfileString("Section", "A", nullptr));
    EXPECT_EQ(app.GetProfileString("Section", "A", "gone"), "gone");
    EXPECT_EQ(app.GetProfileString("Section", "B"), "2");
    EXPECT_TRUE(app.WriteProfileString("Section", "A", nullptr)); // already gone: still fine

    EXPECT_TRUE(app.WriteProfileString("Section", nullptr, nullptr));
    EXPECT_FALSE(KeyExists("\\Section"));
    EXPECT_EQ(app.GetProfileString("Section", "B", "gone"), "gone");
    EXPECT_EQ(app.GetProfileInt("Other", "C", 0), 3u); // other sections stay
    EXPECT_TRUE(app.WriteProfileString("Section", nullptr, nullptr));
}

TEST_F(RegistryProfile, AppAndSectionKeysAreCreatedAndOpened) {
    HKEY hApp = app.GetAppRegistryKey();
    ASSERT_NE(hApp, nullptr);
    ::RegCloseKey(hApp);
    EXPECT_TRUE(KeyExists(""));
    HKEY hSection = app.GetSectionKey("Made");
    ASSERT_NE(hSection, nullptr);
    const DWORD value = 9;
    ::RegSetValueExA(hSection, "Direct", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(hSection);
    EXPECT_EQ(app.GetProfileInt("Made", "Direct", 0), 9u);
}

TEST(IniProfile, ValuesGoToTheProfileFileWithoutARegistryKey) {
    TestApp app;
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    const std::string file =
        std::string(dir) + "brindlemark-wintest-" + std::to_string(::GetCurrentProcessId()) + ".ini";
    ::DeleteFileA(file.c_str());
    std::free(const_cast<char*>(app.m_pszProfileName));
    app.m_pszProfileName = _strdup(file.c_str());

    EXPECT_TRUE(app.WriteProfileInt("Settings", "Count", -5));
    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", "value"));
    BYTE data[] = {0, 0xAB, 0xFF};
    EXPECT_TRUE(app.WriteProfileBinary("Settings", "Blob", data, sizeof data));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Settings", "Count", 0)), -5);
    EXPECT_EQ(app.GetProfileString("Settings", "Name"), "value");
    LPBYTE read = nullptr;
    UINT size = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &read, &size));
    EXPECT_EQ(std::vector<BYTE>(read, read + size), std::vector<BYTE>(data, data + sizeof data));
    delete[] read;

    char raw[64] = {};
    ::GetPrivateProfileStringA("Settings", "Name", "", raw, sizeof raw, file.c_str());
    EXPECT_STREQ(raw, "value");
    app.WriteProfileString("Settings", "Name", nullptr);
    EXPECT_EQ(app.GetProfileString("Settings", "Name", "gone"), "gone");
    app.WriteProfileString("Settings", nullptr, nullptr);
    EXPECT_EQ(app.GetProfileInt("Settings", "Count", 8), 8u);
    ::DeleteFileA(file.c_str());
}

// ---------------------------------------------------------------------------------------------------
// Recent files

TEST_F(RegistryProfile, RecentFileListIsKeptNewestFirstUnderRecentFileList) {
    app.WriteProfileString("Recent File List", "File1", "C:\\data\\one.bmk");
    app.WriteProfileString("Recent File List", "File2", "C:\\data\\two.bmk");
    app.LoadStdProfileSettings(3);
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    CRecentFileList& list = *app.m_pRecentFileList;
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list[0], "C:\\data\\one.bmk");
    EXPECT_EQ(list[1], "C:\\data\\two.bmk");
    EXPECT_EQ(list[2], "");

    app.AddToRecentFileList("C:\\data\\TWO.bmk"); // same file: moves up, takes the new spelling
    EXPECT_EQ(list[0], "C:\\data\\TWO.bmk");
    EXPECT_EQ(list[1], "C:\\data\\one.bmk");
    EXPECT_EQ(list[2], "");
    app.AddToRecentFileList("C:\\data\\three.bmk");
    app.AddToRecentFileList("C:\\data\\four.bmk"); // the oldest falls off
    EXPECT_EQ(list[0], "C:\\data\\four.bmk");
    EXPECT_EQ(list[2], "C:\\data\\TWO.bmk");

    list.Remove(0);
    EXPECT_EQ(list[0], "C:\\data\\three.bmk");
    EXPECT_EQ(list[2], "");
    app.SaveStdProfileSettings();
    EXPECT_EQ(app.GetProfileString("Recent File List", "File1"), "C:\\data\\three.bmk");
    EXPECT_EQ(app.GetProfileString("Recent File List", "File2"), "C:\\data\\TWO.bmk");
    EXPECT_EQ(app.GetProfileString("Recent File List", "File3", "deleted"), "deleted");
}

TEST_F(RegistryProfile, RecentFilesReplaceTheirMenuItem) {
    app.LoadStdProfileSettings(4);
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = bar.GetSubMenu(0);
    const UINT count = popup->GetMenuItemCount();

    // No files: the original item stays, disabled.
    CCmdUI::UpdateMenu(&app, popup, TRUE);
    EXPECT_EQ(popup->GetMenuItemCount(), count);
    EXPECT_TRUE(popup->GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);

    app.AddToRecentFileList("C:\\a\\R&D notes.bmk");
    app.AddToRecentFileList("C:\\a\\second.bmk");
    CCmdUI::UpdateMenu(&app, popup, TRUE);
    ASSERT_EQ(popup->GetMenuItemCount(), count + 1);
    CString text;
    popup->GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&1 C:\\a\\second.bmk");
    EXPECT_EQ(popup->GetMenuItemID(1), static_cast<UINT>(ID_FILE_MRU_FILE1));
    popup->GetMenuString(2, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&2 C:\\a\\R&&D notes.bmk");
    EXPECT_EQ(popup->GetMenuItemID(2), static_cast<UINT>(ID_FILE_MRU_FILE2));
    EXPECT_FALSE(popup->GetMenuState(ID_FILE_MRU_FILE2, MF_BYCOMMAND) & MF_GRAYED);
    // Items after the list were still updated: they have no handler in the application.
    EXPECT_TRUE(popup->GetMenuState(ID_CMD_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(popup->GetMenuState(ID_APP_EXIT, MF_BYCOMMAND) & MF_GRAYED);

    // Updating again replaces the items instead of adding more.
    CCmdUI::UpdateMenu(&app, popup, TRUE);
    EXPECT_EQ(popup->GetMenuItemCount(), count + 1);
}

TEST(RecentFiles, LongPathsAreShortenedForDisplay) {
    CRecentFileList list(0, "Recent File List", "File%d", 4, 30);
    list.Add("C:\\Projects\\Customers\\Quillmere\\Reports\\Time Log.bmk");
    list.Add("C:\\x\\short.bmk");
    CString name;
    ASSERT_TRUE(list.GetDisplayName(name, 1, nullptr, 0));
    EXPECT_EQ(name, "C:\\...\\Reports\\Time Log.bmk");
    EXPECT_LE(name.GetLength(), 30);
    ASSERT_TRUE(list.GetDisplayName(name, 0, "C:\\x", 4));
    EXPECT_EQ(name, "short.bmk"); // in the current folder: the name alone
    EXPECT_FALSE(list.GetDisplayName(name, 2, nullptr, 0));
}

// ---------------------------------------------------------------------------------------------------
// Command line

struct CommandLineCase {
    const char* line;
    int shellCommand;
    const char* fileName;
    const char* printer;
    BOOL embedded;
    BOOL automated;
    BOOL splash;
};

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {
protected:
    void TearDown() override { AfxOleSetUserCtrl(TRUE); }
};

TEST_P(CommandLine, IsParsedIntoTheShellCommand) {
    const CommandLineCase& c = GetParam();
    TestApp app;
    std::string line = c.line;
    app.m_lpCmdLine = line.data();
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(static_cast<int>(info.m_nShellCommand), c.shellCommand);
    EXPECT_EQ(info.m_strFileName, c.fileName);
    EXPECT_EQ(info.m_strPrinterName, c.printer);
    EXPECT_EQ(info.m_bRunEmbedded, c.embedded);
    EXPECT_EQ(info.m_bRunAutomated, c.automated);
    EXPECT_EQ(info.m_bShowSplash, c.splash);
    EXPECT_EQ(AfxOleGetUserCtrl(), !(c.embedded || c.automated));
}

INSTANTIATE_TEST_SUITE_P(
    App, CommandLine,
    ::testing::Values(
        CommandLineCase{"", CCommandLineInfo::FileNew, "", "", FALSE, FALSE, TRUE},
        CommandLineCase{"log.bmk", CCommandLineInfo::FileOpen, "log.bmk", "", FALSE, FALSE, TRUE},
        CommandLineCase{"  \"C:\\My Logs\\a b.bmk\"  ", CCommandLineInfo::FileOpen, "C:\\My Logs\\a b.bmk",
                        "", FALSE, FALSE, TRUE},
        CommandLineCase{"/p x.bmk", CCommandLineInfo::FilePrint, "x.bmk", "", FALSE, FALSE, TRUE},
        CommandLineCase{"-PT x.bmk \"Office Printer\" drv port", CCommandLineInfo::FilePrintTo, "x.bmk",
                        "Office Printer", FALSE, FALSE, TRUE},
        CommandLineCase{"/Embedding", CCommandLineInfo::FileNew, "", "", TRUE, FALSE, FALSE},
        CommandLineCase{"-automation", CCommandLineInfo::FileNew, "", "", FALSE, TRUE, FALSE},
        CommandLineCase{"/RegServer", CCommandLineInfo::AppRegister, "", "", FALSE, FALSE, TRUE},
        CommandLineCase{"/unregister", CCommandLineInfo::AppUnregister, "", "", FALSE, FALSE, TRUE},
        CommandLineCase{"/TRAYICON", CCommandLineInfo::FileNew, "", "", FALSE, FALSE, TRUE},
        CommandLineCase{"a\\\\\"b c\" \\\"q", CCommandLineInfo::FileOpen, "a\\b c", "", FALSE, FALSE, TRUE}));

// A derived command-line object sees every parameter, flags without their '/' or '-'.
class RecordingCommandLine : public CCommandLineInfo {
public:
    std::vector<std::string> seen;
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override {
        seen.push_back(std::string(bFlag ? "flag:" : "param:") + pszParam + (bLast ? " (last)" : ""));
        CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
    }
};

TEST(App, EachParameterReachesParseParam) {
    TestApp app;
    std::string line = "/TrayIcon \"two words\" -x \\\\server\\share\\f.bmk";
    app.m_lpCmdLine = line.data();
    RecordingCommandLine info;
    app.ParseCommandLine(info);
    EXPECT_EQ(info.seen, (std::vector<std::string>{"flag:TrayIcon", "param:two words", "flag:x",
                                                   "param:\\\\server\\share\\f.bmk (last)"}));
    EXPECT_EQ(info.m_strFileName, "two words");
}

} // namespace
