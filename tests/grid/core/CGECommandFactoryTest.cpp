// Undo and redo: steps of the grid operations, the lists, blocks (nested, committed, rolled back, failing),
// the undo limit, and the Undo and Redo menu items.
#include "grid/core/CGEBlockCmd.h"
#include "grid/core/CGECommandFactory.h"
#include "grid/core/CGEStylesMap.h"

#include "GridCoreTestSupport.h"

#include "framework/win/AfxWin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gridtest::TestGrid;

// A windowless grid with the engine's features, and short ways to change it.
class UndoGrid : public TestGrid {
public:
    UndoGrid() : TestGrid(10, 5) {}
    void SetValue(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
        CGEStyle style;
        style.SetValue(pszValue);
        SetStyleRange(CGECellRange(nRow, nCol, nRow, nCol), &style, geOverride, 0, nullptr, GE_NOREDRAW);
    }
    CString Value(ROWCOL nRow, ROWCOL nCol) { return GetStoredCellValue(nRow, nCol); }
    INT_PTR UndoCount() { return GetParam()->m_UndoList.GetCount(); }
    INT_PTR RedoCount() { return GetParam()->m_RedoList.GetCount(); }
};

// A step that always fails.
class FailingCmd : public CGECommand {
public:
    BOOL Execute(CGEGridCore*, int) override { return FALSE; }
    CString GetName() const override { return "Failing"; }
};

// What an Undo or Redo item was told.
class RecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override { enabled = bOn; }
    void SetText(LPCSTR lpszText) override { text = lpszText; }
    BOOL enabled = -1;
    std::string text;
};

TEST(CGECommandFactory, EveryGridHasOne) {
    UndoGrid grid;
    ASSERT_NE(grid.m_pCommandFactory, nullptr);
    grid.InstallCommandFactory();
    EXPECT_NE(dynamic_cast<CGECommandFactory*>(grid.m_pCommandFactory), nullptr);
}

TEST(CGECommandFactory, NothingToUndoOrRedo) {
    UndoGrid grid;
    grid.PutValue(1, 1, "kept");
    EXPECT_FALSE(grid.Undo());
    EXPECT_FALSE(grid.Redo());
    EXPECT_EQ(grid.Value(1, 1), CString("kept"));
    RecordingCmdUI ui;
    grid.OnUpdateEditUndo(&ui);
    EXPECT_FALSE(ui.enabled);
    grid.OnUpdateEditRedo(&ui);
    EXPECT_FALSE(ui.enabled);
}

TEST(CGECommandFactory, ValuesUndoAndRedo) {
    UndoGrid grid;
    grid.SetValue(1, 1, "one");
    grid.SetValue(1, 1, "two");
    EXPECT_EQ(grid.UndoCount(), 2);
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(grid.Value(1, 1), CString("one"));
    EXPECT_EQ(grid.RedoCount(), 1);
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(grid.Value(1, 1), CString(""));
    EXPECT_TRUE(grid.Redo());
    EXPECT_EQ(grid.Value(1, 1), CString("one"));
    EXPECT_EQ(grid.UndoCount(), 1);
    // A new action after an undo empties the redo list.
    grid.SetValue(2, 2, "new");
    EXPECT_EQ(grid.RedoCount(), 0);
    EXPECT_FALSE(grid.Redo());
}

// One grid operation, its check after undoing and after redoing.
struct StepCase {
    const char* what;
    void (*act)(UndoGrid&);
    bool (*undone)(UndoGrid&);
    bool (*redone)(UndoGrid&);
};

