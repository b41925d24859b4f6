// The currency cell: drawing the editor over the current cell and the other cells as text; hiding it.
#include "grid/controls/gadgets/CGECurrencyEdit.h"

#include "grid/GridResource.h"
#include "grid/controls/GECellWindowFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

void CGECurrencyEdit::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                           const CGEStyle* pStandardStyle) {
    CWnd* pGridWnd = GetGridWindow();
    if (!IsBoundToCellAt(nRow, nCol) || !m_bActive || m_pGrid->IsPrinting() || !HasWindow() ||
        pGridWnd == nullptr) {
        CGEStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    m_bUpdating = TRUE;
    GEBuildCellWindowFont(m_pGrid, style, m_font);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
    CGEBCurrencyFormat format;
    GetFormat(format);
    const COLORREF clrText =
        style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF clrBack =
        style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
    format.SetBackgroundColor(clrBack);
    format.SetNegativeColor(clrText);
    format.SetPositiveColor(clrText);
    const UINT nBitmap = WantsCalculatorButton(style) ? GE_IDB_CALC_BUTTON : 0;
    if (nBitmap != GetBitmapId())
        SetBitmap(nBitmap);
    SetFormat(format);
    DrawCellBackground(pDC, rect, style, TRUE);
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    MoveWindow(&rectText, FALSE);
    if (CWnd* pFocus = CWnd::GetFocus();
        pFocus != nullptr && pFocus->GetSafeHwnd() == pGridWnd->GetSafeHwnd()) {
        MoveFocusLocked(this);
        Invalidate();
        UpdateWindow();
    }
    ShowWindow(SW_SHOW);
    SendMessage(EM_SETREADONLY, IsCellReadOnly(), 0);
    Invalidate(FALSE);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    AddRefreshRect(rectText);
    m_bUpdating = FALSE;
}

void CGECurrencyEdit::Hide() {
    if (!HasWindow() || !IsWindowVisible())
        return;
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    ::HideCaret(CGEBCurrencyEdit::GetSafeHwnd());
    // A hidden window keeps the focus it had: the keys go back to the grid window.
    if (CWnd::GetFocus() == this && GetGridWindow() != nullptr)
        GetGridWindow()->SetFocus();
    MoveWindow(0, 0, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

void CGECurrencyEdit::MoveFocusLocked(CWnd* pWnd) {
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    pWnd->SetFocus();
    m_pGrid->m_bFocusChangeLock = bOldLock;
}
