#include "shell/CHideNoticeDlg.h"

#include "resource.h"

BOOL CHideNoticeDlg::CreateNotice(CWnd* pParentWnd) {
    if (!Create(IDD_HIDE_NOTICE, pParentWnd))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
    return TRUE;
}
