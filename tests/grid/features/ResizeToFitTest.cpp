// Cell size calculation and resize to fit, without a window: what a static cell needs (empty, hard
// lines, wrapped lines, the 32-line cap), and rows and columns fitted to their cells (limits of the
// grid area, grow only, hidden lines skipped, one undo step, an abort that closes the undo block).
#include "FeatureTestSupport.h"

#include "framework/core/CUserException.h"
#include "framework/win/CDC.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridParam.h"
#include "grid/features/CGECalcSizeImp.h"

#include <string>

using gridtest::TestGrid;

namespace {

// Measures with the grid's standard font, as the size calculation does.
class Measure {
public:
    explicit Measure(TestGrid& grid) : m_grid(grid), m_pDC(grid.GetGridDC()) {
        m_pOld = grid.SelectStandardFont(m_pDC, &grid.GetStandardStyle());
        m_pDC->GetTextMetrics(&tm);
    }
    ~Measure() {
        if (m_pOld != nullptr)
            m_pDC->SelectObject(m_pOld);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    LONG Width(const char* psz) const { return m_pDC->GetTextExtent(psz, static_cast<int>(strlen(psz))).cx; }
    LONG LineHeight() const { return tm.tmHeight + tm.tmExternalLeading; }
    // The size with the margins of the cell's control.
    CSize WithMargins(ROWCOL nRow, ROWCOL nCol, CSize size) {
        const CGEStyle& style = m_grid.LookupStyleRowCol(nRow, nCol);
        return m_grid.GetControl(nRow, nCol)->AddTextMarginsToSize(m_pDC, size, style);
    }
    CSize Need(ROWCOL nRow, ROWCOL nCol, BOOL bVert) {
        CGEStyle* pStyle = m_grid.CreateStyle();
        m_grid.ComposeStyleRowCol(nRow, nCol, pStyle);
        CSize size;
        m_grid.GetControl(nRow, nCol)
            ->CalcSize(size, m_pDC, nRow, nCol, *pStyle, &m_grid.GetStandardStyle(), bVert);
        m_grid.RecycleStyle(pStyle);
        return size;
    }
    CDC* DC() const { return m_pDC; }

    TEXTMETRICA tm{};

private:
    TestGrid& m_grid;
    CDC* m_pDC;
    CFont* m_pOld = nullptr;
};

void PutWrapped(TestGrid& grid, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
    CGEStyle style;
    style.SetValue(pszValue).SetWrapText(TRUE);
    grid.SetStyleRange(CGECellRange(nRow, nCol, nRow, nCol), &style, geOverride, 0, nullptr, GE_NOREDRAW);
}

} // namespace

TEST(CalcSize, AnEmptyCellNeedsOneLineAndTheWidestCharacter) {
    TestGrid grid(4, 4);
    Measure m(grid);
    EXPECT_EQ(m.Need(2, 2, FALSE).cx, m.WithMargins(2, 2, CSize(m.tm.tmMaxCharWidth, m.LineHeight() + 1)).cx);
    EXPECT_EQ(m.Need(2, 2, TRUE).cy, m.WithMargins(2, 2, CSize(m.tm.tmMaxCharWidth, m.LineHeight() + 1)).cy);
}

TEST(CalcSize, HardLinesGiveTheWidestLineAndCountOneLineWithoutWrapping) {
    TestGrid grid(4, 4);
    grid.PutValue(1, 1, "short\r\nthe much longer line\nmid");
    Measure m(grid);
    const LONG cxText = m.Width("the much longer line");
    const CSize width = m.Need(1, 1, FALSE);
    EXPECT_EQ(width.cx, m.WithMargins(1, 1, CSize(cxText, 0)).cx);
    const CSize height = m.Need(1, 1, TRUE);
    EXPECT_EQ(height.cy, m.WithMargins(1, 1, CSize(0, m.LineHeight() + 1)).cy)
        << "line breaks without WrapText count one line";
}

TEST(CalcSize, WrappedTextCountsItsLinesUpToThirtyTwo) {
    TestGrid grid(4, 4);
    std::string strFive = "alpha beta gamma delta epsilon";
    PutWrapped(grid, 1, 1, "alpha beta gamma delta epsilon");
    Measure m(grid);
    // A column just wide enough for one word: five lines.
    grid.SetColWidth(1, 1, m.WithMargins(1, 1, CSize(m.Width("epsilon") + 2, 0)).cx, nullptr, GE_NOREDRAW);
    const CSize height = m.Need(1, 1, TRUE);
    EXPECT_EQ(height.cy, m.WithMargins(1, 1, CSize(0, 5 * m.LineHeight() + 1)).cy);
    // Four lines show: the width is that of the text's one hard line, not of the wrapped ones.
    grid.SetRowHeight(1, 1, m.WithMargins(1, 1, CSize(0, 4 * m.LineHeight() + 1)).cy, nullptr, GE_NOREDRAW);
    EXPECT_EQ(m.Need(1, 1, FALSE).cx, m.WithMargins(1, 1, CSize(m.Width(strFive.c_str()), 0)).cx);
    grid.SetRowHeight(1, 1, m.WithMargins(1, 1, CSize(0, 6 * m.LineHeight() + 1)).cy, nullptr, GE_NOREDRAW);
    // All five show: the widest wrapped line (a word, perhaps with the blank before it).
    const LONG cxWrapped = m.Need(1, 1, FALSE).cx;
    EXPECT_GE(cxWrapped, m.WithMargins(1, 1, CSize(m.Width("epsilon"), 0)).cx);
    EXPECT_LE(cxWrapped, m.WithMargins(1, 1, CSize(m.Width(" epsilon"), 0)).cx);

    std::string strLong;
    for (int i = 0; i < 50; ++i)
        strLong += "word ";
    PutWrapped(grid, 1, 1, strLong.c_str());
    EXPECT_EQ(m.Need(1, 1, TRUE).cy,
              m.WithMargins(1, 1, CSize(0, CGECalcSizeImp::kMaxWrappedLines * m.LineHeight() + 1)).cy);
}

TEST(ResizeToFit, AColumnTakesItsWidestVisibleCellAsOneUndoStep) {
    TestGrid grid(6, 4);
    grid.PutValue(2, 2, "a fairly long text in one cell");
    grid.PutValue(3, 2, "short");
    grid.PutValue(4, 2, "an even longer text that is hidden away");
    grid.HideRows(4, 4, TRUE, nullptr, GE_NOREDRAW);
    Measure m(grid);
    const LONG nNeed = m.Need(2, 2, FALSE).cx;
    const int nBefore = grid.GetColWidth(2);
    const INT_PTR nSteps = grid.GetParam()->m_UndoList.GetCount();
    EXPECT_TRUE(grid.ResizeColWidthsToFit(CGECellRange().SetCols(2, 3), TRUE, GE_NOREDRAW));
    EXPECT_EQ(grid.GetColWidth(2), nNeed) << "the hidden row does not widen the column";
    EXPECT_EQ(grid.GetColWidth(3), m.Need(1, 3, FALSE).cx) << "empty cells need one character";
    EXPECT_EQ(grid.GetParam()->m_UndoList.GetCount(), nSteps + 1);
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0);
    grid.Undo();
    EXPECT_EQ(grid.GetColWidth(2), nBefore);
    EXPECT_EQ(grid.GetColWidth(3), nBefore);
}

