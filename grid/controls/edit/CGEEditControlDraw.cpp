// Drawing the active cell: the window's font, rectangle and style.
#include "grid/controls/edit/CGEEditControl.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CDC.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GECellWindowFont.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>

BOOL CGEEditControl::CreateEditWindow(DWORD dwStyle, const RECT* pRect) {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    // The grid's own painting must not cover the edit window shown over a cell.
    pGridWnd->ModifyStyle(0, WS_CLIPCHILDREN);
    const CRect rect = pRect != nullptr ? CRect(*pRect) : CRect(0, 0, 0, 0);
    return CWnd::Create("GEEDIT", nullptr, dwStyle, rect, pGridWnd, m_nWindowId);
}

void CGEEditControl::BuildWindowFont(const CGEStyle& style) {
    GEBuildCellWindowFont(m_pGrid, style, m_font);
}

void CGEEditControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                          const CGEStyle* pStandardStyle) {
    if (!IsBoundToCellAt(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || !HasWindow()) {
        CGEStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    if (s_bImeComposition)
        return;
    if (m_bFloatingChanged && IsWindowVisible()) {
        const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
        MoveWindow(&rectText, TRUE);
        DrawCellBackground(pDC, rect, style, TRUE);
        AddRefreshRect(rectText);
        CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        m_bFloatingChanged = FALSE;
        return;
    }
    BuildWindowFont(style);

    CGEProperties* pProps = m_pGrid->GetProperties();
    m_clrBackground =
        style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
    if (pProps != nullptr && pProps->m_bDisplayOption1 && pProps->m_bDisplayOption2)
        m_clrBackground = RGB(255, 255, 255);

    CFont* pOldFont = pDC->SelectObject(&m_font);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    pDC->SelectObject(pOldFont);
    m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    m_nMaxCharWidth = tm.tmMaxCharWidth;

    CRect rectWnd = ComputeTextRect(nRow, nCol, &rect, &style);
    const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
    if (!bWrap) {
        if (style.GetIncludeVerticalAlignment()) {
            const UINT nVert = style.GetVerticalAlignment();
            if (nVert == DT_VCENTER)
                rectWnd.top += std::max(0, (rectWnd.Height() - m_nLineHeight) / 2);
            else if (nVert == DT_BOTTOM && rectWnd.bottom - m_nLineHeight >= rectWnd.top)
                rectWnd.top = rectWnd.bottom - m_nLineHeight;
        }
        rectWnd.bottom = std::min<int>(rectWnd.bottom, rectWnd.top + m_nLineHeight);
    }
    const UINT nAlign = CGEDrawingAndFormatting::AlignmentFormat(style);
    if ((nAlign & DT_RIGHT) != 0)
        rectWnd.right += 1;

    DrawCellBackground(pDC, rect, style, TRUE);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
    SetWindowPos(nullptr, rectWnd.left, rectWnd.top, rectWnd.Width(), rectWnd.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    Invalidate(TRUE);
    SetTextAlign(nAlign);
    if (style.GetIncludeVerticalScrollbar())
        m_bVScroll = style.GetVerticalScrollbar();
    if (style.GetIncludeAutoSize())
        m_bAutoSize = style.GetAutoSize();
    m_bAllowEnter = style.GetIncludeAllowEnter() && style.GetAllowEnter();
    m_bWrapText = bWrap;

    SetActive(TRUE);
    CWnd* pGridWnd = GetGridWindow();
    CWnd* pFocus = CWnd::GetFocus();
    if (pFocus != nullptr && pGridWnd != nullptr && pFocus->GetSafeHwnd() == pGridWnd->GetSafeHwnd())
        MoveFocusLocked(this);

    m_nMaxLength = style.GetIncludeMaxLength() ? style.GetMaxLength() : 0;
    LimitText(static_cast<int>(m_nMaxLength));
    if (!IsWindowVisible())
        ShowWindow(SW_SHOW);
    SetReadOnly(IsReadOnly());

    // A cell of a scrolled row (column) that lies partly under the frozen lines shows only its visible part.
    const BOOL bRowUnder = nRow > m_pGrid->GetFrozenRows() && nRow < m_pGrid->GetTopRow();
    const BOOL bColUnder = nCol > m_pGrid->GetFrozenCols() && nCol < m_pGrid->GetLeftCol();
    CRect clip;
    if ((bRowUnder || bColUnder) && pDC->GetClipBox(&clip) != NULLREGION && !clip.IsRectEmpty()) {
        const CRect area = m_pGrid->GetGridArea();
        CRect visible;
        visible.IntersectRect(&rect, &area);
        pGridWnd->MapWindowPoints(this, &visible);
        pGridWnd->MapWindowPoints(this, &clip);
        ValidateRect(&visible);
        InvalidateRect(&clip, TRUE);
        ::HideCaret(GetSafeHwnd());
    }
    UpdateWindow();
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    CRect rectShown;
    GetWindowRect(&rectShown);
    pGridWnd->ScreenToClient(&rectShown);
    AddRefreshRect(rectShown);
}

DWORD CGEEditControl::ComposeEditStyle(const StyleInput& in) {
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    DWORD dwAlign = static_cast<DWORD>(in.nAlign == 2 ? ES_RIGHT : in.nAlign == 1 ? ES_CENTER : ES_LEFT);
    DWORD dwEdit = ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (in.bAllowEnter)
        dwEdit |= ES_WANTRETURN;
    BOOL bSingleLine = !in.bWrap;
    if (in.bWrap && in.bVScroll)
        dwStyle |= WS_VSCROLL;
    else if (in.bWrap && !(in.cyClient - in.cyLine / 3 > in.cyLine))
        bSingleLine = TRUE; // too low for two lines
    if (bSingleLine) {
        dwEdit |= ES_AUTOHSCROLL;
        if (in.cxText > in.cxClient - in.cxWidest)
            dwAlign = ES_LEFT; // the caret scrolls through a text that does not fit
    }
    return (dwStyle & 0xFFFF0000) | dwEdit | dwAlign;
}

DWORD CGEEditControl::CalcEditStyle(CRect* pRect, int* pLineHeight) {
    CRect client;
    GetClientRect(&client);
    CClientDC dc(this);
    CFont* pOldFont = m_font.GetSafeHandle() != nullptr ? dc.SelectObject(&m_font) : nullptr;
    const CString strText = WindowText();
    const CSize extent = dc.GetTextExtent(strText, strText.GetLength());
    TEXTMETRICA tm{};
    dc.GetTextMetrics(&tm);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    m_nMaxCharWidth = tm.tmMaxCharWidth;
    StyleInput input;
    input.bWrap = m_bWrapText;
    input.bVScroll = m_bVScroll;
    input.bAllowEnter = m_bAllowEnter;
    input.nAlign = static_cast<int>(m_nTextAlign);
    input.cxClient = client.Width();
    input.cyClient = client.Height();
    input.cxText = extent.cx;
    input.cyLine = m_nLineHeight;
    input.cxWidest = m_nMaxCharWidth;
    if (pRect != nullptr) {
        *pRect = client;
        pRect->bottom = std::max<int>(pRect->bottom, pRect->top + m_nLineHeight + 1);
    }
    if (pLineHeight != nullptr)
        *pLineHeight = m_nLineHeight;
    return ComposeEditStyle(input);
}

int CGEEditControl::GetLastVisibleLine(const CRect* pRect) {
    if (m_nLineHeight == 0) {
        CClientDC dc(this);
        CFont* pOldFont = m_font.GetSafeHandle() != nullptr ? dc.SelectObject(&m_font) : nullptr;
        TEXTMETRICA tm{};
        dc.GetTextMetrics(&tm);
        if (pOldFont != nullptr)
            dc.SelectObject(pOldFont);
        m_nLineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    }
    const int nHeight = pRect != nullptr ? pRect->Height() : 0;
    return GetFirstVisibleLine() + std::max(0, nHeight / std::max(1, m_nLineHeight));
}

BOOL CGEEditControl::UpdateEditStyle() {
    if (m_bRecreating || !HasWindow())
        return FALSE;
    CRect rectFormat;
    int nLineHeight = 0;
    const DWORD dwStyle = CalcEditStyle(&rectFormat, &nLineHeight);
    int nSelStart = 0;
    int nSelEnd = 0;
    GetSel(nSelStart, nSelEnd);
    int nCaretLine = 0;
    BOOL bRecreated = FALSE;
    if (dwStyle == m_dwEditStyle) {
        nCaretLine = LineFromChar(-1);
        SetRectNP(&rectFormat);
    } else {
        m_bRecreating = TRUE;
        const BOOL bModified = GetModify();
        const BOOL bReadOnly = (GetStyle() & ES_READONLY) != 0;
        const BOOL bHadFocus = CWnd::GetFocus() == this;
        CRect rectWnd;
        GetWindowRect(&rectWnd);
        GetGridWindow()->ScreenToClient(&rectWnd);
        const CString strText = WindowText();
        ::HideCaret(GetSafeHwnd());
        MoveWindow(0, 0, 0, 0, FALSE);
        const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
        m_pGrid->m_bFocusChangeLock = TRUE;
        DestroyWindow();
        m_dwEditStyle = dwStyle;
        CreateEditWindow(dwStyle, &rectWnd);
        SetRect(&rectFormat);
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
        SetWindowText(strText);
        SetSel(nSelStart, nSelEnd);
        SendMessage(EM_SCROLLCARET);
        SetModify(bModified);
        SetReadOnly(bReadOnly);
        LimitText(static_cast<int>(m_nMaxLength));
        m_bRecreating = FALSE;
        nCaretLine = LineFromChar(nSelEnd);
        ::HideCaret(GetSafeHwnd());
        UpdateWindow();
        ::ShowCaret(GetSafeHwnd());
        SendMessage(EM_SCROLLCARET);
        if (bHadFocus)
            SetFocus();
        m_pGrid->m_bFocusChangeLock = bOldLock;
        bRecreated = TRUE;
    }
    CRect client;
    GetClientRect(&client);
    const int nLast = GetLastVisibleLine(&client);
    const int nFirst = GetFirstVisibleLine();
    if (nCaretLine > nLast || nCaretLine < nFirst) {
        ::HideCaret(GetSafeHwnd());
        LineScroll(nCaretLine > nLast ? nCaretLine - nLast : nCaretLine - nFirst, 0);
        SendMessage(EM_SCROLLCARET);
        UpdateWindow();
        ::ShowCaret(GetSafeHwnd());
    } else {
        SendMessage(EM_SCROLLCARET);
    }
    return bRecreated;
}
