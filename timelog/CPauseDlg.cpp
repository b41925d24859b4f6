#include "timelog/CPauseDlg.h"

#include "foundation/LocaleFormat.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "timelog/ITaskView.h"
#include "timelog/LogClock.h"

namespace {
constexpr UINT_PTR kElapsedTimer = 1;
constexpr UINT kElapsedTimerMs = 500;
} // namespace

BEGIN_MESSAGE_MAP(CPauseDlg, CDialog)
ON_BN_CLICKED(IDC_PAUSE_STOP_TASK, OnStopTask)
ON_BN_CLICKED(IDC_PAUSE_RESUME_ORIGINAL, OnResumeChoice)
ON_BN_CLICKED(IDC_PAUSE_RESUME_QUICK, OnResumeChoice)
ON_BN_CLICKED(IDC_PAUSE_RESUME_NEW, OnResumeChoice)
ON_BN_CLICKED(IDC_PAUSE_QUICK_TASKS, OnQuickTasks)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CPauseDlg::CPauseDlg(CLogDoc* pDoc, CWnd* pParentWnd)
    : CDialog(IDD_PAUSE, pParentWnd), m_pDoc(pDoc), m_pauseStart(LogClock::Now()) {}

CString CPauseDlg::FormatPauseLength(long seconds) {
    if (seconds < 60) {
        CString text;
        text.LoadString(IDS_LESS_THAN_A_MINUTE);
        return text;
    }
    return AcxFormatDuration(seconds, seconds < 3600 ? "%m %i" : "%h %o %m %i");
}

BOOL CPauseDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_quickTasks.SubclassDlgItem(IDC_PAUSE_QUICK_TASK, this);
    if (m_pDoc != nullptr && m_pDoc->IsTiming()) {
        const CLogEntry* pEntry = m_pDoc->GetCurrentEntry();
        if (pEntry->m_pProject != nullptr)
            m_project = pEntry->m_pProject->m_Name;
        else
            m_project.LoadString(IDS_PAUSE_NO_PROJECT);
        if (pEntry->m_pCategory != nullptr)
            m_category = pEntry->m_pCategory->m_Name;
        else
            m_category.LoadString(IDS_PAUSE_NO_CATEGORY);
        if (!pEntry->m_Desc.IsEmpty())
            m_description = pEntry->m_Desc;
        else
            m_description.LoadString(IDS_PAUSE_NO_DESCRIPTION);
        m_pauseStart = LogClock::Now();
        m_stopTime = AcxFormatDateTime(m_pauseStart);
        SetDlgItemText(IDC_PAUSE_PROJECT, m_project);
        SetDlgItemText(IDC_PAUSE_CATEGORY, m_category);
        SetDlgItemText(IDC_PAUSE_DESCRIPTION, m_description);
        SetDlgItemText(IDC_PAUSE_STOP_TIME, m_stopTime);
        SetDlgItemBoldFont(this, IDC_PAUSE_STOP_TIME, &m_boldFont);
        for (const int id : {IDC_PAUSE_PROJECT, IDC_PAUSE_CATEGORY, IDC_PAUSE_DESCRIPTION, IDC_PAUSE_ELAPSED})
            SetDlgItemFont(this, id, &m_boldFont);
        FillQuickTasks();
        CheckRadioButton(IDC_PAUSE_RESUME_ORIGINAL, IDC_PAUSE_RESUME_NEW, IDC_PAUSE_RESUME_ORIGINAL);
        ShowElapsed();
        SetTimer(kElapsedTimer, kElapsedTimerMs, nullptr);
    }
    EnableQuickTaskChoice();
    return TRUE;
}

void CPauseDlg::FillQuickTasks() {
    m_quickTasks.ResetContent();
    const CString timedTask = m_pDoc->m_CurrentEntry.m_ProjectTaskID;
    int selected = 0;
    for (int i = 0; CTask* pTask = m_pDoc->GetQuickTaskAt(i); ++i) {
        const int item = m_quickTasks.AddString(pTask->m_Name);
        m_quickTasks.SetItemDataPtr(item, pTask);
        if (!timedTask.IsEmpty() && pTask->m_GUID == timedTask)
            selected = item;
    }
    FitComboDropHeight(&m_quickTasks);
    if (m_quickTasks.GetCount() > 0)
        m_quickTasks.SetCurSel(selected);
}

void CPauseDlg::EnableQuickTaskChoice() {
    const bool quick = IsDlgButtonChecked(IDC_PAUSE_RESUME_QUICK) == BST_CHECKED;
    EnableDlgItem(this, IDC_PAUSE_QUICK_TASK, quick);
    EnableDlgItem(this, IDC_PAUSE_QUICK_TASKS, quick);
}

CTask* CPauseDlg::GetChosenQuickTask() const {
    const int selected = m_quickTasks.GetCurSel();
    return selected < 0 ? nullptr : static_cast<CTask*>(m_quickTasks.GetItemDataPtr(selected));
}

void CPauseDlg::ShowElapsed() {
    const long seconds = static_cast<long>((LogClock::Now() - m_pauseStart).GetTotalSeconds());
    SetDlgItemText(IDC_PAUSE_ELAPSED, FormatPauseLength(seconds));
}

void CPauseDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kElapsedTimer)
        ShowElapsed();
}

void CPauseDlg::OnDestroy() {
    KillTimer(kElapsedTimer);
    CDialog::OnDestroy();
}

void CPauseDlg::OnResumeChoice() {
    // The quick-task combo starts a group of its own between the radios: keep exactly one checked.
    const int clicked = static_cast<int>(LOWORD(GetCurrentMessage()->wParam));
    CheckRadioButton(IDC_PAUSE_RESUME_ORIGINAL, IDC_PAUSE_RESUME_NEW, clicked);
    EnableQuickTaskChoice();
}

void CPauseDlg::OnQuickTasks() {
    if (m_pDoc == nullptr)
        return;
    // The quick tasks may have changed elsewhere (the task view marks them): read them again.
    m_pDoc->RefreshQuickTasks();
    FillQuickTasks();
}

void CPauseDlg::OnStopTask() {
    if (m_pDoc == nullptr || !m_pDoc->IsTiming())
        return;
    if (m_pDoc->StopTimer(m_pauseStart) == IDOK)
        EndDialog(IDCANCEL);
}

void CPauseDlg::OnOK() {
    if (m_pDoc == nullptr || !m_pDoc->IsTiming())
        return;
    const int choice = GetCheckedRadioButton(IDC_PAUSE_RESUME_ORIGINAL, IDC_PAUSE_RESUME_NEW);
    CTask* pQuickTask = GetChosenQuickTask();
    // Refused before anything stops, so the paused task is still there to resume.
    if (choice == IDC_PAUSE_RESUME_QUICK && pQuickTask == nullptr) {
        AfxMessageBox(IDS_CHOOSE_QUICK_TASK, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CLogEntry paused(*m_pDoc->GetCurrentEntry());
    // The paused task ends when the pause began.
    m_pDoc->StopTiming(m_pauseStart);
    if (choice == IDC_PAUSE_RESUME_QUICK) {
        m_pDoc->StartQuickTask(pQuickTask);
    } else if (choice == IDC_PAUSE_RESUME_NEW) {
        if (ITaskView* pView = GetTaskView())
            pView->ClearSelection();
        // The start dialog opens once this dialog has closed.
        if (CWnd* pMain = AfxGetMainWnd())
            pMain->PostMessage(WM_COMMAND, ID_TIMER_START, 0);
    } else {
        paused.SetStartTime(LogClock::Now());
        m_pDoc->StartTiming(&paused);
    }
    EndDialog(IDOK);
}
