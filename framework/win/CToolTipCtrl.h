// CToolTipCtrl: a tool tip window for the tools (windows or rectangles of a window) added to it. The
// window that owns the tips passes its mouse messages on with RelayEvent.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

// A TOOLINFO with room for the tool's text.
class CToolInfo : public TOOLINFOA {
public:
    char szText[INFOTIPSIZE];
};

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;

    // A pop-up window owned by pParentWnd; dwStyle adds TTS_ styles (TTS_ALWAYSTIP, TTS_NOPREFIX ...).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwStyle = 0, DWORD dwStyleEx = 0);

    // ---- tools ----
    // Without a rectangle (and nIDTool 0) the whole window pWnd is the tool; with one, the rectangle
    // (client coordinates of pWnd) is tool nIDTool of pWnd. LPSTR_TEXTCALLBACK asks pWnd's parent for
    // the text through TTN_GETDISPINFO.
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const;
    // Empty when the tool is unknown.
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFOA lpToolInfo);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    // The tool of pWnd at pt (client coordinates of pWnd); fills lpToolInfo.
    BOOL HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const;
    // The TOOLINFO that names tool nIDTool of pWnd (the window itself for nIDTool 0).
    void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;

    // ---- behaviour ----
    // Passes a mouse message of a tool's window to the control, which shows and hides the tips.
    void RelayEvent(LPMSG lpMsg);
    void Activate(BOOL bActivate);
    // Hides the tip shown now.
    void Pop();
    void Update();
    // Milliseconds before a tip shows (and the other delays derived from it).
    void SetDelayTime(UINT nDelay);
    // dwDuration: TTDT_AUTOPOP, TTDT_INITIAL, TTDT_RESHOW or TTDT_AUTOMATIC; iTime -1 restores the default.
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    // Tips wider than iWidth pixels break into lines; -1 allows any width. Returns the previous width.
    int SetMaxTipWidth(int iWidth);
    int GetMaxTipWidth() const;
    void GetMargin(LPRECT lprc) const;
    void SetMargin(LPRECT lprc);
    COLORREF GetTipBkColor() const;
    void SetTipBkColor(COLORREF clr);
    COLORREF GetTipTextColor() const;
    void SetTipTextColor(COLORREF clr);
    BOOL SetTitle(UINT uIcon, LPCSTR lpstrTitle);
};
