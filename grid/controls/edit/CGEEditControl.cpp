// Construction, editing state, values, storing, clipboard, find and replace.
#include "grid/controls/edit/CGEEditControl.h"

#include "grid/controls/GETextSearch.h"
#include "grid/core/CGEFindReplaceState.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <mbstring.h>

IMPLEMENT_DYNAMIC(CGEEditControl, CEdit)

const CGEControlClass CGEEditControl::controlClass = {"CGEEditControl", &CGEStatic::controlClass};

BOOL CGEEditControl::s_bImeComposition = FALSE;

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

} // namespace

CGEEditControl::CGEEditControl(CGEGridCore* pGrid, UINT nID) : CGEStatic(pGrid), m_nWindowId(nID) {}

CGEEditControl::~CGEEditControl() {
    if (HasWindow())
        DestroyWindow();
}

// ---- state ----

void CGEEditControl::SetActive(BOOL bActive) {
    const BOOL bNew = HasWindow() ? bActive : FALSE;
    if (bNew && !m_bActive && m_bBound) {
        ResetStyleCache(TRUE);
        GetCellStyle();
    }
    m_bActive = bNew;
    if (HasWindow() && m_bBound)
        ReevaluateFloating();
}

void CGEEditControl::SetModify(BOOL bModified) {
    if (HasWindow())
        CEdit::SetModify(bModified);
}

BOOL CGEEditControl::GetModify() const {
    return HasWindow() ? CEdit::GetModify() : FALSE;
}

BOOL CGEEditControl::ReevaluateFloating() {
    m_pGrid->DelayFloatCells(Cell(m_nRow, m_nCol));
    return m_pGrid->EvalFloatCells(Cell(m_nRow, m_nCol), TRUE);
}

void CGEEditControl::Init(ROWCOL nRow, ROWCOL nCol) {
    s_bImeComposition = FALSE;
    CGEControl::Init(nRow, nCol);
    CWnd* pGridWnd = GetGridWindow();
    if (!HasWindow() && pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr) {
        m_dwEditStyle = WS_CHILD;
        CreateEditWindow(m_dwEditStyle, nullptr);
    }
    const CGEStyle& style = GetCellStyle();
    const CString strValue = m_pGrid->GetStoredCellValue(nRow, nCol);
    if (style.GetIncludeAutoSize())
        m_bAutoSize = style.GetAutoSize();
    SetCurrentText(strValue);
    if (HasWindow()) {
        SetSel(0, -1);
        SendMessage(EM_SCROLLCARET);
        if (m_bActive)
            LineScroll(255, 0);
    }
    SetModify(FALSE);
}

BOOL CGEEditControl::OnCancelEditing() {
    const BOOL bResult = CGEControl::OnCancelEditing();
    if (bResult)
        m_pGrid->DelayFloatCells(Cell(m_nRow, m_nCol));
    return bResult;
}

BOOL CGEEditControl::CanFloatCell(ROWCOL, ROWCOL, const CGEStyle& style, BOOL bFloatOrFlood) {
    const BOOL bHasText = style.GetIncludeValue() && !style.GetValue().IsEmpty();
    return bFloatOrFlood ? bHasText : !bHasText;
}

