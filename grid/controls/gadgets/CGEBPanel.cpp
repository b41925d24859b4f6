#include "grid/controls/gadgets/CGEBPanel.h"

#include "grid/controls/gadgets/CGEBCalendar.h"
#include "grid/core/CGESysDrawInfo.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGEBPanel, CObject)

BOOL CGEBPanel::Create(const RECT& rect, CGEBCalendar* pOwner, BOOL bSelected, BOOL bMarked,
                       DWORD dwPanelFlags, DWORD dwCalendarFlags, int nBevelWidth) {
    m_rect = rect;
    m_pOwner = pOwner;
    m_bSelected = bSelected;
    m_bMarked = bMarked;
    m_dwPanelFlags = dwPanelFlags;
    m_dwCalendarFlags = dwCalendarFlags;
    m_nBevelWidth = nBevelWidth;
    m_bCreated = TRUE;
    ComputeInsets();
    return 1;
}

RECT CGEBPanel::SetRect(const RECT& rect) {
    const RECT old = m_rect;
    m_rect = rect;
    m_bDirty = TRUE;
    return old;
}

BOOL CGEBPanel::GetInnerArea(RECT& inner) {
    ComputeInsets();
    const int n = m_nInsets[3];
    inner = {m_rect.left + n, m_rect.top + n, m_rect.right - n, m_rect.bottom - n};
    if (inner.left <= inner.right && inner.top <= inner.bottom)
        return TRUE;
    inner = RECT{};
    return FALSE;
}

RECT CGEBPanel::GetInnerRect() {
    RECT inner;
    GetInnerArea(inner);
    return inner;
}

DWORD CGEBPanel::SetPanelFlags(DWORD dwFlags) {
    const DWORD old = m_dwPanelFlags;
    m_dwPanelFlags = dwFlags;
    m_bDirty = TRUE;
    return old;
}

DWORD CGEBPanel::SetCalendarFlags(DWORD dwFlags) {
    const DWORD old = m_dwCalendarFlags;
    m_dwCalendarFlags = dwFlags;
    m_bDirty = TRUE;
    return old;
}

int CGEBPanel::SetBevelWidth(int nWidth) {
    const int old = m_nBevelWidth;
    m_nBevelWidth = nWidth;
    m_bDirty = TRUE;
    return old;
}

BOOL CGEBPanel::SetSelected(BOOL bSelected, BOOL bRedraw) {
    if ((m_dwCalendarFlags & GEB_CAL_SELECTABLE) == 0)
        return 0;
    m_bSelected = bSelected;
    m_bDirty = TRUE;
    if (bRedraw)
        Redraw();
    return 1;
}

BOOL CGEBPanel::SetMarked(BOOL bMarked, BOOL bRedraw) {
    BOOL bResult = 1;
    if ((m_dwCalendarFlags & GEB_CAL_MARKABLE) == 0) {
        bMarked = FALSE;
        bResult = 0;
    }
    m_bMarked = bMarked;
    m_bDirty = TRUE;
    if (bRedraw)
        Redraw();
    return bResult;
}

COLORREF CGEBPanel::SetTextColor(COLORREF color) {
    const COLORREF old = m_clrText;
    m_clrText = color;
    m_bDirty = TRUE;
    return old;
}

COLORREF CGEBPanel::SetGreyColor(COLORREF color) {
    const COLORREF old = m_clrGrey;
    m_clrGrey = color;
    m_bDirty = TRUE;
    return old;
}

BOOL CGEBPanel::PtInPanel(POINT point) const {
    return point.x >= m_rect.left && point.x <= m_rect.right && point.y >= m_rect.top &&
           point.y <= m_rect.bottom;
}

CString CGEBPanel::SetText(LPCSTR pszText) {
    CString old = m_strText;
    m_strText = pszText;
    m_bDirty = TRUE;
    return old;
}

void CGEBPanel::Redraw() {
    if (!m_bCreated || m_pOwner == nullptr || m_pOwner->GetSafeHwnd() == nullptr)
        return;
    RECT rect = Exclusive(m_rect);
    ::InflateRect(&rect, 1, 1);
    m_pOwner->InvalidateRect(&rect, FALSE);
    m_pOwner->UpdateWindow();
}

