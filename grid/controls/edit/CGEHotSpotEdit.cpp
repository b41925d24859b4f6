#include "grid/controls/edit/CGEHotSpotEdit.h"

#include "grid/controls/CGEHotSpotButton.h"
#include "grid/controls/edit/GEEditButtonLayout.h"
#include "grid/core/CGEGridCore.h"

#include <memory>

IMPLEMENT_DYNAMIC(CGEHotSpotEdit, CGEEditControl)

const CGEControlClass CGEHotSpotEdit::controlClass = {"CGEHotSpotEdit", &CGEEditControl::controlClass};

CGEHotSpotEdit::CGEHotSpotEdit(CGEGridCore* pGrid, UINT nID) : CGEEditControl(pGrid, nID) {
    auto pButton = std::make_unique<CGEHotSpotButton>(this);
    m_pButton = pButton.get();
    AppendChild(pButton.release());
}

void CGEHotSpotEdit::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEEditControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

CRect CGEHotSpotEdit::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell,
                                      const CGEStyle* pStyle) {
    CRect rect = CGEStatic::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    rect.right -= buttonSpace;
    return rect;
}

CSize CGEHotSpotEdit::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    size.cx += buttonSpace;
    return CGEStatic::AddTextMarginsToSize(pDC, size, style);
}

CRect CGEHotSpotEdit::ButtonRect(const CRect& rectCell) {
    CRect button(rectCell.right - 14, rectCell.top, rectCell.right - 1, rectCell.top + 13);
    button.IntersectRect(&button, &rectCell);
    if (button.Height() < rectCell.Height() - 1)
        button.OffsetRect(0, 1);
    return button;
}

void CGEHotSpotEdit::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) {
    m_pButton->SetRect(ButtonRect(GECellRectOfText(m_pGrid, nRow, nCol, rectText, buttonSpace)));
}
