#include "framework/win/CFrameWnd.h"

#include "framework/win/AfxPriv.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CControlBar.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDockBar.h"
#include "framework/win/CDockState.h"
#include "framework/win/CDocTemplate.h"
#include "framework/win/CDocument.h"
#include "framework/win/CView.h"
#include "framework/win/CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ERASEBKGND()
ON_WM_ACTIVATE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_WM_QUERYENDSESSION()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

// The part of a "prompt\ntip" string: 0 the prompt, 1 the tool tip.
CString StringPart(UINT nID, int part) {
    CString text;
    if (!text.LoadString(nID))
        return CString();
    const int newline = text.Find('\n');
    if (part == 0)
        return newline < 0 ? text : text.Left(newline);
    return newline < 0 ? CString() : text.Mid(newline + 1);
}

// The first view among the descendants of hWnd with control id nID.
CView* FindPaneView(HWND hWnd, int nID) {
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == nID) {
            if (auto* pView = dynamic_cast<CView*>(CWnd::FromHandlePermanent(hChild)))
                return pView;
        }
    }
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        // Views inside other frames belong to those frames.
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hChild); pWnd != nullptr && pWnd->IsFrameWnd())
            continue;
        if (CView* pView = FindPaneView(hChild, nID))
            return pView;
    }
    return nullptr;
}

} // namespace

CFrameWnd::~CFrameWnd() {
    if (m_hMenuDefault != nullptr && ::IsMenu(m_hMenuDefault) && m_hWnd == nullptr)
        ::DestroyMenu(m_hMenuDefault);
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

// ---------------------------------------------------------------------------------------------------
// Creation

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName);
        if (hMenu == nullptr) {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    int x = rect.left;
    int y = rect.top;
    int cx = rect.right - rect.left;
    int cy = rect.bottom - rect.top;
    if (CRect(rect) == rectDefault) {
        x = y = cx = cy = CW_USEDEFAULT;
    }
    // Child frames (MDI children, frames inside other windows) carry no menu of their own.
    HMENU hMenuOrId = hMenu;
    if ((dwStyle & WS_CHILD) && hMenu != nullptr) {
        ::DestroyMenu(hMenu);
        hMenuOrId = nullptr;
        hMenu = nullptr;
    }
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, pParentWnd->GetSafeHwnd(),
                  hMenuOrId, pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    return TRUE;
}

LPCSTR CFrameWnd::GetIconWndClass(DWORD, UINT nIDResource) {
    HICON hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (hIcon == nullptr)
        return nullptr;
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName) {
    if (m_hAccelTable != nullptr)
        return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), lpszResourceName);
    return m_hAccelTable != nullptr;
}

LPCSTR CFrameWnd::PrepareLoadFrame(UINT nIDResource, DWORD dwDefaultStyle) {
    m_nIDHelp = nIDResource;
    CString fullTitle;
    fullTitle.LoadString(nIDResource);
    const int newline = fullTitle.Find('\n');
    m_strTitle = newline < 0 ? fullTitle : fullTitle.Left(newline);
    return GetIconWndClass(dwDefaultStyle, nIDResource);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    LPCSTR lpszClass = PrepareLoadFrame(nIDResource, dwDefaultStyle);
    // A resource id without a menu makes a frame without a menu.
    LPCSTR lpszMenu = ::FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource),
                                      MAKEINTRESOURCEA(4) /* RT_MENU */) != nullptr
                          ? MAKEINTRESOURCEA(nIDResource)
                          : nullptr;
    const CString title = m_strTitle;
    if (!Create(lpszClass, title, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext))
        return FALSE;
    LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    // Without a document the views get their first update now.
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct) {
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return OnCreateHelper(lpCreateStruct, pContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateHelper(LPCREATESTRUCTA lpcs, CCreateContext* pContext) {
    if (CWnd::OnCreate(lpcs) == -1)
        return FALSE;
    if (!OnCreateClient(lpcs, pContext))
        return FALSE;
    // The idle prompt once the frame is up; the bars created by derived classes are laid out then.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return TRUE;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) {
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    auto* pView = dynamic_cast<CWnd*>(pContext->m_pNewViewClass->CreateObject());
    if (pView == nullptr)
        return nullptr;
    // A view that fails deletes itself through PostNcDestroy once its window existed.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext)) {
        if (pView->m_hWnd == nullptr && CWnd::FromHandlePermanent(nullptr) == nullptr)
            TRACE("view creation failed\n");
        return nullptr;
    }
    return pView;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    CView* pView = GetActiveView();
    if (pView == nullptr) {
        pView = FindPaneView(m_hWnd, AFX_IDW_PANE_FIRST);
        if (pView != nullptr)
            SetActiveView(pView, FALSE);
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this) {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1; // only the first show follows the command line
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
        if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE &&
            nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWNA)
            BringWindowToTop();
    }
}

