#include "grid/core/CGESysDrawInfo.h"

#include "grid/GridResource.h"

CGESysDrawInfo::CGESysDrawInfo() {
    m_hcurArrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    m_bWin4 = LOBYTE(LOWORD(::GetVersion())) >= 4;
    m_nBorderX = m_bWin4 ? 2 : 1;
    m_nBorderY = m_nBorderX;
}

COLORREF CGESysDrawInfo::GetSysColor(int nIndex) const {
    if (nIndex >= 0 && nIndex < m_nColors && nIndex < GetSize())
        return GetAt(nIndex);
    return ::GetSysColor(nIndex);
}

void CGESysDrawInfo::RefreshColors() {
    m_nColors = 24;
    SetSize(m_nColors);
    for (int i = 0; i < m_nColors; ++i)
        SetAt(i, ::GetSysColor(i));
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    m_clr3dLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clr3dDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_bmpDropArrow.DeleteObject();
    LoadBitmapWithSysColors(m_bmpDropArrow, GE_IDB_DROP_ARROW);
}

CGESysDrawInfo* GEGetSysDrawInfo() {
    static CGESysDrawInfo info;
    return &info;
}

BOOL LoadBitmapWithSysColors(CBitmap& bitmap, UINT nIDResource) {
    bitmap.DeleteObject();
    return bitmap.LoadMappedBitmap(nIDResource);
}
