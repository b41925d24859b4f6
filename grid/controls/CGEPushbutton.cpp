#include "grid/controls/CGEPushbutton.h"

#include "framework/win/CDC.h"
#include "framework/win/CWnd.h"
#include "grid/controls/CGEButton.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

namespace {

CString CaptionOf(const CGEStyle& style) {
    return style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
}

} // namespace

const CGEControlClass CGEPushbutton::controlClass = {"CGEPushbutton", &CGEControl::controlClass};

CGEPushbutton::CGEPushbutton(CGEGridCore* pGrid) : CGEControl(pGrid), m_pButton(new CGEButton(this)) {
    AppendChild(m_pButton);
}

void CGEPushbutton::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGEPushbutton::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
    const CGEStyle& style = m_pGrid->LookupStyleRowCol(nRow, nCol);
    SetActiveChild(m_pButton);
    m_pButton->SetRect(rect);
    m_pButton->SetText(CaptionOf(style));
}

void CGEPushbutton::CalcSize(CSize& size, CDC* pDC, ROWCOL, ROWCOL, const CGEStyle& style,
                             const CGEStyle* pStandardStyle, BOOL) {
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    const CString strCaption = CaptionOf(style);
    CSize text = pDC->GetTextExtent(strCaption, strCaption.GetLength());
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    text.cx += 8;
    text.cy += 4;
    size = AddTextMarginsToSize(pDC, text, style);
}

void CGEPushbutton::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                         const CGEStyle* pStandardStyle) {
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    Draw3dFrame(pDC, rect, style);
    const COLORREF clrOld =
        pDC->SetTextColor(style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_BTNTEXT));
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    pDC->SetTextColor(clrOld);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}
