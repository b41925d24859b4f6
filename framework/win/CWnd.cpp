#include "framework/win/CWnd.h"

#include "framework/core/CResourceException.h"
#include "framework/core/CUserException.h"
#include "framework/win/AfxDlgSupport.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CDataExchange.h"
#include "framework/win/CRgn.h"
#include "framework/win/CThreadToolTip.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWinThread.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_VKEYTOITEM()
ON_WM_CHARTOITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

// ---- per-thread state of the window layer ----
thread_local MSG t_lastSentMsg{};                   // message being processed by AfxCallWndProc
thread_local CWnd* t_pWndInit = nullptr;            // object waiting for the next window created
thread_local HHOOK t_hHookCbt = nullptr;            // creation hook while t_pWndInit is pending
thread_local HWND t_hLockoutNotifyWindow = nullptr; // UpdateData runs: ignore its children's notifications

void ClearWndHandle(CWnd* wnd) {
    wnd->m_hWnd = nullptr;
}

// Only the command's enabled state matters when a command is checked before it runs.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}

    BOOL m_bEnabled = TRUE;
};

// Clears the lockout of UpdateData on every way out.
class NotifyLockout {
public:
    explicit NotifyLockout(HWND hWnd) : m_old(t_hLockoutNotifyWindow) { t_hLockoutNotifyWindow = hWnd; }
    ~NotifyLockout() { t_hLockoutNotifyWindow = m_old; }
    NotifyLockout(const NotifyLockout&) = delete;
    NotifyLockout& operator=(const NotifyLockout&) = delete;

private:
    HWND m_old;
};

bool IsImeClass(LPCSTR lpszClass) {
    return lpszClass != nullptr && !IS_INTRESOURCE(lpszClass) && lstrcmpiA(lpszClass, "IME") == 0;
}

LPCSTR DefaultWindowClass() {
    static const char name[] = "AfxWnd";
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return name;
}

// The parent of a child window, the owner of a popup.
HWND ParentOrOwner(HWND hWnd) {
    if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

CWnd* FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm) {
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == nID) {
            CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(hChild) : CWnd::FromHandle(hChild);
            if (pWnd != nullptr)
                return pWnd;
        }
    }
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (CWnd* pWnd = FindDescendant(hChild, nID, bOnlyPerm))
            return pWnd;
    }
    return nullptr;
}

} // namespace

CHandleMap<CWnd, HWND>* AfxMapHWND() {
    return AfxThreadHandleMap<CWnd, HWND, &ClearWndHandle>();
}

