// Shared helpers of the control wrapper tests: a top-level parent window of the test's own thread that
// records the notifications its controls send, message pumping, and bitmaps made in memory.
#pragma once

#include <gtest/gtest.h>

#include "ControlsTestsResource.h"
#include "WindowTestCommon.h"
#include "framework/win/AfxCmn.h"
#include "framework/win/AfxWin.h"

#include <functional>
#include <utility>
#include <vector>

namespace ctltest {

// Dispatches whatever waits in this thread's queue.
inline void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Records (control id, notification code) of the WM_COMMAND and WM_NOTIFY messages it receives, after
// the framework has routed them (reflection to the control first).
class ParentWnd : public CWnd {
public:
    BOOL CreateParent() {
        return CreateEx(0,
                        AfxRegisterWndClass(CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                        "Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480), nullptr, 0);
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        const auto* nmhdr = reinterpret_cast<const NMHDR*>(lParam);
        notifications.emplace_back(static_cast<UINT>(nmhdr->idFrom), nmhdr->code);
        if (onNotify && onNotify(nmhdr, pResult))
            return TRUE;
        return CWnd::OnNotify(wParam, lParam, pResult);
    }

    int CountCommands(UINT nID, UINT nCode) const {
        int count = 0;
        for (const auto& [id, code] : commands)
            count += (id == nID && code == nCode) ? 1 : 0;
        return count;
    }
    int CountNotifications(UINT nID, UINT nCode) const {
        int count = 0;
        for (const auto& [id, code] : notifications)
            count += (id == nID && code == nCode) ? 1 : 0;
        return count;
    }

    std::vector<std::pair<UINT, UINT>> commands;
    std::vector<std::pair<UINT, UINT>> notifications;
    // Returns true when it handled the notification (with *pResult set).
    std::function<bool(const NMHDR*, LRESULT*)> onNotify;
};

// Every test gets a fresh parent window, destroyed (with its controls) afterwards.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(parent.CreateParent()); }
    void TearDown() override {
        parent.DestroyWindow();
        Pump();
        CWnd::DeleteTempMap();
        CImageList::DeleteTempMap();
    }

    static CRect Area(int left, int top, int width, int height) {
        return CRect(left, top, left + width, top + height);
    }

    ParentWnd parent;
};

// A 32-bit top-down DIB section of width x height filled by colour(x, y).
inline HBITMAP MakeBitmap(int width, int height, const std::function<COLORREF(int, int)>& colour) {
    void* bits = nullptr;
    HBITMAP hBitmap = wintest::CreateTopDownDib(nullptr, width, height, 32, &bits);
    if (hBitmap == nullptr)
        return nullptr;
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return hBitmap;
}

inline HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
    return MakeBitmap(width, height, [colour](int, int) { return colour; });
}

// A memory DC over a white 32-bit bitmap, for drawing and reading pixels back.
class Canvas {
public:
    Canvas(int width, int height)
        : m_hDC(::CreateCompatibleDC(nullptr)), m_hBitmap(SolidBitmap(width, height, RGB(255, 255, 255))) {
        m_old = ::SelectObject(m_hDC, m_hBitmap);
        m_dc.Attach(m_hDC);
    }
    ~Canvas() {
        m_dc.Detach();
        ::SelectObject(m_hDC, m_old);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_old = nullptr;
    CDC m_dc;
};

} // namespace ctltest
