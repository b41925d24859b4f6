// The currency edit's keys, characters and mouse, and the edits they run on the model.
#include "grid/controls/gadgets/CGEBCurrencyEdit.h"

#include "framework/win/CMenu.h"

#include <windowsx.h>

template <class Edit> void CGEBCurrencyEdit::RunEdit(Edit edit) {
    const CString strOld = m_model.GetText();
    const int nOldCaret = m_model.GetCaret();
    const int nOldSelStart = m_model.GetSelStart();
    const int nOldSelEnd = m_model.GetSelEnd();
    if (!edit()) {
        return;
    }
    // The undo record keeps the selection that was replaced.
    const int nSelStart = m_model.GetSelStart();
    const int nSelEnd = m_model.GetSelEnd();
    m_model.SetSelectionRaw(nOldSelStart, nOldSelEnd);
    SaveUndoState(strOld, nOldCaret);
    m_model.SetSelectionRaw(nSelStart, nSelEnd);
    SetTextNoParse(m_model.GetText());
    SetCaret(m_model.GetCaret(), FALSE);
    NotifyParent(EN_UPDATE);
    if (m_bDrawEnabled)
        InvalidateText(TRUE);
    NotifyParent(EN_CHANGE);
}

void CGEBCurrencyEdit::InsertText(const char* pszDigits) {
    RunEdit([&] { return m_model.InsertText(pszDigits); });
}

void CGEBCurrencyEdit::DeleteChar() {
    RunEdit([&] { return m_model.DeleteChar(); });
}

void CGEBCurrencyEdit::Backspace() {
    RunEdit([&] { return m_model.Backspace(); });
}

void CGEBCurrencyEdit::ToggleSign() {
    m_model.ToggleSign();
    SetTextNoParse(m_model.GetText());
    SetCaret(m_model.GetCaret(), FALSE);
    if (m_bDrawEnabled)
        InvalidateText(TRUE);
}

void CGEBCurrencyEdit::ToggleOverwrite() {
    m_model.m_bOverwrite = !m_model.m_bOverwrite;
}

BOOL CGEBCurrencyEdit::FilterPastedText(CString& strText) {
    if (m_model.SelectionCoversNumber())
        return TRUE;
    CString strDigits;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (strText[i] >= '0' && strText[i] <= '9')
            strDigits += strText[i];
    }
    strText = strDigits;
    return TRUE;
}

// ---- caret and selection ----

BOOL CGEBCurrencyEdit::SetSel(int nStart, int nEnd) {
    if (!m_model.SetSel(nStart, nEnd))
        return FALSE;
    if (GetSafeHwnd() != nullptr && ::GetFocus() == GetSafeHwnd())
        ShowCaretAt(m_model.GetCaret());
    if (m_bDrawEnabled)
        InvalidateText();
    return TRUE;
}

void CGEBCurrencyEdit::SetCaret(int nIndex, BOOL bExtend) {
    const BOOL bExtending = IsShiftDown() || m_bMouseSelecting;
    const BOOL bHadSelection = m_model.HasSelection();
    const int nLength = m_model.GetText().GetLength();
    if (nIndex < 0 || nIndex > nLength) {
        if (bExtend && !bExtending && bHadSelection) {
            m_model.ClearSelection();
            InvalidateText();
        }
        return;
    }
    if (bExtend) {
        if (!bHadSelection && bExtending)
            m_model.SetSelectionRaw(m_model.GetCaret(), nIndex);
        else if (bHadSelection && bExtending)
            m_model.SetSelectionRaw(
                m_model.GetSelStart() == 0 && m_model.GetSelEnd() == -1 ? 0 : m_model.GetSelStart(), nIndex);
        else if (bHadSelection)
            m_model.ClearSelection();
        if (bHadSelection || m_model.HasSelection())
            InvalidateText();
    }
    m_model.SetCaretIndex(nIndex);
    if (GetSafeHwnd() != nullptr && ::GetFocus() == GetSafeHwnd()) {
        RECT rect;
        GetTextRect(rect);
        ::SetCaretPos(rect.left + TextWidth(m_model.GetText(), nIndex), rect.top);
    }
}

int CGEBCurrencyEdit::CharFromPoint(POINT point) {
    RECT rect;
    GetTextRect(rect);
    const CString& strText = m_model.GetText();
    int x = rect.left;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const int nWidth = TextWidth(strText.Mid(i, 1), 1);
        if (x + nWidth / 2 > point.x)
            return i;
        x += nWidth;
    }
    return strText.GetLength();
}

// ---- focus and mouse ----

LRESULT CGEBCurrencyEdit::OnSetFocusMsg(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    ShowCaretAt(-1);
    SetSel(0, -1);
    NotifyParent(EN_SETFOCUS);
    return lResult;
}

