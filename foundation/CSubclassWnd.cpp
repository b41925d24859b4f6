#include "foundation/CSubclassWnd.h"

#include "framework/core/CMapPtrToPtr.h"
#include "framework/win/CWnd.h"

#include <unordered_map>

LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

// Window handle → first hook of its chain. Created on first use, destroyed at exit.
CMapPtrToPtr& HookChains() {
    static CMapPtrToPtr chains;
    static const bool sized = (chains.InitHashTable(10), true);
    (void)sized;
    return chains;
}

// Windows whose last hook went away while another procedure had been put in front of ours: ours must
// stay in place and keeps forwarding to the window's own procedure.
std::unordered_map<HWND, WNDPROC>& Forwarders() {
    static std::unordered_map<HWND, WNDPROC> forwarders;
    return forwarders;
}

CSubclassWnd* FirstHook(HWND hWnd) {
    void* first = nullptr;
    return HookChains().Lookup(hWnd, first) ? static_cast<CSubclassWnd*>(first) : nullptr;
}

WNDPROC CurrentProc(HWND hWnd) {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
}

// Makes msg the framework's current message of this thread for the life of the object (the hooks'
// Default() and CWnd::GetCurrentMessage read it), then puts the previous one back.
class CurrentMessageScope {
public:
    CurrentMessageScope(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
        : m_saved(CWnd::SetCurrentMessage(MSG{hWnd, msg, wParam, lParam, 0, {0, 0}})) {}
    ~CurrentMessageScope() { CWnd::SetCurrentMessage(m_saved); }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    MSG m_saved;
};

} // namespace

LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CSubclassWnd* first = FirstHook(hWnd);
    if (first == nullptr) {
        const auto forwarder = Forwarders().find(hWnd);
        if (forwarder == Forwarders().end())
            return ::DefWindowProcA(hWnd, msg, wParam, lParam);
        const WNDPROC own = forwarder->second;
        if (msg == WM_NCDESTROY)
            Forwarders().erase(forwarder);
        return ::CallWindowProcA(own, hWnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        // The window's last message: every hook lets go, then the window's own procedure finishes.
        const WNDPROC own = first->m_pOldWndProc;
        while (CSubclassWnd* hook = FirstHook(hWnd))
            hook->Unhook();
        return ::CallWindowProcA(own, hWnd, msg, wParam, lParam);
    }
    const CurrentMessageScope current(hWnd, msg, wParam, lParam);
    return first->WindowProc(msg, wParam, lParam);
}

CSubclassWnd::~CSubclassWnd() {
    Unhook();
}

bool CSubclassWnd::HookWindow(CWnd* pWnd) {
    return HookWindow(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr);
}

bool CSubclassWnd::HookWindow(HWND hWnd) {
    Unhook();
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return true;
    if (CSubclassWnd* first = FirstHook(hWnd)) {
        m_pOldWndProc = first->m_pOldWndProc;
        m_pNext = first;
    } else if (const auto forwarder = Forwarders().find(hWnd); forwarder != Forwarders().end()) {
        // Our procedure is still in the window's chain: take up its forwarding again.
        m_pOldWndProc = forwarder->second;
        Forwarders().erase(forwarder);
    } else {
        m_pOldWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassWndProc)));
    }
    m_hWnd = hWnd;
    HookChains().SetAt(hWnd, this);
    return true;
}

void CSubclassWnd::Unhook() {
    if (m_hWnd == nullptr)
        return;
    CSubclassWnd* first = FirstHook(m_hWnd);
    if (first == this) {
        if (m_pNext != nullptr) {
            HookChains().SetAt(m_hWnd, m_pNext);
        } else {
            HookChains().RemoveKey(m_hWnd);
            if (CurrentProc(m_hWnd) == &SubclassWndProc)
                ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pOldWndProc));
            else
                Forwarders()[m_hWnd] = m_pOldWndProc;
        }
    } else {
        for (CSubclassWnd* hook = first; hook != nullptr; hook = hook->m_pNext) {
            if (hook->m_pNext == this) {
                hook->m_pNext = m_pNext;
                break;
            }
        }
    }
    m_hWnd = nullptr;
    m_pNext = nullptr;
    m_pOldWndProc = nullptr;
}

LRESULT CSubclassWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallNext(msg, wParam, lParam);
}

LRESULT CSubclassWnd::Default() {
    const MSG* current = CWnd::GetCurrentMessage();
    return CallNext(current->message, current->wParam, current->lParam);
}

LRESULT CSubclassWnd::CallNext(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pNext != nullptr)
        return m_pNext->WindowProc(msg, wParam, lParam);
    if (m_pOldWndProc != nullptr)
        return ::CallWindowProcA(m_pOldWndProc, m_hWnd, msg, wParam, lParam);
    // Unhooked while handling the message: nothing is left to pass it to but the default handling.
    const MSG* current = CWnd::GetCurrentMessage();
    return ::DefWindowProcA(current->hwnd, msg, wParam, lParam);
}
