#include "views/CGEBitmapBtnTabbedCombo.h"

#include "grid/core/CGEGridCore.h"

#include <algorithm>

CGEBitmapBtnTabbedCombo::CGEBitmapBtnTabbedCombo(CGEGridCore* pGrid, UINT nID, UINT nListID,
                                                 const CellButtonFactory& factory, UINT param)
    : CGETabbedIntegralHeightCombo(pGrid, nID, nListID) {
    if (factory) {
        std::unique_ptr<CTransBitmapButton> button = factory(this, param);
        m_pButton = button.get();
        AppendChild(button.release());
    }
}

CRect CGEBitmapBtnTabbedCombo::ButtonRect(const CRect& cell) {
    const int top = cell.top + std::max(0, (cell.Height() - kButtonSize) / 2);
    return CRect(cell.right - kButtonSize - kArrowRoom - 1, top, cell.right - kArrowRoom, top + kButtonSize);
}

CRect CGEBitmapBtnTabbedCombo::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell,
                                               const CGEStyle* pStyle) {
    CRect rect = CGETabbedIntegralHeightCombo::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    m_cell = pRectCell != nullptr ? *pRectCell : m_pGrid->GetCellRect(nRow, nCol);
    if (m_pButton != nullptr)
        rect.right = std::max<int>(rect.left, rect.right - kButtonSize - kGap);
    return rect;
}

void CGEBitmapBtnTabbedCombo::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) {
    // The drop arrow keeps its place at the right, as if the text reached the extra button.
    CRect forArrow = rectText;
    if (m_pButton != nullptr)
        forArrow.right += kButtonSize + kGap;
    CGETabbedIntegralHeightCombo::LayoutChildren(nRow, nCol, forArrow);
    if (m_pButton != nullptr)
        m_pButton->SetRect(ButtonRect(m_cell));
}

void CGEBitmapBtnTabbedCombo::OnChildButtonClicked(CGEChild* pChild) {
    if (pChild != nullptr && pChild == m_pButton) {
        m_pGrid->m_bActiveFlag = TRUE;
        m_pButton->OnClicked();
        return;
    }
    CGETabbedIntegralHeightCombo::OnChildButtonClicked(pChild);
}
