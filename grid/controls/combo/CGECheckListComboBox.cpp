#include "grid/controls/combo/CGECheckListComboBox.h"

#include "grid/controls/GEChoiceList.h"
#include "grid/controls/combo/CGECheckListComboLBox.h"
#include "grid/controls/combo/CGEComboListBox.h"
#include "grid/controls/combo/CGEGridCombo.h"
#include "grid/controls/combo/GEDropDown.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGECheckListComboBox, CGEComboBox)

const CGEControlClass CGECheckListComboBox::controlClass = {"CGECheckListComboBox",
                                                            &CGEComboBox::controlClass};

BEGIN_MESSAGE_MAP(CGECheckListComboBox, CGEComboBox)
ON_MESSAGE(GECM_LISTCHOSEN, OnCheckListClosed)
ON_MESSAGE(GECM_LISTCANCEL, OnCheckListClosed)
ON_MESSAGE(GECM_LISTSELCHANGE, OnCheckListSelChange)
ON_MESSAGE(GECM_LISTFOCUSLOST, OnCheckListFocusLost)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {

// The list style when the combo names none: LBS_NOTIFY | WS_VSCROLL.
constexpr DWORD kDefaultListStyle = 0x200001;

} // namespace

CGECheckListComboBox::CGECheckListComboBox(CGEGridCore* pGrid, UINT nID, UINT nListID)
    : CGEComboBox(pGrid, nID, nListID, flagNoTextFit) {}

DWORD CGECheckListComboBox::MaskOfValue(LPCSTR pszValue) {
    if (pszValue == nullptr)
        return 0;
    const char* p = pszValue;
    while (*p == ' ')
        ++p;
    if (*p < '0' || *p > '9')
        return 0; // empty, signed or not a number
    char* pEnd = nullptr;
    errno = 0;
    const unsigned long long nValue = std::strtoull(p, &pEnd, 10);
    if (errno == ERANGE || nValue > 0xFFFFFFFFull)
        return 0;
    return static_cast<DWORD>(nValue);
}

int CGECheckListComboBox::CountItems(const CString& strChoices) {
    CString strRest = strChoices;
    CString strLine;
    CutFirstLine(strRest, strLine); // the caption
    int nCount = 0;
    while (!strRest.IsEmpty()) {
        CutFirstLine(strRest, strLine);
        ++nCount;
    }
    return nCount;
}

// ---- the cell-control part ----

void CGECheckListComboBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                                const CGEStyle* pStandardStyle) {
    // The cell is always drawn static: the edit window never shows.
    if (IsBoundToCellAt(nRow, nCol) && !m_pGrid->IsPrinting())
        Hide();
    CGEStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

BOOL CGECheckListComboBox::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR, const CGEStyle& style) {
    strResult.Empty();
    if (style.GetIncludeChoiceList()) {
        CString strRest = style.GetChoiceList();
        CutFirstLine(strRest, strResult);
    }
    return TRUE;
}

BOOL CGECheckListComboBox::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    return CGEControl::LButtonUp(nFlags, point, nHitState);
}

BOOL CGECheckListComboBox::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSKEYDOWN)
        return CGEComboBox::OnGridWindowMessage(message, wParam, lParam);
    return FALSE;
}

BOOL CGECheckListComboBox::ProcessChar(UINT, UINT, UINT) {
    m_strPending.Empty();
    return FALSE;
}

DWORD CGECheckListComboBox::CalcEditStyle(CRect* pRect, int* pLineHeight) {
    return CGEComboBox::CalcEditStyle(pRect, pLineHeight) | ES_READONLY;
}

// ---- the drop-down list ----

CListBox* CGECheckListComboBox::MakeListWindow(CWnd* pPopup, UINT nID) {
    if (m_dwListStyle == 0)
        m_dwListStyle = kDefaultListStyle;
    auto* pList = new CGECheckListComboLBox(this);
    CRect client;
    pPopup->GetClientRect(&client);
    client.DeflateRect(1, 0);
    if (!pList->Create(m_dwListStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_HASSTRINGS |
                           LBS_NOINTEGRALHEIGHT,
                       client, pPopup, nID)) {
        delete pList;
        return nullptr;
    }
    return pList;
}

