// CButton: a push button, check box, radio button or group box; owner-drawn with BS_OWNERDRAW.
#pragma once

#include "framework/win/CWnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;

    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int nCheck);
    // Check state plus BST_PUSHED and BST_FOCUS.
    UINT GetState() const;
    // Shows the button pushed (TRUE) or released.
    void SetState(BOOL bHighlight);
    // The button's type and picture bits of the window style (BS_AUTOCHECKBOX, BS_LEFTTEXT, BS_BITMAP ...).
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);

    // The Set... functions return the picture shown before; the button does not delete pictures.
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HCURSOR SetCursor(HCURSOR hCursor);
    HCURSOR GetCursor();

    // Draws a BS_OWNERDRAW button; reached through the WM_DRAWITEM its parent receives.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
