// Which entries the time log's filter hides, condition by condition and combined.
#include "data/CProject.h"
#include "data/CProjectType.h"
#include "data/CViewFilter.h"
#include "timelog/CLogEntry.h"
#include "views/LogRowFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(LogRowFilter, EachConditionHidesWhatItRejects) {
    CProjectType fixed("Fixed");
    CProjectType hourly("Hourly");
    CProject alpha("Alpha", 0.0);
    alpha.m_pProjectType = &fixed;
    CProject beta("Beta", 0.0);
    beta.m_pProjectType = &hourly;
    const CTime from(2024, 3, 1, 0, 0, 0);
    const CTime to(2024, 3, 31, 23, 59, 59);

    struct Case {
        const char* what;
        DWORD type;
        CProject* filterProject;
        CProjectType* filterType;
        BYTE notBilled;
        CProject* entryProject;
        CTime start;
        BYTE billed;
        bool hidden;
    };
    const CTime inside(2024, 3, 10, 9, 0, 0);
    const CTime before(2024, 2, 29, 23, 0, 0);
    const CTime after(2024, 4, 1, 0, 0, 0);
    const Case cases[] = {
        {"no condition", 0, nullptr, nullptr, 0, &alpha, before, 1, false},
        {"same project", CViewFilter::byProject, &alpha, nullptr, 0, &alpha, inside, 0, false},
        {"other project", CViewFilter::byProject, &alpha, nullptr, 0, &beta, inside, 0, true},
        {"no project under a project filter", CViewFilter::byProject, &alpha, nullptr, 0, nullptr, inside, 0,
         true},
        {"same project type", CViewFilter::byProjectType, nullptr, &fixed, 0, &alpha, inside, 0, false},
        {"other project type", CViewFilter::byProjectType, nullptr, &fixed, 0, &beta, inside, 0, true},
        {"no project under a type filter", CViewFilter::byProjectType, nullptr, &fixed, 0, nullptr, inside, 0,
         true},
        {"inside the dates", CViewFilter::byDateRange, nullptr, nullptr, 0, &alpha, inside, 0, false},
        {"on the first moment", CViewFilter::byDateRange, nullptr, nullptr, 0, &alpha, from, 0, false},
        {"before the dates", CViewFilter::byDateRange, nullptr, nullptr, 0, &alpha, before, 0, true},
        {"after the dates", CViewFilter::byDateRange, nullptr, nullptr, 0, &alpha, after, 0, true},
        {"billed under not-billed", 0, nullptr, nullptr, 1, &alpha, inside, 1, true},
        {"unbilled under not-billed", 0, nullptr, nullptr, 1, &alpha, inside, 0, false},
        {"billed inside the dates", CViewFilter::byDateRange, nullptr, nullptr, 1, &alpha, inside, 1, true},
        {"unbilled outside the dates", CViewFilter::byDateRange, nullptr, nullptr, 1, &alpha, after, 0, true},
        {"project and dates both hold", CViewFilter::byProject | CViewFilter::byDateRange, &alpha, nullptr, 0,
         &alpha, inside, 0, false},
    };
    for (const Case& c : cases) {
        CViewFilter filter;
        filter.m_FilterType = c.type;
        filter.m_pProject = c.filterProject;
        filter.m_pProjectType = c.filterType;
        filter.m_NotBilled = c.notBilled;
        CLogEntry entry;
        entry.m_pProject = c.entryProject;
        entry.m_StartTime = c.start;
        entry.m_Billed = c.billed;
        EXPECT_EQ(LogFilterHidesEntry(entry, filter, from, to), c.hidden) << c.what;
    }
}

} // namespace
