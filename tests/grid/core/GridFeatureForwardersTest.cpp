// A grid without feature objects: every forwarder does nothing and answers 0, while the core's own
// drawing, scrolling and editing still work; the factory gives each grid its own auto-scroll plug-in.
#include "GridCoreTestSupport.h"

#include "grid/core/CGEAutoScrollPlugin.h"

using gridtest::TestGrid;

namespace {

// While it lives the engine has no control factory, so grids made meanwhile get no feature objects.
class NoControlFactory {
public:
    NoControlFactory() {
        gridtest::StartEngine();
        m_pFactory = GEGetLibraryState()->m_pControlFactory;
        GEGetLibraryState()->m_pControlFactory = nullptr;
    }
    ~NoControlFactory() { GEGetLibraryState()->m_pControlFactory = m_pFactory; }
    NoControlFactory(const NoControlFactory&) = delete;
    NoControlFactory& operator=(const NoControlFactory&) = delete;

private:
    CGEAbstractControlFactory* m_pFactory = nullptr;
};

} // namespace

TEST(GridFeatureForwarders, AbsentFeaturesDoNothingAndAnswerZero) {
    NoControlFactory noFactory;
    TestGrid grid(10, 5);
    grid.PutValue(2, 2, "kept");
    CGECellRange range;
    EXPECT_EQ(grid.GetCoveredCellsRowCol(2, 2, range), nullptr);
    EXPECT_EQ(grid.GetMergedCellsRange(2, 2, range), nullptr);
    EXPECT_EQ(grid.GetFloatedCellsRange(2, 2, range), nullptr);
    EXPECT_EQ(grid.GetCellRangeRowCol(2, 2, range), nullptr);
    EXPECT_FALSE(grid.SetCoveredCellsRowCol(1, 1, 2, 2));
    EXPECT_FALSE(grid.HideRows(1, 2));
    EXPECT_FALSE(grid.IsRowHidden(1));
    EXPECT_FALSE(grid.MoveRows(1, 2, 5));
    EXPECT_FALSE(grid.CanCopy());
    EXPECT_FALSE(grid.Copy());
    EXPECT_FALSE(grid.CanClear());
    EXPECT_FALSE(grid.Clear());
    EXPECT_FALSE(grid.Undo());
    EXPECT_FALSE(grid.Redo());
    EXPECT_EQ(grid.SetSelection(nullptr, 1, 1, 2, 2), nullptr);
    EXPECT_FALSE(grid.OnCellClick(1, 1, 0, CPoint(0, 0)));
    EXPECT_FALSE(grid.ResizeRowHeightsToFit(CGECellRange(1, 1, 2, 2)));
    EXPECT_FALSE(grid.IsHeaderMarked(nullptr, 0, 1, 0));
    CSize size(5, 5);
    grid.CalcSize(size, nullptr, nullptr, 1, 1, grid.GetStandardStyle(), nullptr, FALSE);
    EXPECT_EQ(size, CSize(0, 0));
    grid.BeginTrans("nothing");
    grid.CommitTrans();
    EXPECT_TRUE(grid.GetParam()->m_UndoList.IsEmpty());
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "kept");
    // The core's own work goes on.
    EXPECT_TRUE(grid.SetCurrentCell(3, 3));
    EXPECT_TRUE(grid.MoveCurrentCell(GE_DOWN));
    EXPECT_TRUE(grid.IsCurrentCell(4, 3));
}

TEST(GridFeatureForwarders, EachGridGetsItsOwnAutoScrollPlugin) {
    TestGrid first(2, 2), second(2, 2);
    ASSERT_NE(first.m_pAutoScrollPlugin, nullptr);
    EXPECT_NE(first.m_pAutoScrollPlugin, second.m_pAutoScrollPlugin);
    CGEAutoScrollPlugin* pInstalled = first.m_pAutoScrollPlugin;
    first.InstallAutoScroll();
    EXPECT_EQ(first.m_pAutoScrollPlugin, pInstalled) << "installing twice leaves one object";
}

TEST(GridFeatureForwarders, AutoScrollStepsFollowTheMouseOutsideTheArea) {
    TestGrid grid(1000, 100, CRect(0, 0, 300, 200));
    auto* pPlugin = grid.m_pAutoScrollPlugin;
    ASSERT_NE(pPlugin, nullptr);
    for (int i = 0; i < 4; ++i)
        pPlugin->Step(CPoint(100, 260)); // 60 pixels below the area: a row each tick
    EXPECT_EQ(grid.GetTopRow(), 5u);
    for (int i = 0; i < 4; ++i)
        pPlugin->Step(CPoint(100, 100)); // inside: nothing scrolls
    EXPECT_EQ(grid.GetTopRow(), 5u);
    pPlugin->Step(CPoint(-50, 100));
    EXPECT_EQ(grid.GetLeftCol(), 1u) << "already at the first column";
}
