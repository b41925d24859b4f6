// CExitWaitDlg: the modeless "Exit Brindlemark" notice ("Please wait while Brindlemark exits.") shown
// while the program waits for the database to finish before it ends. It repaints itself whenever
// "ACX_UpdateWnd" comes, so that it stays drawn while the program is busy.
#pragma once

#include "framework/win/AfxWin.h"

class CExitWaitDlg : public CDialog {
public:
    CExitWaitDlg() = default;
    // Creates the notice, centres it and shows it.
    BOOL CreateNotice(CWnd* pParentWnd = nullptr);
    int GetRepaintCount() const { return m_repaints; }

protected:
    afx_msg LRESULT OnUpdateWnd(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int m_repaints = 0;
};

// The number of the registered message "ACX_UpdateWnd".
UINT AcxUpdateWndMessage();