// ---------------------------------------------------------------------------------------------------
// Views and documents

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr; // no view is active while the old one hears of it
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() {
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame() {
    return this;
}

// ---------------------------------------------------------------------------------------------------
// Title

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName) {
    CString title = m_strTitle;
    if (lpszDocName != nullptr) {
        // The document's name, numbered when it shows in several frames ("name:2").
        CString document = lpszDocName;
        if (m_nWindow > 0)
            document.AppendFormat(":%d", m_nWindow);
        if (GetStyle() & FWS_PREFIXTITLE)
            title = document + " - " + m_strTitle;
        else
            title = m_strTitle + " - " + document;
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

// ---------------------------------------------------------------------------------------------------
// Layout and bars

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout || m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = true;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    CRect border = m_rectBorder;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &border);
    m_bInRecalcLayout = false;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    CControlBar::ShowBar(this, pBar, bShow, bDelay);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
    return CControlBar::FindBar(this, nID);
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    CDockBar::EnableDocking(this, dwDockStyle);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    CDockBar::DockControlBar(this, pBar, nDockBarID, lpRect);
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    CDockBar::FloatControlBar(this, pBar, point, dwStyle);
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName) {
    CDockState::LoadBarState(this, lpszProfileName);
}

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName) const {
    CDockState::SaveBarState(this, lpszProfileName);
}

void CFrameWnd::GetDockState(CDockState& state) const {
    CDockState::GetDockState(this, state);
}

void CFrameWnd::SetDockState(const CDockState& state) {
    CDockState::SetDockState(this, state);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnSize(UINT nType, int, int) {
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC) {
    // The pane covers the client area: nothing to erase under it.
    if (m_pViewActive != nullptr && ::IsWindowVisible(m_pViewActive->m_hWnd))
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

// ---------------------------------------------------------------------------------------------------
// Status prompts and tool tips

CWnd* CFrameWnd::GetMessageBar() {
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    rMessage = StringPart(nID, 0);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) {
    SendMessage(WM_SETMESSAGESTRING, nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    const UINT nIDLast = m_nIDLastMessage;
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar == nullptr)
        return nIDLast;
    CString message;
    if (wParam == 0) {
        message = reinterpret_cast<LPCSTR>(lParam);
    } else if (wParam == AFX_IDS_IDLEMESSAGE) {
        message.LoadString(AFX_IDS_IDLEMESSAGE);
    } else {
        GetMessageString(static_cast<UINT>(wParam), message);
    }
    pMessageBar->SetWindowText(message);
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam) {
    return SendMessage(WM_SETMESSAGESTRING, wParam != 0 ? wParam : AFX_IDS_IDLEMESSAGE, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && hSysMenu == nullptr) {
        // The menu closed: the idle prompt comes back.
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return;
    }
    UINT nID = 0;
    if (!(nFlags & (MF_SEPARATOR | MF_POPUP)))
        nID = nItemID;
    // The recent files share one prompt; system commands have none of ours.
    if (nID >= ID_FILE_MRU_FIRST && nID <= ID_FILE_MRU_LAST)
        nID = ID_FILE_MRU_FILE1;
    if (nID >= 0xF000)
        nID = 0;
    if (nID != m_nIDTracking) {
        if (nID == 0)
            SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(""));
        else
            SendMessage(WM_SETMESSAGESTRING, nID);
        m_nIDTracking = nID;
    }
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho) {
    CWnd::OnEnterIdle(nWhy, pWho);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* pTTT = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND)
        nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    if (nID == 0)
        return FALSE;
    const CString tip = StringPart(static_cast<UINT>(nID), 1);
    lstrcpynA(pTTT->szText, tip, sizeof pTTT->szText);
    pTTT->lpszText = pTTT->szText;
    *pResult = 0;
    // The tool tip shows above other windows.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Messages

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = m_hAccelTable;
        if (hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg))
            return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The active view (and through it its document) first, then the frame, then the application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    if (!IsWindowVisible() || IsIconic())
        return 0;
    if (m_nIdleFlags & idleTitle) {
        m_nIdleFlags &= ~idleTitle;
        OnUpdateFrameTitle(TRUE);
    }
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    return 0;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu)
        return;
    CCmdUI::UpdateMenu(this, pPopupMenu, m_bAutoMenuEnable);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (m_pViewActive != nullptr)
        m_pViewActive->OnActivateFrame(nState, this);
}

BOOL CFrameWnd::OnQueryEndSession() {
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        return pApp->SaveAllModified();
    return TRUE;
}

void CFrameWnd::OnClose() {
    // A print preview gives the frame back its view and bars before the frame closes.
    if (m_pfnEndPreview != nullptr)
        m_pfnEndPreview(this);
    CWinApp* pApp = AfxGetApp();
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        // Closing the main window ends the program: every document is offered for saving first.
        if (pDocument == nullptr && !pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        // Closing the documents may have destroyed this frame already.
        if (pApp->m_pMainWnd == nullptr)
            return;
    }
    if (pDocument != nullptr && pDocument->m_bAutoDelete && pApp != nullptr && pApp->m_pMainWnd != this) {
        // The document's last frame: closing the document destroys the frame.
        bool otherFrame = false;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != nullptr) {
            // Views in frames nested inside this one close with it.
            const CView* pView = pDocument->GetNextView(pos);
            if (pView->GetParentFrame() != this && !::IsChild(m_hWnd, pView->m_hWnd))
                otherFrame = true;
        }
        if (!otherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy() {
    if (m_pfnEndPreview != nullptr)
        m_pfnEndPreview(this);
    // The menu of the window goes with it; a menu the frame loaded and does not show now goes too.
    HMENU hMenuShown = ::GetMenu(m_hWnd);
    if (m_hMenuDefault != nullptr && m_hMenuDefault != hMenuShown && ::IsMenu(m_hMenuDefault))
        ::DestroyMenu(m_hMenuDefault);
    m_hMenuDefault = nullptr;
    m_hAccelTable = nullptr; // loaded from resources: freed with the module
    CWnd::OnDestroy();
}
