// CMDIFrameWnd: a main frame whose client area is an MDI client holding child frames (CMDIChildWnd).
// A derived main frame may build something else in OnCreateClient (a static splitter, for instance);
// without an MDI client it behaves as a plain frame.
#pragma once

#include "framework/win/CFrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd() = default;

    // Creates the MDI client (pane AFX_IDW_PANE_FIRST); pWindowMenu is the popup that lists the children.
    virtual BOOL CreateClient(LPCREATESTRUCTA lpCreateStruct, CMenu* pWindowMenu);
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;

    // The active child frame (and whether it is maximized); nullptr without one.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDINext();
    void MDICascade();
    void MDITile();
    // The popup of the menu bar that lists the child windows (the one holding ID_WINDOW_NEW or similar).
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    HWND m_hWndMDIClient = nullptr;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
