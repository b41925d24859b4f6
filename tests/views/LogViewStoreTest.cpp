// Values that reach the log grid (pasted, or toggled in a check box) stored into the entries through the
// document, refused values that change nothing, deleting rows, and the view's commands.
#include "ViewTestSupport.h"

#include "../RecordingCmdUI.h"
#include "../timelog/ModelTestSupport.h"
#include "data/CCategory.h"
#include "data/CSubsystem.h"
#include "foundation/LocaleFormat.h"
#include "framework/win/CCmdUI.h"
#include "grid/core/CGEBrowseParam.h"
#include "resource.h"
#include "views/StopBeforeStart.h"

#include <string>
#include <utility>
#include <vector>

using namespace viewtest;

namespace {

// The fields of an entry that a log column shows, by column id.
constexpr int kShownFields[] = {CLogView::colStart,   CLogView::colStop,     CLogView::colElapsed,
                                CLogView::colProject, CLogView::colCategory, CLogView::colDescription,
                                CLogView::colBilled,  CLogView::colBillable, CLogView::colText1,
                                CLogView::colText2,   CLogView::colText3,    CLogView::colSubsystem};

std::string FieldText(const CLogEntry& entry, int columnId) {
    CString text;
    entry.GetColumnText(text, columnId);
    return static_cast<LPCSTR>(text);
}

std::vector<std::string> Fields(const CLogEntry& entry) {
    std::vector<std::string> fields;
    for (int id : kShownFields)
        fields.push_back(FieldText(entry, id));
    return fields;
}

std::string TimeText(CTime time) {
    return static_cast<LPCSTR>(AcxFormatDateTime(time));
}

class LogViewStore : public LogViewTest {
protected:
    void SetUp() override {
        // Every column shown, so that each one takes values as the user sees it.
        for (const char* title :
             {"Category", "Billable", "Client", "Text 1", "Text 2", "Text 3", "Subsystem"})
            RegWriteBool(REG_COLUMNS_VISIBLE_KEY, title, true);
        alpha = AddProject("Alpha");
        beta = AddProject("Beta");
        doc.AddCategory(new CCategory("Meeting", ""));
        doc.AddCategory(new CCategory("Design", ""));
        backend = new CSubsystem("Backend");
        doc.AddSubsystem(backend);
        alpha->AddSubsystem(backend);
        AddEntry(At(2024, 3, 5, 8), At(2024, 3, 5, 9), beta, "write minutes");
        edited = AddEntry(At(2024, 3, 4, 9), At(2024, 3, 4, 10, 30), alpha, "Design review");
        edited->m_Billed = 1;
        AddEntry(At(2024, 3, 6, 13), At(2024, 3, 6, 14), alpha, "Call the printer");
        ASSERT_NE(MakeView(), nullptr);
        logFrame.doc = &doc;
        logFrame.logView = view;
    }

    ROWCOL GridCol(int columnId) { return view->GetGridColOfColumn(view->FindColumnIndex(columnId)); }
    // A value arrives in a cell, as a paste brings it; not yet stored.
    bool Put(ROWCOL row, int columnId, const std::string& text) {
        const ROWCOL col = GridCol(columnId);
        return view->SetValueRange(CGECellRange(row, col, row, col), text.c_str()) != FALSE;
    }
    // A value arrives in a cell and the row is stored.
    bool Store(ROWCOL row, int columnId, const std::string& text) {
        return Put(row, columnId, text) && view->Update(FALSE) != FALSE;
    }
    std::vector<std::string> Descriptions() {
        std::vector<std::string> rows;
        for (int i = 0; i < doc.GetLogEntryCount(); ++i)
            rows.emplace_back(static_cast<LPCSTR>(doc.GetLogEntryAt(i)->m_Desc));
        return rows;
    }

