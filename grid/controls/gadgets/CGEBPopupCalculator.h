// CGEBPopupCalculator: the calculator as a pop-up under an edit field. It places itself below its anchor
// (above when the work area ends first), takes the focus, reports "=" to its owner with GEB_CALC_RESULT
// (Enter, Alt+Down, or "=" under style bit 0x0010) and closes on Escape or when the focus leaves it; with
// the auto-delete flag it frees itself once its window is gone.
#pragma once

#include "grid/controls/gadgets/CGEBCalculator.h"

class CGEBPopupCalculator : public CGEBCalculator {
    DECLARE_DYNAMIC(CGEBPopupCalculator)

public:
    CGEBPopupCalculator() { m_bPopup = TRUE; }

    BOOL CreatePopup(DWORD dwExStyle, DWORD dwStyle, const RECT& anchor, CWnd* pParentWnd,
                     LPVOID lpParam = nullptr);
    BOOL CreatePopup(DWORD dwStyle, const RECT& anchor, CWnd* pParentWnd, LPVOID lpParam = nullptr) {
        return CreatePopup(0, dwStyle, anchor, pParentWnd, lpParam);
    }
    // Sends the display text to the owner (GEB_CALC_RESULT), unless in error state or without an owner.
    void NotifyOwner();
    void SetAutoDelete(BOOL bAutoDelete) { m_bAutoDelete = bAutoDelete; }

    BOOL HandleEvent(UINT nCommand) override;
    UINT GetClassStyle() override;

    // Where a pop-up of this size goes under (or over) the anchor inside the work area.
    static CRect PlacePopup(const CSize& size, const RECT& anchor, const RECT& workArea);

protected:
    void PostNcDestroy() override;
    afx_msg LRESULT OnKillFocusMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnPopupKeyDownMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSysKeyDownMsg(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    // "=", the owner told, the window closed.
    void AcceptAndClose();
    // Destroys the window (and, with auto-delete, this object).
    void Close();

    BOOL m_bAutoDelete = FALSE;
    BOOL m_bClosing = FALSE;
};
