// The date-time cell: keys and characters in the grid and in the editor, the mouse and the clipboard.
#include "grid/controls/datetime/CGEDateTimeCtrl.h"

#include "grid/controls/datetime/CGEBDTListGadget.h"
#include "grid/controls/datetime/CGEBDTNumericGadget.h"
#include "grid/controls/gadgets/CGEBPopupCalendar.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

BEGIN_MESSAGE_MAP(CGEDateTimeCtrl, CGEBDateTimeCtrl)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_WM_ERASEBKGND()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

} // namespace

void CGEDateTimeCtrl::ActivateEditor() {
    SetActive(TRUE);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    if (CWnd* pGridWnd = GetGridWindow(); pGridWnd != nullptr)
        pGridWnd->UpdateWindow();
}

// ---- the grid's keys while the editor is not active ----

BOOL CGEDateTimeCtrl::OnGridKeyDown(UINT nChar, UINT, UINT) {
    if (CGEBDateTimeCtrl::GetSafeHwnd() == nullptr || m_pGrid->IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar) {
    case VK_END:
    case VK_HOME: {
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
        if (!OnStartEditing())
            return TRUE;
        if (!m_bBound)
            Init(m_nRow, m_nCol);
        ActivateEditor();
        const int nField = nChar == VK_END ? LastFocusableField() : FirstFocusableField();
        if (nField >= 0)
            FocusField(nField);
        return TRUE;
    }
    case VK_DELETE: {
        CGEGridParam* pParam = m_pGrid->GetParam();
        if ((pParam != nullptr && pParam->m_bRangeClipboard) || IsReadOnly() ||
            m_pGrid->IsKeyDown(VK_SHIFT) || !OnDeleteCell() || !OnStartEditing())
            return FALSE;
        SetActive(FALSE);
        SetModify(FALSE);
        m_pGrid->SetValueRange(Cell(m_nRow, m_nCol), "", geOverride, 0, GE_UPDATENOW);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CGEDateTimeCtrl::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar < 32 || nChar == 127)
        return FALSE;
    return OnGridDoubleByteChar(CString(static_cast<char>(nChar)), nRepCnt, nFlags);
}

BOOL CGEDateTimeCtrl::OnGridDoubleByteChar(const CString& strChar, UINT, UINT) {
    if (CGEBDateTimeCtrl::GetSafeHwnd() == nullptr || m_bActive || IsReadOnly() || !OnStartEditing())
        return FALSE;
    ActivateEditor();
    const int nFirst = FirstFocusableField();
    if (nFirst >= 0)
        FocusField(nFirst);
    if (strChar.GetLength() == 1)
        PostMessage(WM_CHAR, static_cast<BYTE>(strChar[0]), 1);
    return TRUE;
}

BOOL CGEDateTimeCtrl::OnGridSysKeyDown(UINT nChar, UINT, UINT) {
    if (nChar != VK_DOWN || CGEBDateTimeCtrl::GetSafeHwnd() == nullptr || GetGadgetCount() == 0)
        return FALSE;
    if (OnStartEditing()) {
        ActivateEditor();
        if ((m_dwEditorStyle & GEB_DTS_DROPDOWN) != 0)
            DropDownCalendar();
    }
    return TRUE;
}

// ---- the mouse ----

BOOL CGEDateTimeCtrl::OnCellClicked(UINT, int x, int y, BOOL bForce) {
    if (CGEBDateTimeCtrl::GetSafeHwnd() == nullptr || !m_bBound)
        return FALSE;
    const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr);
    MoveWindow(&rectText, FALSE);
    LayoutGadgets();
    const CPoint local(x - rectText.left, y - rectText.top);
    CGEBDTGadget* pHit = GadgetFromPoint(local.x, local.y);
    if (pHit != nullptr && (pHit->GetStyle() & GEB_DTG_FOCUSABLE) != 0 && !bForce &&
        GetCellStyle().GetValue().IsEmpty())
        return FALSE;
    if (pHit != nullptr && (pHit->GetStyle() & GEB_DTG_FOCUSABLE) != 0)
        for (INT_PTR i = 0; i < GetGadgetCount(); ++i)
            if (GetGadget(i) == pHit)
                FocusField(static_cast<int>(i));
    CorrectFieldFocus();
    if (!OnStartEditing())
        return FALSE;
    ActivateEditor();
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.x, local.y));
    SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(local.x, local.y));
    return TRUE;
}

BOOL CGEDateTimeCtrl::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    if (IsBoundToCellAt(m_nRow, m_nCol) && m_pGrid->IsCurrentCell(m_nRow, m_nCol) &&
        CGEBDateTimeCtrl::GetSafeHwnd() != nullptr && GetGadgetCount() > 0) {
        const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr);
        CGEGridParam* pParam = m_pGrid->GetParam();
        if (rectText.PtInRect(point)) {
            const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
            m_pGrid->m_bFocusChangeLock = TRUE;
            if (pParam != nullptr && (pParam->m_wActivateFlags & 7) != 0)
                OnCellClicked(nFlags, point.x, point.y, FALSE);
            CGEStatic::LButtonUp(nFlags, point, nHitState);
            m_pGrid->m_bFocusChangeLock = bOldLock;
            return TRUE;
        }
    }
    return CGEStatic::LButtonUp(nFlags, point, nHitState);
}