// ---------------------------------------------------------------------------------------------------
// Window procedure, creation hook, class registration

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    const MSG saved = t_lastSentMsg;
    t_lastSentMsg = MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}};
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        lResult = AfxProcessWndProcException(e, &t_lastSentMsg);
        e->Delete();
    }
    // A handler of WM_NCDESTROY that did not call the base class leaves the object attached to a
    // window that no longer exists; finish the clean-up for it.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->FinishNcDestroy();
    t_lastSentMsg = saved;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pWndInit != nullptr) {
        const auto* cbt = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (!IsImeClass(cbt->lpcs->lpszClass)) {
            HWND hWnd = reinterpret_cast<HWND>(wParam);
            CWnd* pWnd = t_pWndInit;
            t_pWndInit = nullptr;
            pWnd->Attach(hWnd);
            pWnd->PreSubclassWindow();
            auto old = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
            if (old != &AfxWndProc)
                pWnd->m_pfnSuper = old;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd) {
    if (t_hHookCbt == nullptr) {
        t_hHookCbt = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
        if (t_hHookCbt == nullptr)
            AfxThrowResourceException();
    }
    t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    if (t_hHookCbt != nullptr) {
        ::UnhookWindowsHookEx(t_hHookCbt);
        t_hHookCbt = nullptr;
    }
    if (t_pWndInit != nullptr) {
        t_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL AfxRegisterClass(WNDCLASSA* lpWndClass) {
    WNDCLASSA existing{};
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    static std::mutex lock;
    static std::set<std::string> names; // the strings handed out stay valid while the process runs
    HINSTANCE hInstance = AfxGetInstanceHandle();
    char name[128];
    std::snprintf(name, sizeof name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
                  static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    std::lock_guard<std::mutex> guard(lock);
    auto found = names.find(name);
    if (found != names.end())
        return found->c_str();
    WNDCLASSA wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return names.insert(name).first->c_str();
}

// ---------------------------------------------------------------------------------------------------
// Handle map

CWnd::~CWnd() {
    if (this == &wndTop || this == &wndBottom || this == &wndTopMost || this == &wndNoTopMost)
        return;
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    // Destruction failed (a window of another thread, or one already being destroyed): forget it.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr)
        return nullptr;
    CHandleMap<CWnd, HWND>* map = AfxMapHWND();
    if (CWnd* pWnd = map->LookupPermanent(hWnd))
        return pWnd;
    if (CWnd* pWnd = map->LookupTemporary(hWnd))
        return pWnd;
    auto wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = hWnd;
    return map->AddTemporary(hWnd, std::move(wrapper));
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return hWnd == nullptr ? nullptr : AfxMapHWND()->LookupPermanent(hWnd);
}

void CWnd::DeleteTempMap() {
    AfxMapHWND()->DeleteTemporary();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    AfxMapHWND()->SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        AfxMapHWND()->RemovePermanent(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    // Messages of a window arrive on the thread that created it, where this thread's map is unknown.
    if (hWnd == nullptr || ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId())
        return FALSE;
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old == nullptr) {
        Detach();
        return FALSE;
    }
    if (old != &AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// ---------------------------------------------------------------------------------------------------
// Creation and destruction

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCTA cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                          cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // Creation failed before the window existed: the object never saw WM_NCDESTROY.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == nullptr)
        cs.lpszClass = DefaultWindowClass();
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    const bool permanent = FromHandlePermanent(m_hWnd) == this;
    const BOOL result = ::DestroyWindow(m_hWnd);
    // A permanent object leaves the map in OnNcDestroy; a mere wrapper forgets the handle here.
    if (!permanent && result)
        m_hWnd = nullptr;
    return result;
}

void CWnd::FinishNcDestroy() {
    if (m_pfnSuper != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

void CWnd::OnNcDestroy() {
    // The main window is gone: the thread's message loop ends.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this) {
        if (AfxOleGetUserCtrl())
            ::PostQuitMessage(0);
        pThread->m_pMainWnd = nullptr;
    }
    Default();
    FinishNcDestroy();
}

// ---------------------------------------------------------------------------------------------------
// Message dispatch

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        const auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    } else {
        const UINT lookup =
            (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? WM_CTLCOLOR : message;
        const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(lookup);
        if (entry == nullptr)
            return FALSE;
        AFX_MSGCALL call{message, wParam, lParam, 0, nullptr, 0};
        if (!entry->pfn(this, call))
            return FALSE;
        lResult = call.lResult;
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = t_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage() {
    t_lastSentMsg.time = static_cast<DWORD>(::GetMessageTime());
    const DWORD pos = ::GetMessagePos();
    t_lastSentMsg.pt = POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    return &t_lastSentMsg;
}

MSG CWnd::SetCurrentMessage(const MSG& msg) {
    const MSG previous = t_lastSentMsg;
    t_lastSentMsg = msg;
    return previous;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg) {
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, lpMsg);
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    // The tool tip sees the mouse first: a window's PreTranslateMessage may take the message.
    CThreadToolTip::Get().FilterMessage(hWndStop, pMsg);
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // Menu item or accelerator: a command its update handlers disabled is not carried out.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (t_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        if (pChild != nullptr && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    const HWND hWndCtrl = pNMHDR->hwndFrom;
    const UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
    const int nCode = static_cast<int>(pNMHDR->code);
    if (t_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    CWnd* pChild = FromHandlePermanent(hWndCtrl);
    if (pChild != nullptr && pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, pNMHDR};
    if (OnCmdMsg(nID, static_cast<int>(MAKELONG(nCode, WM_NOTIFY)), &notify, nullptr))
        return TRUE;
    // A tip of a child control that no handler of this window answered.
    return CThreadToolTip::Get().SupplyText(pNMHDR, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
        const int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND)), nullptr,
                                 nullptr)) {
            if (pResult != nullptr)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        LRESULT ignored = 0;
        AFX_NOTIFY notify{pResult != nullptr ? pResult : &ignored, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)),
                                    &notify, nullptr);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl{m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
            return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
        }
        return FALSE;
    }
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& msg = t_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendNotifyMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) {
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) {
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (bOnlyPerm) {
            if (CWnd* pWnd = FromHandlePermanent(hChild))
                AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        } else {
            ::SendMessageA(hChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hChild) != nullptr)
            SendMessageToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                        void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD)) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    return ::KillTimer(m_hWnd, nIDEvent);
}

