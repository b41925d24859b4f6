// The time log view as the user works with it: sorting by a column (the header click and the stored
// sort), the sort arrow, values checked into the edit buffer, clicks and the
// right click, and the Show Columns dialog with Close and with Escape.
#include "ViewTestSupport.h"

#include "data/CCategory.h"
#include "foundation/LocaleFormat.h"
#include "framework/win/CDC.h"
#include "framework/win/CListCtrl.h"
#include "framework/win/CWinApp.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"
#include "resource.h"
#include "views/CGridColumn.h"
#include "views/CSortHeader.h"
#include "views/CViewColumnsDlg.h"

#include <memory>
#include <string>
#include <vector>

using namespace viewtest;

namespace {

class LogViewEdit : public LogViewTest {
protected:
    void SetUp() override {
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        doc.AddCategory(new CCategory("Meeting", ""));
        doc.AddCategory(new CCategory("Design", ""));
        // Log order is not start order, so that a sort shows.
        first = AddEntry(At(2024, 3, 5, 8), At(2024, 3, 5, 9), beta, "write minutes");
        second = AddEntry(At(2024, 3, 4, 9), At(2024, 3, 4, 10, 30), alpha, "Design review");
        third = AddEntry(At(2024, 3, 6, 13), At(2024, 3, 6, 14), alpha, "Call the printer");
    }

    // The descriptions of the rows, top to bottom.
    std::vector<std::string> Descriptions() {
        std::vector<std::string> rows;
        for (ROWCOL row = 1; row <= 3; ++row)
            rows.emplace_back(static_cast<LPCSTR>(Cell(row, CLogView::colDescription)));
        return rows;
    }
    ROWCOL GridCol(int columnId) { return view->GetGridColOfColumn(view->FindColumnIndex(columnId)); }
    // A completed left click on a cell, as the engine reports it.
    void Click(ROWCOL row, ROWCOL col) {
        view->OnLButtonHitRowCol(row, col, row, col, CPoint(), 0, GE_MR_UP);
    }

    AnsweringApp app;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CLogEntry* first = nullptr;
    CLogEntry* second = nullptr;
    CLogEntry* third = nullptr;
};

TEST_F(LogViewEdit, TheStoredSortOrdersTheRowsAndAHeaderClickTurnsIt) {
    RegWriteString(REG_SORT, "Column", "start"); // titles compare ignoring case
    RegWriteBool(REG_SORT, "Ascending", true);
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_EQ(view->GetSortColumnId(), CLogView::colStart);
    EXPECT_EQ(Descriptions(),
              (std::vector<std::string>{"Design review", "write minutes", "Call the printer"}));
    EXPECT_EQ(view->GetEntryAtRow(1), second) << "a row shows the entry of its record";

    // The first click on Description sorts ascending, case-sensitive; the second reverses.
    const ROWCOL description = GridCol(CLogView::colDescription);
    Click(0, description);
    EXPECT_EQ(Descriptions(),
              (std::vector<std::string>{"Call the printer", "Design review", "write minutes"}));
    CString stored;
    RegReadString(REG_SORT, "Column", stored);
    EXPECT_STREQ(stored, "Description");
    Click(0, description);
    EXPECT_EQ(Descriptions(),
              (std::vector<std::string>{"write minutes", "Design review", "Call the printer"}));
    bool ascending = true;
    EXPECT_TRUE(RegReadBool(REG_SORT, "Ascending", &ascending));
    EXPECT_FALSE(ascending);
    EXPECT_EQ(view->GetSortColumnId(), CLogView::colDescription);
    Click(0, description);
    EXPECT_EQ(Descriptions(),
              (std::vector<std::string>{"Call the printer", "Design review", "write minutes"}));
}

TEST_F(LogViewEdit, AStoredSortThatNamesNoColumnLeavesTheLogOrder) {
    RegWriteString(REG_SORT, "Column", "Colour");
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_EQ(view->GetSortColumnId(), 0);
    EXPECT_FALSE(view->GetSortAscending()) << "a missing Ascending reads as descending";
    EXPECT_EQ(Descriptions(),
              (std::vector<std::string>{"write minutes", "Design review", "Call the printer"}));
}

TEST_F(LogViewEdit, TheSortedColumnsHeaderShowsTheArrow) {
    ASSERT_NE(MakeView(), nullptr);
    const ROWCOL start = GridCol(CLogView::colStart);
    EXPECT_EQ(view->LookupStyleRowCol(0, start).GetControl(), IDS_CTRL_SORT_HEADER);
    auto* header = dynamic_cast<CSortHeader*>(view->GetRegisteredControl(IDS_CTRL_SORT_HEADER));
    ASSERT_NE(header, nullptr);
    // Draws a header cell into a bitmap; true when the arrow's shadow colour shows.
    auto arrowShows = [&](ROWCOL col) {
        const int width = 120, height = 20;
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        HBITMAP bitmap = wintest::CreateTopDownDib(dc.GetSafeHdc(), width, height, 32, &bits);
        HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), bitmap);
        const CRect cell(0, 0, width, height);
        header->Draw(&dc, cell, 0, col, view->LookupStyleRowCol(0, col), nullptr);
        ::GdiFlush();
        const DWORD shadow = ::GetSysColor(COLOR_BTNSHADOW);
        const DWORD shadowPixel = (GetRValue(shadow) << 16) | (GetGValue(shadow) << 8) | GetBValue(shadow);
        bool found = false;
        const auto* pixels = static_cast<const DWORD*>(bits);
        for (int i = 0; i < width * height; ++i)
            found = found || (pixels[i] & 0xFFFFFF) == shadowPixel;
        ::SelectObject(dc.GetSafeHdc(), old);
        ::DeleteObject(bitmap);
        return found;
    };
    EXPECT_FALSE(arrowShows(start)) << "nothing is sorted yet";
    Click(0, start);
    EXPECT_TRUE(arrowShows(start));
    EXPECT_FALSE(arrowShows(GridCol(CLogView::colStop)));
}

