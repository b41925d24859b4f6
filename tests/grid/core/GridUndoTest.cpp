// The core's operations record their reverse through the command factory: each is undone and redone,
// and a block of them is one step.
#include "GridCoreTestSupport.h"

#include <functional>
#include <sstream>
#include <string>

using gridtest::TestGrid;

namespace {

// What the test compares before and after: values, sizes, counts and frozen rows.
std::string Snapshot(TestGrid& grid) {
    std::ostringstream s;
    s << grid.GetRowCount() << "x" << grid.GetColCount() << " f" << grid.GetFrozenRows() << " d"
      << grid.GetDefaultRowHeight() << ":";
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r) {
        s << " " << grid.GetRowHeight(r);
        for (ROWCOL c = 1; c <= grid.GetColCount(); ++c)
            s << "|" << static_cast<const char*>(grid.GetStoredCellValue(r, c));
    }
    return s.str();
}

struct UndoCase {
    const char* what;
    std::function<BOOL(TestGrid&)> operation;
};

} // namespace

TEST(GridUndo, EachOperationIsUndoneAndRedone) {
    const UndoCase cases[] = {
        {"a value", [](TestGrid& g) { return g.SetValueRange(CGECellRange(2, 2, 3, 3), "v"); }},
        {"row heights", [](TestGrid& g) { return g.SetRowHeight(2, 3, 40); }},
        {"the default row height", [](TestGrid& g) { return g.SetDefaultRowHeight(30); }},
        {"frozen rows", [](TestGrid& g) { return g.SetFrozenRows(2, 0); }},
        {"inserted rows", [](TestGrid& g) { return g.InsertRows(2, 2); }},
        {"removed rows", [](TestGrid& g) { return g.RemoveRows(2, 3); }},
    };
    for (const UndoCase& c : cases) {
        TestGrid grid(5, 3);
        grid.PutValue(3, 1, "kept");
        grid.PutValue(2, 3, "old");
        const std::string before = Snapshot(grid);
        ASSERT_TRUE(c.operation(grid)) << c.what;
        const std::string after = Snapshot(grid);
        ASSERT_NE(before, after) << c.what;
        EXPECT_TRUE(grid.Undo()) << c.what;
        EXPECT_EQ(Snapshot(grid), before) << c.what;
        EXPECT_TRUE(grid.Redo()) << c.what;
        EXPECT_EQ(Snapshot(grid), after) << c.what;
    }
}

TEST(GridUndo, ABlockIsOneStepAndNothingIsRecordedWhileDisabled) {
    TestGrid grid(5, 3);
    const std::string before = Snapshot(grid);
    grid.BeginTrans("two changes");
    grid.SetValueRange(CGECellRange(1, 1, 1, 1), "a");
    grid.SetRowHeight(4, 4, 50);
    grid.CommitTrans();
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(Snapshot(grid), before);
    EXPECT_FALSE(grid.Undo()) << "the block was the only step";

    const BOOL bWas = grid.EnableUndo(FALSE);
    EXPECT_TRUE(bWas);
    grid.SetValueRange(CGECellRange(1, 1, 1, 1), "b");
    EXPECT_FALSE(grid.Undo());
}
