// Update hints between grids sharing one parameter object, without windows: each test grid hands the
// hints it sends straight to its peers (in place of the document's UpdateAllViews) and records the
// update operations it is asked to carry out.
#include "FeatureTestSupport.h"

#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGERangeList.h"
#include "grid/features/CGEGridHint.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

using gridtest::TestGrid;

namespace {

class PeerGrid : public TestGrid {
public:
    PeerGrid() : TestGrid(20, 6) {}

    void UpdateAllViews(CView*, LPARAM, CObject* pHint) override {
        ++sent;
        if (!m_bHintsEnabled)
            return;
        for (PeerGrid* pPeer : peers)
            pPeer->OnHint(pHint);
    }
    void UpdateChangedRowHeights(ROWCOL nFrom, ROWCOL nTo, int* anOld, UINT flags,
                                 BOOL bCreateHint) override {
        calls.push_back("heights " + std::to_string(nFrom) + "-" + std::to_string(nTo) +
                        (anOld != nullptr ? " old " + std::to_string(anOld[0]) : std::string()));
        TestGrid::UpdateChangedRowHeights(nFrom, nTo, anOld, flags, bCreateHint);
    }
    void UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint) override {
        calls.push_back("insert " + std::to_string(nRow) + "+" + std::to_string(nCount));
        TestGrid::UpdateInsertRows(nRow, nCount, flags, bCreateHint);
    }
    void RedrawRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                      BOOL bCreateHint) override {
        redraws.push_back(std::to_string(nTop) + "," + std::to_string(nLeft) + "-" + std::to_string(nBottom) +
                          "," + std::to_string(nRight));
        TestGrid::RedrawRowCol(nTop, nLeft, nBottom, nRight, flags, bCreateHint);
    }
    BOOL CommitCurrentCell(BOOL bStore, UINT flags, BOOL bCreateHint) override {
        if (refuseStore && bStore && !bCreateHint)
            return FALSE;
        return TestGrid::CommitCurrentCell(bStore, flags, bCreateHint);
    }

    std::vector<PeerGrid*> peers;
    std::vector<std::string> calls;
    std::vector<std::string> redraws; // the blocks it was asked to redraw
    int sent = 0;
    BOOL refuseStore = FALSE;
};

// Grid a and b show one parameter object and know each other.
struct Pair {
    Pair() {
        b.SetParam(a.GetParam(), FALSE);
        a.peers = {&b};
        b.peers = {&a};
    }
    PeerGrid a, b;
};

} // namespace

TEST(UpdateHint, AChangeReachesTheOtherGridWhichSendsNothingBack) {
    Pair p;
    p.a.SetRowHeight(3, 3, 40, nullptr, GE_NOREDRAW);
    ASSERT_EQ(p.b.calls.size(), 1u);
    EXPECT_EQ(p.b.calls[0], "heights 3-3 old " + std::to_string(p.a.GetParam()->GetDefaultRowHeight()));
    EXPECT_EQ(p.b.GetRowHeight(3), 40) << "b reads the shared size";
    EXPECT_EQ(p.b.sent, 0) << "a receiver never sends a hint back";
    EXPECT_TRUE(p.b.m_bHintsEnabled) << "hints are on again afterwards";

    p.a.InsertRows(5, 2, nullptr, nullptr, 0, GE_NOREDRAW);
    EXPECT_EQ(p.b.calls.back(), "insert 5+2");
    EXPECT_EQ(p.b.GetRowCount(), 22u);
    EXPECT_EQ(p.b.sent, 0);
}

TEST(UpdateHint, OnlyHintsForTheGridsIdOrForEveryGridArrive) {
    Pair p;
    p.b.m_nHintId = 5;
    CGEGridHint hint(8, 7);
    hint.m_nRow1 = 2;
    hint.m_dwResult = 1;
    p.b.OnHint(&hint);
    EXPECT_TRUE(p.b.calls.empty()) << "another grid's hint";
    hint.m_nViewId = 5;
    p.b.OnHint(&hint);
    hint.m_nViewId = -1;
    p.b.OnHint(&hint);
    EXPECT_EQ(p.b.calls.size(), 2u);
    CGERangeList notAHint;
    p.b.OnHint(&notAHint);
    p.b.OnHint(nullptr);
    EXPECT_EQ(p.b.calls.size(), 2u);
}

