#include "data/CViewFilter.h"

#include "data/CProject.h"
#include "data/CProjectType.h"
#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "framework/core/CArchive.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

IMPLEMENT_SERIAL(CViewFilter, CObject, VERSIONABLE_SCHEMA | 1)

namespace {
constexpr DWORD kSchema = 1;

struct DateChoice {
    int code;
    UINT stringId;
};
constexpr DateChoice kDateChoices[] = {
    {0, IDS_DATES_ALL},
    {1, IDS_DATES_THIS_MONTH},
    {2, IDS_DATES_LAST_MONTH},
    {3, IDS_DATES_THIS_WEEK},
    {4, IDS_DATES_LAST_WEEK},
    {5, IDS_DATES_TODAY},
    {6, IDS_DATES_YESTERDAY},
    {7, IDS_DATES_LAST_30_DAYS},
    {8, IDS_DATES_LAST_60_DAYS},
    {9, IDS_DATES_LAST_90_DAYS},
    {10, IDS_DATES_LAST_120_DAYS},
    {100, IDS_DUE_WITHIN_7_DAYS},
    {101, IDS_DUE_WITHIN_14_DAYS},
    {102, IDS_DUE_WITHIN_30_DAYS},
    {103, IDS_DUE_WITHIN_60_DAYS},
    {104, IDS_DUE_WITHIN_90_DAYS},
    {105, IDS_ALL_FUTURE_TASKS},
    {106, IDS_TASKS_BEFORE_TODAY},
};

CTime Midnight(CTime time) {
    return CTime(time.GetYear(), time.GetMonth(), time.GetDay(), 0, 0, 0);
}
CTime FirstOfMonth(CTime time) {
    return CTime(time.GetYear(), time.GetMonth(), 1, 0, 0, 0);
}
// Monday 00:00 on or before the day of time (GetDayOfWeek: 1 = Sunday).
CTime MondayOnOrBefore(CTime time) {
    CTime monday = Midnight(time);
    AddDaysToTime(monday, -((time.GetDayOfWeek() + 5) % 7));
    return monday;
}
} // namespace

CViewFilter::CViewFilter(const CViewFilter& other) : CObject() {
    Copy(other);
}

CViewFilter& CViewFilter::operator=(const CViewFilter& other) {
    Copy(other);
    return *this;
}

void CViewFilter::Copy(const CViewFilter& other) {
    if (this == &other)
        return;
    m_FilterType = other.m_FilterType;
    m_pProject = other.m_pProject;
    m_pProjectType = other.m_pProjectType;
    m_DateChoice = other.m_DateChoice;
    m_NotBilled = other.m_NotBilled;
}

bool CViewFilter::operator!=(const CViewFilter& other) const {
    return m_FilterType != other.m_FilterType || m_pProject != other.m_pProject ||
           m_pProjectType != other.m_pProjectType || m_DateChoice != other.m_DateChoice ||
           m_NotBilled != other.m_NotBilled;
}

bool CViewFilter::IsActive() const {
    return m_FilterType != 0 || m_NotBilled != 0;
}

void CViewFilter::Clear() {
    m_FilterType = 0;
    m_NotBilled = 0;
}

void CViewFilter::Validate() {
    if (m_FilterType == byProject && m_pProject == nullptr)
        m_FilterType = 0;
    if (m_FilterType == byProjectType && m_pProjectType == nullptr)
        m_FilterType = 0;
}

CString CViewFilter::GetDescription() const {
    if (m_FilterType == 0 && m_NotBilled == 0)
        return CString();
    CString text;
    auto add = [&text](const CString& part) {
        if (!text.IsEmpty())
            text += ", ";
        text += part;
    };
    if ((m_FilterType & byProject) != 0 && m_pProject != nullptr)
        add(m_pProject->m_Name);
    if ((m_FilterType & byProjectType) != 0 && m_pProjectType != nullptr)
        add(m_pProjectType->m_Name);
    if ((m_FilterType & byDateRange) != 0) {
        const UINT id = GetDateRangeStringId(m_DateChoice);
        add(id != 0 ? CString(MAKEINTRESOURCE(id)) : CString());
    }
    if (m_NotBilled != 0)
        add(CString(MAKEINTRESOURCE(IDS_UNBILLED)));
    return text;
}

void CViewFilter::GetDateRange(CTime* from, CTime* to) const {
    GetDateRange(from, to, CTime::GetCurrentTime());
}

void CViewFilter::GetDateRange(CTime* from, CTime* to, CTime now) const {
    // Whole calendar days, so a day with a clock change still ends at 23:59:59.
    const CTime today = Midnight(now);
    CTime tomorrow = today;
    AddDaysToTime(tomorrow, 1);
    CTime start = now;
    CTime end = tomorrow - CTimeSpan(1);
    switch (m_DateChoice) {
    case 1:
        start = FirstOfMonth(now);
        break;
    case 2:
        end = FirstOfMonth(now);
        start = CTime(end.GetYear(), end.GetMonth() - 1, 1, 0, 0, 0);
        break;
    case 3:
        start = MondayOnOrBefore(now);
        break;
    case 4:
        end = MondayOnOrBefore(now);
        start = end;
        AddDaysToTime(start, -7);
        break;
    case 5:
        start = today;
        break;
    case 6:
        start = today;
        AddDaysToTime(start, -1);
        end = today;
        break;
    default:
        break;
    }
    if (from != nullptr)
        *from = start;
    if (to != nullptr)
        *to = end;
}

void CViewFilter::Save() const {
    RegWriteInt(REG_FILTER, "Filter type", static_cast<int>(m_FilterType));
    RegWriteString(REG_FILTER, "Project", m_pProject != nullptr ? m_pProject->m_Name : CString());
    RegWriteString(REG_FILTER, "Project type",
                   m_pProjectType != nullptr ? m_pProjectType->m_Name : CString());
    RegWriteInt(REG_FILTER, "Date", m_DateChoice);
    RegWriteBool(REG_FILTER, "Not billed", m_NotBilled != 0);
}

void CViewFilter::Load(CLogDoc* pDoc) {
    if (pDoc == nullptr)
        return;
    int filterType = 0;
    RegReadInt(REG_FILTER, "Filter type", &filterType);
    int date = 1;
    RegReadInt(REG_FILTER, "Date", &date);
    bool notBilled = false;
    RegReadBool(REG_FILTER, "Not billed", &notBilled);
    CString project;
    RegReadString(REG_FILTER, "Project", project);
    CString projectType;
    RegReadString(REG_FILTER, "Project type", projectType);

    m_FilterType = static_cast<DWORD>(filterType);
    m_DateChoice = date == 0 ? 1 : date;
    m_NotBilled = notBilled ? 1 : 0;
    m_pProject = project.IsEmpty() ? nullptr : pDoc->FindProjectByName(project);
    m_pProjectType = projectType.IsEmpty() ? nullptr : pDoc->FindProjectTypeByName(projectType);
}

void CViewFilter::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema << m_FilterType;
        ar.WriteObject(m_pProject);
        ar.WriteObject(m_pProjectType);
        ar << m_NotBilled;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema != kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_FilterType;
    m_pProject = static_cast<CProject*>(ar.ReadObject(RUNTIME_CLASS(CProject)));
    m_pProjectType = static_cast<CProjectType*>(ar.ReadObject(RUNTIME_CLASS(CProjectType)));
    ar >> m_NotBilled;
}

UINT CViewFilter::GetDateRangeStringId(int code) {
    for (const DateChoice& choice : kDateChoices) {
        if (choice.code == code)
            return choice.stringId;
    }
    return 0;
}
