// CLogDoc: the choice lists of the grids' combo boxes, small look-ups over the user list, the total of
// expenses in a period and the timer's one-line status text. Read-only walks over the lists.
#include "timelog/CLogDoc.h"

#include "foundation/LocaleFormat.h"
#include "resource.h"

#include <set>

namespace {

constexpr int kBankAccount = 1;
constexpr int kIndentPerLevel = 4;

// Items joined by "\n", none after the last.
class ChoiceList {
public:
    void Add(const CString& item) {
        if (m_any)
            m_text += '\n';
        m_text += item;
        m_any = true;
    }
    const CString& Text() const { return m_text; }

private:
    CString m_text;
    bool m_any = false;
};

// Depth first from the accounts whose parent is pParent; each line "full<TAB>name<TAB>indented name".
// visited guards against a parent cycle in damaged data.
void AddAccountLines(const CAccountArray& accounts, const CAccount* pParent, int type, const CString& prefix,
                     ChoiceList& list, std::set<const CAccount*>& visited) {
    for (INT_PTR i = 0; i < accounts.GetSize(); ++i) {
        CAccount* pAccount = accounts.GetAt(i);
        if (pAccount->GetParent() != pParent || pAccount->m_Active == 0 || pAccount->m_ActType != type ||
            !visited.insert(pAccount).second)
            continue;
        const CString full = prefix.IsEmpty() ? pAccount->m_Name : prefix + ":" + pAccount->m_Name;
        const int level = pAccount->GetLevel();
        CString indented(' ', level > 0 ? level * kIndentPerLevel : 0);
        indented += pAccount->m_Name;
        list.Add(full + "\t" + pAccount->m_Name + "\t" + indented);
        AddAccountLines(accounts, pAccount, type, full, list, visited);
    }
}

CString TripDateText(const CExpenseTrip& trip) {
    CString text;
    if (trip.m_StartDate.GetTime() != 0)
        text = AcxFormatDate(trip.m_StartDate);
    if (trip.m_EndDate.GetTime() != 0)
        text += (text.IsEmpty() ? "" : " - ") + AcxFormatDate(trip.m_EndDate);
    return text;
}

} // namespace

// ---------------------------------------------------------------- choice lists

CString CLogDoc::GetProjectChoiceList(const CClient* pClient, bool firstOnly) const {
    ChoiceList list;
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        const CProject* pProject = m_Projects.GetAt(i);
        if ((pProject->m_Active == 0 && !s_bShowInactiveProjects) || pProject->m_Visible == 0 ||
            (pClient != nullptr && pProject->m_pClient != pClient))
            continue;
        if (firstOnly)
            return pProject->m_Name;
        list.Add(pProject->m_Name);
    }
    return list.Text();
}

CString CLogDoc::GetCategoryChoiceList(const CProject* pProject) const {
    const CProject* pNone = GetNoneProject();
    const bool anyProject = pProject == nullptr || pProject == pNone;
    const CString projectGUID = anyProject ? CString() : CString(pProject->m_GUID);
    ChoiceList list;
    for (INT_PTR i = 0; i < m_Categories.GetSize(); ++i) {
        const CCategory* pCategory = m_Categories.GetAt(i);
        if (pCategory->m_Active == 0 || pCategory->m_Visible == 0)
            continue;
        if (!anyProject && !pCategory->m_ProjectID.IsEmpty() &&
            pCategory->m_ProjectID.CompareNoCase(projectGUID) != 0)
            continue;
        list.Add(pCategory->m_Name);
    }
    return list.Text();
}

CString CLogDoc::GetClientChoiceList(bool withAll) const {
    ChoiceList list;
    if (withAll)
        list.Add(CString(MAKEINTRESOURCE(IDS_ALL_CLIENTS)));
    for (INT_PTR i = 0; i < m_Clients.GetSize(); ++i)
        list.Add(m_Clients.GetAt(i)->GetCompanyName());
    return list.Text();
}

CString CLogDoc::GetAccountChoiceList(int type) const {
    ChoiceList list;
    std::set<const CAccount*> visited;
    if (type != kBankAccount) {
        // Accounts of the type hanging below bank accounts first, their full names starting at themselves.
        for (INT_PTR i = 0; i < m_Accounts.GetSize(); ++i) {
            CAccount* pBank = m_Accounts.GetAt(i);
            if (pBank->m_ActType == kBankAccount)
                AddAccountLines(m_Accounts, pBank, type, CString(), list, visited);
        }
    }
    AddAccountLines(m_Accounts, nullptr, type, CString(), list, visited);
    return list.Text();
}

CString CLogDoc::GetExpenseTypeChoiceList() const {
    ChoiceList list;
    for (INT_PTR i = 0; i < m_ExpenseTypes.GetSize(); ++i) {
        const CExpenseType* pType = m_ExpenseTypes.GetAt(i);
        if (pType->m_Flag != 0 && pType->m_Extra != 0)
            list.Add(pType->m_Name);
    }
    return list.Text();
}

