// CGEBDTButtonGadget: the docked drop-down button of the date-time editor; a completed click asks the
// owner to open the pop-up calendar.
#pragma once

#include "framework/win/CBitmap.h"
#include "grid/controls/datetime/CGEBDTGadget.h"

constexpr DWORD GEB_BUTTON_TRACKING = 1;
constexpr DWORD GEB_BUTTON_PRESSED = 2;

class CGEBDTButtonGadget : public CGEBDTGadget {
    DECLARE_DYNAMIC(CGEBDTButtonGadget)

public:
    // FALSE when the bitmap cannot be loaded.
    BOOL Initialise(CGEBDateTimeCtrl* pOwner, UINT nBitmapId, int nId = GEB_DTF_BUTTON);

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, int x, int y) override;
    void OnLButtonUp(UINT nFlags, int x, int y) override;
    void OnMouseMove(UINT nFlags, int x, int y) override;
    void OnCancelMode() override;
    // Loads the bitmap again with the new colours.
    void OnSysColorChange() override;

    DWORD GetState() const { return m_dwState; }
    // Draws a button face with a bitmap centred on it (shared with the date-time cell's drawing).
    static void DrawButton(CDC* pDC, const RECT& rect, CBitmap& bitmap, BOOL bPressed);

private:
    BOOL Contains(int x, int y) const;

    DWORD m_dwState = 0;
    CBitmap m_bitmap;
    UINT m_nBitmapId = 0;
};
