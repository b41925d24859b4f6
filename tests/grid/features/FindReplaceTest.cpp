// Find and replace along the current cell's column, and the requests of the shared dialog.
#include "ClipboardTestSupport.h"

#include "framework/win/CFindReplaceDialog.h"
#include "grid/core/CGEFindReplaceState.h"
#include "grid/features/CGEGridFindReplaceImp.h"

using featuretest::Column;
using featuretest::Value;

namespace {

// Counts the "not found" signals instead of beeping, while it is the grid's find-and-replace feature.
class CountingFindReplace : public CGEGridFindReplaceImp {
public:
    explicit CountingFindReplace(CGEGridCore& grid) : m_grid(grid), m_pOld(grid.m_pFindReplaceImp) {
        grid.m_pFindReplaceImp = this;
        *GEGetFindReplaceState() = CGEFindReplaceState();
    }
    ~CountingFindReplace() override {
        m_grid.m_pFindReplaceImp = m_pOld;
        *GEGetFindReplaceState() = CGEFindReplaceState();
    }
    CountingFindReplace(const CountingFindReplace&) = delete;
    CountingFindReplace& operator=(const CountingFindReplace&) = delete;

    void OnTextNotFound(CGEGridCore*, LPCSTR) override { ++notFound; }
    int notFound = 0;

private:
    CGEGridCore& m_grid;
    CGEAbstractGridFindReplaceImp* m_pOld;
};

std::string CurrentCell(CGEGridCore& grid) {
    ROWCOL nRow = 0, nCol = 0;
    if (!grid.GetCurrentCell(nRow, nCol))
        return "-";
    return std::to_string(nRow) + "," + std::to_string(nCol);
}

} // namespace

TEST(FindReplace, FindMovesDownTheColumnWithoutWrappingAndHonoursTheCase) {
    // In a window: the cell found is activated with the text selected in its editor.
    cliptest::WindowGrid window(6, 3);
    CGEGridWnd& grid = window.grid;
    window.Put(2, 2, "xabcx");
    window.Put(5, 2, "ABC");
    window.Put(4, 3, "abc"); // another column: never found
    CountingFindReplace find(grid);
    ASSERT_TRUE(grid.SetCurrentCell(1, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    find.OnFindNext(&grid, "ABC", TRUE, FALSE);
    EXPECT_EQ(CurrentCell(grid), "2,2") << "without match case";
    find.OnFindNext(&grid, "ABC", TRUE, TRUE);
    EXPECT_EQ(CurrentCell(grid), "5,2") << "with match case xabcx is passed";
    find.OnFindNext(&grid, "ABC", TRUE, TRUE);
    EXPECT_EQ(CurrentCell(grid), "5,2") << "nothing further down: the cell stays";
    EXPECT_EQ(find.notFound, 1);

    ASSERT_TRUE(grid.SetCurrentCell(1, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    find.OnFindNext(&grid, "ABC", FALSE, FALSE);
    EXPECT_EQ(CurrentCell(grid), "1,2") << "searching up from row 1 ends at once";
    EXPECT_EQ(find.notFound, 2);
    ASSERT_TRUE(grid.SetCurrentCell(6, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    find.OnFindNext(&grid, "abc", FALSE, FALSE);
    EXPECT_EQ(CurrentCell(grid), "5,2") << "searching up";
}

TEST(FindReplace, ReplaceAllWorksDownTheCurrentColumnAsOneUndoStep) {
    gridtest::TestGrid grid(5, 3);
    for (ROWCOL r = 1; r <= 5; ++r) {
        grid.PutValue(r, 2, "aXa");
        grid.PutValue(r, 3, "aXa");
    }
    CountingFindReplace find(grid);
    ASSERT_TRUE(grid.SetCurrentCell(3, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    grid.GetParam()->EmptyUndoList();
    find.OnReplaceAll(&grid, "a", "bb", TRUE);
    EXPECT_EQ(Column(grid, 2, 1, 5), "aXa aXa bbXbb bbXbb bbXbb");
    EXPECT_EQ(Column(grid, 3, 1, 5), "aXa aXa aXa aXa aXa") << "other columns untouched";
    EXPECT_EQ(find.notFound, 0);
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 1);
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Column(grid, 2, 1, 5), "aXa aXa aXa aXa aXa");
    find.OnReplaceAll(&grid, "zzz", "y", FALSE);
    EXPECT_EQ(find.notFound, 1);
}

TEST(FindReplace, ReplacedTextsMayGrowBeyondAnyFixedBuffer) {
    gridtest::TestGrid grid(2, 2);
    grid.PutValue(1, 1, std::string(900, 'a').c_str());
    CountingFindReplace find(grid);
    ASSERT_TRUE(grid.SetCurrentCell(1, 1, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    find.OnReplaceAll(&grid, "A", "bcd", FALSE);
    const std::string value = Value(grid, 1, 1);
    EXPECT_EQ(value.size(), 2700u);
    EXPECT_EQ(value.find('a'), std::string::npos);
    int nReplaced = 0;
    EXPECT_EQ(CGEGridFindReplaceImp::ReplaceOccurrences("aAa", "AA", "-", FALSE, nReplaced), "-a")
        << "left to right, not overlapping";
    EXPECT_EQ(nReplaced, 1);
}

TEST(FindReplace, TheDialogsRequestsGoToTheGridThatOpenedIt) {
    cliptest::WindowGrid firstWindow(3, 2), secondWindow(3, 2);
    CGEGridWnd& first = firstWindow.grid;
    CGEGridWnd& second = secondWindow.grid;
    firstWindow.Put(2, 1, "hit");
    secondWindow.Put(2, 1, "hit");
    CountingFindReplace findFirst(first);
    CountingFindReplace findSecond(second);
    ASSERT_TRUE(first.SetCurrentCell(1, 1, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    ASSERT_TRUE(second.SetCurrentCell(1, 1, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    GEGetFindReplaceState()->m_pSearchingGrid = &second;
    CFindReplaceDialog request;
    strcpy(request.m_fr.lpstrFindWhat, "hit");
    request.m_fr.Flags = FR_FINDNEXT | FR_DOWN;
    findFirst.OnFindReplace(&first, &request);
    EXPECT_EQ(CurrentCell(second), "2,1");
    EXPECT_EQ(CurrentCell(first), "1,1");
}
