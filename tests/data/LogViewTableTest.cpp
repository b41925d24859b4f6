// The time log view over a document that uses the database: what the user stores or deletes in the grid
// reaches the [Tasks] rows another copy of the program reads, and a refused row leaves them alone.
#include "TableTestSupport.h"

#include "../timelog/ModelTestSupport.h"
#include "../views/ViewTestSupport.h"
#include "foundation/LocaleFormat.h"
#include "timelog/LogClock.h"

#include <map>
#include <string>

using namespace datatest;

namespace {

class LogViewTable : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        viewtest::StartEngine();
        CreateTables({"Tasks", "Projects", "Categories", "Clients", "Subsystems", "Users", "Update"});
        m_doc->m_bUseDatabase = true;
        m_doc->m_bDatabaseUsable = true;
        m_doc->m_bAutoDelete = FALSE;
        m_alpha = m_doc->FindOrAddProject("Alpha", "");
        m_frame = new CFrameWnd;
        m_view = viewtest::CreateLogView(*m_doc, *m_frame, 800, 400);
        ASSERT_NE(m_view, nullptr);
        m_logFrame.doc = m_doc.get();
        m_logFrame.logView = m_view;
        AddStopped("write minutes", 3);
        AddStopped("Design review", 2);
    }
    void TearDown() override {
        if (m_frame != nullptr && m_frame->GetSafeHwnd() != nullptr)
            m_frame->DestroyWindow();
        TableSetTest::TearDown();
    }

    // A finished entry of the log, stored: half an hour that began hoursAgo hours ago.
    void AddStopped(const char* desc, int hoursAgo) {
        CLogEntry entry;
        entry.m_pProject = m_alpha;
        entry.m_Desc = desc;
        entry.SetStartTime(LogClock::Now() - CTimeSpan(0, hoursAgo, 0, 0));
        entry.SetStopTime(entry.m_StartTime + CTimeSpan(0, 0, 30, 0));
        m_doc->AddNewEntry(&entry, false, false);
    }
    bool Put(ROWCOL row, int columnId, const CString& text) {
        const ROWCOL col = m_view->GetGridColOfColumn(m_view->FindColumnIndex(columnId));
        return m_view->SetValueRange(CGECellRange(row, col, row, col), text) != FALSE;
    }
    // The rows another copy finds: description to billed flag and duration in minutes.
    std::map<std::string, std::string> StoredRows() {
        std::unique_ptr<CLogDoc> other = OtherCopy();
        bool more = true;
        for (bool restart = true; more; restart = false)
            EXPECT_TRUE(other->m_TaskSet.LoadNextBatch(other.get(), restart, &more));
        std::map<std::string, std::string> rows;
        for (int i = 0; i < other->GetLogEntryCount(); ++i) {
            const CLogEntry* entry = other->GetLogEntryAt(i);
            rows[entry->m_Desc.GetString()] = std::string(entry->m_Billed ? "billed " : "") +
                                              std::to_string(entry->m_Duration.GetTotalMinutes());
        }
        return rows;
    }

    modeltest::RecordingFrame m_logFrame;
    CFrameWnd* m_frame = nullptr; // deletes itself with its window
    CLogView* m_view = nullptr;
    CProject* m_alpha = nullptr;
};

TEST_P(LogViewTable, StoredAndDeletedRowsReachTheTasksTable) {
    using Rows = std::map<std::string, std::string>;
    ASSERT_EQ(StoredRows(), (Rows{{"write minutes", "30"}, {"Design review", "30"}}));

    // An edited row: its entry's row in [Tasks] changes.
    ASSERT_TRUE(Put(2, CLogView::colDescription, "Agenda"));
    ASSERT_TRUE(Put(2, CLogView::colBilled, "1"));
    EXPECT_TRUE(m_view->Update(FALSE));
    EXPECT_EQ(StoredRows(), (Rows{{"write minutes", "30"}, {"Agenda", "billed 30"}}));

    // A refused row: nothing is written.
    const CTime start = m_doc->GetLogEntryAt(0)->m_StartTime;
    ASSERT_TRUE(Put(1, CLogView::colStop, AcxFormatDateTime(start - CTimeSpan(0, 1, 0, 0))));
    EXPECT_FALSE(m_view->Update(FALSE));
    EXPECT_EQ(m_app.prompts.size(), 1u);
    EXPECT_EQ(StoredRows(), (Rows{{"write minutes", "30"}, {"Agenda", "billed 30"}}));

    // The new-entry row: a new row in [Tasks].
    const ROWCOL append = m_view->GetAppendRow();
    ASSERT_TRUE(Put(append, CLogView::colStart, AcxFormatDateTime(start + CTimeSpan(0, 4, 0, 0))));
    ASSERT_TRUE(Put(append, CLogView::colStop, AcxFormatDateTime(start + CTimeSpan(0, 5, 15, 0))));
    ASSERT_TRUE(Put(append, CLogView::colDescription, "Plan"));
    EXPECT_TRUE(m_view->Update(FALSE));
    EXPECT_EQ(StoredRows(), (Rows{{"write minutes", "30"}, {"Agenda", "billed 30"}, {"Plan", "75"}}));

    // Deleting a row after Yes: its row leaves [Tasks].
    m_app.prompts.clear();
    m_app.answers = {IDYES};
    m_view->SelectRange(CGECellRange().SetRows(1, 1), TRUE, FALSE);
    m_view->HandleKeyDown(VK_DELETE, 1, 0);
    EXPECT_EQ(m_app.prompts.size(), 1u);
    EXPECT_EQ(StoredRows(), (Rows{{"Agenda", "billed 30"}, {"Plan", "75"}}));
}

INSTANTIATE_TEST_SUITE_P(Engines, LogViewTable, DATA_ENGINES);

} // namespace
