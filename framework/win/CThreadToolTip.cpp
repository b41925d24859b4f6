#include "framework/win/CThreadToolTip.h"

#include "framework/win/CThreadSlot.h"
#include "framework/win/CToolTipCtrl.h"
#include "framework/win/CWnd.h"

#include <windowsx.h>

namespace {

bool IsClientMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

bool IsNonClientMouseMessage(UINT message) {
    return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
}

// The nearest window with tool tips enabled among hWnd and its parents (never past hWndStop, nor past
// the top-level window: an owned popup is not part of its owner's client area).
CWnd* WindowWithToolTips(HWND hWnd, HWND hWndStop) {
    for (; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && (pWnd->m_nFlags & WF_TOOLTIPS))
            return pWnd;
        if (hWnd == hWndStop || !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return nullptr;
}

} // namespace

CThreadToolTip::CThreadToolTip() = default;

CThreadToolTip::~CThreadToolTip() = default;

CThreadToolTip& CThreadToolTip::Get() {
    static CThreadSlot<CThreadToolTip> slot;
    return slot.Get();
}

CToolTipCtrl* CThreadToolTip::GetControl() const {
    return m_pToolTip != nullptr && m_pToolTip->m_hWnd != nullptr ? m_pToolTip.get() : nullptr;
}

CToolTipCtrl* CThreadToolTip::EnsureControl(CWnd* pOwner) {
    if (CToolTipCtrl* pToolTip = GetControl())
        return pToolTip;
    // None yet, or it went with the window that owned it: its tools went too.
    m_hWndTools = nullptr;
    m_nLastHit = -1;
    m_lastInfo = TOOLINFOA{};
    if (m_pToolTip == nullptr)
        m_pToolTip = std::make_unique<CToolTipCtrl>();
    if (!m_pToolTip->Create(pOwner, TTS_ALWAYSTIP))
        return nullptr;
    return m_pToolTip.get();
}

BOOL CThreadToolTip::Enable(CWnd* pWnd, BOOL bEnable) {
    if (pWnd == nullptr)
        return FALSE;
    if (bEnable) {
        if (EnsureControl(pWnd) == nullptr)
            return FALSE;
        pWnd->m_nFlags |= WF_TOOLTIPS;
        return TRUE;
    }
    pWnd->m_nFlags &= ~WF_TOOLTIPS;
    if (m_hWndTools != nullptr && m_hWndTools == pWnd->m_hWnd)
        ForgetTool();
    return TRUE;
}

void CThreadToolTip::ForgetTool() {
    if (CToolTipCtrl* pToolTip = GetControl(); pToolTip != nullptr && m_hWndTools != nullptr) {
        pToolTip->Pop();
        TOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = m_lastInfo.hwnd;
        ti.uId = m_lastInfo.uId;
        pToolTip->SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    m_hWndTools = nullptr;
    m_nLastHit = -1;
    m_lastInfo = TOOLINFOA{};
}

void CThreadToolTip::FilterMessage(HWND hWndStop, const MSG* pMsg) {
    const UINT message = pMsg->message;
    const bool mouse = IsClientMouseMessage(message) || IsNonClientMouseMessage(message);
    if (!mouse && message != WM_KEYDOWN && message != WM_SYSKEYDOWN)
        return;
    if (m_pToolTip == nullptr)
        return; // no window of this thread ever asked for tips
    if (!mouse) {
        if (CToolTipCtrl* pToolTip = GetControl(); pToolTip != nullptr && m_hWndTools != nullptr)
            pToolTip->Pop();
        return;
    }
    if (CWnd* pWnd = WindowWithToolTips(pMsg->hwnd, hWndStop))
        Relay(pWnd, pMsg);
    else if (m_hWndTools != nullptr)
        ForgetTool(); // the mouse is over a window without tips
}

void CThreadToolTip::Relay(CWnd* pWnd, const MSG* pMsg) {
    const bool client = IsClientMouseMessage(pMsg->message);
    POINT pt{GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)};
    if (client)
        ::MapWindowPoints(pMsg->hwnd, pWnd->m_hWnd, &pt, 1);
    else
        ::ScreenToClient(pWnd->m_hWnd, &pt);

    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    const INT_PTR nHit = pWnd->OnToolHitTest(CPoint(pt.x, pt.y), &ti);
    if (nHit == -1) {
        ForgetTool();
        return;
    }
    CToolTipCtrl* pToolTip = EnsureControl(pWnd);
    if (pToolTip == nullptr)
        return;
    const bool sameTool = m_hWndTools == pWnd->m_hWnd && m_nLastHit == nHit && m_lastInfo.hwnd == ti.hwnd &&
                          m_lastInfo.uId == ti.uId;
    if (!sameTool) {
        ForgetTool();
        // The messages come from here, not from a subclassed tool window.
        ti.uFlags &= ~TTF_SUBCLASS;
        if (!pToolTip->SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)))
            return;
        m_hWndTools = pWnd->m_hWnd;
        m_nLastHit = nHit;
        m_lastInfo = ti;
    }
    // The control knows a tool by the window a message is for: it gets the message as one of the tool's
    // window, in that window's client coordinates.
    HWND hWndTool = (ti.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(ti.uId) : ti.hwnd;
    POINT toolPt = pt;
    ::MapWindowPoints(pWnd->m_hWnd, hWndTool, &toolPt, 1);
    MSG relay = *pMsg;
    relay.hwnd = hWndTool;
    if (!client)
        relay.message = pMsg->message - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
    relay.lParam = MAKELPARAM(toolPt.x, toolPt.y);
    pToolTip->RelayEvent(&relay);
}

BOOL CThreadToolTip::SupplyText(NMHDR* pNMHDR, LRESULT* pResult) {
    CToolTipCtrl* pToolTip = GetControl();
    if (pToolTip == nullptr || pNMHDR == nullptr || pNMHDR->hwndFrom != pToolTip->m_hWnd)
        return FALSE;
    const bool ansi = pNMHDR->code == TTN_NEEDTEXTA;
    if (!ansi && pNMHDR->code != TTN_NEEDTEXTW)
        return FALSE;
    const UINT uFlags = ansi ? reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->uFlags
                             : reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->uFlags;
    UINT nID = static_cast<UINT>(pNMHDR->idFrom);
    if (uFlags & TTF_IDISHWND)
        nID = static_cast<WORD>(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)));
    CString text;
    if (nID == 0 || nID == 0xFFFF || !text.LoadString(nID))
        return FALSE;
    const int newline = text.Find('\n');
    m_strText = newline < 0 ? text : text.Mid(newline + 1);
    if (ansi) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        pInfo->hinst = nullptr;
        pInfo->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_strText));
    } else {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, m_strText, -1, nullptr, 0);
        m_strTextW.assign(static_cast<size_t>(length > 0 ? length : 1), L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, m_strText, -1, m_strTextW.data(), length);
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        pInfo->hinst = nullptr;
        pInfo->lpszText = m_strTextW.data();
    }
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}
