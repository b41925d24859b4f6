#include "grid/controls/CGEUpArrowButton.h"

#include <algorithm>

void CGEUpArrowButton::Draw(CDC* pDC, BOOL bFocus) {
    const BOOL bPushed = IsPushed(bFocus);
    DrawFace(pDC, m_rect, bPushed);
    const int h = m_rect.Height();
    const int w = m_rect.Width();
    if (h < 5)
        return;
    const BOOL bLarge = h >= 8;
    const int nShift = bPushed ? 1 : 0;
    const int top = std::max(0, (h - (bLarge ? 5 : 3)) / 2) + nShift;
    const int left = std::max(0, (w - (bLarge ? 7 : 5)) / 2) + nShift;
    for (int k = 0; k < (bLarge ? 4 : 3); ++k)
        FillGlyph(pDC, left + 3 - k, top + k, 2 * k + 1, 1);
}
