// Helpers of the window tests of the foundation: an application object that records message boxes,
// this thread's dialogs (never another process's), a thread-timer driver for modal loops, and reading
// back what a window painted.
#pragma once

#include "WindowPartsTestsResource.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWnd.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wptest {

// Records message boxes instead of showing them.
class RecordingApp : public CWinApp {
public:
    RecordingApp() : CWinApp("Brindlemark Window Tests") {
        // A WM_QUIT left by an earlier test in this process must not end this test's loops.
        MSG quit;
        while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT nIDPrompt) override {
        prompts.emplace_back(lpszPrompt);
        promptIds.push_back(nIDPrompt);
        return IDOK;
    }
    std::vector<std::string> prompts;
    std::vector<UINT> promptIds;
};

// Dispatches what is waiting in this thread's queue (WM_QUIT is left).
inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
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

// Visible top-level dialog windows (dialog boxes, message boxes) of the calling thread.
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

// Calls step every few milliseconds from a thread timer, which any message loop dispatches (a modal
// dialog's own), until step returns true. After too many ticks it closes every dialog of the thread
// and records that it timed out, so a broken loop fails instead of hanging.
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

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TimerDriver* self = s_current;
        if (self == nullptr || self->m_id == 0)
            return;
        if (++self->m_ticks > self->m_maxTicks) {
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

// What a window shows, as top-down 32-bit pixels read from its DC after it painted.
class WindowImage {
public:
    explicit WindowImage(HWND hWnd) {
        ::UpdateWindow(hWnd);
        RECT client{};
        ::GetClientRect(hWnd, &client);
        m_width = client.right;
        m_height = client.bottom;
        m_pixels.assign(static_cast<size_t>(m_width) * m_height, 0);
        HDC windowDc = ::GetDC(hWnd);
        HDC memory = ::CreateCompatibleDC(windowDc);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP section = ::CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memory, section);
        ::BitBlt(memory, 0, 0, m_width, m_height, windowDc, 0, 0, SRCCOPY);
        ::GdiFlush();
        if (bits != nullptr)
            memcpy(m_pixels.data(), bits, m_pixels.size() * sizeof(DWORD));
        ::SelectObject(memory, old);
        ::DeleteObject(section);
        ::DeleteDC(memory);
        ::ReleaseDC(hWnd, windowDc);
    }
    // The colour at a client point; CLR_INVALID outside.
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return CLR_INVALID;
        const DWORD pixel = m_pixels[static_cast<size_t>(y) * m_width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};

// The point (x, y) of a window's client area in lParam form for mouse messages.
inline LPARAM MousePoint(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

} // namespace wptest
