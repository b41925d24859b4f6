#include "grid/controls/gadgets/CGEBPopupCalendar.h"

#include "framework/win/CClientDC.h"

IMPLEMENT_DYNCREATE(CGEBPopupCalendar, CGEBCalendar)

BEGIN_MESSAGE_MAP(CGEBPopupCalendar, CGEBCalendar)
ON_WM_ACTIVATE()
END_MESSAGE_MAP()

CGEBPopupCalendar::CGEBPopupCalendar() {
    m_dwCalendarFlags = 0x0039C100;
    m_dwMonthFlags = 0x83;
    m_dwOtherMonthFlags = 0x181;
}

CGEBPopupCalendar::~CGEBPopupCalendar() {
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

UINT CGEBPopupCalendar::GetClassStyle() {
    return CS_DBLCLKS | CS_SAVEBITS;
}

int CGEBPopupCalendar::SetDeactivateMode(int nMode) {
    const int nOld = m_nDeactivateMode == 1 ? 1 : 2;
    m_nDeactivateMode = nMode;
    return nOld;
}

CRect CGEBPopupCalendar::PlacePopup(const CSize& size, const RECT& anchor, DWORD dwStyle,
                                    const CSize& screen) {
    int nTop = anchor.bottom;
    if (nTop + size.cy > screen.cy)
        nTop = anchor.top - size.cy;
    int nLeft = 0;
    if ((dwStyle & 0x1) != 0) {
        nLeft = anchor.left;
        if (nLeft + size.cx > screen.cx)
            nLeft = anchor.right - size.cx;
    } else {
        nLeft = anchor.right;
        if (nLeft + size.cx > screen.cx)
            nLeft = anchor.left - size.cx;
    }
    return CRect(nLeft, nTop, nLeft + size.cx, nTop + size.cy);
}

BOOL CGEBPopupCalendar::CreatePopup(DWORD dwStyle, const RECT& anchor, CWnd* pParentWnd, UINT nID) {
    SetAutoSize(TRUE);
    CSize size;
    {
        CClientDC dc(pParentWnd != nullptr ? pParentWnd : CWnd::GetDesktopWindow());
        size = CalcWindowSize(&dc);
    }
    RECT frame{0, 0, size.cx, size.cy};
    ::AdjustWindowRectEx(&frame, (dwStyle | WS_POPUP) & ~WS_CHILD, FALSE, 0);
    const CSize outer(frame.right - frame.left, frame.bottom - frame.top);
    const CSize screen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    const CRect rect = PlacePopup(outer, anchor, dwStyle, screen);
    if (!Create((dwStyle | WS_POPUP) & ~WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    SetFocus();
    return 1;
}

void CGEBPopupCalendar::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CGEBCalendar::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE || m_bClosed || !m_bCreated)
        return;
    CloseWith(m_nDeactivateMode == 1 && m_pFocusBox != nullptr ? GEB_CALN_ACCEPT : GEB_CALN_CANCEL, 0, 0);
}
