// CMainFrame: the program's error list as the main window shows it (the status bar's error button and
// the Errors dialog).
#include "shell/CMainFrame.h"

#include "data/CErrorList.h"
#include "foundation/Registry.h"
#include "shell/CErrorsDlg.h"

void CMainFrame::ReportError(const char* message, long code, const char* detail) {
    CErrorList::Get().Add(message, code, detail);
    RefreshErrorButton();
}

void CMainFrame::ReportErrorId(UINT messageId, long code, const char* detail) {
    CString message;
    message.LoadString(messageId);
    ReportError(message, code, detail);
}

void CMainFrame::ClearErrors() {
    CErrorList::Get().RemoveAll();
    RefreshErrorButton();
}

int CMainFrame::GetErrorCount() const {
    return CErrorList::Get().GetCount();
}

void CMainFrame::SetErrorSuppression(bool suppress) {
    CErrorList::Get().SetHold(suppress);
}

bool CMainFrame::GetErrorSuppression() const {
    return CErrorList::Get().IsOnHold();
}

void CMainFrame::RefreshErrorButton() {
    if (m_wndStatusBar.m_hWnd != nullptr && m_wndStatusBar.GetErrorCount() != GetErrorCount())
        m_wndStatusBar.SetErrorCount(GetErrorCount());
}

void CMainFrame::ShowErrorsDialog() {
    CErrorsDlg dialog(CErrorList::Get(), GetErrorSuppression(), this);
    dialog.DoModal();
    SetErrorSuppression(dialog.GetSuppress());
    RegWriteBool(REG_PREFS, "Supress errors", dialog.GetSuppress());
    RefreshErrorButton();
}

void CMainFrame::OnViewErrors() {
    ShowErrorsDialog();
}
