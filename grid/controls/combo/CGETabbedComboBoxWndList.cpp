// Filling the list, drawing, placing the list and its header.
#include "grid/controls/combo/CGETabbedComboBoxWnd.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CDC.h"
#include "grid/controls/CGEDIB.h"
#include "grid/controls/CGEDIBPool.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/combo/CGETabbedComboBox.h"
#include "grid/controls/combo/CGETabbedLBoxHeader.h"
#include "grid/core/CGEAbstractUserAttribute.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

// Re-entry guard of the list placement: moving the list makes it ask for its colours again.
BOOL s_bPlacingList = FALSE;

// The size of a field: its picture's when it names one, else its text extent.
CSize FieldSize(CDC* pDC, const CString& strField) {
    if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strField))
        return CSize(pDIB->GetWidth(), pDIB->GetHeight());
    return pDC->GetTextExtent(strField, strField.GetLength());
}

} // namespace

void CGETabbedComboBoxWnd::FillTabbedList() {
    int anMeasured[maxColumns];
    std::fill(std::begin(anMeasured), std::end(anMeasured), -1);
    m_anColEdges.clear();
    m_nTotalListWidth = 0;
    m_nColCount = 0;
    if (HasWindow())
        ResetContent();
    m_pHeader->SetTitle("");
    const CGEStyle& style = GetCellStyle();
    if (HasWindow() && m_bFillFromChoiceList && style.GetIncludeChoiceList() &&
        !style.GetChoiceList().IsEmpty()) {
        CString strList = SortedChoices(style);
        CClientDC dc(GetGridWindow());
        CFont* pOldFont = SelectStyleFont(&dc, style, nullptr);
        BOOL bFirst = TRUE;
        CString strLine;
        while (!strList.IsEmpty()) {
            CutFirstLine(strList, strLine);
            CGETabbedComboBox::MeasureColumnWidths(&dc, strLine, maxColumns, anMeasured);
            const CString strItem = CGETabbedComboBox::ListItemOf(strLine, m_nTextCol);
            if (bFirst && m_bDisplayTitles) {
                m_pHeader->SetTitle(strItem);
            } else {
                m_strPendingItem = strItem;
                AddString(strItem);
            }
            bFirst = FALSE;
        }
        m_strPendingItem.Empty();
        if (pOldFont != nullptr)
            dc.SelectObject(pOldFont);
    }
    const std::vector<int> widths =
        CGETabbedComboBox::ColumnWidths(anMeasured, m_strColWidths, m_bShowAllCols, m_nTextCol);
    int nEdge = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        m_nTotalListWidth += widths[i];
        nEdge += widths[i];
        if (i + 1 < widths.size())
            m_anColEdges.push_back(nEdge);
    }
    m_nColCount = std::max(0, static_cast<int>(widths.size()) - 1);
    m_nTotalListWidth += ::GetSystemMetrics(SM_CXVSCROLL);
}

