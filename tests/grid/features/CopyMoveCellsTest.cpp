// Direct copy and move of cells: overlapping copies read every source before they overwrite it and a copy
// onto itself changes nothing; a move keeps every style once and its undo gives back what it covered; a
// copy too large for undo asks first; a sort's new order of stored rows and columns.
#include "FeatureTestSupport.h"

#include "grid/core/CGEAbstractGridDirectCopyMoveCellsImp.h"
#include "grid/core/CGEAbstractGridSortMoveDataImp.h"
#include "grid/features/CGEDataCopyMoveCellsImp.h"
#include "grid/features/CGEDataUndoMoveCellsInfo.h"
#include "grid/features/CGEGridDirectCopyMoveCellsImp.h"

#include <memory>

using featuretest::Column;
using featuretest::Row;
using gridtest::TestGrid;

namespace {

// Row 1 holds a b c d e in columns 1..5, column 1 holds a v w x y in rows 1..5.
void FillCross(TestGrid& grid) {
    const char* const row[] = {"a", "b", "c", "d", "e"};
    const char* const col[] = {"v", "w", "x", "y"};
    for (ROWCOL c = 1; c <= 5; ++c)
        grid.PutValue(1, c, row[c - 1]);
    for (ROWCOL r = 2; r <= 5; ++r)
        grid.PutValue(r, 1, col[r - 2]);
}

struct CopyCase {
    const char* name;
    CGECellRange source;
    ROWCOL nDestRow, nDestCol;
    BOOL bAlongRow; // which line to read back: row 1 or column 1
    const char* expected;
};

class CopyCellsOverlapping : public ::testing::TestWithParam<CopyCase> {};

} // namespace

