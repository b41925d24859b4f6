// CLogDoc: the filter bar's and the tree's filter requests, routed to the filter of the active view's
// data, and that view refreshed.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "framework/win/CCmdUI.h"
#include "timelog/IDocumentViews.h"

namespace {

enum View : int { kTimesheet = 2, kTimeLog = 3, kProjectTasks = 4, kExpenses = 5, kInvoices = 6 };

IDocumentViews* g_pViews = nullptr;

void RefreshExpenses() {
    if (g_pViews != nullptr)
        g_pViews->RefreshExpenseView();
}

} // namespace

IDocumentViews* GetDocumentViews() {
    return g_pViews;
}
void SetDocumentViews(IDocumentViews* pViews) {
    g_pViews = pViews;
}

int CLogDoc::GetActiveView() {
    int view = 0;
    RegReadInt(REG_PREFS, "Active View", &view);
    return view;
}

void CLogDoc::ApplyViewFilter(const CViewFilter* pFilter) {
    if (!m_bLoadFinished || m_bCacheHoldBack || pFilter == nullptr)
        return;
    m_ViewFilter.Copy(*pFilter);
    if (m_bUseDatabase)
        m_ViewFilter.Save();
    UpdateAllViews(nullptr);
    SetModifiedFlag();
    DoAutoSave(true);
}

void CLogDoc::ClearActiveFilter() {
    switch (GetActiveView()) {
    case kTimesheet:
        if (g_pViews != nullptr)
            g_pViews->ClearTimesheetFilter();
        RefreshTimesheetView();
        break;
    case kTimeLog: {
        CViewFilter filter(m_ViewFilter);
        filter.Clear();
        ApplyViewFilter(&filter);
        return;
    }
    case kProjectTasks:
        m_ProjectTaskSet.ClearFilters();
        RefreshTaskView();
        break;
    case kExpenses:
        m_ExpenseSet.ClearFilter();
        RefreshExpenses();
        break;
    case kInvoices:
        m_InvoiceSet.ClearFilter();
        RefreshInvoiceView();
        break;
    default:
        return;
    }
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterActiveViewByProject(CProject* pProject) {
    switch (GetActiveView()) {
    case kTimeLog: {
        CViewFilter filter(m_ViewFilter);
        filter.m_FilterType |= CViewFilter::byProject;
        filter.m_pProject = pProject;
        ApplyViewFilter(&filter);
        return;
    }
    case kProjectTasks:
        m_ProjectTaskSet.SetProjectFilter(pProject);
        m_ProjectTaskSet.SetSubsystemFilter(nullptr);
        RefreshTaskView();
        break;
    case kExpenses:
        m_ExpenseSet.SetFilterProject(pProject);
        RefreshExpenses();
        break;
    case kInvoices:
        m_InvoiceSet.SetFilterProject(pProject);
        RefreshInvoiceView();
        break;
    default:
        return;
    }
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterTasksBySubsystem(CSubsystem* pSubsystem) {
    if (GetActiveView() != kProjectTasks)
        return;
    m_ProjectTaskSet.SetProjectFilter(pSubsystem != nullptr ? pSubsystem->m_pProject : nullptr);
    m_ProjectTaskSet.SetSubsystemFilter(pSubsystem);
    RefreshTaskView();
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterInvoicesByClient(CClient* pClient) {
    if (GetActiveView() != kInvoices)
        return;
    m_InvoiceSet.SetFilterClient(pClient);
    RefreshInvoiceView();
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterActiveViewByDate(int choice) {
    switch (GetActiveView()) {
    case kTimeLog: {
        CViewFilter filter(m_ViewFilter);
        filter.m_FilterType |= CViewFilter::byDateRange;
        filter.m_DateChoice = choice;
        ApplyViewFilter(&filter);
        return;
    }
    case kProjectTasks:
        m_ProjectTaskSet.SetDateFilter(choice);
        RefreshTaskView();
        break;
    case kExpenses:
        m_ExpenseSet.SetFilterDate(choice);
        RefreshExpenses();
        break;
    default:
        return;
    }
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterActiveViewByUser(CUser* pUser) {
    switch (GetActiveView()) {
    case kTimesheet:
        if (g_pViews != nullptr)
            g_pViews->SetTimesheetUserFilter(pUser);
        RefreshTimesheetView();
        break;
    case kProjectTasks:
        m_ProjectTaskSet.SetUserFilter(pUser);
        RefreshTaskView();
        break;
    case kExpenses:
        // The expense list is the current user's own: a user changes nothing, a group is not applied.
        if (pUser != nullptr && pUser->IsGroup())
            return;
        RefreshExpenses();
        break;
    default:
        return;
    }
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterTasksByStatus(int value) {
    if (GetActiveView() != kProjectTasks)
        return;
    m_ProjectTaskSet.SetCompletedFilter(value);
    RefreshTaskView();
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterExpensesByTrip(CExpenseTrip* pTrip) {
    if (GetActiveView() != kExpenses)
        return;
    m_ExpenseSet.SetFilterTrip(pTrip);
    RefreshExpenses();
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterInvoicesByDate(int value) {
    if (GetActiveView() != kInvoices)
        return;
    if (value == -1) {
        m_InvoiceSet.SetFilterDate(0);
        m_InvoiceSet.SetFilterPastDue(false);
    } else if (value == 0) {
        m_InvoiceSet.SetFilterPastDue(true);
    } else {
        m_InvoiceSet.SetFilterDate(value);
    }
    RefreshInvoiceView();
    UpdateAllViews(nullptr);
}

void CLogDoc::FilterTasksByType(int value) {
    if (GetActiveView() != kProjectTasks)
        return;
    m_ProjectTaskSet.SetTaskTypeFilter(value);
    RefreshTaskView();
    UpdateAllViews(nullptr);
}

bool CLogDoc::IsActiveViewFiltered() {
    switch (GetActiveView()) {
    case kTimeLog:
        return m_ViewFilter.IsActive();
    case kProjectTasks:
        return m_ProjectTaskSet.IsFilterActive();
    case kExpenses:
        return m_ExpenseSet.IsFiltered();
    case kInvoices:
        return m_InvoiceSet.IsFiltered();
    default:
        return false;
    }
}

void CLogDoc::GetActiveFilterText(CString& text) {
    switch (GetActiveView()) {
    case kTimeLog:
        text = m_ViewFilter.GetDescription();
        break;
    case kProjectTasks:
        text = m_ProjectTaskSet.GetFilterDescription(this);
        break;
    case kExpenses:
        text = m_ExpenseSet.GetFilterText(this);
        break;
    case kInvoices:
        text = m_InvoiceSet.GetFilterText(this);
        break;
    default:
        text.Empty();
        break;
    }
}

void CLogDoc::OnUpdateFiltered(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetActiveView() != kTimesheet && IsActiveViewFiltered());
}
