#include "shell/CCloseNoticeDlg.h"

#include "foundation/Registry.h"
#include "resource.h"

CCloseNoticeDlg::CCloseNoticeDlg(CWnd* pParentWnd) : CDialog(IDD_CLOSE_MAIN_NOTICE, pParentWnd) {}

void CCloseNoticeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CLOSE_MAIN_DONT_TELL, m_dontTell);
}

void CCloseNoticeDlg::OnCancel() {
    // Closing the notice any way keeps the check box's choice.
    UpdateData(TRUE);
    CDialog::OnCancel();
}

bool IsCloseNoticeWanted() {
    bool wanted = true;
    if (!RegReadBool(REG_PREFS, "Close main", &wanted))
        wanted = true;
    return wanted;
}

void SetCloseNoticeWanted(bool wanted) {
    RegWriteBool(REG_PREFS, "Close main", wanted);
}
