#include "framework/win/CMiniDockFrameWnd.h"

#include "framework/win/AfxRes.h"

IMPLEMENT_DYNAMIC(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
ON_WM_CLOSE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParentWnd, CFrameWnd* pDockSite, CPoint point) {
    static LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                                  ::GetSysColorBrush(COLOR_BTNFACE));
    const DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, className, "", dwStyle, point.x, point.y, 0, 0,
                  pParentWnd->GetSafeHwnd(), nullptr))
        return FALSE;
    m_wndDockBar.m_pDockSite = pDockSite;
    if (!m_wndDockBar.Create(this, WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    // Commands of the floating bars go to the frame, as when they were docked.
    m_wndDockBar.SetOwner(pParentWnd);
    return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL) {
    if (m_bInLayout || m_hWnd == nullptr || m_wndDockBar.m_hWnd == nullptr)
        return;
    m_bInLayout = true;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, (m_wndDockBar.m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    CRect rect(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rect, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The dock bar fills the client area and places its bars.
    CRect client;
    GetClientRect(&client);
    m_wndDockBar.MoveWindow(&client);
    m_bInLayout = false;
}

void CMiniDockFrameWnd::OnSize(UINT, int cx, int cy) {
    Default();
    if (m_wndDockBar.m_hWnd != nullptr)
        m_wndDockBar.MoveWindow(0, 0, cx, cy);
}

void CMiniDockFrameWnd::OnClose() {
    // Closing hides the bars; their frame can show them again.
    std::vector<CControlBar*> bars;
    for (const auto& row : m_wndDockBar.GetRows())
        bars.insert(bars.end(), row.begin(), row.end());
    for (CControlBar* pBar : bars)
        CControlBar::ShowBar(pBar->m_pDockSite, pBar, FALSE, FALSE);
    ShowWindow(SW_HIDE);
}
