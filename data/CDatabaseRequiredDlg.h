// The notice that a feature needs the ODBC database: IDOK ("Yes") when the user wants the Options dialog
// opened to enable it, IDCANCEL ("No") otherwise. Opening the options is the caller's part.
#pragma once

#include "framework/win/AfxWin.h"

class CDatabaseRequiredDlg : public CDialog {
public:
    explicit CDatabaseRequiredDlg(CWnd* pParentWnd = nullptr);
};
