// Keys, characters, mouse and the edit window's messages.
#include "grid/controls/edit/CGEEditControl.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CDC.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GECellWindowBackground.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <mbctype.h>

BEGIN_MESSAGE_MAP(CGEEditControl, CEdit)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SYSCHAR()
ON_WM_SYSKEYUP()
ON_WM_ERASEBKGND()
ON_WM_SHOWWINDOW()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
ON_MESSAGE(WM_IME_ENDCOMPOSITION, OnImeEndComposition)
END_MESSAGE_MAP()

// ---- which keys the window keeps ----

CGEEditControl::KeyRoute CGEEditControl::RouteKey(UINT nChar, const KeyState& s) {
    if (s.bCtrl)
        return KeyRoute::grid;
    switch (nChar) {
    case VK_UP:
        return s.nSelStartLine > 0 ? KeyRoute::keep : KeyRoute::grid;
    case VK_DOWN:
        return s.nSelEndLine + 1 < s.nLineCount ? KeyRoute::keep : KeyRoute::grid;
    case VK_LEFT:
        return s.nSelEnd > 0 ? KeyRoute::keep : KeyRoute::grid;
    case VK_RIGHT:
        return s.nSelStart < s.nTextLength ? KeyRoute::keep : KeyRoute::grid;
    case VK_RETURN:
        return s.bWantReturn ? KeyRoute::keep : KeyRoute::grid;
    case VK_TAB:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        return KeyRoute::grid;
    case VK_INSERT:
        return s.bShift ? KeyRoute::paste : KeyRoute::keep;
    case VK_DELETE:
        return s.bShift && s.nSelStart != s.nSelEnd ? KeyRoute::cut : KeyRoute::keep;
    default:
        return nChar >= VK_F1 && nChar <= VK_F24 ? KeyRoute::grid : KeyRoute::keep;
    }
}

BOOL CGEEditControl::OfferKeyToGrid(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags) {
    return m_pGrid->ProcessKeys(this, message, nChar, nRepCnt, nFlags);
}

UINT CGEEditControl::OnGetDlgCode() {
    return static_cast<UINT>(Default()) | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CGEEditControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bActive) {
        if (!OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags))
            Default();
        return;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    KeyState state;
    GetSel(state.nSelStart, state.nSelEnd);
    state.nTextLength = GetWindowTextLength();
    state.nSelStartLine = LineFromChar(state.nSelStart);
    state.nSelEndLine = LineFromChar(state.nSelEnd);
    state.nLineCount = GetLineCount();
    state.bWantReturn = (GetStyle() & ES_WANTRETURN) != 0;
    state.bCtrl = m_pGrid->IsKeyDown(VK_CONTROL);
    state.bShift = m_pGrid->IsKeyDown(VK_SHIFT);
    switch (RouteKey(nChar, state)) {
    case KeyRoute::keep:
        Default();
        break;
    case KeyRoute::grid:
        if (!OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags) && HasWindow())
            Default();
        break;
    case KeyRoute::paste:
        Paste();
        break;
    case KeyRoute::cut:
        EmptyClipboard();
        Cut();
        break;
    }
}

void CGEEditControl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (OfferKeyToGrid(WM_KEYUP, nChar, nRepCnt, nFlags) || !HasWindow())
        return;
    Default();
    if (nChar != VK_SHIFT && nChar != VK_HOME && nChar != VK_END && nChar != VK_DOWN && nChar != VK_UP)
        UpdateEditStyle();
}

void CGEEditControl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!OfferKeyToGrid(WM_SYSKEYDOWN, nChar, nRepCnt, nFlags) && HasWindow())
        Default();
}

void CGEEditControl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!OfferKeyToGrid(WM_SYSCHAR, nChar, nRepCnt, nFlags) && HasWindow())
        Default();
}

void CGEEditControl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!OfferKeyToGrid(WM_SYSKEYUP, nChar, nRepCnt, nFlags) && HasWindow())
        Default();
}

// ---- typed characters ----

