// CLogDoc: the menu commands the document handles: editing the reference lists through their dialogs
// (and writing what changed), users and organization, bills, the log export and the import.
#include "timelog/CLogDoc.h"

#include "framework/win/CCmdUI.h"
#include "framework/win/CFileDialog.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "resource.h"
#include "timelog/CLogHint.h"
#include "timelog/IDocumentViews.h"
#include "timelog/IListEditors.h"

namespace {

IListEditors* g_pEditors = nullptr;

constexpr int kRightReferenceLists = 2;

// Clears the modified mark of every object of the list.
template <typename Array> void ClearMarks(Array& items) {
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        items.GetAt(i)->SetModified(FALSE);
}

// Writes every object of the list whose modified mark is set (while the tables can be written) and
// clears the mark of each one written.
template <typename Array, typename Marked, typename Save>
void WriteModified(const CLogDoc& doc, Array& items, Marked marked, Save save) {
    if (!doc.CanWriteTables())
        return;
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
        auto* pItem = items.GetAt(i);
        if (marked(*pItem) && save(pItem))
            pItem->SetModified(FALSE);
    }
}

void RefreshExpenses() {
    if (IDocumentViews* pViews = GetDocumentViews())
        pViews->RefreshExpenseView();
}

} // namespace

IListEditors* GetListEditors() {
    return g_pEditors;
}
void SetListEditors(IListEditors* pEditors) {
    g_pEditors = pEditors;
}

// clang-format off
BEGIN_MESSAGE_MAP(CLogDoc, CAcxAutoSaveDoc)
    ON_COMMAND(ID_CREATE_BILL, OnCreateBill)
    ON_COMMAND(ID_EDIT_PROJECTS, OnEditProjects)
    ON_COMMAND(ID_EDIT_PROJECT_TYPES, OnEditProjectTypes)
    ON_COMMAND(ID_EDIT_CATEGORIES, OnEditCategories)
    ON_COMMAND(ID_EDIT_EXPENSE_ACCOUNTS, OnEditExpenseAccounts)
    ON_COMMAND(ID_EDIT_EXPENSE_TYPES, OnEditExpenseTypes)
    ON_COMMAND(ID_EDIT_CLIENTS, OnEditClients)
    ON_COMMAND(ID_EDIT_USERS, OnEditUsers)
    ON_COMMAND(ID_EXPORT_LOG, OnExportLog)
    ON_COMMAND(ID_LOG_IMPORT, OnImport)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_FILTERED, OnUpdateFiltered)
    ON_UPDATE_COMMAND_UI(ID_EDIT_USERS, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PROJECTS, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_STARTUP_WIZARD, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_REFRESH_PROJECT_TASKS, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_GLOBAL_REPORTS, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_CHANGE_PASSWORD, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_DATABASE, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_PROJECT_TASK_TOOLS, OnUpdateTrimMenu)
    ON_UPDATE_COMMAND_UI(ID_INVOICE_NEW, OnUpdateTrimMenu)
    // project-task timing
    ON_COMMAND_RANGE(kFirstQuickTaskCommand, kFirstQuickTaskCommand + kMaxQuickTaskItems - 1, OnQuickTaskCommand)
    ON_COMMAND_RANGE(ID_ADD_TIME_WORKED_FIRST, ID_ADD_TIME_WORKED_LAST, OnAddTimeWorked)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ADD_TIME_WORKED_FIRST, ID_ADD_TIME_WORKED_LAST, OnUpdateAddTimeWorked)
    ON_COMMAND_RANGE(ID_RESCHEDULE_FIRST, ID_RESCHEDULE_LAST, OnRescheduleTask)
    ON_COMMAND(ID_SHOW_TIME_LOGGED, ShowTimeLogged)
    ON_UPDATE_COMMAND_UI(ID_SHOW_TIME_LOGGED, OnUpdateShowTimeLogged)
    // view-dependent commands and Find
    ON_COMMAND(ID_VIEW_TASK, OnViewTask)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SUMMARY, OnUpdateEditSummary)
    ON_COMMAND(ID_PROJECT_TASK_NEW, OnNewProjectTask)
    ON_COMMAND(ID_FIND, OnFind)
    ON_UPDATE_COMMAND_UI(ID_FIND, OnUpdateFind)
    ON_COMMAND(ID_FIND_NEXT, OnFindNext)
    ON_UPDATE_COMMAND_UI(ID_FIND_NEXT, OnUpdateFindNext)
    ON_COMMAND(ID_EXPENSE_NEW, OnNewExpense)
    ON_UPDATE_COMMAND_UI(ID_EXPENSE_NEW, OnUpdateNewExpense)
    ON_COMMAND(ID_EXPENSE_VIEW, OnViewExpense)
    ON_UPDATE_COMMAND_UI(ID_EXPENSE_VIEW, OnUpdateViewExpense)
    ON_COMMAND(ID_INVOICE_NEW, OnNewInvoice)
    ON_COMMAND(ID_INVOICE_VIEW, OnViewInvoice)
    ON_UPDATE_COMMAND_UI(ID_INVOICE_VIEW, OnUpdateViewInvoice)
    ON_COMMAND(ID_INVOICE_DOCUMENT, OnViewInvoiceDocument)
    ON_UPDATE_COMMAND_UI(ID_INVOICE_DOCUMENT, OnUpdateInvoiceSelected)
    ON_COMMAND(ID_PAYMENT_ENTER, OnEnterPayment)
    ON_UPDATE_COMMAND_UI(ID_PAYMENT_ENTER, OnUpdateInvoiceSelected)
    ON_COMMAND(ID_PAYMENTS_VIEW, OnViewPayments)
    ON_UPDATE_COMMAND_UI(ID_PAYMENTS_VIEW, OnUpdateInvoiceSelected)
    ON_COMMAND(ID_EXPENSE_TRIPS, OnExpenseTrips)
    ON_COMMAND_RANGE(ID_ASSIGN_USER_FIRST, ID_ASSIGN_USER_LAST, OnAssignToUser)
    ON_COMMAND(ID_OPEN_REPORT, OnOpenReport)
    ON_UPDATE_COMMAND_UI(ID_RECENT_TASK_FIRST, OnUpdateRecentTask)
    ON_COMMAND_EX_RANGE(ID_RECENT_TASK_FIRST, ID_RECENT_TASK_FIRST + CRecentTaskList::kMaxTasks - 1, OnRecentTask)
