// Drawing the active and the inactive cells, keys and mouse.
#include "grid/controls/edit/CGERichEditCtrl.h"

#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/CGEStatic.h"
#include "grid/controls/GECellWindowBackground.h"
#include "grid/controls/edit/CGEEditControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CGERichEditCtrl, CRichEditCtrl)
ON_WM_GETDLGCODE()
ON_WM_ERASEBKGND()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_WM_SYSCHAR()
ON_WM_SYSKEYUP()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

int Margin() {
    return std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2);
}

} // namespace

CRect CGERichEditCtrl::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell,
                                       const CGEStyle* pStyle) {
    CRect rect = CGEControl::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    rect.left += Margin();
    rect.right -= Margin() / 2;
    return rect;
}

CSize CGERichEditCtrl::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    size.cx += Margin() + Margin() / 2;
    return CGEControl::AddTextMarginsToSize(pDC, size, style);
}

void CGERichEditCtrl::MoveFocusLocked(CWnd* pWnd) {
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    pWnd->SetFocus();
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

void CGERichEditCtrl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                           const CGEStyle* pStandardStyle) {
    if (IsBoundToCellAt(nRow, nCol) && m_bActive && HasWindow() && !m_pGrid->IsPrinting()) {
        DrawActive(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    DrawCellBackground(pDC, rect, style, FALSE);
    if (HasWindow())
        DrawInactive(pDC, rect, nRow, nCol, style);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGERichEditCtrl::DrawActive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                                 const CGEStyle* pStandardStyle) {
    DrawCellBackground(pDC, rect, style, TRUE);
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    SetWindowPos(nullptr, rectText.left, rectText.top, rectText.Width(), rectText.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    const CGEProperties* pProps = m_pGrid->GetProperties();
    const BOOL bBlackWhite = pProps != nullptr && pProps->m_bDisplayOption1 && pProps->m_bDisplayOption2;
    const COLORREF clrBack =
        bBlackWhite || !style.GetIncludeInterior() ? RGB(255, 255, 255) : style.GetInterior().GetBkColor();
    SetBackgroundColor(FALSE, clrBack);
    SetTargetDevice(nullptr, 0); // wrap to the window
    SetEventMask(m_dwEventMask);
    const BOOL bEnter = style.GetIncludeAllowEnter() && style.GetAllowEnter();
    SetOptions(ECOOP_SET, m_dwOptions | (bEnter ? ECO_WANTRETURN : 0));
    SetReadOnly(IsReadOnly());
    SetActive(TRUE);
    CWnd* pGridWnd = GetGridWindow();
    CWnd* pFocus = CWnd::GetFocus();
    if (pFocus != nullptr && pGridWnd != nullptr && pFocus->GetSafeHwnd() == pGridWnd->GetSafeHwnd())
        MoveFocusLocked(this);
    LimitText(style.GetIncludeMaxLength() ? static_cast<long>(style.GetMaxLength()) : 0);
    if (!IsWindowVisible())
        ShowWindow(SW_SHOW);
    SendMessage(EM_SCROLLCARET);
    UpdateWindow();
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    CRect rectShown;
    GetWindowRect(&rectShown);
    pGridWnd->ScreenToClient(&rectShown);
    AddRefreshRect(rectShown);
}

void CGERichEditCtrl::DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle& style) {
    const CString strValue = style.GetIncludeValue() ? style.GetValue() : CString();
    if (strValue.IsEmpty())
        return;
    if (strValue != m_strDrawCache) {
        ApplyDefaultFormats(m_wndDraw, style);
        StreamValueIn(m_wndDraw, strValue);
        m_strDrawCache = strValue;
    }
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    const int nPxX = std::max(1, pDC->GetDeviceCaps(LOGPIXELSX));
    const int nPxY = std::max(1, pDC->GetDeviceCaps(LOGPIXELSY));
    FORMATRANGE fr{};
    fr.hdc = fr.hdcTarget = pDC->GetSafeHdc();
    fr.rc = RECT{MulDiv(rectText.left, 1440, nPxX), MulDiv(rectText.top, 1440, nPxY),
                 MulDiv(rectText.right, 1440, nPxX), MulDiv(rectText.bottom, 1440, nPxY)};
    fr.rcPage = fr.rc;
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    m_wndDraw.FormatRange(nullptr, FALSE);
    const long nFormatted = m_wndDraw.FormatRange(&fr, TRUE);
    m_wndDraw.FormatRange(nullptr, FALSE);
    if (nFormatted == 0 && m_wndDraw.GetTextLength() > 0) {
        // A rich edit library that cannot format into a device context (Wine's) still shows the text,
        // in the cell's font and alignment.
        CFont* pOldFont = SelectStyleFont(pDC, style, nullptr);
        const COLORREF clrOld = pDC->SetTextColor(
            style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT));
        const CString strText = WindowPlainText(m_wndDraw);
        const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
        CGEDrawingAndFormatting::GetInstance()->DrawText(pDC, strText, strText.GetLength(), rectText,
                                                         CGEDrawingAndFormatting::AlignmentFormat(style) |
                                                             DT_NOPREFIX |
                                                             (bWrap ? DT_WORDBREAK : DT_SINGLELINE));
        pDC->SetTextColor(clrOld);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
    }
    pDC->SetBkMode(nOldMode);
}

void CGERichEditCtrl::Hide() {
    if (!HasWindow() || !IsWindowVisible())
        return;
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    if (CWnd::GetFocus() == this && GetGridWindow() != nullptr)
        GetGridWindow()->SetFocus();
    ShowWindow(SW_HIDE);
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

// ---- mouse ----

BOOL CGERichEditCtrl::Activate() {
    if (m_bActive)
        return TRUE;
    if (!HasWindow() || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    if (CWnd* pGridWnd = GetGridWindow())
        pGridWnd->UpdateWindow();
    return TRUE;
}

BOOL CGERichEditCtrl::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    const CGEGridParam* pParam = m_pGrid->GetParam();
    if (!HasWindow() || pParam == nullptr || (pParam->m_wActivateFlags & 7) == 0)
        return CGEControl::LButtonUp(nFlags, point, nHitState);
    if (!Activate())
        return FALSE;
    if (!CGEControl::LButtonUp(nFlags, point, nHitState)) {
        // The click places the caret where it was.
        SetSel(0, 0);
        const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr);
        const LPARAM lParam = MAKELPARAM(point.x - rectText.left, point.y - rectText.top);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        SendMessage(WM_LBUTTONUP, 0, lParam);
    }
    return TRUE;
}

BOOL CGERichEditCtrl::LButtonDblClk(UINT nFlags, CPoint point) {
    const CGEGridParam* pParam = m_pGrid->GetParam();
    if (!m_bActive && pParam != nullptr && (pParam->m_wActivateFlags & 8) != 0)
        return LButtonUp(nFlags, point, GE_MR_UP);
    return CGEControl::LButtonDblClk(nFlags, point);
}

// ---- keys of the grid window ----

BOOL CGERichEditCtrl::OnGridKeyDown(UINT nChar, UINT, UINT) {
    if (!HasWindow() || m_pGrid->IsKeyDown(VK_CONTROL))
        return FALSE;
    BOOL bHandled = FALSE;
    if ((nChar == VK_END || nChar == VK_HOME) && !IsReadOnly() && Activate()) {
        const long nPos = nChar == VK_END ? GetTextLength() : 0;
        SetSel(nPos, nPos);
        bHandled = TRUE;
    } else if (nChar == VK_DELETE && !m_pGrid->IsKeyDown(VK_SHIFT) && !IsReadOnly()) {
        const CGEGridParam* pParam = m_pGrid->GetParam();
        if ((pParam == nullptr || !pParam->m_bRangeClipboard) && OnDeleteCell() && Activate()) {
            SetValue("");
            SetModify(TRUE);
            OnModifyCell();
            bHandled = TRUE;
        }
    }
    if (bHandled && !m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    return bHandled;
}

BOOL CGERichEditCtrl::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar < 32 || nChar == 127)
        return FALSE;
    return OnGridDoubleByteChar(CString(static_cast<char>(nChar)), nRepCnt, nFlags);
}

