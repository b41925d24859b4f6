#include "data/CClientSet.h"

#include "data/CClient.h"
#include "data/TableSetSupport.h"
#include "framework/win/CWaitCursor.h"
#include "resources/resource.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(CClientSet, CBaseRecordset)

namespace {

// The field controls: "Edit Control", and "Checkbox, 3d-Effect" for "This company".
constexpr UINT kEditControl = 52512;
constexpr UINT kCheckBox3d = 52523;

struct ClientColumn {
    const char* column;
    UINT field; // string id of the client's field
};

// In binding order.
constexpr ClientColumn kColumns[CClientSet::kFieldColumns] = {
    {"[Company name]", IDS_CLIENT_COMPANY_NAME},
    {"[Description]", IDS_CLIENT_DESCRIPTION},
    {"[Main contact]", IDS_CLIENT_MAIN_CONTACT},
    {"[Main contact phone]", IDS_CLIENT_MAIN_PHONE},
    {"[Main contact mobile]", IDS_CLIENT_MAIN_MOBILE},
    {"[Main contact fax]", IDS_CLIENT_MAIN_FAX},
    {"[Main contact email]", IDS_CLIENT_MAIN_EMAIL},
    {"[Main Address1]", IDS_CLIENT_MAIN_ADDRESS1},
    {"[Main Address2]", IDS_CLIENT_MAIN_ADDRESS2},
    {"[Main City]", IDS_CLIENT_MAIN_CITY},
    {"[Main State]", IDS_CLIENT_MAIN_STATE},
    {"[Main Zip]", IDS_CLIENT_MAIN_ZIP},
    {"[Billing contact]", IDS_CLIENT_BILLING_CONTACT},
    {"[Billing contact phone]", IDS_CLIENT_BILLING_PHONE},
    {"[Billing contact mobile]", IDS_CLIENT_BILLING_MOBILE},
    {"[Billing contact fax]", IDS_CLIENT_BILLING_FAX},
    {"[Billing contact email]", IDS_CLIENT_BILLING_EMAIL},
    {"[Billing Address1]", IDS_CLIENT_BILLING_ADDRESS1},
    {"[Billing Address2]", IDS_CLIENT_BILLING_ADDRESS2},
    {"[Billing City]", IDS_CLIENT_BILLING_CITY},
    {"[Billing State]", IDS_CLIENT_BILLING_STATE},
    {"[Billing Zip]", IDS_CLIENT_BILLING_ZIP},
    {"[Terms]", IDS_CLIENT_TERMS},
    {"[Web]", IDS_CLIENT_WEB},
    {"[Invoice Note]", IDS_CLIENT_INVOICE_NOTE},
    {"[This company]", IDS_CLIENT_THIS_COMPANY},
    {"[Tax rate]", IDS_CLIENT_TAX_RATE},
    {"[Tax ID]", IDS_CLIENT_TAX_ID},
};

} // namespace

CClientSet::CClientSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 3 + kFieldColumns;
}

CString CClientSet::GetDefaultSQL() {
    return "[Clients]";
}

void CClientSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    for (int i = 0; i < kFieldColumns; ++i)
        RFX_Text(pFX, kColumns[i].column, m_fields[i], 255);
}

void CClientSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Clients", e);
}

void CClientSet::ObjectToRow(CClient& client) {
    m_guid = client.GetGUID();
    m_created = client.m_Created;
    m_modified = client.m_Modified;
    for (int i = 0; i < kFieldColumns; ++i)
        client.GetValue(kColumns[i].field, m_fields[i]);
}

void CClientSet::RowToObject(CClient& client) {
    client.m_GUID = m_guid;
    client.m_Created = m_created;
    client.m_Modified = m_modified;
    for (int i = 0; i < kFieldColumns; ++i)
        client.SetValue(kColumns[i].field, m_fields[i],
                        kColumns[i].field == IDS_CLIENT_THIS_COMPANY ? kCheckBox3d : kEditControl);
}

bool CClientSet::LoadClients(CLogDoc* doc) {
    return doc && LoadRows<CClient>(
                      *this, doc, "[Company name] ASC", [&](CClient& client) { RowToObject(client); },
                      [&](CClient* client) { doc->AddClient(client); });
}

bool CClientSet::WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId) {
    return doc && WriteMissingRows(
                      *this, doc, dialog, textId, progressId, "Writing clients",
                      static_cast<int>(doc->m_Clients.GetSize()), [&](int i) { return doc->GetClientAt(i); },
                      [&](CClient& client) { ObjectToRow(client); });
}

bool CClientSet::SaveClient(CLogDoc* doc, CClient* client) {
    return doc && client && SaveSharedRow(*this, doc, client->GetGUID(), [&] { ObjectToRow(*client); });
}

bool CClientSet::DeleteClient(CLogDoc* doc, CClient* client) {
    if (!doc || !client)
        return false;
    return DeleteByGUID(doc, client->GetGUID());
}

void CClientSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    if (CClient* existing = doc->FindClientByGUID(m_guid)) {
        if (m_modified > existing->m_Modified) {
            RowToObject(*existing);
            existing->m_bModified = 0;
        }
        return;
    }
    auto client = std::make_unique<CClient>();
    RowToObject(*client);
    doc->AddClient(client.release());
}
