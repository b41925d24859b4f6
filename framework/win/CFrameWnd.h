// CFrameWnd: a top-level (or MDI child) window that holds views and control bars. It is built from one
// resource id (menu, accelerators, icon and title: LoadFrame), lays out its bars around the view pane
// (RecalcLayout), keeps the active view, routes commands (active view, its document, the frame, the
// application), updates menus through the update handlers before they drop down, shows status prompts
// and tool tips from the string table ("prompt\ntip") and translates its accelerators.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CRect.h"
#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

class CControlBar;
class CDockState;
class CDocument;
class CView;
struct CCreateContext;

// Frame styles kept in the window style's low word (Windows ignores them on top-level windows).
#define FWS_ADDTOTITLE 0x00008000L  // the caption shows the active document's title
#define FWS_PREFIXTITLE 0x00004000L // "document - application" rather than "application - document"
#define FWS_SNAPTOBARS 0x00002000L  // a floating bar frame sizes itself to its bars

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // The position and size Windows chooses.
    static const CRect rectDefault;

    BOOL IsFrameWnd() const override { return TRUE; }

    // ---- creation ----
    // lpszMenuName: a menu resource. pContext: the views to create (see CCreateContext).
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                        LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                        CCreateContext* pContext = nullptr);
    // Menu, accelerators, icon and title (the first part of the string) from nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCSTR lpszResourceName);
    // Creates the view pane(s): the view of pContext as pane AFX_IDW_PANE_FIRST.
    virtual BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = 0xE900 /* AFX_IDW_PANE_FIRST */);
    // First update of the views, then shows the frame (bMakeVisible) and activates its view.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Shows (nCmdShow -1: as is, restored if minimized) and brings the frame to the top.
    virtual void ActivateFrame(int nCmdShow = -1);

    // ---- views and documents ----
    CView* GetActiveView() const { return m_pViewActive; }
    // Makes pViewNew the view that gets commands and the focus; bNotify tells both views.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view is active: this frame, or the active child frame of an MDI frame.
    virtual CFrameWnd* GetActiveFrame();

    // ---- title ----
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

    // ---- layout and bars ----
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Space the bars leave around the pane (in addition to the bars' own room).
    CRect m_rectBorder;
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    // Docking: dock sites on the sides dwDockStyle names (CBRS_ALIGN_xxx), docking and floating a bar.
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = 0x2000L /* CBRS_ALIGN_TOP */);
    // The bars' places and visibility kept in the application's profile under lpszProfileName (see
    // CDockState); a profile without that state leaves the bars as they are.
    void LoadBarState(LPCSTR lpszProfileName);
    void SaveBarState(LPCSTR lpszProfileName) const;
    void GetDockState(CDockState& state) const;
    void SetDockState(const CDockState& state);

    // ---- status bar ----
    // The window that shows prompts (the child AFX_IDW_STATUS_BAR).
    virtual CWnd* GetMessageBar();
    // The prompt of command nID: the part of its string before '\n'.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    // ---- messages ----
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    // Frame numbers of a document shown in several frames ("title:2"); 0 for one frame.
    int m_nWindow = 0;
    BOOL m_bAutoMenuEnable = TRUE; // menu items without handlers are disabled
    UINT m_nIDHelp = 0;
    HACCEL m_hAccelTable = nullptr;
    HMENU m_hMenuDefault = nullptr;
    CString m_strTitle;
    UINT m_nIDTracking = 0;    // command whose prompt the status bar shows
    UINT m_nIDLastMessage = 0; // last prompt shown
    int m_nIdleFlags = 0;      // idleMenu | idleTitle | idleLayout | idleNotify
    // Set while a print preview shows in the frame: ends the preview (before the frame closes or goes).
    void (*m_pfnEndPreview)(CFrameWnd* pFrame) = nullptr;

    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    void DelayRecalcLayout(BOOL bNotify = TRUE) { m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0)); }

protected:
    // Frames are made with new and delete themselves with their window.
    void PostNcDestroy() override;
    // The frame's class: registered with the icon of nIDResource (when it has one).
    LPCSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    // What LoadFrame takes from nIDResource before it creates the window: the help id, the title (the
    // first part of the string) and the class with the icon.
    LPCSTR PrepareLoadFrame(UINT nIDResource, DWORD dwDefaultStyle);
    BOOL OnCreateHelper(LPCREATESTRUCTA lpcs, CCreateContext* pContext);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg BOOL OnQueryEndSession();
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);

    DECLARE_MESSAGE_MAP()

    CView* m_pViewActive = nullptr;

private:
    bool m_bInRecalcLayout = false;
};
