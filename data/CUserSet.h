// The [Users] table: one row per user or group record of the organization. Passwords are stored in the
// program's scrambled form.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CLogDoc;
class CUser;

class CUserSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CUserSet)
public:
    explicit CUserSet(CDatabase* pDatabase = nullptr);

    // Reads every row into a new record of the document (parents are linked by the document afterwards).
    // False for a null doc or a failure.
    bool LoadUsers(CLogDoc* doc);
    // Writes one record: its row by GUID is edited; else a row with the same user name and of the same
    // kind (person or group) takes the record's data and the record takes that row's GUID (unless
    // another record of the document holds it); else a row is added. Bumps the change counter when
    // written.
    bool SaveUser(CLogDoc* doc, CUser* user);
    bool DeleteUser(CLogDoc* doc, CUser* user);
    // Opens the set on the row whose [User] is name exactly, of either kind.
    bool FindByUser(const CString& name);
    // The same among the groups (group set) or the persons.
    bool FindByUser(const CString& name, bool group);

    // The field members from a record ([ParentUID] from its parent link, the password scrambled).
    virtual void ObjectToRow(CUser& user);
    // A record from the row: rates below 0 become 100, Active and QBInclude above 1 become 1; the
    // record is not modified.
    virtual void RowToObject(CUser& user);
    virtual void ClearGUID() { m_guid.Empty(); }
    virtual void SetDeletedNow() { m_deleted = CTime::GetCurrentTime(); }
    virtual CString GetErrorCaption() const { return "Users"; }

    // Merges the current row into the document: a later row updates the document's record, an unknown
    // one is added; parents are linked again.
    void TransferRow(CObject* target) override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CString m_guid;
    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_user;
    CString m_fullName;
    CString m_email;
    CString m_parentUID;
    long m_workgroup = 0;
    long m_active = 0;
    long m_getEmails = 1;
    CString m_wkgpBitmask;
    long m_admin = 1;
    CString m_msRsrcName;
    CString m_psRsrcName;
    double m_billingRate = 100.0;
    double m_hourlyRate = 100.0;
    long m_qbInclude = 1;
    CString m_qbEmployee;
    CString m_rights;

private:
    // Rates below 0 (or not numbers) become 100; Active and QBInclude above 1 (or NULL) become 1.
    void BoundMembers();
};
