// The key map: which key moves the current cell where, commits before Tab and Enter, the keys that pass
// to the window's default handling, and the key messages a cell control keeps.
#include "GridCoreTestSupport.h"

#include <vector>

using gridtest::GridHost;
using gridtest::RecordingControl;
using gridtest::TestGrid;

namespace {

// Records the moves and commits the key map asks for instead of carrying them out.
class KeyGrid : public TestGrid {
public:
    BOOL MoveCurrentCellByKey(int nDirection, UINT nCount) override {
        byKey.push_back({nDirection, nCount});
        return TRUE;
    }
    BOOL MoveCurrentCell(int nDirection, UINT nCount, BOOL) override {
        moved.push_back({nDirection, nCount});
        return TRUE;
    }
    BOOL CommitCurrentCell(BOOL bStore, UINT, BOOL) override {
        commits.push_back(bStore);
        return commitResult;
    }
    struct Move {
        int direction;
        UINT count;
        bool operator==(const Move&) const = default;
    };
    std::vector<Move> byKey;
    std::vector<Move> moved;
    std::vector<BOOL> commits;
    BOOL commitResult = TRUE;
};

struct KeyCase {
    UINT key;
    BOOL ctrl;
    BOOL shift;
    UINT repeat;
    BOOL handled;
    int direction; // 0: no move
    UINT count;
};

} // namespace

TEST(GridKeys, MovementKeysMapToDirections) {
    const KeyCase cases[] = {
        {VK_UP, FALSE, FALSE, 1, TRUE, GE_UP, 1},        {VK_UP, TRUE, FALSE, 1, TRUE, GE_TOP, 1},
        {VK_DOWN, FALSE, FALSE, 3, TRUE, GE_DOWN, 3},    {VK_DOWN, TRUE, FALSE, 1, TRUE, GE_BOTTOM, 1},
        {VK_LEFT, FALSE, FALSE, 1, TRUE, GE_LEFT, 1},    {VK_LEFT, TRUE, FALSE, 1, TRUE, GE_MOSTLEFT, 1},
        {VK_RIGHT, FALSE, FALSE, 1, TRUE, GE_RIGHT, 1},  {VK_RIGHT, TRUE, FALSE, 1, TRUE, GE_MOSTRIGHT, 1},
        {VK_NEXT, FALSE, TRUE, 2, TRUE, GE_PAGEDOWN, 2}, {VK_PRIOR, TRUE, FALSE, 1, TRUE, GE_PAGEUP, 1},
        {VK_HOME, TRUE, FALSE, 5, TRUE, GE_TOPLEFT, 1},  {VK_END, TRUE, FALSE, 1, TRUE, GE_BOTTOMRIGHT, 1},
        {VK_HOME, FALSE, FALSE, 1, FALSE, 0, 0},         {VK_END, FALSE, FALSE, 1, FALSE, 0, 0},
        {VK_DOWN, FALSE, FALSE, 0, TRUE, GE_DOWN, 1}, // a repeat count of 0 moves by one
    };
    for (const KeyCase& c : cases) {
        KeyGrid grid;
        grid.ctrl = c.ctrl;
        grid.shift = c.shift;
        EXPECT_EQ(grid.HandleKeyDown(c.key, c.repeat, 0), c.handled) << "key " << c.key;
        if (c.direction == 0)
            EXPECT_TRUE(grid.byKey.empty()) << "key " << c.key;
        else
            EXPECT_EQ(grid.byKey, (std::vector<KeyGrid::Move>{{c.direction, c.count}})) << "key " << c.key;
    }
}

TEST(GridKeys, TabAndEnterCommitFirst) {
    KeyGrid grid;
    EXPECT_TRUE(grid.HandleKeyDown(VK_TAB, 1, 0));
    EXPECT_EQ(grid.moved, (std::vector<KeyGrid::Move>{{GE_RIGHT, 1}}));
    grid.shift = TRUE;
    grid.HandleKeyDown(VK_TAB, 1, 0);
    EXPECT_EQ(grid.moved.back(), (KeyGrid::Move{GE_LEFT, 1})) << "Shift+Tab moves left";
    EXPECT_EQ(grid.commits, (std::vector<BOOL>{TRUE, TRUE}));

    grid.commitResult = FALSE;
    grid.HandleKeyDown(VK_TAB, 1, 0);
    EXPECT_EQ(grid.moved.size(), 2u) << "a refused value keeps the cell";

    grid.shift = FALSE;
    grid.commitResult = TRUE;
    grid.commits.clear();
    EXPECT_TRUE(grid.HandleKeyDown(VK_RETURN, 1, 0));
    EXPECT_EQ(grid.commits.size(), 1u);
    EXPECT_TRUE(grid.byKey.empty()) << "Enter direction 0 stays in the cell";
    grid.GetParam()->m_wEnterKeyDirection = GE_DOWN;
    grid.HandleKeyDown(VK_RETURN, 1, 0);
    EXPECT_EQ(grid.byKey, (std::vector<KeyGrid::Move>{{GE_DOWN, 1}}));
    grid.ctrl = TRUE;
    EXPECT_FALSE(grid.HandleKeyDown(VK_RETURN, 1, 0)) << "Ctrl+Enter is not the grid's";
}

TEST(GridKeys, EscapeReloadsAModifiedCell) {
    TestGrid grid(10, 5);
    auto* pControl = new RecordingControl(&grid);
    grid.RegisterControl(GE_IDS_CTRL_EDIT, pControl, TRUE, FALSE);
    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    pControl->modified = TRUE;
    const int nInits = pControl->inits;
    EXPECT_TRUE(grid.HandleKeyDown(VK_ESCAPE, 1, 0));
    EXPECT_GT(pControl->inits, nInits);
    EXPECT_FALSE(pControl->modified);
    EXPECT_TRUE(grid.IsCurrentCell(2, 2));
}

TEST(GridKeys, ARealMoveThroughTheGrid) {
    TestGrid grid(10, 5);
    ASSERT_TRUE(grid.SetCurrentCell(1, 1));
    grid.HandleKeyDown(VK_DOWN, 3, 0);
    grid.HandleKeyDown(VK_RIGHT, 1, 0);
    EXPECT_TRUE(grid.IsCurrentCell(4, 2));
    grid.ctrl = TRUE;
    grid.HandleKeyDown(VK_END, 1, 0);
    EXPECT_TRUE(grid.IsCurrentCell(10, 5));
}

TEST(GridKeys, TheControlKeepsItsKeysAndADragSwallowsThem) {
    CGEGridWnd grid;
    GridHost host(grid);
    grid.SetRowCount(10, GE_NOREDRAW);
    grid.SetColCount(5, GE_NOREDRAW);
    auto* pControl = new RecordingControl(&grid);
    pControl->keptKey = VK_RIGHT;
    grid.RegisterControl(GE_IDS_CTRL_EDIT, pControl, TRUE, FALSE);
    ASSERT_TRUE(grid.SetCurrentCell(3, 3));
    grid.SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_TRUE(grid.IsCurrentCell(3, 3)) << "the control kept the key";
    grid.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(grid.IsCurrentCell(4, 3));
    grid.SetCapture();
    grid.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(grid.IsCurrentCell(4, 3)) << "keys are swallowed while the mouse is captured";
    grid.SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(::GetCapture(), nullptr) << "Esc cancels the drag";
}
