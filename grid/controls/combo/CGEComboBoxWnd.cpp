// Construction, state, values, storing, find and replace.
#include "grid/controls/combo/CGEComboBoxWnd.h"

#include "grid/controls/CGEComboBoxWndButton.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GETextSearch.h"
#include "grid/core/CGEFindReplaceState.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"

#include <mbstring.h>

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CGEComboBoxWnd, CComboBox)

const CGEControlClass CGEComboBoxWnd::controlClass = {"CGEComboBoxWnd", &CGEStatic::controlClass};

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

// The length in bytes of the character at nPos (1 past the end).
int CharLengthAt(const CString& strText, int nPos) {
    const auto* p = reinterpret_cast<const unsigned char*>(strText.GetString());
    return nPos < strText.GetLength() && _ismbblead(p[nPos]) && p[nPos + 1] != 0 ? 2 : 1;
}

} // namespace

CGEComboBoxWnd::CGEComboBoxWnd(CGEGridCore* pGrid)
    : CGEStatic(pGrid), m_nFrameWidth(GEGetLibraryState()->m_bNewShell ? 3 : 2) {}

CGEComboBoxWnd::~CGEComboBoxWnd() {
    if (HasWindow()) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
}

BOOL CGEComboBoxWnd::CreateControlWindow(DWORD dwStyle, UINT nID) {
    if (m_pDropButton == nullptr) {
        m_pDropButton = new CGEComboBoxWndButton(this, &m_bShowButtonWhenInactive);
        AppendChild(m_pDropButton);
    }
    // Kept so that a grid whose window comes later gets the window at its first Init.
    m_dwCreateStyle = dwStyle;
    m_nCreateId = nID;
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    // The grid's own painting must not cover the window shown over a cell.
    pGridWnd->ModifyStyle(0, WS_CLIPCHILDREN);
    const BOOL bCreated = CWnd::Create("GECOMBOBOX", nullptr, WS_CHILD | dwStyle | ExtraWindowStyle(),
                                       CRect(0, 0, 0, 0), pGridWnd, nID);
    if (bCreated) {
        if (HWND hEdit = ::GetWindow(GetSafeHwnd(), GW_CHILD); hEdit != nullptr && HasEditField())
            SubclassEditField(hEdit);
        m_bNotOwnerDrawn = (dwStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) == 0;
    }
    return bCreated;
}

void CGEComboBoxWnd::SubclassEditField(HWND hEdit) {
    m_editPart.SubclassWindow(hEdit);
    m_pEditField = &m_editPart;
}

// ---- state ----

void CGEComboBoxWnd::SetActive(BOOL bActive) {
    if (bActive && !m_bActive) {
        if (!HasWindow())
            return;
        m_bActive = TRUE;
        if (m_bBound) {
            ResetStyleCache(TRUE);
            GetCellStyle();
        }
        return;
    }
    m_bActive = bActive && HasWindow();
}

void CGEComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol) {
    m_nFontHeight = 0;
    CGEControl::Init(nRow, nCol);
    m_bPendingDropDown = FALSE;
    m_nSavedSelStart = 0;
    m_nSavedSelEnd = -1;
    SetEditSel(0, -1);
    SetActive(FALSE);
    if (!HasWindow() && m_nCreateId != 0)
        CreateControlWindow(m_dwCreateStyle, m_nCreateId);
    const CGEStyle& style = GetCellStyle();
    if (HasWindow() && m_bFillFromChoiceList) {
        ResetContent();
        if (style.GetIncludeChoiceList()) {
            CString strList = style.GetChoiceList();
            CString strLine;
            while (!strList.IsEmpty()) {
                CutFirstLine(strList, strLine);
                AddString(strLine);
            }
        }
    }
    SetCurrentText(style.GetIncludeValue() ? style.GetValue() : CString());
    // What a read-only cell returns to when the window is changed before its list ever drops.
    if (HasWindow()) {
        m_nSavedIndex = GetCurSel();
        GetWindowText(m_strSaved);
    }
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_wActivateFlags & 0x4) != 0 && OnStartEditing())
        SetActive(TRUE);
    SetModify(FALSE);
    if (!m_bActive && m_pDropButton != nullptr && GetGridWindow() != nullptr) {
        const CRect rectButton = m_pDropButton->GetRect();
        GetGridWindow()->InvalidateRect(&rectButton, TRUE);
    }
}

BOOL CGEComboBoxWnd::Store() {
    if (IsReadOnly()) {
        // What was typed into a read-only cell is thrown away.
        Init(m_nRow, m_nCol);
        SetModify(FALSE);
        Refresh();
        return TRUE;
    }
    CString strText;
    if (m_pStyle != nullptr && GetModify() && GetCurrentText(strText)) {
        SetActive(FALSE);
        return m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), strText, geOverride, 0, GE_INVALIDATE);
    }
    return TRUE;
}

