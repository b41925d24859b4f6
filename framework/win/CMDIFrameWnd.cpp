#include "framework/win/CMDIFrameWnd.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CDocument.h"
#include "framework/win/CMDIChildWnd.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext*) {
    CMenu* pMenu = GetMenu();
    HMENU hWindowMenu = pMenu != nullptr ? GetWindowMenuPopup(pMenu->m_hMenu) : nullptr;
    return CreateClient(lpcs, CMenu::FromHandle(hWindowMenu));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCTA, CMenu* pWindowMenu) {
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDW_PANE_FIRST + 1; // the children's ids follow the client's own
    m_hWndMDIClient = ::CreateWindowExA(
        WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
        m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)), AfxGetInstanceHandle(),
        &ccs);
    return m_hWndMDIClient != nullptr;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
    if (hMenuBar == nullptr)
        return nullptr;
    const int count = ::GetMenuItemCount(hMenuBar);
    for (int i = count - 1; i >= 0; --i) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == nullptr)
            continue;
        for (int j = 0; j < ::GetMenuItemCount(hPopup); ++j) {
            const UINT nID = ::GetMenuItemID(hPopup, j);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT)
                return hPopup;
        }
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
    if (pbMaximized != nullptr)
        *pbMaximized = FALSE;
    if (m_hWndMDIClient == nullptr)
        return nullptr;
    BOOL bMaximized = FALSE;
    HWND hChild = reinterpret_cast<HWND>(
        ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    if (pbMaximized != nullptr)
        *pbMaximized = bMaximized;
    return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(hChild));
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
    if (m_hWndMDIClient != nullptr && pWndActivate != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}

void CMDIFrameWnd::MDINext() {
    if (m_hWndMDIClient != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDICascade() {
    if (m_hWndMDIClient != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDITile() {
    if (m_hWndMDIClient != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDITILE, 0, 0);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    if (CMDIChildWnd* pChild = MDIGetActive())
        return pChild;
    return this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The active child frame (its view, its document) comes first.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr && pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (m_hWndMDIClient != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    // With MDI children the document titles are in the children; the frame shows the active one.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild == nullptr) {
        CFrameWnd::OnUpdateFrameTitle(bAddToTitle);
        return;
    }
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = pActiveChild->GetActiveDocument();
    UpdateFrameTitleForDocument(
        bAddToTitle && pDocument != nullptr ? static_cast<LPCSTR>(pDocument->GetTitle()) : nullptr);
}

void CMDIFrameWnd::OnSize(UINT nType, int cx, int cy) {
    // The layout places the MDI client (the pane) itself; the default frame procedure must not.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
    (void)cx;
    (void)cy;
}
