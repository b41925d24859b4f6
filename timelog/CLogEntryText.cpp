// CLogEntry: the text form of its fields by column id, and the text search over them.
#include "timelog/CLogEntry.h"

#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "foundation/LocaleFormat.h"
#include "resource.h"
#include "timelog/CFindRequest.h"
#include "timelog/CLogDoc.h"
#include "timelog/ILogDocFrame.h"

#include <cmath>

namespace {
CString FlagText(BYTE flag) {
    return flag ? "1" : "0";
}
CString DateTimeText(CTime time) {
    return time.GetTime() != 0 ? AcxFormatDateTime(time) : CString();
}
CString DurationText(long seconds) {
    return AcxFormatDurationRes(seconds, IDS_DURATION_HOURS_FORMAT);
}
} // namespace

void CLogEntry::GetColumnText(CString& text, int columnId) const {
    const bool stopped = m_EndTime.GetTime() != 0;
    const long elapsed = static_cast<long>((m_EndTime - m_StartTime).GetTotalSeconds());
    switch (columnId) {
    case colStart:
        text = DateTimeText(m_StartTime);
        break;
    case colStop:
        text = DateTimeText(m_EndTime);
        break;
    case colElapsed:
        text = stopped ? DurationText(elapsed) : CString();
        break;
    case colProject:
        text = m_pProject != nullptr ? m_pProject->m_Name : CString();
        break;
    case colCategory:
        text = m_pCategory != nullptr ? m_pCategory->m_Name : CString();
        break;
    case colDescription:
        text = m_Desc;
        break;
    case colBilled:
        text = FlagText(m_Billed);
        break;
    case colBillable:
        text = FlagText(m_Billable);
        break;
    case colClient:
        text = m_pClient != nullptr ? m_pClient->GetCompanyName() : CString();
        break;
    case colText1:
        text = m_UserText1;
        break;
    case colText2:
        text = m_UserText2;
        break;
    case colText3:
        text = m_UserText3;
        break;
    case colSubsystem:
        text = m_pSubsystem != nullptr ? m_pSubsystem->m_Name : CString();
        break;
    case colRounded:
        text = stopped ? DurationText(RoundElapsed(elapsed)) : CString();
        break;
    case colUser:
        text = m_pUser != nullptr ? m_pUser->m_User : CString();
        break;
    case colCostClient:
        text = AcxFormatNumber(m_CostClient, 2);
        break;
    case colCostSalary:
        text = AcxFormatNumber(m_CostSalary, 2);
        break;
    case colStartDate:
        text = m_StartTime.GetTime() != 0 ? AcxFormatDate(m_StartTime, DATE_SHORTDATE) : CString();
        break;
    default:
        text.Empty();
        break;
    }
}

void CLogEntry::SetColumnText(CLogDoc* pDoc, const CString& text, int columnId) {
    switch (columnId) {
    case colStart:
    case colStop: {
        CTime time;
        if (AcxParseDateTime(text, &time)) {
            if (columnId == colStart)
                SetStartTime(time);
            else
                SetStopTime(time);
        }
        break;
    }
    case colElapsed: {
        double hours = 0.0;
        if (ParseLocaleDouble(text, &hours) && std::isfinite(hours)) {
            m_Duration = CTimeSpan(static_cast<__time64_t>(std::trunc(hours * 3600.0)));
            m_EndTime = m_StartTime + m_Duration;
            RecalcElapsed();
        }
        break;
    }
    case colProject:
        if (pDoc != nullptr) {
            if (CProject* pProject = pDoc->FindProjectByName(text)) {
                m_pProject = pProject;
                UpdateAmounts();
            }
        }
        break;
    case colCategory:
        if (pDoc != nullptr) {
            if (CCategory* pCategory = pDoc->FindCategoryByName(text)) {
                m_pCategory = pCategory;
                UpdateAmounts();
            }
        }
        break;
    case colDescription:
        m_Desc = text;
        break;
    case colBilled:
        m_Billed = text == "1" ? 1 : 0;
        break;
    case colBillable:
        m_Billable = text == "1" ? 1 : 0;
        UpdateAmounts();
        break;
    case colClient:
        if (pDoc != nullptr) {
            if (CClient* pClient = pDoc->FindClientByName(text))
                m_pClient = pClient;
        }
        break;
    case colText1:
        m_UserText1 = text;
        break;
    case colText2:
        m_UserText2 = text;
        break;
    case colText3:
        m_UserText3 = text;
        break;
    case colSubsystem:
        if (m_pProject != nullptr) {
            m_pSubsystem = m_pProject->FindSubsystem(text);
            UpdateAmounts();
        }
        break;
    default:
        break;
    }
}

bool CLogEntry::MatchesFind(const CFindRequest& request, int firstIndex, int& foundIndex,
                            int& foundColumnId) const {
    CDWordArray columns;
    ILogDocFrame* pFrame = GetLogDocFrame();
    if (pFrame == nullptr || !pFrame->GetLogColumnIds(columns))
        return false;
    return MatchesFind(request, columns, firstIndex, foundIndex, foundColumnId);
}

bool CLogEntry::MatchesFind(const CFindRequest& request, const CDWordArray& columnIds, int firstIndex,
                            int& foundIndex, int& foundColumnId) const {
    if (request.pProject != nullptr && request.pProject != m_pProject)
        return false;
    // The place of the last hit; reported only when the entry matches.
    int hitIndex = -1;
    int hitColumn = -1;
    auto search = [&](CString needle) {
        needle.MakeLower();
        for (INT_PTR i = firstIndex < 0 ? 0 : firstIndex; i < columnIds.GetSize(); ++i) {
            CString text;
            GetColumnText(text, static_cast<int>(columnIds.GetAt(i)));
            text.MakeLower();
            if (text.Find(needle) >= 0) {
                hitIndex = static_cast<int>(i);
                hitColumn = static_cast<int>(columnIds.GetAt(i));
                return true;
            }
        }
        return false;
    };
    bool matches = request.allWords;
    if (request.exactPhrase) {
        matches = search(request.phrase);
    } else {
        for (INT_PTR i = 0; i < request.words.GetSize(); ++i) {
            const bool found = search(request.words.GetAt(i));
            if (request.allWords != found) {
                matches = found;
                break;
            }
        }
    }
    if (matches) {
        foundIndex = hitIndex;
        foundColumnId = hitColumn;
    }
    return matches;
}
