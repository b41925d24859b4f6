// The internal form of cells: a block written into an archive comes back into another grid with its
// styles; damaged or hostile data is refused without a crash and without changing the grid.
#include "ClipboardTestSupport.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CObArray.h"
#include "grid/features/CGEGridCutPasteImp.h"

#include <vector>

using cliptest::OneRange;
using featuretest::Row;
using featuretest::Value;

namespace {

using Bytes = std::vector<BYTE>;

Bytes Written(const std::function<void(CArchive&)>& write) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const auto nLength = static_cast<size_t>(file.GetLength());
    BYTE* p = file.Detach();
    Bytes bytes(p, p + nLength);
    free(p);
    return bytes;
}

Bytes Copied(CGEGridCore& grid, const CGECellRange& range) {
    return Written([&](CArchive& ar) { EXPECT_TRUE(grid.CopyCellsToArchive(ar, OneRange(range))); });
}

// Pastes the bytes at (nRow, nCol); archive exceptions are caught and reported as "exception".
std::string Pasted(CGEGridCore& grid, const Bytes& bytes, ROWCOL nRow, ROWCOL nCol, BOOL bCheckSize = FALSE,
                   ROWCOL nBottom = 0, ROWCOL nRight = 0) {
    Bytes copy = bytes;
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    try {
        CArchive ar(&file, CArchive::load);
        const BOOL bResult = grid.PasteCellsFromArchive(
            ar, CGECellRange(nRow, nCol, nBottom != 0 ? nBottom : nRow, nRight != 0 ? nRight : nCol),
            bCheckSize);
        return bResult ? "pasted" : "refused";
    } catch (CException* e) {
        e->Delete();
        return "exception";
    }
}

// A block header with the given rows and columns followed by an array of n null cells.
Bytes Block(DWORD nRows, DWORD nCols, INT_PTR nCells) {
    return Written([&](CArchive& ar) {
        CObArray cells;
        cells.SetSize(nCells);
        ar << nRows << nCols;
        ar.WriteObject(&cells);
    });
}

// The values of the 3 x 3 block at (4, 4), a snapshot of what a refused paste must leave.
std::string Snapshot(CGEGridCore& grid) {
    return Row(grid, 4, 4, 6) + "|" + Row(grid, 5, 4, 6) + "|" + Row(grid, 6, 4, 6) + "|" +
           std::to_string(grid.GetRowCount()) + "x" + std::to_string(grid.GetColCount());
}

} // namespace

TEST(InternalFormat, ABlockRoundTripsWithItsStylesAsOneUndoStep) {
    gridtest::TestGrid source(5, 5);
    source.PutValue(1, 1, "a");
    source.PutValue(1, 2, "b");
    CGEStyle bold;
    bold.SetValue("c").SetFont(CGEFont().SetBold(TRUE)).SetHorizontalAlignment(DT_RIGHT);
    source.SetStyleRange(CGECellRange(2, 1, 2, 1), &bold, geOverride, 0, nullptr, GE_NOREDRAW);
    const Bytes bytes = Copied(source, CGECellRange(1, 1, 2, 2));
    EXPECT_EQ(source.m_nLastCopiedRows, 2u);

    gridtest::TestGrid target(3, 3);
    target.PutValue(3, 3, "kept");
    target.GetParam()->EmptyUndoList();
    ASSERT_EQ(Pasted(target, bytes, 3, 3), "pasted");
    EXPECT_EQ(target.GetRowCount(), 4u) << "grown to take the block";
    EXPECT_EQ(target.GetColCount(), 4u);
    EXPECT_EQ(Row(target, 3, 3, 4), "a b");
    EXPECT_EQ(Value(target, 4, 3), "c");
    const CGEStyle& pasted = target.LookupStyleRowCol(4, 3);
    EXPECT_TRUE(pasted.GetFont().GetBold());
    EXPECT_EQ(pasted.GetHorizontalAlignment(), static_cast<UINT>(DT_RIGHT));
    EXPECT_EQ(Value(target, 4, 4), "-") << "an empty cell stays empty";
    EXPECT_EQ(target.GetParam()->m_nBlockDepth, 0);
    ASSERT_TRUE(target.Undo());
    EXPECT_EQ(Value(target, 3, 3), "kept");
    EXPECT_EQ(Value(target, 4, 3), "-");
}

