// CAboutDlg: "About Brindlemark", the program's name and version.
#pragma once

#include "framework/win/AfxWin.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParentWnd = nullptr);
    BOOL OnInitDialog() override;
};
