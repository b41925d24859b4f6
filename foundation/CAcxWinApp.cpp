#include "foundation/CAcxWinApp.h"

#include "framework/win/CWnd.h"

#include <cstdlib>
#include <cstring>

namespace {

CString ClassNameFor(const char* instanceName) {
    if (instanceName == nullptr)
        return CString();
    return CString(instanceName) + "WndClass";
}

} // namespace

UINT AcxGotoForegroundMessage() {
    // Registered on first use, which the message maps' static initialisation makes program start.
    static const UINT message = ::RegisterWindowMessageA("ACX_GOTOFOREGROUND");
    return message;
}

CAcxWinApp* AcxGetApp() {
    return dynamic_cast<CAcxWinApp*>(AfxGetApp());
}

void AcxSendGotoForeground(CWnd* pWnd) {
    if (pWnd != nullptr && pWnd->m_hWnd != nullptr)
        ::SendMessageA(pWnd->m_hWnd, AcxGotoForegroundMessage(), 0, 0);
}

CAcxWinApp::CAcxWinApp(const char* instanceName)
    : m_strWndClassName(ClassNameFor(instanceName)), m_mutex(FALSE, instanceName), m_lock(&m_mutex, FALSE) {}

HWND CAcxWinApp::FindOtherInstanceWindow() const {
    return ::FindWindowA(m_strWndClassName, nullptr);
}

bool CAcxWinApp::FirstInstance(UINT iconId) {
    if (m_strWndClassName.IsEmpty())
        return false;
    if (!m_lock.Lock(0)) {
        // Another copy runs. It may still be starting: give it time to create its window once.
        HWND hWndOther = FindOtherInstanceWindow();
        if (hWndOther == nullptr) {
            ::Sleep(m_nFindRetryDelay);
            hWndOther = FindOtherInstanceWindow();
        }
        if (hWndOther != nullptr)
            ::SendMessageA(hWndOther, AcxGotoForegroundMessage(), 0, 0);
        return false;
    }
    return RegisterMainWindowClass(iconId);
}

bool CAcxWinApp::WaitForInstance(UINT iconId, DWORD timeout) {
    if (m_strWndClassName.IsEmpty() || !m_lock.Lock(timeout))
        return false;
    return RegisterMainWindowClass(iconId);
}

bool CAcxWinApp::RegisterMainWindowClass(UINT iconId) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(iconId));
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.lpszClassName = m_strWndClassName;
    if (::RegisterClassA(&wc) == 0)
        return false;
    m_bClassRegistered = true;
    return true;
}

int CAcxWinApp::ExitInstance() {
    if (m_bClassRegistered) {
        ::UnregisterClassA(m_strWndClassName, AfxGetInstanceHandle());
        m_bClassRegistered = false;
    }
    return CWinApp::ExitInstance();
}

void CAcxWinApp::SetRegistryPath(const char* key, const char* profile) {
    std::free(const_cast<char*>(m_pszRegistryKey));
    m_pszRegistryKey = key != nullptr ? _strdup(key) : nullptr;
    std::free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = profile != nullptr ? _strdup(profile) : nullptr;
}

bool CAcxWinApp::IsMainWindowVisible() {
    return m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr && ::IsWindowVisible(m_pMainWnd->m_hWnd);
}

void CAcxWinApp::ShowOwnedPopups(bool show) {
    ::ShowOwnedPopups(m_pMainWnd->m_hWnd, show ? TRUE : FALSE);
}

void CAcxWinApp::ActivateApp(bool show) {
    if (m_pMainWnd == nullptr || m_pMainWnd->m_hWnd == nullptr)
        return;
    HWND hWndMain = m_pMainWnd->m_hWnd;
    if (show) {
        HWND hWndPopup = ::GetLastActivePopup(hWndMain);
        if (!::IsWindowVisible(hWndMain)) {
            ::ShowWindow(hWndMain, SW_SHOW);
            ShowOwnedPopups(true);
        }
        if (::IsIconic(hWndMain))
            ::ShowWindow(hWndMain, SW_RESTORE);
        ::SetForegroundWindow(hWndPopup != nullptr ? hWndPopup : hWndMain);
        return;
    }
    if (IsMainWindowVisible() && !AfxOleGetUserCtrl()) {
        ::ShowWindow(hWndMain, SW_HIDE);
        ShowOwnedPopups(false);
    }
}
