#include "views/CSortHeader.h"

#include "framework/win/CDC.h"
#include "framework/win/CPen.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

const CGEControlClass CSortHeader::controlClass = {"CSortHeader", &CGEHeader::controlClass};

namespace {
// The title's end to the triangle, and the triangle's height.
constexpr int kArrowGap = 12;
constexpr int kArrowHeight = 7;
} // namespace

CSortHeader::CSortHeader(CGEGridCore* pGrid) : CGEHeader(pGrid) {}

CSortHeader::ArrowPlace CSortHeader::PlaceArrow(const CRect& rect, int textWidth) {
    const int top = rect.top + (rect.Height() - kArrowHeight) / 2;
    return {rect.left + textWidth + kArrowGap, top, top + kArrowHeight - 1};
}

void CSortHeader::DrawArrow(CDC* pDC, const ArrowPlace& place, BOOL bAscending) {
    CPen highlight;
    CPen shadow;
    highlight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    shadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    const int x = place.x;
    CPen* pOld = pDC->SelectObject(&highlight);
    if (bAscending) {
        pDC->MoveTo(x + 5, place.top);
        pDC->LineTo(x + 8, place.bottom);
        pDC->LineTo(x, place.bottom);
        pDC->SelectObject(&shadow);
        pDC->MoveTo(x + 4, place.top);
        pDC->LineTo(x, place.bottom);
    } else {
        pDC->MoveTo(x + 5, place.bottom);
        pDC->LineTo(x + 8, place.top);
        pDC->SelectObject(&shadow);
        pDC->MoveTo(x + 4, place.bottom);
        pDC->LineTo(x + 1, place.top);
        pDC->LineTo(x + 9, place.top);
    }
    pDC->SelectObject(pOld);
}

void CSortHeader::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                       const CGEStyle* pStandardStyle) {
    CGEHeader::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    const CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr || nCol == 0 || nCol != pParam->m_nLastSortedCol || m_pGrid->IsPrinting())
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    const int textWidth = pDC->GetTextExtent(style.GetValue()).cx;
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    DrawArrow(pDC, PlaceArrow(rect, textWidth), pParam->m_bLastSortAscending);
}
