// Windows and wrappers made on a worker thread: the thread's own handle maps are cleaned up when it ends,
// without crashing it.
#include "WinTestSupport.h"

#include <thread>

namespace {

// A worker that makes a framework window, wraps a window it does not own and ends.
void UseWindowsOnThisThread(bool& created, bool& wrapped) {
    CWnd wnd;
    created = wnd.CreateEx(0, AfxRegisterWndClass(0), "worker", WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50),
                           nullptr, 0) != FALSE;
    const HWND foreign =
        ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* pTemporary = CWnd::FromHandle(foreign);
    wrapped = pTemporary != nullptr && CWnd::FromHandlePermanent(foreign) == nullptr &&
              CWnd::FromHandlePermanent(wnd.m_hWnd) == &wnd;
    // The temporary wrapper is left for the thread's end to delete; the window itself is destroyed.
    ::DestroyWindow(foreign);
    wnd.DestroyWindow();
}

TEST(WorkerThread, HandleMapsOfAnEndedThreadAreCleanedUp) {
    for (int i = 0; i < 3; ++i) {
        bool created = false;
        bool wrapped = false;
        std::thread worker([&] { UseWindowsOnThisThread(created, wrapped); });
        worker.join();
        EXPECT_TRUE(created);
        EXPECT_TRUE(wrapped);
    }
}

} // namespace
