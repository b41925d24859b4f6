#include "data/CDatabaseRequiredDlg.h"

#include "resource.h"

CDatabaseRequiredDlg::CDatabaseRequiredDlg(CWnd* pParentWnd) : CDialog(IDD_DATABASE_REQUIRED, pParentWnd) {}
