#include "data/CDatabaseOfflineDlg.h"

#include "resource.h"

#include <odbcinst.h>

BEGIN_MESSAGE_MAP(CDatabaseOfflineDlg, CDialog)
ON_BN_CLICKED(IDC_ODBC_ADMINISTRATOR, OnOdbcAdministrator)
ON_BN_CLICKED(IDC_DATABASE_OPTIONS, OnDatabaseOptions)
END_MESSAGE_MAP()

CDatabaseOfflineDlg::CDatabaseOfflineDlg(const CString& dataSource, CWnd* pParentWnd)
    : CDialog(IDD_DATABASE_OFFLINE, pParentWnd), m_dataSource(dataSource) {}

BOOL CDatabaseOfflineDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_OFFLINE_DATA_SOURCE, m_dataSource);
    return TRUE;
}

bool CDatabaseOfflineDlg::OpenOdbcAdministrator() {
    return ::SQLManageDataSources(m_hWnd) != FALSE;
}

void CDatabaseOfflineDlg::OnOdbcAdministrator() {
    // Where the administrator cannot be opened, closing would end the program with nothing repaired:
    // the user is told and chooses again.
    if (!OpenOdbcAdministrator()) {
        AfxMessageBox("The ODBC Administrator could not be opened.", MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDCANCEL);
}

void CDatabaseOfflineDlg::OnDatabaseOptions() {
    m_optionsRequested = true;
    EndDialog(IDOK);
}
