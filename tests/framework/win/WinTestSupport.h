// Shared helpers of the window framework tests: pumping this thread's messages, finding this thread's
// dialogs (never another process's) and driving a modal loop from a thread timer.
#pragma once

#include <gtest/gtest.h>

#include "WinTestsResource.h"
#include "framework/win/AfxWin.h"

#include <functional>
#include <string>
#include <vector>

namespace wintest {

// Dispatches what is waiting in this thread's queue through the framework's pump (PreTranslateMessage
// included). Leaves WM_QUIT in the queue.
inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxPumpMessage();
}

inline std::string ClassOf(HWND hWnd) {
    char name[64] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

inline std::string TextOf(HWND hWnd) {
    char text[512] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

// Visible top-level dialog windows (dialog boxes and message boxes) of the calling thread.
inline std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (ClassOf(hWnd) == "#32770" && ::IsWindowVisible(hWnd))
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The texts of all children of a window (to read a message box).
inline std::string ChildTexts(HWND hWnd) {
    std::string texts;
    ::EnumChildWindows(
        hWnd,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            *reinterpret_cast<std::string*>(lParam) += TextOf(hChild) + "|";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// Calls step every few milliseconds from a thread timer, which whatever message loop runs (a modal
// dialog's own) dispatches, until step returns true. After too many ticks it gives up, closes every
// dialog of the thread and records that it timed out, so a broken loop fails instead of hanging.
class TimerDriver {
public:
    explicit TimerDriver(std::function<bool()> step, int maxTicks = 500)
        : m_step(std::move(step)), m_maxTicks(maxTicks) {
        s_current = this;
        m_id = ::SetTimer(nullptr, 0, 10, &TimerDriver::Tick);
    }
    ~TimerDriver() {
        Stop();
        s_current = nullptr;
    }
    TimerDriver(const TimerDriver&) = delete;
    TimerDriver& operator=(const TimerDriver&) = delete;

    bool Finished() const { return m_finished; }
    bool TimedOut() const { return m_timedOut; }
    int Ticks() const { return m_ticks; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TimerDriver* self = s_current;
        if (self == nullptr || self->m_id == 0)
            return;
        ++self->m_ticks;
        if (self->m_ticks > self->m_maxTicks) {
            self->m_timedOut = true;
            self->Stop();
            for (HWND hDlg : ThreadDialogs())
                ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        if (self->m_step()) {
            self->m_finished = true;
            self->Stop();
        }
    }
    void Stop() {
        if (m_id != 0)
            ::KillTimer(nullptr, m_id);
        m_id = 0;
    }

    static inline TimerDriver* s_current = nullptr;
    std::function<bool()> m_step;
    int m_maxTicks;
    UINT_PTR m_id = 0;
    int m_ticks = 0;
    bool m_finished = false;
    bool m_timedOut = false;
};

// The application object of a test: records message boxes instead of showing them (unless told to
// show them) and the codes its message filter sees.
class TestApp : public CWinApp {
public:
    // A main window destroyed at the end of an earlier test ended the message loop (WM_QUIT); that
    // must not end this test's loops.
    TestApp() : CWinApp("Window Framework Tests") {
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        prompts.emplace_back(lpszPrompt);
        promptIds.push_back(nIDPrompt);
        if (showMessageBoxes)
            return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
        return IDOK;
    }
    BOOL ProcessMessageFilter(int code, LPMSG lpMsg) override {
        filterCodes.push_back(code);
        return CWinApp::ProcessMessageFilter(code, lpMsg);
    }
    BOOL OnIdle(LONG lCount) override {
        idleCounts.push_back(lCount);
        const BOOL more = CWinApp::OnIdle(lCount);
        if (onIdle)
            onIdle(lCount);
        return more;
    }

    bool showMessageBoxes = false;
    std::vector<std::string> prompts;
    std::vector<UINT> promptIds;
    std::vector<int> filterCodes;
    std::vector<LONG> idleCounts;
    std::function<void(LONG)> onIdle;
};

} // namespace wintest
