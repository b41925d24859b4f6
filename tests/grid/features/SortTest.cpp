// Sorting: automatic keys become dates, numbers or text by their values; ties keep their order; a second
// key decides only among equal first keys; headers never move; a value that is no number has a fixed
// place; undo restores the order; a header double click sorts up, then down; an abort keeps the order.
#include "FeatureTestSupport.h"

#include "framework/core/CUserException.h"
#include "grid/features/CGEGridSortImp.h"
#include "grid/features/CGESortInfoArray.h"
#include "grid/features/CGESortItem.h"

#include <algorithm>

#include <vector>

using featuretest::Column;
using gridtest::TestGrid;

namespace {

// A grid with one data row per value in column 1 (and the row's number in column 2).
void Fill(TestGrid& grid, const std::vector<const char*>& values) {
    grid.SetRowCount(static_cast<ROWCOL>(values.size()), GE_NOREDRAW);
    for (ROWCOL r = 1; r <= values.size(); ++r) {
        if (*values[r - 1] != '\0')
            grid.PutValue(r, 1, values[r - 1]);
        grid.PutValue(r, 2, std::to_string(r).c_str());
    }
}

// One key of a sort.
struct OneKey : CGESortInfoArray {
    OneKey(ROWCOL nCol, int nType, int nOrder = CGESortInfo::ascending) {
        SetSize(1);
        (*this)[0].nRC = nCol;
        (*this)[0].sortType = nType;
        (*this)[0].sortOrder = nOrder;
    }
};

struct DetectCase {
    const char* name;
    std::vector<const char*> values;
    int nFoundType;
    const char* expected; // column 1 after an ascending sort
};

class SortDetection : public ::testing::TestWithParam<DetectCase> {};

} // namespace

TEST_P(SortDetection, AnAutomaticKeyTakesTheTypeItsValuesShow) {
    const DetectCase& c = GetParam();
    TestGrid grid(1, 2);
    Fill(grid, c.values);
    OneKey keys(1, CGESortInfo::autodetect);
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(keys[0].sortType, c.nFoundType) << "written back into the caller's key";
    EXPECT_EQ(Column(grid, 1, 1, static_cast<ROWCOL>(c.values.size())), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortDetection,
    ::testing::Values(
        DetectCase{"numbers", {"10", "2.5e1", "-4"}, CGESortInfo::numeric, "-4 10 2.5e1"},
        DetectCase{"one_text_makes_text", {"10", "9", "abc"}, CGESortInfo::alphanumeric, "10 9 abc"},
        DetectCase{"empty_cells_decide_nothing", {"10", "", "9"}, CGESortInfo::numeric, "- 9 10"},
        DetectCase{"dates_win_over_numbers",
                   {"2020-3-1", "2020-10-1", "2019-12-31"},
                   CGESortInfo::datetime,
                   "2019-12-31 2020-3-1 2020-10-1"},
        DetectCase{"text_ignores_case", {"b", "A", "a", "B"}, CGESortInfo::alphanumeric, "A a b B"}),
    [](const ::testing::TestParamInfo<DetectCase>& info) { return std::string(info.param.name); });

TEST(Sort, EqualKeysKeepTheirOrderInBothDirections) {
    TestGrid grid(1, 2);
    Fill(grid, {"x", "y", "x", "y", "x"});
    OneKey keys(1, CGESortInfo::alphanumeric);
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 2, 1, 5), "1 3 5 2 4");
    keys[0].sortOrder = CGESortInfo::descending;
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 2, 1, 5), "2 4 1 3 5");
}