const StepCase kSteps[] = {
    {"row height", [](UndoGrid& g) { g.SetRowHeight(3, 4, 40, nullptr, GE_NOREDRAW); },
     [](UndoGrid& g) { return g.GetRowHeight(3) == 27 && g.GetRowHeight(4) == g.GetDefaultRowHeight(); },
     [](UndoGrid& g) { return g.GetRowHeight(4) == 40; }},
    {"column width", [](UndoGrid& g) { g.SetColWidth(2, 2, 99, nullptr, GE_NOREDRAW); },
     [](UndoGrid& g) { return g.GetColWidth(2) == g.GetDefaultColWidth(); },
     [](UndoGrid& g) { return g.GetColWidth(2) == 99; }},
    {"default row height", [](UndoGrid& g) { g.SetDefaultRowHeight(33, GE_NOREDRAW); },
     [](UndoGrid& g) { return g.GetDefaultRowHeight() != 33; },
     [](UndoGrid& g) { return g.GetDefaultRowHeight() == 33; }},
    {"frozen rows", [](UndoGrid& g) { g.SetFrozenRows(2, 0, GE_NOREDRAW); },
     [](UndoGrid& g) { return g.GetFrozenRows() == 0; }, [](UndoGrid& g) { return g.GetFrozenRows() == 2; }},
    {"insert rows", [](UndoGrid& g) { g.InsertRows(2, 3, nullptr, nullptr, 0, GE_NOREDRAW); },
     [](UndoGrid& g) { return g.GetRowCount() == 10 && g.Value(2, 1) == "row 2"; },
     [](UndoGrid& g) { return g.GetRowCount() == 13 && g.Value(5, 1) == "row 2"; }},
    {"remove rows", [](UndoGrid& g) { g.RemoveRows(2, 3, GE_NOREDRAW); },
     [](UndoGrid& g) { return g.GetRowCount() == 10 && g.Value(2, 1) == "row 2" && g.GetRowHeight(3) == 27; },
     [](UndoGrid& g) { return g.GetRowCount() == 8 && g.Value(2, 1) == "row 4"; }},
    {"remove columns", [](UndoGrid& g) { g.RemoveCols(1, 1, GE_NOREDRAW); },
     [](UndoGrid& g) { return g.GetColCount() == 5 && g.Value(2, 1) == "row 2"; },
     [](UndoGrid& g) { return g.GetColCount() == 4 && g.Value(2, 1) == ""; }},
};

class CGECommandSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(CGECommandSteps, UndoAndRedo) {
    const StepCase& c = GetParam();
    UndoGrid grid;
    for (ROWCOL row = 1; row <= 10; ++row)
        grid.PutValue(row, 1, ("row " + std::to_string(row)).c_str());
    grid.SetRowHeight(3, 3, 27, nullptr, GE_NOREDRAW);
    grid.CleanUpUndo();
    c.act(grid);
    ASSERT_EQ(grid.UndoCount(), 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_TRUE(c.undone(grid));
    ASSERT_EQ(grid.RedoCount(), 1);
    ASSERT_TRUE(grid.Redo());
    EXPECT_TRUE(c.redone(grid));
    EXPECT_EQ(grid.UndoCount(), 1);
    EXPECT_EQ(grid.RedoCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, CGECommandSteps, ::testing::ValuesIn(kSteps),
                         [](const ::testing::TestParamInfo<StepCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(CGECommandFactory, BaseStyleChangesUndo) {
    UndoGrid grid;
    CGEStylesMap* map = grid.GetStylesMap();
    ASSERT_NE(map, nullptr);
    const UINT id = map->GetStyleIdByName("Standard");
    ASSERT_NE(id, 0u);
    const BOOL before = map->LookupStyle(id)->GetReadOnly();
    CGEStyle change;
    change.SetReadOnly(!before);
    ASSERT_TRUE(grid.ChangeBaseStyle(static_cast<WORD>(id), change, geOverride, GE_NOREDRAW));
    EXPECT_EQ(map->LookupStyle(id)->GetReadOnly(), !before);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(map->LookupStyle(id)->GetReadOnly(), before);
}

TEST(CGECommandFactory, BlocksUndoAndRedoAsOneStep) {
    UndoGrid grid;
    grid.BeginTrans("Fill");
    grid.SetValue(1, 1, "a");
    grid.BeginTrans("inner");
    grid.SetValue(2, 2, "b");
    grid.CommitTrans();
    grid.SetValue(3, 3, "c");
    grid.CommitTrans();
    ASSERT_EQ(grid.UndoCount(), 1);
    auto* block = dynamic_cast<CGEBlockCmd*>(grid.GetParam()->m_UndoList.GetHead());
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetCount(), 3);
    EXPECT_EQ(block->GetName(), CString("Fill"));

    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.Value(1, 1) + grid.Value(2, 2) + grid.Value(3, 3), CString(""));
    ASSERT_EQ(grid.RedoCount(), 1);
    EXPECT_NE(dynamic_cast<CGEBlockCmd*>(grid.GetParam()->m_RedoList.GetHead()), nullptr);
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(grid.Value(1, 1) + grid.Value(2, 2) + grid.Value(3, 3), CString("abc"));
    EXPECT_EQ(grid.UndoCount(), 1);
}

TEST(CGECommandFactory, AnEmptyBlockLeavesNoTraceAndARollbackRevertsItsBlock) {
    UndoGrid grid;
    grid.SetValue(1, 1, "before");
    grid.BeginTrans("Nothing");
    grid.CommitTrans();
    EXPECT_EQ(grid.UndoCount(), 1);
    EXPECT_EQ(dynamic_cast<CGEBlockCmd*>(grid.GetParam()->m_UndoList.GetHead()), nullptr);

    grid.BeginTrans("Changes");
    grid.SetValue(1, 1, "during");
    grid.SetValue(2, 1, "also");
    grid.Rollback();
    EXPECT_EQ(grid.Value(1, 1), CString("before"));
    EXPECT_EQ(grid.Value(2, 1), CString(""));
    EXPECT_EQ(grid.UndoCount(), 1);
    EXPECT_EQ(grid.RedoCount(), 0);
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0);
}

TEST(CGECommandFactory, ABlockIsClosedEvenWhenUndoWasSwitchedOffMeanwhile) {
    UndoGrid grid;
    grid.BeginTrans("Open");
    grid.SetValue(1, 1, "x");
    grid.EnableUndo(FALSE);
    grid.CommitTrans();
    grid.EnableUndo(TRUE);
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0);
    grid.SetValue(2, 2, "y"); // a step of its own, not part of the old block
    EXPECT_EQ(grid.UndoCount(), 2);
}

