// CGEButton: a push-button child inside a cell. It tracks the mouse, shows a pressed state and reports a
// completed click (press and release on the button, or the space bar pressed and released) to its owner
// control's OnChildButtonClicked. A release outside the button is no click.
#pragma once

#include "grid/controls/CGEChild.h"

class CGEButton : public CGEChild {
public:
    explicit CGEButton(CGEControl* pOwner);

    // Button face, edge and caption; pushed in while pressed in the focused current cell.
    void Draw(CDC* pDC, BOOL bFocus) override;
    BOOL OnMouseMove(UINT nFlags, CPoint point) override;
    BOOL LButtonDown(UINT nFlags, CPoint point) override;
    BOOL LButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnGridCancelMode() override;

    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsTracking() const { return m_bTracking; }
    void SetRedrawOnChange(BOOL b) { m_bRedrawOnChange = b; }

protected:
    // The pressed state changes (refreshed when redraw-on-change is set).
    void SetPressed(BOOL bPressed);
    // Pushed in: the focus flag is set, the button has the focus and it is pressed.
    BOOL IsPushed(BOOL bFocus) const { return bFocus && HasFocus() && m_bPressed; }
    // The button face in COLOR_BTNFACE with a raised or sunken edge.
    static void DrawFace(CDC* pDC, const CRect& rect, BOOL bPushed);
    // The library's drop-down arrow bitmap centred in the face (shrunk by 2 pixels at the top and the
    // bottom), clipped to it, one pixel right and down when pushed.
    static void DrawDropArrow(CDC* pDC, const CRect& rect, BOOL bPushed);
    // Black rectangles relative to the button's top left corner, clipped to the button.
    void FillGlyph(CDC* pDC, int x, int y, int cx, int cy) const;

    BOOL m_bPressed = FALSE;
    BOOL m_bTracking = FALSE;
    BOOL m_bRedrawOnChange = TRUE;
};
