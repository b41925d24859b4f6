// What the grid core tests share: the engine started once per test program, a windowless grid with a
// fixed grid area, a grid in a real window, and pumping this thread's messages.
#pragma once

#include "framework/win/AfxWin.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEGridWnd.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace gridtest {

// GEInitializeLibrary once per test program (a second call would only replace the factory).
inline void StartEngine() {
    static const bool started = [] {
        GEInitializeLibrary(1536, 0, 0);
        return true;
    }();
    (void)started;
}

// TRUE when f throws a framework exception of class E (which is deleted).
template <class E, class F> bool ThrowsFrameworkException(F f) {
    try {
        f();
    } catch (E* e) {
        e->Delete();
        return true;
    }
    return false;
}

inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A base (or first member) that starts the engine before the grid it precedes is constructed, so that the
// grid gets its features whichever test of the program runs first.
struct EngineStarted {
    EngineStarted() { StartEngine(); }
};

// The engine started before a grid's construction installs its features; passes pWnd on.
inline CWnd* Started(CWnd* pWnd) {
    StartEngine();
    return pWnd;
}

// A grid core without a window: its grid area is the rectangle given. Modifier keys are answered by
// the test, not by the keyboard.
class TestGrid : public CGEGridCore {
public:
    explicit TestGrid(ROWCOL nRows = 20, ROWCOL nCols = 10, CRect area = CRect(0, 0, 400, 300))
        : CGEGridCore(Started(nullptr)) {
        SetGridRect(TRUE, &area);
        OnGridInitialUpdate();
        SetRowCount(nRows, GE_NOREDRAW);
        SetColCount(nCols, GE_NOREDRAW);
    }
    BOOL IsKeyDown(int nVirtKey) const override {
        return (nVirtKey == VK_CONTROL && ctrl) || (nVirtKey == VK_SHIFT && shift) ||
               (nVirtKey == VK_MENU && alt);
    }
    void DisplayWarningText() override { ++warnings; }
    // Stores a value into the data without going through the range operations.
    void PutValue(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
        CGEStyle style;
        style.SetValue(pszValue);
        GetData()->StoreStyleRowCol(nRow, nCol, &style, geOverride, -1);
    }

    BOOL ctrl = FALSE;
    BOOL shift = FALSE;
    BOOL alt = FALSE;
    int warnings = 0;
};

// A cell control whose editing state the test sets, counting what the grid asks of it.
class RecordingControl : public CGEControl {
public:
    explicit RecordingControl(CGEGridCore* pGrid) : CGEControl(pGrid) {}
    void SetActive(BOOL b) override { active = b; }
    BOOL IsActive() const override { return active; }
    void SetModify(BOOL b) override { modified = b; }
    BOOL GetModify() const override { return modified; }
    BOOL Store() override {
        ++stores;
        if (!text.IsEmpty())
            m_pGrid->StoreValueInRange(CGECellRange(m_nRow, m_nCol, m_nRow, m_nCol), text, geOverride, -1,
                                       GE_NOREDRAW);
        return TRUE;
    }
    BOOL OnValidate() override {
        ++validations;
        if (!valid)
            m_pGrid->SetWarningText("refused");
        return valid && CGEControl::OnValidate();
    }
    void Init(ROWCOL nRow, ROWCOL nCol) override {
        ++inits;
        CGEControl::Init(nRow, nCol);
    }
    BOOL OnGridKeyDown(UINT nChar, UINT, UINT) override { return nChar == keptKey; }

    BOOL active = FALSE;
    BOOL modified = FALSE;
    BOOL valid = TRUE;
    CString text;
    UINT keptKey = 0;
    int stores = 0;
    int validations = 0;
    int inits = 0;
};

// A 32-bit top-down bitmap selected into a memory DC, to paint a grid into and read pixels back.
class PixelCanvas {
public:
    PixelCanvas(int cx, int cy, COLORREF fill = RGB(255, 0, 255)) : m_cx(cx), m_cy(cy) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc.CreateCompatibleDC(nullptr);
        m_hBitmap = ::CreateDIBSection(m_dc.GetSafeHdc(), &info, DIB_RGB_COLORS,
                                       reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, fill);
    }
    ~PixelCanvas() {
        ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        ::DeleteObject(m_hBitmap);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    CDC* DC() { return &m_dc; }
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const DWORD v = m_pBits[y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    bool SameAs(const PixelCanvas& other) const {
        ::GdiFlush();
        return m_cx == other.m_cx && m_cy == other.m_cy &&
               std::equal(m_pBits, m_pBits + m_cx * m_cy, other.m_pBits);
    }
    // Pixels of rect darker than mid grey.
    int DarkPixels(const CRect& rect) const {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) {
                const COLORREF c = At(x, y);
                n += GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
            }
        return n;
    }

private:
    int m_cx;
    int m_cy;
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD* m_pBits = nullptr;
};

// A top-level window holding a grid window that fills its client area.
class GridHost {
public:
    explicit GridHost(CGEGridWnd& grid, int cx = 400, int cy = 300,
                      DWORD dwGridStyle = WS_VSCROLL | WS_HSCROLL) {
        StartEngine();
        m_hWnd = ::CreateWindowExA(0, "STATIC", "Grid host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, cx, cy,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        m_parent.Attach(m_hWnd);
        grid.Create(WS_CHILD | WS_VISIBLE | dwGridStyle, client, &m_parent, 100);
    }
    ~GridHost() {
        m_parent.Detach();
        ::DestroyWindow(m_hWnd);
    }
    GridHost(const GridHost&) = delete;
    GridHost& operator=(const GridHost&) = delete;

private:
    HWND m_hWnd = nullptr;
    CWnd m_parent;
};

} // namespace gridtest
