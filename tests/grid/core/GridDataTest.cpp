// The stored cell styles: counts, inserted, removed and moved lines, copies and moves of blocks (also
// overlapping ones), and a new order of rows.
#include "framework/core/CObArray.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEStyle.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Put(CGEData& data, ROWCOL nRow, ROWCOL nCol, const char* pszValue) {
    CGEStyle style;
    style.SetValue(pszValue);
    data.StoreStyleRowCol(nRow, nCol, &style, geCopy, -1);
}

std::string Value(const CGEData& data, ROWCOL nRow, ROWCOL nCol) {
    const CGEStyle* pStyle = data.LookupStyle(nRow, nCol);
    return pStyle != nullptr ? std::string(pStyle->GetValue()) : std::string("-");
}

// The values of row nRow, columns 1..nCols, as one text.
std::string Row(const CGEData& data, ROWCOL nRow, ROWCOL nCols) {
    std::string s;
    for (ROWCOL c = 1; c <= nCols; ++c)
        s.append(Value(data, nRow, c));
    return s;
}

} // namespace

TEST(GridData, OverlappingCopiesReadEachSourceBeforeItIsOverwritten) {
    CGEData data;
    data.StoreRowCount(3);
    data.StoreColCount(6);
    for (ROWCOL c = 1; c <= 4; ++c)
        Put(data, 1, c, std::string(1, static_cast<char>('a' + c - 1)).c_str());
    EXPECT_TRUE(data.CopyCells(CGECellRange(1, 1, 1, 4), 1, 2)); // one column to the right
    EXPECT_EQ(Row(data, 1, 6), "aabcd-");
    EXPECT_TRUE(data.CopyCells(CGECellRange(1, 2, 1, 5), 1, 1)); // back to the left
    EXPECT_EQ(Row(data, 1, 6), "abcdd-");
    EXPECT_TRUE(data.CopyCells(CGECellRange(1, 1, 1, 4), 1, 1)) << "onto itself: nothing to do";
    EXPECT_EQ(Row(data, 1, 6), "abcdd-");
}

TEST(GridData, MovesTakeTheBlockWholeAndHandBackWhatTheyCovered) {
    CGEData data;
    data.StoreRowCount(2);
    data.StoreColCount(5);
    for (ROWCOL c = 1; c <= 5; ++c)
        Put(data, 1, c, std::string(1, static_cast<char>('a' + c - 1)).c_str());
    CObject* pUndo = nullptr;
    EXPECT_TRUE(data.MoveCells(CGECellRange(1, 1, 1, 3), 1, 2, pUndo, TRUE, 0));
    EXPECT_EQ(Row(data, 1, 5), "-abce");
    auto* pOld = dynamic_cast<CObArray*>(pUndo);
    ASSERT_NE(pOld, nullptr);
    ASSERT_EQ(pOld->GetSize(), 3);
    EXPECT_EQ(std::string(static_cast<CGEStyle*>(pOld->GetAt(2))->GetValue()), "d") << "the cell it covered";
    for (INT_PTR i = 0; i < pOld->GetSize(); ++i)
        delete pOld->GetAt(i);
    delete pOld;
}

TEST(GridData, LinesInsertedRemovedAndMovedKeepTheirStyles) {
    CGEData data;
    data.StoreRowCount(5);
    data.StoreColCount(2);
    for (ROWCOL r = 1; r <= 5; ++r)
        Put(data, r, 1, std::to_string(r).c_str());
    Put(data, 3, 0, "row3");
    EXPECT_TRUE(data.StoreInsertRows(2, 2));
    EXPECT_EQ(data.GetRowCount(), 7u);
    EXPECT_EQ(Value(data, 2, 1), "-");
    EXPECT_EQ(Value(data, 5, 1), "3");
    EXPECT_EQ(Value(data, 5, 0), "row3") << "the row style moves with its row";
    EXPECT_TRUE(data.StoreRemoveRows(2, 3));
    EXPECT_EQ(Value(data, 3, 1), "3");
    EXPECT_TRUE(data.StoreMoveRows(1, 2, 4)); // rows 1, 2 land at 4, 5
    EXPECT_EQ(Value(data, 1, 1), "3");
    EXPECT_EQ(Value(data, 4, 1), "1");
    EXPECT_EQ(Value(data, 5, 1), "2");
    EXPECT_FALSE(data.StoreMoveRows(1, 2, 5)) << "past the last row";
    EXPECT_TRUE(data.StoreRowCount(3));
    EXPECT_EQ(Value(data, 4, 1), "-") << "styles beyond a smaller count are gone";
    EXPECT_FALSE(data.StoreInsertRows(9, 1)) << "not adjacent to the grid";
}

TEST(GridData, ANewOrderOfRowsMustBeAPermutation) {
    CGEData data;
    data.StoreRowCount(3);
    data.StoreColCount(1);
    for (ROWCOL r = 1; r <= 3; ++r)
        Put(data, r, 1, std::to_string(r).c_str());
    CDWordArray order;
    for (DWORD i : {2u, 0u, 1u})
        order.Add(i);
    EXPECT_TRUE(data.MoveDataRows(CGECellRange().SetRows(1, 3), order));
    EXPECT_EQ(Value(data, 1, 1), "3");
    EXPECT_EQ(Value(data, 2, 1), "1");
    order.SetAt(0, 1); // 1, 0, 1: not a permutation
    EXPECT_FALSE(data.MoveDataRows(CGECellRange().SetRows(1, 3), order));
    EXPECT_EQ(Value(data, 1, 1), "3");
}

TEST(GridData, StoringByModifyType) {
    CGEData data;
    data.StoreRowCount(2);
    data.StoreColCount(2);
    CGEStyle value;
    value.SetValue("v");
    CGEStyle interior;
    interior.SetInterior(RGB(1, 2, 3));
    EXPECT_TRUE(data.StoreStyleRowCol(1, 1, &value, geOverride, -1));
    EXPECT_TRUE(data.StoreStyleRowCol(1, 1, &interior, geApplyNew, -1));
    ASSERT_NE(data.LookupStyle(1, 1), nullptr);
    EXPECT_TRUE(data.LookupStyle(1, 1)->GetIncludeInterior());
    EXPECT_TRUE(data.StoreStyleRowCol(1, 1, &interior, geCopy, -1));
    EXPECT_FALSE(data.LookupStyle(1, 1)->GetIncludeValue()) << "copy replaces the whole style";
    EXPECT_TRUE(data.StoreStyleRowCol(1, 1, &interior, geExclude, -1));
    EXPECT_EQ(data.LookupStyle(1, 1), nullptr) << "a style left empty is removed";
    EXPECT_FALSE(data.StoreStyleRowCol(3, 1, &value, geOverride, -1)) << "past the last row";
    EXPECT_FALSE(data.StoreStyleRowCol(1, 1, nullptr, geRemove, -1)) << "nothing stored to remove";
}
