#include "foundation/CAcxMDIFrameWnd.h"

#include "foundation/CAcxWinApp.h"

IMPLEMENT_DYNCREATE(CAcxMDIFrameWnd, CMDIFrameWnd)

namespace {
// The message map needs a variable that holds the registered message's number.
const UINT g_gotoForeground = AcxGotoForegroundMessage();
} // namespace

BEGIN_MESSAGE_MAP(CAcxMDIFrameWnd, CMDIFrameWnd)
ON_REGISTERED_MESSAGE(g_gotoForeground, OnGotoForeground)
END_MESSAGE_MAP()

BOOL CAcxMDIFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    CAcxWinApp* pApp = AcxGetApp();
    if (pApp == nullptr || pApp->GetWndClassName().IsEmpty())
        return TRUE;
    m_strWndClassName = pApp->GetWndClassName();
    // A copy that goes on although another one holds the class (a restart) never registered it in this
    // process: it keeps the framework's class.
    WNDCLASSA wc{};
    if (::GetClassInfoA(AfxGetInstanceHandle(), m_strWndClassName, &wc))
        cs.lpszClass = m_strWndClassName;
    return TRUE;
}

LRESULT CAcxMDIFrameWnd::OnGotoForeground(WPARAM, LPARAM) {
    if (CAcxWinApp* pApp = AcxGetApp())
        pApp->ActivateApp(true);
    AfxOleSetUserCtrl(TRUE);
    return 0;
}