BOOL CGEEditControl::ProcessChar(UINT nChar, UINT nRepCnt, UINT) {
    if (!m_bBound || !m_bActive || IsReadOnly() || (GetStyle() & ES_READONLY) != 0 ||
        (nChar != VK_BACK && nRepCnt == 0 && !::GetSystemMetrics(SM_PENWINDOWS))) {
        m_strPending.Empty();
        return FALSE;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    if (!m_bInserting)
        m_strPending.Empty();
    if (m_pGrid->IsKeyDown(VK_CONTROL)) {
        switch (nChar) {
        case 3: // Ctrl+C
            EmptyClipboard();
            Copy();
            return FALSE;
        case 22: // Ctrl+V
            Paste();
            return FALSE;
        case 24: // Ctrl+X
            EmptyClipboard();
            Cut();
            return FALSE;
        default:
            break;
        }
    }
    if (nChar == '\r' || nChar == '\n') {
        const BOOL bWrapCell =
            m_bBound && GetCellStyle().GetIncludeWrapText() && GetCellStyle().GetWrapText();
        if ((nChar == '\r' && (GetStyle() & ES_WANTRETURN) != 0) || (nChar == '\n' && bWrapCell)) {
            m_strPending += "\r\n";
            return FALSE;
        }
        m_strPending.Empty();
        return FALSE;
    }
    if (m_pGrid->IsKeyDown(VK_CONTROL))
        return m_strPending.IsEmpty();
    if (!m_leadByte.bPending && nChar < 32)
        return m_strPending.IsEmpty();
    const BOOL bKorean = PRIMARYLANGID(LANGIDFROMLCID(::GetThreadLocale())) == LANG_KOREAN;
    const CString strChar = CombineLeadByte(m_leadByte, nChar, bKorean);
    if (strChar.IsEmpty())
        return FALSE;
    m_strPending = strChar;
    if (!ValidateString(TextWithInsert(m_strPending))) {
        OnInvalidKeyPressed(m_strPending);
        m_strPending.Empty();
    }
    return FALSE;
}

CString CGEEditControl::CombineLeadByte(GELeadByteState& lead, UINT nChar, BOOL bKorean) {
    if (lead.bPending) {
        lead.bPending = FALSE;
        const char sz[3] = {static_cast<char>(lead.nLeadByte), static_cast<char>(nChar), 0};
        return CString(sz);
    }
    if (nChar < 256 && _ismbblead(nChar) && !bKorean) {
        lead.bPending = TRUE;
        lead.nLeadByte = static_cast<BYTE>(nChar);
        return CString();
    }
    return CString(static_cast<char>(nChar));
}

void CGEEditControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    m_bFloatingChanged = FALSE;
    if (ProcessChar(nChar, nRepCnt, nFlags)) {
        Default();
        OfferKeyToGrid(WM_CHAR, nChar, nRepCnt, nFlags);
        return;
    }
    if (m_strPending.IsEmpty())
        return;
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    const int nTarget = nStart + m_strPending.GetLength();
    m_bInserting = TRUE;
    ReplaceSel(m_strPending);
    m_bInserting = FALSE;
    if (!HasWindow())
        return;
    if (m_bFloatingChanged) {
        SetSel(0, 0);
        SendMessage(EM_SCROLLCARET);
        GetGridWindow()->UpdateWindow();
        SetSel(nTarget, nTarget);
    } else {
        SetSel(nTarget, nTarget);
        SendMessage(EM_SCROLLCARET);
    }
    m_bFloatingChanged = FALSE;
    m_strPending.Empty();
}

// ---- keys and characters the grid sends while the cell is current ----

BOOL CGEEditControl::OnGridKeyDown(UINT nChar, UINT, UINT) {
    if (!HasWindow() || m_pGrid->IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar) {
    case VK_END:
    case VK_HOME: {
        if (!OnStartEditing())
            return TRUE;
        if (!m_bBound)
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
        const int nPos = nChar == VK_END ? GetWindowTextLength() : 0;
        SetSel(nPos, nPos);
        break;
    }
    case VK_DELETE: {
        CGEGridParam* pParam = m_pGrid->GetParam();
        if ((pParam != nullptr && pParam->m_bRangeClipboard) || IsReadOnly() ||
            m_pGrid->IsKeyDown(VK_SHIFT) || !OnDeleteCell() || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetModify(TRUE);
        SetValue("");
        break;
    }
    default:
        return FALSE;
    }
    UpdateEditStyle();
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    return TRUE;
}

BOOL CGEEditControl::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!HasWindow() || nChar < 32 || nChar == 127)
        return FALSE;
    return OnGridDoubleByteChar(CString(static_cast<char>(nChar)), nRepCnt, nFlags);
}