CString CLogDoc::GetTripChoiceList() const {
    ChoiceList list;
    for (INT_PTR i = 0; i < m_ExpenseTrips.GetSize(); ++i) {
        const CExpenseTrip* pTrip = m_ExpenseTrips.GetAt(i);
        if (pTrip->m_Active != 0 && pTrip->m_Extra != 0)
            list.Add(pTrip->m_Name + "\t" + TripDateText(*pTrip));
    }
    return list.Text();
}

// ---------------------------------------------------------------- look-ups and counts

CClient* CLogDoc::GetMyCompanyClient() const {
    for (INT_PTR i = 0; i < m_Clients.GetSize(); ++i)
        if (m_Clients.GetAt(i)->IsThisCompany())
            return m_Clients.GetAt(i);
    if (CClient* pNamed = FindClientByName(CString(MAKEINTRESOURCE(IDS_MY_COMPANY))))
        return pNamed;
    CClient* pOldest = nullptr;
    for (INT_PTR i = 0; i < m_Clients.GetSize(); ++i) {
        CClient* pClient = m_Clients.GetAt(i);
        if (pOldest == nullptr || pClient->m_Created < pOldest->m_Created)
            pOldest = pClient;
    }
    return pOldest;
}

int CLogDoc::CountPersons() const {
    int persons = 0;
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i)
        if (!m_Users.GetAt(i)->IsGroup())
            ++persons;
    return persons;
}

int CLogDoc::IndexOfUser(const CUser* pUser) const {
    for (INT_PTR i = 0; i < m_Users.GetSize(); ++i)
        if (m_Users.GetAt(i) == pUser)
            return static_cast<int>(i);
    return -1;
}

void CLogDoc::GetGroupChainIds(const CUser* pUser, CStringArray& ids, bool skipTop) const {
    if (pUser == nullptr)
        return;
    std::set<const CUser*> visited; // a parent cycle in damaged data ends the walk
    for (const CUser* pRecord = pUser->IsGroup() ? pUser : pUser->m_pParent;
         pRecord != nullptr && visited.insert(pRecord).second; pRecord = pRecord->m_pParent) {
        if (skipTop && pRecord->m_pParent == nullptr)
            break;
        ids.Add(const_cast<CUser*>(pRecord)->GetGUID());
    }
}

void CLogDoc::GetGroupTreeIds(const CUser* pGroup, CStringArray& ids) const {
    std::set<const CUser*> visited;
    const auto walk = [&](const CUser* pNode, auto& self) -> void {
        if (pNode == nullptr || !pNode->IsGroup() || !visited.insert(pNode).second)
            return;
        ids.Add(const_cast<CUser*>(pNode)->GetGUID());
        for (INT_PTR i = 0; i < m_Users.GetSize(); ++i)
            if (m_Users.GetAt(i)->m_pParent == pNode)
                self(m_Users.GetAt(i), self);
    };
    walk(pGroup, walk);
}

// ---------------------------------------------------------------- summary texts

double CLogDoc::GetExpenseTotal(CTime from, CTime to, const CProject* pProject, const CClient* pClient,
                                const CExpenseTrip* pTrip, int flagMode) const {
    double total = 0.0;
    for (INT_PTR i = 0; i < m_Expenses.GetSize(); ++i) {
        CExpense* pExpense = m_Expenses.GetAt(i);
        const bool hasStart = pExpense->m_StartDate.GetTime() != 0;
        const bool hasEnd = pExpense->m_EndDate.GetTime() != 0;
        if (hasStart && pExpense->m_StartDate > to)
            continue;
        if (hasEnd || hasStart) {
            const CTime end = hasEnd ? pExpense->m_EndDate : pExpense->m_StartDate;
            if (end < from)
                continue;
        }
        if ((pProject != nullptr && pExpense->GetProject() != pProject) ||
            (pClient != nullptr && pExpense->GetClient() != pClient) ||
            (pTrip != nullptr && pExpense->GetTrip() != pTrip))
            continue;
        if ((flagMode == 1 && pExpense->m_Billed == 0) || (flagMode == 2 && pExpense->m_Billed != 0))
            continue;
        total += pExpense->m_Amount;
    }
    return total;
}

CString CLogDoc::FormatExpenseTotal(CTime from, CTime to, const CProject* pProject, const CClient* pClient,
                                    const CExpenseTrip* pTrip, int flagMode) const {
    return AcxFormatNumber(GetExpenseTotal(from, to, pProject, pClient, pTrip, flagMode), 2);
}

void CLogDoc::GetTimerStatusText(CString& text) const {
    if (!m_bTiming) {
        text.LoadString(IDS_TIMER_IDLE);
        return;
    }
    const CLogEntry& entry = m_CurrentEntry;
    text = entry.m_pProject != nullptr ? CString(entry.m_pProject->m_Name)
                                       : CString(MAKEINTRESOURCE(IDS_NOT_SPECIFIED));
    if (entry.m_pCategory != nullptr)
        text += ", " + entry.m_pCategory->m_Name;
    const double seconds =
        static_cast<double>(CTime::GetCurrentTime().GetTime() - entry.m_StartTime.GetTime());
    CString hours(MAKEINTRESOURCE(IDS_TIMER_STATUS_HOURS));
    hours.Replace("%1", AcxFormatNumber(seconds / 3600.0, 2));
    text += ", " + hours;
}
