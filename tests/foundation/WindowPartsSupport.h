// Helpers of the window tests of the foundation: an application object that records message boxes,
// pumping this thread's messages, and reading back what a window painted; with the helpers of every
// window test.
#pragma once

#include "WindowPartsTestsResource.h"
#include "framework/win/WindowTestCommon.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWnd.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wptest {

using wintest::ClassOf;
using wintest::CreateTopDownDib;
using wintest::TextOf;
using wintest::ThreadDialogs;
using wintest::TimerDriver;

// Records message boxes instead of showing them.
class RecordingApp : public wintest::RecordingApp {
public:
    RecordingApp() : wintest::RecordingApp("Brindlemark Window Tests") {}
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
        void* bits = nullptr;
        HBITMAP section = CreateTopDownDib(windowDc, m_width, m_height, 32, &bits);
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