// ---------------------------------------------------------------------------------------------------
// Modal loop

int CWnd::RunModalLoop(DWORD dwFlags) {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    const HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG peek{};

    for (;;) {
        // Idle time: show the window the first time, then let it and its owner do idle work.
        while (bIdle && !::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
            if (!ContinueModal())
                goto ExitModal;
        }
        // Messages until the queue is empty again.
        do {
            if (!AfxPumpMessage()) {
                ::PostQuitMessage(static_cast<int>(AfxGetCurrentMessage()->wParam));
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            const MSG* pMsg = AfxGetCurrentMessage();
            if (bShowIdle &&
                (pMsg->message == 0x118 /* system timer (caret) */ || pMsg->message == WM_SYSKEYDOWN)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal())
                goto ExitModal;
            if (AfxIsIdleMessage(AfxGetCurrentMessage())) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }

ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL); // wakes the loop if it waits for a message
    }
}

// ---------------------------------------------------------------------------------------------------
// Data exchange and command UI of child controls

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    // Controls notify their parent when DoDataExchange changes them; those are not user actions.
    NotifyLockout lockout(m_hWnd);
    try {
        DoDataExchange(&dx);
        return TRUE;
    } catch (CUserException* e) {
        // The user has been told what is wrong; nothing of this exchange is kept.
        e->Delete();
    } catch (CException* e) {
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
    }
    dx.RestoreValues();
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName) {
    if (lpszResourceName == nullptr)
        return TRUE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT);
    if (hResource == nullptr)
        return TRUE;
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const void* lpData = hData != nullptr ? ::LockResource(hData) : nullptr;
    return lpData != nullptr && AfxExecuteDlgInit(m_hWnd, lpData, ::SizeofResource(hInst, hResource));
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    CCmdUI state;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        state.m_nID = static_cast<UINT>(static_cast<WORD>(::GetDlgCtrlID(hChild)));
        state.m_pOther = FromHandle(hChild);
        // The control's own reflected update handler comes first, then this window's, then pTarget's.
        if (CWnd* pChild = FromHandlePermanent(hChild)) {
            if (pChild->CCmdTarget::OnCmdMsg(
                    0, static_cast<int>(MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE)), &state, nullptr))
                continue;
        }
        if (CCmdTarget::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        // Only push buttons without a handler are disabled; check boxes and radio buttons work alone.
        BOOL bDisable = bDisableIfNoHndler;
        if (bDisable) {
            if ((::SendMessageA(hChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0) {
                bDisable = FALSE;
            } else {
                const UINT nStyle = static_cast<UINT>(::GetWindowLongA(hChild, GWL_STYLE) & 0x0F);
                if (nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_GROUPBOX ||
                    nStyle == BS_AUTORADIOBUTTON)
                    bDisable = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisable);
    }
}

// ---------------------------------------------------------------------------------------------------
// Text

void CWnd::SetWindowText(LPCSTR lpszString) {
    ::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

namespace {
void TextOf(HWND hWnd, CString& rString) {
    const int length = ::GetWindowTextLengthA(hWnd);
    if (length <= 0) {
        rString.Empty();
        return;
    }
    const int copied = ::GetWindowTextA(hWnd, rString.GetBuffer(length), length + 1);
    rString.ReleaseBuffer(copied);
}
} // namespace

void CWnd::GetWindowText(CString& rString) const {
    TextOf(m_hWnd, rString);
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthA(m_hWnd);
}

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) {
    ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const {
    return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem == nullptr) {
        rString.Empty();
        return 0;
    }
    TextOf(hItem, rString);
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) {
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID) {
        if (::IsDlgButtonChecked(m_hWnd, nID) == BST_CHECKED)
            return nID;
    }
    return 0;
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), bRedraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}

