// The single-instance application, the main frame that a second start brings forward, and the saved
// window placement. The second copy is this test program started again with ACX_TEST_SECOND_COPY set,
// running only the SecondCopy test.
#include <gtest/gtest.h>

#include "ScratchRegistry.h"
#include "foundation/CAcxMDIFrameWnd.h"
#include "foundation/CAcxWinApp.h"
#include "foundation/CAcxWindowPlacement.h"

#include <cstdlib>
#include <string>

namespace {

const char kSecondCopyVariable[] = "ACX_TEST_SECOND_COPY";

class TestAcxApp : public CAcxWinApp {
public:
    explicit TestAcxApp(const char* name, DWORD retryDelay = 5000) : CAcxWinApp(name) {
        m_nFindRetryDelay = retryDelay;
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    ~TestAcxApp() override {
        if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
            m_pMainWnd->DestroyWindow();
        ExitInstance();
        AfxOleSetUserCtrl(TRUE);
    }
};

class CountingFrame : public CAcxMDIFrameWnd {
public:
    int activations = 0;
    // No MDI client: the frame stands alone in these tests.
    BOOL OnCreateClient(LPCREATESTRUCTA, CCreateContext*) override { return TRUE; }
    LRESULT Activated(WPARAM w, LPARAM l) {
        ++activations;
        return OnGotoForeground(w, l);
    }

protected:
    DECLARE_MESSAGE_MAP()
};
const UINT g_gotoForeground = AcxGotoForegroundMessage();
BEGIN_MESSAGE_MAP(CountingFrame, CAcxMDIFrameWnd)
ON_REGISTERED_MESSAGE(g_gotoForeground, Activated)
END_MESSAGE_MAP()

// A main frame of rect (shown with WS_VISIBLE in style) made the application's main window.
CountingFrame* NewMainFrame(CWinApp& app, DWORD style, const CRect& rect) {
    auto* pFrame = new CountingFrame; // deletes itself with its window
    if (!pFrame->Create(nullptr, "Main", style, rect))
        return nullptr;
    app.m_pMainWnd = pFrame;
    return pFrame;
}

std::string ClassOf(HWND hWnd) {
    char name[128] = {};
    GetClassNameA(hWnd, name, sizeof name);
    return name;
}

std::string UniqueInstanceName() {
    return std::string("AcxTest") + static_cast<LPCSTR>(NewGuidString()) + "Instance";
}

// Starts this program again as the second copy and pumps messages until it ends; its exit code.
DWORD RunSecondCopy(const std::string& instanceName, const char* mode) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = std::string("\"") + exe + "\" --gtest_filter=SecondCopy.* --gtest_color=no";
    const std::string value = instanceName + "|" + mode;
    SetEnvironmentVariableA(kSecondCopyVariable, value.c_str());
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableA(kSecondCopyVariable, nullptr);
    if (!started)
        return 1000;
    for (;;) {
        const DWORD wait = MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 30000, QS_ALLINPUT);
        if (wait != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    DWORD code = 1001;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

// The second copy: its FirstInstance must fail. "slow" waits the full time for a window, "fast" only
// briefly; "restart" then goes on as a restarted copy does and makes its main frame.
TEST(SecondCopy, FirstInstanceFails) {
    const char* value = std::getenv(kSecondCopyVariable);
    if (value == nullptr)
        GTEST_SKIP() << "runs only as the second copy started by the single-instance tests";
    const std::string text = value;
    const std::string name = text.substr(0, text.find('|'));
    const std::string mode = text.substr(text.find('|') + 1);
    TestAcxApp app(name.c_str(), mode == "slow" ? 5000 : 200);
    EXPECT_FALSE(app.FirstInstance(128));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    if (mode != "restart")
        return;
    // The class belongs to the first copy's process: this frame is made with the framework's own.
    CountingFrame* pFrame = NewMainFrame(app, WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200));
    ASSERT_NE(pFrame, nullptr);
    EXPECT_NE(ClassOf(pFrame->m_hWnd), name + "WndClass");
    AcxSendGotoForeground(pFrame);
    EXPECT_EQ(pFrame->activations, 1);
    EXPECT_TRUE(app.IsMainWindowVisible());
}

TEST(AcxWinApp, SecondStartBringsTheFirstCopyForwardAndEnds) {
    const std::string name = UniqueInstanceName();
    TestAcxApp app(name.c_str());
    ASSERT_TRUE(app.FirstInstance(128));
    EXPECT_EQ(app.GetWndClassName(), CString((name + "WndClass").c_str()));

    CountingFrame* pFrame = NewMainFrame(app, WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200));
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(ClassOf(pFrame->m_hWnd), name + "WndClass");
    // Hidden in the tray and not under the user's control.
    AfxOleSetUserCtrl(FALSE);
    EXPECT_FALSE(app.IsMainWindowVisible());

    EXPECT_EQ(RunSecondCopy(name, "slow"), 0u);
    EXPECT_EQ(pFrame->activations, 1);
    EXPECT_TRUE(app.IsMainWindowVisible());
    EXPECT_TRUE(AfxOleGetUserCtrl());

