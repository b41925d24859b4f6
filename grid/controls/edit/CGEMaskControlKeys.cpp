// Keys, characters and the mouse of the masked edit.
#include "grid/controls/edit/CGEMaskControl.h"

#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CGEMaskControl, CGEEditControl)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

// ---- keys in the edit window ----

BOOL CGEMaskControl::MoveKey(UINT nChar, BOOL bShift) {
    int s = 0;
    int e = 0;
    GetSelPos(s, e);
    CGEMaskData& data = *m_pMaskData;
    const BOOL bSel = s != e;
    switch (nChar) {
    case VK_LEFT:
        if (bShift)
            return FALSE;
        if (bSel) {
            const int p = data.GetPrevEditPos(s + 1);
            SetSelPos(p < 0 ? s : p, p < 0 ? s : p);
        } else if (s == 0) {
            if (!OfferKeyToGrid(WM_KEYDOWN, nChar, 1, 0))
                return FALSE;
        } else if (const int p = data.GetPrevEditPos(s); p >= 0) {
            SetSelPos(p, p);
        }
        return TRUE;
    case VK_RIGHT:
        if (bShift)
            return FALSE;
        if (bSel) {
            const int p = data.GetNextEditPos(e - 1);
            const int q = p < 0 ? data.GetInputEnd(data.GetDataCount()) : p;
            SetSelPos(q, q);
        } else if (s >= data.GetDataCount()) {
            if (!OfferKeyToGrid(WM_KEYDOWN, nChar, 1, 0))
                return FALSE;
        } else {
            const int p = data.GetNextEditPos(s);
            const int q = p < 0 ? data.GetInputEnd(data.GetDataCount()) : p;
            SetSelPos(q, q);
        }
        return TRUE;
    case VK_HOME:
        if (bShift)
            SetSelPos(0, s);
        else
            SetSelPos(data.GetNextEditPos(-1), data.GetNextEditPos(-1));
        return TRUE;
    case VK_END:
        if (bShift) {
            SetSelPos(s, data.GetDataCount());
        } else {
            const int p = data.GetInputEnd(data.GetDataCount());
            SetSelPos(p, p);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CGEMaskControl::DeleteKey(UINT nChar, BOOL bShift) {
    if (IsReadOnly())
        return FALSE;
    int s = 0;
    int e = 0;
    GetSelPos(s, e);
    CGEMaskData& data = *m_pMaskData;
    int nCaret = s;
    if (nChar == VK_BACK) {
        if (s == e) {
            const int p = data.GetPrevEditPos(s);
            if (p < 0)
                return TRUE;
            data.DeleteRange(s, p);
            nCaret = p;
        } else {
            data.DeleteRange(e, s);
            nCaret = data.GetNextEditPos(s - 1);
            if (nCaret < 0)
                nCaret = data.GetPrevEditPos(-1);
        }
    } else if (s != e) {
        if (bShift) {
            EmptyClipboard();
            Cut();
        } else {
            ReplaceSel("");
        }
        return TRUE;
    } else {
        const int p = data.GetNextEditPos(s);
        if (p == -1)
            data.DeleteRange(s + 1, s);
        else if (p > s && p <= data.GetDataCount())
            data.DeleteRange(p, s);
    }
    RefreshText();
    SetSelPos(std::max(0, nCaret), std::max(0, nCaret));
    NotifyChange();
    return TRUE;
}

void CGEMaskControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bActive) {
        if (!OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags))
            Default();
        return;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    const BOOL bShift = m_pGrid->IsKeyDown(VK_SHIFT);
    BOOL bHandled = FALSE;
    if (m_pGrid->IsKeyDown(VK_CONTROL)) {
        bHandled = OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
    } else {
        switch (nChar) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
            bHandled = MoveKey(nChar, bShift);
            break;
        case VK_UP:
            bHandled = LineFromChar(-1) == 0 && OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
            break;
        case VK_DOWN:
            bHandled =
                LineFromChar(-1) + 1 >= GetLineCount() && OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
            break;
        case VK_BACK:
        case VK_DELETE:
            bHandled = DeleteKey(nChar, bShift);
            break;
        case VK_INSERT:
            if (!IsReadOnly() && bShift) {
                Paste();
                bHandled = TRUE;
            } else if (!IsReadOnly()) {
                m_bInsertMode = !m_bInsertMode;
            }
            break;
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_PRIOR:
        case VK_NEXT:
            bHandled = OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
            break;
        default:
            if (nChar >= VK_F1 && nChar <= VK_F24)
                bHandled = OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
            break;
        }
    }
    if (!bHandled && HasWindow())
        Default();
}

// ---- typed characters ----

BOOL CGEMaskControl::TypeChar(const CString& strTyped) {
    int s = 0;
    int e = 0;
    GetSelPos(s, e);
    CGEMaskData& data = *m_pMaskData;
    const int p = data.GetNextEditPos(s - 1);
    if (p < 0 || (s != e && p >= e)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return FALSE;
    }
    CString strChar = strTyped;
    if (!data.IsValidChar(p, strChar)) {
        OnInvalidKeyPressed(strTyped);
        return FALSE;
    }
    int nCaret = p + 1;
    if (m_bInsertMode) {
        if (s != e)
            data.DeleteRange(e, p);
        if (!data.InsertCharAt(p, strChar, nCaret))
            return FALSE; // no room: nothing changes
    } else {
        if (e > p + 1)
            data.DeleteRange(e, p + 1);
        data.PutDisplayText(strChar, p, FALSE);
    }
    RefreshText();
    NotifyChange();
    SetSelPos(nCaret, nCaret);
    return TRUE;
}

void CGEMaskControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bBound || !m_bActive || IsReadOnly() || (GetStyle() & ES_READONLY) != 0 || nChar == VK_BACK)
        return;
    if (m_pGrid->IsKeyDown(VK_CONTROL)) {
        switch (nChar) {
        case 3: // Ctrl+C
            EmptyClipboard();
            Copy();
            return;
        case 22: // Ctrl+V
            Paste();
            return;
        case 24: // Ctrl+X
            EmptyClipboard();
            Cut();
            return;
        default:
            Default();
            OfferKeyToGrid(WM_CHAR, nChar, nRepCnt, nFlags);
            return;
        }
    }
    const BOOL bKorean = PRIMARYLANGID(LANGIDFROMLCID(::GetThreadLocale())) == LANG_KOREAN;
    const CString strChar = CombineLeadByte(m_leadByte, nChar, bKorean);
    if (strChar.IsEmpty())
        return;
    if (strChar.GetLength() == 1 && static_cast<BYTE>(strChar[0]) < 32) {
        if (nChar != '\r' && nChar != '\n') {
            Default();
            OfferKeyToGrid(WM_CHAR, nChar, nRepCnt, nFlags);
        }
        return;
    }
    TypeChar(strChar);
}

// ---- keys and characters the grid sends while the cell is current ----

BOOL CGEMaskControl::OnGridKeyDown(UINT nChar, UINT, UINT) {
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
        const int nPos = nChar == VK_END ? m_pMaskData->GetInputEnd(m_pMaskData->GetDataCount())
                                         : m_pMaskData->GetNextEditPos(-1);
        SetSelPos(std::max(0, nPos), std::max(0, nPos));
        break;
    }
    case VK_DELETE: {
        CGEGridParam* pParam = m_pGrid->GetParam();
        if ((pParam != nullptr && pParam->m_bRangeClipboard) || m_pGrid->IsKeyDown(VK_SHIFT) ||
            IsReadOnly() || !OnDeleteCell() || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetCurrentText("");
        SetModify(TRUE);
        OnModifyCell();
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

BOOL CGEMaskControl::OnGridDoubleByteChar(const CString& strTyped, UINT, UINT) {
    if (!HasWindow() || !m_bBound || IsReadOnly())
        return FALSE;
    CGEMaskData& data = *m_pMaskData;
    if (m_bActive) {
        TypeChar(strTyped);
        return TRUE;
    }
    if (!OnStartEditing())
        return FALSE;
    // Typing into an inactive cell replaces its value.
    const int p = data.GetNextEditPos(-1);
    CString strChar = strTyped;
    if (!data.IsValidChar(p, strChar)) {
        OnInvalidKeyPressed(strTyped);
        return TRUE;
    }
    data.ResetData();
    int nCaret = p + 1;
    data.InsertCharAt(p, strChar, nCaret);
    SetActive(TRUE);
    RefreshText();
    OnModifyCell();
    SetSelPos(nCaret, nCaret);
    Refresh();
    return TRUE;
}

// ---- mouse ----

int CGEMaskControl::CaretFromIndex(int nIndex) {
    if (nIndex < 0)
        return -1;
    CGEMaskData& data = *m_pMaskData;
    const int nPos = data.PositionFromTextIndex(nIndex);
    int nSnap = data.GetNextEditPos(nPos - 1);
    if (nSnap < 0)
        nSnap = data.GetPrevEditPos(nPos);
    // Never beyond the entered characters, so that typing continues where the input ends.
    return std::max(0, std::min(nSnap, data.GetInputEnd(data.GetDataCount())));
}

BOOL CGEMaskControl::ActivateAtPoint(CPoint point) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    const WORD wFlags = pParam != nullptr ? pParam->m_wActivateFlags : 0;
    const int nCaret = CaretFromIndex(CharFromPoint(point));
    const BOOL bActivate = (nCaret >= 0 && (wFlags & 1) != 0) || (wFlags & 6) != 0;
    if (!bActivate)
        return FALSE;
    if (!m_bActive) {
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        if (nCaret >= 0)
            SetSelPos(nCaret, nCaret);
        else
            SetSel(0, -1);
        SendMessage(EM_SCROLLCARET);
        Refresh();
    } else if (nCaret >= 0) {
        SetSelPos(nCaret, nCaret);
    }
    return TRUE;
}

BOOL CGEMaskControl::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    if (HasWindow() && m_bBound)
        ActivateAtPoint(point);
    CGEControl::LButtonUp(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGEMaskControl::LButtonDblClk(UINT nFlags, CPoint point) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (!HasWindow() || !m_bBound || m_bActive || pParam == nullptr || (pParam->m_wActivateFlags & 8) == 0)
        return CGEControl::LButtonDblClk(nFlags, point);
    if (OnStartEditing()) {
        SetActive(TRUE);
        const int nCaret = CaretFromIndex(CharFromPoint(point));
        if (nCaret >= 0)
            SetSelPos(nCaret, nCaret);
        else
            SetSel(0, -1);
        Refresh();
    }
    CGEControl::LButtonDblClk(nFlags, point);
    return TRUE;
}

void CGEMaskControl::OnLButtonUp(UINT, CPoint) {
    Default();
    if (!m_bBound)
        return;
    int s = 0;
    int e = 0;
    GetSelPos(s, e);
    if (s != e)
        return;
    const int nCaret = CaretFromIndex(m_pMaskData->TextIndexFromPosition(s));
    if (nCaret >= 0 && nCaret != s)
        SetSelPos(nCaret, nCaret);
}
