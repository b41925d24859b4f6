// CGECheckListComboLBox: the drop-down list of a check-list combo cell: a check box before every item.
// Space and a click on a box toggle it; a click does not close the list. Enter, Escape, Tab, Alt+Down and
// losing the focus all tell the owner (the combo's edit window) that the checks are chosen.
#pragma once

#include "framework/win/CCheckListBox.h"

class CGECheckListComboLBox : public CCheckListBox {
public:
    explicit CGECheckListComboLBox(CWnd* pOwner) : m_pOwner(pOwner) {}

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    // Sends GECM_LISTCHOSEN to the owner, which may destroy the list meanwhile: nothing of the list is
    // touched afterwards.
    void NotifyChosen();

    BOOL m_bKeyUsed = FALSE;
    CWnd* m_pOwner;
};
