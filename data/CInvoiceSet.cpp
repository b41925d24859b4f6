// CInvoiceSet: rows and objects, loading, saving, merging and the client references.
#include "data/CInvoiceSet.h"

#include "billing/CInvoice.h"
#include "data/CClient.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "timelog/CLogDoc.h"

#include <limits>
#include <memory>

IMPLEMENT_DYNAMIC(CInvoiceSet, CObjectRecordset)

namespace {

constexpr double kHuge = std::numeric_limits<double>::max();

double Money(double value) {
    return BoundedOr(value, -kHuge, kHuge, 0.0);
}

} // namespace

CInvoiceSet::CInvoiceSet(CDatabase* pDatabase) : CObjectRecordset(pDatabase, "Invoices") {
    m_nFields = 28;
}

CString CInvoiceSet::GetDefaultSQL() {
    return "[Invoices]";
}

void CInvoiceSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[InvoiceNum]", m_invoiceNum, 255);
    RFX_Date(pFX, "[DateSent]", m_dateSent);
    RFX_Text(pFX, "[ClientUID]", m_clientId, 255);
    RFX_Text(pFX, "[ProjectUID]", m_projectId, 255);
    RFX_Text(pFX, "[CreatorUID]", m_creatorId, 255);
    RFX_Text(pFX, "[TemplateFile]", m_templateFile, 255);
    RFX_Text(pFX, "[InvoiceFile]", m_invoiceFile, 255);
    RFX_Double(pFX, "[SubTotal]", m_subTotal);
    RFX_Double(pFX, "[TaxRate]", m_taxRate);
    RFX_Double(pFX, "[TaxAmount]", m_taxAmount);
    RFX_Double(pFX, "[Amount]", m_amount);
    RFX_Double(pFX, "[AmountPaid]", m_amountPaid);
    RFX_Double(pFX, "[BalanceDue]", m_balanceDue);
    RFX_Long(pFX, "[Terms]", m_terms);
    RFX_Date(pFX, "[DueDate]", m_dueDate);
    RFX_Text(pFX, "[PO]", m_po, 255);
    RFX_Text(pFX, "[InvoiceNote]", m_invoiceNote, 255);
    RFX_Text(pFX, "[Representative]", m_representative, 255);
    RFX_Long(pFX, "[PaidInFull]", m_paidInFull);
    RFX_Date(pFX, "[DatePaid]", m_datePaid);
    RFX_Date(pFX, "[StartRange]", m_startRange);
    RFX_Date(pFX, "[EndRange]", m_endRange);
    RFX_Text(pFX, "[Notes]", m_notes, kLongTextLength);
    RFX_Long(pFX, "[UserBased]", m_userBased);
}

void CInvoiceSet::ObjectToRow(CInvoice& invoice) {
    const CTime now = CTime::GetCurrentTime();
    m_guid = invoice.GetGUID();
    m_created = TimeOr(invoice.m_Created, now);
    m_modified = TimeOr(invoice.m_Modified, now);
    m_deleted = CTime(static_cast<__time64_t>(invoice.m_Deleted));
    m_invoiceNum = invoice.m_InvoiceNum;
    m_dateSent = invoice.m_DateSent;
    m_clientId = invoice.m_ClientUID;
    m_projectId = invoice.m_ProjectUID;
    m_creatorId = invoice.m_CreatorUID;
    m_templateFile = invoice.m_TemplateFile;
    m_invoiceFile = invoice.m_InvoiceFile;
    m_subTotal = invoice.m_SubTotal;
    m_taxRate = invoice.m_TaxRate;
    m_taxAmount = invoice.m_TaxAmount;
    m_amount = invoice.m_Amount;
    m_amountPaid = invoice.m_AmountPaid;
    m_balanceDue = invoice.m_BalanceDue;
    m_terms = invoice.m_Terms;
    m_dueDate = invoice.m_DueDate;
    m_po = invoice.m_PO;
    m_invoiceNote = invoice.m_InvoiceNote;
    m_representative = invoice.m_Representative;
    m_paidInFull = invoice.m_PaidInFull ? 1 : 0;
    m_datePaid = invoice.m_DatePaid;
    m_startRange = invoice.m_StartRange;
    m_endRange = invoice.m_EndRange;
    m_notes = invoice.m_Notes;
    m_userBased = invoice.m_UserBased ? 1 : 0;
}

