// Key messages: offered to the current cell's control first, then mapped to current-cell moves,
// commits, clipboard operations, undo and redo.
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractGridUserSelectRangeImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"

#include <algorithm>
#include <mbctype.h>
#include <mbstring.h>

BOOL CGEGridCore::IsKeyDown(int nVirtKey) const {
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

BOOL CGEGridCore::DispatchKeyMessage(CWnd* pSender, UINT message, UINT nChar, UINT nRepCnt, UINT nFlags) {
    HWND hGrid = m_pGridWnd != nullptr ? m_pGridWnd->GetSafeHwnd() : nullptr;
    // While a drag holds the mouse, keys are swallowed and Esc ends the drag.
    if (hGrid != nullptr && ::GetCapture() == hGrid) {
        if (message == WM_KEYDOWN && nChar == VK_ESCAPE)
            m_pGridWnd->SendMessage(WM_CANCELMODE);
        return TRUE;
    }
    ROWCOL nRow = 0, nCol = 0;
    CGEControl* pControl = GetCurrentCell(nRow, nCol) ? m_pCurrentControl : nullptr;
    if (pControl != nullptr && pSender != nullptr && pSender->GetSafeHwnd() == hGrid) {
        if (!pControl->IsBoundToCellAt(nRow, nCol))
            pControl->Init(nRow, nCol);
        if (pControl->OnGridWindowMessage(message, nChar, MAKELPARAM(nRepCnt, nFlags))) {
            ScrollCellInView(nRow, nCol, GE_UPDATENOW);
            if (hGrid != nullptr)
                m_pGridWnd->UpdateWindow();
            return TRUE;
        }
    }
    switch (message) {
    case WM_KEYDOWN:
        return HandleKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return HandleKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR: {
        // Double-byte characters arrive as a lead byte and a trail byte.
        if (m_bLeadBytePending) {
            m_bLeadBytePending = FALSE;
            char sz[3] = {static_cast<char>(m_nLeadByte), static_cast<char>(nChar), 0};
            const CString str(sz);
            return str.IsEmpty() ? TRUE : HandleMultiByteText(str, nRepCnt, nFlags);
        }
        if (nChar < 256 && _ismbblead(nChar)) {
            m_bLeadBytePending = TRUE;
            m_nLeadByte = static_cast<BYTE>(nChar);
            return TRUE;
        }
        return HandleChar(nChar, nRepCnt, nFlags);
    }
    case WM_DEADCHAR:
        return HandleDeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return HandleSysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return HandleSysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return HandleSysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return HandleSysDeadChar(nChar, nRepCnt, nFlags);
    default:
        return FALSE;
    }
}

BOOL CGEGridCore::MoveCurrentCellByKey(int nDirection, UINT nCount) {
    if (m_pUserSelectRangeImp != nullptr)
        return m_pUserSelectRangeImp->MoveCurrentCell(this, nDirection, nCount);
    m_bPendingSelExtension = FALSE;
    return MoveCurrentCell(nDirection, nCount, TRUE);
}

BOOL CGEGridCore::HandleKeyDown(UINT nChar, UINT nRepCnt, UINT) {
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    const BOOL bShift = IsKeyDown(VK_SHIFT);
    const BOOL bAlt = IsKeyDown(VK_MENU);
    const UINT nCount = std::max<UINT>(nRepCnt, 1);
    int nDirection = 0;
    UINT nMoveCount = nCount;
    switch (nChar) {
    case VK_UP:
        nDirection = bCtrl ? GE_TOP : GE_UP;
        break;
    case VK_DOWN:
        nDirection = bCtrl ? GE_BOTTOM : GE_DOWN;
        break;
    case VK_LEFT:
        nDirection = bCtrl ? GE_MOSTLEFT : GE_LEFT;
        break;
    case VK_RIGHT:
        nDirection = bCtrl ? GE_MOSTRIGHT : GE_RIGHT;
        break;
    case VK_NEXT:
        nDirection = GE_PAGEDOWN;
        break;
    case VK_PRIOR:
        nDirection = GE_PAGEUP;
        break;
    case VK_HOME:
        if (!bCtrl)
            return FALSE;
        nDirection = GE_TOPLEFT;
        nMoveCount = 1;
        break;
    case VK_END:
        if (!bCtrl)
            return FALSE;
        nDirection = GE_BOTTOMRIGHT;
        nMoveCount = 1;
        break;
    case VK_TAB:
        if (CommitCurrentCell(TRUE, GE_INVALIDATE, TRUE))
            MoveCurrentCell(bShift ? GE_LEFT : GE_RIGHT, 1, TRUE);
        return TRUE;
    case VK_RETURN: {
        if (bCtrl || bShift || bAlt)
            return FALSE;
        const WORD wDirection = m_pParam != nullptr ? m_pParam->m_wEnterKeyDirection : 0;
        if (CommitCurrentCell(TRUE, GE_INVALIDATE, TRUE) && wDirection != 0)
            MoveCurrentCellByKey(wDirection, 1);
        return TRUE;
    }
    case VK_ESCAPE: {
        if (m_pParam != nullptr && m_pParam->m_bPendingEdit)
            m_pParam->m_bPendingEdit = FALSE;
        ROWCOL nRow = 0, nCol = 0;
        if (GetCurrentCell(nRow, nCol)) {
            if (CGEControl* pControl = m_pCurrentControl) {
                if (pControl->GetModify()) {
                    pControl->Init(nRow, nCol); // the value is read again from the cell
                    pControl->Refresh();
                    pControl->SetModify(FALSE);
                } else {
                    pControl->Refresh();
                }
            }
            ScrollCellInView(nRow, nCol, GE_UPDATENOW);
        }
        if (m_pParam != nullptr && !m_pParam->m_bKeepSelectionOnEsc)
            SetSelection(nullptr);
        return TRUE;
    }
    case VK_BACK:
        if (!bCtrl)
            return FALSE;
        Redo();
        return TRUE;
    case VK_INSERT:
        if (bCtrl) {
            if (CanCopy())
                Copy();
            return TRUE;
        }
        if (bShift) {
            if (CanPaste())
                Paste();
            return TRUE;
        }
        return FALSE;
    case VK_DELETE: {
        if (bShift) {
            if (CanCut())
                Cut();
            return TRUE;
        }
        ROWCOL nRow = 0, nCol = 0;
        if (!GetCurrentCell(nRow, nCol))
            return FALSE;
        CGEControl* pControl = m_pCurrentControl;
        if (pControl != nullptr && pControl->IsActive())
            return FALSE;
        if (CanClear() && (pControl == nullptr || pControl->OnDeleteCell()))
            return Clear(bCtrl);
        return FALSE;
    }
    case VK_F2: {
        CGEControl* pControl = GetCurrentCellControl();
        if (pControl == nullptr)
            return FALSE;
        if (pControl->IsActive()) {
            CommitCurrentCell(TRUE, GE_UPDATENOW, TRUE);
        } else {
            CommitCurrentCell(FALSE, GE_UPDATENOW, TRUE);
            if (!pControl->IsReadOnly() && pControl->OnStartEditing()) {
                pControl->SetActive(TRUE);
                pControl->Refresh();
            }
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
    MoveCurrentCellByKey(nDirection, nMoveCount);
    if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr)
        m_pGridWnd->UpdateWindow();
    return TRUE;
}

BOOL CGEGridCore::HandleChar(UINT, UINT, UINT) {
    // Typed characters are the current cell's control's to take; the grid itself keeps none.
    return FALSE;
}

BOOL CGEGridCore::HandleSysKeyDown(UINT nChar, UINT, UINT) {
    if (nChar == VK_BACK) {
        Undo();
        return TRUE;
    }
    return FALSE;
}
