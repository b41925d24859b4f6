#include "shell/CBrindlemarkWinApp.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "foundation/SystemText.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CWnd.h"
#include "resource.h"
#include "shell/CMainFrame.h"
#include "timelog/CLogDoc.h"

#include <htmlhelp.h>

#include <cstring>

CBrindlemarkWinApp* BrindlemarkApp() {
    return dynamic_cast<CBrindlemarkWinApp*>(AfxGetApp());
}

void PostAppExit() {
    if (CWnd* pMain = AfxGetMainWnd(); pMain != nullptr && pMain->m_hWnd != nullptr)
        pMain->PostMessage(WM_COMMAND, ID_APP_EXIT);
}

StartupShow DecideStartupShow(bool trayStart, bool hasLaunched, bool hideAtStartup, bool mainIcon,
                              bool logOpened) {
    // Without the main tray icon a hidden program could not be reached again.
    if (trayStart && hasLaunched && mainIcon)
        return StartupShow::hidden;
    if (!hideAtStartup || !mainIcon || !logOpened)
        return StartupShow::shown;
    return StartupShow::hiddenWithNotice;
}

CBrindlemarkWinApp::CBrindlemarkWinApp() : CAcxWinApp("BrindlemarkInstance") {}

CBrindlemarkWinApp::~CBrindlemarkWinApp() {
    m_pDialogHook.reset(); // unhooks itself
    if (m_hMonitor != nullptr)
        ::FreeLibrary(m_hMonitor);
}

CMainFrame* CBrindlemarkWinApp::GetMainFrame() const {
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

void CBrindlemarkWinApp::UseProductRegistryKey() {
    // "Software\<vendor>\<product>": the profile functions take the part below "Software\" apart.
    const CString product = RegResolveKeyPath(REG_ROOT);
    const int slash = product.ReverseFind('\\');
    const int below = static_cast<int>(std::strlen("Software\\"));
    SetRegistryPath(product.Mid(below, slash - below), product.Mid(slash + 1));
}

// ---------------------------------------------------------------------------------------------------
// Idle work and messages

BOOL CBrindlemarkWinApp::OnIdle(LONG lCount) {
    // The open log's background work (portioned loading, pending retries, polls) runs first.
    const BOOL bDocumentWantsMore = m_pActiveDoc != nullptr && m_pActiveDoc->OnIdleCheck() != 0;
    if (CMainFrame* pFrame = GetMainFrame(); pFrame != nullptr && pFrame->m_hWnd != nullptr)
        pFrame->OnIdleWork();
    const BOOL bBaseWantsMore = CAcxWinApp::OnIdle(lCount);
    return bBaseWantsMore || bDocumentWantsMore;
}

void CBrindlemarkWinApp::SetToolTipRelay(CWnd* pDialog, CWnd* pToolTip) {
    m_hWndRelayDialog = pDialog != nullptr ? pDialog->m_hWnd : nullptr;
    m_hWndRelayTip = pToolTip != nullptr ? pToolTip->m_hWnd : nullptr;
}

BOOL CBrindlemarkWinApp::ProcessMessageFilter(int code, LPMSG lpMsg) {
    if (lpMsg != nullptr && m_pMainWnd != nullptr && m_hWndRelayDialog != nullptr &&
        m_hWndRelayTip != nullptr && ::IsWindow(m_hWndRelayTip) &&
        (lpMsg->hwnd == m_hWndRelayDialog || ::IsChild(m_hWndRelayDialog, lpMsg->hwnd))) {
        MSG copy = *lpMsg;
        ::SendMessageA(m_hWndRelayTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    }
    return CAcxWinApp::ProcessMessageFilter(code, lpMsg);
}

// ---------------------------------------------------------------------------------------------------
// Main window

void CBrindlemarkWinApp::ShowMainWindow(bool activate) {
    CMainFrame* pFrame = GetMainFrame();
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    if (m_bFirstShowPending) {
        m_bFirstShowPending = false;
        if (!pFrame->RestorePlacement())
            pFrame->ShowWindow(m_nCmdShow >= 0 ? m_nCmdShow : SW_SHOWNORMAL);
        // A placement saved while minimized or hidden is not a way to show the window.
        if (!pFrame->IsWindowVisible() || pFrame->IsIconic())
            pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
        if (activate)
            ActivateApp(true);
        return;
    }
    ActivateApp(true);
    pFrame->SetForegroundWindow();
}

void CBrindlemarkWinApp::ShowTimingIcon() {
    if (CMainFrame* pFrame = GetMainFrame())
        pFrame->StartTimingIcon();
}

void CBrindlemarkWinApp::ShowIdleIcon() {
    if (CMainFrame* pFrame = GetMainFrame())
        pFrame->StopTimingIcon();
}

// ---------------------------------------------------------------------------------------------------
// Active log document

void CBrindlemarkWinApp::ForgetLogDocument(CLogDoc* pDoc) {
    if (m_pActiveDoc == pDoc)
        m_pActiveDoc = nullptr;
}

int CBrindlemarkWinApp::MatchActiveLog(CLogDoc* pDoc, const char* path) {
    const int result = m_strActiveLogPath.CompareNoCase(path != nullptr ? path : "");
    if (result == 0)
        m_pActiveDoc = pDoc;
    return result;
}

// ---------------------------------------------------------------------------------------------------
// Errors and help

void CBrindlemarkWinApp::ReportSystemError(UINT messageId, DWORD code) {
    if (code == 0 || m_pActiveDoc == nullptr)
        return;
    CString text;
    text.Format("(0x%08X) ", static_cast<unsigned>(code));
    CString systemText = SystemText(256, [code](char* buffer, int size) {
        const DWORD written = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                               nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                               buffer, static_cast<DWORD>(size), nullptr);
        return written > 0 ? static_cast<int>(written) + 1 : 0;
    });
    systemText.TrimRight(); // the system ends its texts with a line break
    text += systemText;
    AddErrorText(messageId, static_cast<long>(code), text);
}

void CBrindlemarkWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    const CString helpFile = GetHelpFilePath();
    HWND hWndCaller = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    if (nCmd == HELP_FINDER) {
        if (CallHtmlHelp(hWndCaller, helpFile, HH_DISPLAY_TOPIC, 0) == nullptr) {
            CString text;
            AfxFormatString1(text, IDS_HELP_NOT_OPENED, helpFile);
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        }
        return;
    }
    if (nCmd == HELP_CONTEXT)
        CallHtmlHelp(hWndCaller, helpFile, HH_HELP_CONTEXT, LOWORD(dwData));
}