TEST(ResizeToFit, ARowIsCutToTheWindowAndGrowOnlyKeepsTallRows) {
    TestGrid grid(6, 4, CRect(0, 0, 400, 120));
    std::string strTall;
    for (int i = 0; i < 20; ++i)
        strTall += "line\n";
    PutWrapped(grid, 3, 1, strTall.c_str());
    grid.SetFrozenRows(1, 0, GE_NOREDRAW);
    grid.ResizeRowHeightsToFit(CGECellRange().SetRows(3, 3), TRUE, GE_NOREDRAW);
    EXPECT_EQ(grid.GetRowHeight(3), 120 - grid.GetRowHeight(0) - grid.GetRowHeight(1) - 1);

    grid.SetRowHeight(5, 5, 60, nullptr, GE_NOREDRAW);
    grid.ResizeRowHeightsToFit(CGECellRange().SetRows(5, 5), TRUE, GE_NOREDRAW | 8);
    EXPECT_EQ(grid.GetRowHeight(5), 60) << "grow only";
    grid.ResizeRowHeightsToFit(CGECellRange().SetRows(5, 5), TRUE, GE_NOREDRAW);
    EXPECT_LT(grid.GetRowHeight(5), 60);
    EXPECT_GT(grid.GetRowHeight(5), 0);
}

TEST(ResizeToFit, HiddenColumnsDoNotWidenARow) {
    TestGrid grid(4, 4);
    PutWrapped(grid, 2, 3, "one\ntwo\nthree\nfour");
    grid.HideCols(3, 3, TRUE, nullptr, GE_NOREDRAW);
    const int nBefore = grid.GetRowHeight(2);
    grid.ResizeRowHeightsToFit(CGECellRange().SetRows(2, 2), TRUE, GE_NOREDRAW | 8);
    EXPECT_EQ(grid.GetRowHeight(2), nBefore);
    grid.HideCols(3, 3, FALSE, nullptr, GE_NOREDRAW);
    grid.ResizeRowHeightsToFit(CGECellRange().SetRows(2, 2), TRUE, GE_NOREDRAW | 8);
    EXPECT_GT(grid.GetRowHeight(2), nBefore);
}

TEST(ResizeToFit, AnAbortKeepsWhatIsDoneAndClosesTheUndoStep) {
    featuretest::TestLongOperationImp imp;
    imp.tick = 1000;
    CGELongOperationState::Get().bAskBeforeAbort = FALSE;
    TestGrid grid(4, 3);
    grid.PutValue(1, 1, "a text wider than the column is");
    grid.PutValue(3, 1, "another text wider than the column is");
    ::PostMessageA(imp.window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    const INT_PTR nSteps = grid.GetParam()->m_UndoList.GetCount();
    const HDC hDC = grid.GetGridDC()->GetSafeHdc();
    const HGDIOBJ hFontBefore = ::GetCurrentObject(hDC, OBJ_FONT);
    EXPECT_TRUE(gridtest::ThrowsFrameworkException<CUserException>(
        [&] { grid.ResizeColWidthsToFit(CGECellRange().SetCols(1, 3), TRUE, GE_NOREDRAW); }));
    EXPECT_EQ(grid.GetParam()->m_nBlockDepth, 0) << "the undo block is closed";
    EXPECT_EQ(CGELongOperation::GetNestingLevel(), 0);
    // A later command is an undo step of its own.
    grid.SetRowHeight(2, 2, 40, nullptr, GE_NOREDRAW);
    EXPECT_GE(grid.GetParam()->m_UndoList.GetCount(), nSteps + 1);
    grid.Undo();
    EXPECT_NE(grid.GetRowHeight(2), 40);
    EXPECT_EQ(::GetCurrentObject(hDC, OBJ_FONT), hFontBefore) << "the measuring font is taken out again";
}
