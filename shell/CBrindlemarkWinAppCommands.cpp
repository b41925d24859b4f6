// CBrindlemarkWinApp: the application's commands. The timer commands go to the active log document;
// every command of a document does nothing and is disabled while no log document is open.
#include "shell/CBrindlemarkWinApp.h"

#include "framework/win/CCmdUI.h"
#include "resource.h"
#include "shell/CAboutDlg.h"
#include "shell/CMainFrame.h"
#include "shell/IOptionsSheet.h"
#include "timelog/CLogDoc.h"

BEGIN_MESSAGE_MAP(CBrindlemarkWinApp, CAcxWinApp)
ON_COMMAND(ID_TIMER_START, OnStartTimer)
ON_COMMAND(ID_TIMER_STOP, OnStopTimer)
ON_COMMAND(ID_TIMER_STOP_NOW, OnStopNow)
ON_COMMAND(ID_TIMER_PAUSE, OnPauseTimer)
ON_COMMAND(ID_TIMER_INTERRUPT, OnInterruptTimer)
ON_COMMAND(ID_TIMER_COMPLETED, OnEnterCompletedTime)
ON_COMMAND(ID_TIMER_SWITCH, OnSwitchTask)
ON_COMMAND(ID_TIMER_START_COPY, OnStartNewCopy)
ON_UPDATE_COMMAND_UI(ID_TIMER_START, OnUpdateDocumentDecides)
ON_UPDATE_COMMAND_UI(ID_TIMER_COMPLETED, OnUpdateDocumentDecides)
ON_UPDATE_COMMAND_UI(ID_TIMER_START_COPY, OnUpdateDocumentDecides)
ON_UPDATE_COMMAND_UI(ID_TIMER_STOP, OnUpdateTimedTaskCommand)
ON_UPDATE_COMMAND_UI(ID_TIMER_STOP_NOW, OnUpdateTimedTaskCommand)
ON_UPDATE_COMMAND_UI(ID_TIMER_PAUSE, OnUpdateTimedTaskCommand)
ON_UPDATE_COMMAND_UI(ID_TIMER_INTERRUPT, OnUpdateTimedTaskCommand)
ON_UPDATE_COMMAND_UI(ID_TIMER_SWITCH, OnUpdateTimedTaskCommand)
ON_COMMAND(ID_SET_ACTIVE_LOG, OnSetActiveLog)
ON_UPDATE_COMMAND_UI(ID_SET_ACTIVE_LOG, OnUpdateSetActiveLog)
ON_UPDATE_COMMAND_UI(ID_QUICK_TASKS_MENU, OnUpdateQuickTasksMenu)
ON_COMMAND(ID_OPEN_MAIN_WINDOW, OnOpenMainWindow)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------------------------------
// Timer commands

void CBrindlemarkWinApp::OnStartTimer() {
    if (m_pActiveDoc != nullptr)
        m_pActiveDoc->StartTimer();
}

void CBrindlemarkWinApp::OnStopTimer() {
    if (m_pActiveDoc != nullptr)
        m_pActiveDoc->StopTimer(CTime(static_cast<__time64_t>(0)));
}

void CBrindlemarkWinApp::OnStopNow() {
    // Stops at the current time without a dialog (not while the log grid holds an unfinished row).
    if (m_pActiveDoc != nullptr)
        m_pActiveDoc->StopNow();
}

void CBrindlemarkWinApp::OnPauseTimer() {
    if (m_pActiveDoc != nullptr)
        m_pActiveDoc->PauseTimer();
}

void CBrindlemarkWinApp::OnInterruptTimer() {
    if (m_pActiveDoc != nullptr)
        m_pActiveDoc->InterruptTimer();
}

void CBrindlemarkWinApp::OnEnterCompletedTime() {
    if (m_pActiveDoc != nullptr)
        m_pActiveDoc->EnterCompletedTime();
}

void CBrindlemarkWinApp::OnSwitchTask() {
    if (m_pActiveDoc != nullptr)
        m_pActiveDoc->SwitchTask();
}

void CBrindlemarkWinApp::OnStartNewCopy() {
    // Not while the log grid holds an unfinished row.
    if (m_pActiveDoc == nullptr || m_pActiveDoc->IsGridEditingQuiet())
        return;
    if (m_pActiveDoc->GetProjectCount() == 0 && AfxMessageBox(IDS_NO_PROJECTS_YET, MB_YESNO) == IDYES)
        m_pActiveDoc->OnEditProjects();
    m_pActiveDoc->StartTimerFromSelection();
}

bool CBrindlemarkWinApp::CanActOnTimedTask(const CLogDoc* pDoc) {
    return pDoc != nullptr && pDoc->IsTiming() && !pDoc->IsOpening() && !pDoc->IsPaused();
}

void CBrindlemarkWinApp::OnUpdateTimedTaskCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanActOnTimedTask(m_pActiveDoc));
}

void CBrindlemarkWinApp::OnUpdateDocumentDecides(CCmdUI* pCmdUI) {
    if (m_pActiveDoc == nullptr) {
        pCmdUI->Enable(FALSE);
        return;
    }
    // The active document's rule, not that of whichever document the routing passed first.
    switch (pCmdUI->m_nID) {
    case ID_TIMER_START:
        m_pActiveDoc->OnUpdateStartTimer(pCmdUI);
        break;
    case ID_TIMER_COMPLETED:
        m_pActiveDoc->OnUpdateEnterCompletedTime(pCmdUI);
        break;
    case ID_TIMER_START_COPY:
        m_pActiveDoc->OnUpdateStartLikeSelected(pCmdUI);
        break;
    default:
        pCmdUI->Enable(TRUE);
        break;
    }
}

// ---------------------------------------------------------------------------------------------------
// Other commands

void CBrindlemarkWinApp::OnSetActiveLog() {
    if (CMainFrame* pFrame = GetMainFrame())
        pFrame->ShowOptions(kOptionsDatabasePage);
}

void CBrindlemarkWinApp::OnUpdateSetActiveLog(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetOptionsSheet() != nullptr && GetMainFrame() != nullptr);
}

void CBrindlemarkWinApp::OnUpdateQuickTasksMenu(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pActiveDoc != nullptr);
}

void CBrindlemarkWinApp::OnOpenMainWindow() {
    ShowMainWindow(true);
}

void CBrindlemarkWinApp::OnAppAbout() {
    CAboutDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

void CBrindlemarkWinApp::OnAppExit() {
    m_bExiting = true;
    CAcxWinApp::OnAppExit();
    // The main window stayed (the user kept a document open): the program goes on.
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr && ::IsWindow(m_pMainWnd->m_hWnd))
        m_bExiting = false;
}
