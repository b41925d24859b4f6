// CGEComboListBox: the list of a combo cell's drop-down. It tells its owner (the combo's edit window) what
// the user did with private messages: an item was chosen (Enter, Tab, a click on an item), the choice
// was cancelled (Escape, Alt+Down), the keyboard moved the selection, or the list lost the focus.
#pragma once

#include "framework/win/CListBox.h"

// Messages the list sends (or posts) to its owner's window; wParam 0.
constexpr UINT GECM_LISTCHOSEN = 0x7AD;
constexpr UINT GECM_LISTCANCEL = 0x7B8; // lParam 1: give the focus back to the edit window
constexpr UINT GECM_LISTSELCHANGE = 0x7C3;
constexpr UINT GECM_LISTFOCUSLOST = 0x7C4;

class CGEComboListBox : public CListBox {
public:
    explicit CGEComboListBox(CWnd* pOwner) : m_pOwner(pOwner) {}

    BOOL IsKeyUsed() const { return m_bKeyUsed; }
    BOOL IsMouseUsed() const { return m_bMouseUsed; }
    // Forgets how the list was used (a kept list shown again).
    void ClearUsage() {
        m_bKeyUsed = FALSE;
        m_bMouseUsed = FALSE;
    }
    // Fills a list's client area with the brush its parent (the pop-up) gives through
    // WM_CTLCOLORLISTBOX; FALSE when the parent gives none.
    static BOOL EraseWithParentBrush(CListBox* pList, CDC* pDC);

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    // Sends a message to the owner; the owner may destroy the list meanwhile, so nothing of the list is
    // touched afterwards.
    void Notify(UINT message, LPARAM lParam = 0);

    BOOL m_bKeyUsed = FALSE;
    BOOL m_bMouseUsed = FALSE;
    CWnd* m_pOwner;
    int m_nLastSel = -1;
    int m_nKeyDownLevel = 0;
};