void CGEEditControl::Hide() {
    if (!HasWindow() || !IsWindowVisible())
        return;
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    ::HideCaret(GetSafeHwnd());
    // A hidden window keeps the focus it had: the keys go back to the grid window.
    if (CWnd::GetFocus() == this && GetGridWindow() != nullptr)
        GetGridWindow()->SetFocus();
    MoveWindow(0, 0, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

void CGEEditControl::MoveFocusLocked(CWnd* pWnd) {
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    pWnd->SetFocus();
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

// ---- values ----

CString CGEEditControl::WindowText() const {
    CString strText;
    if (HasWindow())
        GetWindowText(strText);
    return strText;
}

CString CGEEditControl::TextWithInsert(LPCSTR pszInsert) const {
    const CString strText = WindowText();
    int nStart = 0;
    int nEnd = 0;
    if (HasWindow())
        GetSel(nStart, nEnd);
    return strText.Left(nStart) + pszInsert + strText.Mid(nEnd);
}

BOOL CGEEditControl::GetValue(CString& strResult) {
    if (m_bActive) {
        strResult = WindowText();
        return TRUE;
    }
    if (m_bBound)
        return GetControlText(strResult, m_nRow, m_nCol, nullptr, GetCellStyle());
    strResult.Empty();
    return FALSE;
}

void CGEEditControl::SetValue(LPCSTR pszValue) {
    if (!m_bBound || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    if (ValidateString(CString(pszValue))) {
        SetWindowText(pszValue);
        SetModify(TRUE);
        OnModifyCell();
    }
    ReevaluateFloating();
}

BOOL CGEEditControl::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    GetValue(strResult);
    return TRUE;
}

void CGEEditControl::SetCurrentText(const CString& str) {
    if (!HasWindow())
        return;
    CGEGridParam* pParam = m_pGrid->GetParam();
    CString strText;
    if (pParam != nullptr && pParam->m_bPlainValue)
        strText = !str.IsEmpty() || !m_bBound ? str : m_pGrid->GetStoredCellValue(m_nRow, m_nCol);
    else if (m_bBound)
        GetControlText(strText, m_nRow, m_nCol, str, GetCellStyle());
    else
        strText = str;
    SetWindowText(strText);
    if (m_bActive && m_bBound) {
        ReevaluateFloating();
        m_pGrid->EvalVisibleSpannedCells(
            CGECellRange(m_nRow, m_nCol, m_pGrid->GetLastVisibleRow(), m_pGrid->GetLastVisibleCol()));
    }
}

BOOL CGEEditControl::Store() {
    CString strText;
    if (m_pStyle == nullptr || !GetModify() || !GetCurrentText(strText))
        return TRUE;
    SetActive(FALSE);
    ResetStyleCache(TRUE);
    return m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), strText, geOverride,
                                      m_pGrid->m_nCurrentCommandType, GE_INVALIDATE);
}

BOOL CGEEditControl::ValidatePaste(const CString& str) {
    return ValidateString(TextWithInsert(str));
}

// ---- clipboard and replacement ----

void CGEEditControl::EmptyClipboard() {
    if (::OpenClipboard(GetSafeHwnd())) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

BOOL CGEEditControl::Copy() {
    return CGEControl::Copy();
}

BOOL CGEEditControl::Paste() {
    return CGEControl::Paste();
}

void CGEEditControl::ReplaceSel(LPCSTR pszText) {
    if (!m_bActive) {
        CGEControl::ReplaceSel(pszText);
        return;
    }
    if (IsReadOnly())
        return;
    SetModify(TRUE);
    CEdit::ReplaceSel(pszText, FALSE);
}

BOOL CGEEditControl::GetSelectedText(CString& strResult) {
    if (!m_bActive) {
        GetValue(strResult);
        return FALSE;
    }
    strResult = WindowText();
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    if (nStart == nEnd)
        return FALSE;
    strResult = strResult.Mid(nStart, nEnd - nStart);
    return TRUE;
}

BOOL CGEEditControl::Cut() {
    if (m_bActive) {
        if (!Copy())
            return FALSE;
        ReplaceSel("");
        return TRUE;
    }
    return CGEControl::Cut();
}

// ---- find and replace ----

BOOL CGEEditControl::FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                              BOOL bSetSel) {
    if (m_bActive && IsBoundToCellAt(nRow, nCol)) {
        const CString strSearch = GESearchCopy(WindowText(), state);
        int nStart = 0;
        int nEnd = 0;
        GetSel(nStart, nEnd);
        const int nFound = GEFindFrom(strSearch, state.m_strFindCompare, bCurrentPos ? nStart : nStart + 1);
        if (nFound < 0)
            return FALSE;
        if (bSetSel) {
            m_pGrid->ScrollCellInView(nRow, nCol, GE_UPDATENOW, FALSE);
            SetSel(nFound, nFound + state.m_strFindCompare.GetLength());
        }
        return TRUE;
    }
    CString strText;
    if (state.m_pStyle != nullptr) {
        GetControlText(strText, nRow, nCol, nullptr, *state.m_pStyle);
    } else {
        CGEStyle* pStyle = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
        GetControlText(strText, nRow, nCol, nullptr, *pStyle);
        m_pGrid->RecycleStyle(pStyle);
    }
    if (GEFindFrom(GESearchCopy(strText, state), state.m_strFindCompare, 0) < 0)
        return FALSE;
    if (bSetSel) {
        m_pGrid->ScrollCellInView(nRow, nCol, GE_UPDATENOW, FALSE);
        if (m_pGrid->SetCurrentCell(nRow, nCol, 0x24) && IsBoundToCellAt(nRow, nCol)) {
            SetActive(TRUE);
            FindText(state, nRow, nCol, TRUE, TRUE);
            Refresh();
        }
    }
    return TRUE;
}

// The replaced display text goes back through SetControlText, like any text a user gives a cell: read-only
// cells refuse it, and controls whose value differs from their text (an index, a key) turn it into a
// value or refuse it.
BOOL CGEEditControl::ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) {
    int nCount = 0;
    if (m_bActive && IsBoundToCellAt(nRow, nCol)) {
        if (IsReadOnly())
            return FALSE;
        int nStart = 0;
        int nEnd = 0;
        GetSel(nStart, nEnd);
        const CString strResult = GEReplaceFrom(WindowText(), state, nStart, &nCount);
        if (nCount == 0 || !SetControlText(nRow, nCol, strResult, GE_UPDATENOW, nullptr))
            return FALSE;
        SetWindowText(strResult);
        SetModify(TRUE);
        return TRUE;
    }
    CString strText;
    CGEStyle* pStyle = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
    GetControlText(strText, nRow, nCol, nullptr, state.m_pStyle != nullptr ? *state.m_pStyle : *pStyle);
    m_pGrid->RecycleStyle(pStyle);
    const CString strResult = GEReplaceFrom(strText, state, 0, &nCount);
    if (nCount == 0)
        return FALSE;
    return SetControlText(nRow, nCol, strResult, GE_UPDATENOW, nullptr);
}

// ---- notifications of the window ----

BOOL CGEEditControl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND && OnCommand(wParam, lParam))
        return TRUE;
    return CEdit::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CGEEditControl::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_bActive || reinterpret_cast<HWND>(lParam) != GetSafeHwnd())
        return FALSE;
    if (HIWORD(wParam) != EN_CHANGE)
        return FALSE;
    OnModifyCell();
    if (ReevaluateFloating()) {
        m_bFloatingChanged = TRUE;
    } else if (m_bAutoSize) {
        CGECellRange range = Cell(m_nRow, m_nCol);
        m_pGrid->GetCellRangeRowCol(m_nRow, m_nCol, range);
        if (m_bWrapText)
            m_pGrid->ResizeRowHeightsToFit(range, TRUE, GE_UPDATENOW | GE_GROWONLY);
        else
            m_pGrid->ResizeColWidthsToFit(range, TRUE, GE_UPDATENOW | GE_GROWONLY);
        LineScroll(255, 0);
    }
    return TRUE;
}
