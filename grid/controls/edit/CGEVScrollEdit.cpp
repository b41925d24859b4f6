#include "grid/controls/edit/CGEVScrollEdit.h"

#include "grid/core/CGEStyle.h"

IMPLEMENT_DYNAMIC(CGEVScrollEdit, CGEEditControl)

const CGEControlClass CGEVScrollEdit::controlClass = {"CGEVScrollEdit", &CGEEditControl::controlClass};

CRect CGEVScrollEdit::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell,
                                      const CGEStyle* pStyle) {
    CRect rect = CGEStatic::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    if (pStyle != nullptr && pStyle->GetIncludeVerticalScrollbar() && pStyle->GetVerticalScrollbar())
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    return rect;
}

DWORD CGEVScrollEdit::CalcEditStyle(CRect* pRect, int* pLineHeight) {
    SetVertScrollBar(TRUE);
    return CGEEditControl::CalcEditStyle(pRect, pLineHeight);
}
