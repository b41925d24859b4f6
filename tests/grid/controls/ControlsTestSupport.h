// What the cell control tests share: the engine started once, windowless grids whose cells carry a
// control, a grid in a real window driven by messages, and the keys and characters a user types.
#pragma once

#include "grid/core/GridCoreTestSupport.h"

#include "framework/win/CListBox.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/combo/CGEComboBox.h"
#include "grid/core/CGEGridWnd.h"
#include "grid/core/CGEStyle.h"

#include <string>

namespace ctltest {

using gridtest::GridHost;
using gridtest::PixelCanvas;
using gridtest::PumpPending;
using gridtest::StartEngine;
using gridtest::TestGrid;

// A style with a control id, a choice list and a value.
inline CGEStyle ControlStyle(WORD nControl, LPCSTR pszChoices = nullptr, LPCSTR pszValue = nullptr) {
    CGEStyle style;
    style.SetControl(nControl);
    if (pszChoices != nullptr)
        style.SetChoiceList(pszChoices);
    if (pszValue != nullptr)
        style.SetValue(pszValue);
    return style;
}

// A tabbed combo style whose rows hold the key in column 0 and the text in column 1, with a unique list id
// for the shared maps when nUniqueId is not 0.
inline CGEStyle TableStyle(LPCSTR pszChoices, LPCSTR pszValue = nullptr, int nUniqueId = 0) {
    CGEStyle style = ControlStyle(GE_IDS_CTRL_TABBED_COMBOBOX, pszChoices, pszValue);
    style.SetUserAttribute(GE_IDS_UA_TABLIST_KEYCOL, "0").SetUserAttribute(GE_IDS_UA_TABLIST_TEXTCOL, "1");
    if (nUniqueId != 0) {
        CString strId;
        strId.Format("%d", nUniqueId);
        style.SetUserAttribute(GE_IDS_UA_TABLIST_UNIQUEID, strId);
    }
    return style;
}

// The text of a window.
inline CString TextOf(CWnd* pWnd) {
    CString strText;
    pWnd->GetWindowText(strText);
    return strText;
}

// Stores a style into one cell without undo or redraw.
inline void PutStyle(CGEGridCore& grid, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    grid.SetStyleRange(CGECellRange(nRow, nCol, nRow, nCol), &style, geOverride, 0, nullptr, GE_NOREDRAW);
}

// The control a cell's style names, as the grid makes it.
template <class T> T* ControlOf(CGEGridCore& grid, ROWCOL nRow, ROWCOL nCol) {
    return dynamic_cast<T*>(grid.GetControl(nRow, nCol));
}

// Where the keyboard's messages go: the open drop-down list, else the window of the current cell's control
// while it shows, else the grid window; outside a window test, the focus. The focus itself is not used:
// test processes running at once take the foreground from each other.
HWND KeyTarget();
inline void KeyDown(UINT nKey) {
    ::SendMessageA(KeyTarget(), WM_KEYDOWN, nKey, 1);
}
inline void KeyUp(UINT nKey) {
    ::SendMessageA(KeyTarget(), WM_KEYUP, nKey, static_cast<LPARAM>(0xC0000001u));
}
inline void PressKey(UINT nKey) {
    KeyDown(nKey);
    KeyUp(nKey);
}
inline void TypeText(const char* pszText) {
    for (const char* p = pszText; *p != '\0'; ++p)
        ::SendMessageA(KeyTarget(), WM_CHAR, static_cast<unsigned char>(*p), 1);
}
// Alt+key: the system key messages (the Alt state in bit 29).
inline void PressAltKey(UINT nKey) {
    ::SendMessageA(KeyTarget(), WM_SYSKEYDOWN, nKey, 0x20000001);
    ::SendMessageA(KeyTarget(), WM_SYSKEYUP, nKey, static_cast<LPARAM>(0xE0000001u));
}
// TRUE while a window of this thread is the foreground window, so that the focus can be checked.
inline bool OwnsForeground() {
    const HWND hForeground = ::GetForegroundWindow();
    return hForeground != nullptr &&
           ::GetWindowThreadProcessId(hForeground, nullptr) == ::GetCurrentThreadId();
}
// The keyboard goes to hWnd: the focus is there when this test holds the foreground, and the keys are
// addressed there in any case.
#define EXPECT_KEYS_GO_TO(hWnd)                                                                              \
    do {                                                                                                     \
        if (ctltest::OwnsForeground()) {                                                                     \
            EXPECT_EQ(::GetFocus(), (hWnd));                                                                 \
        }                                                                                                    \
        EXPECT_EQ(ctltest::KeyTarget(), (hWnd));                                                             \
    } while (false)

// A click of the left button at a point of a window's client area.
inline void Click(HWND hWnd, CPoint point) {
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

// A grid window whose modifier keys the test holds.
class TestGridWnd : public CGEGridWnd {
public:
    BOOL IsKeyDown(int nVirtKey) const override {
        return (nVirtKey == VK_CONTROL && ctrl) || (nVirtKey == VK_SHIFT && shift) ||
               (nVirtKey == VK_MENU && alt);
    }
    // Records the cells whose selected text a control asked the grid to drag.
    BOOL DragSelectedText(ROWCOL nRow, ROWCOL nCol) override {
        dragRow = nRow;
        dragCol = nCol;
        ++drags;
        return TRUE;
    }
    BOOL ctrl = FALSE;
    BOOL shift = FALSE;
    BOOL alt = FALSE;
    int drags = 0;
    ROWCOL dragRow = 0;
    ROWCOL dragCol = 0;
};

// A grid window in a top-level window of its own, with rows and columns, that has the focus.
class WindowGrid {
public:
    WindowGrid(ROWCOL nRows = 10, ROWCOL nCols = 5, int cx = 420, int cy = 300) : m_host(grid, cx, cy) {
        grid.SetRowCount(nRows, GE_NOREDRAW);
        grid.SetColCount(nCols, GE_NOREDRAW);
        grid.GetParam()->SetDefaultRowHeight(22);
        grid.GetParam()->SetDefaultColWidth(90);
        grid.SetFocus();
        s_pCurrent = this;
    }
    ~WindowGrid() { s_pCurrent = nullptr; }
    WindowGrid(const WindowGrid&) = delete;
    WindowGrid& operator=(const WindowGrid&) = delete;
    HWND Hwnd() const { return grid.m_hWnd; }
    // The window the keyboard's messages go to (KeyTarget).
    HWND KeyWindow() {
        CGEControl* pControl = grid.GetCurrentCellControl();
        if (auto* pCombo = dynamic_cast<CGEComboBox*>(pControl); pCombo != nullptr && pCombo->IsListShown())
            return pCombo->GetListWindow()->m_hWnd;
        if (pControl != nullptr && pControl->GetWndPtr() != nullptr &&
            pControl->GetWndPtr()->IsWindowVisible())
            return pControl->GetWndPtr()->m_hWnd;
        return grid.m_hWnd;
    }
    static WindowGrid* Current() { return s_pCurrent; }
    // Makes a cell current and paints what changed.
    void Select(ROWCOL nRow, ROWCOL nCol) {
        grid.SetCurrentCell(nRow, nCol);
        Update();
    }
    void Update() {
        grid.UpdateWindow();
        PumpPending();
    }
    CString Value(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredCellValue(nRow, nCol); }

    TestGridWnd grid;

private:
    GridHost m_host;
    static inline WindowGrid* s_pCurrent = nullptr;
};

inline HWND KeyTarget() {
    return WindowGrid::Current() != nullptr ? WindowGrid::Current()->KeyWindow() : ::GetFocus();
}

} // namespace ctltest
