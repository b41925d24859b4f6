// Hidden rows and columns: a hidden line reports no size and keeps its own; the states follow inserted,
// removed and moved lines by their numbers (also past the last stored byte); undo gives back mixed states;
// header lines hide in lower splitter panes and while printing without headers.
#include "FeatureTestSupport.h"

#include "grid/core/CGEAbstractGridHideCellsImp.h"
#include "grid/core/CGEProperties.h"

using gridtest::TestGrid;

namespace {

// The hidden rows among 0..nLast as "a b c".
std::string HiddenRows(CGEGridCore& grid, ROWCOL nLast) {
    std::string s;
    for (ROWCOL r = 0; r <= nLast; ++r) {
        if (grid.IsRowHidden(r))
            featuretest::AddWord(s, std::to_string(r));
    }
    return s;
}

} // namespace

TEST(HideCells, AHiddenRowKeepsItsHeightForWhenItShowsAgain) {
    TestGrid grid;
    grid.SetRowHeight(3, 3, 30, nullptr, GE_NOREDRAW);
    EXPECT_TRUE(grid.HideRows(3, 0, TRUE, nullptr, GE_NOREDRAW));
    EXPECT_TRUE(grid.IsRowHidden(3));
    EXPECT_EQ(grid.GetRowHeight(3), 0);
    EXPECT_TRUE(grid.HideRows(3, 3, FALSE, nullptr, GE_NOREDRAW));
    EXPECT_EQ(grid.GetRowHeight(3), 30);
    EXPECT_TRUE(grid.HideCols(2, 4, TRUE, nullptr, GE_NOREDRAW));
    EXPECT_EQ(grid.GetColWidth(3), 0);
    EXPECT_FALSE(grid.IsColHidden(5));
    EXPECT_FALSE(grid.HideRows(5, 4, TRUE, nullptr, GE_NOREDRAW)) << "first after last";
}

TEST(HideCells, TheBitArrayGrowsOnlyForHiddenLines) {
    TestGrid grid(40, 5);
    CGEBitArray& bits = grid.GetParam()->m_abHiddenRows;
    grid.HideRows(2, 2, TRUE, nullptr, GE_NOREDRAW);
    ASSERT_EQ(bits.GetSize(), 1);
    EXPECT_FALSE(grid.IsRowHidden(35));
    EXPECT_EQ(bits.GetSize(), 1) << "asking about a row past the array does not grow it";
    grid.HideRows(20, 20, TRUE, nullptr, GE_NOREDRAW);
    EXPECT_EQ(bits.GetSize(), 3);
    EXPECT_EQ(HiddenRows(grid, 40), "2 20");
}

struct LineEditCase {
    const char* name;
    std::vector<ROWCOL> hidden; // before
    char edit;                  // 'i' insert (a = at, b = count), 'r' remove (a..b), 'm' move (a..b to c)
    ROWCOL a, b, c;
    const char* expected; // hidden rows after
};

class HideCellsLineEdits : public ::testing::TestWithParam<LineEditCase> {};

TEST_P(HideCellsLineEdits, StatesFollowTheirRows) {
    const LineEditCase& e = GetParam();
    TestGrid grid(40, 3);
    for (ROWCOL r : e.hidden)
        grid.StoreHideRow(r, TRUE);
    switch (e.edit) {
    case 'i':
        grid.InsertRows(e.a, e.b, nullptr, nullptr, 0, GE_NOREDRAW);
        break;
    case 'r':
        grid.RemoveRows(e.a, e.b, GE_NOREDRAW);
        break;
    default:
        grid.m_pHideCellsImp->MoveHiddenRows(&grid, e.a, e.b, e.c);
        break;
    }
    EXPECT_EQ(HiddenRows(grid, 45), e.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HideCellsLineEdits,
    ::testing::Values(LineEditCase{"insert_at_a_hidden_row", {5}, 'i', 5, 3, 0, "8"},
                      LineEditCase{"remove_above", {6}, 'r', 2, 4, 0, "3"},
                      LineEditCase{"remove_the_hidden_row", {3, 9}, 'r', 2, 4, 0, "6"},
                      LineEditCase{"move_up_from_the_last_byte", {14, 15}, 'm', 12, 15, 2, "4 5"},
                      LineEditCase{"move_down_past_the_last_byte", {1, 7}, 'm', 1, 1, 20, "6 20"},
                      LineEditCase{"move_onto_itself", {4}, 'm', 3, 5, 3, "4"}),
    [](const ::testing::TestParamInfo<LineEditCase>& info) { return std::string(info.param.name); });

TEST(HideCells, UndoGivesBackMixedStatesAndRedoHidesAgain) {
    TestGrid grid;
    grid.HideRows(2, 2, TRUE, nullptr, GE_NOREDRAW);
    grid.GetParam()->EmptyUndoList();
    EXPECT_TRUE(grid.HideRows(2, 4, TRUE, nullptr, GE_NOREDRAW));
    EXPECT_EQ(HiddenRows(grid, 10), "2 3 4");
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(HiddenRows(grid, 10), "2");
    EXPECT_TRUE(grid.Redo());
    EXPECT_EQ(HiddenRows(grid, 10), "2 3 4");
    const BOOL abMixed[] = {FALSE, TRUE, FALSE};
    EXPECT_TRUE(grid.HideCols(1, 3, TRUE, abMixed, GE_NOREDRAW));
    EXPECT_TRUE(grid.IsColHidden(2));
    EXPECT_FALSE(grid.IsColHidden(1));
    const INT_PTR nSteps = grid.GetParam()->m_UndoList.GetCount();
    EXPECT_TRUE(grid.HideCols(1, 3, TRUE, abMixed, GE_NOREDRAW));
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), nSteps) << "a call that changes nothing is no step";
}

TEST(HideCells, HeaderLinesHideInLowerPanesAndWhilePrintingWithoutHeaders) {
    TestGrid grid;
    CWnd splitter;
    grid.m_pSplitterWnd = &splitter;
    grid.m_nSplitterRow = 1;
    EXPECT_TRUE(grid.IsRowHidden(0)) << "a lower pane shows no column headers";
    EXPECT_FALSE(grid.IsColHidden(0)) << "the first pane column shows the row headers";
    grid.m_nSplitterRow = 0;
    grid.m_nSplitterCol = 1;
    EXPECT_FALSE(grid.IsRowHidden(0));
    EXPECT_TRUE(grid.IsColHidden(0));
    grid.m_pSplitterWnd = nullptr;

    grid.GetProperties()->m_bPrintColHeaders = FALSE;
    EXPECT_FALSE(grid.IsRowHidden(0)) << "only while printing";
    grid.SetPrinting(TRUE, FALSE);
    EXPECT_TRUE(grid.IsRowHidden(0));
    EXPECT_FALSE(grid.IsColHidden(0));
    grid.SetPrinting(FALSE, FALSE);
}