    AnsweringApp app;
    modeltest::RecordingFrame logFrame;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
    CSubsystem* backend = nullptr;
    CLogEntry* edited = nullptr; // shown in row 2
};

TEST_F(LogViewStore, AValueInACellIsStoredIntoItsEntry) {
    struct Case {
        const char* what;
        int column;
        std::string text;
        std::string shown; // what the entry then shows in that column
    };
    const Case cases[] = {
        {"a description", CLogView::colDescription, "Agenda", "Agenda"},
        {"a project, ignoring case", CLogView::colProject, "beta", "Beta"},
        {"no project", CLogView::colProject, "", ""},
        {"a category, ignoring case", CLogView::colCategory, "design", "Design"},
        {"no category: the first one", CLogView::colCategory, "", "Meeting"},
        {"billed: anything but 1 clears it", CLogView::colBilled, "yes", "0"},
        {"billable", CLogView::colBillable, "1", "1"},
        {"text 1", CLogView::colText1, "first", "first"},
        {"text 2", CLogView::colText2, "second", "second"},
        {"text 3", CLogView::colText3, "third", "third"},
        {"a subsystem of the entry's project", CLogView::colSubsystem, "backend", "Backend"},
        {"a start", CLogView::colStart, TimeText(At(2024, 3, 4, 8, 15)), TimeText(At(2024, 3, 4, 8, 15))},
        {"a stop", CLogView::colStop, TimeText(At(2024, 3, 4, 11)), TimeText(At(2024, 3, 4, 11))},
    };
    const CLogEntry original(*edited);
    for (const Case& c : cases) {
        *edited = original;
        app.prompts.clear();
        EXPECT_TRUE(Store(2, c.column, c.text)) << c.what;
        EXPECT_EQ(FieldText(*edited, c.column), c.shown) << c.what;
        EXPECT_EQ(std::string(Cell(2, c.column)), c.shown) << c.what;
        EXPECT_TRUE(app.prompts.empty()) << c.what;
        EXPECT_FALSE(view->HasUnfinishedRow()) << c.what;
        EXPECT_EQ(doc.GetLogEntryCount(), 3) << c.what;
    }
    // The duration follows a new start.
    *edited = original;
    ASSERT_TRUE(Store(2, CLogView::colStart, TimeText(At(2024, 3, 4, 10))));
    EXPECT_EQ(edited->m_Duration.GetTotalSeconds(), 30 * 60);
}

TEST_F(LogViewStore, ARefusedValueIsToldAndChangesNothing) {
    struct Case {
        const char* what;
        int column;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"an unknown project", CLogView::colProject, "Gamma", Text(IDS_PROJECT_INVALID)},
        {"an unknown category", CLogView::colCategory, "Lunch", Text(IDS_CATEGORY_INVALID)},
        {"an unreadable start", CLogView::colStart, "soon", Text(IDS_START_INVALID)},
        {"an unreadable stop", CLogView::colStop, "later", Text(IDS_STOP_INVALID)},
        {"a stop before the start", CLogView::colStop, TimeText(At(2024, 3, 4, 8)),
         static_cast<LPCSTR>(StopBeforeStartMessage(At(2024, 3, 4, 9)))},
        {"a start after the stop", CLogView::colStart, TimeText(At(2024, 3, 4, 11)),
         static_cast<LPCSTR>(StopBeforeStartMessage(At(2024, 3, 4, 11)))},
    };
    const std::vector<std::string> before = Fields(*edited);
    for (const Case& c : cases) {
        app.prompts.clear();
        EXPECT_FALSE(Store(2, c.column, c.text)) << c.what;
        EXPECT_EQ(app.prompts, std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(Fields(*edited), before) << c.what;
        EXPECT_FALSE(view->HasUnfinishedRow()) << c.what << ": the row shows its entry again";
        EXPECT_EQ(std::string(Cell(2, c.column)), FieldText(*edited, c.column)) << c.what;
    }
}

TEST_F(LogViewStore, TheNewEntryRowAddsAnEntryOrNothing) {
    const ROWCOL append = view->GetAppendRow();
    ASSERT_EQ(append, 4u);
    // A row without a stop is refused: nothing is added.
    ASSERT_TRUE(Put(append, CLogView::colStart, TimeText(At(2024, 3, 7, 9))));
    EXPECT_FALSE(view->Update(FALSE));
    EXPECT_EQ(app.prompts, std::vector<std::string>{Text(IDS_STOP_INVALID)});
    EXPECT_EQ(doc.GetLogEntryCount(), 3);
    EXPECT_EQ(view->GetAppendRow(), 4u);

    app.prompts.clear();
    ASSERT_TRUE(Put(append, CLogView::colStart, TimeText(At(2024, 3, 7, 9))));
    ASSERT_TRUE(Put(append, CLogView::colStop, TimeText(At(2024, 3, 7, 9, 45))));
    ASSERT_TRUE(Put(append, CLogView::colProject, "alpha"));
    ASSERT_TRUE(Put(append, CLogView::colDescription, "Plan the week"));
    EXPECT_TRUE(view->Update(FALSE));
    EXPECT_TRUE(app.prompts.empty());
    ASSERT_EQ(doc.GetLogEntryCount(), 4);
    const CLogEntry* added = doc.GetLogEntryAt(3);
    EXPECT_EQ(added->m_Desc, "Plan the week");
    EXPECT_EQ(added->m_pProject, alpha);
    EXPECT_EQ(FieldText(*added, CLogView::colCategory), "Meeting") << "the first category";
    EXPECT_EQ(added->m_Duration.GetTotalSeconds(), 45 * 60);
    EXPECT_FALSE(added->m_GUID.IsEmpty());
    EXPECT_EQ(view->GetEntryAtRow(4), added);
    EXPECT_EQ(view->GetAppendRow(), 5u);
}

TEST_F(LogViewStore, ACheckBoxStoresItsEntryAtOnce) {
    const ROWCOL billable = GridCol(CLogView::colBillable);
    // The check box puts its new value into the cell, then reports the click.
    ASSERT_TRUE(Put(2, CLogView::colBillable, "1"));
    view->OnChildButtonClicked(2, billable);
    EXPECT_EQ(edited->m_Billable, 1);
    EXPECT_FALSE(view->HasUnfinishedRow());
}

TEST_F(LogViewStore, DeletingRowsAsksAndRemovesTheirEntries) {
    struct Case {
        const char* what;
        std::vector<std::pair<ROWCOL, ROWCOL>> ranges;
        int answer;
        UINT question;
        std::vector<std::string> left;
    };
    const std::vector<std::string> all{"write minutes", "Design review", "Call the printer"};
    const Case cases[] = {
        {"one row", {{2, 2}}, IDYES, IDS_DELETE_ROW, {"write minutes", "Call the printer"}},
        {"a range of rows", {{1, 2}}, IDYES, IDS_DELETE_ROWS, {"Call the printer"}},
        {"two ranges", {{1, 1}, {3, 3}}, IDYES, IDS_DELETE_ROWS, {"Design review"}},
        {"No keeps them", {{1, 3}}, IDNO, IDS_DELETE_ROWS, all},
    };
    for (const Case& c : cases) {
        while (doc.GetLogEntryCount() > 0)
            doc.DeleteLogEntryByGUID(doc.GetLogEntryAt(0)->m_GUID, false);
        AddEntry(At(2024, 3, 5, 8), At(2024, 3, 5, 9), beta, "write minutes");
        AddEntry(At(2024, 3, 4, 9), At(2024, 3, 4, 10, 30), alpha, "Design review");
        AddEntry(At(2024, 3, 6, 13), At(2024, 3, 6, 14), alpha, "Call the printer");
        view->ClearSelection(FALSE);
        for (const auto& [first, last] : c.ranges)
            view->SelectRange(CGECellRange().SetRows(first, last), TRUE, FALSE);
        app.prompts.clear();
        app.answer = c.answer;
        view->HandleKeyDown(VK_DELETE, 1, 0);
        EXPECT_EQ(app.prompts, std::vector<std::string>{Text(c.question)}) << c.what;
        EXPECT_EQ(Descriptions(), c.left) << c.what;
        EXPECT_EQ(view->GetRowCount(), c.left.size() + 1) << c.what << ": the entries and the new-entry row";
        for (ROWCOL row = 1; row <= c.left.size(); ++row)
            EXPECT_NE(view->GetEntryAtRow(row), nullptr) << c.what << ", row " << row;
    }
}

TEST_F(LogViewStore, AReadOnlyRowRefusesTheWholeDeletionBeforeAsking) {
    doc.GetLogEntryAt(2)->m_OpenPending = 1;
    view->SelectRange(CGECellRange().SetRows(2, 3), TRUE, FALSE);
    view->HandleKeyDown(VK_DELETE, 1, 0);
    EXPECT_EQ(app.prompts, std::vector<std::string>{Text(IDS_DELETE_READ_ONLY_ROWS)});
    EXPECT_EQ(doc.GetLogEntryCount(), 3);
}

TEST_F(LogViewStore, DeletingTheRunningEntryEndsTheTiming) {
    CLogEntry task;
    task.m_pProject = beta;
    task.m_Desc = "timed";
    task.SetStartTime(CTime::GetCurrentTime());
    doc.StartTiming(&task);
    ASSERT_TRUE(doc.IsTiming());
    const CLogEntry* running = doc.GetRunningEntry();
    ASSERT_NE(running, nullptr);
    const ROWCOL row = view->FindEntryRow(running);
    ASSERT_NE(row, 0u);
    view->SelectRange(CGECellRange().SetRows(row, row), TRUE, FALSE);
    view->HandleKeyDown(VK_DELETE, 1, 0);
    EXPECT_EQ(app.prompts, std::vector<std::string>{Text(IDS_DELETE_ROW)});
    EXPECT_FALSE(doc.IsTiming());
    EXPECT_EQ(doc.GetRunningEntry(), nullptr);
    EXPECT_TRUE(CLogDoc::GetRunningGUID().IsEmpty());
    EXPECT_EQ(Descriptions(),
              (std::vector<std::string>{"write minutes", "Design review", "Call the printer"}));
}

TEST_F(LogViewStore, TheDeleteCommandDeletesTheSelectedRowThroughTheDeleteKey) {
    RecordingCmdUI nothingSelected(ID_EDIT_DELETE_ROWS);
    nothingSelected.DoUpdate(view, FALSE);
    EXPECT_FALSE(nothingSelected.enabled);

    view->SelectRange(CGECellRange().SetRows(3, 3), TRUE, FALSE);
    for (UINT id : {ID_EDIT_DELETE_ROWS, ID_EDIT_COPY}) {
        RecordingCmdUI rowSelected(id);
        rowSelected.DoUpdate(view, FALSE);
        EXPECT_TRUE(rowSelected.enabled) << id;
    }
    view->SendMessage(WM_COMMAND, ID_EDIT_DELETE_ROWS, 0);
    PumpPending();
    EXPECT_EQ(app.prompts, std::vector<std::string>{Text(IDS_DELETE_ROW)});
    EXPECT_EQ(Descriptions(), (std::vector<std::string>{"write minutes", "Design review"}));
}

} // namespace

