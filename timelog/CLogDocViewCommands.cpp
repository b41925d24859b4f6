// CLogDoc: the commands that act on the object selected in the active view (view or edit it, new
// project tasks, expenses and invoices, payments, trips). The dialogs of the other views are the main
// window's (IViewCommands); without it these commands do nothing.
#include "timelog/CLogDoc.h"

#include "foundation/SharedHelpers.h"
#include "framework/win/CCmdUI.h"
#include "framework/win/CWaitCursor.h"
#include "resource.h"
#include "timelog/CLogHint.h"
#include "timelog/IDocumentViews.h"
#include "timelog/IExpenseView.h"
#include "timelog/IInvoiceView.h"
#include "timelog/ILogDocDialogs.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/ITaskView.h"
#include "timelog/IViewCommands.h"

namespace {

IViewCommands* g_pViewCommands = nullptr;

constexpr int kTimesheetView = 2;
constexpr int kLogView = 3;
constexpr int kTaskView = 4;
constexpr int kExpenseView = 5;
constexpr int kInvoiceView = 6;
constexpr int kRightProjectTasks = 4;
constexpr int kRightExpenses = 7;
constexpr int kRightPayments = 8;

CTask* SelectedTask() {
    ITaskView* pView = GetTaskView();
    return pView != nullptr ? pView->GetSelectedTask() : nullptr;
}

CExpense* SelectedExpense() {
    IExpenseView* pView = GetExpenseView();
    return pView != nullptr ? pView->GetSelectedExpense() : nullptr;
}

CInvoice* SelectedInvoice() {
    IInvoiceView* pView = GetInvoiceView();
    return pView != nullptr ? pView->GetSelectedInvoice() : nullptr;
}

void SetMenuTextFrom(CCmdUI* pCmdUI, UINT textId) {
    if (pCmdUI->m_pMenu == nullptr)
        return;
    CString text;
    text.LoadString(textId);
    pCmdUI->SetText(text);
}

} // namespace

IViewCommands* GetViewCommands() {
    return g_pViewCommands;
}
void SetViewCommands(IViewCommands* pCommands) {
    g_pViewCommands = pCommands;
}

int CLogDoc::EditLogEntry(CLogEntry* pEntry, DWORD row) {
    ILogDocDialogs* pDialogs = GetLogDocDialogs();
    return pDialogs != nullptr && pEntry != nullptr ? pDialogs->RunEditLogEntry(*this, *pEntry, row) : 0;
}

int CLogDoc::EditProjectTask(CTask* pTask, bool newTask) {
    IViewCommands* pCommands = GetViewCommands();
    if (pCommands == nullptr || (pTask == nullptr && !newTask))
        return 0;
    return pCommands->EditProjectTask(*this, pTask, newTask);
}

void CLogDoc::OnViewTask() {
    IViewCommands* pCommands = GetViewCommands();
    switch (GetActiveView()) {
    case kTimesheetView:
        if (pCommands != nullptr)
            pCommands->EditTimesheetSelection();
        break;
    case kLogView:
        if (ILogView* pView = GetLogView()) {
            // Only an entry the grid itself shows as selected.
            CLogEntry* pEntry = pView->GetSelectedEntry();
            const DWORD row = pEntry != nullptr ? pView->FindEntryRow(pEntry) : 0;
            if (row != 0)
                EditLogEntry(pEntry, row);
        }
        break;
    case kTaskView:
        if (CTask* pTask = SelectedTask())
            EditProjectTask(pTask, false);
        break;
    case kExpenseView:
        if (CExpense* pExpense = SelectedExpense(); pExpense != nullptr && pCommands != nullptr)
            pCommands->EditExpense(*this, pExpense);
        break;
    case kInvoiceView:
        if (CInvoice* pInvoice = SelectedInvoice(); pInvoice != nullptr && pCommands != nullptr)
            pCommands->EditInvoice(*this, pInvoice);
        break;
    default:
        break;
    }
}

void CLogDoc::OnUpdateEditSummary(CCmdUI* pCmdUI) {
    CTask* pTask = SelectedTask();
    const bool projectSummary = pTask != nullptr && pTask->m_Summary != 0 && pTask->GetSubsystem() == nullptr;
    SetMenuTextFrom(pCmdUI, projectSummary ? IDS_EDIT_PROJECT_SUMMARY : IDS_EDIT_SUBSYSTEM_SUMMARY);
    pCmdUI->Enable(GetActiveView() == kTaskView);
}

