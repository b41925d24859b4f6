// CGEVScrollEdit: the edit control with a vertical scroll bar (id 52521 "Edit Control, Scrollbar"): a
// wrapping cell's window always gets WS_VSCROLL, and the text keeps clear of the bar.
#pragma once

#include "grid/controls/edit/CGEEditControl.h"

class CGEVScrollEdit : public CGEEditControl {
    DECLARE_DYNAMIC(CGEVScrollEdit)
public:
    static const CGEControlClass controlClass; // "CGEVScrollEdit"

    CGEVScrollEdit(CGEGridCore* pGrid, UINT nID) : CGEEditControl(pGrid, nID) {}

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    BOOL CanFloatCell(ROWCOL, ROWCOL, const CGEStyle&, BOOL) override { return FALSE; }
    // The static rectangle, narrower by the scroll bar's width when the style asks for the bar.
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    DWORD CalcEditStyle(CRect* pRect, int* pLineHeight) override;
};
