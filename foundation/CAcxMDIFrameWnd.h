// CAcxMDIFrameWnd: the base of the program's main frame. It is created with the application's own
// window class (so a second copy of the program finds it) and comes to the front when another copy
// asks for it with "ACX_GOTOFOREGROUND".
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CMDIFrameWnd.h"

class CAcxMDIFrameWnd : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CAcxMDIFrameWnd)
public:
    CAcxMDIFrameWnd() = default;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg LRESULT OnGotoForeground(WPARAM wParam, LPARAM lParam);

protected:
    CString m_strWndClassName;

    DECLARE_MESSAGE_MAP()
};
