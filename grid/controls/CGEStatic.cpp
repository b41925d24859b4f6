#include "grid/controls/CGEStatic.h"

#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

const CGEControlClass CGEStatic::controlClass = {"CGEStatic", &CGEControl::controlClass};

CGEStatic::CGEStatic(CGEGridCore* pGrid) : CGEControl(pGrid) {}

int CGEStatic::TextMargin() {
    return TextMarginFor(::GetSystemMetrics(SM_CXFRAME));
}

CRect CGEStatic::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) {
    const CGEStyle& style = pStyle != nullptr ? *pStyle : m_pGrid->LookupStyleRowCol(nRow, nCol);
    CRect rect = CGEControl::ComputeTextRect(nRow, nCol, pRectCell, &style);
    const int m = TextMargin();
    rect.left += m;
    const BOOL bRight = style.GetIncludeHorizontalAlignment() && style.GetHorizontalAlignment() == DT_RIGHT;
    rect.right -= bRight ? m + 1 : m / 2;
    return rect;
}

CSize CGEStatic::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    size.cx += 2 * TextMargin() + 1;
    return CGEControl::AddTextMarginsToSize(pDC, size, style);
}

void CGEStatic::CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                         const CGEStyle* pStandardStyle, BOOL bVert) {
    size = CSize(0, 0);
    m_pGrid->CalcSize(size, this, pDC, nRow, nCol, style, pStandardStyle, bVert);
}

BOOL CGEStatic::CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood) {
    return m_pGrid->CanFloatText(this, nRow, nCol, style, bFloatOrFlood);
}

void CGEStatic::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                     const CGEStyle* pStandardStyle) {
    CGEDrawingAndFormatting::GetInstance()->DrawStaticCell(this, pDC, rect, nRow, nCol, style,
                                                           pStandardStyle);
}