void CGEBPanel::ComputeInsets() {
    if (!m_bDirty)
        return;
    const bool bFrame =
        (m_dwPanelFlags & (m_bSelected ? GEB_PANEL_FRAME_SELECTED : GEB_PANEL_FRAME_UNSELECTED)) != 0;
    const bool bBevel =
        (m_dwPanelFlags & (m_bSelected ? GEB_PANEL_BEVEL_SELECTED : GEB_PANEL_BEVEL_UNSELECTED)) != 0;
    const bool bMark =
        m_bMarked &&
        (m_dwPanelFlags & (m_bSelected ? GEB_PANEL_MARK_SELECTED : GEB_PANEL_MARK_UNSELECTED)) != 0;
    m_nInsets[0] = 0;
    m_nInsets[1] = bFrame ? 1 : 0;
    m_nInsets[2] = m_nInsets[1] + (bBevel ? m_nBevelWidth : 0);
    m_nInsets[3] = m_nInsets[2] + (bMark ? m_nBevelWidth : 0);
    m_bDirty = FALSE;
}

int CGEBPanel::GetInset(int nLayer) {
    ComputeInsets();
    return m_nInsets[std::clamp(nLayer, 0, 3)];
}

int CGEBPanel::GetLargestInset() const {
    const DWORD f = m_dwPanelFlags;
    int nLargest = 0;
    for (const bool bSelected : {false, true}) {
        const int nFrame =
            (f & (bSelected ? GEB_PANEL_FRAME_SELECTED : GEB_PANEL_FRAME_UNSELECTED)) != 0 ? 1 : 0;
        const int nBevel = (f & (bSelected ? GEB_PANEL_BEVEL_SELECTED : GEB_PANEL_BEVEL_UNSELECTED)) != 0
                               ? m_nBevelWidth
                               : 0;
        const int nMark =
            (f & (bSelected ? GEB_PANEL_MARK_SELECTED : GEB_PANEL_MARK_UNSELECTED)) != 0 ? m_nBevelWidth : 0;
        nLargest = std::max(nLargest, nFrame + nBevel + nMark);
    }
    return nLargest;
}

void CGEBPanel::DrawLayer(CDC* pDC, int nFrom, int nTo, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    // One outline per pixel of the band's width, so that a layer never paints into the next one.
    for (int n = nFrom; n < nTo; ++n) {
        const RECT outer = Exclusive(m_rect);
        const int cx = outer.right - outer.left - 2 * n;
        const int cy = outer.bottom - outer.top - 2 * n;
        if (cx <= 0 || cy <= 0)
            return;
        pDC->Draw3dRect(outer.left + n, outer.top + n, cx, cy, clrTopLeft, clrBottomRight);
    }
}

void CGEBPanel::DrawFrame(CDC* pDC) {
    DrawLayer(pDC, m_nInsets[0], m_nInsets[1], m_clrFrame, m_clrFrame);
}

void CGEBPanel::DrawBevel(CDC* pDC) {
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const COLORREF clrLight = pInfo->m_clrBtnHilite;
    const COLORREF clrDark = pInfo->m_clrBtnShadow;
    DrawLayer(pDC, m_nInsets[1], m_nInsets[2], m_bSelected ? clrDark : clrLight,
              m_bSelected ? clrLight : clrDark);
}

void CGEBPanel::DrawMarkBorder(CDC* pDC) {
    DrawLayer(pDC, m_nInsets[2], m_nInsets[3], m_clrMark, m_clrMark);
}

void CGEBPanel::DrawBackground(CDC* pDC) {
    RECT inner;
    if (!GetInnerArea(inner))
        return;
    const RECT rect = Exclusive(inner);
    pDC->ExtTextOut(rect.left, rect.top, ETO_OPAQUE, &rect, "", 0, nullptr);
}

