// CGEBDropEdit: a stand-alone edit window with a small push button in its own non-client area, at its
// right (or left) edge, so that the text never runs under it. The button shows a bitmap, presses in while
// the mouse holds it, greys itself when the window is disabled, and a completed click (or F4, or Alt+Down)
// calls OnButtonClicked, which a subclass overrides to open its drop-down; here it tells the parent with
// a WM_COMMAND (notification code 0).
#pragma once

#include "framework/win/CBitmap.h"
#include "framework/win/CEdit.h"

class CDC;

class CGEBDropEdit : public CEdit {
    DECLARE_DYNAMIC(CGEBDropEdit)
public:
    // Button flags.
    static constexpr WORD flagPressed = 1;  // drawn sunk
    static constexpr WORD flagTracking = 2; // the mouse is captured by a press
    static constexpr WORD flagRight = 4;    // the button stands at the right edge (clear: left)

    CGEBDropEdit() = default;
    ~CGEBDropEdit() override;

    // TRUE when the point lies on the button; bClientCoords: the point is in this window's client
    // coordinates, else in screen coordinates.
    virtual BOOL HitTestButton(int x, int y, BOOL bClientCoords);
    // A completed click: WM_COMMAND to the parent with this window's id and code 0.
    virtual void OnButtonClicked();
    // The button's face, frames and image in a rectangle.
    virtual void DrawButton(CDC* pDC, RECT rect);

    // Loads the image (its greys, black and white mapped to the button colours); 0 or an image that
    // cannot be loaded leave no button. Always TRUE.
    BOOL SetBitmap(UINT nID);
    BOOL SetBitmap(WORD nID) { return SetBitmap(static_cast<UINT>(nID)); }
    // Invalidates the button (without erasing).
    void InvalidateButton();
    // The embossed look of a disabled image over an area of the DC.
    void DrawDisabledImage(CDC* pDC, int x, int y, int cx, int cy);

    BOOL HasButton() const { return m_bitmap.GetSafeHandle() != nullptr; }
    // In the parent's client coordinates; empty until the frame is laid out with an image.
    CRect GetButtonRect() const;
    WORD GetButtonFlags() const { return m_wFlags; }
    // Before the window exists, to put the button at the left edge.
    void SetButtonFlags(WORD wFlags) { m_wFlags = wFlags; }
    UINT GetBitmapId() const { return m_nBitmapId; }
    // Image width plus the gaps and the two 2-pixel frames.
    int ButtonWidth() const;

protected:
    afx_msg LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseMoveMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLButtonUpMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancelModeMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEnableMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysColorChangeMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKeyDownMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysKeyDownMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The pressed look changed: the button is drawn again at once.
    void RedrawButton();
    // Ends a press: capture released, tracking and the pressed look cleared.
    void EndTracking();
    // The button painted into the window's frame (off-screen first when possible).
    void PaintButton();

    CRect m_rectButtonInWnd; // the button in window coordinates (the frame's layout)
    CBitmap m_bitmap;
    UINT m_nBitmapId = 0;
    WORD m_wFlags = flagRight;
    WORD m_nLeftGap = 1;
    WORD m_nRightGap = 1;
};
