// The date-time cell: sizes and drawing of active and inactive cells.
#include "grid/controls/datetime/CGEDateTimeCtrl.h"

#include "grid/controls/datetime/CGEBDTButtonGadget.h"
#include "grid/controls/datetime/CGEBDTListGadget.h"
#include "grid/controls/datetime/CGEBDTNumericGadget.h"
#include "grid/controls/datetime/CGEBDTSpinGadget.h"
#include "grid/controls/datetime/CGEBDTStaticGadget.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGESysDrawInfo.h"

#include <algorithm>

CSize CGEDateTimeCtrl::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    size.cx += 5;
    return CGEStatic::AddTextMarginsToSize(pDC, size, style);
}

void CGEDateTimeCtrl::CalcSize(CSize& size, CDC* pDC, ROWCOL, ROWCOL, const CGEStyle& style,
                               const CGEStyle* pStandardStyle, BOOL) {
    size = CSize(0, 0);
    ApplyStyleFormat(&m_formatter, &style);
    COleDateTime date;
    if (!ReadValue(style.GetValue(), date))
        return;
    m_formatter.SetDateTime(date);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    LONG cx = 0;
    LONG cy = tm.tmHeight + tm.tmExternalLeading + 1;
    for (INT_PTR i = 0; i < m_formatter.GetGadgetCount(); ++i) {
        CGEBDTGadget* pGadget = m_formatter.GetGadget(i);
        pGadget->CalcSize(pDC);
        const RECT& rect = *pGadget->GetRect();
        cx += rect.right - rect.left;
        cy = std::max(cy, rect.bottom - rect.top);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    size = CSize(cx, cy);
}

void CGEDateTimeCtrl::DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle& style, const CGEStyle* pStandardStyle) {
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    DrawCellBackground(pDC, rect, style, TRUE);
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    const CString strValue = style.GetValue();
    ApplyStyleFormat(&m_drawer, &style);
    m_drawer.SetDateTime(DateOrDefault(strValue, IsTypeWithToday(style, TRUE)));
    m_drawer.PushFieldValues(0xFFFF);

    const BOOL bPrinting = m_pGrid->IsPrinting();
    const BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol) && !bPrinting;
    const BOOL bReadOnly = style.GetIncludeReadOnly() && style.GetReadOnly();
    const BOOL bButton = (m_dwEditorStyle & GEB_DTS_DROPDOWN) != 0 && (m_bAlwaysShowButton || bCurrent);
    const BOOL bSpin =
        (m_dwEditorStyle & GEB_DTS_SPIN) != 0 && (m_bAlwaysShowSpin || (bCurrent && !bReadOnly));

    COLORREF clrText = style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT);
    CGEProperties* pProps = m_pGrid->GetProperties();
    if (bPrinting && pProps != nullptr && pProps->m_bBlackWhite)
        clrText = RGB(0, 0, 0);
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);

    // The docked buttons at the right end, the fields from the left.
    int xRight = rectText.right;
    const int nWidth = 16;
    if (bButton) {
        const RECT button{xRight - nWidth, rectText.top, xRight, rectText.bottom};
        CBitmap bitmap;
        LoadBitmapWithSysColors(bitmap, 20028);
        CGEBDTButtonGadget::DrawButton(pDC, button, bitmap, FALSE);
        xRight -= nWidth;
    }
    if (bSpin) {
        const int nHalf = rectText.Height() / 2;
        CGEBDTSpinGadget::DrawArrowButton(
            pDC, RECT{xRight - nWidth, rectText.top, xRight, rectText.top + nHalf}, TRUE, FALSE);
        CGEBDTSpinGadget::DrawArrowButton(
            pDC, RECT{xRight - nWidth, rectText.bottom - nHalf, xRight, rectText.bottom}, FALSE, FALSE);
        xRight -= nWidth;
    }
    if (!strValue.IsEmpty()) {
        int x = rectText.left + 1;
        for (INT_PTR i = m_drawer.GetDockedCount(); i < m_drawer.GetGadgetCount(); ++i) {
            CGEBDTGadget* pGadget = m_drawer.GetGadget(i);
            pGadget->CalcSize(pDC);
            const int cx = pGadget->GetRect()->right - pGadget->GetRect()->left;
            RECT field{x, rectText.top + 1, std::min(x + cx, xRight), rectText.bottom};
            x += cx;
            if (field.left >= field.right)
                break;
            CString strText;
            UINT nFormat = DT_SINGLELINE | DT_NOPREFIX | DT_EXTERNALLEADING;
            if (auto* pNumeric = dynamic_cast<CGEBDTNumericGadget*>(pGadget); pNumeric != nullptr)
                strText = pNumeric->FormatValue(pNumeric->GetValue()), nFormat |= DT_CENTER;
            else if (auto* pList = dynamic_cast<CGEBDTListGadget*>(pGadget); pList != nullptr)
                strText = pList->GetText(), nFormat |= DT_CENTER;
            else if (auto* pStatic = dynamic_cast<CGEBDTStaticGadget*>(pGadget); pStatic != nullptr)
                strText = pStatic->GetText();
            pDC->DrawText(strText, &field, nFormat);
        }
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOldText);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CGEDateTimeCtrl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                           const CGEStyle* pStandardStyle) {
    CWnd* pGridWnd = GetGridWindow();
    if (!IsBoundToCellAt(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() ||
        CGEBDateTimeCtrl::GetSafeHwnd() == nullptr || pGridWnd == nullptr) {
        DrawInactive(pDC, rect, nRow, nCol, style, pStandardStyle);
        CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    // The live editor over the text rectangle, in the cell's font and colours.
    m_cellFont.DeleteObject();
    if (style.GetIncludeFont()) {
        LOGFONTA logFont{};
        style.GetFont().GetLogFont(logFont);
        m_cellFont.CreateFontIndirect(&logFont);
    }
    const COLORREF clrText =
        style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF clrBack =
        style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
    SetTextColors(clrText, clrBack);
    DrawCellBackground(pDC, rect, style, TRUE);
    HFONT hFont = m_cellFont.GetSafeHandle() != nullptr
                      ? static_cast<HFONT>(m_cellFont.GetSafeHandle())
                      : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    SetWindowPos(nullptr, rectText.left, rectText.top, rectText.Width(), rectText.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CWnd* pFocus = CWnd::GetFocus();
    if (pFocus != nullptr && pFocus->GetSafeHwnd() == pGridWnd->GetSafeHwnd())
        MoveFocusLocked(this);
    Invalidate(FALSE);
    UpdateWindow();
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGEDateTimeCtrl::Hide() {
    if (CGEBDateTimeCtrl::GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    // A hidden window keeps the focus it had: the keys go back to the grid window.
    if (CWnd::GetFocus() == this && GetGridWindow() != nullptr)
        GetGridWindow()->SetFocus();
    SetWindowPos(nullptr, 10000, 10000, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

void CGEDateTimeCtrl::MoveFocusLocked(CWnd* pWnd) {
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    pWnd->SetFocus();
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

BOOL CGEDateTimeCtrl::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(255, 255, 255));
    if (m_pStyle != nullptr)
        pDC->FillSolidRect(&client, m_clrTextBackground);
    return TRUE;
}
