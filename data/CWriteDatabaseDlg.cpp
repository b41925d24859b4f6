#include "data/CWriteDatabaseDlg.h"

#include "resource.h"

namespace {

constexpr UINT_PTR startTimer = 1;
constexpr UINT startDelay = 500; // ms: lets the window appear before the copy holds the thread

// Posts the end of the copy to the window however the copy returns, so that "Close" is never left
// disabled.
class CopyDoneNotice {
public:
    explicit CopyDoneNotice(HWND hWnd) : m_hWnd(hWnd) {}
    ~CopyDoneNotice() { ::PostMessageA(m_hWnd, CWriteDatabaseDlg::copyDatabaseMessage, 0, 0); }
    CopyDoneNotice(const CopyDoneNotice&) = delete;
    CopyDoneNotice& operator=(const CopyDoneNotice&) = delete;

private:
    HWND m_hWnd;
};

} // namespace

const UINT CWriteDatabaseDlg::copyDatabaseMessage = ::RegisterWindowMessageA("ACX_CopyDatabase");

BEGIN_MESSAGE_MAP(CWriteDatabaseDlg, CDialog)
ON_WM_TIMER()
ON_REGISTERED_MESSAGE(CWriteDatabaseDlg::copyDatabaseMessage, OnCopyDatabase)
END_MESSAGE_MAP()

CWriteDatabaseDlg::CWriteDatabaseDlg(ILogDatabaseCopy& document, bool copyLog, bool deleteFirst,
                                     CWnd* pParentWnd)
    : CDialog(IDD_WRITE_DATABASE, pParentWnd), m_document(document), m_copyLog(copyLog),
      m_deleteFirst(deleteFirst) {}

BOOL CWriteDatabaseDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_status.SubclassDlgItem(IDC_WRITE_STATUS, this);
    m_progress.SubclassDlgItem(IDC_WRITE_PROGRESS, this);
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    SetTimer(startTimer, startDelay, nullptr);
    return TRUE;
}

void CWriteDatabaseDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != startTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(startTimer);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RunCopy();
}

void CWriteDatabaseDlg::RunCopy() {
    CopyDoneNotice notice(m_hWnd);
    if (m_copyLog)
        m_document.CopyLogToDatabase(this, &m_status, &m_progress, m_deleteFirst);
    else
        m_document.CopyTasksToDatabase(this, &m_status, &m_progress);
}

LRESULT CWriteDatabaseDlg::OnCopyDatabase(WPARAM, LPARAM) {
    m_finished = true;
    CWnd* close = GetDlgItem(IDOK);
    close->EnableWindow(TRUE);
    GotoDlgCtrl(close);
    return 0;
}

void CWriteDatabaseDlg::OnOK() {
    if (m_finished)
        CDialog::OnOK();
}

void CWriteDatabaseDlg::OnCancel() {
    if (m_finished)
        CDialog::OnCancel();
}
