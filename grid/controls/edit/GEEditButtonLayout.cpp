#include "grid/controls/edit/GEEditButtonLayout.h"

#include "grid/controls/CGEStatic.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

CRect GECellRectOfText(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CRect& rectText,
                       int nButtonSpace) {
    // The inverse of CGEStatic::ComputeTextRect: m in from the left; from the right m + 1 when
    // right-aligned, else m / 2.
    const CGEStyle& style = pGrid->LookupStyleRowCol(nRow, nCol);
    const int m = CGEStatic::TextMargin();
    const BOOL bRight = style.GetIncludeHorizontalAlignment() && style.GetHorizontalAlignment() == DT_RIGHT;
    return CRect(rectText.left - m, rectText.top, rectText.right + nButtonSpace + (bRight ? m + 1 : m / 2),
                 rectText.bottom);
}
