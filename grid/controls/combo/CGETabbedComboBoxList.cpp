// The tabbed combo box's drop-down: the kept pop-up and list, filling, column widths, the title header and
// the drawing of its rows.
#include "grid/controls/combo/CGETabbedComboBox.h"

#include "framework/win/CDC.h"
#include "grid/controls/CGEDIBPool.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/combo/CGEGridCombo.h"
#include "grid/controls/combo/CGETabComboCache.h"
#include "grid/controls/combo/CGETabbedComboLBox.h"
#include "grid/controls/combo/CGETabbedLBoxHeader.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

// The fields of a list item as its columns show them: with all columns shown and a text column above 0
// the leading copy of the text column is skipped.
CString ShownColumns(LPCSTR pszItem, BOOL bFirstColumnOnly, int nTextCol) {
    CString strItem(pszItem);
    if (!bFirstColumnOnly && nTextCol > 0) {
        const int nTab = strItem.Find('\t');
        strItem = nTab >= 0 ? strItem.Mid(nTab + 1) : CString();
    }
    return strItem;
}

int FieldCount(LPCSTR pszRow) {
    int nCount = 1;
    for (const char* p = pszRow; *p != '\0'; ++p)
        nCount += *p == '\t';
    return nCount;
}

} // namespace

// ---- rows of a tab list ----

CString CGETabbedComboBox::ListItemOf(const CString& strRow, int nTextCol) {
    return nTextCol == 0 ? strRow : CopyTabField(strRow, nTextCol) + "\t" + strRow;
}

void CGETabbedComboBox::MeasureColumnWidths(CDC* pDC, LPCSTR pszRow, int nMaxColumns, int* anWidths) {
    const int nFields = std::min(FieldCount(pszRow), nMaxColumns);
    for (int i = 0; i < nFields; ++i) {
        const CString strField = CopyTabField(pszRow, i);
        const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strField);
        const int cx =
            pDIB != nullptr ? pDIB->GetWidth() : pDC->GetTextExtent(strField, strField.GetLength()).cx;
        anWidths[i] = std::max(anWidths[i], cx);
    }
}

std::vector<int> CGETabbedComboBox::ColumnWidths(const int* anMeasured, const CString& strWidths,
                                                 BOOL bShowAll, int nTextCol) {
    std::vector<int> widths;
    const char* p = strWidths;
    for (int i = 0; i < maxColumns && anMeasured[i] != -1; ++i) {
        if (std::isdigit(static_cast<unsigned char>(*p))) {
            widths.push_back(std::atoi(p));
            while (std::isdigit(static_cast<unsigned char>(*p)))
                ++p;
            while (*p != '\0' && !std::isdigit(static_cast<unsigned char>(*p)))
                ++p;
        } else {
            widths.push_back(!bShowAll && i != nTextCol ? 0 : anMeasured[i] + 4);
        }
    }
    return widths;
}

void CGETabbedComboBox::DrawTabbedRow(CDC* pDC, const CRect& rect, LPCSTR pszItem, BOOL bFirstColumnOnly,
                                      int nTextCol, int nCount, const int* anBoundaries,
                                      COLORREF clrSeparator, COLORREF clrBack, COLORREF clrText) {
    const CString strShown = ShownColumns(pszItem, bFirstColumnOnly, nTextCol);
    const int n = bFirstColumnOnly ? 0 : nCount;
    pDC->FillSolidRect(&rect, clrBack);
    for (int i = 0; i < n; ++i)
        pDC->FillSolidRect(rect.left + anBoundaries[i] - 2, rect.top, 1, rect.Height(), clrSeparator);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    int left = rect.left;
    for (int i = 0; i <= n; ++i) {
        const int right = i < n ? rect.left + anBoundaries[i] : rect.right;
        if (right > left) {
            const CString strField = CopyTabField(strShown, i);
            CRect rectColumn(left, rect.top, right, rect.bottom);
            if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strField))
                pDIB->Draw(pDC, rectColumn, CGEDIB::alignVCenter);
            else
                pDC->DrawText(strField, &rectColumn, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        if (i < n)
            left = rect.left + anBoundaries[i];
    }
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CGETabbedComboBox::MeasureTabbedRow(LPCSTR pszItem, int& nHeight, BOOL bFirstColumnOnly, int nTextCol,
                                         int nCount) {
    const CString strShown = ShownColumns(pszItem, bFirstColumnOnly, nTextCol);
    const int n = bFirstColumnOnly ? 0 : nCount;
    for (int i = 0; i <= n; ++i) {
        if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(CopyTabField(strShown, i)))
            nHeight = std::max(nHeight, pDIB->GetHeight());
    }
}

