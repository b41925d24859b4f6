// The [Payments] table: one row per payment (CPayment) received against an invoice. Payments are read
// per invoice, when its payments are listed or summed; the document does not keep them.
#pragma once

#include "billing/CPayment.h"
#include "data/CObjectRecordset.h"
#include "framework/core/CTime.h"

class CClient;
class CInvoice;
class CLogDoc;

class CPaymentSet : public CObjectRecordset {
    DECLARE_DYNAMIC(CPaymentSet)
public:
    explicit CPaymentSet(CDatabase* pDatabase = nullptr);

    // The field members from the payment (its GUID made when empty, times of 0 become now).
    void ObjectToRow(CPayment& payment);
    // The payment from the current row, of the invoice (and its client) in doc.
    void RowToObject(CPayment& payment, CLogDoc* doc, CInvoice* invoice);

    // Appends a new payment for each row of the invoice to payments (the caller owns them).
    bool LoadPayments(CLogDoc* doc, CPaymentArray& payments, CInvoice* invoice);
    // The sum of the invoice's payments; false (and 0) when they cannot be read.
    bool SumPayments(CLogDoc* doc, CInvoice* invoice, double& total);
    bool SavePayment(CLogDoc* doc, CPayment* payment);
    bool DeletePayment(CLogDoc* doc, CPayment* payment);
    bool ClientHasPayments(CClient* client);
    // The payments of the old client become the new client's (no client when none is given).
    bool ReplaceClient(CLogDoc* doc, CClient* oldClient, CClient* newClient);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }

    CString m_guid;
    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_invoiceId;
    CString m_clientId;
    CTime m_dateRecvd;
    double m_amount = 0.0;
    CString m_checkNum;
    CString m_memo;
    CString m_notes;
    long m_daysLate = 0;
};
