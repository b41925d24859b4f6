// One bill to a client: a numbered record over the time entries and expenses of one client (and
// optionally one project) in a date range, with subtotal, tax, total, amount paid and balance due. Kept
// by the time-log document in its invoice list (the invoice view's row order) and GUID map; stored in
// [Invoices].
#pragma once

#include "data/CExpense.h"
#include "framework/core/CObArray.h"
#include "framework/core/CPtrArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CClient;
class CLogDoc;
class CLogEntry;
class CProject;
class CUser;

class CInvoice {
public:
    // Reset: new GUID, Created = Modified = now, terms 30.
    CInvoice();
    // Copies every field; the line arrays start empty.
    CInvoice(const CInvoice& other);
    // Resets, then copies every field except the line arrays.
    CInvoice& operator=(const CInvoice& other);
    // Deletes the lines.
    virtual ~CInvoice();

    // Document none, new GUID, Created = Modified = now, Deleted 0, numbers 0, terms 30, times 0, flags 0,
    // cached pointers none; the other texts stay.
    void Reset();
    const CString& GetGUID();
    // Sets or clears the modified flag; setting it stamps Modified with now.
    void SetModified(BOOL modified);
    // Deletes the task and expense lines.
    void ClearLines();
    // The cached client, else the document's client with ClientUID (then cached); nullptr without a
    // document or when there is none.
    CClient* GetClient();
    // Stores the client and its GUID ("" for none).
    void SetClient(CClient* pClient);

    CLogDoc* m_pDoc = nullptr;
    CString m_GUID;
    CTime m_Created;
    CTime m_Modified;
    int m_Deleted = 0;
    CString m_InvoiceNum;
    CTime m_DateSent;
    CString m_ClientUID;
    CString m_ProjectUID;
    CString m_CreatorUID;
    CString m_TemplateFile;
    CString m_InvoiceFile;
    double m_SubTotal = 0.0;
    double m_TaxRate = 0.0; // a fraction: 0.08 for 8 percent
    double m_TaxAmount = 0.0;
    double m_Amount = 0.0;
    double m_AmountPaid = 0.0;
    double m_BalanceDue = 0.0;
    int m_Terms = 30; // days
    CTime m_DueDate;
    CString m_PO;
    CString m_InvoiceNote;
    CString m_Representative;
    BYTE m_PaidInFull = 0;
    CTime m_DatePaid;
    CTime m_StartRange;
    CTime m_EndRange;
    CString m_Notes;
    BYTE m_UserBased = 0;
    BYTE m_bModified = 0;
    // Resolved on first use; not owned.
    CClient* m_pClient = nullptr;
    CProject* m_pProject = nullptr;
    CUser* m_pCreator = nullptr;
    // Filled only while a document is generated; owned.
    CTypedPtrArray<CObArray, CLogEntry*> m_TaskLines;
    CExpenseArray m_ExpenseLines;
};

using CInvoiceArray = CTypedPtrArray<CPtrArray, CInvoice*>;
