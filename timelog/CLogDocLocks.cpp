// CLogDoc: the locked timesheet periods of the current user, cached, and whether a moment falls in one.
#include "timelog/CLogDoc.h"

#include "foundation/LocaleFormat.h"
#include "framework/win/CWinApp.h"
#include "resource.h"

void CLogDoc::LoadLockedTimesheets(CUser* pUser, bool force) {
    if (force)
        m_bLockedCacheValid = false;
    if (m_bLockedCacheValid)
        return;
    m_bLockedCacheValid = true;
    m_LockedStarts.RemoveAll();
    m_LockedEnds.RemoveAll();
    CUser* pCurrent = GetCurrentUser();
    if (pCurrent == nullptr)
        return;
    CUser* pOwner = pUser != nullptr ? pUser : pCurrent;
    CDWordArray starts;
    CDWordArray ends;
    if (!m_TimesheetSet.GetLockedWeeks(this, pOwner->GetGUID(), &starts, &ends))
        return;
    // Periods come in pairs; a half pair from a damaged read is left out.
    const INT_PTR pairs = starts.GetSize() < ends.GetSize() ? starts.GetSize() : ends.GetSize();
    for (INT_PTR i = 0; i < pairs; ++i) {
        m_LockedStarts.Add(starts.GetAt(i));
        m_LockedEnds.Add(ends.GetAt(i));
    }
}

bool CLogDoc::IsInLockedTimesheet(CTime moment, bool warn) {
    if (!m_bLockedCacheValid)
        LoadLockedTimesheets(nullptr, false);
    const auto at = static_cast<long long>(moment.GetTime());
    for (INT_PTR i = 0; i < m_LockedStarts.GetSize(); ++i) {
        const auto start = static_cast<long long>(m_LockedStarts.GetAt(i));
        const auto end = static_cast<long long>(m_LockedEnds.GetAt(i));
        if (start <= at && at < end) {
            if (warn) {
                CString message(MAKEINTRESOURCE(IDS_LOCKED_TIMESHEET_TIME));
                message.Replace("%1", AcxFormatDate(CTime(static_cast<__time64_t>(start))));
                message.Replace("%2", AcxFormatDate(CTime(static_cast<__time64_t>(end))));
                message.Replace("%3", AcxFormatDate(moment));
                AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
            }
            return true;
        }
    }
    return false;
}
