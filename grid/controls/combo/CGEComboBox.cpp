// The cell-control part of the combo box: values and the choice-list rules, drawing and the button.
#include "grid/controls/combo/CGEComboBox.h"

#include "framework/win/CDC.h"
#include "framework/win/CListBox.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/combo/CGEComboBoxButton.h"
#include "grid/controls/combo/CGEGridCombo.h"
#include "grid/controls/combo/CGEComboListBox.h"
#include "grid/controls/combo/GEDropDown.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGEComboBox, CGEEditControl)

const CGEControlClass CGEComboBox::controlClass = {"CGEComboBox", &CGEEditControl::controlClass};

namespace {

CString ChoicesOf(const CGEStyle& style) {
    return style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
}

} // namespace

CGEComboBox::CGEComboBox(CGEGridCore* pGrid, UINT nID, UINT nListID, DWORD dwFlags)
    : CGEEditControl(pGrid, nID), m_dwComboFlags(dwFlags), m_pButton(new CGEComboBoxButton(this)),
      m_nListID(nListID) {
    AppendChild(m_pButton);
}

CGEComboBox::~CGEComboBox() {
    if (m_pPopup != nullptr) {
        GEDropDownLockScope lock;
        CGEGridCombo* pPopup = m_pPopup;
        m_pPopup = nullptr;
        delete pPopup;
    }
    m_listFont.DeleteObject();
}

CListBox* CGEComboBox::GetListWindow() const {
    return m_pPopup != nullptr ? static_cast<CListBox*>(m_pPopup->GetChild()) : nullptr;
}

// ---- state ----

void CGEComboBox::SetActive(BOOL bActive) {
    if (!bActive && IsListShown() && HasWindow())
        PostMessage(GECM_LISTCANCEL, 0, 0);
    CGEEditControl::SetActive(bActive);
}

void CGEComboBox::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEEditControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGEComboBox::Reset() {
    ShowDropList(FALSE);
    CGEControl::Reset();
}

// ---- text rectangle and size ----

CRect CGEComboBox::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) {
    CRect rect = CGEStatic::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    if (!m_bButtonSpaceCurrentOnly || m_bButtonInEveryCell || m_pGrid->IsCurrentCell(nRow, nCol))
        rect.right -= buttonWidth;
    return rect;
}

CSize CGEComboBox::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    size.cx += buttonWidth;
    return CGEStatic::AddTextMarginsToSize(pDC, size, style);
}

