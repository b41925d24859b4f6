// The view filter: description, date ranges, registry form and the simple operations.
#include "ModelObjectsSupport.h"

#include "data/CProject.h"
#include "data/CProjectType.h"
#include "data/CViewFilter.h"
#include "foundation/Registry.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

using namespace modeltest;

namespace {

TEST(ViewFilter, NewFilterIsInactiveAndSilent) {
    CViewFilter f;
    EXPECT_FALSE(f.IsActive());
    EXPECT_EQ(f.GetDescription(), "");
    EXPECT_EQ(f.m_DateChoice, 1);
    f.m_NotBilled = 1;
    EXPECT_TRUE(f.IsActive());
    f.m_FilterType = 3;
    f.Clear();
    EXPECT_FALSE(f.IsActive());
    EXPECT_EQ(f.m_DateChoice, 1);
}

TEST(ViewFilter, DescriptionTable) {
    CProject alpha("Alpha", 0.0);
    CProjectType fixed("Fixed");
    struct Case {
        DWORD type;
        bool withProject;
        bool withType;
        int date;
        BYTE notBilled;
        const char* expected;
    };
    const Case cases[] = {
        {5, true, false, 3, 0, "Alpha, This Week"},
        {5, true, false, 3, 1, "Alpha, This Week, Unbilled"},
        {1, false, false, 1, 0, ""},
        {2, false, true, 1, 0, "Fixed"},
        {7, true, true, 6, 0, "Alpha, Fixed, Yesterday"},
        {4, false, false, 0, 0, "All dates"},
        {0, true, true, 2, 1, "Unbilled"},
    };
    for (const Case& c : cases) {
        CViewFilter f;
        f.m_FilterType = c.type;
        f.m_pProject = c.withProject ? &alpha : nullptr;
        f.m_pProjectType = c.withType ? &fixed : nullptr;
        f.m_DateChoice = c.date;
        f.m_NotBilled = c.notBilled;
        EXPECT_EQ(f.GetDescription(), c.expected) << c.type << "/" << c.date;
    }
}

TEST(ViewFilter, DateRangesFromAWednesday) {
    const CTime now = At(2004, 3, 10, 14, 30, 0); // a Wednesday
    struct Case {
        int choice;
        CTime from;
        CTime to;
    };
    const Case cases[] = {
        {1, At(2004, 3, 1), At(2004, 3, 10, 23, 59, 59)},
        {2, At(2004, 2, 1), At(2004, 3, 1)},
        {3, At(2004, 3, 8), At(2004, 3, 10, 23, 59, 59)},
        {4, At(2004, 3, 1), At(2004, 3, 8)},
        {5, At(2004, 3, 10), At(2004, 3, 10, 23, 59, 59)},
        {6, At(2004, 3, 9), At(2004, 3, 10)},
        {0, now, At(2004, 3, 10, 23, 59, 59)},
        {7, now, At(2004, 3, 10, 23, 59, 59)},
        {105, now, At(2004, 3, 10, 23, 59, 59)},
    };
    for (const Case& c : cases) {
        CViewFilter f;
        f.m_DateChoice = c.choice;
        CTime from;
        CTime to;
        f.GetDateRange(&from, &to, now);
        EXPECT_EQ(from, c.from) << c.choice;
        EXPECT_EQ(to, c.to) << c.choice;
    }
}

TEST(ViewFilter, DateRangesAtTheTurnOfAYear) {
    CViewFilter f;
    CTime from;
    CTime to;
    f.m_DateChoice = 2;
    f.GetDateRange(&from, &to, At(2005, 1, 15, 8));
    EXPECT_EQ(from, At(2004, 12, 1));
    EXPECT_EQ(to, At(2005, 1, 1));
    f.m_DateChoice = 4;
    f.GetDateRange(&from, &to, At(2005, 1, 2, 8)); // a Sunday
    EXPECT_EQ(from, At(2004, 12, 20));
    EXPECT_EQ(to, At(2004, 12, 27));
    f.m_DateChoice = 3;
    f.GetDateRange(&from, &to, At(2005, 1, 3, 8)); // a Monday
    EXPECT_EQ(from, At(2005, 1, 3));
}

TEST(ViewFilter, CaptionIds) {
    EXPECT_EQ(CViewFilter::GetDateRangeStringId(0), static_cast<UINT>(IDS_DATES_ALL));
    EXPECT_EQ(CViewFilter::GetDateRangeStringId(4), static_cast<UINT>(IDS_DATES_LAST_WEEK));
    EXPECT_EQ(CViewFilter::GetDateRangeStringId(106), static_cast<UINT>(IDS_TASKS_BEFORE_TODAY));
    EXPECT_EQ(CViewFilter::GetDateRangeStringId(11), 0u);
    EXPECT_EQ(CViewFilter::GetDateRangeStringId(-1), 0u);
}

TEST(ViewFilter, ValidateDropsFiltersWithoutTheirObject) {
    struct Case {
        DWORD type;
        bool withProject;
        bool withType;
        DWORD expected;
    };
    for (const Case c : {Case{1, false, false, 0}, Case{1, true, false, 1}, Case{2, false, false, 0},
                         Case{2, false, true, 2}, Case{3, false, false, 3}, Case{4, false, false, 4}}) {
        CProject p("P", 0.0);
        CProjectType t("T");
        CViewFilter f;
        f.m_FilterType = c.type;
        f.m_pProject = c.withProject ? &p : nullptr;
        f.m_pProjectType = c.withType ? &t : nullptr;
        f.Validate();
        EXPECT_EQ(f.m_FilterType, c.expected) << c.type;
    }
}

TEST(ViewFilter, CopyAndCompare) {
    CProject p("P", 0.0);
    CViewFilter a;
    a.m_FilterType = 1;
    a.m_pProject = &p;
    a.m_DateChoice = 5;
    CViewFilter b(a);
    EXPECT_FALSE(b != a);
    b.m_DateChoice = 6;
    EXPECT_TRUE(b != a);
    b.Copy(a);
    EXPECT_FALSE(b != a);
    b.m_pProjectType = reinterpret_cast<CProjectType*>(&p);
    EXPECT_TRUE(b != a);
}

TEST(ViewFilter, RegistryRoundTrip) {
    ScratchRegistry registry;
    CLogDoc doc;
    auto* alpha = new CProject("Alpha", 0.0);
    doc.AddProject(alpha);
    auto* fixed = new CProjectType("Fixed");
    doc.AddProjectType(fixed);

    CViewFilter f;
    f.m_FilterType = 7;
    f.m_pProject = alpha;
    f.m_pProjectType = fixed;
    f.m_DateChoice = 4;
    f.m_NotBilled = 1;
    f.Save();
    CString text;
    RegReadString(REG_FILTER, "Filter type", text);
    EXPECT_EQ(text, "7");
    RegReadString(REG_FILTER, "Not billed", text);
    EXPECT_EQ(text, "T");

    CViewFilter back;
    back.Load(&doc);
    EXPECT_FALSE(back != f);

    RegWriteString(REG_FILTER, "Project", "ALPHA");
    RegWriteString(REG_FILTER, "Project type", "gone");
    RegWriteInt(REG_FILTER, "Date", 0);
    back.Load(&doc);
    EXPECT_EQ(back.m_pProject, alpha) << "found by name ignoring case";
    EXPECT_EQ(back.m_pProjectType, nullptr);
    EXPECT_EQ(back.m_DateChoice, 1) << "a stored 0 reads as 1";

    CViewFilter untouched;
    untouched.m_DateChoice = 9;
    untouched.Load(nullptr);
    EXPECT_EQ(untouched.m_DateChoice, 9);
}

TEST(ViewFilter, MissingValuesTakeTheDefaults) {
    ScratchRegistry registry;
    CLogDoc doc;
    CViewFilter f;
    f.m_FilterType = 3;
    f.m_NotBilled = 1;
    f.m_DateChoice = 5;
    f.Load(&doc);
    EXPECT_EQ(f.m_FilterType, 0u);
    EXPECT_EQ(f.m_NotBilled, 0);
    EXPECT_EQ(f.m_DateChoice, 1);
}

} // namespace
