// The [Timesheets] table: for each owner's week (the sheet date is the week's first day) whether the
// sheet was submitted, approved and locked, when and by whom. At most one row per sheet date and owner.
#pragma once

#include "data/CBaseRecordset.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CTime.h"

class CLogDoc;

class CTimesheetSet : public CBaseRecordset {
    DECLARE_DYNAMIC(CTimesheetSet)
public:
    explicit CTimesheetSet(CDatabase* pDatabase = nullptr);

    // Sets the flags chosen by setSubmitted, setApproved and setLocked to value on the sheet's row (added
    // when there is none), with the time and the acting user of each change; clearing a flag clears its
    // time and user. False for a null doc or a failure.
    bool SetStatus(CLogDoc* doc, const CTime& sheetDate, const CString& ownerId, const CString& actingUserId,
                   bool value, bool setSubmitted, bool setApproved, bool setLocked);
    // The sheet's flags (only the value 1 counts as set) and submission time; all false and 0 when the
    // sheet has no row (still true).
    bool GetStatus(CLogDoc* doc, const CTime& sheetDate, const CString& ownerId, bool* submitted,
                   bool* approved, bool* locked, CTime* submitDate);
    // The locked weeks of an owner: each sheet date and the last second of its week (seven days later,
    // less one second), as 32-bit times.
    bool GetLockedWeeks(CLogDoc* doc, const CString& ownerId, CDWordArray* starts, CDWordArray* ends);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }
    void OnDatabaseError(CObject* context, CDBException* e) override;

    CString m_guid;
    CTime m_created;
    CTime m_modified;
    CTime m_sheetDate;
    CTime m_submitDate;
    CTime m_approveDate;
    CTime m_lockDate;
    long m_submitted = 0;
    long m_approved = 0;
    long m_locked = 0;
    CString m_ownerId;
    CString m_approveUserId;
    CString m_lockUserId;
    CString m_notes;
};
