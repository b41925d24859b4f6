// The currency cell: keys and characters in the grid and in the editor, the mouse, the calculator's result.
#include "grid/controls/gadgets/CGECurrencyEdit.h"

#include "framework/win/CClientDC.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/gadgets/CGEBPopupCalculator.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <cmath>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CGECurrencyEdit, CGEBCurrencyEdit)
ON_MESSAGE(WM_SETTEXT, OnEditorSetText)
ON_MESSAGE(GEB_CALC_RESULT, OnCalculatorResult)
ON_MESSAGE(WM_GETDLGCODE, OnEditorGetDlgCode)
ON_MESSAGE(WM_KEYDOWN, OnEditorKeyDown)
ON_MESSAGE(WM_CHAR, OnEditorChar)
ON_MESSAGE(WM_KEYUP, OnEditorKeyUp)
ON_MESSAGE(WM_SYSCHAR, OnEditorSysChar)
ON_MESSAGE(WM_SYSKEYUP, OnEditorSysKeyUp)
ON_MESSAGE(WM_SYSKEYDOWN, OnEditorSysKeyDown)
ON_MESSAGE(WM_KILLFOCUS, OnEditorKillFocus)
ON_MESSAGE(WM_SHOWWINDOW, OnEditorShowWindow)
ON_MESSAGE(WM_CONTEXTMENU, OnEditorContextMenu)
ON_MESSAGE(WM_LBUTTONDOWN, OnEditorLButtonDown)
END_MESSAGE_MAP()

BOOL CGECurrencyEdit::IsShiftDown() const {
    return m_pGrid->IsKeyDown(VK_SHIFT);
}

BOOL CGECurrencyEdit::IsCtrlDown() const {
    return m_pGrid->IsKeyDown(VK_CONTROL);
}

