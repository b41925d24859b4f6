// CStatusBar: the control bar along a frame's bottom edge, made of panes (the common status bar control's
// parts). SetIndicators names the panes by id: ID_SEPARATOR (0) makes a pane for text the program sets,
// the first one being the message pane that stretches over the room the others leave; any other id makes
// an indicator pane as wide as its string (the string with that id) and showing it.
//
// The window text of the bar is the message pane's text, so the frame's prompts (WM_SETMESSAGESTRING,
// which sets the message bar's window text) show there. At idle time each pane is updated through the
// frame's update handlers (Enable(FALSE) empties a pane, SetText sets its text); the key indicators
// ID_INDICATOR_CAPS, ID_INDICATOR_NUM and ID_INDICATOR_SCRL that nobody handles show their text while
// their key is toggled on.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CControlBar.h"
#include "framework/win/CStatusBarCtrl.h"

#include <vector>

// Pane styles: the control's drawing types in the low word, the bar's own in the high word.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000 // shows no text
#define SBPS_STRETCH 0x08000000  // takes the room the other panes leave

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    // dwStyle: window styles plus CBRS_xxx bar styles. A bar in a sizable frame gets a size grip.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    // dwCtrlStyle: the control's SBARS_xxx styles (SBARS_SIZEGRIP).
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);

    // One pane per id (see above). FALSE when the string of an indicator is missing (its pane is then
    // empty and narrow) or the bar has no window.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    // ---- panes ----
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // Rectangle of the pane (client coordinates); empty for a bad index.
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    // cxWidth: width of the pane's text area in pixels.
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    // The pane's text (also while the pane is disabled and shows none).
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);

    CStatusBarCtrl& GetStatusBarCtrl() const;

    // ---- overrides ----
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // Draws an SBPS_OWNERDRAW pane; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    // Gives the control the panes' edges (bUpdateRects) and texts (bUpdateText).
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct Pane {
        UINT nID = 0;
        UINT nStyle = SBPS_NORMAL;
        int cxText = 0;
        CString strText;
    };
    bool IsValid(int nIndex) const { return nIndex >= 0 && nIndex < static_cast<int>(m_panes.size()); }
    int TextWidth(const CString& text) const;
    void ShowPaneText(int nIndex);
    bool HasGripper() const;

    std::vector<Pane> m_panes;
    int m_nMinHeight = 0;
    mutable CStatusBarCtrl m_wndCtrl; // the control's wrapper for GetStatusBarCtrl
};
