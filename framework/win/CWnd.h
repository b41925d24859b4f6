// CWnd: a window. A CWnd that created, attached or subclassed its window is in the thread's permanent
// handle map, so CWnd::FromHandle returns that very object for its HWND; for other windows FromHandle
// gives a temporary wrapper that is deleted at idle time.
//
// Messages reach WindowProc, which dispatches through the message map (OnWndMsg) and passes what is not
// handled to DefWindowProc (the window's original procedure for subclassed windows and dialogs).
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CPoint.h"
#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "framework/win/CCmdTarget.h"
#include "framework/win/CDC.h"
#include "framework/win/CFont.h"
#include "framework/win/CHandleMap.h"
#include "framework/win/CMenu.h"

#include <commctrl.h>

// winuser.h defines GetNextWindow as a two-argument macro for GetWindow; here it is a member function.
#undef GetNextWindow

class CDataExchange;
class CFrameWnd;
class CListBox;
class CRgn;
class CScrollBar;
struct CCreateContext;

// m_nFlags
#define WF_TOOLTIPS 0x0001
#define WF_TEMPHIDE 0x0002
#define WF_STAYDISABLED 0x0004
#define WF_MODALLOOP 0x0008     // RunModalLoop is running for this window
#define WF_CONTINUEMODAL 0x0010 // the modal loop goes on until EndModalLoop clears this

