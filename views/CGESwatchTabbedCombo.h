// CGESwatchTabbedCombo: a tabbed combo box cell that shows a small picture before its text while it has
// a value: a 14 x 14 bitmap whose pure green pixels take the cell's interior colour, vertically centred
// at the cell's left edge and clipped to the cell. The text starts 14 + 8 pixels into the cell.
#pragma once

#include "grid/controls/combo/CGETabbedComboBox.h"

class CGESwatchTabbedCombo : public CGETabbedComboBox {
public:
    static constexpr int kSwatchSize = 14;
    static constexpr int kTextGap = 8;

    CGESwatchTabbedCombo(CGEGridCore* pGrid, UINT nID, UINT nListID, UINT bitmapId);

    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;

    // Where the picture goes in a cell.
    static CRect SwatchRect(const CRect& cell);

private:
    UINT m_bitmapId;
};
