#include "billing/CPayment.h"

#include "billing/CInvoice.h"
#include "data/CClient.h"
#include "foundation/SharedHelpers.h"

CPayment::CPayment() {
    Reset();
}

CPayment::CPayment(const CPayment& other) {
    *this = other;
}

CPayment& CPayment::operator=(const CPayment& other) {
    if (this == &other)
        return *this;
    Reset();
    m_pDoc = other.m_pDoc;
    m_GUID = other.m_GUID;
    m_Created = other.m_Created;
    m_Modified = other.m_Modified;
    m_Deleted = other.m_Deleted;
    m_InvoiceUID = other.m_InvoiceUID;
    m_ClientUID = other.m_ClientUID;
    m_DateRecvd = other.m_DateRecvd;
    m_Amount = other.m_Amount;
    m_CheckNum = other.m_CheckNum;
    m_Memo = other.m_Memo;
    m_Notes = other.m_Notes;
    m_DaysLate = other.m_DaysLate;
    m_pInvoice = other.m_pInvoice;
    m_pClient = other.m_pClient;
    m_bModified = other.m_bModified;
    return *this;
}

void CPayment::Reset() {
    m_pDoc = nullptr;
    m_GUID = NewGuidString();
    m_Created = m_Modified = CTime::GetCurrentTime();
    m_Deleted = 0;
    m_DateRecvd = CTime(static_cast<__time64_t>(0));
    m_Amount = 0.0;
    m_DaysLate = 0;
    m_pInvoice = nullptr;
    m_pClient = nullptr;
    m_bModified = 0;
}

void CPayment::SetModified(BOOL modified) {
    m_bModified = modified ? 1 : 0;
    if (modified)
        m_Modified = CTime::GetCurrentTime();
}

const CString& CPayment::GetGUID() {
    if (m_GUID.IsEmpty())
        m_GUID = NewGuidString();
    return m_GUID;
}

void CPayment::SetInvoice(CInvoice* pInvoice) {
    m_pInvoice = pInvoice;
    m_InvoiceUID = pInvoice != nullptr ? CString(pInvoice->GetGUID()) : CString();
}

void CPayment::SetClient(CClient* pClient) {
    m_pClient = pClient;
    m_ClientUID = pClient != nullptr ? CString(pClient->GetGUID()) : CString();
}
