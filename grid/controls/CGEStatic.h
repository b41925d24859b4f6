// CGEStatic: shows a cell's value as read-only text (control id 52513 "Static Text"), and the base of the
// edit control, the header and the other text controls: it fixes the text margins, the size, floating
// and the drawing of a static cell.
#pragma once

#include "grid/core/CGEControl.h"

class CGEStatic : public CGEControl {
public:
    static const CGEControlClass controlClass; // "CGEStatic"

    explicit CGEStatic(CGEGridCore* pGrid);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    // The base rectangle, m pixels in from the left; from the right m + 1 when right-aligned, else m / 2.
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    // Width plus both margins and one pixel, then the grid's border allowance.
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    // The grid's size-calculation feature; (0, 0) without it.
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    // The grid's floating-cells feature; FALSE without it.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;

    // The text margin: half the sizing frame width, at least 2 pixels.
    static int TextMargin();
    static int TextMarginFor(int nFrameWidth) { return nFrameWidth / 2 > 2 ? nFrameWidth / 2 : 2; }
};
