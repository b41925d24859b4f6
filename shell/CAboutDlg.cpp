#include "shell/CAboutDlg.h"

#include "foundation/CAcxVersionInfo.h"
#include "resource.h"

namespace {

bool LoadOwnVersion(CAcxVersionInfo& version) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return version.Load(path);
}

} // namespace

CAboutDlg::CAboutDlg(CWnd* pParentWnd) : CDialog(IDD_ABOUTBOX, pParentWnd) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CAcxVersionInfo version;
    if (LoadOwnVersion(version)) {
        SetDlgItemText(IDC_ABOUT_VERSION, "Version " + version.GetString("ProductVersion"));
        SetDlgItemText(IDC_ABOUT_COPYRIGHT, version.GetString("LegalCopyright"));
    }
    return TRUE;
}
