// Choice lists and tab lists as plain text: lines, tab fields, searching and sorting.
#include "grid/controls/GEChoiceList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const char* pszList) {
    CString strRest(pszList);
    CString strLine;
    std::vector<std::string> lines;
    while (!strRest.IsEmpty()) {
        CutFirstLine(strRest, strLine);
        lines.emplace_back(strLine.GetString());
    }
    return lines;
}

} // namespace

TEST(ChoiceList, ALineEndsAtCrLfOrCrLfTogether) {
    EXPECT_EQ(Lines("one\r\ntwo\nthree"), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(Lines("a\rb\r\n\r\nc\n"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_TRUE(Lines("").empty());
    CString strSource("single");
    CString strLine;
    EXPECT_EQ(CutFirstLine(strSource, strLine), -1) << "no break";
    EXPECT_STREQ(strLine, "single");
    EXPECT_TRUE(strSource.IsEmpty());
    EXPECT_EQ(CountChoiceListLines("x\r\ny\n"), 2);
}

TEST(ChoiceList, TabFieldsAreCutToTheirLimit) {
    EXPECT_STREQ(CopyTabField("1\tApple\tred", 1), "Apple");
    EXPECT_STREQ(CopyTabField("1\tApple\tred", 2), "red");
    EXPECT_STREQ(CopyTabField("1\tApple", 5), "") << "fewer fields";
    EXPECT_STREQ(CopyTabField("\t\tx", 1), "");
    const std::string longField(300, 'z');
    EXPECT_EQ(CopyTabField(("k\t" + longField).c_str(), 1).GetLength(), 127);
    EXPECT_EQ(CopyTabField("abcdef", 0, 3), CString("abc"));
}

TEST(ChoiceList, EntriesAreFoundByAColumnExactlyOrByTheirStart) {
    const char* pszList = "Key\tName\r\n1\tApple\r\n2\tBanana\r\n3\tbandana";
    CString strLine;
    EXPECT_EQ(FindChoiceListEntry("Banana", 1, pszList, TRUE, strLine, TRUE), 1);
    EXPECT_STREQ(strLine, "2\tBanana");
    EXPECT_EQ(FindChoiceListEntry("banana", 1, pszList, TRUE, strLine, TRUE), -1)
        << "exact is case-sensitive";
    EXPECT_EQ(FindChoiceListEntry("BAN", 1, pszList, TRUE, strLine, FALSE), 1)
        << "the first row starting with it";
    EXPECT_EQ(FindChoiceListEntry("Name", 1, pszList, TRUE, strLine, TRUE), -1) << "the header is skipped";
    EXPECT_EQ(FindChoiceListEntry("Name", 1, pszList, FALSE, strLine, TRUE), 0);
    EXPECT_EQ(FindChoiceListEntry("x", 1, pszList, TRUE, strLine, FALSE), -1);
    EXPECT_TRUE(strLine.IsEmpty());
}

TEST(ChoiceList, SortingByAColumnKeepsTheHeaderFirst) {
    EXPECT_STREQ(SortChoiceList("Key\tName\r\n2\tpear\n1\tApple\r\n3\tfig", 1, TRUE),
                 "Key\tName\r\n1\tApple\r\n3\tfig\r\n2\tpear");
    EXPECT_STREQ(SortChoiceList("b\na\nc", 0, FALSE), "a\r\nb\r\nc");
    EXPECT_STREQ(SortChoiceList("", 0, TRUE), "");
}