void CGETabbedComboBoxWnd::CalcSize(CSize& size, CDC* pDC, ROWCOL, ROWCOL, const CGEStyle& style,
                                    const CGEStyle* pStandardStyle, BOOL) {
    const int nTextCol = std::atoi(style.HasUserAttribute(GE_IDS_UA_TABLIST_TEXTCOL)
                                       ? style.GetUserAttribute(GE_IDS_UA_TABLIST_TEXTCOL).GetValueText()
                                       : CString("0"));
    const BOOL bTitles = style.HasUserAttribute(GE_IDS_UA_TABLIST_TITLES) &&
                         std::atoi(style.GetUserAttribute(GE_IDS_UA_TABLIST_TITLES).GetValueText()) != 0;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    CSize result(0, tm.tmHeight + tm.tmExternalLeading + 1);
    if (m_bFillFromChoiceList && style.GetIncludeChoiceList()) {
        CString strList = style.GetChoiceList();
        CString strLine;
        if (bTitles)
            CutFirstLine(strList, strLine);
        while (!strList.IsEmpty()) {
            CutFirstLine(strList, strLine);
            const CSize field = FieldSize(pDC, CopyTabField(strLine, nTextCol));
            result.cx = std::max(result.cx, field.cx);
            result.cy = std::max(result.cy, field.cy);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    size = AddTextMarginsToSize(pDC, result, style);
}

// ---- drawing ----

void CGETabbedComboBoxWnd::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                                const CGEStyle* pStandardStyle) {
    const BOOL bActivePath =
        IsBoundToCellAt(nRow, nCol) && m_bActive && !m_pGrid->IsPrinting() && HasWindow();
    if (bActivePath && m_bSkipNextDraw) {
        m_bSkipNextDraw = FALSE;
        return;
    }
    if (bActivePath) {
        m_clrListBack =
            style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
        m_clrListText = style.GetTextColor();
        CGEProperties* pProps = m_pGrid->GetProperties();
        if (pProps != nullptr && pProps->m_bPrinting && pProps->m_bBlackWhite) {
            m_clrListBack = RGB(255, 255, 255);
            m_clrListText = RGB(0, 0, 0);
        }
        DrawActive(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    CString strText;
    const CGEDIB* pDIB =
        GetControlText(strText, nRow, nCol, nullptr, style) ? GEGetDIBPool()->Lookup(strText) : nullptr;
    if (pDIB == nullptr) {
        CGEStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    // A text that names a picture shows the picture.
    DrawCellBackground(pDC, rect, style, FALSE);
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    const UINT nAlign = CGEDIB::AlignFromFormat(CGEDrawingAndFormatting::AlignmentFormat(style));
    pDIB->Draw(pDC, rectText, nAlign);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

int CGETabbedComboBoxWnd::ListHeight(int nTextHeight, int nShownItems) const {
    return 3 + (nTextHeight + 2) * nShownItems;
}

void CGETabbedComboBoxWnd::AdjustActiveRect(CRect& rect) {
    CGEProperties* pProps = m_pGrid->GetProperties();
    if (pProps == nullptr)
        return;
    // The window covers the grid line above and left of the cell when the grid draws one there.
    if (pProps->GetDisplayHorzLines())
        rect.top -= 1;
    if (pProps->GetDisplayVertLines())
        rect.left -= 1;
}

void CGETabbedComboBoxWnd::OnWindowPlaced() {
    m_clrBack = m_clrListBack;
    EnableEditing(IsCellReadOnly());
}

// ---- the list's rows ----

void CGETabbedComboBoxWnd::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
    if (lpMIS->itemID == static_cast<UINT>(-1))
        return;
    CString strItem;
    if (HasWindow() && GetLBTextLen(static_cast<int>(lpMIS->itemID)) >= 1)
        GetLBText(static_cast<int>(lpMIS->itemID), strItem);
    else
        strItem = m_strPendingItem;
    if (strItem.IsEmpty())
        return;
    int nHeight = m_nFontHeight > 0 ? m_nFontHeight + 2 : static_cast<int>(lpMIS->itemHeight);
    CGETabbedComboBox::MeasureTabbedRow(strItem, nHeight, !m_bShowAllCols, m_nTextCol, m_nColCount);
    lpMIS->itemHeight = static_cast<UINT>(std::max(nHeight, 1));
}

void CGETabbedComboBoxWnd::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    if (lpDIS->itemID == static_cast<UINT>(-1))
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const COLORREF clrBack = bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : m_clrListBack;
    const COLORREF clrText = bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : m_clrListText;
    const CRect rect(lpDIS->rcItem);
    if ((lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0) {
        CString strItem;
        GetLBText(static_cast<int>(lpDIS->itemID), strItem);
        const BOOL bFirstOnly = !m_bShowAllCols || (lpDIS->itemState & ODS_COMBOBOXEDIT) != 0;
        CGETabbedComboBox::DrawTabbedRow(pDC, rect, strItem, bFirstOnly, m_nTextCol, m_nColCount,
                                         m_anColEdges.data(), m_clrColumnLine, clrBack, clrText);
    }
    if ((lpDIS->itemAction & ODA_FOCUS) != 0)
        pDC->DrawFocusRect(&rect);
}

// ---- placing the open list and its header ----

void CGETabbedComboBoxWnd::PlaceHeader(CRect& rectList, const CRect& rectCombo) {
    if (m_pHeader->GetSafeHwnd() == nullptr && !m_pHeader->CreateHeader())
        return;
    int nHeight = m_nFontHeight;
    CGETabbedComboBox::MeasureTabbedRow(m_pHeader->GetTitle(), nHeight, !m_bShowAllCols, m_nTextCol,
                                        m_nColCount);
    nHeight += 4;
    m_pHeader->SetLayout(m_bShowAllCols, m_nTextCol, m_nColCount, m_anColEdges);
    m_pHeader->SetFont(GetFont(), FALSE);
    CRect rectHeader(rectList.left, 0, rectList.right, 0);
    if (rectList.top >= rectCombo.bottom - 1) {
        // Opening below: the header takes the list's top and the list moves down.
        rectHeader.top = rectList.top;
        rectHeader.bottom = rectList.top + nHeight;
        rectList.OffsetRect(0, nHeight);
    } else {
        rectHeader.bottom = rectList.top;
        rectHeader.top = rectList.top - nHeight;
    }
    m_pHeader->SetWindowPos(&CWnd::wndTopMost, rectHeader.left, rectHeader.top, rectHeader.Width(),
                            rectHeader.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_pHeader->Invalidate();
}

HBRUSH CGETabbedComboBoxWnd::OnGridCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor) {
    if (!m_bActive || !HasWindow() || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    if (nCtlColor == CTLCOLOR_EDIT) {
        if (!GetDroppedState() && m_pHeader->GetSafeHwnd() != nullptr && m_pHeader->IsWindowVisible())
            m_pHeader->ShowWindow(SW_HIDE);
        return nullptr;
    }
    if (nCtlColor != CTLCOLOR_LISTBOX || s_bPlacingList)
        return nullptr;
    char szClass[24] = {};
    ::GetClassNameA(pWnd->GetSafeHwnd(), szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, "ComboLBox") != 0)
        return nullptr;
    s_bPlacingList = TRUE;
    CRect rectList;
    pWnd->GetWindowRect(&rectList);
    CRect rectCombo;
    GetWindowRect(&rectCombo);
    CRect client;
    GetClientRect(&client);
    rectList.right = rectList.left + std::max<int>(client.Width(), m_nTotalListWidth);
    CRect desktop;
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    if (rectList.right > desktop.right)
        rectList.OffsetRect(-((rectList.right - rectCombo.right) - rectList.left + rectCombo.left), 0);
    if (m_bDisplayTitles && (m_pHeader->GetSafeHwnd() == nullptr || !m_pHeader->IsWindowVisible()))
        PlaceHeader(rectList, rectCombo);
    rectList.IntersectRect(&rectList, &desktop);
    if (rectList != m_rectLastList) {
        m_rectLastList = rectList;
        pWnd->MoveWindow(&rectList, TRUE);
    }
    if (m_pHeader->GetSafeHwnd() != nullptr)
        m_pHeader->UpdateWindow();
    s_bPlacingList = FALSE;
    return nullptr;
}
