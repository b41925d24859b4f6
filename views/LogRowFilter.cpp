#include "views/LogRowFilter.h"

#include "data/CProject.h"
#include "data/CViewFilter.h"
#include "timelog/CLogEntry.h"

bool LogFilterHidesEntry(const CLogEntry& entry, const CViewFilter& filter, CTime from, CTime to) {
    if ((filter.m_FilterType & CViewFilter::byProject) != 0 && entry.m_pProject != filter.m_pProject)
        return true;
    if ((filter.m_FilterType & CViewFilter::byProjectType) != 0 &&
        (entry.m_pProject == nullptr || entry.m_pProject->m_pProjectType != filter.m_pProjectType))
        return true;
    if ((filter.m_FilterType & CViewFilter::byDateRange) != 0 &&
        (entry.m_StartTime < from || entry.m_StartTime > to))
        return true;
    return filter.m_NotBilled != 0 && entry.m_Billed != 0;
}