BOOL CGEDateTimeCtrl::LButtonDblClk(UINT nFlags, CPoint point) {
    if (!m_bActive)
        OnCellClicked(nFlags, point.x, point.y, TRUE);
    return CGEStatic::LButtonDblClk(nFlags, point);
}

void CGEDateTimeCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    CGEBDateTimeCtrl::OnLButtonUp(nFlags, point);
    m_pGrid->m_bFocusChangeLock = bOldLock;
    if (GetModify())
        OnModifyCell();
}

void CGEDateTimeCtrl::OnKillFocus(CWnd* pNewWnd) {
    CGEBDateTimeCtrl::OnKillFocus(pNewWnd);
    // The pop-up calendar takes the focus while the cell is still being edited.
    if (GetPopupCalendar() != nullptr && pNewWnd != nullptr &&
        pNewWnd->GetSafeHwnd() == GetPopupCalendar()->GetSafeHwnd())
        return;
    NotifyGridKillFocus(pNewWnd);
}

// ---- the editor's keys ----

void CGEDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OnEditorKeyDown(nChar, nRepCnt, nFlags);
}

void CGEDateTimeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OnEditorChar(nChar, nRepCnt, nFlags);
}

void CGEDateTimeCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OnEditorKeyUp(nChar, nRepCnt, nFlags);
}

void CGEDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OnEditorSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGEDateTimeCtrl::OnEditorKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bActive) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    if (m_pGrid->IsKeyDown(VK_CONTROL)) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar) {
    case VK_TAB: {
        const BOOL bShift = m_pGrid->IsKeyDown(VK_SHIFT);
        if (m_bTabBetweenFields && !(bShift ? IsFirstField() : IsLastField()))
            CGEBDateTimeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
        else
            m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    case VK_DELETE:
        if (IsReadOnly())
            return;
        SetActive(FALSE);
        SetModify(FALSE);
        m_pGrid->SetValueRange(Cell(m_nRow, m_nCol), "", geOverride, 0, GE_UPDATENOW);
        return;
    default:
        if (nChar >= VK_F1 && nChar <= VK_F24 && nChar != VK_F4) {
            m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
            return;
        }
        CGEBDateTimeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
}

void CGEDateTimeCtrl::OnEditorChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bBound || !m_bActive || IsReadOnly() || nChar == VK_BACK)
        return;
    if (nChar == '\r' || nChar == '\n')
        return;
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
    default:
        break;
    }
    CGEBDateTimeCtrl::OnChar(nChar, nRepCnt, nFlags);
    if (GetModify())
        OnModifyCell();
    m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags);
}

void CGEDateTimeCtrl::OnEditorKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pGrid->ProcessKeys(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        return;
    Default();
    if (GetModify())
        OnModifyCell();
}

void CGEDateTimeCtrl::OnEditorSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_DOWN) {
        if ((m_dwEditorStyle & GEB_DTS_DROPDOWN) != 0)
            DropDownCalendar();
        return;
    }
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        CGEBDateTimeCtrl::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

// ---- clipboard and selection ----

BOOL CGEDateTimeCtrl::Copy() {
    if (!m_bBound || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return CGEStatic::Copy();
    return m_pGrid->CopyCellRange(Cell(m_nRow, m_nCol));
}

BOOL CGEDateTimeCtrl::CanPaste() {
    if (!m_bBound || !m_bActive || IsReadOnly())
        return FALSE;
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CGEDateTimeCtrl::Paste() {
    if (!CanPaste())
        return FALSE;
    CWnd* pGridWnd = GetGridWindow();
    if (!::OpenClipboard(pGridWnd != nullptr ? pGridWnd->GetSafeHwnd() : nullptr))
        return FALSE;
    CString strText;
    for (const UINT nFormat : {UINT{CF_TEXT}, UINT{CF_OEMTEXT}}) {
        HANDLE hData = ::GetClipboardData(nFormat);
        if (hData == nullptr)
            continue;
        if (const char* pszData = static_cast<const char*>(::GlobalLock(hData)); pszData != nullptr) {
            strText = CString(pszData, static_cast<int>(strnlen(pszData, ::GlobalSize(hData))));
            ::GlobalUnlock(hData);
        }
        break;
    }
    ::CloseClipboard();
    if (strText.IsEmpty())
        return FALSE;
    ReplaceSel(strText);
    return TRUE;
}

void CGEDateTimeCtrl::ReplaceSel(LPCSTR pszText) {
    if (m_bBound)
        CGEStatic::ReplaceSel(pszText);
}

BOOL CGEDateTimeCtrl::GetSelectedText(CString& strResult) {
    if (!m_bActive)
        return CGEStatic::GetSelectedText(strResult);
    CGEBDTGadget* pGadget = GetFocusedGadget();
    if (auto* pNumeric = dynamic_cast<CGEBDTNumericGadget*>(pGadget); pNumeric != nullptr) {
        strResult.Format("%d", pNumeric->GetValue());
        return TRUE;
    }
    if (auto* pList = dynamic_cast<CGEBDTListGadget*>(pGadget);
        pList != nullptr && !pList->GetText().IsEmpty()) {
        strResult = pList->GetText();
        return TRUE;
    }
    return FALSE;
}