void CInvoiceSet::RowToObject(CInvoice& invoice, CLogDoc* doc) {
    const CTime now = CTime::GetCurrentTime();
    invoice.m_pDoc = doc;
    invoice.m_pClient = nullptr;
    invoice.m_pProject = nullptr;
    invoice.m_pCreator = nullptr;
    invoice.m_GUID = m_guid;
    invoice.m_Created = TimeOr(m_created, now);
    invoice.m_Modified = TimeOr(m_modified, now);
    invoice.m_Deleted = static_cast<int>(m_deleted.GetTime());
    invoice.m_InvoiceNum = m_invoiceNum;
    invoice.m_DateSent = m_dateSent;
    invoice.m_ClientUID = m_clientId;
    invoice.m_ProjectUID = m_projectId;
    invoice.m_CreatorUID = m_creatorId;
    invoice.m_TemplateFile = m_templateFile;
    invoice.m_InvoiceFile = m_invoiceFile;
    invoice.m_SubTotal = Money(m_subTotal);
    invoice.m_TaxRate = Money(m_taxRate);
    invoice.m_TaxAmount = Money(m_taxAmount);
    invoice.m_Amount = Money(m_amount);
    invoice.m_AmountPaid = Money(m_amountPaid);
    invoice.m_BalanceDue = Money(m_balanceDue);
    invoice.m_Terms = static_cast<int>(LongOr(*this, m_terms, 30));
    invoice.m_DueDate = m_dueDate;
    invoice.m_PO = m_po;
    invoice.m_InvoiceNote = m_invoiceNote;
    invoice.m_Representative = m_representative;
    invoice.m_PaidInFull = LongOr(*this, m_paidInFull, 0) != 0 ? 1 : 0;
    invoice.m_DatePaid = m_datePaid;
    invoice.m_StartRange = m_startRange;
    invoice.m_EndRange = m_endRange;
    invoice.m_Notes = m_notes;
    invoice.m_UserBased = LongOr(*this, m_userBased, 0) != 0 ? 1 : 0;
    invoice.m_bModified = 0;
}

bool CInvoiceSet::LoadInvoices(CLogDoc* doc) {
    if (!doc)
        return false;
    return ForEachRow(doc, BuildViewFilter(CTime::GetCurrentTime()), CString(), [&] {
        auto invoice = std::make_unique<CInvoice>();
        RowToObject(*invoice, doc);
        doc->AddInvoice(invoice.release());
    });
}

bool CInvoiceSet::SaveInvoice(CLogDoc* doc, CInvoice* invoice) {
    if (!doc || !invoice)
        return false;
    return SaveRow(doc, invoice->GetGUID(), [&] { ObjectToRow(*invoice); });
}

bool CInvoiceSet::DeleteInvoice(CLogDoc* doc, CInvoice* invoice) {
    if (!doc || !invoice)
        return false;
    return DeleteByGUID(doc, invoice->GetGUID());
}

CString CInvoiceSet::GetLoadFilter(CObject*) {
    return BuildViewFilter(CTime::GetCurrentTime());
}

void CInvoiceSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto fromRow = std::make_unique<CInvoice>();
    RowToObject(*fromRow, doc);
    CInvoice* existing = doc->FindInvoiceByGUID(fromRow->m_GUID);
    MergeRow(std::move(fromRow), existing, [&](std::unique_ptr<CInvoice> added) {
        doc->AddInvoice(added.release());
        doc->ApplyUserVisibility(true, true, true);
    });
}

bool CInvoiceSet::ClientHasInvoices(CClient* client) {
    return client && AnyRow(SqlEquals("ClientUID", client->GetGUID()));
}

bool CInvoiceSet::ReplaceClient(CLogDoc* doc, CClient* oldClient, CClient* newClient) {
    if (!oldClient)
        return false;
    const CString to = newClient ? CString(newClient->GetGUID()) : CString();
    return ChangeRows(doc, SqlEquals("ClientUID", oldClient->GetGUID()), [&] { m_clientId = to; });
}
