// The [Clients] table: one row per client, each of the client's name/value fields in a column of its
// own.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CClient;
class CLogDoc;
class CWnd;

class CClientSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CClientSet)
public:
    explicit CClientSet(CDatabase* pDatabase = nullptr);

    // The text columns after [GUID], in binding order.
    static constexpr int kFieldColumns = 28;

    // Reads every row, by company name, into a new client of the document. False for a null doc or a
    // failure.
    bool LoadClients(CLogDoc* doc);
    // Adds a row for every client of the document whose GUID has none ("Writing clients").
    bool WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId);
    // Writes one client (its row edited, or added) and bumps the change counter.
    bool SaveClient(CLogDoc* doc, CClient* client);
    bool DeleteClient(CLogDoc* doc, CClient* client);

    // The field members from a client's fields, and back.
    void ObjectToRow(CClient& client);
    void RowToObject(CClient& client);

    // Merges the current row into the document: a row modified later than the document's client updates
    // it (so other copies' edits arrive after a reload); an unknown one is added.
    void TransferRow(CObject* target) override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CTime m_created;
    CTime m_modified;
    CString m_guid;
    // [Company name] .. [Tax ID], in binding order.
    CString m_fields[kFieldColumns];
};