namespace {

TEST_F(LogViewStore, TypingTheTimedProjectsNameStopsItsTiming) {
    CLogEntry task;
    task.m_pProject = beta;
    task.SetStartTime(CTime::GetCurrentTime());
    doc.StartTiming(&task);
    ASSERT_TRUE(doc.IsTiming());
    for (char ch : std::string("bet"))
        EXPECT_TRUE(view->HandleChar(static_cast<UINT>(ch), 1, 0)) << ch;
    EXPECT_TRUE(doc.IsTiming()) << "no project is named yet";
    EXPECT_TRUE(view->HandleChar('a', 1, 0));
    EXPECT_FALSE(doc.IsTiming());
    EXPECT_EQ(doc.GetLogEntryCount(), 4) << "the timed entry is stored";
}

TEST_F(LogViewStore, TheWheelScrollsOneLineAtATime) {
    struct Case {
        short delta;
        WPARAM scroll;
    };
    for (const Case c : {Case{-120, SB_LINEDOWN}, Case{120, SB_LINEUP}}) {
        PumpPending();
        view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), 0);
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, view->GetSafeHwnd(), WM_VSCROLL, WM_VSCROLL, PM_REMOVE)) << c.delta;
        EXPECT_EQ(LOWORD(msg.wParam), c.scroll) << c.delta;
    }
}

} // namespace
