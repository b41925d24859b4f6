// CHoverButton: a flat push button drawn from one image of an image strip. It
// lights up (raised frame) while the mouse is over it, shows a sunken frame
// while pressed or latched, and can latch on each completed click. A button
// with window text draws the text beside the image.
#pragma once

#include "framework/win/CBitmap.h"
#include "framework/win/CButton.h"

class CHoverButton : public CButton {
    DECLARE_DYNAMIC(CHoverButton)
public:
    // Where the image sits in a button that also shows its text.
    enum ImagePosition { imageLeft = 0, imageRight = 1, imageTop = 2 };

    CHoverButton();
    ~CHoverButton() override;

    // Creates the button owner-drawn and records its size.
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // Loads the image strip from a bitmap resource (its light grey background
    // shown in the face colour) and draws image imageIndex of it. A width or
    // height of 0 or less takes the bitmap's own. False when the resource is
    // missing.
    bool SetBitmap(UINT resourceId, int imageIndex, int width = 0, int height = 0);
    void SetImageIndex(int imageIndex);
    int GetImageIndex() const { return m_imageIndex; }
    void SetImagePosition(ImagePosition position);

    // The latched (pressed) state; repaints when it changes.
    void SetPressed(bool latched);
    bool IsPressed() const { return m_latched; }
    // With latchOnClick, each completed click toggles the latched state.
    void SetLatchOnClick(bool latchOnClick) { m_latchOnClick = latchOnClick; }
    // True while the mouse is over the button.
    bool IsHot() const { return m_hot; }
    // A face colour of the owner's instead of the system's button face.
    void SetFaceColor(COLORREF color, bool useFaceColor = true);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    // A button from a dialog template becomes owner-drawn and its size is
    // recorded.
    void PreSubclassWindow() override;

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    COLORREF FaceColor() const;
    void LeaveHot();
    void ReloadBitmap();
    void DrawImage(CDC* dc, int x, int y, bool disabled) const;
    void RecordSize();

    int m_imageWidth = 16;
    int m_imageHeight = 16;
    int m_buttonWidth = 24;
    int m_buttonHeight = 24;
    CBitmap m_bitmap;
    UINT m_bitmapId = 0;
    int m_imageIndex = 0;
    ImagePosition m_imagePosition = imageLeft;
    COLORREF m_faceColor = RGB(255, 255, 255);
    bool m_useFaceColor = false;
    bool m_latched = false;
    bool m_hot = false;
    bool m_latchOnClick = false;
};
