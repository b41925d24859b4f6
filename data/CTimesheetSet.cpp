#include "data/CTimesheetSet.h"

#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/SharedHelpers.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_DYNAMIC(CTimesheetSet, CBaseRecordset)

namespace {

// Seven days less one second: the last second of a week that starts at the sheet date.
constexpr __time64_t kWeekLessOneSecond = 604799;

} // namespace

CTimesheetSet::CTimesheetSet(CDatabase* pDatabase) : CBaseRecordset(pDatabase) {
    m_nFields = 14;
}

CString CTimesheetSet::GetDefaultSQL() {
    return "[Timesheets]";
}

void CTimesheetSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[SheetDate]", m_sheetDate);
    RFX_Date(pFX, "[SubmitDate]", m_submitDate);
    RFX_Date(pFX, "[ApproveDate]", m_approveDate);
    RFX_Date(pFX, "[LockDate]", m_lockDate);
    RFX_Long(pFX, "[Submitted]", m_submitted);
    RFX_Long(pFX, "[Approved]", m_approved);
    RFX_Long(pFX, "[Locked]", m_locked);
    RFX_Text(pFX, "[OwnerID]", m_ownerId, 255);
    RFX_Text(pFX, "[ApproveUserID]", m_approveUserId, 255);
    RFX_Text(pFX, "[LockUserID]", m_lockUserId, 255);
    RFX_Text(pFX, "[Notes]", m_notes, 255);
}

void CTimesheetSet::OnDatabaseError(CObject* context, CDBException* e) {
    if (context && e)
        ReportDatabaseError("Timesheets", e);
}

bool CTimesheetSet::SetStatus(CLogDoc* doc, const CTime& sheetDate, const CString& ownerId,
                              const CString& actingUserId, bool value, bool setSubmitted, bool setApproved,
                              bool setLocked) {
    if (!doc)
        return false;
    if (!Reopen(TimesheetFilter(sheetDate, ownerId)))
        return false;
    return RunReported(doc, [&] {
        const CTime now = CTime::GetCurrentTime();
        if (!IsEOF()) {
            Edit();
        } else {
            AddNew();
            m_guid = NewGuidString();
            m_created = now;
            m_submitted = m_approved = m_locked = 0;
            m_submitDate = m_approveDate = m_lockDate = CTime();
        }
        m_modified = now;
        m_sheetDate = sheetDate;
        m_ownerId = ownerId;
        const CTime stamp = value ? now : CTime();
        if (setSubmitted) {
            m_submitted = value ? 1 : 0;
            m_submitDate = stamp;
        }
        if (setApproved) {
            m_approved = value ? 1 : 0;
            m_approveUserId = value ? actingUserId : CString();
            m_approveDate = stamp;
        }
        if (setLocked) {
            m_locked = value ? 1 : 0;
            m_lockUserId = value ? actingUserId : CString();
            m_lockDate = stamp;
        }
        CheckTextWidths(*this);
        Update();
        Close();
        m_strFilter.Empty();
        return true;
    });
}

bool CTimesheetSet::GetStatus(CLogDoc* doc, const CTime& sheetDate, const CString& ownerId, bool* submitted,
                              bool* approved, bool* locked, CTime* submitDate) {
    if (!doc)
        return false;
    bool isSubmitted = false, isApproved = false, isLocked = false;
    CTime submittedAt;
    const auto give = [&] {
        if (submitted)
            *submitted = isSubmitted;
        if (approved)
            *approved = isApproved;
        if (locked)
            *locked = isLocked;
        if (submitDate)
            *submitDate = submittedAt;
    };
    give();
    if (!Reopen(TimesheetFilter(sheetDate, ownerId)))
        return false;
    return RunReported(doc, [&] {
        if (!IsEOF()) {
            isSubmitted = m_submitted == 1;
            isApproved = m_approved == 1;
            isLocked = m_locked == 1;
            submittedAt = m_submitDate;
            give();
        }
        Close();
        return true;
    });
}

bool CTimesheetSet::GetLockedWeeks(CLogDoc* doc, const CString& ownerId, CDWordArray* starts,
                                   CDWordArray* ends) {
    if (!doc)
        return false;
    if (starts)
        starts->RemoveAll();
    if (ends)
        ends->RemoveAll();
    if (!Reopen("(" + SqlEqualsNumber("Locked", 1) + ") AND (" + SqlEquals("OwnerID", ownerId) + ")"))
        return false;
    return RunReported(doc, [&] {
        for (; !IsEOF(); MoveNext()) {
            const __time64_t start = m_sheetDate.GetTime();
            if (starts)
                starts->Add(static_cast<DWORD>(start));
            if (ends)
                ends->Add(static_cast<DWORD>(start + kWeekLessOneSecond));
        }
        Close();
        return true;
    });
}
