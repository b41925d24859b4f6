#include "data/CValidateDatabaseDlg.h"

#include "resource.h"

CValidateDatabaseDlg::~CValidateDatabaseDlg() {
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CValidateDatabaseDlg::Create(CWnd* pParentWnd) {
    if (!CDialog::Create(IDD_VALIDATE_DATABASE, pParentWnd))
        return FALSE;
    CenterWindow();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

BOOL CValidateDatabaseDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_progress.SubclassDlgItem(IDC_VALIDATE_PROGRESS, this);
    // The program's own icon; the system's application icon where the program carries none.
    CWinApp* app = AfxGetApp();
    HICON icon = app ? app->LoadIcon(IDR_MAINFRAME) : nullptr;
    if (icon == nullptr)
        icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    SendDlgItemMessage(IDC_VALIDATE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    return TRUE;
}

void CValidateDatabaseDlg::SetProgress(int step, int total) {
    if (m_progress.GetSafeHwnd() == nullptr)
        return;
    m_progress.SetRange32(0, total);
    m_progress.SetPos(step);
    m_progress.UpdateWindow();
}

std::unique_ptr<IValidateDatabaseProgress> CValidateDatabaseDlg::Show() {
    auto dialog = std::make_unique<CValidateDatabaseDlg>();
    if (!dialog->Create())
        return nullptr;
    return dialog;
}
