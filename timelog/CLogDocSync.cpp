// CLogDoc: the document's side of the handheld synchronisation: what changed since the last exchange,
// how received projects and categories merge into the lists, the count of objects received, and the
// expenses a user writes into an entry's description with tags.
#include "timelog/CLogDoc.h"

#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "framework/win/CWaitCursor.h"
#include "resource.h"
#include "timelog/IDocumentViews.h"
#include "timelog/IExpenseView.h"
#include "timelog/LogClock.h"

#include <cstring>

namespace {

// Searched from the newest object back: recently changed objects sit at the end of their lists.
template <typename Array> bool AnyModifiedAfter(const Array& items, CTime since) {
    for (INT_PTR i = items.GetSize() - 1; i >= 0; --i) {
        if (items.GetAt(i)->m_Modified > since)
            return true;
    }
    return false;
}

// The text of the description after the first occurrence of the tag; false when the tag is absent.
bool RestAfterTag(const CString& text, const char* tag, CString& rest) {
    const int at = text.Find(tag);
    if (at < 0)
        return false;
    rest = text.Mid(at + static_cast<int>(strlen(tag)));
    return true;
}

// The value of a bracketed tag: the text between the first "[" and the first "]" after the tag, trimmed;
// false when the tag, one of the brackets, or a closing bracket after the opening one is missing.
bool BracketedValue(const CString& text, const char* tag, CString& value) {
    CString rest;
    if (!RestAfterTag(text, tag, rest))
        return false;
    const int open = rest.Find('[');
    const int close = rest.Find(']');
    if (open < 0 || close <= open)
        return false;
    value = rest.Mid(open + 1, close - open - 1);
    value.Trim();
    return true;
}

// The amount written after "[ex]": only a number standing at the start counts, not digits found further
// on (in a later tag's value, say).
void ReadTaggedAmount(CString rest, CExpense& expense) {
    rest.TrimLeft();
    if (rest.IsEmpty())
        return;
    // A digit, a sign or a decimal separator (a point or a comma in every locale in use).
    const char first = rest[0];
    const bool startsWithNumber = (first >= '0' && first <= '9') || strchr("-(.,", first) != nullptr;
    double amount = 0.0;
    if (startsWithNumber && ParseLocaleDouble(rest, &amount))
        expense.m_Amount = amount;
}

// The odometer readings written after "[mi]": start, a blank, end; kept only when both are given and the
// end does not lie below the start.
void ReadTaggedOdometer(CString rest, CExpense& expense) {
    rest.TrimLeft();
    const int begin = ParseLeadingInt(rest);
    int end = 0;
    const int blank = rest.GetLength() > 1 ? rest.Find(' ', 1) : -1;
    if (blank > 0) {
        CString after = rest.Mid(blank + 1);
        after.TrimLeft();
        end = ParseLeadingInt(after);
    }
    if (begin >= 1 && end >= 1 && end >= begin) {
        expense.m_OdometerBegin = begin;
        expense.m_OdometerEnd = end;
        expense.RecalcDistance();
    }
}

} // namespace

// ---------------------------------------------------------------- counts and change tests

void CLogDoc::AddSyncObjectCount(int n) {
    int count = -1;
    if (!RegReadInt(REG_SYNC, "Num objects", &count))
        count = -1;
    RegWriteInt(REG_SYNC, "Num objects", count + n);
}

bool CLogDoc::HasChangedSince(SyncKind kind, CTime since) const {
    switch (kind) {
    case SyncKind::quickPicks:
        return AnyModifiedAfter(m_QuickPicks, since);
    case SyncKind::projects:
        return AnyModifiedAfter(m_Projects, since);
    case SyncKind::clients:
        return AnyModifiedAfter(m_Clients, since);
    case SyncKind::categories:
        return AnyModifiedAfter(m_Categories, since);
    case SyncKind::logEntries:
        return AnyModifiedAfter(m_LogEntries, since);
    }
    return false;
}

// ---------------------------------------------------------------- received reference data

void CLogDoc::ReceiveSyncedProject(CProject* pProject) {
    if (pProject == nullptr || pProject->IsNoneProject())
        return;
    CProject* pFound = FindProjectByGUIDNoCase(pProject->GetGUID());
    if (pFound == nullptr)
        pFound = FindProjectByName(pProject->m_Name);
    if (pFound == nullptr) {
        auto* pAdded = new CProject(*pProject);
        AddProject(pAdded);
        SortProjects();
        AddSyncObjectCount(1);
        SaveProject(pAdded);
    } else {
        // The handheld knows nothing of clients, types and subsystems: the project keeps its own, and
        // its visibility, which follows the user here.
        pProject->m_GUID = pFound->GetGUID();
        pProject->m_pClient = pFound->m_pClient;
        pProject->m_pProjectType = pFound->m_pProjectType;
        pProject->m_Subsystems.Copy(pFound->m_Subsystems);
        const BYTE visible = pFound->m_Visible;
        *pFound = *pProject;
        pFound->m_Visible = visible;
        SaveProject(pFound);
    }
    SaveNow();
}

