// What every window test needs, whatever layer it tests: this thread's dialogs (never another
// process's), a thread-timer driver for modal loops, an application object that records message boxes,
// top-down 32-bit pixels to draw into or read back, and the pictures of the screenshot tests.
#pragma once

#include "framework/win/CWinApp.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest {

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
// show them).
class RecordingApp : public CWinApp {
public:
    // A main window destroyed at the end of an earlier test ended the message loop (WM_QUIT); that
    // must not end this test's loops.
    explicit RecordingApp(LPCSTR lpszAppName) : CWinApp(lpszAppName) {
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

    bool showMessageBoxes = false;
    std::vector<std::string> prompts;
    std::vector<UINT> promptIds;
};

// A top-down DIB section of the given size and depth (24 or 32 bits) and its header; *ppBits points at
// its pixels. nullptr on failure.
inline HBITMAP CreateTopDownDib(HDC hDC, int width, int height, WORD bitCount, void** ppBits,
                                BITMAPINFOHEADER* pHeader = nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    if (pHeader != nullptr)
        *pHeader = info.bmiHeader;
    return ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, ppBits, nullptr, 0);
}

} // namespace wintest
