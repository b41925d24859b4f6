// CThreadToolTip: the one tool tip control of a thread that shows the tips of the child controls of
// windows that called CWnd::EnableToolTips. The message pump passes it the mouse messages of those
// windows (and of their descendants); it asks the window for the tool under the mouse (OnToolHitTest),
// keeps that single tool in the control and relays the message to it. Tips whose text is asked for by
// callback get, unless the window answers TTN_NEEDTEXT itself, the tool tip part of the string resource
// with the control's id.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

#include <commctrl.h>

#include <memory>
#include <string>

class CToolTipCtrl;
class CWnd;

class CThreadToolTip {
public:
    CThreadToolTip();
    ~CThreadToolTip();
    CThreadToolTip(const CThreadToolTip&) = delete;
    CThreadToolTip& operator=(const CThreadToolTip&) = delete;

    // The calling thread's instance, made on first use and deleted when the thread ends.
    static CThreadToolTip& Get();

    // Turns the tips of pWnd's tools on (creating the control when the thread has none) or off.
    // FALSE when the control cannot be made.
    BOOL Enable(CWnd* pWnd, BOOL bEnable);
    // The control, or nullptr while the thread has none.
    CToolTipCtrl* GetControl() const;

    // Passes a message of the thread's queue to the tip of the nearest window, from the message's
    // window up to hWndStop, that has tool tips enabled. Mouse messages move or hide the tip; a key
    // hides it.
    void FilterMessage(HWND hWndStop, const MSG* pMsg);

    // The default answer to TTN_NEEDTEXT from this thread's control: the text after '\n' of the string
    // resource with the tool's control id (the whole string when it has no '\n'). FALSE when pNMHDR is
    // not such a request or there is no string.
    BOOL SupplyText(NMHDR* pNMHDR, LRESULT* pResult);

private:
    CToolTipCtrl* EnsureControl(CWnd* pOwner);
    void Relay(CWnd* pWnd, const MSG* pMsg);
    // Takes the tool of the last hit out of the control and hides its tip.
    void ForgetTool();

    std::unique_ptr<CToolTipCtrl> m_pToolTip;
    HWND m_hWndTools = nullptr; // the window whose tool is in the control
    INT_PTR m_nLastHit = -1;
    TOOLINFOA m_lastInfo{};
    // The text handed to the control lives here until the next request.
    CString m_strText;
    std::wstring m_strTextW;
};
