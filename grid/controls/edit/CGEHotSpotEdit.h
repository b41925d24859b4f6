// CGEHotSpotEdit: the edit control with a small hot-spot button at the top right of the cell (id 52518
// "Hotspot Edit"). What a click on the button does is the grid's child-button notification.
#pragma once

#include "grid/controls/edit/CGEEditControl.h"

class CGEHotSpotButton;

class CGEHotSpotEdit : public CGEEditControl {
    DECLARE_DYNAMIC(CGEHotSpotEdit)
public:
    static const CGEControlClass controlClass; // "CGEHotSpotEdit"

    // Width the button takes from the text.
    static constexpr int buttonSpace = 13;

    CGEHotSpotEdit(CGEGridCore* pGrid, UINT nID);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    BOOL CanFloatCell(ROWCOL, ROWCOL, const CGEStyle&, BOOL) override { return FALSE; }
    // The edit control's, then the button is painted afresh.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    // The button: 13 x 13 at the cell's top right, clipped to the cell; one pixel down when the cell is
    // high enough.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) override;

    CGEHotSpotButton* GetButton() const { return m_pButton; }
    // The button's rectangle in a cell's inner rectangle.
    static CRect ButtonRect(const CRect& rectCell);

private:
    CGEHotSpotButton* m_pButton; // owned by the child list
};
