// Day and month names come from the user's locale: day 1 is Sunday, any non-zero flag asks for the full
// name, and an index outside the table leaves the caller's text alone.
#include "grid/controls/gadgets/GELocaleNames.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    bool day;
    int index;
    BOOL full;
    const char* name;
};

void ExpectNames(const NameCase* pCases, size_t nCases) {
    for (size_t i = 0; i < nCases; ++i) {
        const NameCase& c = pCases[i];
        CString strName("old");
        const int nResult =
            c.day ? GEGetDayName(strName, c.index, c.full) : GEGetMonthName(strName, c.index, c.full);
        EXPECT_EQ(nResult, 1) << c.name;
        EXPECT_STREQ(strName, c.name) << (c.day ? "day " : "month ") << c.index << " full " << c.full;
    }
}

} // namespace

TEST(LocaleNames, EnglishNames) {
    const NameCase cases[] = {
        {true, 1, TRUE, "Sunday"}, {true, 1, FALSE, "Sun"},     {true, 2, TRUE, "Monday"},
        {true, 7, 42, "Saturday"}, {true, 7, FALSE, "Sat"},     {false, 1, TRUE, "January"},
        {false, 1, FALSE, "Jan"},  {false, 12, -1, "December"}, {false, 9, FALSE, "Sep"},
    };
    ExpectNames(cases, std::size(cases));
}

// The locale's abbreviations come through as they are, with their full stop.
TEST(LocaleNames, GermanNamesDeDE) {
    const NameCase cases[] = {
        {true, 1, TRUE, "Sonntag"},  {true, 1, FALSE, "So."},       {true, 7, 2, "Samstag"},
        {false, 3, TRUE, "M\xE4rz"}, {false, 12, TRUE, "Dezember"}, {false, 10, FALSE, "Okt"},
    };
    ExpectNames(cases, std::size(cases));
}

TEST(LocaleNames, IndicesOutsideTheTablesLeaveTheTextAlone) {
    for (int nIndex : {0, 8, -1}) {
        CString strName("kept");
        EXPECT_EQ(GEGetDayName(strName, nIndex, TRUE), 0) << nIndex;
        EXPECT_STREQ(strName, "kept");
    }
    for (int nIndex : {0, 13}) {
        CString strName("kept");
        EXPECT_EQ(GEGetMonthName(strName, nIndex, FALSE), 0) << nIndex;
        EXPECT_STREQ(strName, "kept");
    }
}
