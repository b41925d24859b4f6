// Money received against one invoice: amount, date received, check number and memo, and how many days
// late it came. Stored in [Payments]; not kept in the document.
#pragma once

#include "framework/core/CPtrArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CClient;
class CInvoice;
class CLogDoc;

class CPayment {
public:
    CPayment();
    CPayment(const CPayment& other);
    // Resets, then copies every field including both pointers.
    CPayment& operator=(const CPayment& other);
    virtual ~CPayment() = default;

    // Document none, new GUID, Created = Modified = now, numbers and dates 0, pointers none, not modified.
    void Reset();
    // Sets or clears the modified flag; setting it stamps Modified with now.
    void SetModified(BOOL modified);
    const CString& GetGUID();
    // Store the object and its GUID ("" for none).
    void SetInvoice(CInvoice* pInvoice);
    void SetClient(CClient* pClient);

    CLogDoc* m_pDoc = nullptr;
    CString m_GUID;
    CTime m_Created;
    CTime m_Modified;
    int m_Deleted = 0;
    CString m_InvoiceUID;
    CString m_ClientUID;
    CTime m_DateRecvd;
    double m_Amount = 0.0;
    CString m_CheckNum;
    CString m_Memo;
    CString m_Notes;
    int m_DaysLate = 0;
    CInvoice* m_pInvoice = nullptr; // set by the dialogs; not owned
    CClient* m_pClient = nullptr;   // cached
    BYTE m_bModified = 0;
};

using CPaymentArray = CTypedPtrArray<CPtrArray, CPayment*>;
