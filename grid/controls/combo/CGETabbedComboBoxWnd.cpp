// Settings, values through the table, validation, storing, keys.
#include "grid/controls/combo/CGETabbedComboBoxWnd.h"

#include "grid/controls/CGEComboBoxWndButton.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/combo/CGETabbedCBEditWnd.h"
#include "grid/controls/combo/CGETabbedLBoxHeader.h"
#include "grid/core/CGEAbstractUserAttribute.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CGETabbedComboBoxWnd, CGEComboBoxWnd)

const CGEControlClass CGETabbedComboBoxWnd::controlClass = {"CGETabbedComboBoxWnd",
                                                            &CGEComboBoxWnd::controlClass};

BEGIN_MESSAGE_MAP(CGETabbedComboBoxWnd, CGEComboBoxWnd)
ON_WM_SHOWWINDOW()
ON_WM_SYSCHAR()
END_MESSAGE_MAP()

namespace {

// The window styles every tabbed combo window adds: owner-drawn rows of any height with their strings.
constexpr DWORD kTabbedStyle = WS_VSCROLL | CBS_NOINTEGRALHEIGHT | CBS_HASSTRINGS | CBS_OWNERDRAWVARIABLE;

// A user attribute's text; empty when the style has none.
CString Attribute(const CGEStyle& style, UINT nId) {
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValueText() : CString();
}

int NumberAttribute(const CGEStyle& style, UINT nId, int nAbsent) {
    return style.HasUserAttribute(nId) ? std::atoi(Attribute(style, nId)) : nAbsent;
}

struct TableSettings {
    int nKeyCol;
    int nTextCol;
    BOOL bTitles;
};

TableSettings SettingsOf(const CGEStyle& style) {
    return {NumberAttribute(style, GE_IDS_UA_TABLIST_KEYCOL, 0),
            NumberAttribute(style, GE_IDS_UA_TABLIST_TEXTCOL, 0),
            NumberAttribute(style, GE_IDS_UA_TABLIST_TITLES, 0) != 0};
}

} // namespace

CGETabbedComboBoxWnd::CGETabbedComboBoxWnd(CGEGridCore* pGrid)
    : CGEComboBoxWnd(pGrid), m_pHeader(new CGETabbedLBoxHeader) {
    m_bDropDownOnClick = FALSE;
}

CGETabbedComboBoxWnd::~CGETabbedComboBoxWnd() {
    if (HasWindow()) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
    delete m_pEditWnd;
    if (m_pHeader->GetSafeHwnd() != nullptr)
        m_pHeader->DestroyWindow();
    delete m_pHeader;
}

BOOL CGETabbedComboBoxWnd::CreateControlWindow(DWORD dwStyle, UINT nID) {
    const BOOL bCreated = CGEComboBoxWnd::CreateControlWindow(dwStyle, nID);
    // Owner-drawn, yet the rows' strings are there to search.
    if (bCreated)
        m_bNotOwnerDrawn = TRUE;
    return bCreated;
}

DWORD CGETabbedComboBoxWnd::ExtraWindowStyle() const {
    return kTabbedStyle;
}

void CGETabbedComboBoxWnd::SubclassEditField(HWND hEdit) {
    if (m_pEditWnd == nullptr)
        m_pEditWnd = new CGETabbedCBEditWnd;
    m_pEditWnd->SubclassWindow(hEdit);
    m_pEditField = m_pEditWnd;
}

// ---- settings ----

void CGETabbedComboBoxWnd::ReadSettings(const CGEStyle& style) {
    const TableSettings settings = SettingsOf(style);
    m_nKeyCol = settings.nKeyCol;
    m_nTextCol = settings.nTextCol;
    m_bDisplayTitles = settings.bTitles;
    m_bShowAllCols = NumberAttribute(style, GE_IDS_UA_TABLIST_SHOWALLCOLS, 1) != 0;
    m_strColWidths = Attribute(style, GE_IDS_UA_TABLIST_COLWIDTHS);
    m_nSortCol = NumberAttribute(style, GE_IDS_UA_TABLIST_SORTCOL, -1);
}

CString CGETabbedComboBoxWnd::SortedChoices(const CGEStyle& style) const {
    const CString strList = style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
    return m_nSortCol >= 0 ? SortChoiceList(strList, m_nSortCol, m_bDisplayTitles) : strList;
}

BOOL CGETabbedComboBoxWnd::IsCellReadOnly() {
    return m_pGrid->IsReadOnly() ||
           (m_bBound && GetCellStyle().GetIncludeReadOnly() && GetCellStyle().GetReadOnly());
}

