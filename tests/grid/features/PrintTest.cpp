// Printing a grid: pages cut into bands of rows and columns (lines that do not fit, lines larger than the
// page, forced breaks), the page order, printing the selection or the window, the page the preview opens
// on, a grid that grows while printing, page numbers past the end, and the header and footer tokens.
#include "FeatureTestSupport.h"

#include "framework/core/CDWordArray.h"
#include "framework/win/CDC.h"
#include "framework/win/CPrintDialog.h"
#include "framework/win/CPrintInfo.h"
#include "grid/core/CGEProperties.h"
#include "grid/features/CGEGridPrintImp.h"

#include <ctime>
#include <string>
#include <vector>

using gridtest::TestGrid;

namespace {

std::vector<DWORD> Starts(const CDWordArray& a) {
    std::vector<DWORD> v;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        v.push_back(a[i]);
    return v;
}

// A page of cx x cy pixels for the cells: a memory DC (one logical unit one pixel) whose margins leave
// that much, and the print information of one job.
class Page {
public:
    Page(TestGrid& grid, int cx, int cy) : m_grid(grid) {
        dc.CreateCompatibleDC(nullptr);
        CGEProperties* pProps = grid.GetProperties();
        pProps->m_nLeftMargin = 0;
        pProps->m_nTopMargin = 0;
        pProps->m_nRightMargin = dc.GetDeviceCaps(HORZRES) - cx;
        pProps->m_nBottomMargin = dc.GetDeviceCaps(VERTRES) - cy;
    }
    void Begin() { m_grid.BeginGridPrinting(&dc, &info); }
    // Prints page nPage as the framework does: the printable area, then the page.
    void Print(UINT nPage) {
        info.m_nCurPage = nPage;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        m_grid.PrintGridPage(&dc, &info);
    }

    CDC dc;
    CPrintInfo info;

private:
    TestGrid& m_grid;
};

// A grid of 20-pixel header row and column, 50-pixel columns and 20-pixel rows.
void Shape(TestGrid& grid) {
    grid.SetDefaultColWidth(50, GE_NOREDRAW);
    grid.SetDefaultRowHeight(20, GE_NOREDRAW);
    grid.SetColWidth(0, 0, 20, nullptr, GE_NOREDRAW);
    grid.SetRowHeight(0, 0, 20, nullptr, GE_NOREDRAW);
}

struct BandCase {
    const char* name;
    std::vector<std::pair<ROWCOL, int>> widths; // columns of another width
    std::vector<DWORD> breaks;
    std::vector<DWORD> expected; // column page starts on a page 200 wide (180 for scrolling columns)
};

class GridPrintBands : public ::testing::TestWithParam<BandCase> {};

} // namespace

TEST_P(GridPrintBands, ColumnsAreCutWhereThePageEnds) {
    const BandCase& c = GetParam();
    TestGrid grid(4, 10);
    Shape(grid);
    for (const auto& [nCol, nWidth] : c.widths)
        grid.SetColWidth(nCol, nCol, nWidth, nullptr, GE_NOREDRAW);
    for (DWORD dwBreak : c.breaks)
        grid.GetProperties()->m_ColBreaks.Add(dwBreak);
    Page page(grid, 200, 1000);
    page.Begin();
    EXPECT_EQ(Starts(grid.m_awColPageStarts), c.expected);
    EXPECT_EQ(Starts(grid.m_awRowPageStarts), (std::vector<DWORD>{1, 5}));
    EXPECT_EQ(page.info.GetMaxPage(), c.expected.size() - 1);
    EXPECT_FALSE(grid.IsPrinting()) << "print mode ends with the step";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridPrintBands,
    ::testing::Values(BandCase{"ThreeColumnsAPage", {}, {}, {1, 4, 7, 10, 11}},
                      // A column cut by the edge starts the next page; one wider than the page gets its own.
                      BandCase{"WideColumnAlone", {{5, 300}}, {}, {1, 4, 5, 6, 9, 11}},
                      BandCase{"ForcedBreakBeforeTheCut", {}, {3}, {1, 3, 6, 9, 11}},
                      // Breaks at or before the first column and past the last have no effect.
                      BandCase{"BreaksOutsideTheRangeIgnored", {}, {1, 40}, {1, 4, 7, 10, 11}},
                      // Once the rest fits, the remaining breaks make the pages.
                      BandCase{"BreaksInTheLastPage", {}, {8, 9}, {1, 4, 7, 8, 9, 11}}),
    [](const ::testing::TestParamInfo<BandCase>& info) { return info.param.name; });