// ---- the kept pop-up and list ----

CGEGridCombo* CGETabbedComboBox::MakePopupWindow(CWnd* pGridWnd, const CRect& rect) {
    if (m_pKeptPopup == nullptr)
        m_pKeptPopup = new CGEGridCombo(pGridWnd, this, rect);
    return m_pKeptPopup;
}

CListBox* CGETabbedComboBox::MakeListWindow(CWnd* pPopup, UINT nID) {
    if (m_pKeptList != nullptr)
        return m_pKeptList;
    if (m_dwListStyle == 0)
        m_dwListStyle = WS_VSCROLL | LBS_NOTIFY;
    auto* pList = new CGETabbedComboLBox(this);
    const DWORD dwStyle = m_dwListStyle | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                          WS_CHILD | WS_VISIBLE | WS_BORDER;
    if (!pList->CreateEx(0, "LISTBOX", "", dwStyle, CRect(0, 0, 1, 1), pPopup, nID)) {
        delete pList;
        return nullptr;
    }
    m_pKeptList = pList;
    return pList;
}

void CGETabbedComboBox::ShowDropList(BOOL bShow) {
    if (bShow && m_pKeptPopup != nullptr && m_pKeptPopup->GetSafeHwnd() != nullptr &&
        m_pKeptPopup->IsWindowVisible())
        return;
    CGEComboBox::ShowDropList(bShow);
}

void CGETabbedComboBox::DiscardPopupWindow(CWnd* pPopup) {
    pPopup->ShowWindow(SW_HIDE);
    if (m_pHeader->GetSafeHwnd() != nullptr && m_pHeader->IsWindowVisible())
        m_pHeader->ShowWindow(SW_HIDE);
    if (m_pKeptList != nullptr)
        m_pKeptList->ClearUsage();
}

void CGETabbedComboBox::ComputeListRect(CRect& rectResult, const CRect& rectText) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    const int nHeight = pParam != nullptr ? pParam->m_nDropDownHeight : 100;
    rectResult =
        CRect(rectText.left, rectText.bottom,
              std::max<int>(rectText.right, rectText.left + m_nTotalListWidth), rectText.bottom + nHeight);
}

int CGETabbedComboBox::FitListHeight(CListBox* pList) {
    return m_nRowHeight * pList->GetCount() + std::max(1, pList->GetItemHeight(0)) / 2;
}