TEST(UpdateHint, StoringTheCurrentCellFailsWhenAReceiverFails) {
    Pair p;
    EXPECT_TRUE(p.a.TransferCurrentCell(TRUE, GE_NOREDRAW, TRUE));
    p.b.refuseStore = TRUE;
    EXPECT_FALSE(p.a.TransferCurrentCell(TRUE, GE_NOREDRAW, TRUE));
    EXPECT_TRUE(p.a.TransferCurrentCell(FALSE, GE_NOREDRAW, TRUE)) << "discarding never fails";
}

TEST(UpdateHint, AGridWithoutTheFeatureOrWithoutASplitterSendsNothing) {
    Pair p;
    p.a.SetTopRow(6, GE_NOREDRAW);
    EXPECT_EQ(p.b.GetTopRow(), 1u) << "not split: no scroll hint";
    EXPECT_EQ(p.a.sent, 0);

    p.a.m_pUpdateHintImp = nullptr; // still deleted with the grid
    p.a.SetRowHeight(4, 4, 30, nullptr, GE_NOREDRAW);
    EXPECT_TRUE(p.b.calls.empty());
    EXPECT_EQ(p.a.sent, 0);
}

namespace {

// Every field of a sent hint; what a table row expects leaves the rest at 0.
struct HintFields {
    int id = 0;
    ROWCOL row1 = 0, row2 = 0, row3 = 0, col1 = 0, col2 = 0, col3 = 0;
    DWORD value = 0, result = 0, arg1 = 0, arg2 = 0;
    DWORD_PTR extra = 0;
    UINT flags = 0;
    CGECellRange range{};
    bool operator==(const HintFields&) const = default;
};

void PrintTo(const HintFields& h, std::ostream* os) {
    *os << "id " << h.id << " rows " << h.row1 << "," << h.row2 << "," << h.row3 << " cols " << h.col1 << ","
        << h.col2 << "," << h.col3 << " value " << h.value << " result " << h.result << " args " << h.arg1
        << "," << h.arg2 << " extra " << h.extra << " flags " << h.flags << " range " << h.range.top << ","
        << h.range.left << "," << h.range.bottom << "," << h.range.right;
}

// Keeps the fields of every hint it sends, and the view id it was sent for.
class SendingGrid : public TestGrid {
public:
    void UpdateAllViews(CView*, LPARAM, CObject* pHint) override {
        const auto& h = *dynamic_cast<CGEGridHint*>(pHint);
        sent.push_back({h.m_id, h.m_nRow1, h.m_nRow2, h.m_nRow3, h.m_nCol1, h.m_nCol2, h.m_nCol3, h.m_dwValue,
                        h.m_dwResult, h.m_dwArg1, h.m_dwArg2, h.m_dwExtra, h.m_flags, h.m_range});
        viewIds.push_back(h.m_nViewId);
    }
    std::vector<HintFields> sent;
    std::vector<int> viewIds;
};

const int kOldSizes[] = {11, 12};
const auto kOld = reinterpret_cast<DWORD_PTR>(kOldSizes);

} // namespace