TEST(CGECommandFactory, AFailedBlockUndoLeavesTheGridAndTheListsAsTheyWere) {
    UndoGrid grid;
    grid.BeginTrans("Two");
    grid.AddCommand(new FailingCmd); // the oldest step: runs last when undoing
    grid.SetValue(2, 2, "y");
    grid.CommitTrans();
    ASSERT_EQ(grid.UndoCount(), 1);

    EXPECT_FALSE(grid.Undo());
    EXPECT_EQ(grid.Value(2, 2), CString("y")); // the step that ran was reversed again
    EXPECT_EQ(grid.RedoCount(), 0);            // no partial reverse block
    EXPECT_EQ(grid.UndoCount(), 1);            // the block stays to be tried again
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0);
}

TEST(CGECommandFactory, TheUndoListKeepsAtMostTheLimitPlusOne) {
    UndoGrid grid;
    grid.GetParam()->m_nUndoLimit = 3;
    for (int i = 0; i < 10; ++i)
        grid.SetValue(1, 1, std::to_string(i).c_str());
    EXPECT_EQ(grid.UndoCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(grid.Value(1, 1), CString("5")); // the newest four were kept
    EXPECT_FALSE(grid.Undo());
}

TEST(CGECommandFactory, MenuItemsNameTheNewestStep) {
    UndoGrid grid;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 61003, "&Undo");
    menu.AppendMenu(MF_STRING, 60998, "&Redo %1");
    grid.SetValue(1, 1, "x");

    RecordingCmdUI undo;
    undo.m_nID = 61003; // its string's third line is the pattern
    undo.m_nIndex = 0;
    undo.m_pMenu = &menu;
    grid.OnUpdateEditUndo(&undo);
    EXPECT_TRUE(undo.enabled);
    EXPECT_EQ(undo.text, "Undo Cells (test)");

    grid.Undo();
    RecordingCmdUI redo;
    redo.m_nID = 60998; // no string: the item's own text is the pattern
    redo.m_nIndex = 1;
    redo.m_pMenu = &menu;
    grid.OnUpdateEditRedo(&redo);
    EXPECT_TRUE(redo.enabled);
    EXPECT_EQ(redo.text, "&Redo Cells");
    menu.DestroyMenu();
}

TEST(CGECommandFactory, MovesToTheRecordedCellWaitWhileTheGridDefersThem) {
    UndoGrid grid;
    grid.m_bDeferUndoCellMoves = TRUE;
    grid.m_pCommandFactory->SetUndoCurrentCell(&grid, 4, 3, TRUE);
    EXPECT_TRUE(grid.m_bUndoCellPending);
    EXPECT_EQ(grid.m_nUndoCellRow, 4u);
    EXPECT_EQ(grid.m_nUndoCellCol, 3u);
    ROWCOL row = 0, col = 0;
    EXPECT_FALSE(grid.GetCurrentCell(row, col));
    grid.m_bDeferUndoCellMoves = FALSE;
    grid.m_pCommandFactory->SetUndoCurrentCell(&grid, 4, 3, TRUE);
    ASSERT_TRUE(grid.GetCurrentCell(row, col));
    EXPECT_EQ(row, 4u);
    EXPECT_EQ(col, 3u);
}

TEST(CGECommandFactory, NamedRangesHaveNoSteps) {
    CGECommandFactory factory;
    EXPECT_EQ(factory.CreateSetRangeNameCmd("A", nullptr), nullptr);
    EXPECT_EQ(factory.CreateDeleteRangeNameCmd("A", CGECellRange(1, 1, 1, 1)), nullptr);
}

} // namespace