void CGEComboBox::CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                           const CGEStyle* pStandardStyle, BOOL bVert) {
    CGEStatic::CalcSize(size, pDC, nRow, nCol, style, pStandardStyle, bVert);
    CSize text(0, 0);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    if (bVert) {
        TEXTMETRICA tm{};
        pDC->GetTextMetrics(&tm);
        text.cy = tm.tmHeight + tm.tmExternalLeading + 1;
    } else if (m_bFillWithChoiceList && style.GetIncludeChoiceList()) {
        CString strRest = style.GetChoiceList();
        CString strLine;
        while (!strRest.IsEmpty()) {
            CutFirstLine(strRest, strLine);
            text.cx = std::max<int>(text.cx, pDC->GetTextExtent(strLine, strLine.GetLength()).cx);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    text = AddTextMarginsToSize(pDC, text, style);
    size.cx = std::max(size.cx, text.cx);
    size.cy = std::max(size.cy, text.cy);
}

// ---- drawing ----

void CGEComboBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                       const CGEStyle* pStandardStyle) {
    if (m_bStaticWhenActive && IsBoundToCellAt(nRow, nCol) && m_bActive && !m_pGrid->IsPrinting()) {
        CString strText;
        GetCurrentText(strText);
        CGEStyle* pClone = style.Clone();
        pClone->SetValue(strText);
        CGEStatic::Draw(pDC, rect, nRow, nCol, *pClone, pStandardStyle);
        delete pClone;
        return;
    }
    CGEEditControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGEComboBox::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) {
    if (m_pButton == nullptr)
        return;
    // The button sits in the space the text rectangle leaves for it at the right.
    CRect rect = rectText;
    if (!m_bButtonSpaceCurrentOnly || m_bButtonInEveryCell || m_pGrid->IsCurrentCell(nRow, nCol))
        rect.right += buttonWidth;
    CRect button(std::max<int>(rect.left + 1, rect.right - 16), rect.top, rect.right - 1, rect.bottom - 1);
    const CGEStyle* pStyle = nullptr;
    if (IsBoundToCellAt(nRow, nCol))
        pStyle = &GetCellStyle();
    else if (m_bButtonInEveryCell)
        pStyle = &m_pGrid->LookupStyleRowCol(nRow, nCol);
    if (pStyle != nullptr && m_nFontHeight == 0) {
        CDC* pDC = m_pGrid->GetGridDC();
        CFont* pOldFont = SelectStyleFont(pDC, *pStyle, nullptr);
        TEXTMETRICA tm{};
        pDC->GetTextMetrics(&tm);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
        m_nFontHeight = tm.tmHeight;
    }
    if (m_bFontHeightButton) {
        const int h = std::min<int>(m_nFontHeight + 2, rect.bottom - 2 * m_nButtonMargin - rect.top);
        if (pStyle != nullptr && pStyle->GetIncludeVerticalAlignment()) {
            if (pStyle->GetVerticalAlignment() == DT_VCENTER)
                button.top += (rect.Height() - h) / 2 - m_nButtonMargin;
            else if (pStyle->GetVerticalAlignment() == DT_BOTTOM)
                button.top = rect.bottom - 2 * m_nButtonMargin - h;
        }
        button.bottom = button.top + 2 * m_nButtonMargin - 1 + h;
    }
    m_pButton->SetRect(button);
}

// ---- values and the choice-list rules ----

CString CGEComboBox::MapTextToValue(const CString& strText, const CString& strChoices) {
    CString strItem;
    const int nIndex = FindStringInChoiceList(strItem, strText, strChoices, FALSE);
    if ((m_dwComboFlags & flagDisplayChoice) == 0)
        return strItem;
    if (nIndex < 0)
        return CString();
    CString strValue;
    strValue.Format("%d", nIndex + ((m_dwComboFlags & flagOneBased) != 0 ? 1 : 0));
    return strValue;
}

BOOL CGEComboBox::IndexOfValue(LPCSTR pszValue, int& nIndex) const {
    if (pszValue == nullptr || *pszValue == '\0')
        return FALSE;
    // An index beyond the 16-bit range names no item (cutting it to 16 bits would show another one).
    const long nValue = std::strtol(pszValue, nullptr, 10);
    nIndex = nValue < SHRT_MIN || nValue > SHRT_MAX ? -1 : static_cast<int>(nValue);
    if ((m_dwComboFlags & flagOneBased) != 0 && nIndex != -1)
        nIndex -= 1;
    return TRUE;
}

BOOL CGEComboBox::GetCurrentText(CString& strResult) {
    if (!CGEEditControl::GetCurrentText(strResult))
        return FALSE;
    if (m_bFillWithChoiceList && (m_dwComboFlags & (flagTextFit | flagDisplayChoice)) != 0 && m_bBound &&
        GetCellStyle().GetIncludeChoiceList())
        strResult = MapTextToValue(strResult, GetCellStyle().GetChoiceList());
    return TRUE;
}

BOOL CGEComboBox::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                                 const CGEStyle& style) {
    if ((m_dwComboFlags & flagDisplayChoice) == 0 || !m_bFillWithChoiceList || !style.GetIncludeChoiceList())
        return CGEEditControl::GetControlText(strResult, nRow, nCol, pszValue, style);
    const CString strValue = pszValue != nullptr       ? CString(pszValue)
                             : style.GetIncludeValue() ? style.GetValue()
                                                       : CString();
    int nIndex = -1;
    if (!IndexOfValue(strValue, nIndex)) {
        strResult.Empty();
        return FALSE;
    }
    CString strItem;
    GetChoiceListItem(strItem, style.GetChoiceList(), nIndex);
    return CGEEditControl::GetControlText(strResult, nRow, nCol, strItem, style);
}

