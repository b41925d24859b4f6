// The time log view on a document holding entries: its column layout and widths from the registry, the
// user's resize of a column surviving a restart, what the cells show, the rows' colours, the row
// marks, the row look-ups and Find Next.
#include "ViewTestSupport.h"

#include "framework/win/CDC.h"
#include "grid/core/CGEStyle.h"
#include "resource.h"
#include "views/CGridColumn.h"
#include "views/CLogRowMarkerControl.h"
#include "views/LogColumnShares.h"
#include "timelog/CLogHint.h"
#include "views/ViewControlIds.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

using namespace viewtest;

namespace {

// The titles of the shown columns as the header row shows them, left to right.
std::vector<std::string> HeaderTitles(CLogView* view) {
    std::vector<std::string> titles;
    for (ROWCOL col = 1; col <= view->GetColCount(); ++col) {
        if (view->GetColWidth(col) > 0)
            titles.emplace_back(view->GetCellValue(0, col));
    }
    return titles;
}

std::vector<DWORD> ShownShares(CLogView* view) {
    std::vector<DWORD> shares;
    for (int i = 0; i < view->GetColumnCount(); ++i) {
        if (view->GetColumnAt(i)->m_bVisible)
            shares.push_back(view->GetColumnShare(i));
    }
    return shares;
}

class LogViewLayout : public LogViewTest {};

TEST_F(LogViewLayout, TheFramesInitialUpdateLeavesTheDocumentUnmodified) {
    frame = NewFrame();
    frame->Create(nullptr, "Time log", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 400));
    CCreateContext context;
    context.m_pCurrentDoc = &doc;
    context.m_pNewViewClass = RUNTIME_CLASS(CLogView);
    view = dynamic_cast<CLogView*>(frame->CreateView(&context, AFX_IDW_PANE_FIRST));
    ASSERT_NE(view, nullptr);
    // As the main window's view host does it, and again as a frame's initial update would.
    view->SendMessage(WM_INITIALUPDATE);
    view->SendMessage(WM_INITIALUPDATE);
    EXPECT_EQ(view->GetColumnCount(), 16);
    view->StoreColWidth(1, 50);
    EXPECT_FALSE(doc.IsModified()) << "a prompt to save would follow";
}

TEST_F(LogViewLayout, WithoutStoredValuesTheDefaultColumnsFillTheWindow) {
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_EQ(view->GetColCount(), 16u);
    EXPECT_EQ(HeaderTitles(view),
              (std::vector<std::string>{"Start", "Stop", "Actual Work", "Project", "Description", "Billed"}));
    EXPECT_EQ(ShownShares(view), (std::vector<DWORD>{1400, 1400, 1000, 1200, 4500, 500}));
    const int dataWidth = view->GetDataWidth();
    ASSERT_GT(dataWidth, 100);
    int sum = 0;
    for (ROWCOL col = 1; col <= view->GetColCount(); ++col)
        sum += view->GetColWidth(col);
    EXPECT_LE(sum, dataWidth);
    EXPECT_GE(sum, dataWidth - 6) << "integer widths lose at most a pixel per column";
    EXPECT_EQ(view->GetColWidth(view->GetGridColOfColumn(view->FindColumnIndex(CLogView::colDescription))),
              4500 * dataWidth / 10000);
    EXPECT_EQ(view->GetColWidth(view->GetGridColOfColumn(view->FindColumnIndex(CLogView::colCategory))), 0);
    EXPECT_EQ(view->GetColumnTitle(CLogView::colCostSalary), CString("Cost Salary"));
    EXPECT_EQ(view->GetColumnTitle(15), CString()) << "there is no column 15";
}

TEST_F(LogViewLayout, TheStoredLayoutGivesOrderWidthsAndVisibility) {
    RegWriteInt(REG_COLUMNS_INDEX_KEY, "Description", 0);
    RegWriteInt(REG_COLUMNS_INDEX_KEY, "Start", 1);
    RegWriteInt(REG_COLUMNS_WIDTH_KEY, "Start", 30);
    RegWriteBool(REG_COLUMNS_VISIBLE_KEY, "Billed", false);
    RegWriteBool(REG_COLUMNS_VISIBLE_KEY, "Client", true);
    RegWriteString(REG_COLUMNS_VISIBLE_KEY, "Project", "maybe"); // not a flag: the default
    ASSERT_NE(MakeView(), nullptr);
    const std::vector<std::string> titles = HeaderTitles(view);
    ASSERT_GE(titles.size(), 3u);
    EXPECT_EQ(titles[0], "Description");
    EXPECT_EQ(titles[1], "Start");
    EXPECT_TRUE(view->IsColumnHidden(CLogView::colBilled));
    EXPECT_FALSE(view->IsColumnHidden(CLogView::colClient));
    EXPECT_FALSE(view->IsColumnHidden(CLogView::colProject));
    EXPECT_EQ(view->GetColumnShare(view->FindColumnIndex(CLogView::colStart)), 3000u);
}

