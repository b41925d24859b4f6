// The [Categories] table: one row per category. Category names are stored with their apostrophes turned
// into backquotes (and back when read), as every copy of the program sharing the table keeps them.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CTime.h"

class CCategory;
class CLogDoc;
class CUser;
class CWnd;

class CCategorySet : public CBaseRecordset {
    DECLARE_DYNAMIC(CCategorySet)
public:
    explicit CCategorySet(CDatabase* pDatabase = nullptr);

    // Reads every row, by name, into a new category of the document. False for a null doc or a failure.
    bool LoadCategories(CLogDoc* doc);
    // Adds a row for every category of the document whose GUID has none ("Writing categories").
    bool WriteAll(CLogDoc* doc, CWnd* dialog, UINT textId, UINT progressId);
    // Writes one category: its row by GUID is edited; else a row of the same name limited to the same
    // project, subsystem and user takes the category's data and the category takes that row's GUID
    // (unless another category of the document holds it); else a row is added. Bumps the change counter
    // when written.
    bool SaveCategory(CLogDoc* doc, CCategory* category);
    bool DeleteCategory(CLogDoc* doc, CCategory* category);
    // Opens the set on the row named name (in its stored form, matched exactly), of any scope.
    bool FindByName(const CString& name);
    // The same among the rows limited to this project, subsystem and user (empty: no limit).
    bool FindByName(const CString& name, const CString& projectId, const CString& subsystemId,
                    const CString& userId);
    // Whether a category is private to the user.
    bool HasUserCategories(CUser* user);
    // The user's private categories become to's (no one's for a null to).
    bool ReassignUser(CLogDoc* doc, CUser* from, CUser* to);

    // The field members from a category (name in stored form, times of 0 now), and back (rates below 0
    // become 100, an Active above 1 becomes 1).
    void ObjectToRow(CCategory& category);
    void RowToObject(CCategory& category);

    // Merges the current row into the document: a later row updates the document's category, an unknown
    // one is added unless a category of that name and scope exists.
    void TransferRow(CObject* target) override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CTime m_created;
    CTime m_modified;
    CString m_guid;
    CString m_name;
    CString m_desc;
    double m_rate = 100.0;
    double m_hourlyRate = 100.0;
    long m_active = 1;
    CString m_projectId;
    CString m_subsystemId;
    CString m_userId;

private:
    // Rates below 0 (or not numbers) become 100, an Active above 1 (or NULL) becomes 1.
    void BoundMembers();
};