BOOL CGEComboBox::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                            const CGEStyle* pOldStyle) {
    if (!m_bFillWithChoiceList || (m_dwComboFlags & (flagTextFit | flagDisplayChoice)) == 0)
        return TRUE;
    CGEStyle* pComposed = nullptr;
    if (pOldStyle == nullptr) {
        pComposed = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
        pOldStyle = pComposed;
    }
    // A text that names no choice is refused rather than stored as an empty value.
    BOOL bResult = TRUE;
    if (pOldStyle->GetIncludeChoiceList() && !str.IsEmpty()) {
        const CString strValue = MapTextToValue(str, pOldStyle->GetChoiceList());
        if (strValue.IsEmpty())
            bResult = FALSE;
        else
            str = strValue;
    }
    if (pComposed != nullptr)
        m_pGrid->RecycleStyle(pComposed);
    return bResult;
}

BOOL CGEComboBox::ValidateString(const CString& str) {
    if (str.IsEmpty() || !m_bFillWithChoiceList || (m_dwComboFlags & (flagTextFit | flagDisplayChoice)) == 0)
        return TRUE;
    if (!m_bBound || !GetCellStyle().GetIncludeChoiceList())
        return FALSE;
    CString strItem;
    return FindStringInChoiceList(strItem, str, GetCellStyle().GetChoiceList(), FALSE) >= 0;
}

void CGEComboBox::ReplaceSel(LPCSTR pszText) {
    if (!m_bActive) {
        CGEEditControl::ReplaceSel(pszText);
        return;
    }
    if (IsReadOnly())
        return;
    CEdit::ReplaceSel(pszText, FALSE);
    SetModify(TRUE);
    OnModifyCell();
}

// ---- keys, mouse and the button ----

BOOL CGEComboBox::OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message, LRESULT* pResult) {
    if (!IsListShown() || !HasWindow())
        return CGEEditControl::OnGridMouseActivate(pDesktopWnd, nHitTest, message, pResult);
    SendMessage(GECM_LISTCANCEL, 0, 1);
    *pResult = MA_ACTIVATEANDEAT;
    return TRUE;
}

BOOL CGEComboBox::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // A static combo picks its first choice that starts with "(" (such as "(none)") for that key.
    if (m_bStaticWhenActive && nChar == '(' && m_bBound) {
        CString strItem;
        if (FindStringInChoiceList(strItem, "(", ChoicesOf(GetCellStyle()), FALSE) >= 0)
            SetValue(strItem);
        return TRUE;
    }
    return CGEEditControl::OnGridChar(nChar, nRepCnt, nFlags);
}

void CGEComboBox::OpenFromKeyboard() {
    SetActive(TRUE);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    if (CWnd* pGridWnd = GetGridWindow())
        pGridWnd->UpdateWindow();
    ShowDropList(TRUE);
}

BOOL CGEComboBox::OnGridSysKeyDown(UINT nChar, UINT, UINT) {
    if (nChar != VK_DOWN)
        return FALSE;
    if (OnStartEditing())
        OpenFromKeyboard();
    return TRUE;
}

void CGEComboBox::OnChildButtonClicked(CGEChild* pChild) {
    if (!m_bActive) {
        if (!OnStartEditing())
            return;
        SetActive(TRUE);
        Refresh();
    }
    if (CWnd* pGridWnd = GetGridWindow())
        pGridWnd->UpdateWindow();
    ShowDropList(!IsListShown());
    CGEControl::OnChildButtonClicked(pChild);
}

void CGEComboBox::OnGridScroll(const MSG* pMsg) {
    if (pMsg != nullptr && (pMsg->message == WM_HSCROLL || pMsg->message == WM_VSCROLL))
        ShowDropList(FALSE);
    CGEEditControl::OnGridScroll(pMsg);
}