TEST_F(LogViewLayout, ADamagedLayoutLosesNoColumn) {
    // Positions that repeat, run past the end or below zero, and widths out of range.
    RegWriteInt(REG_COLUMNS_INDEX_KEY, "Start", 3);
    RegWriteInt(REG_COLUMNS_INDEX_KEY, "Stop", 3);
    RegWriteInt(REG_COLUMNS_INDEX_KEY, "Project", 900);
    RegWriteInt(REG_COLUMNS_INDEX_KEY, "Billed", -4);
    RegWriteInt(REG_COLUMNS_WIDTH_KEY, "Description", 5000000);
    RegWriteInt(REG_COLUMNS_WIDTH_KEY, "Stop", -70);
    ASSERT_NE(MakeView(), nullptr);
    ASSERT_EQ(view->GetColumnCount(), 16);
    std::vector<int> ids;
    for (int i = 0; i < view->GetColumnCount(); ++i)
        ids.push_back(view->GetColumnAt(i)->m_ColumnId);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17}));
    const std::vector<DWORD> shares = ShownShares(view);
    EXPECT_LE(std::accumulate(shares.begin(), shares.end(), 0ul), 10000ul);
}

TEST_F(LogViewLayout, WithoutDescriptionTheOtherColumnsGrowInProportion) {
    RegWriteBool(REG_COLUMNS_VISIBLE_KEY, "Description", false);
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_EQ(ShownShares(view), (std::vector<DWORD>{2545, 2545, 1818, 2181, 909}));
}

TEST_F(LogViewLayout, AResizeTakesFromTheRightAndIsThereAfterARestart) {
    ASSERT_NE(MakeView(), nullptr);
    const int dataWidth = view->GetDataWidth();
    const ROWCOL stopCol = view->GetGridColOfColumn(view->FindColumnIndex(CLogView::colStop));
    const ROWCOL startCol = view->GetGridColOfColumn(view->FindColumnIndex(CLogView::colStart));
    const int startWidth = view->GetColWidth(startCol);
    // Narrower than before: the difference is negative and goes to the columns on the right.
    const int narrow = dataWidth / 25;
    ASSERT_TRUE(view->StoreColWidth(stopCol, narrow));
    EXPECT_EQ(view->GetColWidth(startCol), startWidth) << "columns to the left keep their width";
    std::vector<DWORD> shares = ShownShares(view);
    EXPECT_EQ(shares[1], static_cast<DWORD>(LogColumnShares::ShareOfWidth(narrow, dataWidth)));
    EXPECT_EQ(std::accumulate(shares.begin(), shares.end(), 0ul), 10000ul);
    for (DWORD share : shares)
        EXPECT_LE(share, 10000u) << "no share wraps round";
    // Wider than the right can give: limited to the whole.
    ASSERT_TRUE(view->StoreColWidth(stopCol, dataWidth * 3));
    shares = ShownShares(view);
    EXPECT_EQ(std::accumulate(shares.begin(), shares.end(), 0ul), 10000ul);
    EXPECT_EQ(shares[1], 10000u - shares[0]);
    // A middle width is written, and a restart reads the same layout.
    const int middle = dataWidth / 5;
    ASSERT_TRUE(view->StoreColWidth(stopCol, middle));
    const std::vector<DWORD> before = ShownShares(view);
    int stored = 0;
    EXPECT_TRUE(RegReadInt(REG_COLUMNS_WIDTH_KEY, "Stop", &stored));
    EXPECT_EQ(stored, static_cast<int>(before[1] / 100));
    view->SetupColumns();
    const std::vector<DWORD> after = ShownShares(view);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_NEAR(static_cast<double>(after[i]), static_cast<double>(before[i]), 100.0) << "column " << i;
}

