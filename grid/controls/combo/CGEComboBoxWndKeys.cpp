// Mouse, keys and the window's notifications.
#include "grid/controls/combo/CGEComboBoxWnd.h"

#include "framework/win/CDC.h"
#include "grid/controls/CGEComboBoxWndButton.h"
#include "grid/controls/GECellWindowBackground.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"

#include <mbstring.h>

BEGIN_MESSAGE_MAP(CGEComboBoxWnd, CComboBox)
ON_WM_ERASEBKGND()
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

} // namespace

// ---- opening the list ----

void CGEComboBoxWnd::PostClick(CPoint point) {
    PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessage(WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

CPoint CGEComboBoxWnd::ButtonClickPoint() {
    const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr);
    const CRect rectButton = m_pDropButton != nullptr ? m_pDropButton->GetRect() : rectText;
    return CPoint(rectButton.left - rectText.left + 5, rectButton.top - rectText.top + 5);
}

void CGEComboBoxWnd::ActivateAndDropDown() {
    if (!m_bActive) {
        if (!OnStartEditing())
            return;
        SetActive(TRUE);
        Refresh();
    }
    if (!HasWindow() || !IsDropDownList() || GetDroppedState() || !m_bDropDownOnClick)
        return;
    if (!GEGetLibraryState()->m_bNewShell) {
        m_bPendingDropDown = TRUE;
        return;
    }
    GetGridWindow()->UpdateWindow();
    PostClick(CPoint(0, 0));
}

void CGEComboBoxWnd::OnComboSetFocus() {
    if (m_bPendingDropDown && HasWindow() && !GetDroppedState())
        ShowDropDown(TRUE);
    m_bPendingDropDown = FALSE;
}

// ---- mouse ----

BOOL CGEComboBoxWnd::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if ((nHitState & 2) == 0 && pParam != nullptr && (pParam->m_wActivateFlags & 0x7) != 0) {
        ActivateAndDropDown();
        CGEStatic::LButtonUp(nFlags, point, nHitState);
        return TRUE;
    }
    return CGEStatic::LButtonUp(nFlags, point, nHitState);
}

BOOL CGEComboBoxWnd::LButtonDblClk(UINT nFlags, CPoint point) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (!m_bActive && pParam != nullptr && (pParam->m_wActivateFlags & 0x8) != 0) {
        ActivateAndDropDown();
        CGEStatic::LButtonDblClk(nFlags, point);
        return TRUE;
    }
    return CGEStatic::LButtonDblClk(nFlags, point);
}

void CGEComboBoxWnd::OnChildButtonClicked(CGEChild* pChild) {
    if (!(m_bActive && IsDropDownList() && m_bDropDownOnClick)) {
        if (!m_bActive) {
            if (!OnStartEditing())
                return;
            SetActive(TRUE);
            Refresh();
        }
        if (HasWindow() && !GetDroppedState() && m_bDropDownOnClick) {
            if (!GEGetLibraryState()->m_bNewShell) {
                m_bPendingDropDown = TRUE;
            } else {
                GetGridWindow()->UpdateWindow();
                PostClick(ButtonClickPoint());
            }
        }
    }
    CGEStatic::OnChildButtonClicked(pChild);
}

// ---- keys of the window and its edit field ----

BOOL CGEComboBoxWnd::KeyToGrid(UINT nChar, UINT nRepCnt, UINT nFlags) {
    return m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
}

BOOL CGEComboBoxWnd::OnComboKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bBound)
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    if (m_pGrid->IsKeyDown(VK_CONTROL))
        return KeyToGrid(nChar, nRepCnt, nFlags);
    const BOOL bDropped = HasWindow() && GetDroppedState();
    switch (nChar) {
    case VK_TAB:
    case VK_ESCAPE:
        return KeyToGrid(nChar, nRepCnt, nFlags);
    case VK_RETURN:
        if (bDropped) {
            ShowDropDown(FALSE);
            return TRUE;
        }
        return KeyToGrid(nChar, nRepCnt, nFlags);
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        if (m_bKeepArrowKeys || bDropped)
            return FALSE;
        return KeyToGrid(nChar, nRepCnt, nFlags);
    case VK_LEFT: {
        int nStart = 0;
        int nEnd = 0;
        GetEditSel(nStart, nEnd);
        if (!m_bKeepArrowKeys && !bDropped && (IsDropDownList() || nStart == 0))
            return KeyToGrid(nChar, nRepCnt, nFlags);
        return FALSE;
    }
    case VK_RIGHT: {
        if (m_bKeepArrowKeys || bDropped)
            return FALSE;
        if (IsDropDownList())
            return KeyToGrid(nChar, nRepCnt, nFlags);
        int nStart = 0;
        int nEnd = 0;
        GetEditSel(nStart, nEnd);
        const CString strText = ActiveText();
        const int nLength =
            static_cast<int>(_mbslen(reinterpret_cast<const unsigned char*>(strText.GetString())));
        if (nEnd >= nLength)
            return KeyToGrid(nChar, nRepCnt, nFlags);
        return FALSE;
    }
    case VK_DELETE:
        if (IsDropDownList() && m_bBound) {
            SetActive(FALSE);
            SetModify(FALSE);
            m_pGrid->SetValueRange(Cell(m_nRow, m_nCol), "", geOverride, 0, GE_UPDATENOW);
            return TRUE;
        }
        return FALSE;
    default:
        if (nChar >= VK_F1 && nChar <= VK_F24)
            return KeyToGrid(nChar, nRepCnt, nFlags);
        return FALSE;
    }
}

void CGEComboBoxWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // The window hands keys on to its edit field: that one must not filter them a second time.
    m_bFilteringKey = TRUE;
    const BOOL bUsed = OnComboKeyDown(nChar, nRepCnt, nFlags);
    if (!bUsed && HasWindow())
        Default();
    m_bFilteringKey = FALSE;
}

void CGEComboBoxWnd::OnKillFocus(CWnd* pNewWnd) {
    Default();
    // The combo's own edit field and drop-down list are part of the cell.
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->GetSafeHwnd() : nullptr;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (hNew != nullptr &&
        (::IsChild(GetSafeHwnd(), hNew) || (GetComboBoxInfo(&info) && hNew == info.hwndList)))
        return;
    NotifyGridKillFocus(pNewWnd);
}

BOOL CGEComboBoxWnd::OnEraseBkgnd(CDC* pDC) {
    GEEraseCellWindowBackground(*this, pDC, m_pGrid, m_bBound ? m_pStyle : nullptr);
    return TRUE;
}

// ---- keys that reach the control while the grid window has the focus ----

BOOL CGEComboBoxWnd::OnGridKeyDown(UINT nChar, UINT, UINT) {
    if (!HasWindow() || m_pGrid->IsKeyDown(VK_CONTROL))
        return FALSE;
    if (nChar != VK_END && nChar != VK_HOME)
        return FALSE;
    if (!OnStartEditing())
        return TRUE;
    ROWCOL nRow = 0;
    ROWCOL nCol = 0;
    if (!m_bBound && m_pGrid->GetCurrentCell(nRow, nCol))
        Init(nRow, nCol);
    SetActive(TRUE);
    if (nChar == VK_END) {
        CString strValue;
        GetValue(strValue);
        SetEditSel(strValue.GetLength(), strValue.GetLength());
    } else {
        SetEditSel(0, 0);
    }
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    return TRUE;
}

BOOL CGEComboBoxWnd::OnGridSysKeyDown(UINT nChar, UINT, UINT) {
    if (nChar != VK_DOWN || !HasWindow() || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    GetGridWindow()->UpdateWindow();
    ShowDropDown(TRUE);
    return TRUE;
}

BOOL CGEComboBoxWnd::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!HasWindow() || nChar < 0x20 || nChar == 0x7F)
        return FALSE;
    return OnGridDoubleByteChar(CString(static_cast<char>(nChar)), nRepCnt, nFlags);
}

BOOL CGEComboBoxWnd::OnGridDoubleByteChar(const CString& strChar, UINT, UINT) {
    if (!HasWindow() || IsReadOnly())
        return FALSE;
    if (m_bActive) {
        int nStart = 0;
        int nEnd = 0;
        GetEditSel(nStart, nEnd);
        ReplaceSel(strChar);
        const int nCaret = std::max(0, nStart) + strChar.GetLength();
        SetEditSel(nCaret, nCaret);
        return TRUE;
    }
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    if (IsDropDownList()) {
        // The next item that begins with the character, after the one shown now, wrapping to the top.
        const int nCurrent = FindString(-1, ActiveText());
        int nFound = SelectString(nCurrent, strChar);
        if (nFound == nCurrent)
            nFound = SelectString(-1, strChar);
    } else {
        SetValue(strChar);
        SetEditSel(strChar.GetLength(), strChar.GetLength());
    }
    SetModify(TRUE);
    OnModifyCell();
    Refresh();
    return TRUE;
}

// ---- the window's notifications ----

void CGEComboBoxWnd::RestoreSaved() {
    if (IsDropDownList())
        SetCurSel(m_nSavedIndex);
    else
        SetWindowText(m_strSaved);
}

BOOL CGEComboBoxWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND && OnCommand(wParam, lParam))
        return TRUE;
    return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CGEComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_bActive || !HasWindow() || reinterpret_cast<HWND>(lParam) != GetSafeHwnd())
        return FALSE;
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
        if (IsReadOnly()) {
            RestoreSaved();
        } else {
            SetModify(TRUE);
            OnModifyCell();
        }
        break;
    case CBN_SETFOCUS:
        OnComboSetFocus();
        break;
    case CBN_DROPDOWN:
        m_pGrid->m_bListDropped = TRUE;
        m_nSavedIndex = GetCurSel();
        GetWindowText(m_strSaved);
        break;
    case CBN_CLOSEUP:
        m_pGrid->m_bListDropped = FALSE;
        if (IsReadOnly())
            RestoreSaved();
        else if (m_bModified)
            OnModifyCell();
        break;
    default:
        break;
    }
    return FALSE;
}

CRect CGEComboBoxWnd::CalcWindowRectFromCell(const CRect& rect) {
    return rect;
}