void CGEComboBoxWnd::Hide() {
    if (!HasWindow() || !IsWindowVisible())
        return;
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    ShowDropDown(FALSE);
    ::HideCaret(nullptr);
    const HWND hFocus = ::GetFocus();
    const BOOL bHadFocus = hFocus == GetSafeHwnd() || ::IsChild(GetSafeHwnd(), hFocus);
    ShowWindow(SW_HIDE);
    if (bHadFocus && GetGridWindow() != nullptr)
        GetGridWindow()->SetFocus();
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

void CGEComboBoxWnd::MoveFocusLocked(CWnd* pWnd) {
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    pWnd->SetFocus();
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

// ---- the window's text and selection ----

void CGEComboBoxWnd::GetWindowSelText(CString& strResult) const {
    strResult.Empty();
    if (!HasWindow())
        return;
    if (HasEditField()) {
        GetWindowText(strResult);
        if (!strResult.IsEmpty())
            return;
    }
    const int nSel = GetCurSel();
    if (nSel != CB_ERR)
        GetLBText(nSel, strResult);
}

CString CGEComboBoxWnd::ActiveText() const {
    CString strText;
    GetWindowSelText(strText);
    return strText;
}

void CGEComboBoxWnd::GetEditSel(int& nStart, int& nEnd) const {
    if (HasWindow() && HasEditField()) {
        const DWORD dw = CComboBox::GetEditSel();
        nStart = LOWORD(dw);
        nEnd = static_cast<short>(HIWORD(dw));
        return;
    }
    nStart = m_nSavedSelStart;
    nEnd = m_nSavedSelEnd;
}

BOOL CGEComboBoxWnd::SetEditSel(int nStart, int nEnd) {
    if (HasWindow() && HasEditField())
        return CComboBox::SetEditSel(nStart, nEnd);
    m_nSavedSelStart = nStart;
    m_nSavedSelEnd = nEnd;
    return TRUE;
}

// ---- values ----

BOOL CGEComboBoxWnd::GetValue(CString& strResult) {
    strResult.Empty();
    if (!m_bBound)
        return FALSE;
    GetWindowSelText(strResult);
    return TRUE;
}

void CGEComboBoxWnd::SetValue(LPCSTR pszValue) {
    if (!m_bBound || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    if (!ValidateString(CString(pszValue)))
        return;
    if (HasEditField())
        SetWindowText(pszValue);
    else
        SelectString(-1, pszValue);
    SetModify(TRUE);
    OnModifyCell();
}

BOOL CGEComboBoxWnd::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    if (m_nIndexBase == -1) {
        GetWindowSelText(strResult);
        return TRUE;
    }
    strResult.Empty();
    const int nSel = HasWindow() ? GetCurSel() : CB_ERR;
    if (nSel != CB_ERR)
        strResult.Format("%d", nSel + m_nIndexBase);
    return TRUE;
}

void CGEComboBoxWnd::SetCurrentText(const CString& str) {
    if (!HasWindow())
        return;
    int nResult = CB_ERR;
    if (!str.IsEmpty()) {
        if (m_nIndexBase == -1)
            nResult = SelectString(-1, str);
        else
            nResult = SetCurSel(std::atoi(str) - m_nIndexBase);
    }
    if (nResult == CB_ERR || str.IsEmpty()) {
        if (HasEditField()) {
            SetWindowText(str);
            SetEditSel(0, -1);
        } else {
            SetCurSel(-1);
        }
    }
}

BOOL CGEComboBoxWnd::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                                    const CGEStyle& style) {
    if (m_nIndexBase == -1 || !m_bShowChoiceText || !style.GetIncludeChoiceList() || !m_bFillFromChoiceList)
        return CGEStatic::GetControlText(strResult, nRow, nCol, pszValue, style);
    CString strValue = pszValue != nullptr       ? CString(pszValue)
                       : style.GetIncludeValue() ? style.GetValue()
                                                 : CString();
    if (strValue.IsEmpty()) {
        strResult.Empty();
        return FALSE;
    }
    int nIndex = static_cast<short>(std::atoi(strValue));
    if (nIndex != -1)
        nIndex -= m_nIndexBase;
    CString strItem;
    GetChoiceListItem(strItem, style.GetChoiceList(), nIndex);
    return CGEStatic::GetControlText(strResult, nRow, nCol, strItem, style);
}

BOOL CGEComboBoxWnd::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                               const CGEStyle* pOldStyle) {
    if (!m_bFillFromChoiceList || (m_nIndexBase == -1 && !m_bShowChoiceText))
        return TRUE;
    CGEStyle* pComposed = nullptr;
    if (pOldStyle == nullptr) {
        pComposed = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
        pOldStyle = pComposed;
    }
    if (pOldStyle->GetIncludeChoiceList()) {
        CString strEntry;
        const int nIndex = FindStringInChoiceList(strEntry, str, pOldStyle->GetChoiceList(), FALSE);
        if (!m_bShowChoiceText) {
            if (nIndex >= 0)
                str = strEntry;
        } else if (nIndex >= 0) {
            str.Format("%d", nIndex + m_nIndexBase);
        } else {
            str.Empty();
        }
    }
    if (pComposed != nullptr)
        m_pGrid->RecycleStyle(pComposed);
    return TRUE;
}