BOOL CGERichEditCtrl::OnGridDoubleByteChar(const CString& strChar, UINT, UINT) {
    if (!HasWindow() || IsReadOnly())
        return FALSE;
    if (m_bActive) {
        const CString strText = WindowPlainText(*this);
        const CGEStyle& style = GetCellStyle();
        const long nMax = style.GetIncludeMaxLength() ? static_cast<long>(style.GetMaxLength()) : 0;
        if ((nMax > 0 && strText.GetLength() + strChar.GetLength() > nMax) ||
            !ValidateString(strText + strChar))
            return TRUE;
        SetSel(-1, -1);
        CRichEditCtrl::ReplaceSel(strChar, TRUE);
        return TRUE;
    }
    if (!ValidateString(strChar) || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    SetValue(strChar);
    SetSel(-1, -1);
    Refresh();
    return TRUE;
}

// ---- the window's messages ----

UINT CGERichEditCtrl::OnGetDlgCode() {
    return static_cast<UINT>(Default()) | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

BOOL CGERichEditCtrl::OnEraseBkgnd(CDC* pDC) {
    GEEraseCellWindowBackground(*this, pDC, m_pGrid, m_bBound ? m_pStyle : nullptr);
    return TRUE;
}

void CGERichEditCtrl::OfferKeyToGrid(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_pGrid->ProcessKeys(this, message, nChar, nRepCnt, nFlags))
        Default();
}

void CGERichEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bBound)
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    long nStart = 0;
    long nEnd = 0;
    GetSel(nStart, nEnd);
    CGEEditControl::KeyState state;
    state.nSelStart = static_cast<int>(nStart);
    state.nSelEnd = static_cast<int>(nEnd);
    state.nTextLength = static_cast<int>(GetTextLength());
    state.nSelStartLine = static_cast<int>(LineFromChar(nStart));
    state.nSelEndLine = static_cast<int>(LineFromChar(nEnd));
    state.nLineCount = GetLineCount();
    state.bWantReturn = (GetOptions() & ECO_WANTRETURN) != 0;
    state.bCtrl = m_pGrid->IsKeyDown(VK_CONTROL);
    state.bShift = m_pGrid->IsKeyDown(VK_SHIFT);
    // Ctrl with the arrows, Home and End stays in the window, as do Ctrl+Enter and the characters.
    const BOOL bCtrlEditing =
        state.bCtrl && (nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN ||
                        nChar == VK_HOME || nChar == VK_END || nChar == VK_RETURN);
    switch (bCtrlEditing ? CGEEditControl::KeyRoute::keep : CGEEditControl::RouteKey(nChar, state)) {
    case CGEEditControl::KeyRoute::paste:
        Paste();
        break;
    case CGEEditControl::KeyRoute::cut:
        Cut();
        break;
    case CGEEditControl::KeyRoute::grid:
        OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
        break;
    case CGEEditControl::KeyRoute::keep:
        Default();
        break;
    }
}

void CGERichEditCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bBound || !m_bActive || (GetStyle() & ES_READONLY) != 0) {
        OfferKeyToGrid(WM_CHAR, nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar) {
    case 3: // Ctrl+C
        Copy();
        return;
    case 22: // Ctrl+V
        Paste();
        return;
    case 24: // Ctrl+X
        Cut();
        return;
    case VK_TAB:
    case VK_ESCAPE:
        OfferKeyToGrid(WM_CHAR, nChar, nRepCnt, nFlags);
        return;
    default:
        break;
    }
    if (nChar >= 32) {
        long nStart = 0;
        long nEnd = 0;
        GetSel(nStart, nEnd);
        const CString strText = WindowPlainText(*this);
        const CString strResult =
            strText.Left(nStart) + CString(static_cast<char>(nChar)) + strText.Mid(nEnd);
        if (!ValidateString(strResult)) {
            const char szChar[2] = {static_cast<char>(nChar), '\0'};
            OnInvalidKeyPressed(szChar);
            return;
        }
    }
    Default();
}

void CGERichEditCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_KEYUP, nChar, nRepCnt, nFlags);
}

void CGERichEditCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_SYSKEYDOWN, nChar, nRepCnt, nFlags);
}

void CGERichEditCtrl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_SYSCHAR, nChar, nRepCnt, nFlags);
}

void CGERichEditCtrl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_SYSKEYUP, nChar, nRepCnt, nFlags);
}

void CGERichEditCtrl::OnKillFocus(CWnd* pNewWnd) {
    Default();
    NotifyGridKillFocus(pNewWnd);
}