// RunModalLoop flags
#define MLF_NOIDLEMSG 0x0001  // no WM_ENTERIDLE to the parent
#define MLF_NOKICKIDLE 0x0002 // no WM_KICKIDLE to the window
#define MLF_SHOWONIDLE 0x0004 // show the window when the queue first runs empty

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd() = default;
    // Wraps hWnd without registering it (for the z-order placeholders below).
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    // A window still attached when its object dies is destroyed.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    operator HWND() const { return GetSafeHwnd(); }
    HWND GetSafeHwnd() const { return AfxSafeThis(this) ? AfxSafeThis(this)->m_hWnd : nullptr; }
    bool operator==(const CWnd& other) const { return other.m_hWnd == m_hWnd; }

    // Placeholders for SetWindowPos's insert-after argument.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // ---- handle map ----
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Routes the window's messages through this object (the window keeps its class's behaviour through
    // DefWindowProc).
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // ---- creation and destruction ----
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x,
                          int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    // Adjusts the creation parameters; registers the default window class when none is given.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // Called after the window was subclassed or created, before this object sees its messages.
    virtual void PreSubclassWindow() {}
    // Called after the last message (WM_NCDESTROY) of the window; derived objects may delete themselves.
    virtual void PostNcDestroy() {}

    // ---- messages ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default handling of the message being processed.
    LRESULT Default();
    // Called for each message of the thread before it is dispatched; TRUE when it was translated.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Keyboard and mouse messages for this dialog-like window or its controls go through
    // IsDialogMessage (tab, arrow keys, default button, Escape). TRUE when it took the message.
    BOOL PreTranslateInput(LPMSG lpMsg);
    // Calls PreTranslateMessage of the window of pMsg and each of its parents up to hWndStop, after the
    // thread's tool tip has seen the message.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    // The message this thread is processing (window, message, parameters, time, position).
    static const MSG* GetCurrentMessage();
    // Makes msg the message this thread is processing and returns the one it replaces, to be put back
    // afterwards: for window procedures of the program's own that pass messages to framework code.
    static MSG SetCurrentMessage(const MSG& msg);

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A parent passes notifications of this child here first; TRUE when the child handled them.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Sends to all child windows (bDeep: and theirs); bOnlyPerm: only to windows with a C++ object.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    static void SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                         BOOL bOnlyPerm);

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
    BOOL KillTimer(UINT_PTR nIDEvent);

    // ---- modal loop ----
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // ---- data exchange and command UI of child controls ----
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    // Adds the list strings of the dialog initialisation data lpszResourceName (RT_DLGINIT) to this
    // window's combo and list boxes. TRUE when there is no such data or every string was added.
    BOOL ExecuteDlgInit(LPCSTR lpszResourceName);

    // ---- text ----
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    // Registered by name once per process; the same name gives the same number.
    static UINT RegisterMessage(LPCSTR lpszName) { return ::RegisterWindowMessageA(lpszName); }

    // ---- styles ----
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // TRUE when a bit changed. A non-zero nFlags is passed to SetWindowPos to apply frame changes.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // ---- geometry ----
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };
    // Grows a client rectangle to the window rectangle that holds it.
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);
    // Lays out the child control bars whose ids lie in nIDFirst..nIDLast (each takes its room from the
    // client rectangle through WM_SIZEPARENT, in z-order) and gives the rest to the child nIDLeftOver.
    // reposQuery moves nothing and returns in lpRectParam the rectangle that would be left (bStretch)
    // or the bars' total size; reposExtra first shrinks what is left by lpRectParam's four sides.
    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2, reposNoPosLeftOver = 0x8000 };
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    // Centres over the owner (popups) or parent (child windows), or the work area; stays on screen.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL BringWindowToTop();

    // ---- relations ----
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    // The nearest ancestor that is not a child window (the window itself for top-level windows).
    CWnd* GetParentOwner() const;
    // The top-level window reached through parents and owners.
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    // The owner set by SetOwner, else the parent. Commands a control bar sends go to its owner.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr; }
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    virtual BOOL IsFrameWnd() const { return FALSE; }
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    CWnd* GetTopWindow() const;
    CWnd* GetLastActivePopup() const;
    BOOL IsChild(const CWnd* pWnd) const;
    // The window a modal dialog or message box should be owned by: pParent (or the main window) made
    // top-level, the last active popup of it. With pWndTop, the top-level window is disabled and
    // returned there (to enable again after the modal window closed).
    static CWnd* GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);
    static HWND GetSafeOwner_(HWND hParent, HWND* pWndTop);
    static CWnd* GetDesktopWindow();
    static CWnd* WindowFromPoint(POINT point);
    CWnd* ChildWindowFromPoint(POINT point) const;

    // ---- menus ----
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // ---- focus, capture, activation ----
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static BOOL ReleaseCapture() { return ::ReleaseCapture(); }
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();

    // ---- show, enable, redraw ----
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void ValidateRgn(CRgn* pRgn);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();
    BOOL FlashWindow(BOOL bInvert);
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    void DragAcceptFiles(BOOL bAccept = TRUE);

    // ---- scrolling ----
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    // The largest position the thumb can reach (range maximum less page size plus one).
    int GetScrollLimit(int nBar);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
    // A sibling scroll bar control that stands in for the window's own bar nBar (splitters); none here.
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                       LPRECT lpRectUpdate, UINT flags);

    // ---- misc ----
    // Caption defaults to the application's name.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
    // Shows tips for the child controls (the tools OnToolHitTest finds) through the thread's tool tip
    // control. A tip asked for by callback is answered by this window's ON_NOTIFY_EX(TTN_NEEDTEXT...)
    // handlers, else by the string resource of the control's id (its part after '\n'). FALSE when the
    // tool tip control cannot be made.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // The child control under point (client coordinates) as a tool: fills pTI and returns its id, or -1.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    BOOL SetWindowContextHelpId(DWORD dwContextHelpId);
    DWORD GetWindowContextHelpId() const;

    // ---- message handlers with a default behaviour ----
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnMoving(UINT fwSide, LPRECT pRect);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    // A list box with LBS_WANTKEYBOARDINPUT asks about a key: the list box object answers (VKeyToItem,
    // CharToItem), else the list box does its own handling (-1).
    afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex);
    afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnWinIniChange(LPCSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnFontChange();
    afx_msg void OnTimeChange();
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnEnterSizeMove();
    afx_msg void OnExitSizeMove();
    afx_msg void OnChildActivate();

    int m_nFlags = 0;       // WF_xxx
    int m_nModalResult = 0; // result of a modal loop (EndModalLoop)

protected:
    WNDPROC m_pfnSuper = nullptr; // the procedure a subclassed window had before
    HWND m_hWndOwner = nullptr;   // set by SetOwner

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam);
    friend LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    // WM_NCDESTROY's clean-up: restores the original window procedure, leaves the map, PostNcDestroy.
    void FinishNcDestroy();
    HWND ScrollBarHandle(int& nBar) const;
};

// The window procedure of every window that has a C++ object.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Calls pWnd->WindowProc with this thread's current message set, catching framework exceptions.
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// The next window this thread creates (through CreateWindowEx or a dialog function) is attached to pWnd
// and subclassed before its first message. AfxUnhookWindowCreate returns FALSE when no window was
// created in between.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

// Registers (once) a window class with the given style, cursor, background and icon, whose windows are
// handled by their C++ objects. Returns its generated name, valid for the life of the process.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
// Registers lpWndClass unless a class of that name exists; TRUE when the class is available.
BOOL AfxRegisterClass(WNDCLASSA* lpWndClass);

CHandleMap<CWnd, HWND>* AfxMapHWND();

#include "framework/win/AfxMsgWnd.h"
