#include "views/CGESwatchTabbedCombo.h"

#include "foundation/WindowHelpers.h"
#include "framework/win/CBitmap.h"
#include "framework/win/CDC.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStyleBrush.h"

#include <algorithm>

namespace {
constexpr COLORREF kSwatchKey = RGB(0, 255, 0);
} // namespace

CGESwatchTabbedCombo::CGESwatchTabbedCombo(CGEGridCore* pGrid, UINT nID, UINT nListID, UINT bitmapId)
    : CGETabbedComboBox(pGrid, nID, nListID), m_bitmapId(bitmapId) {}

CRect CGESwatchTabbedCombo::SwatchRect(const CRect& cell) {
    const int top = cell.top + std::max(0, (cell.Height() - kSwatchSize) / 2);
    return CRect(cell.left, top, cell.left + kSwatchSize, top + kSwatchSize);
}

CRect CGESwatchTabbedCombo::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell,
                                            const CGEStyle* pStyle) {
    CRect rect = CGETabbedComboBox::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    const CRect cell = pRectCell != nullptr ? *pRectCell : m_pGrid->GetCellRect(nRow, nCol);
    rect.left = std::min<int>(rect.right, std::max<int>(rect.left, cell.left + kSwatchSize + kTextGap));
    return rect;
}

void CGESwatchTabbedCombo::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                                const CGEStyle* pStandardStyle) {
    CGETabbedComboBox::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (!style.GetIncludeValue() || style.GetValue().IsEmpty())
        return;
    const COLORREF interior =
        style.GetIncludeInterior() ? style.GetInterior().GetColor() : ::GetSysColor(COLOR_WINDOW);
    CBitmap bitmap;
    if (!LoadBitmapReplacingColor(&bitmap, m_bitmapId, interior, kSwatchKey))
        return;
    CRect swatch = SwatchRect(rect);
    swatch.IntersectRect(&swatch, &rect);
    if (swatch.IsRectEmpty())
        return;
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    CBitmap* pOld = memory.SelectObject(&bitmap);
    pDC->BitBlt(swatch.left, swatch.top, swatch.Width(), swatch.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
}
