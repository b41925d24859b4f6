// CControlBar: base of the bars a frame window lays out along its edges (tool bars, status bars, dialog
// bars, and the dock bars that hold docked bars). A bar is a child window whose id lies in
// AFX_IDW_CONTROLBAR_FIRST..AFX_IDW_CONTROLBAR_LAST; the frame's layout (CWnd::RepositionBars) sends each
// bar WM_SIZEPARENT, and the bar takes its room from the edge its CBRS_ALIGN_xxx style names.
//
// At idle time (WM_IDLEUPDATECMDUI) a visible bar updates its items through the update handlers of its
// frame (OnUpdateCmdUI). Commands and notifications of the bar's child windows go to the bar's owner,
// normally the frame, whatever window the bar sits in (a dock bar, a floating mini frame).
//
// The frame side of docking lives with the bars, and a frame window's members of the classic names call
// it: EnableDocking, DockControlBar and FloatControlBar -> CDockBar's static members of those names;
// ShowControlBar -> CControlBar::ShowBar; GetControlBar -> CControlBar::FindBar; LoadBarState,
// SaveBarState, GetDockState, SetDockState -> CDockState's static members of those names.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/win/CWnd.h"

#include <vector>

class CDockBar;
class CFrameWnd;

// ---- bar styles (m_dwStyle) ----
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L

#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L

#define CBRS_TOOLTIPS 0x0010L     // tool tips for the bar's items
#define CBRS_FLYBY 0x0020L        // the item under the mouse shows its prompt in the status bar
#define CBRS_FLOAT_MULTI 0x0040L  // several bars may share one floating frame
#define CBRS_BORDER_3D 0x0080L    // 3-D borders
#define CBRS_HIDE_INPLACE 0x0008L // hidden while an embedded object is active in place
#define CBRS_SIZE_DYNAMIC 0x0004L // the bar's shape follows CalcDynamicLayout
#define CBRS_SIZE_FIXED 0x0002L   // the bar keeps its shape when floating
#define CBRS_FLOATING 0x0001L     // set while the bar floats
#define CBRS_GRIPPER 0x00400000L  // a grip to drag the bar by

#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)

#define CBRS_ALL 0x0040FFFFL // the bits of a Create style that are bar styles, not window styles

#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// ---- CalcDynamicLayout modes ----
#define LM_STRETCH 0x01  // stretch to the frame's size along the bar's length
#define LM_HORZ 0x02     // horizontal (else vertical)
#define LM_MRUWIDTH 0x04 // the most recently used width (floating)
#define LM_HORZDOCK 0x08 // docked along a horizontal edge
#define LM_VERTDOCK 0x10 // docked along a vertical edge
#define LM_LENGTHY 0x20  // nLength is a height, not a width
#define LM_COMMIT 0x40   // remember the result as the most recently used size

#define ID_SEPARATOR 0 // an item of a bar that only separates others

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    ~CControlBar() override;

    // ---- attributes ----
    // Number of items (buttons, panes).
    int GetCount() const { return m_nCount; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    // Changes the CBRS_xxx styles (CBRS_FLOATING is kept as it is) and repaints when borders changed.
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);
    CRect GetBorders() const;
    // The frame the bar sits in now: the floating frame while it floats, else the frame it docks in.
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    // Visible and not waiting to be hidden.
    BOOL IsVisible() const;
    virtual BOOL IsDockBar() const { return FALSE; }

    // Allows docking on the sides dwDockStyle names (CBRS_ALIGN_xxx; 0 forbids docking). The frame must
    // have enabled docking on those sides too (CDockBar::EnableDocking).
    void EnableDocking(DWORD dwDockStyle);

    // ---- layout ----
    // Size along a frame edge: bStretch fills the edge's whole length, bHorz for the top and bottom edges.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // size, or with bStretch the whole length of the edge (bHorz: the top or bottom edge) and size across.
    static CSize Stretched(CSize size, BOOL bStretch, BOOL bHorz);
    // Size for a layout mode (LM_xxx); bars without CBRS_SIZE_DYNAMIC answer their fixed layout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // Shrinks a window rectangle to the part inside the bar's borders (and gripper).
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    // ---- command user interface ----
    // Updates every item through pTarget's update handlers; with bDisableIfNoHndler an item whose
    // command nobody handles is disabled.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    // ---- drawing ----
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);

    // Shows or hides the bar with the next layout of its frame.
    virtual void DelayShow(BOOL bShow);
    // Called after the bar's alignment or floating state changed (docking, floating).
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

    // ---- frame side ----
    // Shows or hides pBar and lays out its frame again (now, or at the next idle time with bDelay).
    static void ShowBar(CFrameWnd* pFrame, CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The bar of pFrame with id nID (docked, floating or plain), or nullptr.
    static CControlBar* FindBar(const CFrameWnd* pFrame, UINT nID);
    // All bars whose dock site is pFrame, in creation order (dock bars included).
    static std::vector<CControlBar*> FrameBars(const CFrameWnd* pFrame);
    // Lays out pFrame's bars and pane again.
    static void RecalcFrameLayout(CFrameWnd* pFrame);

    BOOL m_bAutoDelete = FALSE; // deleted with its window (PostNcDestroy)

    int m_cxLeftBorder = 0;
    int m_cxRightBorder = 0;
    int m_cyTopBorder = 0;
    int m_cyBottomBorder = 0;
    int m_cxDefaultGap = 2;
    UINT m_nMRUWidth = 32767; // width of the bar when it last floated

    int m_nCount = 0;
    DWORD m_dwStyle = 0;              // CBRS_xxx
    DWORD m_dwDockStyle = 0;          // sides it may dock to (CBRS_ALIGN_xxx)
    CFrameWnd* m_pDockSite = nullptr; // the frame whose bar this is
    CDockBar* m_pDockBar = nullptr;   // the dock bar that holds it, if docked or floating
    int m_nDockPos = -1;              // wanted offset along its dock bar's row (-1: packed)

protected:
    CControlBar();

    // Bars keep per-item data in a block of nElements items of cbElement bytes (zeroed).
    BOOL AllocElements(int nElements, int cbElement);
    void* m_pData = nullptr;

    // Shows the prompt of command nHit in the status bar (-1: back to the idle text).
    void SetStatusText(INT_PTR nHit);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    // Mouse moves over the bar's child controls update the status bar prompt too (CBRS_FLYBY).
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDockBar;
    INT_PTR m_nHitLast = -1; // item whose prompt the status bar shows (flyby)
    int m_nDelayShow = 0;    // 1 show, -1 hide at the next layout
    std::vector<BYTE> m_elements;
};

// A frame seen as a window (nullptr stays nullptr).
CWnd* AfxFrameAsWnd(const CFrameWnd* pFrame);
