// CMiniDockFrameWnd: the small tool window a floating control bar sits in. It holds one floating dock
// bar, sizes itself to the bars in it, and closing it hides those bars (the frame's view menu shows them
// again). It belongs to its window: the object deletes itself when the window goes, which happens when
// its last bar docks back into the frame or the frame is destroyed.
#pragma once

#include "framework/win/CDockBar.h"
#include "framework/win/CFrameWnd.h"

class CMiniDockFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    // A floating tool window owned by pParentWnd (the frame window), with its top-left corner at point
    // (screen coordinates); pDockSite is the frame whose bars it holds.
    BOOL Create(CWnd* pParentWnd, CFrameWnd* pDockSite, CPoint point);

    // Sizes the window to hold the visible bars of its dock bar.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    CDockBar m_wndDockBar;

protected:
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    bool m_bInLayout = false;
};