END_MESSAGE_MAP()
// clang-format on

void CLogDoc::OnCreateBill() {
    if (g_pEditors != nullptr)
        g_pEditors->CreateBill();
}

void CLogDoc::OnEditProjects() {
    if (!IsDocumentOpen() || !HasRight(kRightReferenceLists) || g_pEditors == nullptr)
        return;
    ClearMarks(m_Projects);
    g_pEditors->EditProjects(*this);
    CWaitCursor wait;
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    DoAutoSave(true);
    if (m_bUseDatabase)
        SaveModifiedProjects();
    RefreshTimesheetView();
    RefreshTaskView();
}

void CLogDoc::OnEditProjectTypes() {
    if (!IsDocumentOpen() || !HasRight(kRightReferenceLists) || g_pEditors == nullptr)
        return;
    ClearMarks(m_ProjectTypes);
    g_pEditors->EditProjectTypes(*this);
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    DoAutoSave(true);
    WriteModified(
        *this, m_ProjectTypes, [](const CProjectType& t) { return t.m_bModified != 0; },
        [this](CProjectType* p) { return m_ProjTypeSet.SaveProjectType(this, p); });
}

void CLogDoc::OnEditCategories() {
    if (!IsDocumentOpen() || !HasRight(kRightReferenceLists) || g_pEditors == nullptr)
        return;
    ClearMarks(m_Categories);
    g_pEditors->EditCategories(*this);
    CWaitCursor wait;
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    DoAutoSave(true);
    WriteModified(
        *this, m_Categories, [](const CCategory& c) { return c.m_bModified != 0; },
        [this](CCategory* p) { return m_CategorySet.SaveCategory(this, p); });
    ApplyUserVisibility(true, true, true);
    RefreshTimesheetView();
    RefreshTaskView();
}

void CLogDoc::OnEditExpenseAccounts() {
    if (!IsDocumentOpen() || !HasRight(kRightReferenceLists) || g_pEditors == nullptr)
        return;
    ClearMarks(m_Accounts);
    g_pEditors->EditExpenseAccounts(*this);
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    DoAutoSave(true);
    WriteModified(
        *this, m_Accounts, [](const CAccount& a) { return a.m_bModified != 0; },
        [this](CAccount* p) { return m_AccountSet.SaveAccount(this, p); });
    RefreshExpenses();
}

void CLogDoc::OnEditExpenseTypes() {
    if (!IsDocumentOpen() || !HasRight(kRightReferenceLists) || g_pEditors == nullptr)
        return;
    ClearMarks(m_ExpenseTypes);
    g_pEditors->EditExpenseTypes(*this);
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    DoAutoSave(true);
    WriteModified(
        *this, m_ExpenseTypes, [](const CExpenseType& t) { return t.m_bModified != 0; },
        [this](CExpenseType* p) { return m_ExpenseTypeSet.SaveExpenseType(this, p); });
    RefreshExpenses();
}

void CLogDoc::OnEditClients() {
    if (!IsDocumentOpen() || !HasRight(kRightReferenceLists) || g_pEditors == nullptr)
        return;
    ClearMarks(m_Clients);
    g_pEditors->EditClients(*this);
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    DoAutoSave(true);
    WriteModified(
        *this, m_Clients, [](const CClient& c) { return c.m_bModified != 0; },
        [this](CClient* p) { return m_ClientSet.SaveClient(this, p); });
}

void CLogDoc::OnEditUsers() {
    if (!IsDocumentOpen() || g_pEditors == nullptr)
        return;
    if (!m_bUseDatabase) {
        g_pEditors->RunDatabaseRequired();
        return;
    }
    g_pEditors->EditUsers(*this);
    ApplyUserVisibility(true, true, true);
    RefreshTaskView();
}

void CLogDoc::EditSubsystems(CProject* pProject) {
    if (pProject == nullptr || !IsDocumentOpen() || !HasRight(kRightReferenceLists) || g_pEditors == nullptr)
        return;
    g_pEditors->EditSubsystems(*this, *pProject);
    RefreshTimesheetView();
    RefreshTaskView();
}

void CLogDoc::OnImport() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                       "Project Tasks (tab separated) (*.txt, *.ttx)|*.txt;*.ttx|Time Logs (tab separated) "
                       "(*.txt, *.ttx)|*.txt;*.ttx|UTBMS Law codes (*.utbms)|*.utbms|All Files (*.*)|*.*||");
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    // Filters count from 1 in the order of the filter text.
    switch (dialog.m_ofn.nFilterIndex) {
    case 2:
        ImportLogText(path);
        break;
    case 3:
        if (g_pEditors != nullptr)
            g_pEditors->ImportUTBMSCodes(*this, path);
        break;
    default:
        if (g_pEditors != nullptr)
            g_pEditors->ImportProjectTasks(*this, path);
        break;
    }
}
