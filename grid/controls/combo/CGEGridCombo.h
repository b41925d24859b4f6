// CGEGridCombo: the borderless top-level pop-up window a combo cell shows its drop-down list in. It owns
// the list, colours it, hands the list's notifications to the grid window and ignores system commands.
#pragma once

#include "framework/win/CBrush.h"
#include "framework/win/CWnd.h"

class CGEControl;

class CGEGridCombo : public CWnd {
public:
    // Creates the window (under the drop-down lock) at rect.left - 1, rect.top, one pixel wider.
    CGEGridCombo(CWnd* pNotifyWnd, CGEControl* pOwner, const CRect& rect);
    ~CGEGridCombo() override;

    // Takes ownership of the list window shown in the pop-up.
    void SetChild(CWnd* pChild);
    CWnd* GetChild() const { return m_pChild; }
    void SetColors(COLORREF clrText, COLORREF clrBack);
    BOOL HasCustomColors() const { return m_bCustomColors; }

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pChild = nullptr;
    CWnd* m_pNotifyWnd;
    BOOL m_bCustomColors = FALSE;
    CBrush m_brush;
    COLORREF m_clrText = 0;
    COLORREF m_clrBack = 0;
};