void CLogDoc::OnNewProjectTask() {
    if (HasRight(kRightProjectTasks))
        EditProjectTask(nullptr, true);
}

void CLogDoc::OnNewExpense() {
    if (IViewCommands* pCommands = GetViewCommands(); pCommands != nullptr && HasRight(kRightExpenses))
        pCommands->EditExpense(*this, nullptr);
}

void CLogDoc::OnUpdateNewExpense(CCmdUI* pCmdUI) {
    pCmdUI->Enable(HasRight(kRightExpenses));
}

void CLogDoc::OnViewExpense() {
    if (CExpense* pExpense = SelectedExpense(); pExpense != nullptr && GetViewCommands() != nullptr)
        GetViewCommands()->EditExpense(*this, pExpense);
}

void CLogDoc::OnUpdateViewExpense(CCmdUI* pCmdUI) {
    SetMenuTextFrom(pCmdUI, IDS_VIEW_EXPENSE_MENU);
    pCmdUI->Enable(SelectedExpense() != nullptr);
}

void CLogDoc::OnNewInvoice() {
    if (IViewCommands* pCommands = GetViewCommands())
        pCommands->EditInvoice(*this, nullptr);
}

void CLogDoc::OnViewInvoice() {
    if (CInvoice* pInvoice = SelectedInvoice(); pInvoice != nullptr && GetViewCommands() != nullptr)
        GetViewCommands()->EditInvoice(*this, pInvoice);
}

void CLogDoc::OnUpdateViewInvoice(CCmdUI* pCmdUI) {
    SetMenuTextFrom(pCmdUI, IDS_VIEW_INVOICE_MENU);
    pCmdUI->Enable(SelectedInvoice() != nullptr);
}

void CLogDoc::OnViewInvoiceDocument() {
    if (CInvoice* pInvoice = SelectedInvoice(); pInvoice != nullptr && GetViewCommands() != nullptr)
        GetViewCommands()->OpenInvoiceDocument(*this, *pInvoice);
}

void CLogDoc::OnEnterPayment() {
    CInvoice* pInvoice = SelectedInvoice();
    IViewCommands* pCommands = GetViewCommands();
    if (pInvoice == nullptr || pCommands == nullptr || !HasRight(kRightPayments))
        return;
    if (pCommands->EnterPayment(*this, *pInvoice) == IDOK)
        RefreshInvoiceView();
}

void CLogDoc::OnViewPayments() {
    if (CInvoice* pInvoice = SelectedInvoice(); pInvoice != nullptr && GetViewCommands() != nullptr)
        GetViewCommands()->ShowPayments(*this, *pInvoice);
}

void CLogDoc::OnUpdateInvoiceSelected(CCmdUI* pCmdUI) {
    pCmdUI->Enable(SelectedInvoice() != nullptr);
}

void CLogDoc::OnExpenseTrips() {
    IViewCommands* pCommands = GetViewCommands();
    if (pCommands == nullptr)
        return;
    for (INT_PTR i = 0; i < m_ExpenseTrips.GetSize(); ++i)
        m_ExpenseTrips.GetAt(i)->SetModified(FALSE);
    pCommands->EditExpenseTrips(*this, m_ExpenseTrips);
    CWaitCursor wait;
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    DoAutoSave(true);
    if (CanWriteTables()) {
        for (INT_PTR i = 0; i < m_ExpenseTrips.GetSize(); ++i) {
            CExpenseTrip* pTrip = m_ExpenseTrips.GetAt(i);
            if (pTrip->m_bModified != 0 && m_ExpenseTripSet.SaveTrip(this, pTrip))
                pTrip->SetModified(FALSE);
        }
    }
    if (IDocumentViews* pViews = GetDocumentViews())
        pViews->RefreshExpenseView();
}

void CLogDoc::OnOpenReport() {
    IViewCommands* pCommands = GetViewCommands();
    if (pCommands == nullptr)
        return;
    CString userName;
    CStringArray names;
    CStringArray groupIds;
    if (!pCommands->ChooseReportUser(*this, userName, names, groupIds))
        return;
    CString folder;
    GetProgramFolder(folder);
    CString reports;
    reports.LoadString(IDS_REPORTS_FOLDER);
    folder += reports;
    ::CreateDirectoryA(folder, nullptr);
    ::SetCurrentDirectoryA(folder);
    CString filter;
    filter.LoadString(IDS_REPORT_FILTER);
    CString path;
    if (pCommands->ChooseReportFile(folder, filter, path))
        pCommands->ViewReport(*this, path, userName, names, groupIds);
}
