// The comma-separated lists of project tasks: items are replaced whole, never as parts of other items,
// and names that hold commas, apostrophes or LIKE wildcards are items like any other.
#include "data/ListText.h"

#include <gtest/gtest.h>

namespace {

struct ReplaceCase {
    const char* list;
    const char* oldItem;
    const char* newItem;
    const char* expected;
};

class ReplaceInListCases : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceInListCases, ReplacesWholeItems) {
    const ReplaceCase& c = GetParam();
    CString list = c.list;
    ReplaceInList(list, c.oldItem, c.newItem);
    EXPECT_EQ(list, c.expected) << "list \"" << c.list << "\", \"" << c.oldItem << "\" -> \"" << c.newItem
                                << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    ListText, ReplaceInListCases,
    ::testing::Values(
        // The middle item: the others stay in their order and the new one comes last.
        ReplaceCase{"A,B,C", "B", "D", "A,C,D"},
        // A new item that is there already is not added twice.
        ReplaceCase{"A,B,C", "B", "A", "A,C"}, ReplaceCase{"A", "A", "B", "B"},
        ReplaceCase{"A,B", "B", "", "A"},
        // Nothing happens when the old item is missing or equals the new one.
        ReplaceCase{"A,B", "C", "D", "A,B"}, ReplaceCase{"A,B", "B", "B", "A,B"},
        ReplaceCase{"", "A", "B", ""}, ReplaceCase{"A,,B", "Z", "C", "A,,B"},
        // Parts of other items are never touched.
        ReplaceCase{"Alice,Al", "Al", "Bob", "Alice,Bob"},
        ReplaceCase{"Alice,Bob", "Al", "Carl", "Alice,Bob"},
        ReplaceCase{"Bob,Alice", "Alice", "Al", "Bob,Al"},
        ReplaceCase{"6F9619FF-8B86-D011-B42D-00C04FC964FF1,6F9619FF-8B86-D011-B42D-00C04FC964FF",
                    "6F9619FF-8B86-D011-B42D-00C04FC964FF", "X", "6F9619FF-8B86-D011-B42D-00C04FC964FF1,X"},
        // Every occurrence goes; empty items and stray commas are dropped.
        ReplaceCase{",A,B,A,", "A", "C", "B,C"}, ReplaceCase{"A,,B", "B", "C", "A,C"},
        // A name with a comma stands for the run of items it splits into.
        ReplaceCase{"Smith, John,Al", "Smith, John", "Doe, Jane", "Al,Doe, Jane"},
        ReplaceCase{"Smith,Al", "Smith, John", "X", "Smith,Al"},
        ReplaceCase{"Al,Smith, John", "Al", "Smith, John", "Smith, John"},
        // Apostrophes and LIKE wildcards are ordinary characters.
        ReplaceCase{"O'Brien,O'Neil", "O'Brien", "D'Arcy", "O'Neil,D'Arcy"},
        ReplaceCase{"100%,1000", "100%", "50_50", "1000,50_50"}, ReplaceCase{"a_b,axb", "a_b", "c", "axb,c"},
        ReplaceCase{"a%,abc", "a%", "z", "abc,z"}));

TEST(ListText, ContainsWholeItemsOnly) {
    EXPECT_TRUE(ListContains("Alice,Al", "Al"));
    EXPECT_FALSE(ListContains("Alice,Bob", "Al"));
    EXPECT_TRUE(ListContains("Al,Smith, John", "Smith, John"));
    EXPECT_FALSE(ListContains("Smith,Al", "Smith, John"));
    EXPECT_FALSE(ListContains("A,B", ""));
    EXPECT_FALSE(ListContains("a%", "a"));
}

TEST(ListText, SplitSkipsEmptyItems) {
    CStringArray items;
    SplitListItems(",A,,B C,", items);
    ASSERT_EQ(items.GetSize(), 2);
    EXPECT_EQ(items.GetAt(0), "A");
    EXPECT_EQ(items.GetAt(1), "B C");
}

} // namespace