TEST_F(LogViewEdit, ValuesAreStoredIntoTheEditBufferOrRefused) {
    ASSERT_NE(MakeView(), nullptr);
    CLogEntry& buffer = view->GetEditBuffer();
    buffer = *second;
    struct Case {
        const char* what;
        int column;
        const char* text;
        BOOL stored;
        UINT message; // 0: none
    };
    const Case cases[] = {
        {"billed", CLogView::colBilled, "1", TRUE, 0},
        {"a project by name, ignoring case", CLogView::colProject, "beta", TRUE, 0},
        {"an unknown project", CLogView::colProject, "Gamma", FALSE, IDS_PROJECT_INVALID},
        {"an unknown category", CLogView::colCategory, "Lunch", FALSE, IDS_CATEGORY_INVALID},
        {"an unreadable start", CLogView::colStart, "soon", FALSE, IDS_START_INVALID},
        {"an unreadable stop", CLogView::colStop, "later", FALSE, IDS_STOP_INVALID},
        {"a derived column", CLogView::colElapsed, "9:99", TRUE, 0},
    };
    for (const Case& c : cases) {
        view->SetWarningText("");
        EXPECT_EQ(view->StoreField(c.column, c.text), c.stored) << c.what;
        EXPECT_EQ(std::string(static_cast<LPCSTR>(view->GetWarningText())), c.message ? Text(c.message) : "")
            << c.what;
    }
    EXPECT_EQ(buffer.m_Billed, 1);
    EXPECT_EQ(buffer.m_pProject, beta);
    EXPECT_TRUE(view->StoreField(CLogView::colBilled, "yes"));
    EXPECT_EQ(buffer.m_Billed, 0) << "anything but 1 clears the flag";
    EXPECT_TRUE(view->StoreField(CLogView::colProject, ""));
    EXPECT_EQ(buffer.m_pProject, nullptr);
    EXPECT_TRUE(view->StoreField(CLogView::colCategory, ""));
    EXPECT_STREQ(buffer.m_pCategory->m_Name, doc.GetCategoryAt(0)->m_Name) << "the first category";
    EXPECT_EQ(second->m_pProject, alpha) << "the document's entry is not touched";
}

TEST_F(LogViewEdit, AHiddenStartColumnGivesANewEntryTheCurrentTime) {
    RegWriteBool(REG_COLUMNS_VISIBLE_KEY, "Start", false);
    ASSERT_NE(MakeView(), nullptr);
    view->GetEditBuffer() = CLogEntry();
    const CTime before = CTime::GetCurrentTime();
    EXPECT_TRUE(view->StoreField(CLogView::colStart, ""));
    EXPECT_GE(view->GetEditBuffer().m_StartTime, before);
    EXPECT_LE(view->GetEditBuffer().m_StartTime, CTime::GetCurrentTime());
}