TEST_F(LogViewLayout, TheLastColumnIsNotResized) {
    ASSERT_NE(MakeView(), nullptr);
    const std::vector<DWORD> before = ShownShares(view);
    EXPECT_FALSE(view->StoreColWidth(view->GetColCount(), 50));
    // Billed is the last shown column: only hidden columns lie to its right.
    EXPECT_FALSE(
        view->StoreColWidth(view->GetGridColOfColumn(view->FindColumnIndex(CLogView::colBilled)), 50));
    EXPECT_EQ(ShownShares(view), before);
}

class LogViewRows : public LogViewTest {
protected:
    void SetUp() override {
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        first = AddEntry(At(2024, 3, 4, 9), At(2024, 3, 4, 10, 30), alpha, "Design review");
        second = AddEntry(At(2024, 3, 5, 8), At(2024, 3, 5, 9), beta, "Write minutes");
        third = AddEntry(At(2024, 3, 6, 13), CTime(static_cast<__time64_t>(0)), alpha, "Call the printer");
    }

    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CLogEntry* first = nullptr;
    CLogEntry* second = nullptr;
    CLogEntry* third = nullptr;
};

TEST_F(LogViewRows, RowsShowTheEntriesInLogOrder) {
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_EQ(view->GetRecordCount(), 3);
    const CLogEntry* entries[] = {first, second, third};
    for (ROWCOL row = 1; row <= 3; ++row) {
        const CLogEntry* entry = entries[row - 1];
        EXPECT_EQ(view->GetEntryAtRow(row), entry);
        for (int id : {CLogView::colStart, CLogView::colStop, CLogView::colElapsed, CLogView::colProject,
                       CLogView::colDescription, CLogView::colBilled}) {
            CString expected;
            entry->GetColumnText(expected, id);
            EXPECT_EQ(Cell(row, id), expected) << "row " << row << " column " << id;
        }
    }
    EXPECT_EQ(Cell(3, CLogView::colStop), CString()) << "the running entry has no stop";
    EXPECT_EQ(Cell(2, CLogView::colProject), CString("Beta"));
    EXPECT_EQ(view->GetEntryAtRow(4), nullptr) << "the append row";
    EXPECT_EQ(Cell(4, CLogView::colStart), CString());
    EXPECT_EQ(view->GetEntryAtRow(0), nullptr);
}

TEST_F(LogViewRows, CellsTakeTheirColumnsControls) {
    ASSERT_NE(MakeView(), nullptr);
    const CGEStyle& billed = StyleOf(1, CLogView::colBilled);
    EXPECT_EQ(billed.GetControl(), kCtrlCheckBox3d);
    EXPECT_EQ(billed.GetHorizontalAlignment(), static_cast<UINT>(DT_CENTER));
    EXPECT_EQ(billed.GetTextColor(), RGB(128, 128, 128));
    const CGEStyle& project = StyleOf(1, CLogView::colProject);
    EXPECT_EQ(project.GetControl(), kCtrlStatic);
    EXPECT_EQ(project.GetHorizontalAlignment(), static_cast<UINT>(DT_LEFT));
    EXPECT_EQ(project.GetTextColor(), RGB(0, 0, 0));
    EXPECT_TRUE(project.GetEnabled());
    EXPECT_FALSE(project.GetReadOnly());
}

TEST_F(LogViewRows, EntriesThatWaitOrAreReadOnlyAreColoured) {
    second->m_OpenPending = 1;
    third->m_Pending = 1;
    first->m_Mark1 = 1;
    ASSERT_NE(MakeView(), nullptr);
    const CGEStyle& readOnly = StyleOf(2, CLogView::colDescription);
    EXPECT_EQ(readOnly.GetInterior().GetColor(), RGB(204, 204, 204));
    EXPECT_EQ(readOnly.GetTextColor(), RGB(128, 128, 128));
    EXPECT_TRUE(readOnly.GetReadOnly());
    EXPECT_FALSE(readOnly.GetEnabled());
    EXPECT_EQ(StyleOf(3, CLogView::colDescription).GetTextColor(), RGB(255, 0, 0));
    EXPECT_EQ(StyleOf(1, CLogView::colProject).GetTextColor(), RGB(255, 0, 0)) << "waiting for QuickBooks";
    // Both apply: the red text of a waiting entry wins over the grey.
    second->m_Pending = 1;
    view->RefreshEntryRow(second);
    EXPECT_EQ(StyleOf(2, CLogView::colDescription).GetTextColor(), RGB(255, 0, 0));
    // The marks follow the entry, not the row it once had.
    second->m_OpenPending = 0;
    second->m_Pending = 0;
    view->RefreshAllRows();
    EXPECT_EQ(StyleOf(2, CLogView::colDescription).GetTextColor(), RGB(0, 0, 0));
}

