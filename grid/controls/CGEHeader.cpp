#include "grid/controls/CGEHeader.h"

#include "framework/win/CDC.h"
#include "grid/GridResource.h"
#include "grid/controls/CGEDIBPool.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELinePen.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <cctype>
#include <cstdlib>

const CGEControlClass CGEHeader::controlClass = {"CGEHeader", &CGEStatic::controlClass};

CGEHeader::CGEHeader(CGEGridCore* pGrid) : CGEStatic(pGrid) {}

void CGEHeader::DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGEStyle&) {
    CRect focus(rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom - 2);
    if (!focus.IsRectEmpty())
        pDC->DrawFocusRect(&focus);
}

int CGEHeader::EllipsisType(const CGEStyle& style) {
    if (!style.HasUserAttribute(GE_IDS_UA_ELLIPSISTYPE))
        return -1;
    const CString strValue = style.GetUserAttribute(GE_IDS_UA_ELLIPSISTYPE).GetValueText();
    if (!strValue.IsEmpty() && std::isdigit(static_cast<unsigned char>(strValue[0])))
        return std::atoi(strValue);
    CString strChoices;
    strChoices.LoadString(GE_IDS_CHOICES_ELLIPSIS);
    CString strLine;
    const int nIndex = FindChoiceListEntry(strValue, 0, strChoices, FALSE, strLine, TRUE);
    return nIndex < 0 ? 0 : nIndex;
}

void CGEHeader::DrawHeaderFrame(CDC* pDC, const CRect& rect, const CGEStyle& style, BOOL bMarked) {
    CGEProperties* pProps = m_pGrid->GetProperties();
    if (style.GetIncludeDraw3dFrame() || pProps == nullptr || !pProps->m_b3dHeaders)
        return;
    // The face fills the cell up to its grid lines (the last pixel column and row).
    const CRect inner(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    if (m_pGrid->IsPrinting()) {
        const CGELinePen pen(PS_SOLID, 1, RGB(0, 0, 0));
        m_pGrid->DrawBorder(pDC, rect, pen, 3);
        m_pGrid->DrawBorder(pDC, rect, pen, 1);
    } else if (!bMarked) {
        CGEDrawingAndFormatting::GetInstance()->Draw3dFrame(pDC, inner.left, inner.top, inner.right - 1,
                                                            inner.bottom - 1, 1,
                                                            ::GetSysColor(COLOR_3DHILIGHT), RGB(0, 0, 0));
    } else {
        pDC->FillSolidRect(inner.left, inner.top, inner.Width(), 1, RGB(0, 0, 0));
        pDC->FillSolidRect(inner.left, inner.top, 1, inner.Height(), RGB(0, 0, 0));
    }
}

void CGEHeader::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                     const CGEStyle* pStandardStyle) {
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    const COLORREF clrText =
        style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_BTNTEXT);
    const BOOL bMarked = IsHeaderMarked(nRow, nCol, 0);
    DrawCellBackground(pDC, rect, style, FALSE);
    DrawHeaderFrame(pDC, rect, style, bMarked);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const UINT nAlign = CGEDrawingAndFormatting::AlignmentFormat(style);
    CString strText;
    GetControlText(strText, nRow, nCol, nullptr, style);
    CGEDrawingAndFormatting* pDraw = CGEDrawingAndFormatting::GetInstance();
    if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strText)) {
        pDIB->Draw(pDC, rectText, CGEDIB::AlignFromFormat(nAlign));
    } else if (!strText.IsEmpty()) {
        const int nOrientation = style.GetIncludeFont() ? style.GetFont().GetOrientation() : 0;
        const int nEllipsis = EllipsisType(style);
        if (nOrientation != 0) {
            pDraw->DrawRotatedText(pDC, strText, rectText, nAlign, nOrientation);
        } else if (nEllipsis >= 0) {
            pDraw->DrawEllipsisText(pDC, strText, rectText, nAlign, nEllipsis);
        } else {
            CRect rectDraw = rectText;
            pDC->DrawText(strText, &rectDraw, nAlign | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
