// The [Invoices] table: one row per invoice (CInvoice). Loads the invoices that the invoice view's
// filter lets through ("Filter\Project Tasks\" "InProject", "InClient", "InDate", "InPastDue"), saves
// and deletes single invoices, merges rows read back, hands out invoice numbers and moves invoices to
// another client.
//
// Invoice numbers stay unique when several copies of the program ask at once: the number handed out
// is reserved in a row of its own at once, a row marked deleted (so that no view shows it) that the
// invoice of that GUID takes over when it is saved. Rows marked deleted are never loaded.
#pragma once

#include "data/CObjectRecordset.h"
#include "framework/core/CTime.h"

class CClient;
class CInvoice;
class CLogDoc;
class CProject;

class CInvoiceSet : public CObjectRecordset {
    DECLARE_DYNAMIC(CInvoiceSet)
public:
    explicit CInvoiceSet(CDatabase* pDatabase = nullptr);

    // The field members from the invoice (its GUID made when empty, times of 0 become now).
    void ObjectToRow(CInvoice& invoice);
    // The invoice from the current row; it belongs to doc.
    void RowToObject(CInvoice& invoice, CLogDoc* doc);

    // The rows of the view filter into the document's invoice list.
    bool LoadInvoices(CLogDoc* doc);
    // Writes the invoice's row (also the row that reserved its number).
    bool SaveInvoice(CLogDoc* doc, CInvoice* invoice);
    bool DeleteInvoice(CLogDoc* doc, CInvoice* invoice);
    // Merges the current row: a later row updates the document's invoice of its GUID; an unknown one is
    // added.
    void TransferRow(CObject* target) override;
    CString GetLoadFilter(CObject* target) override;

    // The next invoice number (the largest leading number of all numbers + 1; 1000 for the first), made
    // unique among all copies of the program by reserving it. reserveFor: the GUID of the invoice that
    // will carry the number (its row then is the reservation); empty, or the GUID of an invoice already
    // stored, reserves under a GUID of its own. False (and an empty number) on a database error.
    bool GetNextInvoiceNumber(CLogDoc* doc, CString& number, const CString& reserveFor = CString());
    // Gives a reserved number back when the invoice that asked for it is not stored after all; a saved
    // invoice's row is left alone.
    bool ReleaseInvoiceNumber(const CString& reservedFor);

    void SetFilterClient(CClient* client);
    void SetFilterProject(CProject* project);
    // Invoices created within the last months (0: any time).
    void SetFilterDate(int months);
    void SetFilterPastDue(bool pastDue);
    void ClearFilter();
    bool IsFiltered();
    // The active filter in one line: client, project, "Created within n months", "Past due invoices".
    CString GetFilterText(CLogDoc* doc);
    // The view filter (rows marked deleted never pass).
    CString BuildViewFilter(const CTime& now);

    bool ClientHasInvoices(CClient* client);
    // The invoices of the old client become the new client's (no client when none is given).
    bool ReplaceClient(CLogDoc* doc, CClient* oldClient, CClient* newClient);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }

    CString m_guid;
    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_invoiceNum;
    CTime m_dateSent;
    CString m_clientId;
    CString m_projectId;
    CString m_creatorId;
    CString m_templateFile;
    CString m_invoiceFile;
    double m_subTotal = 0.0;
    double m_taxRate = 0.0;
    double m_taxAmount = 0.0;
    double m_amount = 0.0;
    double m_amountPaid = 0.0;
    double m_balanceDue = 0.0;
    long m_terms = 30;
    CTime m_dueDate;
    CString m_po;
    CString m_invoiceNote;
    CString m_representative;
    long m_paidInFull = 0;
    CTime m_datePaid;
    CTime m_startRange;
    CTime m_endRange;
    CString m_notes;
    long m_userBased = 0;

private:
    // The largest leading number of all invoice numbers; false on a database error (reported).
    bool LargestNumber(CLogDoc* doc, long& largest);
    // Adds the reservation row of number under guid.
    bool Reserve(CLogDoc* doc, const CString& guid, const CString& number);
    // How many rows carry exactly this number; -1 on a database error (reported).
    long CountNumber(CLogDoc* doc, const CString& number);
};

// The first day of the invoice view's date filter: months back from now on the same day of the month,
// or on the month's last day when it is shorter.
CTime MonthsBefore(const CTime& now, int months);