TEST(GridPrintPages, PageOrderChoosesTheBandsOfAPage) {
    // 3 column bands (cols 1-3, 4-6, 7-9) by 2 row bands (rows 1-4, 5-8) on a 200 x 100 page.
    for (int nOrder : {0, 1}) {
        SCOPED_TRACE(nOrder);
        TestGrid grid(8, 9);
        Shape(grid);
        grid.GetProperties()->m_nPageOrder = nOrder;
        Page page(grid, 200, 100);
        page.Begin();
        ASSERT_EQ(Starts(grid.m_awColPageStarts), (std::vector<DWORD>{1, 4, 7, 10}));
        ASSERT_EQ(Starts(grid.m_awRowPageStarts), (std::vector<DWORD>{1, 5, 9}));
        ASSERT_EQ(page.info.GetMaxPage(), 6u);
        page.Print(4);
        EXPECT_EQ(grid.m_nPrintTopRow, 5u);
        EXPECT_EQ(grid.m_nPrintLeftCol, nOrder == 0 ? 1u : 4u);
        EXPECT_TRUE(page.info.m_bContinuePrinting);
        page.Print(6);
        EXPECT_FALSE(page.info.m_bContinuePrinting) << "the last page shows the last row and column";
    }
}

TEST(GridPrintPages, APagePastTheBandsPrintsNothingAndEndsTheJob) {
    TestGrid grid(8, 9);
    Shape(grid);
    Page page(grid, 200, 100);
    page.Print(1); // no BeginPrinting: no bands at all
    EXPECT_FALSE(page.info.m_bContinuePrinting);
    page.info.m_bContinuePrinting = TRUE;
    page.Begin();
    page.Print(7);
    EXPECT_FALSE(page.info.m_bContinuePrinting);
    EXPECT_FALSE(grid.IsPrinting());
}

TEST(GridPrintPages, TheSelectionOrTheWindowIsPrintedWhenTheDialogSaysSelection) {
    TestGrid grid(30, 20);
    Shape(grid);
    grid.SetTopRow(6, GE_NOREDRAW);
    grid.SetLeftCol(3, GE_NOREDRAW);
    {
        // Nothing selected: what the window shows (400 x 300: columns 3-10, rows 6-19), on one page.
        Page page(grid, 200, 100);
        page.info.m_pPD->m_pd.Flags |= PD_SELECTION;
        page.Begin();
        EXPECT_EQ(Starts(grid.m_awColPageStarts), (std::vector<DWORD>{3, 6}));
        EXPECT_EQ(Starts(grid.m_awRowPageStarts), (std::vector<DWORD>{6, 10}));
        EXPECT_EQ(page.info.GetMaxPage(), 1u);
    }
    {
        // The last selected range (columns 2-8, rows 5-6).
        grid.GetParam()->m_SelectedRanges.AddRange(CGECellRange(1, 1, 1, 1));
        grid.GetParam()->m_SelectedRanges.AddRange(CGECellRange(5, 2, 6, 8));
        Page page(grid, 200, 100);
        page.info.m_pPD->m_pd.Flags |= PD_SELECTION;
        page.Begin();
        EXPECT_EQ(Starts(grid.m_awColPageStarts), (std::vector<DWORD>{2, 5, 8, 9}));
        EXPECT_EQ(Starts(grid.m_awRowPageStarts), (std::vector<DWORD>{5, 7}));
        page.Print(3);
        EXPECT_EQ(grid.m_nPrintLeftCol, 8u);
        EXPECT_EQ(grid.m_rectPrint.Width(), 20 + 50) << "the last page shows column 8 only";
        EXPECT_EQ(grid.m_rectPrint.Height(), 20 + 2 * 20) << "rows 5 and 6 only";
    }
}

TEST(GridPrintPages, ThePreviewOpensOnThePageOfTheWindowsTopLeftCell) {
    // 4 column bands by 3 row bands; the window shows row 13 (band 2) and column 5 (band 1).
    for (int nOrder : {0, 1}) {
        SCOPED_TRACE(nOrder);
        TestGrid grid(12, 10);
        Shape(grid);
        grid.GetProperties()->m_nPageOrder = nOrder;
        grid.SetRowCount(12, GE_NOREDRAW);
        grid.SetTopRow(12, GE_NOREDRAW);
        grid.SetLeftCol(5, GE_NOREDRAW);
        Page page(grid, 200, 100);
        page.info.m_bPreview = TRUE;
        page.info.m_strPageDesc = "Page %u";
        page.Begin();
        ASSERT_EQ(Starts(grid.m_awRowPageStarts), (std::vector<DWORD>{1, 5, 9, 13}));
        ASSERT_EQ(Starts(grid.m_awColPageStarts), (std::vector<DWORD>{1, 4, 7, 10, 11}));
        EXPECT_EQ(page.info.m_nCurPage, nOrder == 0 ? 4u * 2 + 1 + 1 : 3u * 1 + 2 + 1);
        EXPECT_EQ(page.info.m_strPageDesc, CString("Page %u / 12"));
        EXPECT_EQ(grid.GetTopRow(), 12u) << "the window keeps its place";
    }
}

