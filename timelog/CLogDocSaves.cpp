// CLogDoc: one-line saves of single objects to their tables, behind the two gates of every write ("Use
// ODBC" and a database that the last load found usable).
#include "timelog/CLogDoc.h"

bool CLogDoc::SaveLogEntry(CLogEntry* pEntry) {
    if (pEntry == nullptr || !m_bUseDatabase)
        return false;
    pEntry->GetGUID();
    const bool written = CanWriteTables() && m_TaskSet.SaveEntry(this, pEntry);
    if (!written)
        pEntry->m_Pending = 1;
    return written;
}

bool CLogDoc::SaveExpense(CExpense* pExpense) {
    if (pExpense == nullptr || !CanWriteTables())
        return false;
    pExpense->GetGUID();
    return m_ExpenseSet.SaveExpense(this, pExpense);
}

bool CLogDoc::SaveInvoice(CInvoice* pInvoice) {
    if (pInvoice == nullptr || !CanWriteTables())
        return false;
    pInvoice->GetGUID();
    return m_InvoiceSet.SaveInvoice(this, pInvoice);
}

bool CLogDoc::SavePayment(CPayment* pPayment) {
    if (pPayment == nullptr || !CanWriteTables())
        return false;
    pPayment->GetGUID();
    return m_PaymentSet.SavePayment(this, pPayment);
}

// The reference-data saves answer true while the tables cannot be written: the object stays in memory
// (and in the document file), as its callers expect; false without the database or without object.
bool CLogDoc::SaveClient(CClient* pClient) {
    if (pClient == nullptr || !m_bUseDatabase)
        return false;
    return !CanWriteTables() || m_ClientSet.SaveClient(this, pClient);
}

bool CLogDoc::SaveProject(CProject* pProject) {
    if (pProject == nullptr || !m_bUseDatabase)
        return false;
    return !CanWriteTables() || m_ProjectSet.SaveProject(this, pProject);
}

bool CLogDoc::SaveCategory(CCategory* pCategory) {
    if (pCategory == nullptr || !m_bUseDatabase)
        return false;
    return !CanWriteTables() || m_CategorySet.SaveCategory(this, pCategory);
}

bool CLogDoc::SaveAccount(CAccount* pAccount) {
    if (pAccount == nullptr || !m_bUseDatabase)
        return false;
    return !CanWriteTables() || m_AccountSet.SaveAccount(this, pAccount);
}

void CLogDoc::SaveExpenseType(CExpenseType* pType) {
    if (pType != nullptr && CanWriteTables())
        m_ExpenseTypeSet.SaveExpenseType(this, pType);
}

bool CLogDoc::SaveProjectTask(CTask* pTask) {
    if (pTask != nullptr && !pTask->m_Stored)
        return true;
    if (pTask == nullptr || !CanWriteTables())
        return false;
    return m_ProjectTaskSet.SaveTask(this, pTask);
}

void CLogDoc::SaveModifiedProjects() {
    // Only a project that reached its row loses its mark: one that could not be written is tried again
    // by the next save.
    if (!CanWriteTables())
        return;
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        CProject* pProject = m_Projects.GetAt(i);
        if (pProject->m_Dirty && m_ProjectSet.SaveProject(this, pProject))
            pProject->m_Dirty = 0;
    }
}
