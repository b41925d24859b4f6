// A client: a customer for whom time and expenses are recorded and invoices written, or the user's own
// company. Its descriptive data are name/value fields (company, contacts, addresses, terms, tax), so
// dialogs show and edit them in a property grid. Kept by the time-log document in its client list and
// GUID map; stored in [Clients].
#pragma once

#include "data/CNameValuePairs.h"
#include "framework/core/CObArray.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CComboBoxEx;
class CClient;
using CClientArray = CTypedPtrArray<CObArray, CClient*>;

class CClient : public CNameValuePairs {
    DECLARE_SERIAL(CClient)
public:
    // The 28 default fields, empty.
    CClient();
    // Fields, GUID and times; the copy is not modified.
    CClient(const CClient& other);
    CClient& operator=(const CClient& other);

    // The string ids of the default fields, in field order.
    static const UINT* DefaultFieldIds(int* count);
    void AddDefaultFields();

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);
    void SetCompanyName(const CString& name);
    void SetDescription(const CString& description);
    CString GetCompanyName() const;
    // "This company" holds exactly "1".
    BOOL IsThisCompany() const;
    void SetThisCompany();
    // Payment terms in days: the leading number of "Terms", 30 when that is 0 or missing.
    int GetTerms() const;
    // "Tax rate" as a locale number; 0 when it does not parse.
    double GetTaxRate() const;
    // The address block as RTF: contact (when asked), company, address lines each followed by "{\par}",
    // then "city, state zip" (or "city zip"). Billing fields when preferred and a billing address is
    // set. Field texts are escaped for RTF.
    void GetAddressRtf(CString& text, BOOL preferBilling, BOOL includeContact) const;

    // Schema word 2: the name/value archive, then the GUID; reads 1 (no GUID) and 2.
    void Serialize(CArchive& ar) override;

    CString m_GUID;
    int m_bModified = 0;
    CTime m_Created;
    CTime m_Modified;
};

// Empties the box; with withAll, first "<All clients>" (item data 0); then every client's company name
// with the client as item data.
void FillClientCombo(CComboBoxEx& combo, const CClientArray& clients, BOOL withAll);
