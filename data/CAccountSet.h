// The [Accounts] table: one row per account of the accounting chart (CAccount), shared by every user.
// [ExtendedName] holds the account's full name for other programs; it is written, never read.
#pragma once

#include "data/CObjectRecordset.h"
#include "framework/core/CTime.h"

class CAccount;
class CLogDoc;

class CAccountSet : public CObjectRecordset {
    DECLARE_DYNAMIC(CAccountSet)
public:
    explicit CAccountSet(CDatabase* pDatabase = nullptr);

    // The field members from the account (its GUID made when empty, times of 0 become now).
    void ObjectToRow(CAccount& account);
    // The account from the current row; it belongs to doc and finds its parent there.
    void RowToObject(CAccount& account, CLogDoc* doc);

    // Every account into the document's list and map.
    bool LoadAccounts(CLogDoc* doc);
    // Writes the account's row and bumps the change counter.
    bool SaveAccount(CLogDoc* doc, CAccount* account);
    bool DeleteAccount(CLogDoc* doc, CAccount* account);
    // Merges the current row: a later row updates the document's account of its GUID; an unknown account
    // is added.
    void TransferRow(CObject* target) override;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }

    CTime m_created;
    CTime m_modified;
    CString m_guid;
    CString m_name;
    CString m_description;
    long m_active = 1;
    long m_actType = 2;
    CString m_parentId;
    CString m_extendedName;
};
