// Spanned-cell pools: recording, looking up and erasing spans, row and column edits, copies and archives.
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGESpanCellPoolImp.h"
#include "grid/core/CGELibraryState.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using archive_test::Bytes;

// The span found for a cell, with the cell itself as the caller's starting range; "-" when none.
std::string Span(const CGESpanCellPool& pool, ROWCOL row, ROWCOL col) {
    CGECellRange range(row, col, row, col);
    if (!pool.GetSpannedRange(row, col, range))
        return "-";
    return std::to_string(range.top) + "," + std::to_string(range.left) + "-" + std::to_string(range.bottom) +
           "," + std::to_string(range.right);
}

TEST(CGESpanCellPool, RecordingAndLookingUp) {
    CGESpanCellPool pool;
    EXPECT_FALSE(pool.SetSpannedRange(4, 4, 4, 4, TRUE)); // a single cell touches neither table
    EXPECT_EQ(Span(pool, 4, 4), "-");
    EXPECT_EQ(pool.GetRowTable().GetSize(), 0);

    EXPECT_TRUE(pool.SetSpannedRange(2, 3, 2, 6, TRUE));
    EXPECT_EQ(Span(pool, 2, 5), "2,3-2,6"); // top and bottom keep the caller's values
    EXPECT_EQ(Span(pool, 2, 2), "-");
    EXPECT_EQ(Span(pool, 3, 5), "-");

    EXPECT_TRUE(pool.SetSpannedRange(2, 3, 2, 4, TRUE)); // narrower span from the same anchor
    EXPECT_EQ(Span(pool, 2, 4), "2,3-2,4");
    EXPECT_EQ(Span(pool, 2, 5), "-");
    EXPECT_EQ(Span(pool, 2, 6), "-");

    EXPECT_TRUE(pool.SetSpannedRange(5, 1, 8, 2, TRUE)); // two directions
    EXPECT_EQ(Span(pool, 7, 2), "5,1-8,2");
    EXPECT_EQ(Span(pool, 9, 2), "-");

    EXPECT_TRUE(pool.SetSpannedRange(5, 1, 5, 1, FALSE)); // erasing from the anchor clears the whole run
    EXPECT_EQ(Span(pool, 5, 2), "5,2-8,2");               // vertical run of column 2 stays
    EXPECT_EQ(Span(pool, 6, 1), "6,1-6,2");               // row 6 keeps its horizontal span; column 1 is gone

    EXPECT_FALSE(pool.SetSpannedRange(1, 1, 0x80000000, 2, TRUE));
    CGECellRange range;
    EXPECT_FALSE(pool.GetSpannedRange(0x80000000, 1, range));
}

TEST(CGESpanCellPool, RowAndColumnEdits) {
    CGESpanCellPool pool;
    pool.SetSpannedRange(3, 2, 4, 3, TRUE);
    pool.InsertRows(1, 2);
    // The row table's slots moved, the column table's entries too (anchors are the owner's to rebuild).
    EXPECT_EQ(Span(pool, 5, 2), "3,2-6,3");
    EXPECT_EQ(Span(pool, 3, 2), "-");
    pool.RemoveRows(1, 2);
    EXPECT_EQ(Span(pool, 3, 2), "3,2-4,3");
    pool.InsertCols(1, 1);
    EXPECT_EQ(Span(pool, 3, 3), "3,2-4,4");
    pool.RemoveCols(1, 1);
    EXPECT_EQ(Span(pool, 3, 2), "3,2-4,3");
    pool.MoveRows(3, 4, 10);
    EXPECT_EQ(Span(pool, 10, 3), "3,2-11,3");
    EXPECT_EQ(Span(pool, 3, 2), "-");
    pool.MoveCols(2, 3, 6);
    EXPECT_EQ(Span(pool, 10, 6), "3,2-11,7");
}

TEST(CGESpanCellPool, CopiesAndTheFeature) {
    CGESpanCellPoolImp imp;
    CGESpanCellPool pool;
    pool.SetSpannedRange(1, 1, 1, 3, TRUE);
    std::unique_ptr<CGESpanCellPool> copy(imp.CreatePoolCopy(pool));
    pool.SetSpannedRange(1, 1, 1, 1, FALSE);
    EXPECT_EQ(Span(*copy, 1, 2), "1,1-1,3");
    EXPECT_EQ(Span(pool, 1, 2), "-");
    imp.AssignPool(pool, *copy);
    EXPECT_EQ(Span(pool, 1, 2), "1,1-1,3");
    imp.InsertCols(&pool, 1, 1);
    EXPECT_EQ(Span(pool, 1, 3), "1,1-1,4");
    imp.RemoveRows(nullptr, 1, 0xFFFFFFFE); // a null pool: nothing
    imp.RemoveRows(&pool, 0, 0xFFFFFFFE);   // to the end
    EXPECT_EQ(Span(pool, 1, 3), "-");
    std::unique_ptr<CGESpanCellPool> empty(imp.CreatePool());
    EXPECT_EQ(empty->GetRowTable().GetSize(), 0);
}

TEST(CGESpanCellPool, ArchiveRoundTripAndDamage) {
    CGESpanCellPool pool;
    pool.SetSpannedRange(2, 3, 2, 6, TRUE);
    pool.SetSpannedRange(5, 1, 8, 1, TRUE);
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { pool.Serialize(ar); });
    CGESpanCellPool back;
    archive_test::Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(Span(back, 2, 4), "2,3-2,6");
    EXPECT_EQ(Span(back, 7, 1), "5,1-8,1");

    Bytes version2 = bytes;
    version2[0] = 2;
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>(
                  [&] { archive_test::Load(version2, [&](CArchive& ar) { back.Serialize(ar); }); }),
              CArchiveException::badSchema);
    EXPECT_EQ(back.GetColTable().GetSize(), 0);

    grid_test::FuzzLoader(bytes, [](CArchive& ar) {
        CGESpanCellPool p;
        p.Serialize(ar);
    });
}

} // namespace

namespace {

TEST(CGESpanCellPool, TheFeatureIsInstalledOnce) {
    CGELibraryState* state = GEGetLibraryState();
    GEInstallSpanCellPool();
    CGEAbstractSpanCellPoolImp* installed = state->m_pSpanCellPoolImp;
    ASSERT_NE(installed, nullptr);
    GEInstallSpanCellPool();
    EXPECT_EQ(state->m_pSpanCellPoolImp, installed);
    EXPECT_NE(state->m_autoDeleteList.Find(installed), nullptr);
}

} // namespace