TEST(InternalFormat, TheOptionsCutTheBlockAndASizeMismatchIsAskedFirst) {
    gridtest::TestGrid source(5, 5);
    for (ROWCOL r = 1; r <= 3; ++r)
        for (ROWCOL c = 1; c <= 3; ++c)
            source.PutValue(r, c, std::to_string(r * 10 + c).c_str());
    const Bytes bytes = Copied(source, CGECellRange(1, 1, 3, 3));
    {
        gridtest::TestGrid target(2, 2);
        target.m_wClipboardFlags |= 0x200 | 0x400;
        ASSERT_EQ(Pasted(target, bytes, 1, 1), "pasted");
        EXPECT_EQ(Row(target, 1, 1, 2) + "|" + Row(target, 2, 1, 2), "11 12|21 22");
        EXPECT_EQ(target.GetRowCount(), 2u);
    }
    {
        struct Asking : CGEGridCutPasteImp {
            int nAsked = 0;
            int nAnswer = IDCANCEL;
            int AskUser(CGEGridCore*, LPCSTR, UINT) override { return ++nAsked, nAnswer; }
        } asking;
        gridtest::TestGrid target(5, 5);
        CGEAbstractGridCutPasteImp* pOld = target.m_pCutPasteImp;
        target.m_pCutPasteImp = &asking;
        EXPECT_EQ(Pasted(target, bytes, 1, 1, TRUE, 2, 2), "refused") << "cancelled";
        EXPECT_EQ(asking.nAsked, 1);
        EXPECT_EQ(Value(target, 1, 1), "-");
        asking.nAnswer = IDOK;
        EXPECT_EQ(Pasted(target, bytes, 1, 1, TRUE, 2, 2), "pasted");
        EXPECT_EQ(Value(target, 3, 3), "33");
        EXPECT_EQ(Pasted(target, bytes, 1, 1, TRUE, 3, 3), "pasted");
        EXPECT_EQ(asking.nAsked, 2) << "no question when the sizes agree";
        target.m_pCutPasteImp = pOld;
    }
}

TEST(InternalFormat, BlocksBeyondTheLimitsAreNotWritten) {
    gridtest::TestGrid grid(0x8000, 2);
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_TRUE(gridtest::ThrowsFrameworkException<CMemoryException>(
        [&] { grid.CopyCellsToArchive(ar, OneRange(CGECellRange(1, 1, 0x8000, 1))); }));
    ar.Abort();
}

TEST(InternalFormat, HostileHeadersAndArraysAreRefusedWithoutChange) {
    gridtest::TestGrid grid(6, 6);
    grid.PutValue(4, 4, "keep");
    const std::string before = Snapshot(grid);
    struct Case {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"no rows", Block(0, 1, 0)},
        {"rows wrap around", Block(0xFFFFFFFF, 1, 1)},
        {"too many columns", Block(1, 0x8000, 0x8000)},
        {"fewer cells than rows x columns", Block(2, 2, 3)},
        {"more cells", Block(1, 1, 2)},
        {"something else than styles", Written([](CArchive& ar) {
             CObArray cells;
             CObArray inner;
             cells.Add(&inner);
             ar << DWORD{1} << DWORD{1};
             ar.WriteObject(&cells);
         })},
        {"one style twice", Written([](CArchive& ar) {
             CGEStyle style;
             style.SetValue("x");
             CObArray cells;
             cells.Add(&style);
             cells.Add(&style);
             ar << DWORD{1} << DWORD{2};
             ar.WriteObject(&cells);
         })},
        {"truncated", Bytes{1, 0, 0, 0}},
        {"empty", Bytes{}},
    };
    for (const Case& c : cases) {
        const std::string result = Pasted(grid, c.bytes, 4, 4);
        EXPECT_NE(result, "pasted") << c.name;
        EXPECT_EQ(Snapshot(grid), before) << c.name;
        EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0) << c.name;
    }
}

TEST(InternalFormat, DamagedCopiesOfARealBlockNeverCrashTheReader) {
    gridtest::TestGrid source(4, 4);
    CGEStyle style;
    style.SetValue("v").SetFont(CGEFont().SetFaceName("Arial").SetSize(9)).SetInterior(RGB(1, 2, 3));
    source.SetStyleRange(CGECellRange(1, 1, 2, 2), &style, geOverride, 0, nullptr, GE_NOREDRAW);
    const Bytes good = Copied(source, CGECellRange(1, 1, 2, 2));
    int nPasted = 0;
    // Every truncation, and every byte replaced by a few telling values.
    for (size_t n = 0; n < good.size(); ++n) {
        gridtest::TestGrid target(3, 3);
        nPasted += Pasted(target, Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)), 1, 1) ==
                   "pasted";
    }
    EXPECT_EQ(nPasted, 0) << "no truncated block is pasted";
    for (size_t i = 0; i < good.size(); ++i) {
        for (BYTE b : {BYTE{0x00}, BYTE{0x01}, BYTE{0x7F}, BYTE{0x80}, BYTE{0xFF}}) {
            Bytes damaged = good;
            damaged[i] = b;
            gridtest::TestGrid target(3, 3);
            const std::string result = Pasted(target, damaged, 1, 1);
            if (result == "pasted") {
                EXPECT_LE(target.GetRowCount(), 3u + 0x7FFF);
            } else {
                EXPECT_EQ(target.GetRowCount(), 3u) << i;
                EXPECT_EQ(target.GetParam()->m_nBlockDepth, 0) << i;
            }
        }
    }
}