TEST_P(CopyCellsOverlapping, EverySourceIsReadBeforeItIsOverwritten) {
    const CopyCase& c = GetParam();
    TestGrid grid(8, 8);
    FillCross(grid);
    EXPECT_TRUE(grid.CopyCells(c.source, c.nDestRow, c.nDestCol, GE_NOREDRAW));
    EXPECT_EQ(c.bAlongRow ? Row(grid, 1, 1, 7) : Column(grid, 1, 1, 7), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CopyCellsOverlapping,
    ::testing::Values(CopyCase{"right_by_one", CGECellRange(1, 1, 1, 4), 1, 2, TRUE, "a a b c d - -"},
                      CopyCase{"left_by_one", CGECellRange(1, 2, 1, 5), 1, 1, TRUE, "b c d e e - -"},
                      CopyCase{"down_by_two", CGECellRange(1, 1, 4, 1), 3, 1, FALSE, "a v a v w x -"},
                      CopyCase{"up_by_one", CGECellRange(2, 1, 5, 1), 1, 1, FALSE, "v w x y y - -"},
                      CopyCase{"onto_itself", CGECellRange(1, 1, 1, 5), 1, 1, TRUE, "a b c d e - -"}),
    [](const ::testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

TEST(CopyMoveCells, ACopyIsOneUndoStepAndARefusedCopyChangesNothing) {
    TestGrid grid(8, 8);
    FillCross(grid);
    grid.GetParam()->EmptyUndoList();
    EXPECT_TRUE(grid.CopyCells(CGECellRange(1, 1, 1, 2), 1, 4, GE_NOREDRAW));
    EXPECT_EQ(Row(grid, 1, 1, 6), "a b c a b -");
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 1);
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(Row(grid, 1, 1, 6), "a b c d e -");
    EXPECT_FALSE(grid.CopyCells(CGECellRange(1, 1, 1, 2), 1, 8, GE_NOREDRAW)) << "past the last column";
    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(grid.CopyCells(CGECellRange(1, 1, 1, 2), 1, 4, GE_NOREDRAW));
    EXPECT_EQ(Row(grid, 1, 1, 6), "a b c d e -");
}

namespace {

// The direct copy feature with the undo-buffer question answered by the test.
class AnsweringCopyImp : public CGEGridDirectCopyMoveCellsImp {
public:
    int answer = IDCANCEL;
    int asked = 0;

protected:
    int AskUser(LPCSTR, UINT) override {
        ++asked;
        return answer;
    }
};

} // namespace

TEST(CopyMoveCells, ACopyTooLargeForUndoAsksBeforeItGoesOnWithoutUndo) {
    const ROWCOL nRows = 0x8000;
    TestGrid grid(nRows, 2);
    grid.PutValue(1, 1, "top");
    grid.PutValue(nRows, 1, "bottom");
    AnsweringCopyImp imp;
    CGEAbstractGridDirectCopyMoveCellsImp* pInstalled = grid.m_pDirectCopyMoveCellsImp;
    grid.m_pDirectCopyMoveCellsImp = &imp;
    grid.GetParam()->EmptyUndoList();
    const CGECellRange column(1, 1, nRows, 1);
    EXPECT_FALSE(grid.CopyCells(column, 1, 2, GE_NOREDRAW));
    EXPECT_EQ(imp.asked, 1);
    EXPECT_EQ(featuretest::Value(grid, 1, 2), "-") << "declined: nothing copied";
    imp.answer = IDOK;
    EXPECT_TRUE(grid.CopyCells(column, 1, 2, GE_NOREDRAW));
    EXPECT_EQ(featuretest::Value(grid, nRows, 2), "bottom");
    EXPECT_TRUE(grid.GetParam()->m_UndoList.IsEmpty()) << "went on without undo";
    EXPECT_TRUE(grid.CopyCells(CGECellRange(1, 1, 0x7FFF, 1), 1, 2, GE_NOREDRAW));
    EXPECT_EQ(imp.asked, 2) << "a block of 0x7FFF rows is recorded without asking";
    grid.m_pDirectCopyMoveCellsImp = pInstalled;
}

TEST(CopyMoveCells, AMoveKeepsEveryStyleOnceAndItsUndoGivesBackWhatItCovered) {
    TestGrid grid(8, 8);
    FillCross(grid);
    grid.GetParam()->EmptyUndoList();
    CObject* pInfo = nullptr;
    EXPECT_TRUE(grid.MoveCells(CGECellRange(1, 1, 1, 3), 1, 2, pInfo, GE_NOREDRAW));
    EXPECT_EQ(pInfo, nullptr) << "the grid keeps the record in its undo step";
    EXPECT_EQ(Row(grid, 1, 1, 6), "- a b c e -");
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(Row(grid, 1, 1, 6), "a b c d e -") << "the covered d is back";
    EXPECT_TRUE(grid.Redo());
    EXPECT_EQ(Row(grid, 1, 1, 6), "- a b c e -");
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(Row(grid, 1, 1, 6), "a b c d e -");
}

TEST(CopyMoveCells, TheDataMoveHandsBackANewRecordAndNeverDeletesWhatItIsGiven) {
    TestGrid grid(8, 8);
    FillCross(grid);
    CGEDataCopyMoveCellsImp imp;
    CObject* pInfo = nullptr;
    EXPECT_TRUE(imp.MoveCells(grid.GetData(), CGECellRange(1, 4, 2, 5), 1, 1, pInfo, TRUE, 0));
    std::unique_ptr<CObject> pFirst(pInfo);
    auto* pSaved = dynamic_cast<CGEDataUndoMoveCellsInfo*>(pInfo);
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->GetCount(), 3u) << "a, b and v were covered";
    EXPECT_EQ(Row(grid, 1, 1, 5), "d e c - -");
    // The reverse move with that record: the block goes back and the covered cells return.
    EXPECT_TRUE(imp.MoveCells(grid.GetData(), CGECellRange(1, 1, 2, 2), 1, 4, pInfo, TRUE, 2));
    std::unique_ptr<CObject> pSecond(pInfo != pFirst.get() ? pInfo : nullptr);
    EXPECT_TRUE(pSaved->IsEmpty());
    EXPECT_EQ(Row(grid, 1, 1, 5), "a b c d e");
    EXPECT_EQ(Column(grid, 1, 1, 3), "a v w");
    EXPECT_FALSE(imp.MoveCells(grid.GetData(), CGECellRange(1, 1, 1, 2), 1, 8, pInfo, FALSE, 0))
        << "a destination past the last column moves nothing";
    EXPECT_EQ(Row(grid, 1, 1, 5), "a b c d e");
}

TEST(CopyMoveCells, ASortOrderPermutesWholeRowsAndTrimsEmptyRowsAtTheEnd) {
    TestGrid grid(6, 3);
    const char* const values[] = {"1", "2", "3"};
    const char* const headers[] = {"h1", "h2", "h3"};
    for (ROWCOL r = 1; r <= 3; ++r) {
        grid.PutValue(r, 1, values[r - 1]);
        grid.PutValue(r, 0, headers[r - 1]);
    }
    CGEAbstractGridSortMoveDataImp* pImp = GEGetLibraryState()->m_pSortMoveDataImp;
    ASSERT_NE(pImp, nullptr);
    CDWordArray order;
    for (DWORD i : {2u, 0u, 1u})
        order.Add(i);
    EXPECT_TRUE(pImp->MoveDataRows(grid.GetData(), CGECellRange().SetRows(1, 3), order));
    EXPECT_EQ(Column(grid, 1, 1, 3), "3 1 2");
    EXPECT_EQ(Column(grid, 0, 1, 3), "h3 h1 h2") << "row styles move with their rows";
    // Rows 2..6: the filled rows 2, 3 go last; the array then ends with row 6.
    order.RemoveAll();
    for (DWORD i : {2u, 3u, 4u, 0u, 1u})
        order.Add(i);
    EXPECT_TRUE(pImp->MoveDataRows(grid.GetData(), CGECellRange().SetRows(2, 6), order));
    EXPECT_EQ(Column(grid, 1, 1, 6), "3 - - - 1 2");
    EXPECT_EQ(grid.GetData()->m_apapCellStyle.GetSize(), 7);
    // Back to the front: empty rows at the end are trimmed, rows before the range stay.
    EXPECT_TRUE(pImp->MoveDataRows(grid.GetData(), CGECellRange().SetRows(2, 6), order));
    EXPECT_EQ(Column(grid, 1, 1, 6), "3 - 1 2 - -");
    EXPECT_EQ(grid.GetData()->m_apapCellStyle.GetSize(), 5);
    order.SetAt(0, 3); // 3 twice: not a permutation
    EXPECT_FALSE(pImp->MoveDataRows(grid.GetData(), CGECellRange().SetRows(2, 6), order));
    EXPECT_EQ(Column(grid, 1, 1, 6), "3 - 1 2 - -");
    CDWordArray cols;
    for (DWORD i : {1u, 0u})
        cols.Add(i);
    grid.PutValue(1, 2, "right");
    EXPECT_TRUE(pImp->MoveDataCols(grid.GetData(), CGECellRange().SetCols(1, 2), cols));
    EXPECT_EQ(Row(grid, 1, 1, 2), "right 3");
}
