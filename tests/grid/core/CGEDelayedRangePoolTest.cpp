// Delayed-range pools: delaying ranges, handing out pending column spans band by band, limits, copies and
// archives.
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGEDelayedRangePoolImp.h"
#include "grid/core/CGELibraryState.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

using archive_test::Bytes;

std::string Entries(const CGEDelayedRangePool& pool) {
    std::ostringstream s;
    for (INT_PTR i = 0; i < pool.GetCount(); ++i) {
        const CGEDelayedRange& e = *pool.GetAt(i);
        s << "(" << e.m_range.top << "," << e.m_range.left << ")-(" << e.m_range.bottom << ","
          << e.m_range.right << ")";
        for (INT_PTR b = 0; b < e.m_awStarts.GetSize(); ++b)
            s << "[" << e.m_awStarts[b] << ".." << e.m_awEnds[b] << "]";
        s << (e.m_bDone ? " done" : "") << ";";
    }
    return s.str();
}

// "k:left-right" for every row of the result that has columns.
std::string Spans(const CDWordArray& lefts, const CDWordArray& rights) {
    std::ostringstream s;
    for (INT_PTR k = 0; k < lefts.GetSize(); ++k)
        if (lefts[k] != 0xFFFFFFFF)
            s << k << ":" << lefts[k] << "-" << rights[k] << " ";
    return s.str();
}

TEST(CGEDelayedRangePool, DelayingRanges) {
    CGEDelayedRangePool pool;
    pool.DelayRange(CGECellRange(1, 1, 2, 2));
    pool.DelayRange(CGECellRange(5, 5, 6, 6));
    EXPECT_EQ(Entries(pool), "(5,5)-(6,6);(1,1)-(2,2);"); // new entries at the front

    // A range holding both retires both and reuses the first one's slot.
    CGECellRange& covering = pool.DelayRange(CGECellRange(1, 1, 10, 10));
    EXPECT_EQ(Entries(pool), "(1,1)-(10,10);(1,1)-(2,2) done;");
    EXPECT_EQ(&covering, &pool.GetAt(0)->m_range);

    // A bordering entry without bands grows over the new range.
    CGEDelayedRangePool grow;
    grow.DelayRange(CGECellRange(1, 1, 5, 5));
    CGECellRange& grown = grow.DelayRange(CGECellRange(1, 6, 5, 8));
    EXPECT_EQ(Entries(grow), "(1,1)-(5,8);");
    EXPECT_EQ(&grown, &grow.GetAt(0)->m_range);

    // A done entry is reused before the array grows.
    pool.DelayRange(CGECellRange(20, 20, 21, 21));
    EXPECT_EQ(Entries(pool), "(1,1)-(10,10);(20,20)-(21,21);");
}

TEST(CGEDelayedRangePool, PendingColumnSpansBandByBand) {
    CGEDelayedRangePool pool;
    pool.DelayRange(CGECellRange(1, 1, 10, 4));
    CDWordArray lefts, rights;
    EXPECT_TRUE(pool.GetPendingColSpans(CGECellRange(1, 1, 4, 9), lefts, rights));
    EXPECT_EQ(Spans(lefts, rights), "0:1-4 1:1-4 2:1-4 3:1-4 ");
    EXPECT_EQ(Entries(pool), "(1,1)-(10,4)[1..4];");

    EXPECT_TRUE(pool.GetPendingColSpans(CGECellRange(1, 1, 10, 9), lefts, rights));
    EXPECT_EQ(Spans(lefts, rights), "4:1-4 5:1-4 6:1-4 7:1-4 8:1-4 9:1-4 "); // rows 5..10 only
    EXPECT_EQ(pool.GetCount(), 0);                                           // done and removed

    // Twice over the same rows: nothing the second time.
    pool.DelayRange(CGECellRange(2, 2, 3, 3));
    EXPECT_TRUE(pool.GetPendingColSpans(CGECellRange(1, 1, 5, 5), lefts, rights));
    pool.DelayRange(CGECellRange(2, 2, 3, 3));
    pool.GetPendingColSpans(CGECellRange(2, 1, 3, 5), lefts, rights);
    EXPECT_FALSE(pool.GetPendingColSpans(CGECellRange(2, 1, 3, 5), lefts, rights));
    EXPECT_EQ(Spans(lefts, rights), "");
    EXPECT_EQ(lefts.GetSize(), 2);
    EXPECT_FALSE(pool.GetPendingColSpans(CGECellRange(3, 1, 2, 5), lefts, rights)); // reversed rows
}

