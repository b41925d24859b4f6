// CGEBitmapBtnTabbedCombo: the tabbed combo whose list drops 700 pixels, with an extra bitmap button
// before its drop arrow: 14 x 14, from the cell's right - 14 - 18 to right - 17, vertically centred; the
// text leaves room for it and 4 pixels. The button (CParentPostButton, CFileOpenButton) is made by a
// factory with one parameter; its completed click sets the grid's active flag and lets it act.
#pragma once

#include "views/CGETabbedIntegralHeightCombo.h"
#include "views/CTransBitmapButton.h"

class CGEBitmapBtnTabbedCombo : public CGETabbedIntegralHeightCombo {
public:
    static constexpr int kButtonSize = 14;
    static constexpr int kArrowRoom = 17; // the drop arrow's part of the cell at its right
    static constexpr int kGap = 4;

    CGEBitmapBtnTabbedCombo(CGEGridCore* pGrid, UINT nID, UINT nListID, const CellButtonFactory& factory,
                            UINT param);

    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) override;
    void OnChildButtonClicked(CGEChild* pChild) override;

    CTransBitmapButton* GetButton() const { return m_pButton; }
    // The extra button's rectangle in a cell.
    static CRect ButtonRect(const CRect& cell);

private:
    CTransBitmapButton* m_pButton = nullptr; // owned by the control's children
    CRect m_cell;
};