BOOL CGEComboBoxWnd::ValidateString(const CString& str) {
    if (str.IsEmpty())
        return TRUE;
    if (!m_bFillFromChoiceList || m_nIndexBase == -1 || !m_bShowChoiceText)
        return TRUE;
    if (!m_bBound || !GetCellStyle().GetIncludeChoiceList())
        return FALSE;
    CString strEntry;
    return FindStringInChoiceList(strEntry, str, GetCellStyle().GetChoiceList(), FALSE) >= 0;
}

// ---- find and replace ----

CString CGEComboBoxWnd::DisplayTextOf(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle) {
    CString strText;
    if (pStyle != nullptr) {
        GetControlText(strText, nRow, nCol, nullptr, *pStyle);
        return strText;
    }
    CGEStyle* pComposed = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
    GetControlText(strText, nRow, nCol, nullptr, *pComposed);
    m_pGrid->RecycleStyle(pComposed);
    return strText;
}

BOOL CGEComboBoxWnd::FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                              BOOL bSetSel) {
    if (!m_bNotOwnerDrawn)
        return FALSE;
    if (m_bActive && IsBoundToCellAt(nRow, nCol)) {
        const CString strText = ActiveText();
        int nStart = 0;
        int nEnd = 0;
        GetEditSel(nStart, nEnd);
        nStart = std::max(0, nStart);
        if (!bCurrentPos && nStart != nEnd)
            nStart += CharLengthAt(strText, nStart);
        const int nFound = GEFindFrom(GESearchCopy(strText, state), state.m_strFindCompare, nStart);
        if (nFound < 0)
            return FALSE;
        if (bSetSel) {
            m_pGrid->ScrollCellInView(nRow, nCol, GE_UPDATENOW, FALSE);
            SetEditSel(nFound, nFound + state.m_strFindCompare.GetLength());
        }
        return TRUE;
    }
    const CString strText = DisplayTextOf(nRow, nCol, state.m_pStyle);
    const int nFound = GEFindFrom(GESearchCopy(strText, state), state.m_strFindCompare, 0);
    if (nFound < 0)
        return FALSE;
    if (bSetSel) {
        m_pGrid->ScrollCellInView(nRow, nCol, GE_UPDATENOW, FALSE);
        if (m_pGrid->SetCurrentCell(nRow, nCol, 0x24) && IsBoundToCellAt(nRow, nCol)) {
            SetActive(TRUE);
            SetEditSel(nFound, nFound + state.m_strFindCompare.GetLength());
            Refresh();
        }
    }
    return TRUE;
}

void CGEComboBoxWnd::ReplaceSel(LPCSTR pszText) {
    if (!m_bNotOwnerDrawn || IsReadOnly())
        return;
    if (!m_bActive) {
        CGEControl::ReplaceSel(pszText);
        return;
    }
    const CString strText = ActiveText();
    int nStart = 0;
    int nEnd = 0;
    GetEditSel(nStart, nEnd);
    nStart = std::min(std::max(0, nStart), strText.GetLength());
    // The tail after the selection stays whenever there is one (a selection starting at 0 included).
    CString strNew = strText.Left(nStart) + pszText;
    if (nEnd >= 0 && nEnd < strText.GetLength())
        strNew += strText.Mid(std::max(nEnd, nStart));
    SetValue(strNew);
    const int nInserted = static_cast<int>(std::strlen(pszText));
    SetEditSel(nStart, nStart + nInserted);
}

BOOL CGEComboBoxWnd::ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) {
    if (!m_bNotOwnerDrawn)
        return FALSE;
    CString strText;
    int nStart = 0;
    if (m_bActive && IsBoundToCellAt(nRow, nCol)) {
        strText = ActiveText();
        int nEnd = 0;
        GetEditSel(nStart, nEnd);
        nStart = std::min(std::max(0, nStart), strText.GetLength());
    } else {
        strText = DisplayTextOf(nRow, nCol, state.m_pStyle);
    }
    // The result grows as it needs to: no fixed buffer to overrun.
    int nCount = 0;
    const CString strResult = GEReplaceFrom(strText, state, nStart, &nCount);
    if (nCount == 0)
        return FALSE;
    m_pGrid->SetValueRange(Cell(nRow, nCol), strResult, geOverride, 0, GE_UPDATENOW);
    return TRUE;
}

BOOL CGEComboBoxWnd::GetSelectedText(CString& strResult) {
    if (!m_bActive) {
        strResult.Empty();
        if (m_bBound)
            GetControlText(strResult, m_nRow, m_nCol, nullptr, GetCellStyle());
        return TRUE;
    }
    if (m_nIndexBase == -1 || m_bShowChoiceText) {
        const CString strText = ActiveText();
        int nStart = 0;
        int nEnd = 0;
        GetEditSel(nStart, nEnd);
        nStart = std::min(std::max(0, nStart), strText.GetLength());
        strResult = nStart < nEnd ? strText.Mid(nStart, nEnd - nStart) : strText.Mid(nStart);
        return TRUE;
    }
    const int nSel = GetCurSel();
    if (nSel != CB_ERR)
        strResult.Format("%d", nSel + m_nIndexBase);
    return TRUE;
}