BOOL CGECurrencyEdit::KeyToGrid(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_pGrid->ProcessKeys(this, message, static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
}

void CGECurrencyEdit::ActivateEditor() {
    SetActive(TRUE);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    if (CWnd* pGridWnd = GetGridWindow(); pGridWnd != nullptr)
        pGridWnd->UpdateWindow();
}

BOOL CGECurrencyEdit::FlipShownSign() {
    CGEBCurrencyFormat format;
    GetFormat(format);
    CString strText;
    GetWindowText(strText);
    double dAmount = 0.0;
    BOOL bNegative = FALSE;
    if (!format.Parse(strText, dAmount, bNegative))
        return FALSE;
    m_model.SetAmount(dAmount, !bNegative);
    SetTextNoParse(m_model.GetText());
    Invalidate();
    return TRUE;
}

// ---- the grid's keys while the editor is not active ----

BOOL CGECurrencyEdit::OnGridKeyDown(UINT nChar, UINT, UINT) {
    if (!HasWindow() || m_pGrid->IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar) {
    case VK_SPACE:
        // A read-only cell keeps its sign; the grid handles the key.
        if (IsCellReadOnly())
            return FALSE;
        FlipShownSign();
        return TRUE;
    case VK_HOME:
    case VK_END:
        if (!OnStartEditing())
            return TRUE;
        if (!m_bBound)
            Init(m_nRow, m_nCol);
        ActivateEditor();
        SetCaret(nChar == VK_HOME ? 0 : m_model.GetText().GetLength(), FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CGECurrencyEdit::OnGridChar(UINT nChar, UINT, UINT) {
    if (!HasWindow() || nChar < 32 || nChar == 127 || m_bActive || IsCellReadOnly())
        return FALSE;
    if (OnStartEditing()) {
        ActivateEditor();
        // The typed character replaces the amount, whether or not the editor took the focus.
        SetSel(0, -1);
        PostMessage(WM_CHAR, nChar, 1);
    }
    return TRUE;
}

BOOL CGECurrencyEdit::OnGridSysKeyDown(UINT nChar, UINT, UINT) {
    if (!HasWindow())
        return FALSE;
    if (nChar == VK_UP) {
        MoveFocusLocked(this);
        return TRUE;
    }
    if (nChar != VK_DOWN)
        return FALSE;
    if (OnStartEditing()) {
        ActivateEditor();
        if (HasButton())
            ShowCalculator();
    }
    return TRUE;
}

// ---- the mouse ----

int CGECurrencyEdit::CellCharFromPoint(CPoint point) {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr || !m_bBound)
        return -1;
    const CGEStyle& style = GetCellStyle();
    const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, &style);
    CString strText;
    if (m_bActive)
        GetWindowText(strText);
    else
        GetControlText(strText, m_nRow, m_nCol, nullptr, style);
    const UINT nFormat = CGEDrawingAndFormatting::AlignmentFormat(style) | DT_NOPREFIX | DT_SINGLELINE;
    CClientDC dc(pGridWnd);
    CFont* pOldFont = SelectStyleFont(&dc, style, nullptr);
    const int nChar = CGEDrawingAndFormatting::GetInstance()->GetCharIndexAtPoint(
        &dc, strText, strText.GetLength(), rectText, nFormat, point);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return nChar;
}

BOOL CGECurrencyEdit::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    if (HasWindow()) {
        const int nChar = CellCharFromPoint(point);
        CGEGridParam* pParam = m_pGrid->GetParam();
        const WORD wFlags = pParam != nullptr ? pParam->m_wActivateFlags : 0;
        if (nChar >= 0 && (wFlags & 7) != 0) {
            if (!m_bActive && OnStartEditing())
                SetActive(TRUE);
            if (m_bActive)
                SetSel(nChar, nChar);
        }
        if (m_bActive && CWnd::GetFocus() != this)
            Refresh();
    }
    CGEStatic::LButtonUp(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGECurrencyEdit::LButtonDblClk(UINT nFlags, CPoint point) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (HasWindow() && !m_bActive && pParam != nullptr && (pParam->m_wActivateFlags & 8) != 0 &&
        OnStartEditing()) {
        SetActive(TRUE);
        Refresh();
    }
    return CGEStatic::LButtonDblClk(nFlags, point);
}

// ---- the editor's messages ----

LRESULT CGECurrencyEdit::OnEditorSetText(WPARAM wParam, LPARAM lParam) {
    if (!m_bParseOnSetText && !m_bUpdating && m_bBound) {
        SetModify(TRUE);
        OnModifyCell();
    }
    return OnSetTextMsg(wParam, lParam);
}

LRESULT CGECurrencyEdit::OnCalculatorResult(WPARAM, LPARAM lParam) {
    if (IsCellReadOnly() || lParam == 0)
        return 1;
    // The calculator writes the user's decimal separator and always ends an integer with it ("12."), which
    // no currency text holds: its number is read, then shown in this cell's format.
    CString strText = reinterpret_cast<LPCSTR>(lParam);
    CString strSeparator;
    CGEBCalculator().GetDecimalSeparator(strSeparator);
    strText.Replace(strSeparator, ".");
    char* pEnd = nullptr;
    const double dValue = std::strtod(strText, &pEnd);
    if (pEnd == static_cast<LPCSTR>(strText) || !std::isfinite(dValue))
        return 0;
    CGEBCurrencyFormat format;
    GetFormat(format);
    CString strShown;
    format.FormatValue(std::fabs(dValue), strShown, dValue < 0);
    return OnSetTextMsg(0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strShown)));
}

LRESULT CGECurrencyEdit::OnEditorGetDlgCode(WPARAM wParam, LPARAM lParam) {
    return OnGetDlgCodeMsg(wParam, lParam) | DLGC_WANTTAB;
}