TEST(CGEDelayedRangePool, EntriesAreSplitAtTheColumnBand) {
    CGEDelayedRangePool pool;
    pool.DelayRange(CGECellRange(1, 1, 3, 9));
    CDWordArray lefts, rights;
    EXPECT_TRUE(pool.GetPendingColSpans(CGECellRange(1, 4, 3, 6), lefts, rights));
    EXPECT_EQ(Spans(lefts, rights), "0:4-6 1:4-6 2:4-6 ");
    // The middle part is done and gone; the outer parts stay pending.
    EXPECT_EQ(Entries(pool), "(1,1)-(3,3);(1,7)-(3,9);");
}

TEST(CGEDelayedRangePool, Limits) {
    CGEDelayedRangePool pool;
    pool.DelayRange(CGECellRange(2, 3, 20, 30));
    pool.LimitCols(10);
    pool.LimitRows(1);
    EXPECT_EQ(Entries(pool), "(1,3)-(1,10);");
}

TEST(CGEDelayedRangePool, AssignmentReplacesEverything) {
    CGEDelayedRangePool src, dest;
    src.DelayRange(CGECellRange(1, 1, 2, 2));
    dest.DelayRange(CGECellRange(5, 5, 5, 5));
    dest.DelayRange(CGECellRange(7, 7, 7, 7));
    dest.DelayRange(CGECellRange(9, 9, 9, 9));
    dest = src;
    EXPECT_EQ(Entries(dest), Entries(src)); // pending entries replaced, none kept beyond the source's count
    EXPECT_NE(dest.GetAt(0), src.GetAt(0));
    dest = dest;
    EXPECT_EQ(dest.GetCount(), 1);
    CGEDelayedRangePoolImp imp;
    std::unique_ptr<CGEDelayedRangePool> copy(imp.CreatePoolCopy(src));
    EXPECT_EQ(Entries(*copy), Entries(src));
    std::unique_ptr<CGEDelayedRangePool> empty(imp.CreatePool());
    imp.AssignPool(*empty, src);
    EXPECT_EQ(Entries(*empty), Entries(src));
}

Bytes StorePool(CGEDelayedRangePool& pool) {
    return archive_test::Store([&](CArchive& ar) { pool.Serialize(ar); });
}

TEST(CGEDelayedRangePool, ArchiveRoundTripAndDamage) {
    CGEDelayedRangePool pool;
    pool.DelayRange(CGECellRange(1, 1, 10, 4));
    pool.DelayRange(CGECellRange(20, 1, 22, 2));
    CDWordArray lefts, rights;
    pool.GetPendingColSpans(CGECellRange(1, 1, 4, 4), lefts, rights);
    const Bytes bytes = StorePool(pool);
    CGEDelayedRangePool back;
    back.DelayRange(CGECellRange(50, 50, 50, 50));
    archive_test::Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(Entries(back), Entries(pool));

    // A band that ends before it starts (the stored form ends with the band ends: count 1, then 4).
    CGEDelayedRangePool one;
    one.DelayRange(CGECellRange(1, 1, 10, 4));
    one.GetPendingColSpans(CGECellRange(1, 1, 4, 4), lefts, rights);
    Bytes damaged = StorePool(one);
    ASSERT_EQ(damaged[damaged.size() - 4], 4);
    damaged[damaged.size() - 4] = 0;
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>(
                  [&] { archive_test::Load(damaged, [&](CArchive& ar) { back.Serialize(ar); }); }),
              CArchiveException::genericException);
    EXPECT_EQ(back.GetCount(), 0); // emptied before loading, the damaged entry not kept

    grid_test::FuzzLoader(bytes, [](CArchive& ar) {
        CGEDelayedRangePool p;
        p.Serialize(ar);
    });
}

} // namespace

namespace {

TEST(CGEDelayedRangePool, TheFeatureIsInstalledOnce) {
    CGELibraryState* state = GEGetLibraryState();
    GEInstallDelayedRangePool();
    CGEAbstractDelayedRangePoolImp* installed = state->m_pDelayedRangePoolImp;
    ASSERT_NE(installed, nullptr);
    GEInstallDelayedRangePool();
    EXPECT_EQ(state->m_pDelayedRangePoolImp, installed);
    EXPECT_NE(state->m_autoDeleteList.Find(installed), nullptr); // deleted with the engine state
}

} // namespace
