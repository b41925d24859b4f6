#include "data/CPaymentSet.h"

#include "billing/CInvoice.h"
#include "data/CClient.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "timelog/CLogDoc.h"

#include <limits>
#include <memory>

IMPLEMENT_DYNAMIC(CPaymentSet, CObjectRecordset)

namespace {

constexpr double kHuge = std::numeric_limits<double>::max();

CString InvoiceFilter(CInvoice& invoice) {
    return SqlEquals("InvoiceUID", invoice.GetGUID());
}

} // namespace

CPaymentSet::CPaymentSet(CDatabase* pDatabase) : CObjectRecordset(pDatabase, "Payments") {
    m_nFields = 12;
}

CString CPaymentSet::GetDefaultSQL() {
    return "[Payments]";
}

void CPaymentSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[InvoiceUID]", m_invoiceId, 255);
    RFX_Text(pFX, "[ClientUID]", m_clientId, 255);
    RFX_Date(pFX, "[DateRecvd]", m_dateRecvd);
    RFX_Double(pFX, "[Amount]", m_amount);
    RFX_Text(pFX, "[CheckNum]", m_checkNum, 255);
    RFX_Text(pFX, "[Memo]", m_memo, 255);
    RFX_Text(pFX, "[Notes]", m_notes, kLongTextLength);
    RFX_Long(pFX, "[DaysLate]", m_daysLate);
}

void CPaymentSet::ObjectToRow(CPayment& payment) {
    const CTime now = CTime::GetCurrentTime();
    m_guid = payment.GetGUID();
    m_created = TimeOr(payment.m_Created, now);
    m_modified = TimeOr(payment.m_Modified, now);
    m_deleted = CTime(static_cast<__time64_t>(payment.m_Deleted));
    m_invoiceId = payment.m_InvoiceUID;
    m_clientId = payment.m_ClientUID;
    m_dateRecvd = payment.m_DateRecvd;
    m_amount = payment.m_Amount;
    m_checkNum = payment.m_CheckNum;
    m_memo = payment.m_Memo;
    m_notes = payment.m_Notes;
    m_daysLate = payment.m_DaysLate;
}

void CPaymentSet::RowToObject(CPayment& payment, CLogDoc* doc, CInvoice* invoice) {
    const CTime now = CTime::GetCurrentTime();
    payment.m_pDoc = doc;
    payment.m_pInvoice = invoice;
    payment.m_GUID = m_guid;
    payment.m_Created = TimeOr(m_created, now);
    payment.m_Modified = TimeOr(m_modified, now);
    payment.m_Deleted = static_cast<int>(m_deleted.GetTime());
    payment.m_InvoiceUID = m_invoiceId;
    payment.m_ClientUID = m_clientId;
    payment.m_DateRecvd = m_dateRecvd;
    payment.m_Amount = BoundedOr(m_amount, -kHuge, kHuge, 0.0);
    payment.m_CheckNum = m_checkNum;
    payment.m_Memo = m_memo;
    payment.m_Notes = m_notes;
    payment.m_DaysLate = static_cast<int>(LongOr(*this, m_daysLate, 0));
    payment.m_pClient = invoice ? invoice->GetClient() : nullptr;
    payment.m_bModified = 0;
}

bool CPaymentSet::LoadPayments(CLogDoc* doc, CPaymentArray& payments, CInvoice* invoice) {
    if (!doc || !invoice)
        return false;
    return ForEachRow(doc, InvoiceFilter(*invoice), CString(), [&] {
        auto payment = std::make_unique<CPayment>();
        RowToObject(*payment, doc, invoice);
        payments.Add(payment.release());
    });
}

bool CPaymentSet::SumPayments(CLogDoc* doc, CInvoice* invoice, double& total) {
    total = 0.0;
    if (!doc || !invoice)
        return false;
    double sum = 0.0;
    if (!ForEachRow(doc, InvoiceFilter(*invoice), CString(),
                    [&] { sum += BoundedOr(m_amount, -kHuge, kHuge, 0.0); }))
        return false;
    total = sum;
    return true;
}

bool CPaymentSet::SavePayment(CLogDoc* doc, CPayment* payment) {
    if (!doc || !payment)
        return false;
    return SaveRow(doc, payment->GetGUID(), [&] { ObjectToRow(*payment); });
}

bool CPaymentSet::DeletePayment(CLogDoc* doc, CPayment* payment) {
    if (!doc || !payment)
        return false;
    return DeleteByGUID(doc, payment->GetGUID());
}

bool CPaymentSet::ClientHasPayments(CClient* client) {
    return client && AnyRow(SqlEquals("ClientUID", client->GetGUID()));
}

bool CPaymentSet::ReplaceClient(CLogDoc* doc, CClient* oldClient, CClient* newClient) {
    if (!oldClient)
        return false;
    const CString to = newClient ? CString(newClient->GetGUID()) : CString();
    return ChangeRows(doc, SqlEquals("ClientUID", oldClient->GetGUID()), [&] { m_clientId = to; });
}
