// Update hints between grids sharing one parameter object, without windows: each test grid hands the
// hints it sends straight to its peers (in place of the document's UpdateAllViews) and records the
// update operations it is asked to carry out.
#include "FeatureTestSupport.h"

#include "grid/core/CGEGridParam.h"
#include "grid/core/CGERangeList.h"
#include "grid/features/CGEGridHint.h"

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
    BOOL CommitCurrentCell(BOOL bStore, UINT flags, BOOL bCreateHint) override {
        if (refuseStore && bStore && !bCreateHint)
            return FALSE;
        return TestGrid::CommitCurrentCell(bStore, flags, bCreateHint);
    }

    std::vector<PeerGrid*> peers;
    std::vector<std::string> calls;
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
