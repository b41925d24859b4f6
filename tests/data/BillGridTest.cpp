// The Create Bill dialog's grid: a grid window of its own class that behaves as the grid window does,
// made by the dialog or dynamically, and gone with its object.
#include "data/CBillGrid.h"
#include "grid/core/CGELibraryState.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class BillGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool started = [] {
            GEInitializeLibrary(1536, 0, 0);
            return true;
        }();
        (void)started;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Create Bill",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    }
    void TearDown() override {
        parent.DestroyWindow();
        CWnd::DeleteTempMap();
    }
    CWnd parent;
};

TEST_F(BillGridTest, IsAGridWindowThatTakesClicksLikeAnyGrid) {
    CBillGrid grid;
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 380, 280), &parent, 100));
    EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(CGEGridWnd)));
    EXPECT_TRUE(grid.IsInitialized());
    grid.SetRowCount(8, GE_NOREDRAW);
    grid.SetColCount(3, GE_NOREDRAW);
    const CPoint point = grid.GetCellRect(2, 3).CenterPoint();
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_TRUE(grid.IsCurrentCell(2, 3)) << "the grid's messages reach the grid through the empty map";
}

TEST_F(BillGridTest, MadeDynamicallyAndDestroyedWithItsObject) {
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CBillGrid)->CreateObject());
    auto* grid = dynamic_cast<CBillGrid*>(made.get());
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(grid->Create(WS_CHILD, CRect(0, 0, 100, 100), &parent, 101));
    const HWND window = grid->GetSafeHwnd();
    EXPECT_TRUE(::IsWindow(window));
    made.reset();
    EXPECT_FALSE(::IsWindow(window));
}

} // namespace
