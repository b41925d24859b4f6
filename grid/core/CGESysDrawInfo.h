// CGESysDrawInfo: the engine's one cache of system drawing data (GEGetSysDrawInfo): the system colours
// 0-23 and ten named colours, border widths, the arrow cursor, and the drop-down arrow bitmap with its
// colours mapped to the current system colours. Filled at start-up and again when a grid window hears
// of a system colour change.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/win/CBitmap.h"

class CGESysDrawInfo : public CDWordArray {
public:
    CGESysDrawInfo();
    ~CGESysDrawInfo() override = default;

    // The cached colour for an index below the cached count, else the live system colour.
    COLORREF GetSysColor(int nIndex) const;
    // Reads the 24 system colours and the named ones again and reloads the drop-down arrow bitmap.
    void RefreshColors();

    int m_nColors = 0; // 0 until the first RefreshColors
    int m_nBorderX = 1;
    int m_nBorderY = 1;
    COLORREF m_clrBtnFace = 0;
    COLORREF m_clrBtnShadow = 0;
    COLORREF m_clrBtnHilite = 0;
    COLORREF m_clrWindowFrame = 0;
    COLORREF m_clr3dLight = 0;
    COLORREF m_clr3dDkShadow = 0;
    COLORREF m_clrWindowText = 0;
    COLORREF m_clrWindow = 0;
    COLORREF m_clrHighlight = 0;
    COLORREF m_clrHighlightText = 0;
    HCURSOR m_hcurArrow = nullptr;
    DWORD m_dwReserved1 = 0;
    DWORD m_dwReserved2 = 0;
    BOOL m_bWin4 = FALSE;
    CBitmap m_bmpDropArrow; // resource 20028, colours mapped (empty when the resource is missing)
};

CGESysDrawInfo* GEGetSysDrawInfo();

// Loads a bitmap resource with black, dark grey, light grey and white mapped to the current button
// text, shadow, face and highlight colours; FALSE when the resource cannot be loaded.
BOOL LoadBitmapWithSysColors(CBitmap& bitmap, UINT nIDResource);
