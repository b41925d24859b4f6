// The text form of cells: what is written for a block and what a pasted text does to a grid.
#include "ClipboardTestSupport.h"

#include "grid/features/CGEGridTextDataExchangeImp.h"

using cliptest::OneRange;
using featuretest::Row;
using featuretest::Value;

namespace {

// The text written for a block of a 4 x 4 grid whose cells hold the texts given row by row.
std::string TextOf(gridtest::TestGrid& grid, const CGERangeList& list, BOOL* pResult = nullptr) {
    CMemFile file;
    const BOOL bResult = grid.CopyTextToFile(file, list);
    if (pResult != nullptr)
        *pResult = bResult;
    const auto nLength = static_cast<size_t>(file.GetLength());
    BYTE* pBytes = file.Detach();
    std::string text(reinterpret_cast<const char*>(pBytes), nLength);
    free(pBytes);
    return text;
}

} // namespace

TEST(TextDataExchange, BlocksAreWrittenWithTabsAndLineBreaks) {
    struct Case {
        CGECellRange range;
        WORD wOptions;
        const char* expected;
    } cases[] = {
        {CGECellRange(1, 1, 1, 1), 0x0F, "a"},
        {CGECellRange(1, 1, 1, 2), 0x0F, "a\tb\r\n"},
        {CGECellRange(1, 1, 2, 2), 0x0F, "a\tb\r\nc\td\r\n"},
        {CGECellRange(3, 1, 3, 1), 0x0F, "x\\ty"},            // a tab inside a cell
        {CGECellRange(3, 2, 3, 2), 0x0F, "two lines"},        // CR-LF becomes one blank
        {CGECellRange(3, 2, 3, 2), 0x100F, "two\\r\\nlines"}, // escaped
        {CGECellRange(3, 3, 3, 3), 0x100F, "back\\slash"},    // other characters stay
    };
    gridtest::TestGrid grid(4, 4);
    grid.PutValue(1, 1, "a");
    grid.PutValue(1, 2, "b");
    grid.PutValue(2, 1, "c");
    grid.PutValue(2, 2, "d");
    grid.PutValue(3, 1, "x\ty");
    grid.PutValue(3, 2, "two\r\nlines");
    grid.PutValue(3, 3, "back\\slash");
    for (const Case& c : cases) {
        grid.m_wClipboardFlags = c.wOptions;
        EXPECT_EQ(TextOf(grid, OneRange(c.range)), c.expected) << c.expected;
    }
    EXPECT_EQ(grid.m_nLastCopiedRows, 1u);
}

TEST(TextDataExchange, SeveralRangesFormOneBlockAndEmptyBlocksWriteNothingUseful) {
    gridtest::TestGrid grid(6, 6);
    grid.PutValue(1, 1, "a");
    grid.PutValue(1, 4, "b");
    grid.PutValue(3, 1, "c");
    grid.PutValue(3, 4, "d");
    CGERangeList list;
    list.AddRange(CGECellRange(3, 4, 3, 4));
    list.AddRange(CGECellRange(1, 1, 1, 1));
    EXPECT_EQ(TextOf(grid, list), "a\tb\r\nc\td\r\n") << "rows 1 and 3 crossed with columns 1 and 4";
    EXPECT_EQ(grid.m_nLastCopiedRows, 2u);
    EXPECT_EQ(grid.m_nLastCopiedCols, 2u);
    BOOL bResult = TRUE;
    TextOf(grid, OneRange(CGECellRange(5, 1, 6, 3)), &bResult);
    EXPECT_FALSE(bResult) << "an all-empty block is not worth putting on the clipboard";
}