    // Minimized: brought back restored.
    pFrame->ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(pFrame->IsIconic());
    EXPECT_EQ(RunSecondCopy(name, "slow"), 0u);
    EXPECT_EQ(pFrame->activations, 2);
    EXPECT_FALSE(pFrame->IsIconic());
}

TEST(AcxWinApp, SecondStartWithoutAWindowWaitsOnceAndEnds) {
    const std::string name = UniqueInstanceName();
    TestAcxApp app(name.c_str());
    ASSERT_TRUE(app.FirstInstance(128));
    const DWORD start = GetTickCount();
    EXPECT_EQ(RunSecondCopy(name, "fast"), 0u);
    EXPECT_GE(GetTickCount() - start, 200u);
}

TEST(AcxWinApp, RestartedCopyThatGoesOnMakesItsFrameWithTheFrameworksClass) {
    const std::string name = UniqueInstanceName();
    TestAcxApp app(name.c_str());
    ASSERT_TRUE(app.FirstInstance(128));
    EXPECT_EQ(RunSecondCopy(name, "restart"), 0u);
}

TEST(AcxWinApp, RestartedCopyWaitsForTheLockAndTakesIt) {
    const std::string name = UniqueInstanceName();
    // The ending copy: another thread holds the instance mutex until told to let go.
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    struct Holder {
        std::string name;
        HANDLE release;
        HANDLE held;
    } holder{name, release, held};
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID parameter) -> DWORD {
            auto* h = static_cast<Holder*>(parameter);
            HANDLE mutex = CreateMutexA(nullptr, TRUE, h->name.c_str());
            SetEvent(h->held);
            WaitForSingleObject(h->release, INFINITE);
            ReleaseMutex(mutex);
            CloseHandle(mutex);
            return 0;
        },
        &holder, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(held, 10000), WAIT_OBJECT_0);
    {
        TestAcxApp app(name.c_str());
        EXPECT_FALSE(app.WaitForInstance(128, 0));
        SetEvent(release);
        EXPECT_TRUE(app.WaitForInstance(128, 30000));
        WNDCLASSA wc{};
        EXPECT_TRUE(GetClassInfoA(AfxGetInstanceHandle(), (name + "WndClass").c_str(), &wc));
        app.ExitInstance();
    }
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    CloseHandle(held);
    CloseHandle(release);
}

TEST(AcxWinApp, WithoutANameThereIsNoClassAndNoFirstInstance) {
    TestAcxApp app(nullptr);
    EXPECT_TRUE(app.GetWndClassName().IsEmpty());
    EXPECT_FALSE(app.FirstInstance(128));
}

TEST(AcxWinApp, ExitUnregistersTheClassSoTheNextCopyCanRegisterIt) {
    const std::string name = UniqueInstanceName();
    const std::string className = name + "WndClass";
    WNDCLASSA wc{};
    {
        TestAcxApp app(name.c_str());
        ASSERT_TRUE(app.FirstInstance(128));
        EXPECT_TRUE(GetClassInfoA(AfxGetInstanceHandle(), className.c_str(), &wc));
        app.ExitInstance();
        EXPECT_FALSE(GetClassInfoA(AfxGetInstanceHandle(), className.c_str(), &wc));
    }
    TestAcxApp next(name.c_str());
    EXPECT_TRUE(next.FirstInstance(128)); // the lock went with the first object
}

TEST(AcxWinApp, HideOnlyWhenNoUserControlsTheProgram) {
    TestAcxApp app(UniqueInstanceName().c_str());
    ASSERT_TRUE(app.FirstInstance(128));
    CountingFrame* pFrame = NewMainFrame(app, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200));
    ASSERT_NE(pFrame, nullptr);
    AfxOleSetUserCtrl(TRUE);
    app.ActivateApp(false);
    EXPECT_TRUE(app.IsMainWindowVisible());
    AfxOleSetUserCtrl(FALSE);
    app.ActivateApp(false);
    EXPECT_FALSE(app.IsMainWindowVisible());
    app.ActivateApp(true);
    EXPECT_TRUE(app.IsMainWindowVisible());
}

TEST(AcxWindowPlacement, SavedAndRestoredUnderTheSection) {
    ScratchRegistry registry; // gives a unique key; the application's profile is put below it
    const CString key = registry.Root().Mid(9); // without "Software\"
    TestAcxApp app(UniqueInstanceName().c_str());
    app.SetRegistryPath(key, "Brindlemark");
    EXPECT_STREQ(app.m_pszRegistryKey, key);
    EXPECT_STREQ(app.m_pszProfileName, "Brindlemark");

    CountingFrame* pFrame = NewMainFrame(app, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 50, 340, 250));
    ASSERT_NE(pFrame, nullptr);
    CAcxWindowPlacement saved;
    EXPECT_EQ(saved.m_wp.length, 44u);
    saved.Save("Positions", pFrame);
    EXPECT_EQ(app.GetProfileInt("Positions", "wp.left", -1), 40u);
    EXPECT_EQ(app.GetProfileInt("Positions", "wp.bottom", -1), 250u);
    EXPECT_EQ(app.GetProfileInt("Positions", "wp.showCmd", -1), static_cast<UINT>(SW_SHOWNORMAL));

    pFrame->MoveWindow(0, 0, 100, 100);
    CAcxWindowPlacement restored;
    ASSERT_TRUE(restored.Restore("Positions", pFrame));
    CRect rect;
    pFrame->GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(40, 50, 340, 250));

    // A placement on a screen that is gone is not applied.
    app.WriteProfileInt("Positions", "wp.left", 20000);
    app.WriteProfileInt("Positions", "wp.right", 20300);
    CAcxWindowPlacement offScreen;
    EXPECT_FALSE(offScreen.Restore("Positions", pFrame));
    pFrame->GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(40, 50, 340, 250));

    // Missing entries keep what the holder had.
    CAcxWindowPlacement partial;
    partial.m_wp.ptMaxPosition.x = 7;
    partial.Read("Nowhere");
    EXPECT_EQ(partial.m_wp.ptMaxPosition.x, 7);
}

} // namespace
