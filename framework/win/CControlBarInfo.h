// CControlBarInfo: the saved state of one control bar of a frame (part of a CDockState): whether it is
// visible, docked or floating, where, and for a dock bar the bars it holds row by row.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CPoint.h"

#include <vector>

class CControlBarInfo {
public:
    UINT m_nBarID = 0; // the bar's child window id
    BOOL m_bVisible = TRUE;
    BOOL m_bFloating = FALSE;
    BOOL m_bHorz = TRUE;     // laid out horizontally
    BOOL m_bDockBar = FALSE; // a dock bar: m_arrBarID lists its bars
    // Floating: the floating frame's top-left corner (screen coordinates). Docked: x is the offset along
    // its row; -1 for none.
    CPoint m_pointPos{-1, -1};
    UINT m_nMRUWidth = 32767;
    UINT m_uMRUDockID = 0; // the dock bar it was docked in
    // Dock bars: the ids of the bars docked there, row by row, each row ended by 0.
    std::vector<UINT> m_arrBarID;

    // Section "<lpszProfileName>-Bar<nIndex>" of the application's profile. LoadState is FALSE when the
    // section holds no bar.
    BOOL LoadState(LPCSTR lpszProfileName, int nIndex);
    BOOL SaveState(LPCSTR lpszProfileName, int nIndex) const;
};