BOOL CGEEditControl::OnGridDoubleByteChar(const CString& strChar, UINT, UINT) {
    if (!HasWindow() || IsReadOnly())
        return FALSE;
    if (m_bActive) {
        if (!ValidateString(TextWithInsert(strChar)))
            return FALSE;
        int nStart = 0;
        int nEnd = 0;
        GetSel(nStart, nEnd);
        m_bInserting = TRUE;
        ReplaceSel(strChar);
        m_bInserting = FALSE;
        SetSel(nStart + strChar.GetLength(), nStart + strChar.GetLength());
        return TRUE;
    }
    if (!ValidateString(strChar) || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    SetValue(strChar);
    SetSel(strChar.GetLength(), strChar.GetLength());
    Refresh();
    return TRUE;
}

// ---- mouse ----

int CGEEditControl::CharFromPoint(CPoint point) {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr || !m_bBound)
        return -1;
    const CGEStyle& style = GetCellStyle();
    const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, &style);
    CString strText = WindowText();
    if (!m_bActive)
        GetControlText(strText, m_nRow, m_nCol, nullptr, style);
    const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
    const UINT nFormat = CGEDrawingAndFormatting::AlignmentFormat(style) | DT_NOPREFIX |
                         (bWrap ? DT_WORDBREAK : DT_SINGLELINE);
    CClientDC dc(pGridWnd);
    CFont* pOldFont = SelectStyleFont(&dc, style, nullptr);
    const int nChar = CGEDrawingAndFormatting::GetInstance()->GetCharIndexAtPoint(
        &dc, strText, strText.GetLength(), rectText, nFormat, point);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return nChar;
}

BOOL CGEEditControl::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    if (!HasWindow())
        return CGEControl::LButtonUp(nFlags, point, nHitState);
    CGEGridParam* pParam = m_pGrid->GetParam();
    const WORD wFlags = pParam != nullptr ? pParam->m_wActivateFlags : 0;
    const int nChar = CharFromPoint(point);
    const BOOL bActivate = nChar >= 0 ? (wFlags & 7) != 0 : (wFlags & 6) != 0;
    if (bActivate) {
        if (!m_bActive && OnStartEditing())
            SetActive(TRUE);
        if (m_bActive) {
            if (nChar >= 0)
                SetSel(nChar, nChar);
            else
                SetSel(0, -1);
            SendMessage(EM_SCROLLCARET);
            if (CWnd::GetFocus() != this)
                Refresh();
        }
    }
    CGEControl::LButtonUp(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGEEditControl::LButtonDblClk(UINT nFlags, CPoint point) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (!HasWindow() || m_bActive || pParam == nullptr || (pParam->m_wActivateFlags & 8) == 0)
        return CGEControl::LButtonDblClk(nFlags, point);
    if (OnStartEditing()) {
        SetActive(TRUE);
        const int nChar = CharFromPoint(point);
        if (nChar >= 0)
            SetSel(nChar, nChar);
        Refresh();
    }
    CGEControl::LButtonDblClk(nFlags, point);
    return TRUE;
}

void CGEEditControl::OnLButtonDown(UINT, CPoint point) {
    int nOldStart = 0;
    int nOldEnd = 0;
    GetSel(nOldStart, nOldEnd);
    Default();
    if (!IsWindowVisible()) {
        SetActive(TRUE);
        Refresh();
        return;
    }
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    if (nOldStart != nOldEnd && nStart == nEnd && nStart >= nOldStart && nStart <= nOldEnd) {
        // A press inside the selection keeps it while the grid may drag the text; afterwards the caret
        // goes where the press left it.
        SetSel(nOldStart, nOldEnd);
        SendMessage(EM_SCROLLCARET);
        const ROWCOL nRow = m_nRow;
        const ROWCOL nCol = m_nCol;
        m_pGrid->DragSelectedText(nRow, nCol);
        if (IsBoundToCellAt(nRow, nCol) && m_bActive && m_pGrid->IsCurrentCell(nRow, nCol) && HasWindow()) {
            const int nChar = LOWORD(CharFromPos(point));
            SetSel(nChar, nChar);
        }
    }
}

void CGEEditControl::OnContextMenu(CWnd*, CPoint) {}

// ---- the window's own messages ----

BOOL CGEEditControl::OnEraseBkgnd(CDC* pDC) {
    GEEraseCellWindowBackground(*this, pDC, m_pGrid, m_bBound ? &GetCellStyle() : nullptr);
    return TRUE;
}

void CGEEditControl::OnShowWindow(BOOL bShow, UINT) {
    Default();
    if (bShow)
        UpdateEditStyle();
}

void CGEEditControl::OnSetFocus(CWnd*) {
    Default();
    UpdateEditStyle();
}

void CGEEditControl::OnKillFocus(CWnd* pNewWnd) {
    Default();
    if (!m_bRecreating)
        NotifyGridKillFocus(pNewWnd);
}

LRESULT CGEEditControl::OnImeStartComposition(WPARAM, LPARAM) {
    s_bImeComposition = TRUE;
    return Default();
}

LRESULT CGEEditControl::OnImeEndComposition(WPARAM, LPARAM) {
    s_bImeComposition = FALSE;
    return Default();
}
