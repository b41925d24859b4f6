// CBrindlemarkWinApp: the start-up, in its fixed order, and the end of the program.
#include "shell/CBrindlemarkWinApp.h"

#include "data/CDatabaseStartup.h"
#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CSingleDocTemplate.h"
#include "grid/core/CGELibraryState.h"
#include "resource.h"
#include "shell/CAppCommandLineInfo.h"
#include "shell/CLogDocShellLink.h"
#include "shell/CMainFrame.h"
#include "shell/IOptionsSheet.h"
#include "shell/LogFileLocation.h"
#include "shell/PreferenceDefaults.h"
#include "timelog/CLogDoc.h"
#include "views/CLogView.h"

#include <objbase.h>

namespace {

constexpr DWORD kRestartPause = 1000;     // ms a restarted copy gives the ending one first
constexpr DWORD kRestartLockWait = 30000; // ms it waits for the ending copy to let go of the lock
constexpr UINT kHideNoticeTime = 4000;    // ms the notice of a hidden start stays

bool ReadFlag(const char* key, const char* name, bool fallback) {
    bool value = fallback;
    if (!RegReadBool(key, name, &value))
        value = fallback;
    return value;
}

void CALLBACK HideNoticeTimeUp(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    if (CBrindlemarkWinApp* pApp = BrindlemarkApp())
        pApp->CloseHideNotice();
}

} // namespace

BOOL CBrindlemarkWinApp::InitInstance() {
    m_pMainWnd = nullptr;
    BeginWaitCursor();
    const BOOL result = StartUp();
    EndWaitCursor();
    return result;
}

BOOL CBrindlemarkWinApp::StartUp() {
    if (ReadFlag(REG_PREFS, "Restarting", false))
        ::Sleep(kRestartPause);
    m_bComInitialized = SUCCEEDED(::CoInitialize(nullptr));
    AcxInitFormatting();
    GEInitializeLibrary(1536);
    RegWriteBool(REG_PREFS, "Shutdown", false);
    RegWriteBool(REG_PREFS, "Running", true);

    bool optionsRequested = false;
    if (CDatabaseStartup::Run(&CDatabaseStartup::AskOffline, &optionsRequested) ==
        CDatabaseStartup::closeProgram)
        return FALSE;

    UseProductRegistryKey();
    LoadStdProfileSettings(6);
    WritePreferenceDefaults(GetWndClassName());
    if (!TakeSingleInstance())
        return FALSE;
    RegWriteBool(REG_PREFS, "Restarting", false);
    m_pDialogHook = std::make_unique<CDialogPositionHook>();
    m_pDialogHook->Install();
    SetLogDocDialogs(&m_EntryDialogs);

    CLogDocShellLink::Register();
    AddDocTemplate(new CSingleDocTemplate(IDR_LOGTYPE, RUNTIME_CLASS(CLogDoc), RUNTIME_CLASS(CMainFrame),
                                          LogViewClass()));
    CAppCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    // The frame stays hidden until the start-up decides how it appears.
    m_nStartupShow = m_nCmdShow;
    m_nCmdShow = SW_HIDE;
    if (!ProcessShellCommand(commandLine) || m_pMainWnd == nullptr)
        return FALSE;

    m_strActiveLogPath = ChooseActiveLogPath(RUNTIME_CLASS(CLogDoc));
    m_nCmdShow = SW_HIDE; // opening the log shows the frame again otherwise
    // The blank document the window was made with holds nothing of the user's: opening the log replaces
    // it without asking whether to save it.
    if (CDocument* pBlank = GetMainFrame() != nullptr ? GetMainFrame()->GetActiveDocument() : nullptr)
        pBlank->SetModifiedFlag(FALSE);
    if (!m_strActiveLogPath.IsEmpty())
        m_pActiveDoc = dynamic_cast<CLogDoc*>(OpenDocumentFile(m_strActiveLogPath));
    const bool logOpened = m_pActiveDoc != nullptr;

    const bool trayStart = commandLine.m_bTrayStart || optionsRequested;
    m_bStarted = true;
    ShowAtStartup(trayStart, logOpened);
    if (!logOpened)
        m_pMainWnd->PostMessage(WM_COMMAND, ID_SET_ACTIVE_LOG);

    CString folder;
    GetProgramFolder(folder);
    m_hMonitor = ::LoadLibraryA(folder + "Monitor.dll");
    RegWriteBool(REG_PREFS, "Has launched", true);

    if (optionsRequested) {
        if (CMainFrame* pFrame = GetMainFrame())
            pFrame->ShowOptions(kOptionsDatabasePage);
        PostAppExit();
    }
    return TRUE;
}

bool CBrindlemarkWinApp::TakeSingleInstance() {
    // A copy started by the program's own restart waits for the ending copy instead of going on
    // beside it without the lock.
    if (ReadFlag(REG_PREFS, "Restarting", false) && WaitForInstance(IDR_MAINFRAME, kRestartLockWait))
        return true;
    return FirstInstance(IDR_MAINFRAME);
}

void CBrindlemarkWinApp::ShowAtStartup(bool trayStart, bool logOpened) {
    const StartupShow show = DecideStartupShow(trayStart, ReadFlag(REG_PREFS, "Has launched", false),
                                               ReadFlag(REG_PREFS, "Hide at startup", false),
                                               ReadFlag(REG_PREFS_ICONS, "Main", true), logOpened);
    if (show == StartupShow::shown) {
        m_nCmdShow = m_nStartupShow;
        ShowMainWindow(true);
        m_pMainWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    ActivateApp(false);
    m_pMainWnd->ShowWindow(SW_HIDE);
    if (show == StartupShow::hiddenWithNotice) {
        m_pHideNotice = std::make_unique<CHideNoticeDlg>();
        if (m_pHideNotice->CreateNotice())
            ::SetTimer(nullptr, 0, kHideNoticeTime, &HideNoticeTimeUp);
        else
            m_pHideNotice.reset();
    }
}

void CBrindlemarkWinApp::CloseHideNotice() {
    if (m_pHideNotice && m_pHideNotice->m_hWnd != nullptr)
        m_pHideNotice->DestroyWindow();
    m_pHideNotice.reset();
}

CRuntimeClass* CBrindlemarkWinApp::LogViewClass() {
    return RUNTIME_CLASS(CLogView);
}

int CBrindlemarkWinApp::ExitInstance() {
    CLogDocShellLink::Unregister();
    const int code = CAcxWinApp::ExitInstance();
    if (GetLogDocDialogs() == &m_EntryDialogs)
        SetLogDocDialogs(nullptr);
    if (m_bComInitialized)
        ::CoUninitialize();
    m_bComInitialized = false;
    return code;
}
