// "Writing Database": runs the document's copy of the log into the database and shows its progress.
// The copy starts shortly after the window has appeared; "Close" is enabled once it has finished, and
// the window cannot be closed before.
#pragma once

#include "data/ILogDatabaseCopy.h"
#include "framework/win/AfxCmn.h"
#include "framework/win/AfxWin.h"

class CWriteDatabaseDlg : public CDialog {
public:
    // copyLog: the whole log (CopyLogToDatabase with deleteFirst), otherwise the tasks alone.
    CWriteDatabaseDlg(ILogDatabaseCopy& document, bool copyLog, bool deleteFirst, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    bool CopyFinished() const noexcept { return m_finished; }

    // Posted by the window to itself when the copy has returned.
    static const UINT copyDatabaseMessage;

protected:
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnCopyDatabase(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void RunCopy();

    ILogDatabaseCopy& m_document;
    bool m_copyLog;
    bool m_deleteFirst;
    bool m_finished = false;
    CStatic m_status;
    CProgressCtrl m_progress;
};
