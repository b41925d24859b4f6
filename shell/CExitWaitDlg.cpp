#include "shell/CExitWaitDlg.h"

#include "resource.h"

UINT AcxUpdateWndMessage() {
    static const UINT message = ::RegisterWindowMessageA("ACX_UpdateWnd");
    return message;
}

namespace {
const UINT g_updateWnd = AcxUpdateWndMessage();
} // namespace

BEGIN_MESSAGE_MAP(CExitWaitDlg, CDialog)
ON_REGISTERED_MESSAGE(g_updateWnd, OnUpdateWnd)
END_MESSAGE_MAP()

BOOL CExitWaitDlg::CreateNotice(CWnd* pParentWnd) {
    if (!Create(IDD_EXIT_WAIT, pParentWnd))
        return FALSE;
    CenterWindow();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

LRESULT CExitWaitDlg::OnUpdateWnd(WPARAM, LPARAM) {
    ++m_repaints;
    Invalidate();
    UpdateWindow();
    return 0;
}
