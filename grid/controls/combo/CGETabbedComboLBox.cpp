#include "grid/controls/combo/CGETabbedComboLBox.h"

#include "framework/win/CDC.h"
#include "grid/controls/combo/CGETabbedComboBox.h"

CGETabbedComboLBox::CGETabbedComboLBox(CGETabbedComboBox* pOwner)
    : CGEComboListBox(pOwner), m_pCombo(pOwner) {}

void CGETabbedComboLBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const COLORREF clrBack = bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : m_pCombo->GetListInteriorColor();
    const COLORREF clrText = bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : m_pCombo->GetListTextColor();
    if ((lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0) {
        CString strItem;
        GetText(static_cast<int>(lpDrawItemStruct->itemID), strItem);
        const std::vector<int>& boundaries = m_pCombo->GetColumnBoundaries();
        CGETabbedComboBox::DrawTabbedRow(
            pDC, rect, strItem, !m_pCombo->IsShowAllColumns(), m_pCombo->GetTextColumn(),
            std::min<int>(m_pCombo->GetColumnCount(), static_cast<int>(boundaries.size())), boundaries.data(),
            m_pCombo->GetSeparatorColor(), clrBack, clrText);
    }
    if ((lpDrawItemStruct->itemAction & ODA_FOCUS) != 0)
        pDC->DrawFocusRect(&rect);
}

void CGETabbedComboLBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    int nHeight = m_pCombo->GetRowHeight();
    CString strItem;
    if (static_cast<int>(lpMeasureItemStruct->itemID) >= 0 && lpMeasureItemStruct->itemData != 0)
        strItem = reinterpret_cast<LPCSTR>(lpMeasureItemStruct->itemData);
    CGETabbedComboBox::MeasureTabbedRow(strItem, nHeight, !m_pCombo->IsShowAllColumns(),
                                        m_pCombo->GetTextColumn(), m_pCombo->GetColumnCount());
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(std::max(nHeight, 1));
}
