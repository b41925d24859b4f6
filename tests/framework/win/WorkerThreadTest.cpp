// Framework windows used on worker threads, both std::thread and threads started with CreateThread: the
// per-thread state they leave (handle maps, the thread's tool tip, its control bars, tracked menus) goes
// away when the thread ends, without a fault and without leaving the threads library's key lock taken
// (which would hang the process when it exits).
#include "WinTestSupport.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CMenu.h"
#include "framework/win/CStatusBar.h"

#include <pthread.h>

#include <atomic>
#include <thread>

namespace {

enum class ThreadKind { StdThread, CreateThread };

constexpr ThreadKind kThreadKinds[] = {ThreadKind::CreateThread, ThreadKind::StdThread};
constexpr int kRounds = 3;
constexpr DWORD kWaitMs = 20000;

const char* NameOf(ThreadKind kind) {
    return kind == ThreadKind::StdThread ? "std::thread" : "CreateThread";
}

// Counts the access violations raised on worker threads (those that called WatchThisThread) while it
// is installed. A fault in the end-of-thread clean-up of a CreateThread thread is swallowed by the
// system loader, so only a first-chance handler sees it.
class WorkerFaultCounter {
public:
    WorkerFaultCounter() {
        s_faults = 0;
        m_handler = ::AddVectoredExceptionHandler(1, &Count);
    }
    ~WorkerFaultCounter() { ::RemoveVectoredExceptionHandler(m_handler); }
    WorkerFaultCounter(const WorkerFaultCounter&) = delete;
    WorkerFaultCounter& operator=(const WorkerFaultCounter&) = delete;

    // Workers run one at a time: the latest one is watched.
    static void WatchThisThread() { s_worker = ::GetCurrentThreadId(); }
    int Faults() const { return s_faults; }

private:
    static LONG CALLBACK Count(EXCEPTION_POINTERS* pInfo) {
        if (pInfo->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION &&
            ::GetCurrentThreadId() == s_worker)
            ++s_faults;
        return EXCEPTION_CONTINUE_SEARCH;
    }

    static inline std::atomic<DWORD> s_worker{0};
    static inline std::atomic<int> s_faults{0};
    void* m_handler = nullptr;
};

DWORD WINAPI RunFunction(void* pWork) {
    WorkerFaultCounter::WatchThisThread();
    (*static_cast<std::function<void()>*>(pWork))();
    return 0;
}

// Runs work on a new thread of the given kind and waits until the thread has ended. False when it did
// not end in time.
bool RunOnWorker(ThreadKind kind, std::function<void()> work) {
    if (kind == ThreadKind::StdThread) {
        std::thread worker([&work] { RunFunction(&work); });
        worker.join();
        return true;
    }
    HANDLE hThread = ::CreateThread(nullptr, 0, &RunFunction, &work, 0, nullptr);
    if (hThread == nullptr)
        return false;
    const bool ended = ::WaitForSingleObject(hThread, kWaitMs) == WAIT_OBJECT_0;
    ::CloseHandle(hThread);
    return ended;
}

// Thread-specific keys can still be made and deleted. The C++ runtime deletes its key for thread_local
// destructors when the process exits; if an ended thread left the key lock taken, that never returns.
bool ThreadKeysUsable() {
    HANDLE hThread = ::CreateThread(
        nullptr, 0,
        [](void*) -> DWORD {
            pthread_key_t key;
            if (pthread_key_create(&key, nullptr) != 0)
                return 1;
            pthread_key_delete(key);
            return 0;
        },
        nullptr, 0, nullptr);
    if (hThread == nullptr)
        return false;
    DWORD code = 1;
    const bool ended = ::WaitForSingleObject(hThread, 5000) == WAIT_OBJECT_0;
    ::GetExitCodeThread(hThread, &code);
    ::CloseHandle(hThread);
    return ended && code == 0;
}

// Runs work a few times on each kind of worker thread; every thread must end without a fault and
// leave the process able to exit.
void CheckOnWorkers(const std::function<void()>& work) {
    WorkerFaultCounter faults;
    for (ThreadKind kind : kThreadKinds) {
        SCOPED_TRACE(NameOf(kind));
        for (int round = 0; round < kRounds; ++round)
            ASSERT_TRUE(RunOnWorker(kind, work)) << "the worker did not end";
        EXPECT_EQ(faults.Faults(), 0) << "a worker faulted";
        EXPECT_TRUE(ThreadKeysUsable()) << "an ended worker left the thread key lock taken";
    }
}

TEST(WorkerThread, HandleMapsOfAnEndedThreadAreCleanedUp) {
    CheckOnWorkers([] {
        CWnd wnd;
        EXPECT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "worker", WS_OVERLAPPEDWINDOW,
                                 CRect(0, 0, 50, 50), nullptr, 0));
        const HWND foreign = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                               nullptr, nullptr);
        // The temporary wrapper is left for the thread's end to delete; the window itself is destroyed.
        EXPECT_NE(CWnd::FromHandle(foreign), nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
        ::DestroyWindow(foreign);
        wnd.DestroyWindow();
    });
}

TEST(WorkerThread, ModelessDialogMadeAndDestroyedOnAWorker) {
    CheckOnWorkers([] {
        CDialog dlg(IDD_SIMPLE);
        ASSERT_TRUE(dlg.Create(IDD_SIMPLE));
        const HWND hDlg = dlg.m_hWnd;
        EXPECT_EQ(::GetWindowThreadProcessId(hDlg, nullptr), ::GetCurrentThreadId());
        wintest::PumpPending();
        EXPECT_TRUE(dlg.DestroyWindow());
        EXPECT_FALSE(::IsWindow(hDlg));
    });
}

TEST(WorkerThread, ToolTipsOfADialogOnAWorker) {
    CheckOnWorkers([] {
        CDialog dlg(IDD_SIMPLE);
        ASSERT_TRUE(dlg.Create(IDD_SIMPLE));
        EXPECT_TRUE(dlg.EnableToolTips(TRUE));
        // A mouse move over a control goes through the thread's tool tip.
        ::PostMessageA(dlg.GetDlgItem(IDC_NAME)->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        wintest::PumpPending();
        dlg.DestroyWindow();
    });
}

class WorkerFrame : public CFrameWnd {
public:
    CStatusBar statusBar;
};

TEST(WorkerThread, ControlBarsOfAFrameOnAWorker) {
    CheckOnWorkers([] {
        auto* pFrame = new WorkerFrame; // deletes itself with its window
        ASSERT_TRUE(pFrame->Create(nullptr, "Worker", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
        ASSERT_TRUE(pFrame->statusBar.Create(pFrame));
        // The thread's list of bars finds the frame's status bar.
        EXPECT_EQ(CControlBar::FrameBars(pFrame), std::vector<CControlBar*>{&pFrame->statusBar});
        EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_STATUS_BAR), &pFrame->statusBar);
        pFrame->DestroyWindow();
    });
}

TEST(WorkerThread, PopupMenuTrackedOnAWorker) {
    CheckOnWorkers([] {
        CWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(0, 0, 200, 100), nullptr, 0));
        CMenu popup;
        ASSERT_TRUE(popup.CreatePopupMenu());
        popup.AppendMenu(MF_STRING, 1, "One");
        // The menu's own loop dispatches the timer that ends it.
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
        EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, &owner), 0);
        ::KillTimer(nullptr, timer);
        owner.DestroyWindow();
    });
}

} // namespace