TEST(TextDataExchange, PastedTextGrowsTheGridUnlessTheOptionsForbidIt) {
    const char text[] = "a\tb\r\nc\td\r\n";
    {
        gridtest::TestGrid grid(1, 1);
        ASSERT_TRUE(grid.PasteTextFromBuffer(text, sizeof text, CGECellRange(1, 1, 1, 1)));
        EXPECT_EQ(grid.GetRowCount(), 2u) << "the line break at the end adds no row";
        EXPECT_EQ(grid.GetColCount(), 2u);
        EXPECT_EQ(Row(grid, 1, 1, 2), "a b");
        EXPECT_EQ(Row(grid, 2, 1, 2), "c d");
    }
    {
        gridtest::TestGrid grid(1, 1);
        grid.m_wClipboardFlags |= 0x200 | 0x400;
        ASSERT_TRUE(grid.PasteTextFromBuffer(text, sizeof text, CGECellRange(1, 1, 1, 1)));
        EXPECT_EQ(grid.GetRowCount(), 1u);
        EXPECT_EQ(grid.GetColCount(), 1u);
        EXPECT_EQ(Value(grid, 1, 1), "a");
    }
}

TEST(TextDataExchange, PastingReadsNoFurtherThanTheSizeOrAZeroByteAndUnescapesOnlyWhenAsked) {
    gridtest::TestGrid grid(4, 4);
    const char unterminated[] = {'p', '\t', 'q', 'X', 'X'};
    ASSERT_TRUE(grid.PasteTextFromBuffer(unterminated, 3, CGECellRange(1, 1, 1, 1)));
    EXPECT_EQ(Row(grid, 1, 1, 3), "p q -");
    const char zero[] = "r\0s";
    ASSERT_TRUE(grid.PasteTextFromBuffer(zero, sizeof zero, CGECellRange(2, 1, 2, 1)));
    EXPECT_EQ(Row(grid, 2, 1, 2), "r -");
    const char escaped[] = "x\\ty";
    ASSERT_TRUE(grid.PasteTextFromBuffer(escaped, sizeof escaped, CGECellRange(3, 1, 3, 1)));
    EXPECT_EQ(Value(grid, 3, 1), "x\\ty");
    grid.m_wClipboardFlags |= 0x1000;
    ASSERT_TRUE(grid.PasteTextFromBuffer(escaped, sizeof escaped, CGECellRange(3, 1, 3, 1)));
    EXPECT_EQ(Value(grid, 3, 1), "x\ty");
    EXPECT_EQ(CGEGridTextDataExchangeImp::UnescapeText(
                  CGEGridTextDataExchangeImp::EscapeText("a\tb\r\nc\\d", TRUE)),
              "a\tb\r\nc\\d");
}

TEST(TextDataExchange, APasteIsOneUndoStepAndACellThatRefusesUndoesTheWholePaste) {
    gridtest::TestGrid grid(4, 4);
    grid.PutValue(1, 1, "old");
    grid.GetParam()->EmptyUndoList();
    const char text[] = "n1\tn2\r\nn3\tn4";
    ASSERT_TRUE(grid.PasteTextFromBuffer(text, sizeof text, CGECellRange(1, 1, 1, 1)));
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(Row(grid, 1, 1, 2), "old -");
    EXPECT_EQ(Value(grid, 2, 2), "-");

    CGEStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    grid.SetStyleRange(CGECellRange(2, 2, 2, 2), &readOnly, geOverride, 0, nullptr, GE_NOREDRAW);
    grid.GetParam()->EmptyUndoList();
    EXPECT_FALSE(grid.PasteTextFromBuffer(text, sizeof text, CGECellRange(1, 1, 1, 1)));
    EXPECT_EQ(Row(grid, 1, 1, 2), "old -") << "the cells pasted before the refusal are undone";
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), 0);
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0) << "no undo block left open";
}

TEST(TextDataExchange, BufferDimensions) {
    struct Case {
        const char* text;
        ROWCOL nRows, nCols;
    } cases[] = {
        {"", 0, 1}, {"a", 1, 1}, {"a\tb\r\n", 1, 2}, {"a\r\nb\tc\td", 2, 3}, {"a\n\nb\r\n", 3, 1},
    };
    gridtest::TestGrid grid;
    for (const Case& c : cases) {
        ROWCOL nRows = 99, nCols = 99;
        ASSERT_TRUE(grid.CalcBufferDimension(c.text, static_cast<DWORD>(strlen(c.text)), nRows, nCols));
        EXPECT_EQ(nRows, c.nRows) << c.text;
        EXPECT_EQ(nCols, c.nCols) << c.text;
    }
}
