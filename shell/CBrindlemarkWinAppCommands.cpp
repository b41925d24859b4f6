// CBrindlemarkWinApp: the application's commands. The timer commands go to the active log document;
// every command of a document does nothing and is disabled while no log document is open.
#include "shell/CBrindlemarkWinApp.h"

#include "framework/win/CCmdUI.h"
#include "resource.h"
#include "shell/CAboutDlg.h"
#include "shell/CMainFrame.h"
#include "shell/IOptionsSheet.h"

BEGIN_MESSAGE_MAP(CBrindlemarkWinApp, CAcxWinApp)
ON_COMMAND(ID_SET_ACTIVE_LOG, OnSetActiveLog)
ON_UPDATE_COMMAND_UI(ID_SET_ACTIVE_LOG, OnUpdateSetActiveLog)
ON_UPDATE_COMMAND_UI(ID_QUICK_TASKS_MENU, OnUpdateQuickTasksMenu)
ON_COMMAND(ID_OPEN_MAIN_WINDOW, OnOpenMainWindow)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

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
