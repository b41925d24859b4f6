#include "framework/win/CMDIChildWnd.h"

#include "framework/win/CMDIFrameWnd.h"
#include "framework/win/CView.h"
#include "framework/win/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivateMessage)
END_MESSAGE_MAP()

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (pParentWnd == nullptr)
        pParentWnd = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr)
        return FALSE;
    CREATESTRUCTA cs{};
    cs.lpszClass = lpszClassName;
    cs.style = static_cast<LONG>(dwStyle | WS_CHILD);
    cs.hInstance = AfxGetInstanceHandle();
    if (!PreCreateWindow(cs))
        return FALSE;
    m_strTitle = lpszWindowName;
    MDICREATESTRUCTA mcs{};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = lpszWindowName;
    mcs.hOwner = cs.hInstance;
    const bool useDefault = CRect(rect) == rectDefault;
    mcs.x = useDefault ? CW_USEDEFAULT : rect.left;
    mcs.y = useDefault ? CW_USEDEFAULT : rect.top;
    mcs.cx = useDefault ? CW_USEDEFAULT : rect.right - rect.left;
    mcs.cy = useDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    mcs.style = static_cast<DWORD>(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(pContext);
    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == nullptr)
        return FALSE;
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
    LPCSTR lpszClass = PrepareLoadFrame(nIDResource, dwDefaultStyle);
    const CString title = m_strTitle;
    return Create(lpszClass, title, dwDefaultStyle, rectDefault, dynamic_cast<CMDIFrameWnd*>(pParentWnd),
                  pContext);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    HWND hClient = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(hClient)));
}

void CMDIChildWnd::MDIActivate() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIDestroy() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CMDIChildWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    // MDI children go through their client so that it forgets them.
    MDIDestroy();
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    if (!IsWindowVisible())
        ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
    MDIActivate();
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
    // The child's accelerators only; the main frame translates its own afterwards.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
        ::TranslateAcceleratorA(GetMDIFrame() != nullptr ? GetMDIFrame()->m_hWnd : m_hWnd, m_hAccelTable,
                                pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CMDIChildWnd::OnMDIActivateMessage(WPARAM wParam, LPARAM lParam) {
    OnMDIActivate(reinterpret_cast<HWND>(lParam) == m_hWnd, CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
                  CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
    return Default();
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*) {
    CView* pView = GetActiveView();
    if (pView != nullptr)
        pView->OnActivateView(bActivate, pView, pView);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(TRUE);
}