LRESULT CGECurrencyEdit::OnEditorKeyDown(WPARAM wParam, LPARAM lParam) {
    if (m_bBound)
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    if (IsCtrlDown())
        return OnCurKeyDownMsg(wParam, lParam);
    const UINT nKey = static_cast<UINT>(wParam);
    BOOL bToGadget = FALSE;
    switch (nKey) {
    case VK_RIGHT:
        bToGadget = m_model.GetCaret() < m_model.GetText().GetLength();
        break;
    case VK_LEFT:
        bToGadget = m_model.GetCaret() > 0;
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        break;
    case VK_INSERT:
        if (IsShiftDown()) {
            CGEBCurrencyEdit::Paste();
            return 0;
        }
        bToGadget = TRUE;
        break;
    case VK_DELETE:
        if (!IsCellReadOnly()) {
            SetModify(TRUE);
            DeleteChar();
        }
        return 0;
    case VK_SPACE:
        if (!IsCellReadOnly())
            FlipShownSign();
        return 0;
    default:
        bToGadget = nKey < VK_F1 || nKey > VK_F24;
        break;
    }
    if (bToGadget) {
        OnCurKeyDownMsg(wParam, lParam);
        // Keys the editor has no use for still reach the grid.
        const BOOL bEditorKey = nKey == VK_BACK || nKey == VK_HOME || nKey == VK_END || nKey == VK_LEFT ||
                                nKey == VK_RIGHT || nKey == VK_INSERT;
        if (bEditorKey)
            return 0;
    }
    KeyToGrid(WM_KEYDOWN, wParam, lParam);
    return 0;
}

LRESULT CGECurrencyEdit::OnEditorChar(WPARAM wParam, LPARAM lParam) {
    if (!m_bBound || !m_bActive || IsCellReadOnly())
        return 0;
    const char c = static_cast<char>(wParam);
    switch (c) {
    case 3: // Ctrl+C
        CGEBCurrencyEdit::Copy();
        return 0;
    case 22: // Ctrl+V
        CGEBCurrencyEdit::Paste();
        return 0;
    case 24: // Ctrl+X
        CGEBCurrencyEdit::Cut();
        return 0;
    case '\r':
    case '\n':
        return 0;
    default:
        break;
    }
    CGEBCurrencyFormat format;
    GetFormat(format);
    if ((c >= '0' && c <= '9') || c == '-' || (c != 0 && c == format.m_cDecimalSep))
        return OnCharMsg(wParam, lParam);
    if (!KeyToGrid(WM_CHAR, wParam, lParam))
        return Default();
    return 0;
}

LRESULT CGECurrencyEdit::OnEditorKeyUp(WPARAM wParam, LPARAM lParam) {
    return KeyToGrid(WM_KEYUP, wParam, lParam) ? 0 : Default();
}

LRESULT CGECurrencyEdit::OnEditorSysChar(WPARAM wParam, LPARAM lParam) {
    return KeyToGrid(WM_SYSCHAR, wParam, lParam) ? 0 : Default();
}

LRESULT CGECurrencyEdit::OnEditorSysKeyUp(WPARAM wParam, LPARAM lParam) {
    return KeyToGrid(WM_SYSKEYUP, wParam, lParam) ? 0 : Default();
}

LRESULT CGECurrencyEdit::OnEditorSysKeyDown(WPARAM wParam, LPARAM lParam) {
    if (KeyToGrid(WM_SYSKEYDOWN, wParam, lParam))
        return 0;
    return OnCurSysKeyDownMsg(wParam, lParam);
}

LRESULT CGECurrencyEdit::OnEditorKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = OnKillFocusMsg(wParam, lParam);
    NotifyGridKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
    return lResult;
}

LRESULT CGECurrencyEdit::OnEditorShowWindow(WPARAM, LPARAM) {
    return TRUE;
}

LRESULT CGECurrencyEdit::OnEditorContextMenu(WPARAM, LPARAM) {
    return Default();
}

LRESULT CGECurrencyEdit::OnEditorLButtonDown(WPARAM wParam, LPARAM lParam) {
    int nOldStart = 0;
    int nOldEnd = 0;
    const BOOL bHadSelection = m_model.GetSelection(nOldStart, nOldEnd);
    const LRESULT lResult = OnLButtonDownMsg(wParam, lParam);
    const int nCaret = m_model.GetCaret();
    if (!bHadSelection || m_model.HasSelection() || nCaret < nOldStart || nCaret > nOldEnd)
        return lResult;
    // A press inside the selection keeps it while the grid may drag the text: no selecting by the mouse.
    m_bMouseSelecting = FALSE;
    if (::GetCapture() == GetSafeHwnd())
        ::ReleaseCapture();
    SetSel(nOldStart, nOldEnd);
    if (m_bBound)
        m_pGrid->DragSelectedText(m_nRow, m_nCol);
    return lResult;
}