void CGETabbedComboBoxWnd::EnableEditing(BOOL bReadOnly) {
    if (!HasWindow())
        return;
    EnableWindow(!bReadOnly);
    if (m_pEditWnd != nullptr && m_pEditWnd->GetSafeHwnd() != nullptr) {
        // A read-only cell's text stays selectable.
        if (bReadOnly)
            m_pEditWnd->EnableWindow(TRUE);
        m_pEditWnd->SendMessage(EM_SETREADONLY, bReadOnly, 0);
    }
}

void CGETabbedComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol) {
    m_nFontHeight = 0;
    CGEControl::Init(nRow, nCol);
    m_bPendingDropDown = FALSE;
    m_nSavedSelStart = 0;
    m_nSavedSelEnd = -1;
    if (!HasWindow() && m_nCreateId != 0)
        CreateControlWindow(m_dwCreateStyle, m_nCreateId);
    SetEditSel(0, -1);
    EnableEditing(FALSE);
    SetActive(FALSE);
    const CGEStyle& style = GetCellStyle();
    ReadSettings(style);
    FillTabbedList();
    SetCurrentText(style.GetIncludeValue() ? style.GetValue() : CString());
    if (HasWindow()) {
        m_nSavedIndex = GetCurSel();
        GetWindowText(m_strSaved);
    }
    SetModify(FALSE);
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_wActivateFlags & 0x4) != 0 && OnStartEditing())
        SetActive(TRUE);
    EnableEditing(IsCellReadOnly());
    if (!m_bActive && m_pDropButton != nullptr && GetGridWindow() != nullptr) {
        const CRect rectButton = m_pDropButton->GetRect();
        GetGridWindow()->InvalidateRect(&rectButton, TRUE);
    }
}

// ---- values ----

void CGETabbedComboBoxWnd::SetCurrentText(const CString& str) {
    if (!HasWindow() || !m_bBound)
        return;
    CString strLine;
    const int nIndex =
        FindChoiceListEntry(str, m_nKeyCol, SortedChoices(GetCellStyle()), m_bDisplayTitles, strLine, TRUE);
    SetCurSel(nIndex);
}

BOOL CGETabbedComboBoxWnd::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    CString strText;
    GetWindowSelText(strText);
    strResult.Empty();
    if (strText.IsEmpty())
        return TRUE;
    const int nFound = FindString(-1, strText);
    if (nFound == CB_ERR)
        return FALSE;
    CString strItem;
    GetLBText(nFound, strItem);
    strResult = CopyTabField(strItem, ItemField(m_nKeyCol));
    return TRUE;
}

BOOL CGETabbedComboBoxWnd::GetValue(CString& strResult) {
    strResult.Empty();
    if (!HasWindow())
        return FALSE;
    if (!IsDropDownList()) {
        GetWindowText(strResult);
        return TRUE;
    }
    const int nSel = GetCurSel();
    if (nSel != CB_ERR) {
        CString strItem;
        GetLBText(nSel, strItem);
        strResult = CopyTabField(strItem, 0);
    }
    return TRUE;
}

BOOL CGETabbedComboBoxWnd::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR pszValue,
                                          const CGEStyle& style) {
    const TableSettings settings = SettingsOf(style);
    const CString strValue = pszValue != nullptr       ? CString(pszValue)
                             : style.GetIncludeValue() ? style.GetValue()
                                                       : CString();
    strResult.Empty();
    if (!style.GetIncludeChoiceList())
        return FALSE;
    CString strLine;
    if (FindChoiceListEntry(strValue, settings.nKeyCol, style.GetChoiceList(), settings.bTitles, strLine,
                            TRUE) < 0)
        return FALSE;
    strResult = CopyTabField(strLine, settings.nTextCol);
    return TRUE;
}

BOOL CGETabbedComboBoxWnd::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                                     const CGEStyle* pOldStyle) {
    if (str.IsEmpty())
        return TRUE;
    CGEStyle* pComposed = nullptr;
    if (pOldStyle == nullptr) {
        pComposed = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
        pOldStyle = pComposed;
    }
    const TableSettings settings = SettingsOf(*pOldStyle);
    CString strLine;
    const BOOL bFound = pOldStyle->GetIncludeChoiceList() &&
                        FindChoiceListEntry(str, settings.nTextCol, pOldStyle->GetChoiceList(),
                                            settings.bTitles, strLine, TRUE) >= 0;
    if (bFound)
        str = CopyTabField(strLine, settings.nKeyCol);
    if (pComposed != nullptr)
        m_pGrid->RecycleStyle(pComposed);
    return bFound;
}

BOOL CGETabbedComboBoxWnd::ValidateString(const CString& str) {
    if (str.IsEmpty() || !m_bFillFromChoiceList)
        return TRUE;
    if (!m_bBound || !GetCellStyle().GetIncludeChoiceList())
        return FALSE;
    CString strLine;
    return FindChoiceListEntry(str, m_nTextCol, GetCellStyle().GetChoiceList(), m_bDisplayTitles, strLine,
                               FALSE) >= 0;
}

