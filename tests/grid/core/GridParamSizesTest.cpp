// Sizes of the grid model: default sizes, the sparse stored sizes, hidden lines and zoom, summed
// arithmetically; the stored sizes and hidden flags follow inserted, removed and moved lines.
#include "grid/core/CGEBitArray.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEMapDWordToLong.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The sum of the sizes as a line-by-line loop would give it (the reference of the arithmetic).
LONGLONG LoopSum(const CGEGridParam& param, ROWCOL nFrom, ROWCOL nTo, int nZoom) {
    LONGLONG sum = 0;
    for (ROWCOL r = nFrom; r <= nTo; ++r)
        sum += param.IsRowHiddenBit(r) ? 0 : GEZoomSize(param.GetStoredRowHeight(r), nZoom);
    return sum;
}

} // namespace

TEST(GridParamSizes, SumsMatchTheLineByLineSumWithStoredHiddenAndZoom) {
    CGEGridParam param;
    param.SetDefaultRowHeight(19);
    param.StoreRowHeight(3, 40);
    param.StoreRowHeight(7, 5);
    param.StoreRowHeight(200, 33);
    param.m_abHiddenRows.SetBit(4, TRUE);
    param.m_abHiddenRows.SetBit(7, TRUE); // hidden with a stored size
    param.m_abHiddenRows.SetBit(150, TRUE);
    struct Case {
        ROWCOL from, to;
        int zoom;
    };
    for (const Case& c : {Case{1, 10, 100}, Case{0, 300, 100}, Case{5, 5, 100}, Case{4, 4, 100},
                          Case{1, 300, 150}, Case{100, 199, 75}, Case{201, 250, 133}, Case{8, 7, 100}}) {
        EXPECT_EQ(param.SumRowHeights(c.from, c.to, c.zoom),
                  c.from > c.to ? 0 : LoopSum(param, c.from, c.to, c.zoom))
            << c.from << ".." << c.to << " at " << c.zoom << "%";
    }
}

TEST(GridParamSizes, HiddenFlagsCountOnlyWhenAsked) {
    CGEGridParam param;
    param.SetDefaultRowHeight(20);
    param.m_abHiddenRows.SetBit(2, TRUE);
    EXPECT_EQ(param.SumRowHeights(1, 3, 100, TRUE), 40);
    EXPECT_EQ(param.SumRowHeights(1, 3, 100, FALSE), 60);
}

TEST(GridParamSizes, AMillionRowsSumsWithoutAStepPerRow) {
    CGEGridParam param;
    param.SetDefaultRowHeight(19);
    param.StoreRowHeight(999999, 100);
    param.m_abHiddenRows.SetBit(500000, TRUE);
    // Every row 19 pixels, one of them 100, one hidden.
    EXPECT_EQ(param.SumRowHeights(1, 1000000), 1000000LL * 19 + (100 - 19) - 19);
}

TEST(GridParamSizes, FrozenRowsIncludeTheHeaderRows) {
    CGEGridParam param;
    param.SetFrozenRows(1, 2);
    EXPECT_EQ(param.GetFrozenRows(), 2u);
    EXPECT_EQ(param.GetHeaderRows(), 2u);
    param.SetFrozenCols(3, 1);
    EXPECT_EQ(param.GetFrozenCols(), 3u);
    EXPECT_EQ(param.GetHeaderCols(), 1u);
}

TEST(GridParamSizes, ANegativeSizeRemovesTheStoredSize) {
    CGEGridParam param;
    param.SetDefaultColWidth(64);
    param.StoreColWidth(2, 100);
    EXPECT_TRUE(param.HasStoredColWidth(2));
    param.StoreColWidth(2, -1);
    EXPECT_FALSE(param.HasStoredColWidth(2));
    EXPECT_EQ(param.GetStoredColWidth(2), 64);
}

TEST(GridSizeMap, KeysFollowInsertedRemovedAndMovedLines) {
    CGEMapDWordToLong map;
    for (DWORD key : {2u, 5u, 9u})
        map.SetAt(key, static_cast<LONG>(key * 10));
    map.InsertKeys(5, 2); // 2, 7, 11
    LONG value = 0;
    EXPECT_TRUE(map.Lookup(7, value));
    EXPECT_EQ(value, 50);
    EXPECT_TRUE(map.Lookup(11, value));
    map.RemoveKeys(6, 8); // 2, 8 (11 moves down by 3)
    EXPECT_FALSE(map.Lookup(7, value));
    EXPECT_TRUE(map.Lookup(8, value));
    EXPECT_EQ(value, 90);
    map.MoveKeys(2, 2, 8); // the block 2..2 lands at 8; 3..8 move up one
    EXPECT_TRUE(map.Lookup(8, value));
    EXPECT_EQ(value, 20);
    EXPECT_TRUE(map.Lookup(7, value));
    EXPECT_EQ(value, 90);
    EXPECT_EQ(map.GetCount(), 2);
}

TEST(GridBitArray, MovingTheLastByteKeepsEveryFlag) {
    // Flags in the last stored byte move over logical indexes, so none is lost past the array's end.
    CGEBitArray bits;
    for (ROWCOL i : {3u, 14u, 15u})
        bits.SetBit(i, TRUE);
    bits.MoveBits(14, 15, 20);
    std::vector<ROWCOL> set;
    for (ROWCOL i = bits.FindNextSet(0); i != GE_INVALID; i = bits.FindNextSet(i + 1))
        set.push_back(i);
    EXPECT_EQ(set, (std::vector<ROWCOL>{3, 20, 21}));
}

TEST(GridBitArray, CountInsertAndRemoveOnLogicalIndexes) {
    CGEBitArray bits;
    for (ROWCOL i : {1u, 8u, 9u, 17u, 40u})
        bits.SetBit(i, TRUE);
    EXPECT_EQ(bits.CountSet(0, 100), 5u);
    EXPECT_EQ(bits.CountSet(8, 17), 3u);
    EXPECT_EQ(bits.CountSet(41, 1000000), 0u);
    bits.InsertBits(9, 4); // 1, 8, 13, 21, 44
    EXPECT_TRUE(bits.GetBit(13));
    EXPECT_TRUE(bits.GetBit(44));
    EXPECT_FALSE(bits.GetBit(9));
    bits.RemoveBits(2, 13); // 1, 9, 32
    EXPECT_EQ(bits.CountSet(0, 100), 3u);
    EXPECT_TRUE(bits.GetBit(9));
    EXPECT_TRUE(bits.GetBit(32));
    EXPECT_FALSE(bits.GetBit(2000)); // past the stored bytes reads as clear
}
