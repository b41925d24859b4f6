// CGEBPopupCalendar: the calendar as a pop-up window that sizes itself to its fonts, places itself next
// to an anchor rectangle on the screen and closes when it loses activation (accepting the focus day, or
// cancelling, as its deactivate mode says).
#pragma once

#include "grid/controls/gadgets/CGEBCalendar.h"

class CGEBPopupCalendar : public CGEBCalendar {
    DECLARE_DYNCREATE(CGEBPopupCalendar)

public:
    CGEBPopupCalendar();
    ~CGEBPopupCalendar() override;

    // Sizes the window from the fonts (measured with the parent's DC), places it below the anchor (above
    // when the screen ends first), left-aligned to it under style bit 0x1 (else right of it), creates it
    // and takes the focus. FALSE when the window cannot be made.
    BOOL CreatePopup(DWORD dwStyle, const RECT& anchor, CWnd* pParentWnd, UINT nID);
    // 1 accepts on deactivation, any other value cancels; returns the previous mode (1 or 2).
    int SetDeactivateMode(int nMode);
    int GetDeactivateMode() const { return m_nDeactivateMode; }
    UINT GetClassStyle() override;

    // Where a pop-up of this size goes next to the anchor on a screen of the given size.
    static CRect PlacePopup(const CSize& size, const RECT& anchor, DWORD dwStyle, const CSize& screen);

protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()

    int m_nDeactivateMode = 1;
};
