// CGESpinEdit: the edit control with an up and a down arrow at the right of the cell (id 52519 "Spin
// Edit"). Each arrow click (repeated while held) steps the number in the cell by one, inside the bounds
// of the user attributes 51014 "SpinBound: Min. Value" and 51015 "SpinBound: Max. Value", wrapping from
// one bound to the other when 51016 "SpinBound: Wrap Value" is set; an empty cell starts at 51021
// "SpinEdit: start value".
#pragma once

#include "grid/controls/edit/CGEEditControl.h"

class CGEUpArrowButton;
class CGEDownArrowButton;
class CGEStylesMap;

class CGESpinEdit : public CGEEditControl {
    DECLARE_DYNAMIC(CGESpinEdit)
public:
    static const CGEControlClass controlClass; // "CGESpinEdit"

    // Width the arrows take from the text.
    static constexpr int buttonSpace = 14;

    // The bounds of a spin cell.
    struct Bounds {
        BOOL bWrap = FALSE;
        long nMin = 0;
        long nMax = 0;
        BOOL bHasMin = FALSE;
        BOOL bHasMax = FALSE;
        BOOL bHasStart = FALSE;
        long nStart = 0;
    };

    CGESpinEdit(CGEGridCore* pGrid, UINT nID);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    BOOL CanFloatCell(ROWCOL, ROWCOL, const CGEStyle&, BOOL) override { return FALSE; }
    // The edit control's, then the arrows are painted afresh.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    // The arrows share a column 14 pixels wide at the cell's right: up the upper half, down the rest.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) override;
    // Reads the bounds of the cell, then the arrows get the press.
    BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState) override;
    // An arrow's click steps the value.
    void OnChildButtonClicked(CGEChild* pChild) override;

    // Registers the bounds and the start value (edited as spin cells) and the wrap switch (a centred
    // 3-D check box).
    static void AddUserAttributes(CGEStylesMap& stylesMap);

    // ---- arithmetic without a window ----
    static Bounds BoundsOf(const CGEStyle& style);
    // The value after one step up or down from a cell's text. An empty text with a start value gives
    // the start value itself; any other text counts as its leading number (0 when none).
    static long Step(const CString& strText, BOOL bUp, const Bounds& bounds);
    // The arrows' rectangles in a cell's inner rectangle.
    static void ArrowRects(const CRect& rectCell, CRect& rectUp, CRect& rectDown);

    CGEUpArrowButton* GetUpButton() const { return m_pUpButton; }
    CGEDownArrowButton* GetDownButton() const { return m_pDownButton; }
    const Bounds& GetBounds() const { return m_bounds; }

private:
    CGEUpArrowButton* m_pUpButton;     // owned by the child list
    CGEDownArrowButton* m_pDownButton; // owned by the child list
    Bounds m_bounds;
};