TEST(UpdateHint, EachChangeIsPackedIntoItsOwnHintFields) {
    using Imp = CGEAbstractGridUpdateHintImp;
    const CGECellRange range(2, 3, 4, 5);
    struct Case {
        const char* name;
        std::function<BOOL(Imp&, CGEGridCore*)> send;
        HintFields expected;
    };
    const Case cases[] = {
        {"redraw", [](Imp& i, CGEGridCore* g) { return i.HintRedraw(g, 7); }, {.id = 1, .flags = 7}},
        {"redraw block",
         [](Imp& i, CGEGridCore* g) { return i.HintRedrawRowCol(g, 1, 2, 3, 4, 7); },
         {.id = 2, .row1 = 1, .row2 = 3, .col1 = 2, .col2 = 4, .flags = 7}},
        {"row count",
         [](Imp& i, CGEGridCore* g) { return i.HintSetRowCount(g, 30, 7); },
         {.id = 3, .row1 = 30, .flags = 7}},
        {"column count",
         [](Imp& i, CGEGridCore* g) { return i.HintSetColCount(g, 9, 7); },
         {.id = 4, .col1 = 9, .flags = 7}},
        {"row heights",
         [](Imp& i, CGEGridCore* g) { return i.HintUpdateChangedRowHeights(g, 3, 4, kOldSizes, 7); },
         {.id = 5, .row1 = 3, .row2 = 4, .extra = kOld, .flags = 7}},
        {"column widths",
         [](Imp& i, CGEGridCore* g) { return i.HintUpdateChangedColWidths(g, 3, 4, kOldSizes, 7); },
         {.id = 6, .col1 = 3, .col2 = 4, .extra = kOld, .flags = 7}},
        {"insert columns",
         [](Imp& i, CGEGridCore* g) { return i.HintInsertCols(g, 5, 2, 7); },
         {.id = 7, .col1 = 5, .result = 2, .flags = 7}},
        {"insert rows",
         [](Imp& i, CGEGridCore* g) { return i.HintInsertRows(g, 5, 2, 7); },
         {.id = 8, .row1 = 5, .result = 2, .flags = 7}},
        {"remove columns",
         [](Imp& i, CGEGridCore* g) { return i.HintRemoveCols(g, 3, 4, kOldSizes, 7); },
         {.id = 9, .col1 = 3, .col2 = 4, .extra = kOld, .flags = 7}},
        {"remove rows",
         [](Imp& i, CGEGridCore* g) { return i.HintRemoveRows(g, 3, 4, kOldSizes, 7); },
         {.id = 10, .row1 = 3, .row2 = 4, .extra = kOld, .flags = 7}},
        {"move columns",
         [](Imp& i, CGEGridCore* g) { return i.HintMoveCols(g, 2, 3, 6, 7); },
         {.id = 11, .col1 = 2, .col2 = 3, .col3 = 6, .flags = 7}},
        {"move rows",
         [](Imp& i, CGEGridCore* g) { return i.HintMoveRows(g, 2, 3, 6, 7); },
         {.id = 12, .row1 = 2, .row2 = 3, .row3 = 6, .flags = 7}},
        {"set selection",
         [](Imp& i, CGEGridCore* g) {
             return i.HintUpdateSetSelection(g, reinterpret_cast<POSITION>(kOld), 1, 2, 3, 4);
         },
         {.id = 13, .row1 = 1, .row2 = 3, .col1 = 2, .col2 = 4, .extra = kOld}},
        {"clear selection", [](Imp& i, CGEGridCore* g) { return i.HintUpdateClearSelection(g); }, {.id = 14}},
        {"frozen rows",
         [](Imp& i, CGEGridCore* g) { return i.HintSetFrozenRows(g, 2, 1, 7); },
         {.id = 15, .row1 = 2, .row2 = 1, .flags = 7}},
        {"frozen columns",
         [](Imp& i, CGEGridCore* g) { return i.HintSetFrozenCols(g, 2, 1, 7); },
         {.id = 16, .col1 = 2, .col2 = 1, .flags = 7}},
        {"style range",
         [&](Imp& i, CGEGridCore* g) { return i.HintSetStyleRange(g, range, 1, 2, 3, 7); },
         {.id = 17, .value = 3, .arg1 = 1, .arg2 = 2, .flags = 7, .range = range}},
        {"covered cells",
         [](Imp& i, CGEGridCore* g) { return i.HintUpdateCoveredCells(g, 1, 2, 3, 4, 7); },
         {.id = 18, .row1 = 1, .row2 = 3, .col1 = 2, .col2 = 4, .flags = 7}},
        {"zoom",
         [](Imp& i, CGEGridCore* g) { return i.HintSetZoom(g, 150, 0x40, 7); },
         {.id = 19, .value = 150, .extra = 0x40, .flags = 7}},
        {"read only",
         [](Imp& i, CGEGridCore* g) { return i.HintSetReadOnly(g, TRUE, 0x40); },
         {.id = 20, .value = 1, .extra = 0x40}},
        {"sync current cell",
         [](Imp& i, CGEGridCore* g) { return i.HintSyncCurrentCell(g, 9); },
         {.id = 21, .value = 9}},
        {"window text", [](Imp& i, CGEGridCore* g) { return i.HintWindowText(g); }, {.id = 22}},
        {"select range",
         [&](Imp& i, CGEGridCore* g) { return i.HintSelectRange(g, range, 0x40); },
         {.id = 23, .extra = 0x40, .range = range}},
        {"top row",
         [](Imp& i, CGEGridCore* g) { return i.HintSetTopRow(g, 6, 7, 0x10002); },
         {.id = 25, .row1 = 6, .extra = 0x10002, .flags = 7}},
        {"left column",
         [](Imp& i, CGEGridCore* g) { return i.HintSetLeftCol(g, 4, 7, 0x10002); },
         {.id = 26, .col1 = 4, .extra = 0x10002, .flags = 7}},
        {"move current cell",
         [](Imp& i, CGEGridCore* g) { return i.HintMoveCurrentCell(g, 3, 4, 7); },
         {.id = 27, .row1 = 3, .col1 = 4, .flags = 7}},
        {"floated cells",
         [](Imp& i, CGEGridCore* g) { return i.HintUpdateFloatedCells(g, 1, 2, 3, 4, 7); },
         {.id = 28, .row1 = 1, .row2 = 3, .col1 = 2, .col2 = 4, .flags = 7}},
        {"merged cells",
         [](Imp& i, CGEGridCore* g) { return i.HintUpdateMergedCells(g, 1, 2, 3, 4, 7); },
         {.id = 29, .row1 = 1, .row2 = 3, .col1 = 2, .col2 = 4, .flags = 7}},
        {"selection frame",
         [](Imp& i, CGEGridCore* g) { return i.HintUpdateSelectionFrame(g, 7); },
         {.id = 30, .flags = 7}},
        {"reorder rows",
         [&](Imp& i, CGEGridCore* g) { return i.HintUpdateReorderRows(g, range, 7); },
         {.id = 31, .flags = 7, .range = range}},
        {"reorder columns",
         [&](Imp& i, CGEGridCore* g) { return i.HintUpdateReorderCols(g, range, 7); },
         {.id = 32, .flags = 7, .range = range}},
        {"properties",
         [](Imp& i, CGEGridCore* g) { return i.HintChangedProperties(g, 7); },
         {.id = 33, .flags = 7}},
        {"styles map",
         [](Imp& i, CGEGridCore* g) { return i.HintChangedStylesMap(g, 7); },
         {.id = 34, .flags = 7}},
        {"base style",
         [](Imp& i, CGEGridCore* g) { return i.HintChangedBaseStyle(g, 12, 7); },
         {.id = 35, .result = 12, .flags = 7}},
        {"engine setting",
         [](Imp& i, CGEGridCore* g) { return i.HintEngineSetting36(g, 0x40); },
         {.id = 36, .extra = 0x40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendingGrid grid;
        grid.m_nHintId = 4;
        ASSERT_NE(grid.m_pUpdateHintImp, nullptr);
        EXPECT_TRUE(c.send(*grid.m_pUpdateHintImp, &grid));
        ASSERT_EQ(grid.sent.size(), 1u);
        EXPECT_EQ(grid.sent[0], c.expected);
        EXPECT_EQ(grid.viewIds[0], 4);
    }
}

TEST(UpdateHint, AReceiverRedrawsEveryLineAMoveTouched) {
    struct Case {
        int id;
        ROWCOL first, last, dest;
        const char* redraw;
    };
    const Case cases[] = {
        {12, 2, 3, 6, "2,0-7,6"},  // rows down: from the first to the last one's new place
        {12, 6, 7, 2, "2,0-7,6"},  // rows up: from the destination to the old last
        {12, 4, 4, 4, "4,0-4,6"},  // onto itself
        {11, 1, 2, 4, "0,1-20,5"}, // columns right
        {11, 5, 6, 1, "0,1-20,6"}, // columns left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + ": " + std::to_string(c.first) + "-" + std::to_string(c.last) +
                     " to " + std::to_string(c.dest));
        PeerGrid grid;
        CGEGridHint hint(c.id, -1);
        (c.id == 12 ? hint.m_nRow1 : hint.m_nCol1) = c.first;
        (c.id == 12 ? hint.m_nRow2 : hint.m_nCol2) = c.last;
        (c.id == 12 ? hint.m_nRow3 : hint.m_nCol3) = c.dest;
        hint.m_flags = GE_NOREDRAW;
        grid.OnHint(&hint);
        EXPECT_EQ(grid.redraws, std::vector<std::string>{c.redraw});
        EXPECT_EQ(grid.sent, 0);
    }
}