LRESULT CGEBCurrencyEdit::OnKillFocusMsg(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    HideCaretAndSelection();
    NotifyParent(EN_KILLFOCUS);
    return lResult;
}

LRESULT CGEBCurrencyEdit::OnLButtonDownMsg(WPARAM, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    m_bDrawEnabled = FALSE;
    ::SetFocus(GetSafeHwnd());
    m_bDrawEnabled = TRUE;
    m_model.ClearSelection();
    InvalidateText();
    SetCaret(CharFromPoint(point), FALSE);
    m_bMouseSelecting = TRUE;
    ::SetCapture(GetSafeHwnd());
    return 0;
}

LRESULT CGEBCurrencyEdit::OnCurMouseMoveMsg(WPARAM wParam, LPARAM lParam) {
    if (m_bMouseSelecting)
        SetCaret(CharFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), TRUE);
    return OnMouseMoveMsg(wParam, lParam);
}

LRESULT CGEBCurrencyEdit::OnCurLButtonUpMsg(WPARAM wParam, LPARAM lParam) {
    if (m_bMouseSelecting) {
        m_bMouseSelecting = FALSE;
        if (::GetCapture() == GetSafeHwnd())
            ::ReleaseCapture();
        int nFirst = -1;
        int nLast = -1;
        Format format = m_model.GetFormat();
        const BOOL bNumber = format.FindNumberSpan(m_model.GetText(), nFirst, nLast);
        const int nCaret = m_model.GetCaret();
        if (!m_model.HasSelection() && bNumber && (nCaret < nFirst || nCaret > nLast + 1))
            SetSel(0, -1);
    }
    return OnLButtonUpMsg(wParam, lParam);
}

LRESULT CGEBCurrencyEdit::OnLButtonDblClkMsg(WPARAM, LPARAM) {
    SetSel(0, -1);
    return Default();
}

LRESULT CGEBCurrencyEdit::OnRButtonUpMsg(WPARAM, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(GetSafeHwnd(), &point);
    if (CMenu* pMenu = BuildContextMenu(); pMenu != nullptr) {
        pMenu->TrackPopupMenu(TPM_LEFTALIGN, point.x, point.y, this);
        DestroyContextMenu(pMenu);
    }
    return Default();
}

// ---- keys and characters ----

LRESULT CGEBCurrencyEdit::OnCurKeyDownMsg(WPARAM wParam, LPARAM lParam) {
    const UINT nKey = static_cast<UINT>(wParam);
    const BOOL bCtrl = IsCtrlDown();
    const BOOL bShift = IsShiftDown();
    if (bCtrl && (nKey == 'C' || nKey == 'V' || nKey == 'X' || nKey == 'Z')) {
        const UINT nMessage = nKey == 'C' ? WM_COPY : nKey == 'V' ? WM_PASTE : nKey == 'X' ? WM_CUT : WM_UNDO;
        PostMessage(nMessage);
    } else {
        switch (nKey) {
        case VK_F2:
            if (HasButton())
                ShowCalculator();
            break;
        case VK_DELETE:
            if (bShift)
                PostMessage(WM_CUT);
            else
                DeleteChar();
            break;
        case VK_BACK:
            Backspace();
            break;
        case VK_END:
            SetCaret(m_model.GetText().GetLength(), TRUE);
            break;
        case VK_HOME:
            SetCaret(0, TRUE);
            break;
        case VK_LEFT:
            SetCaret(m_model.GetCaret() - 1, TRUE);
            break;
        case VK_RIGHT:
            SetCaret(m_model.GetCaret() + 1, TRUE);
            break;
        case VK_INSERT:
            if (bCtrl)
                PostMessage(WM_COPY);
            else if (bShift)
                PostMessage(WM_PASTE);
            else
                ToggleOverwrite();
            break;
        default:
            break;
        }
    }
    return OnKeyDownMsg(wParam, lParam);
}

LRESULT CGEBCurrencyEdit::OnCurSysKeyDownMsg(WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_F10 && IsShiftDown()) {
        RECT client;
        GetClientRect(&client);
        PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(client.right / 2, client.bottom / 2));
    } else if (wParam == VK_BACK) {
        PostMessage(WM_UNDO);
    }
    return OnSysKeyDownMsg(wParam, lParam);
}

LRESULT CGEBCurrencyEdit::OnCharMsg(WPARAM wParam, LPARAM) {
    const char c = static_cast<char>(wParam);
    const Format& format = m_model.GetFormat();
    if (c != 0 && c == format.m_cDecimalSep) {
        if (m_model.JumpToDecimal()) {
            SetCaret(m_model.GetCaret(), FALSE);
            InvalidateText();
        }
    } else if (c == '-') {
        ToggleSign();
    } else if (c >= '0' && c <= '9') {
        const char szDigit[2] = {c, '\0'};
        InsertText(szDigit);
    }
    return Default();
}