TEST_F(LogViewRows, TheGrayBarTintsEveryOtherRowFromTheFirst) {
    RegWriteBool(REG_PREFS, "GrayBar", true);
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_TRUE(view->GetGrayBar());
    EXPECT_EQ(StyleOf(1, CLogView::colStart).GetInterior().GetColor(), RGB(244, 244, 255));
    EXPECT_EQ(StyleOf(2, CLogView::colStart).GetInterior().GetColor(), RGB(255, 255, 255));
    EXPECT_EQ(StyleOf(3, CLogView::colBilled).GetInterior().GetColor(), RGB(244, 244, 255));
    RegWriteBool(REG_PREFS, "GrayBar", false);
    view->ApplyGrayBar();
    for (ROWCOL row = 1; row <= 3; ++row)
        EXPECT_EQ(StyleOf(row, CLogView::colStart).GetInterior().GetColor(), RGB(255, 255, 255));
    RegRemoveValue(REG_PREFS, "GrayBar");
    view->ApplyGrayBar();
    EXPECT_FALSE(view->GetGrayBar()) << "a missing flag reads as off";
}

TEST_F(LogViewRows, EntryRowsAreFoundAndWalked) {
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_EQ(view->FindEntryRow(second), 2u);
    EXPECT_EQ(view->FindEntryRow(nullptr), 0u);
    CLogEntry stranger;
    EXPECT_EQ(view->FindEntryRow(&stranger), 0u);
    EXPECT_EQ(view->GetNextEntryRow(0, TRUE), 1u);
    EXPECT_EQ(view->GetNextEntryRow(1, TRUE), 2u);
    EXPECT_EQ(view->GetNextEntryRow(3, TRUE), 0u) << "the append row shows no entry";
    EXPECT_EQ(view->GetNextEntryRow(4, FALSE), 3u);
    EXPECT_EQ(view->GetNextEntryRow(1, FALSE), 0u);
    EXPECT_FALSE(view->HasUnfinishedRow());
}

TEST_F(LogViewRows, FindNextSearchesUpwardFromTheBottomAndWrapsOnce) {
    AddEntry(At(2024, 3, 7, 9), At(2024, 3, 7, 10), beta, "Review the budget");
    ASSERT_NE(MakeView(), nullptr);
    CFindRequest request;
    request.phrase = "review";
    request.words.Add("review");
    CString guid;
    int column = 0;
    // From the bottom: row 4 first, then row 1, then round to row 4 again.
    ASSERT_TRUE(view->FindNext(request, FALSE, guid, &column));
    EXPECT_EQ(view->GetLastFoundRow(), 4u);
    EXPECT_EQ(column, CLogView::colDescription);
    ASSERT_TRUE(view->FindNext(view->GetFindSpec(), FALSE, guid));
    EXPECT_EQ(view->GetLastFoundRow(), 1u);
    EXPECT_EQ(guid, first->m_GUID);
    ASSERT_TRUE(view->FindNext(view->GetFindSpec(), FALSE, guid));
    EXPECT_EQ(view->GetLastFoundRow(), 4u);
    // A text no entry holds.
    CFindRequest nothing;
    nothing.phrase = "xylophone";
    nothing.words.Add("xylophone");
    EXPECT_FALSE(view->FindNext(nothing, FALSE, guid));
    EXPECT_TRUE(guid.IsEmpty());
}

TEST_F(LogViewRows, TheDocumentsHintChangesNothing) {
    ASSERT_NE(MakeView(), nullptr);
    frame->ShowWindow(SW_SHOWNOACTIVATE);
    PumpPending();
    view->ValidateRect(nullptr);
    CLogHint hint;
    doc.UpdateAllViews(nullptr, 0, &hint);
    EXPECT_FALSE(::GetUpdateRect(view->GetSafeHwnd(), nullptr, FALSE));
    doc.UpdateAllViews(nullptr, 0, nullptr);
    EXPECT_TRUE(::GetUpdateRect(view->GetSafeHwnd(), nullptr, FALSE));
}

// ---------------------------------------------------------------- row marks