TEST(Sort, TheSecondKeyDecidesOnlyAmongEqualFirstKeys) {
    TestGrid grid(6, 3);
    const char* const first[] = {"b", "a", "b", "a", "c", "a"};
    const char* const second[] = {"2", "3", "1", "1", "0", "2"};
    for (ROWCOL r = 1; r <= 6; ++r) {
        grid.PutValue(r, 1, first[r - 1]);
        grid.PutValue(r, 2, second[r - 1]);
    }
    CGESortInfoArray keys;
    keys.SetSize(2);
    keys[0].nRC = 1;
    keys[0].sortType = CGESortInfo::alphanumeric;
    keys[1].nRC = 2;
    keys[1].sortType = CGESortInfo::numeric;
    keys[1].sortOrder = CGESortInfo::descending;
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 1, 1, 6), "a a a b b c");
    EXPECT_EQ(Column(grid, 2, 1, 6), "3 2 1 2 1 0");
}

TEST(Sort, HeaderRowsStayAndAGridOfOneRowIsNotSorted) {
    TestGrid grid(1, 2);
    grid.PutValue(1, 1, "only");
    OneKey keys(1, CGESortInfo::alphanumeric);
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(keys[0].sortType, CGESortInfo::alphanumeric);
    EXPECT_TRUE(grid.GetParam()->m_UndoList.IsEmpty()) << "one row: nothing happened";

    Fill(grid, {"z", "y", "x", "w"});
    grid.SetFrozenRows(1, 1, GE_NOREDRAW); // row 1 becomes a header row
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 1, 1, 4), "z w x y");
    OneKey byNumber(2, CGESortInfo::numeric);
    grid.SortRows(CGECellRange().SetRows(3, 4), byNumber, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 1, 1, 4), "z w y x") << "a range of rows sorts only those rows";
}

TEST(Sort, AValueThatIsNoNumberSortsBeforeEveryNumber) {
    TestGrid grid(1, 2);
    Fill(grid, {"5", "1-2", "", "-7", "3"});
    OneKey keys(1, CGESortInfo::numeric);
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 1, 1, 5), "1-2 - -7 3 5") << "no number: lowest, in their former order";
    EXPECT_EQ(CGEGridSortImp::TextToNumber("1,250.5"), 1250.5);
    EXPECT_EQ(CGEGridSortImp::TextToNumber(" 42 "), 42.0);
    EXPECT_EQ(CGEGridSortImp::TextToNumber("1-2"), CGEGridSortImp::kNotANumber);
}

TEST(Sort, UndoRestoresTheFormerOrderExactly) {
    TestGrid grid(1, 2);
    Fill(grid, {"c", "a", "d", "b"});
    grid.GetParam()->EmptyUndoList();
    OneKey keys(1, CGESortInfo::alphanumeric);
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 1, 1, 4), "a b c d");
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(Column(grid, 1, 1, 4), "c a d b");
    EXPECT_EQ(Column(grid, 2, 1, 4), "1 2 3 4");
    EXPECT_TRUE(grid.Redo());
    EXPECT_EQ(Column(grid, 1, 1, 4), "a b c d");
}

TEST(Sort, AHeaderDoubleClickSortsUpThenDownAndAnotherHeaderStartsUp) {
    TestGrid grid(1, 2);
    Fill(grid, {"2", "3", "1"});
    EXPECT_FALSE(grid.OnCellDblClick(0, 1, 0, CPoint(0, 0))) << "off by default";
    grid.GetParam()->m_bSortRowsOnDblClk = TRUE;
    EXPECT_TRUE(grid.OnCellDblClick(0, 1, 0, CPoint(0, 0)));
    EXPECT_EQ(Column(grid, 1, 1, 3), "1 2 3");
    EXPECT_TRUE(grid.OnCellDblClick(0, 1, 0, CPoint(0, 0)));
    EXPECT_EQ(Column(grid, 1, 1, 3), "3 2 1");
    EXPECT_TRUE(grid.OnCellDblClick(0, 2, 0, CPoint(0, 0)));
    EXPECT_EQ(Column(grid, 2, 1, 3), "1 2 3") << "another column starts ascending";
    EXPECT_FALSE(grid.OnCellDblClick(2, 2, 0, CPoint(0, 0))) << "not a header";
    EXPECT_FALSE(grid.OnCellDblClick(1, 0, 0, CPoint(0, 0))) << "column sorting is off";
}