void CGEBPanel::DrawPanelText(CDC* pDC, const RECT& rect, const CString& strText, BOOL bCentered) {
    if (strText.IsEmpty())
        return;
    const RECT clip = Exclusive(rect);
    const int cx = clip.right - clip.left;
    const int cy = clip.bottom - clip.top;
    if (cx <= 0 || cy <= 0)
        return;
    const UINT nOldAlign = pDC->GetTextAlign();
    if (bCentered) {
        TEXTMETRICA tm{};
        pDC->GetTextMetrics(&tm);
        pDC->SetTextAlign(TA_CENTER | TA_BASELINE);
        pDC->ExtTextOut(clip.left + cx / 2, clip.top + cy / 2 + tm.tmAscent / 2, ETO_CLIPPED, &clip, strText,
                        strText.GetLength(), nullptr);
    } else {
        pDC->SetTextAlign(TA_LEFT | TA_TOP);
        pDC->ExtTextOut(clip.left + cx / 10, clip.top + cy / 10, ETO_CLIPPED, &clip, strText,
                        strText.GetLength(), nullptr);
    }
    pDC->SetTextAlign(nOldAlign);
}

void CGEBPanel::DrawContent(CDC* pDC) {
    RECT inner;
    if (!GetInnerArea(inner))
        return;
    DrawPanelText(pDC, inner, m_strText, (m_dwPanelFlags & GEB_PANEL_CENTERED) != 0);
}

void CGEBPanel::Draw(CDC* pDC) {
    ComputeInsets();
    const COLORREF clrFace = GEGetSysDrawInfo()->m_clrBtnFace;
    const COLORREF clrOldBk = pDC->SetBkColor(clrFace);
    const COLORREF clrOldText = pDC->SetTextColor(m_clrText);
    DrawFrame(pDC);
    DrawBevel(pDC);
    // The borders are filled with the background colour of the DC: set it again for the inside.
    pDC->SetBkColor(clrFace);
    DrawBackground(pDC);
    DrawContent(pDC);
    DrawMarkBorder(pDC);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}

CSize CGEBPanel::CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont) {
    CScopedFont font(pDC, pLogFont);
    return pDC->GetTextExtent(m_strText.IsEmpty() ? CString("8") : m_strText);
}

void CGEBPanel::FitFont(CDC* pDC, LOGFONTA& logFont, double dShrink, int nMinimum) {
    const int cx = m_rect.right - m_rect.left + 1;
    const int cy = m_rect.bottom - m_rect.top + 1;
    if (cx <= 1 || cy <= 1) {
        logFont.lfHeight = 0;
        logFont.lfWidth = 0;
        return;
    }
    // A width of 0 lets the font mapper choose the width; then the height alone is scaled.
    const bool bWidth = logFont.lfWidth != 0;
    auto fits = [&](const CSize& size) { return size.cx <= cx && size.cy <= cy; };
    CSize size = CalcPreferredSize(pDC, &logFont);
    // Growing stops at a size no screen needs, so that a font that does not scale cannot loop.
    while (size.cx < cx && size.cy <= cy && std::abs(logFont.lfHeight) < 2048) {
        logFont.lfHeight *= 2;
        logFont.lfWidth *= 2;
        size = CalcPreferredSize(pDC, &logFont);
    }
    while (!fits(size)) {
        const auto shrink = [dShrink](LONG value) {
            const LONG magnitude = std::abs(value);
            const LONG next = std::min(static_cast<LONG>(magnitude * dShrink), magnitude - 1);
            return value < 0 ? -next : next;
        };
        logFont.lfHeight = shrink(logFont.lfHeight);
        if (bWidth)
            logFont.lfWidth = shrink(logFont.lfWidth);
        if (std::abs(logFont.lfHeight) < nMinimum || (bWidth && logFont.lfWidth < nMinimum))
            break;
        size = CalcPreferredSize(pDC, &logFont);
    }
}

CGEBPanel::CScopedFont::CScopedFont(CDC* pDC, const LOGFONTA* pLogFont) : m_pDC(pDC) {
    if (pLogFont != nullptr && m_font.CreateFontIndirect(pLogFont))
        m_pOld = pDC->SelectObject(&m_font);
}

CGEBPanel::CScopedFont::~CScopedFont() {
    if (m_pOld != nullptr)
        m_pDC->SelectObject(m_pOld);
}