namespace {

// A grid that learns its rows while printing: it has 8 rows until asked for more, then 16.
class GrowingGrid : public TestGrid {
public:
    GrowingGrid() : TestGrid(8, 3) {}
    void EnsureGridDimension(ROWCOL nRow, ROWCOL) override {
        ++asked;
        if (nRow != static_cast<ROWCOL>(-2) && GetRowCount() < 16)
            SetRowCount(16, GE_NOREDRAW);
    }
    int asked = 0;
};

} // namespace

TEST(GridPrintPages, AGridThatGrowsWhilePrintingGetsMorePages) {
    GrowingGrid grid;
    Shape(grid);
    grid.m_nPrintDimensionMode = 2;
    Page page(grid, 200, 100);
    page.info.m_bPreview = TRUE; // the full dimension is not settled for a preview
    page.Begin();
    EXPECT_EQ(grid.asked, 0);
    ASSERT_EQ(Starts(grid.m_awRowPageStarts), (std::vector<DWORD>{1, 5, 9}));
    page.Print(2);
    EXPECT_EQ(Starts(grid.m_awRowPageStarts), (std::vector<DWORD>{1, 5, 9, 13, 17}));
    EXPECT_EQ(page.info.GetMaxPage(), 4u);
    EXPECT_EQ(grid.m_nPrintTopRow, 5u);
    EXPECT_TRUE(page.info.m_bContinuePrinting);
}

// ---------------------------------------------------------------------------------------------------
// Header and footer

namespace {

std::string Strftime(const char* pszFormat) {
    const std::time_t now = std::time(nullptr);
    char buffer[256] = {};
    std::strftime(buffer, sizeof buffer, pszFormat, std::localtime(&now));
    return buffer;
}

struct TokenCase {
    const char* name;
    const char* text;
    const char* expected; // a strftime format of the result, taken at the time of the test
};

class GridPrintTokens : public ::testing::TestWithParam<TokenCase> {};

} // namespace

TEST_P(GridPrintTokens, TokensAreReplacedByTheirValues) {
    TestGrid grid(2, 2);
    CGEProperties* pProps = grid.GetProperties();
    pProps->m_TokenValues[0] = "C:\\week.tsh";
    pProps->m_TokenValues[2] = "3";
    pProps->m_TokenValues[3] = "7";
    pProps->m_TokenValues[5] = "Week 12";
    const std::string before = Strftime(GetParam().expected);
    const std::string result(pProps->SubstTokenText(GetParam().text));
    if (result != before) {
        EXPECT_EQ(result, Strftime(GetParam().expected)) << "the clock may have moved on one second";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridPrintTokens,
    ::testing::Values(TokenCase{"PageOfPages", "$P/$N", "3/7"},
                      TokenCase{"FileAndName", "$F: $R", "C:\\week.tsh: Week 12"},
                      TokenCase{"NoToken", "$X 100$", "$X 100$"},
                      TokenCase{"DateWithFormat", "$D{%Y}!", "%Y!"}, TokenCase{"DateAlone", "$D", "%c"},
                      // Without a closing brace the date is in the "%c" form and the brace text stays.
                      TokenCase{"DateOpenBrace", "$D{%Y", "%c{%%Y"},
                      // A conversion the C library does not know gives no date, and no crash.
                      TokenCase{"DateUnknownConversion", "[$D{%Q}]", "[]"},
                      TokenCase{"DateTrailingPercent", "[$D{%Y%}]", "[]"}),
    [](const ::testing::TestParamInfo<TokenCase>& info) { return info.param.name; });

TEST(GridPrintHeader, LinesWithoutAValueTakeNoRoom) {
    TestGrid grid(2, 2);
    CGEProperties* pProps = grid.GetProperties();
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const int nLine = dc.GetTextExtent("X", 1).cy;
    ASSERT_GT(nLine, 0);
    CGEData& footer = *pProps->m_pFooterData;
    EXPECT_EQ(pProps->CalcHeaderFooterHeight(&dc, &footer, grid.GetStylesMap()), 0);
    CGEStyle line;
    line.SetValue("Page $P");
    footer.StoreStyleRowCol(1, 1, &line, geOverride, -1);
    footer.StoreStyleRowCol(4, 1, &line, geOverride, -1); // lines 2 and 3 hold nothing
    footer.StoreStyleRowCol(2, 3, &line, geOverride, -1);
    EXPECT_EQ(pProps->CalcHeaderFooterHeight(&dc, &footer, grid.GetStylesMap()), 2 * nLine);
    // A larger font in one line makes that line taller.
    CGEStyle big;
    big.SetValue("$R");
    big.SetFont(CGEFont().SetSize(30));
    footer.StoreStyleRowCol(5, 3, &big, geOverride, -1);
    EXPECT_GT(pProps->CalcHeaderFooterHeight(&dc, &footer, grid.GetStylesMap()), 2 * nLine + nLine / 2);
}
