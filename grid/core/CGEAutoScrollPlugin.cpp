#include "grid/core/CGEAutoScrollPlugin.h"

#include "framework/win/CWnd.h"
#include "grid/core/CGEGridCore.h"

#include <cstdlib>

BOOL CGEAutoScrollPlugin::OnPluginMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult) {
    if (!m_pGrid->IsAutoScrolling())
        return FALSE;
    switch (message) {
    case WM_TIMER:
        if (wParam != GE_AUTOSCROLL_TIMER)
            return FALSE;
        if ((::GetKeyState(VK_LBUTTON) & 0x8000) == 0 &&
            ::GetCapture() != m_pGrid->GridWnd()->GetSafeHwnd()) {
            m_pGrid->StopAutoScroll();
        } else {
            POINT pt{};
            ::GetCursorPos(&pt);
            ::ScreenToClient(m_pGrid->GridWnd()->GetSafeHwnd(), &pt);
            Step(CPoint(pt));
        }
        if (pResult != nullptr)
            *pResult = 0;
        return TRUE;
    case WM_LBUTTONUP:
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        m_pGrid->StopAutoScroll();
        return FALSE; // the grid handles the message too
    default:
        return FALSE;
    }
}

void CGEAutoScrollPlugin::Step(CPoint point) {
    m_pGrid->OnAutoScrollTimer();
    const CRect area = m_pGrid->GetGridArea();
    // How far outside the area the mouse is decides how often a tick scrolls: every tick from 40 pixels
    // on, every fourth tick close to the edge.
    auto due = [](int nDistance, int nTick) {
        const int nEvery = nDistance >= 40 ? 1 : nDistance >= 20 ? 2 : 4;
        return nTick % nEvery == 0;
    };
    const int nTick = m_pGrid->GetAutoScrollStep();
    const WORD wDirection = m_pGrid->GetAutoScrollDirection();
    const BOOL bVert = wDirection != GE_AUTOSCROLL_HORZ;
    const BOOL bHorz = wDirection != GE_AUTOSCROLL_VERT;
    BOOL bScrolled = FALSE;
    if (!bVert) {
    } else if (point.y < area.top && due(area.top - point.y, nTick)) {
        if (m_pGrid->GetTopRow() > 1)
            bScrolled |= m_pGrid->SetTopRow(m_pGrid->GetTopRow() - 1);
    } else if (point.y >= area.bottom && due(point.y - area.bottom, nTick)) {
        bScrolled |= m_pGrid->SetTopRow(m_pGrid->GetTopRow() + 1);
    }
    if (!bHorz) {
    } else if (point.x < area.left && due(area.left - point.x, nTick)) {
        if (m_pGrid->GetLeftCol() > 1)
            bScrolled |= m_pGrid->SetLeftCol(m_pGrid->GetLeftCol() - 1);
    } else if (point.x >= area.right && due(point.x - area.right, nTick)) {
        bScrolled |= m_pGrid->SetLeftCol(m_pGrid->GetLeftCol() + 1);
    }
    if (bScrolled)
        m_pGrid->OnGridMouseMove(MK_LBUTTON, point);
}
