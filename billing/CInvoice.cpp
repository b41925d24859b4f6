#include "billing/CInvoice.h"

#include "data/CClient.h"
#include "foundation/SharedHelpers.h"
#include "timelog/CLogDoc.h"
#include "timelog/CLogEntry.h"

CInvoice::CInvoice() {
    Reset();
}

CInvoice::CInvoice(const CInvoice& other) {
    *this = other;
}

CInvoice::~CInvoice() {
    ClearLines();
}

CInvoice& CInvoice::operator=(const CInvoice& other) {
    if (this == &other)
        return *this;
    Reset();
    m_pDoc = other.m_pDoc;
    m_GUID = other.m_GUID;
    m_Created = other.m_Created;
    m_Modified = other.m_Modified;
    m_Deleted = other.m_Deleted;
    m_InvoiceNum = other.m_InvoiceNum;
    m_DateSent = other.m_DateSent;
    m_ClientUID = other.m_ClientUID;
    m_ProjectUID = other.m_ProjectUID;
    m_CreatorUID = other.m_CreatorUID;
    m_TemplateFile = other.m_TemplateFile;
    m_InvoiceFile = other.m_InvoiceFile;
    m_SubTotal = other.m_SubTotal;
    m_TaxRate = other.m_TaxRate;
    m_TaxAmount = other.m_TaxAmount;
    m_Amount = other.m_Amount;
    m_AmountPaid = other.m_AmountPaid;
    m_BalanceDue = other.m_BalanceDue;
    m_Terms = other.m_Terms;
    m_DueDate = other.m_DueDate;
    m_PO = other.m_PO;
    m_InvoiceNote = other.m_InvoiceNote;
    m_Representative = other.m_Representative;
    m_PaidInFull = other.m_PaidInFull;
    m_DatePaid = other.m_DatePaid;
    m_StartRange = other.m_StartRange;
    m_EndRange = other.m_EndRange;
    m_Notes = other.m_Notes;
    m_UserBased = other.m_UserBased;
    m_bModified = other.m_bModified;
    m_pClient = other.m_pClient;
    m_pProject = other.m_pProject;
    m_pCreator = other.m_pCreator;
    return *this;
}

void CInvoice::Reset() {
    const CTime zero(static_cast<__time64_t>(0));
    m_pDoc = nullptr;
    m_GUID = NewGuidString();
    m_Created = m_Modified = CTime::GetCurrentTime();
    m_Deleted = 0;
    m_SubTotal = m_TaxRate = m_TaxAmount = m_Amount = m_AmountPaid = m_BalanceDue = 0.0;
    m_Terms = 30;
    m_DateSent = m_DueDate = m_DatePaid = m_StartRange = m_EndRange = zero;
    m_PaidInFull = 0;
    m_UserBased = 0;
    m_bModified = 0;
    m_pClient = nullptr;
    m_pProject = nullptr;
    m_pCreator = nullptr;
}

const CString& CInvoice::GetGUID() {
    if (m_GUID.IsEmpty())
        m_GUID = NewGuidString();
    return m_GUID;
}

void CInvoice::SetModified(BOOL modified) {
    m_bModified = modified ? 1 : 0;
    if (modified)
        m_Modified = CTime::GetCurrentTime();
}

void CInvoice::ClearLines() {
    for (INT_PTR i = 0; i < m_TaskLines.GetSize(); ++i)
        delete m_TaskLines.GetAt(i);
    m_TaskLines.RemoveAll();
    for (INT_PTR i = 0; i < m_ExpenseLines.GetSize(); ++i)
        delete m_ExpenseLines.GetAt(i);
    m_ExpenseLines.RemoveAll();
}

CClient* CInvoice::GetClient() {
    if (m_pClient == nullptr && m_pDoc != nullptr && !m_ClientUID.IsEmpty())
        m_pClient = m_pDoc->FindClientByGUID(m_ClientUID);
    return m_pClient;
}

void CInvoice::SetClient(CClient* pClient) {
    m_pClient = pClient;
    m_ClientUID = pClient != nullptr ? CString(pClient->GetGUID()) : CString();
}
