#include "framework/win/CCommonDialog.h"

#include "framework/core/CException.h"
#include "framework/win/CWinThread.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) {
    m_pParentWnd = pParentWnd;
}

void CCommonDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    Default();
}

void CCommonDialog::OnCancel() {
    Default();
}

UINT_PTR CCommonDialog::HandleInitDialog(CCommonDialog* pDlg, HWND hWnd, WPARAM wParam, LPARAM lParam) {
    if (pDlg == nullptr)
        return TRUE;
    // A creation hook set before the dialog was made may already have attached it.
    AfxUnhookWindowCreate();
    if (CWnd::FromHandlePermanent(hWnd) != pDlg && (pDlg->m_hWnd != nullptr || !pDlg->SubclassWindow(hWnd)))
        return TRUE;
    try {
        return pDlg->OnInitDialog();
    } catch (CException* e) {
        const MSG msg{hWnd, WM_INITDIALOG, wParam, lParam, 0, {0, 0}};
        AfxProcessWndProcException(e, &msg);
        e->Delete();
        return TRUE;
    }
}