class LogRowMarks : public LogViewRows {
protected:
    CLogRowMarkerControl* Marker() {
        return dynamic_cast<CLogRowMarkerControl*>(view->GetRegisteredControl(IDS_CTRL_LOG_ROW_HEADER));
    }
};

TEST_F(LogRowMarks, TheRunningEntryIsMarkedWhileTheDocumentTimesIt) {
    ASSERT_NE(MakeView(), nullptr);
    CLogRowMarkerControl* marker = Marker();
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(view->GetRowHeaderStyle().GetControl(), IDS_CTRL_LOG_ROW_HEADER);
    struct Case {
        const char* what;
        bool timing;
        const char* guid; // nullptr: no value
        CLogRowMarkerControl::Mark mark;
    };
    const CString own = third->m_GUID;
    CString lower = own;
    lower.MakeLower();
    const Case cases[] = {
        {"not timing", false, nullptr, CLogRowMarkerControl::markNone},
        {"timing, no Guid value", true, nullptr, CLogRowMarkerControl::markRunning},
        {"timing, empty Guid", true, "", CLogRowMarkerControl::markRunning},
        {"timing, its own Guid in other letters", true, lower, CLogRowMarkerControl::markRunning},
        {"timing another entry", true, "0D9C-OTHER", CLogRowMarkerControl::markNone},
    };
    for (const Case& c : cases) {
        doc.m_bTiming = c.timing;
        if (c.guid == nullptr)
            RegRemoveValue(REG_LOGGING, "Guid");
        else
            RegWriteString(REG_LOGGING, "Guid", c.guid);
        EXPECT_EQ(marker->GetRowMark(3), c.mark) << c.what;
        EXPECT_EQ(marker->GetRowMark(2), CLogRowMarkerControl::markNone) << c.what << ": a stopped entry";
    }
    doc.m_bTiming = false;
}

TEST_F(LogRowMarks, CacheMarksAndTheCurrentRowComeFirst) {
    ASSERT_NE(MakeView(), nullptr);
    CLogRowMarkerControl* marker = Marker();
    ASSERT_NE(marker, nullptr);
    doc.m_bTiming = true;
    third->m_Mark1 = 1;
    EXPECT_EQ(marker->GetRowMark(3), CLogRowMarkerControl::markWaitQuickBooks);
    third->m_Pending = 1;
    EXPECT_EQ(marker->GetRowMark(3), CLogRowMarkerControl::markWaitDatabase);
    ASSERT_TRUE(view->SetCurrentCell(3, 1, GE_NOREDRAW));
    EXPECT_EQ(marker->GetRowMark(3), CLogRowMarkerControl::markCurrent);
    doc.m_bTiming = false;
}

// Draws one row header into a white 32-bit bitmap and tells whether a pixel of the mark's dark green
// shows.
bool DrawsRunningMark(CLogRowMarkerControl* marker, CLogView* view, int width, int height) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = wintest::CreateTopDownDib(dc.GetSafeHdc(), width, height, 32, &bits);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), bitmap);
    dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    const CGEStyle& style = view->LookupStyleRowCol(3, 0);
    marker->Draw(&dc, CRect(0, 0, width, height), 3, 0, style, nullptr);
    ::GdiFlush();
    bool found = false;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        found = found || (pixels[i] & 0xFFFFFF) == 0x008000;
    ::SelectObject(dc.GetSafeHdc(), old);
    ::DeleteObject(bitmap);
    return found;
}

TEST_F(LogRowMarks, AMarkIsDrawnOnlyWhenItFitsTheCell) {
    ASSERT_NE(MakeView(), nullptr);
    CLogRowMarkerControl* marker = Marker();
    ASSERT_NE(marker, nullptr);
    doc.m_bTiming = true;
    RegRemoveValue(REG_LOGGING, "Guid");
    ASSERT_EQ(marker->GetMarkSize(CLogRowMarkerControl::markRunning), CSize(11, 12));
    EXPECT_TRUE(DrawsRunningMark(marker, view, 30, 19));
    EXPECT_FALSE(DrawsRunningMark(marker, view, 30, 10)) << "lower than the picture";
    EXPECT_FALSE(DrawsRunningMark(marker, view, 8, 19)) << "narrower than the picture";
    doc.m_bTiming = false;
    EXPECT_FALSE(DrawsRunningMark(marker, view, 30, 19)) << "nothing runs";
}

} // namespace