void CGECheckListComboBox::ShowDropList(BOOL bShow) {
    if (bShow && m_bBound) {
        const CGEStyle& style = GetCellStyle();
        if (style.GetIncludeChoiceList() && CountItems(style.GetChoiceList()) > maxItems) {
            ::MessageBeep(MB_ICONEXCLAMATION);
            return;
        }
    }
    CGEComboBox::ShowDropList(bShow);
}

void CGECheckListComboBox::FillListWindow(CListBox* pList) {
    auto* pCheckList = dynamic_cast<CCheckListBox*>(pList);
    const CGEStyle& style = ListStyle();
    m_nItemCount = 0;
    if (style.GetIncludeChoiceList()) {
        CString strRest = style.GetChoiceList();
        CString strLine;
        CutFirstLine(strRest, strLine); // the caption
        while (!strRest.IsEmpty()) {
            CutFirstLine(strRest, strLine);
            pList->AddString(strLine);
            ++m_nItemCount;
        }
    }
    if (pCheckList == nullptr || m_nItemCount > maxItems)
        return;
    const DWORD dwMask = MaskOfValue(style.GetIncludeValue() ? static_cast<LPCSTR>(style.GetValue()) : "");
    for (int i = 0; i < m_nItemCount; ++i)
        pCheckList->SetCheck(i, (dwMask & (1u << i)) != 0 ? 1 : 0);
}

void CGECheckListComboBox::TakeListChoice(CListBox* pList) {
    auto* pCheckList = dynamic_cast<CCheckListBox*>(pList);
    if (pCheckList == nullptr || m_nItemCount > maxItems)
        return;
    const CGEStyle& style = ListStyle();
    const DWORD dwOld = MaskOfValue(style.GetIncludeValue() ? static_cast<LPCSTR>(style.GetValue()) : "");
    DWORD dwNew = 0;
    for (int i = 0; i < m_nItemCount && i < pCheckList->GetCount(); ++i) {
        if (pCheckList->GetCheck(i) == 1) // the indeterminate state does not count
            dwNew |= 1u << i;
    }
    if (dwNew == dwOld)
        return;
    SetModify(TRUE);
    CString strValue;
    if (dwNew != 0)
        strValue.Format("%lu", static_cast<unsigned long>(dwNew));
    m_pGrid->StoreValueInRange(CGECellRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, geOverride, 0,
                               GE_UPDATENOW);
}

// ---- the list's messages ----

LRESULT CGECheckListComboBox::OnCheckListClosed(WPARAM, LPARAM) {
    m_pGrid->m_bDropDownLock = TRUE;
    m_pGrid->m_bDropDownOpen = FALSE;
    CGEGridCombo* pPopup = m_pPopup;
    BOOL bModified = FALSE;
    BOOL bFocusWasInList = FALSE;
    if (pPopup != nullptr) {
        GEDropDownLockScope lock;
        bFocusWasInList = GEIsWindowWithin(CWnd::GetFocus(), pPopup);
        if (!IsReadOnly()) {
            TakeListChoice(GetListWindow());
            bModified = GetModify();
        }
        m_pPopup = nullptr;
        DiscardPopupWindow(pPopup);
    }
    // Only a changed mask marks the cell modified.
    if (bModified)
        OnModifyCell();
    CWnd* pGridWnd = GetGridWindow();
    CWnd* pFocus = CWnd::GetFocus();
    if (pGridWnd != nullptr && (bFocusWasInList || GEIsWindowWithin(pFocus, pGridWnd)))
        MoveFocusLocked(pGridWnd);
    m_pGrid->m_bDropDownLock = FALSE;
    SetModify(FALSE);
    Refresh();
    return 0;
}

LRESULT CGECheckListComboBox::OnCheckListSelChange(WPARAM, LPARAM) {
    return 0;
}

LRESULT CGECheckListComboBox::OnCheckListFocusLost(WPARAM, LPARAM) {
    if (m_pPopup == nullptr)
        return 0;
    CWnd* pFocus = CWnd::GetFocus();
    if (!GEIsWindowWithin(pFocus, GetGridWindow()) && !GEIsWindowWithin(pFocus, m_pPopup))
        SendMessage(GECM_LISTCANCEL, 0, 0);
    return 0;
}

void CGECheckListComboBox::OnSetFocus(CWnd* pOldWnd) {
    CGEComboBox::OnSetFocus(pOldWnd);
    // The edit window never keeps the focus: the keys are the grid's.
    if (CWnd* pGridWnd = GetGridWindow())
        MoveFocusLocked(pGridWnd);
}
