#include "grid/controls/CGEHotSpotButton.h"

void CGEHotSpotButton::Draw(CDC* pDC, BOOL bFocus) {
    const BOOL bPushed = IsPushed(bFocus);
    DrawFace(pDC, m_rect, bPushed);
    if (m_rect.Height() < 12)
        return;
    static const int kArrow[][4] = {{3, 3, 6, 2}, {6, 4, 3, 3}, {4, 7, 7, 1},
                                    {5, 8, 5, 1}, {6, 9, 3, 1}, {7, 10, 1, 1}};
    const int nShift = bPushed ? 1 : 0;
    for (const auto& part : kArrow)
        FillGlyph(pDC, part[0] + nShift, part[1] + nShift, part[2], part[3]);
}