TEST(Sort, ColumnsSortByARow) {
    TestGrid grid(2, 4);
    const char* const values[] = {"c", "a", "d", "b"};
    for (ROWCOL c = 1; c <= 4; ++c)
        grid.PutValue(1, c, values[c - 1]);
    OneKey keys(1, CGESortInfo::alphanumeric, CGESortInfo::descending);
    grid.SortCols(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(featuretest::Row(grid, 1, 1, 4), "d c b a");
    EXPECT_EQ(grid.GetParam()->m_nLastSortedRow, 1u);
    EXPECT_EQ(grid.GetParam()->m_nLastSortedCol, GE_INVALID);
    EXPECT_FALSE(grid.GetParam()->m_bLastSortAscending);
}

TEST(Sort, AnAbortKeepsTheOrder) {
    featuretest::TestLongOperationImp imp;
    imp.tick = 1000;
    CGELongOperationState::Get().bAskBeforeAbort = FALSE;
    TestGrid grid(1, 2);
    Fill(grid, {"c", "a", "d", "b"});
    ::PostMessageA(imp.window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    OneKey keys(1, CGESortInfo::alphanumeric);
    EXPECT_TRUE(gridtest::ThrowsFrameworkException<CUserException>(
        [&] { grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW); }));
    EXPECT_EQ(Column(grid, 1, 1, 4), "c a d b");
    EXPECT_EQ(CGELongOperation::GetNestingLevel(), 0);
}

TEST(Sort, NumbersStoredWithAPointSortAsNumbersDeDE) {
    TestGrid grid(1, 2);
    Fill(grid, {"10", "2.5", "-1.25", "1e1"});
    OneKey keys(1, CGESortInfo::numeric);
    grid.SortRows(CGECellRange().SetTable(), keys, GE_NOREDRAW);
    EXPECT_EQ(Column(grid, 1, 1, 4), "-1.25 2.5 10 1e1");
}

TEST(Sort, TheFastSortOrdersExactlyAsTheComparison) {
    // Texts that collate equal in different spellings, numbers with ties, both directions.
    const char* const words[] = {"beta", "Alpha", "alpha", "Gamma", "beta", "ALPHA", "", "delta"};
    CGESortInfoArray keys;
    keys.SetSize(3);
    keys[0].nRC = 0;
    keys[0].sortType = CGESortInfo::alphanumeric;
    keys[1].nRC = 1;
    keys[1].sortType = CGESortInfo::numeric;
    keys[1].sortOrder = CGESortInfo::descending;
    keys[2].nRC = 2;
    keys[2].sortType = CGESortInfo::alphanumeric;
    keys[2].bCase = TRUE;
    const size_t nItems = 400;
    std::vector<CString> texts(nItems * 3);
    std::vector<double> numbers(nItems * 3);
    std::vector<CGESortItem> items(nItems);
    CPtrArray pointers;
    for (size_t i = 0; i < nItems; ++i) {
        texts[i * 3] = words[(i * 7) % 8];
        numbers[i * 3 + 1] = static_cast<double>((i * 13) % 5);
        texts[i * 3 + 2] = words[(i * 3) % 8];
        items[i] = CGESortItem{&texts[i * 3], &numbers[i * 3], static_cast<DWORD>(i), &keys};
        pointers.Add(&items[i]);
    }
    std::vector<const CGESortItem*> expected;
    for (const CGESortItem& item : items)
        expected.push_back(&item);
    std::stable_sort(expected.begin(), expected.end(), [](const CGESortItem* a, const CGESortItem* b) {
        return CGEGridSortImp::CompareItems(*a, *b) < 0;
    });
    CGEGridSortImp imp;
    imp.SortKeys(nullptr, keys, pointers);
    for (size_t i = 0; i < nItems; ++i)
        ASSERT_EQ(pointers.GetAt(static_cast<INT_PTR>(i)), expected[i]) << "at " << i;
}
