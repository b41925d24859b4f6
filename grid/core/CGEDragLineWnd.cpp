#include "grid/core/CGEDragLineWnd.h"

#include "framework/win/CPaintDC.h"
#include "grid/core/CGEGridCore.h"

BEGIN_MESSAGE_MAP(CGEDragLineWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CGEDragLineWnd::Create(CWnd* pGridWnd) {
    return CWnd::Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_CLIPSIBLINGS, CRect(0, 0, 1, 1),
                        pGridWnd, 0);
}

void CGEDragLineWnd::ShowLine(int nKind, const CRect& rect, ROWCOL nIndex) {
    m_nKind = nKind;
    m_nIndex = nIndex;
    SetWindowPos(&CWnd::wndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate(FALSE);
    UpdateWindow();
}

void CGEDragLineWnd::HideLine() {
    ShowWindow(SW_HIDE);
}

void CGEDragLineWnd::OnPaint() {
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (m_color != CLR_NONE)
        dc.FillSolidRect(&rect, m_color);
    else
        m_pGrid->DrawGridLine(&dc, 0, 0, rect.Width(), rect.Height(), m_nKind, m_nIndex, 0);
}
