// What the cell control tests share: the engine started once, windowless grids whose cells carry a
// control, a grid in a real window driven by messages, and the keys and characters a user types.
#pragma once

#include "grid/core/GridCoreTestSupport.h"

#include "grid/controls/GEControlIds.h"
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

// Stores a style into one cell without undo or redraw.
inline void PutStyle(CGEGridCore& grid, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    grid.SetStyleRange(CGECellRange(nRow, nCol, nRow, nCol), &style, geOverride, 0, nullptr, GE_NOREDRAW);
}

// The control a cell's style names, as the grid makes it.
template <class T> T* ControlOf(CGEGridCore& grid, ROWCOL nRow, ROWCOL nCol) {
    return dynamic_cast<T*>(grid.GetControl(nRow, nCol));
}

// Keys and characters as the keyboard delivers them to the window that has the focus.
inline HWND Focus() {
    return ::GetFocus();
}
inline void KeyDown(UINT nKey) {
    ::SendMessageA(Focus(), WM_KEYDOWN, nKey, 1);
}
inline void KeyUp(UINT nKey) {
    ::SendMessageA(Focus(), WM_KEYUP, nKey, static_cast<LPARAM>(0xC0000001u));
}
inline void PressKey(UINT nKey) {
    KeyDown(nKey);
    KeyUp(nKey);
}
inline void TypeText(const char* pszText) {
    for (const char* p = pszText; *p != '\0'; ++p)
        ::SendMessageA(Focus(), WM_CHAR, static_cast<unsigned char>(*p), 1);
}
// Alt+key: the system key messages (the Alt state in bit 29).
inline void PressAltKey(UINT nKey) {
    ::SendMessageA(Focus(), WM_SYSKEYDOWN, nKey, 0x20000001);
    ::SendMessageA(Focus(), WM_SYSKEYUP, nKey, static_cast<LPARAM>(0xE0000001u));
}

// A click of the left button at a point of a window's client area.
inline void Click(HWND hWnd, CPoint point) {
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

// A grid window in a top-level window of its own, with rows and columns, that has the focus.
class WindowGrid {
public:
    WindowGrid(ROWCOL nRows = 10, ROWCOL nCols = 5, int cx = 420, int cy = 300) : m_host(grid, cx, cy) {
        grid.SetRowCount(nRows, GE_NOREDRAW);
        grid.SetColCount(nCols, GE_NOREDRAW);
        grid.GetParam()->SetDefaultRowHeight(22);
        grid.GetParam()->SetDefaultColWidth(90);
        grid.SetFocus();
    }
    HWND Hwnd() const { return grid.m_hWnd; }
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

    CGEGridWnd grid;

private:
    GridHost m_host;
};

} // namespace ctltest
