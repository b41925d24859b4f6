// CMainFrame: closing to the tray, the exit wait, destruction and the relaunch, the saved placement.
#include "shell/CMainFrame.h"

#include "data/CErrorList.h"
#include "foundation/CAcxWindowPlacement.h"
#include "foundation/Registry.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CWinApp.h"
#include "shell/CBrindlemarkWinApp.h"
#include "shell/CCloseNoticeDlg.h"
#include "shell/CExitWaitDlg.h"

namespace {

constexpr UINT kMainIconCallback = WM_USER;
constexpr UINT kQuickInfoCallback = WM_USER + 1;
constexpr DWORD kExitWaitLimit = 20000; // ms

std::function<bool()>& DatabaseBusyQuery() {
    static std::function<bool()> query;
    return query;
}

bool MainIconSetting() {
    bool shown = true;
    if (!RegReadBool(REG_PREFS_ICONS, "Main", &shown))
        shown = true;
    return shown;
}

bool AppIsExiting() {
    const CBrindlemarkWinApp* pApp = BrindlemarkApp();
    return pApp != nullptr && pApp->IsExiting();
}

} // namespace

void CMainFrame::SetDatabaseBusyQuery(std::function<bool()> query) {
    DatabaseBusyQuery() = std::move(query);
}

void CMainFrame::ExitWait() {
    RegWriteBool(REG_PREFS, "Running", false);
    const std::function<bool()>& busy = DatabaseBusyQuery();
    if (!busy || !busy())
        return;
    EnableWindow(FALSE);
    CExitWaitDlg notice;
    notice.CreateNotice(this);
    const DWORD start = ::GetTickCount();
    while (busy() && ::GetTickCount() - start < kExitWaitLimit) {
        if (!PumpOneMessage())
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    notice.DestroyWindow();
    EnableWindow(TRUE);
}

void CMainFrame::OnClose() {
    const bool exiting = AppIsExiting();
    if (exiting)
        ExitWait();
    const bool mainIcon = MainIconSetting();
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
        SaveBarState("Positions\\Dockbars");
        SavePlacement();
    }
    if (!exiting && HasLogDocument() && mainIcon) {
        // The program keeps running in the tray.
        ShowWindow(SW_HIDE);
        ::ShowOwnedPopups(m_hWnd, FALSE);
        if (IsCloseNoticeWanted()) {
            CCloseNoticeDlg notice(this);
            notice.DoModal();
            if (notice.DontTellAgain())
                SetCloseNoticeWanted(false);
        }
        return;
    }
    CAcxMDIFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    m_strProgramPath = path;
    CErrorList::Get().SetChangeHandler(nullptr);
    if (GetLogDocFrame() == this)
        SetLogDocFrame(nullptr);
    CAcxMDIFrameWnd::OnDestroy();
    KillTimer(1);
    KillTimer(kIdleWakeTimer);
    m_bAnimating = false;
    if (m_bIconsAdded) {
        TrayIconCall(NIM_DELETE, kMainIconCallback, nullptr, nullptr);
        TrayIconCall(NIM_DELETE, kQuickInfoCallback, nullptr, nullptr);
        m_bIconsAdded = false;
    }
    if (m_bRelaunch)
        RelaunchProgram(m_strProgramPath);
}

void CMainFrame::RelaunchProgram(const CString& path) {
    ::ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrame::RestartApplication() {
    m_bRelaunch = true;
    // The new copy waits for this one to let go of the single-instance lock.
    RegWriteBool(REG_PREFS, "Restarting", true);
    PostAppExit();
}

void CMainFrame::SavePlacement() {
    CAcxWindowPlacement placement;
    if (!GetWindowPlacement(&placement.m_wp))
        return;
    // A window closed while hidden in the tray or minimized comes back shown normally.
    if (placement.m_wp.showCmd == SW_HIDE || placement.m_wp.showCmd == SW_SHOWMINIMIZED ||
        placement.m_wp.showCmd == SW_MINIMIZE)
        placement.m_wp.showCmd =
            (placement.m_wp.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    placement.Write("Positions");
}

bool CMainFrame::RestorePlacement() {
    CAcxWindowPlacement placement;
    m_bPlacementRestored = placement.Restore("Positions", this);
    return m_bPlacementRestored;
}