// ---------------------------------------------------------------------------------------------------
// Styles and geometry

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
}

namespace {
BOOL ModifyWindowLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const auto dwOld = static_cast<DWORD>(::GetWindowLongA(hWnd, nIndex));
    const DWORD dwNew = (dwOld & ~dwRemove) | dwAdd;
    if (dwOld == dwNew)
        return FALSE;
    ::SetWindowLongA(hWnd, nIndex, static_cast<LONG>(dwNew));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyWindowLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyWindowLong(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyWindowLong(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const {
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType) {
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
    if (lpLayout->hDWP == nullptr || hWnd == nullptr)
        return;
    RECT current{};
    ::GetWindowRect(hWnd, &current);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&current), 2);
    if (::EqualRect(&current, lpRect))
        return;
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                      lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                      SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch) {
    AFX_SIZEPARENTPARAMS layout{};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    const bool query = (nFlags & ~reposNoPosLeftOver) == reposQuery;
    layout.hDWP = query ? nullptr : ::BeginDeferWindowPos(8);

    // Bars earlier in z-order take their room first, so they sit outermost.
    HWND hWndLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const UINT nID = static_cast<UINT>(static_cast<WORD>(::GetDlgCtrlID(hChild)));
        if (nID == nIDLeftOver && nIDLeftOver != 0)
            hWndLeftOver = hChild;
        else if (nID >= nIDFirst && nID <= nIDLast && FromHandlePermanent(hChild) != nullptr)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (query) {
        if (lpRectParam != nullptr) {
            if (bStretch)
                *lpRectParam = layout.rect;
            else
                ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        }
        return;
    }
    if (hWndLeftOver != nullptr && !(nFlags & reposNoPosLeftOver)) {
        if ((nFlags & ~reposNoPosLeftOver) == reposExtra && lpRectParam != nullptr) {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        if (CWnd* pLeftOver = FromHandlePermanent(hWndLeftOver))
            pLeftOver->CalcWindowRect(&layout.rect);
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const {
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) {
    return ::SetWindowPlacement(m_hWnd, lpwndpl);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    const DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (pAlternateOwner == nullptr) {
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter != nullptr) {
            // The owner may name another window to centre over (a frame over its active view ...).
            if (HWND hWndOther = reinterpret_cast<HWND>(::SendMessageA(hWndCenter, WM_QUERYCENTERWND, 0, 0)))
                hWndCenter = hWndOther;
        }
    }
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea;
    CRect rcCenter;
    if (!(dwStyle & WS_CHILD)) {
        if (hWndCenter != nullptr) {
            const DWORD dwCenterStyle = static_cast<DWORD>(::GetWindowLongA(hWndCenter, GWL_STYLE));
            if (!(dwCenterStyle & WS_VISIBLE) || (dwCenterStyle & WS_MINIMIZE))
                hWndCenter = nullptr;
        }
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        if (hWndCenter == nullptr) {
            HWND hWndDefault = AfxGetMainWnd()->GetSafeHwnd();
            ::GetMonitorInfoA(::MonitorFromWindow(hWndDefault, MONITOR_DEFAULTTOPRIMARY), &mi);
            rcCenter = mi.rcWork;
            rcArea = mi.rcWork;
        } else {
            ::GetWindowRect(hWndCenter, &rcCenter);
            ::GetMonitorInfoA(::MonitorFromWindow(hWndCenter, MONITOR_DEFAULTTONEAREST), &mi);
            rcArea = mi.rcWork;
        }
    } else {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        ::GetClientRect(hWndCenter, &rcCenter);
        ::MapWindowPoints(hWndCenter, hWndParent, reinterpret_cast<LPPOINT>(&rcCenter), 2);
    }
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    xLeft = std::max(std::min(xLeft, static_cast<int>(rcArea.right) - rcDlg.Width()),
                     static_cast<int>(rcArea.left));
    yTop = std::max(std::min(yTop, static_cast<int>(rcArea.bottom) - rcDlg.Height()),
                    static_cast<int>(rcArea.top));
    SetWindowPos(nullptr, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsZoomed() const {
    return ::IsZoomed(m_hWnd);
}

BOOL CWnd::BringWindowToTop() {
    return ::BringWindowToTop(m_hWnd);
}

// ---------------------------------------------------------------------------------------------------
// Relations

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

CWnd* CWnd::GetParentOwner() const {
    HWND hWnd = m_hWnd;
    HWND hWndParent = nullptr;
    while ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) && (hWndParent = ::GetParent(hWnd)) != nullptr)
        hWnd = hWndParent;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelParent() const {
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hWndNext = ParentOrOwner(hWnd); hWndNext != nullptr; hWndNext = ParentOrOwner(hWnd))
        hWnd = hWndNext;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const {
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER); hWndOwner != nullptr;
         hWndOwner = ::GetWindow(hWnd, GW_OWNER))
        hWnd = hWndOwner;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetOwner() const {
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

// Frame windows derive from CWnd alone (first base), so a frame seen as CWnd is the same object.
CFrameWnd* CWnd::GetParentFrame() const {
    if (m_hWnd == nullptr)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent()) {
        if (pParent->IsFrameWnd())
            return reinterpret_cast<CFrameWnd*>(pParent);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
    if (m_hWnd == nullptr)
        return nullptr;
    const CWnd* pFrame = IsFrameWnd() ? this : reinterpret_cast<CWnd*>(GetParentFrame());
    while (pFrame != nullptr) {
        CWnd* pNext = reinterpret_cast<CWnd*>(pFrame->GetParentFrame());
        if (pNext == nullptr)
            break;
        pFrame = pNext;
    }
    return reinterpret_cast<CFrameWnd*>(const_cast<CWnd*>(pFrame));
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const {
    *phWnd = ::GetDlgItem(m_hWnd, nID);
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
    return FindDescendant(m_hWnd, nID, bOnlyPerm);
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID) {
    return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(nID)));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const {
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetNextWindow(UINT nFlag) const {
    return FromHandle(::GetWindow(m_hWnd, nFlag));
}

CWnd* CWnd::GetTopWindow() const {
    return FromHandle(::GetTopWindow(m_hWnd));
}

CWnd* CWnd::GetLastActivePopup() const {
    return FromHandle(::GetLastActivePopup(m_hWnd));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
    return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
}

HWND CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop) {
    HWND hWnd = hParent;
    if (hWnd == nullptr)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();
    // A popup window cannot be owned by a child window.
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    HWND hWndTop = hWnd;
    for (HWND hWndNext = hWnd; hWndNext != nullptr; hWndNext = ::GetParent(hWndTop))
        hWndTop = hWndNext;
    if (hParent == nullptr && hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    if (pWndTop != nullptr) {
        if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd) {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        } else {
            *pWndTop = nullptr;
        }
    }
    return hWnd;
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop) {
    return FromHandle(GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop));
}

CWnd* CWnd::GetDesktopWindow() {
    return FromHandle(::GetDesktopWindow());
}

CWnd* CWnd::WindowFromPoint(POINT point) {
    return FromHandle(::WindowFromPoint(point));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const {
    return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}

// ---------------------------------------------------------------------------------------------------
// Menus, focus, visibility

CMenu* CWnd::GetMenu() const {
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu) {
    return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu());
}

void CWnd::DrawMenuBar() {
    ::DrawMenuBar(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetCapture() {
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::GetCapture() {
    return FromHandle(::GetCapture());
}

BOOL CWnd::SetForegroundWindow() {
    return ::SetForegroundWindow(m_hWnd);
}

CWnd* CWnd::GetForegroundWindow() {
    return FromHandle(::GetForegroundWindow());
}

CWnd* CWnd::SetActiveWindow() {
    return FromHandle(::SetActiveWindow(m_hWnd));
}

CWnd* CWnd::GetActiveWindow() {
    return FromHandle(::GetActiveWindow());
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

void CWnd::Invalidate(BOOL bErase) {
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase) {
    ::InvalidateRgn(m_hWnd, static_cast<HRGN>(pRgn->GetSafeHandle()), bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect) {
    ::ValidateRect(m_hWnd, lpRect);
}

void CWnd::ValidateRgn(CRgn* pRgn) {
    ::ValidateRgn(m_hWnd, static_cast<HRGN>(pRgn->GetSafeHandle()));
}

void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags) {
    return ::RedrawWindow(m_hWnd, lpRectUpdate, static_cast<HRGN>(prgnUpdate->GetSafeHandle()), flags);
}

void CWnd::SetRedraw(BOOL bRedraw) {
    ::SendMessageA(m_hWnd, WM_SETREDRAW, bRedraw, 0);
}

BOOL CWnd::LockWindowUpdate() {
    return ::LockWindowUpdate(m_hWnd);
}

void CWnd::UnlockWindowUpdate() {
    ::LockWindowUpdate(nullptr);
}

BOOL CWnd::FlashWindow(BOOL bInvert) {
    return ::FlashWindow(m_hWnd, bInvert);
}

CDC* CWnd::GetDC() {
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC() {
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC) {
    return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc());
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                                  reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}

void CWnd::DragAcceptFiles(BOOL bAccept) {
    ::DragAcceptFiles(m_hWnd, bAccept);
}

// ---------------------------------------------------------------------------------------------------
// Scrolling

CScrollBar* CWnd::GetScrollBarCtrl(int) const {
    return nullptr;
}

// The window that carries scroll bar nBar: a stand-in control (nBar becomes SB_CTL) or this window.
// Every scroll bar control object is a CWnd (its only base), so it can be seen as one.
HWND CWnd::ScrollBarHandle(int& nBar) const {
    if (nBar != SB_BOTH) {
        if (CScrollBar* pScrollBar = GetScrollBarCtrl(nBar)) {
            nBar = SB_CTL;
            return reinterpret_cast<CWnd*>(pScrollBar)->m_hWnd;
        }
    }
    return m_hWnd;
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    HWND hWnd = ScrollBarHandle(nBar);
    ::SetScrollInfo(hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    HWND hWnd = ScrollBarHandle(nBar);
    return ::GetScrollInfo(hWnd, nBar, lpScrollInfo);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
    HWND hWnd = ScrollBarHandle(nBar);
    return ::SetScrollPos(hWnd, nBar, nPos, bRedraw);
}

int CWnd::GetScrollPos(int nBar) const {
    HWND hWnd = ScrollBarHandle(nBar);
    return ::GetScrollPos(hWnd, nBar);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    HWND hWnd = ScrollBarHandle(nBar);
    ::SetScrollRange(hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
    HWND hWnd = ScrollBarHandle(nBar);
    ::GetScrollRange(hWnd, nBar, lpMinPos, lpMaxPos);
}

int CWnd::GetScrollLimit(int nBar) {
    int nMin = 0;
    int nMax = 0;
    GetScrollRange(nBar, &nMin, &nMax);
    SCROLLINFO info{};
    if (GetScrollInfo(nBar, &info, SIF_PAGE) && info.nPage > 1)
        nMax -= static_cast<int>(info.nPage) - 1;
    return nMax;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
    ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable) {
    if (nBar == SB_BOTH) {
        EnableScrollBarCtrl(SB_HORZ, bEnable);
        EnableScrollBarCtrl(SB_VERT, bEnable);
        return;
    }
    int nCtlBar = nBar;
    HWND hWnd = ScrollBarHandle(nCtlBar);
    if (nCtlBar == SB_CTL)
        ::EnableWindow(hWnd, bEnable);
    else
        ShowScrollBar(static_cast<UINT>(nBar), bEnable);
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags) {
    return ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags);
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect) {
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags) {
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            static_cast<HRGN>(prgnUpdate->GetSafeHandle()), lpRectUpdate, flags);
}

// ---------------------------------------------------------------------------------------------------
// Misc

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption != nullptr ? lpszCaption : AfxGetAppName(), nType);
}

BOOL CWnd::EnableToolTips(BOOL bEnable) {
    return CThreadToolTip::Get().Enable(this, bEnable);
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
    HWND hWndHit = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        // Static texts (id -1) and hidden windows are not tools.
        if (static_cast<WORD>(::GetDlgCtrlID(hChild)) == static_cast<WORD>(-1) || !::IsWindowVisible(hChild))
            continue;
        CRect rect;
        ::GetWindowRect(hChild, &rect);
        ScreenToClient(&rect);
        if (rect.PtInRect(point)) {
            hWndHit = hChild;
            break;
        }
    }
    if (hWndHit == nullptr)
        return -1;
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(hWndHit);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return ::GetDlgCtrlID(hWndHit);
}

BOOL CWnd::SetWindowContextHelpId(DWORD dwContextHelpId) {
    return ::SetWindowContextHelpId(m_hWnd, dwContextHelpId);
}

DWORD CWnd::GetWindowContextHelpId() const {
    return ::GetWindowContextHelpId(m_hWnd);
}

// ---------------------------------------------------------------------------------------------------
// Default message handlers: the window's default processing of the current message, and reflection of
// notifications to the controls that sent them.

int CWnd::OnCreate(LPCREATESTRUCTA) {
    return static_cast<int>(Default());
}
BOOL CWnd::OnNcCreate(LPCREATESTRUCTA) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnSizing(UINT, LPRECT) {
    Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnMoving(UINT, LPRECT) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
void CWnd::OnNcPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnDeadChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysDeadChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseHover(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseLeave() {
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return static_cast<BOOL>(Default());
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return static_cast<int>(Default());
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}
void CWnd::OnActivateApp(BOOL, DWORD) {
    Default();
}
BOOL CWnd::OnNcActivate(BOOL) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnEnable(BOOL) {
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}
LRESULT CWnd::OnNcHitTest(CPoint) {
    return Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
    Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}
void CWnd::OnInitMenu(CMenu*) {
    Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {
    Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU) {
    Default();
}
void CWnd::OnEnterMenuLoop(BOOL) {
    Default();
}
void CWnd::OnExitMenuLoop(BOOL) {
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
BOOL CWnd::OnHelpInfo(HELPINFO*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnWindowPosChanged(WINDOWPOS*) {
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*) {
    Default();
}
BOOL CWnd::OnQueryEndSession() {
    return static_cast<BOOL>(Default());
}
void CWnd::OnEndSession(BOOL) {
    Default();
}
void CWnd::OnDropFiles(HDROP) {
    Default();
}
UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}
void CWnd::OnCaptureChanged(CWnd*) {
    Default();
}
void CWnd::OnCancelMode() {
    Default();
}
void CWnd::OnSettingChange(UINT, LPCSTR) {
    Default();
}
void CWnd::OnWinIniChange(LPCSTR) {
    Default();
}
void CWnd::OnSysColorChange() {
    Default();
}
void CWnd::OnFontChange() {
    Default();
}
void CWnd::OnTimeChange() {
    Default();
}
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnEnterIdle(UINT, CWnd*) {
    Default();
}
void CWnd::OnEnterSizeMove() {
    Default();
}
void CWnd::OnExitSizeMove() {
    Default();
}
void CWnd::OnChildActivate() {
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
    LRESULT lResult = 0;
    if (pWnd != nullptr && pWnd->SendChildNotifyLastMsg(&lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct->CtlType == ODT_MENU ? AfxDrawMenuItem(m_hWnd, lpDrawItemStruct)
                                              : ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        if (AfxMeasureMenuItem(m_hWnd, lpMeasureItemStruct))
            return;
    } else {
        CWnd* pChild = GetDescendantWindow(static_cast<int>(lpMeasureItemStruct->CtlID), TRUE);
        if (pChild != nullptr && pChild->SendChildNotifyLastMsg())
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct) {
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct) {
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox*, UINT) {
    LRESULT lResult = -1;
    if (ReflectLastMsg(reinterpret_cast<HWND>(t_lastSentMsg.lParam), &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

int CWnd::OnCharToItem(UINT, CListBox*, UINT) {
    LRESULT lResult = -1;
    if (ReflectLastMsg(reinterpret_cast<HWND>(t_lastSentMsg.lParam), &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    const auto hWndCtl = reinterpret_cast<HWND>(t_lastSentMsg.lParam);
    if (hWndCtl != nullptr && ReflectLastMsg(hWndCtl))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    const auto hWndCtl = reinterpret_cast<HWND>(t_lastSentMsg.lParam);
    if (hWndCtl != nullptr && ReflectLastMsg(hWndCtl))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam) {
    const UINT event = LOWORD(message);
    if ((event == WM_CREATE || event == WM_DESTROY) && ReflectLastMsg(reinterpret_cast<HWND>(lParam)))
        return;
    Default();
}