BOOL CGETabbedComboBoxWnd::OnValidate() {
    CString strKey;
    if (m_bActive && GetModify() && !GetCurrentText(strKey))
        return FALSE;
    return CGEComboBoxWnd::OnValidate();
}

BOOL CGETabbedComboBoxWnd::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                                      UINT nFlags) {
    if (!CGEComboBoxWnd::StoreStyle(nRow, nCol, pStyle, mt, nType, nFlags))
        return FALSE;
    if ((mt == 0 || mt == 1) && pStyle != nullptr && m_pGrid->IsCurrentCell(nRow, nCol)) {
        BOOL bReset = pStyle->GetIncludeChoiceList() || pStyle->GetIncludeControl() ||
                      (pStyle->GetIncludeValue() && !GetModify());
        for (UINT nId = GE_IDS_UA_TABLIST_KEYCOL; nId <= GE_IDS_UA_TABLIST_SORTCOL && !bReset; ++nId)
            bReset = pStyle->HasUserAttribute(nId);
        if (bReset)
            Reset();
    }
    return TRUE;
}

// ---- mouse and keys ----

BOOL CGETabbedComboBoxWnd::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    if ((nHitState & 2) != 0)
        return CGEStatic::LButtonUp(nFlags, point, nHitState);
    if (m_bDropDownOnClick) {
        if (!m_bActive && OnStartEditing()) {
            SetActive(TRUE);
            Refresh();
        }
        if (m_bActive && HasWindow() && !GetDroppedState()) {
            if (!GEGetLibraryState()->m_bNewShell) {
                m_bPendingDropDown = TRUE;
            } else {
                GetGridWindow()->UpdateWindow();
                PostClick(ButtonClickPoint());
            }
        }
    }
    CGEStatic::LButtonUp(nFlags, point, nHitState);
    return TRUE;
}

void CGETabbedComboBoxWnd::OnChildButtonClicked(CGEChild* pChild) {
    if (m_bActive || !m_bDropDownOnClick) {
        BOOL bGoOn = TRUE;
        if (!m_bActive) {
            bGoOn = OnStartEditing();
            if (bGoOn) {
                SetActive(TRUE);
                Refresh();
            }
        }
        if (bGoOn && HasWindow() && !GetDroppedState() && !m_bDropDownOnClick) {
            // The next drawing would hide the window that is about to take the click.
            m_bSkipNextDraw = TRUE;
            GetGridWindow()->UpdateWindow();
            PostClick(ButtonClickPoint());
        }
    }
    CGEStatic::OnChildButtonClicked(pChild);
}

BOOL CGETabbedComboBoxWnd::OnComboKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_ESCAPE && !m_pGrid->IsKeyDown(VK_CONTROL)) {
        if (m_bBound)
            m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
        if (HasWindow() && GetDroppedState())
            ShowDropDown(FALSE);
        if (OnEndEditing()) {
            Init(m_nRow, m_nCol);
            Refresh();
            OnCanceledEditing();
            if (CWnd* pGridWnd = GetGridWindow())
                MoveFocusLocked(pGridWnd);
            return TRUE;
        }
    }
    return CGEComboBoxWnd::OnComboKeyDown(nChar, nRepCnt, nFlags);
}

void CGETabbedComboBoxWnd::Hide() {
    if (m_pHeader->GetSafeHwnd() != nullptr && m_pHeader->IsWindowVisible())
        m_pHeader->ShowWindow(SW_HIDE);
    CGEComboBoxWnd::Hide();
}

BOOL CGETabbedComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_bActive && HasWindow() && reinterpret_cast<HWND>(lParam) == GetSafeHwnd()) {
        const UINT nCode = HIWORD(wParam);
        if (nCode == CBN_CLOSEUP && m_pHeader->GetSafeHwnd() != nullptr && m_pHeader->IsWindowVisible())
            m_pHeader->ShowWindow(SW_HIDE);
        if (nCode == CBN_DROPDOWN || nCode == CBN_CLOSEUP)
            m_rectLastList.SetRectEmpty();
    }
    return CGEComboBoxWnd::OnCommand(wParam, lParam);
}

void CGETabbedComboBoxWnd::OnShowWindow(BOOL bShow, UINT) {
    Default();
    if (!bShow && m_pHeader->GetSafeHwnd() != nullptr && m_pHeader->IsWindowVisible())
        m_pHeader->ShowWindow(SW_HIDE);
}

void CGETabbedComboBoxWnd::OnSysChar(UINT, UINT, UINT) {
    Default();
}
