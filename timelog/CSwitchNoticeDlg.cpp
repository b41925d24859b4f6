#include "timelog/CSwitchNoticeDlg.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "resource.h"

namespace {
constexpr const char* kSwitchMessageValue = "Switch msg";
}

CSwitchNoticeDlg::CSwitchNoticeDlg(CWnd* pParentWnd) : CDialog(IDD_SWITCH_NOTICE, pParentWnd) {}

void CSwitchNoticeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SWITCH_DONT_TELL, m_dontTell);
}

BOOL CSwitchNoticeDlg::OnInitDialog() {
    bool dontTell = false;
    RegReadBool(REG_PREFS, kSwitchMessageValue, &dontTell);
    m_dontTell = dontTell ? 1 : 0;
    CDialog::OnInitDialog();
    if (dontTell && !IsKeyDown(VK_SHIFT))
        EndDialog(IDOK);
    return TRUE;
}

void CSwitchNoticeDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    RegWriteBool(REG_PREFS, kSwitchMessageValue, m_dontTell != 0);
    EndDialog(IDOK);
}