void CLogDoc::ReceiveSyncedCategory(CCategory* pCategory) {
    if (pCategory == nullptr)
        return;
    CCategory* pFound = FindCategoryByGUIDNoCase(pCategory->GetGUID());
    if (pFound == nullptr)
        pFound = FindCategoryByName(pCategory->m_Name);
    if (pFound == nullptr) {
        auto* pAdded = new CCategory(*pCategory);
        AddCategory(pAdded);
        AddSyncObjectCount(1);
        SaveCategory(pAdded);
        pCategory->m_GUID = pAdded->GetGUID();
    } else {
        pCategory->m_GUID = pFound->GetGUID();
        *pFound = *pCategory;
        SaveCategory(pFound);
    }
    SaveNow();
}

// ---------------------------------------------------------------- expenses written into a description

bool CLogDoc::ImportTaggedExpense(const CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return false;
    const CString& desc = pEntry->m_Desc;
    CString amountText;
    CString odometerText;
    const bool hasAmount = RestAfterTag(desc, "[ex]", amountText);
    const bool hasMileage = RestAfterTag(desc, "[mi]", odometerText);
    if (!hasAmount && !hasMileage)
        return false;

    CExpense expense(*pEntry);
    expense.m_pDoc = this;
    CString typeName;
    if (hasAmount) {
        typeName.LoadString(IDS_EXPENSE_TYPE_OTHER);
        ReadTaggedAmount(amountText, expense);
    }
    if (hasMileage) {
        typeName.LoadString(IDS_EXPENSE_TYPE_MILEAGE);
        ReadTaggedOdometer(odometerText, expense);
    }
    CString value;
    if (BracketedValue(desc, "[py]", value))
        expense.m_Payee = value;
    if (BracketedValue(desc, "[tr]", value)) {
        if (CExpenseTrip* pTrip = FindExpenseTripByName(value))
            expense.SetTrip(pTrip);
    }
    if (BracketedValue(desc, "[ck]", value))
        expense.m_CheckNum = value;
    if (BracketedValue(desc, "[bk]", value))
        expense.SetBank(FindAccountByName(value));
    if (BracketedValue(desc, "[ac]", value))
        expense.SetAccount(FindAccountByName(value));

    expense.SetColumnText(typeName, CExpense::colType);
    expense.SetUser(GetCurrentUser());
    AddNewExpense(&expense);
    if (IDocumentViews* pViews = GetDocumentViews())
        pViews->RefreshExpenseView();
    return true;
}

bool CLogDoc::AddNewExpense(const CExpense* pExpense) {
    if (pExpense == nullptr || GetExpenseView() == nullptr)
        return false;
    CWaitCursor wait;
    CExpense added(*pExpense);
    added.m_Created = added.m_Modified = LogClock::Now();
    return SaveExpense(&added);
}

// ---------------------------------------------------------------- received log entries

void CLogDoc::ReceiveSyncedEntry(CLogEntry* pEntry) {
    if (pEntry == nullptr)
        return;
    ApplySyncedRunningState(pEntry);
    if (m_bUseDatabase && CBaseRecordset::offline)
        pEntry->m_Pending = 1;
    CLogEntry* pFound = FindLogEntryByGUIDNoCase(pEntry->GetGUID());
    if (pFound == nullptr) {
        auto* pAdded = new CLogEntry(*pEntry);
        AddLogEntry(pAdded);
        AddSyncObjectCount(1);
        pAdded->RecalcElapsed();
        WriteEntryOrKeepPending(pAdded);
        QueueEntryForQuickBooks(pAdded, false, 0);
        UpdateEntryTask(pAdded, false, true);
        ImportTaggedExpense(pAdded);
    } else {
        // Billing is decided here, not on the handheld.
        pEntry->m_Billed = pFound->m_Billed;
        pEntry->m_Billable = pFound->m_Billable;
        const CString previousTask = pFound->m_ProjectTaskID;
        *pFound = *pEntry;
        pFound->RecalcElapsed();
        QueueEntryForQuickBooks(pFound, false, 0);
        WriteEntryOrKeepPending(pFound);
        // Both tasks' totals change when the entry moved from one task to another.
        if (!previousTask.IsEmpty())
            UpdateTaskTotals(FindProjectTaskByGUID(previousTask), false, true);
        if (pFound->m_ProjectTaskID != previousTask)
            UpdateEntryTask(pFound, false, true);
        RefreshQuickTasks();
    }
    SaveNow();
    ArmViewRefresh(LogClock::TickCount());
}