void CGETabbedComboBox::PlaceListHeader(CRect& rectList, const CRect& rectText, const CRect& rectDesktop) {
    if (!m_bDisplayTitles)
        return;
    if (m_pHeader->GetSafeHwnd() == nullptr && !m_pHeader->CreateHeader())
        return;
    m_pHeader->SetLayout(m_bShowAllCols, m_nTextCol, m_nColCount, m_anColBoundaries);
    if (m_pKeptList != nullptr)
        m_pHeader->SetFont(CFont::FromHandle(reinterpret_cast<HFONT>(m_pKeptList->SendMessage(WM_GETFONT))),
                           FALSE);
    int nHeight = m_nRowHeight;
    MeasureTabbedRow(m_pHeader->GetTitle(), nHeight, !m_bShowAllCols, m_nTextCol, m_nColCount);
    nHeight += 4;
    if (rectList.bottom + nHeight > rectDesktop.bottom)
        rectList.OffsetRect(0, -(rectList.Height() + rectText.Height()));
    CRect rectHeader(rectList.left, rectList.top, rectList.right, rectList.top + nHeight);
    if (rectList.top >= rectText.bottom)
        rectList.OffsetRect(0, nHeight);
    else
        rectHeader.OffsetRect(0, -nHeight);
    m_pHeader->SetWindowPos(&CWnd::wndTopMost, rectHeader.left, rectHeader.top, rectHeader.Width(),
                            rectHeader.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    m_pHeader->UpdateWindow();
}

// ---- filling ----

void CGETabbedComboBox::FillListWindow(CListBox* pList) {
    CGETabComboCache cache(m_pGrid->GetParam());
    const long nGeneration = static_cast<long>(cache.GetGeneration());
    if (m_bListFilled && m_bBound && nGeneration > m_nFilledGeneration) {
        // The shared maps were cleared since this cell's list was filled (another grid stored new rows):
        // the cell's style is read again, in place because callers hold it, and the list filled anew.
        GetCellStyle();
        m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, m_pStyle, TRUE);
        m_bListFilled = FALSE;
    }
    const CGEStyle& style = GetCellStyle();
    const int nId = std::atoi(style.HasUserAttribute(GE_IDS_UA_TABLIST_UNIQUEID)
                                  ? style.GetUserAttribute(GE_IDS_UA_TABLIST_UNIQUEID).GetValueText()
                                  : CString());
    const BOOL bMap = nId >= 1 && cache.GetTextMap(nId, style) != nullptr;
    const BOOL bRefill = !bMap || nId != m_nFilledListId || nGeneration > m_nFilledGeneration;
    if (bRefill) {
        m_nFilledGeneration = nGeneration;
        if (!m_bListFilled && m_bFillWithChoiceList) {
            int anWidths[maxColumns];
            std::fill(std::begin(anWidths), std::end(anWidths), -1);
            pList->ResetContent();
            m_nTotalListWidth = 0;
            m_pHeader->SetTitle("");
            CString strChoices = style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
            if (!strChoices.IsEmpty() && m_nSortCol >= 0) {
                strChoices = SortChoiceList(strChoices, m_nSortCol, m_bDisplayTitles);
                GetCellStyle();
                m_pStyle->SetChoiceList(strChoices);
                m_pStyle->SetUserAttribute(GE_IDS_UA_TABLIST_SORTCOL, "-1");
            }
            CDC* pDC = m_pGrid->GetGridDC();
            CFont* pOldFont = SelectStyleFont(pDC, style, nullptr);
            CString strLine;
            for (BOOL bFirst = TRUE; !strChoices.IsEmpty(); bFirst = FALSE) {
                CutFirstLine(strChoices, strLine);
                MeasureColumnWidths(pDC, strLine, maxColumns, anWidths);
                const CString strItem = ListItemOf(strLine, m_nTextCol);
                if (bFirst && m_bDisplayTitles)
                    m_pHeader->SetTitle(strItem);
                else
                    pList->AddString(strItem);
            }
            if (pOldFont != nullptr)
                pDC->SelectObject(pOldFont);
            const std::vector<int> widths =
                ColumnWidths(anWidths, m_strColWidths, m_bShowAllCols, m_nTextCol);
            m_anColBoundaries.clear();
            int nSum = 0;
            for (int nWidth : widths) {
                nSum += nWidth;
                m_anColBoundaries.push_back(nSum);
            }
            m_nColCount = std::max(0, static_cast<int>(widths.size()) - 1);
            m_nTotalListWidth = nSum + ::GetSystemMetrics(SM_CXVSCROLL);
        }
    }
    const CString strText = WindowText();
    const int nIndex = pList->FindStringExact(-1, strText);
    if (nIndex != LB_ERR)
        pList->SetCurSel(nIndex);
    else
        pList->SelectString(-1, strText);
    m_bListFilled = TRUE;
    m_nFilledListId = nId;
}

void CGETabbedComboBox::TakeListChoice(CListBox* pList) {
    const int nSel = pList != nullptr ? pList->GetCurSel() : LB_ERR;
    if (nSel == LB_ERR)
        return;
    CString strItem;
    pList->GetText(nSel, strItem);
    SetWindowText(CopyTabField(strItem, 0));
    SetActive(TRUE);
    SetModify(TRUE);
    if (m_bStaticWhenActive)
        Refresh();
}
