#include "grid/controls/CGEDrawingAndFormatting.h"

#include "framework/win/CDC.h"
#include "grid/core/CGEAbstractDrawRotatedTextImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

CGEDrawingAndFormatting* g_pInstance = nullptr;

int LengthOf(LPCSTR pszText, int nCount) {
    return nCount >= 0 ? nCount : static_cast<int>(std::strlen(pszText));
}

// The height of a wrapped text laid out in the rectangle's width.
int WrappedHeight(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect, UINT nFormat) {
    CRect calc(rect.left, rect.top, rect.right, rect.top);
    pDC->DrawText(pszText, nCount, &calc, (nFormat & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    return calc.Height();
}

// Moves a wrapped text's rectangle down by its vertical alignment (DrawText centres only single lines).
CRect AlignWrapped(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect, UINT nFormat) {
    CRect result = rect;
    if ((nFormat & DT_SINGLELINE) != 0 || (nFormat & (DT_VCENTER | DT_BOTTOM)) == 0)
        return result;
    const int nSlack = rect.Height() - WrappedHeight(pDC, pszText, nCount, rect, nFormat);
    if (nSlack > 0)
        result.top += (nFormat & DT_BOTTOM) != 0 ? nSlack : nSlack / 2;
    return result;
}

} // namespace

CGEDrawingAndFormatting* CGEDrawingAndFormatting::GetInstance() {
    static CGEDrawingAndFormatting standard;
    return g_pInstance != nullptr ? g_pInstance : &standard;
}

void CGEDrawingAndFormatting::SetInstance(CGEDrawingAndFormatting* pInstance) {
    g_pInstance = pInstance;
}

UINT CGEDrawingAndFormatting::AlignmentFormat(const CGEStyle& style) {
    UINT nFormat = 0;
    if (style.GetIncludeHorizontalAlignment())
        nFormat |= style.GetHorizontalAlignment();
    if (style.GetIncludeVerticalAlignment())
        nFormat |= style.GetVerticalAlignment();
    return nFormat;
}

int CGEDrawingAndFormatting::DrawText(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect, UINT nFormat) {
    CRect rectText = AlignWrapped(pDC, pszText, nCount, rect, nFormat);
    return pDC->DrawText(pszText, nCount, &rectText, nFormat);
}

void CGEDrawingAndFormatting::DrawStaticCell(CGEControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow,
                                             ROWCOL nCol, const CGEStyle& style,
                                             const CGEStyle* pStandardStyle) {
    CGEGridCore* pGrid = pControl->GetGridCore();
    pControl->DrawCellBackground(pDC, rect, style, FALSE);
    CString strText;
    pControl->GetControlText(strText, nRow, nCol, nullptr, style);
    if (!strText.IsEmpty()) {
        const CRect rectText = pControl->ComputeTextRect(nRow, nCol, &rect, &style);
        CFont* pOldFont = pControl->SelectStyleFont(pDC, style, pStandardStyle);
        CGEProperties* pProps = pGrid->GetProperties();
        const BOOL bBlackWhite = pGrid->IsPrinting() && pProps != nullptr && pProps->m_bBlackWhite;
        COLORREF clrText =
            style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT);
        if (bBlackWhite)
            clrText = RGB(0, 0, 0);
        const COLORREF clrOld = pDC->SetTextColor(clrText);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const BOOL bWrap = style.GetIncludeWrapText() && style.GetWrapText();
        const UINT nFormat = AlignmentFormat(style) | DT_NOPREFIX | (bWrap ? DT_WORDBREAK : DT_SINGLELINE);
        DrawText(pDC, strText, strText.GetLength(), rectText, nFormat);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
    }
    pControl->CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGEDrawingAndFormatting::DrawButtonText(CDC* pDC, const CRect& rect, LPCSTR pszText, BOOL bFocus,
                                             UINT nFormat) {
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT nDraw = nFormat | DT_NOPREFIX;
    const CRect rectText = AlignWrapped(pDC, pszText, -1, rect, nDraw);
    if (pszText != nullptr && *pszText != '\0') {
        CRect rectDraw = rectText;
        pDC->DrawText(pszText, -1, &rectDraw, nDraw);
    }
    if (bFocus) {
        CRect rectFocus = rectText;
        if (pszText != nullptr && *pszText != '\0') {
            CRect calc(rect.left, rect.top, rect.right, rect.top);
            pDC->DrawText(pszText, -1, &calc, (nDraw & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
            const int x = rect.left + std::max(0, (rect.Width() - calc.Width()) / 2);
            const int y = rect.top + std::max(0, (rect.Height() - calc.Height()) / 2);
            rectFocus = CRect(x - 1, y, x + calc.Width() + 1, y + calc.Height());
        } else {
            rectFocus.DeflateRect(2, 2);
        }
        rectFocus.IntersectRect(&rectFocus, &rect);
        pDC->DrawFocusRect(&rectFocus);
    }
    pDC->SetBkMode(nOldMode);
}

void CGEDrawingAndFormatting::Draw3dFrame(CDC* pDC, int left, int top, int right, int bottom, int nWidth,
                                          COLORREF clrTopLeft, COLORREF clrBottomRight) {
    const int cx = right - left;
    const int cy = bottom - top;
    if (cx <= 0 || cy <= 0 || nWidth <= 0)
        return;
    pDC->FillSolidRect(left, top, cx, nWidth, clrTopLeft);
    pDC->FillSolidRect(left, top, nWidth, cy, clrTopLeft);
    pDC->FillSolidRect(left, bottom - nWidth, cx, nWidth, clrBottomRight);
    pDC->FillSolidRect(right - nWidth, top, nWidth, cy, clrBottomRight);
}

int CGEDrawingAndFormatting::LayoutWrappedLines(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect, UINT,
                                                std::vector<int>& starts, std::vector<int>& lengths,
                                                int nMaxLines) {
    starts.clear();
    lengths.clear();
    const int nLength = LengthOf(pszText, nCount);
    const int cxMax = std::max(1, rect.Width());
    int nPos = 0;
    while (nPos <= nLength && static_cast<int>(starts.size()) < nMaxLines) {
        // One paragraph up to the next explicit break.
        int nEnd = nPos;
        while (nEnd < nLength && pszText[nEnd] != '\r' && pszText[nEnd] != '\n')
            ++nEnd;
        int nLineStart = nPos;
        do {
            // The longest run of whole words from nLineStart that fits the width (at least one word).
            int nFit = nLineStart;
            int nScan = nLineStart;
            while (nScan < nEnd) {
                int nWordEnd = nScan;
                while (nWordEnd < nEnd && pszText[nWordEnd] == ' ')
                    ++nWordEnd;
                while (nWordEnd < nEnd && pszText[nWordEnd] != ' ')
                    ++nWordEnd;
                const CSize size = pDC->GetTextExtent(pszText + nLineStart, nWordEnd - nLineStart);
                if (size.cx > cxMax && nFit > nLineStart)
                    break;
                nFit = nWordEnd;
                nScan = nWordEnd;
                if (size.cx > cxMax)
                    break;
            }
            starts.push_back(nLineStart);
            lengths.push_back(nFit - nLineStart);
            nLineStart = nFit;
            while (nLineStart < nEnd && pszText[nLineStart] == ' ')
                ++nLineStart;
        } while (nLineStart < nEnd && static_cast<int>(starts.size()) < nMaxLines);
        if (nEnd >= nLength)
            break;
        nPos = nEnd + (pszText[nEnd] == '\r' && nEnd + 1 < nLength && pszText[nEnd + 1] == '\n' ? 2 : 1);
    }
    return static_cast<int>(starts.size());
}

int CGEDrawingAndFormatting::GetCharIndexAtPoint(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect,
                                                 UINT nFormat, CPoint point) {
    const int nLength = LengthOf(pszText, nCount);
    if (nLength == 0)
        return -1;
    std::vector<int> starts;
    std::vector<int> lengths;
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    const int cyLine = std::max(1, static_cast<int>(tm.tmHeight + tm.tmExternalLeading));
    if ((nFormat & DT_SINGLELINE) != 0) {
        starts.push_back(0);
        lengths.push_back(nLength);
    } else {
        LayoutWrappedLines(pDC, pszText, nLength, rect, nFormat, starts, lengths, 4096);
    }
    const int cyText = cyLine * static_cast<int>(starts.size());
    int yTop = rect.top;
    if ((nFormat & DT_BOTTOM) != 0)
        yTop = rect.bottom - cyText;
    else if ((nFormat & DT_VCENTER) != 0)
        yTop = rect.top + (rect.Height() - cyText) / 2;
    if (point.y < yTop || point.y >= yTop + cyText)
        return -1;
    const size_t nLine = static_cast<size_t>((point.y - yTop) / cyLine);
    const LPCSTR pszLine = pszText + starts[nLine];
    const int nLineLength = lengths[nLine];
    const int cxLine = pDC->GetTextExtent(pszLine, nLineLength).cx;
    int xLeft = rect.left;
    if ((nFormat & DT_RIGHT) != 0)
        xLeft = rect.right - cxLine;
    else if ((nFormat & DT_CENTER) != 0)
        xLeft = rect.left + (rect.Width() - cxLine) / 2;
    if (point.x < xLeft || point.x >= xLeft + cxLine)
        return -1;
    // The first character whose right edge lies past the point.
    for (int i = 1; i <= nLineLength; ++i) {
        if (xLeft + pDC->GetTextExtent(pszLine, i).cx > point.x)
            return starts[nLine] + i - 1;
    }
    return starts[nLine] + nLineLength - 1;
}

void CGEDrawingAndFormatting::DrawEllipsisText(CDC* pDC, LPCSTR pszText, const CRect& rect, UINT nFormat,
                                               int nEllipsisType) {
    CRect rectText = rect;
    const UINT nSingle = (nFormat & ~DT_WORDBREAK) | DT_SINGLELINE | DT_NOPREFIX;
    switch (nEllipsisType) {
    case 1:
        pDC->DrawText(pszText, -1, &rectText, nSingle | DT_END_ELLIPSIS);
        break;
    case 2:
        if (pDC->GetTextExtent(pszText, -1).cx > rect.Width())
            pDC->DrawText("###", -1, &rectText, nSingle);
        else
            pDC->DrawText(pszText, -1, &rectText, nSingle);
        break;
    default:
        pDC->DrawText(pszText, -1, &rectText, nSingle);
        break;
    }
}

void CGEDrawingAndFormatting::DrawRotatedText(CDC* pDC, LPCSTR pszText, const CRect& rect, UINT nFormat,
                                              int nDegrees) {
    // The start point belongs to the rotated-text feature; without it nothing is drawn.
    if (CGEAbstractDrawRotatedTextImp* pImp = GEGetLibraryState()->m_pDrawRotatedTextImp)
        pImp->DrawRotatedText(pDC, pszText, -1, rect, nFormat, CGEFont::DecodeOrientation(nDegrees), nullptr);
}