TEST_F(LogViewEdit, AClickOnATextCellOpensTheEntryUnlessRowsAreEdited) {
    ASSERT_NE(MakeView(), nullptr);
    PumpPending();
    auto viewTaskPosted = [&] {
        MSG msg;
        bool posted = false;
        while (::PeekMessageA(&msg, frame->GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
            posted = posted || LOWORD(msg.wParam) == ID_VIEW_TASK;
        return posted;
    };
    Click(2, GridCol(CLogView::colDescription));
    EXPECT_TRUE(viewTaskPosted());
    EXPECT_EQ(view->GetSelectedEntry(), second);
    Click(2, GridCol(CLogView::colBilled));
    EXPECT_FALSE(viewTaskPosted()) << "a check box toggles in place";
    RegWriteBool(REG_PREFS, "Edit rows", true);
    Click(3, GridCol(CLogView::colDescription));
    EXPECT_FALSE(viewTaskPosted());
}

TEST_F(LogViewEdit, ARightClickSelectsTheWholeRowOfItsEntry) {
    ASSERT_NE(MakeView(), nullptr);
    EXPECT_TRUE(view->SelectContextRow(3));
    EXPECT_EQ(view->GetSelectedEntry(), third);
    CDWordArray starts, ends;
    view->GetSelectedRows(starts, ends);
    ASSERT_EQ(starts.GetSize(), 1);
    EXPECT_EQ(starts[0], 3u);
    EXPECT_EQ(ends[0], 3u);
    EXPECT_FALSE(view->SelectContextRow(0));
    EXPECT_FALSE(view->SelectContextRow(4)) << "the append row";
}

// The dialog made modeless on the view, driven as the user drives it.
class ShowColumns : public LogViewEdit {
protected:
    void Open() {
        dlg = std::make_unique<CViewColumnsDlg>(view, frame);
        ASSERT_TRUE(dlg->Create(IDD_SHOW_COLUMNS, frame));
    }
    void Select(CListCtrl& list, const char* title) {
        for (int i = 0; i < list.GetItemCount(); ++i) {
            if (list.GetItemText(i, 0) == title)
                list.SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        }
    }
    void Press(UINT id) { dlg->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    std::vector<std::string> Items(CListCtrl& list) {
        std::vector<std::string> items;
        for (int i = 0; i < list.GetItemCount(); ++i)
            items.emplace_back(static_cast<LPCSTR>(list.GetItemText(i, 0)));
        return items;
    }
    void TearDown() override {
        if (dlg && dlg->GetSafeHwnd() != nullptr)
            dlg->DestroyWindow();
    }
    std::unique_ptr<CViewColumnsDlg> dlg;
};

TEST_F(ShowColumns, EscapeLeavesTheViewAsItWas) {
    ASSERT_NE(MakeView(), nullptr);
    Open();
    EXPECT_EQ(Items(dlg->GetShownList()),
              (std::vector<std::string>{"Start", "Stop", "Actual Work", "Project", "Description", "Billed"}));
    Select(dlg->GetAvailableList(), "Category");
    Press(IDC_COLUMNS_ADD);
    Select(dlg->GetShownList(), "Start");
    Press(IDC_COLUMNS_DOWN);
    EXPECT_EQ(Items(dlg->GetShownList()), (std::vector<std::string>{"Stop", "Start", "Actual Work", "Project",
                                                                    "Category", "Description", "Billed"}));
    Press(IDCANCEL);
    EXPECT_TRUE(view->IsColumnHidden(CLogView::colCategory));
    EXPECT_EQ(view->FindColumnIndex(CLogView::colStart), 0);
    bool visible = false;
    EXPECT_FALSE(RegReadBool(REG_COLUMNS_VISIBLE_KEY, "Category", &visible)) << "nothing written";
}

TEST_F(ShowColumns, CloseShowsTheChosenColumnsInTheirOrder) {
    ASSERT_NE(MakeView(), nullptr);
    Open();
    Select(dlg->GetShownList(), "Actual Work");
    Press(IDC_COLUMNS_REMOVE);
    EXPECT_EQ(Items(dlg->GetAvailableList()).front(), "Actual Work");
    Select(dlg->GetAvailableList(), "Client");
    Press(IDC_COLUMNS_ADD);
    Select(dlg->GetShownList(), "Client");
    Press(IDC_COLUMNS_UP);
    Press(IDOK);
    view->ApplyColumnChoice();
    EXPECT_TRUE(view->IsColumnHidden(CLogView::colElapsed));
    EXPECT_FALSE(view->IsColumnHidden(CLogView::colClient));
    std::vector<std::string> shown;
    for (ROWCOL col = 1; col <= view->GetColCount(); ++col) {
        if (view->GetColWidth(col) > 0)
            shown.emplace_back(static_cast<LPCSTR>(view->GetCellValue(0, col)));
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"Start", "Stop", "Project", "Description", "Client", "Billed"}));
    bool visible = false;
    EXPECT_TRUE(RegReadBool(REG_COLUMNS_VISIBLE_KEY, "Client", &visible));
    EXPECT_TRUE(visible);
}

} // namespace
