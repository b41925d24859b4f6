// Logging entries to QuickBooks: the gates before any file is touched, the queue of failed logs and
// its retry, and the error of a list file that cannot be loaded.
#include "LogDocTestViews.h"
#include "ModelTestSupport.h"

#include "foundation/Registry.h"
#include "framework/core/CFile.h"

using namespace modeltest;

namespace {

class LogDocQuickBooks : public ModelTest {
protected:
    LogDocQuickBooks() {
        SetProgramFolderForTests(folder.Path());
        frame.doc = &doc;
        frame.logView = &view;
        CFile(ListFile(), CFile::modeCreate | CFile::modeWrite).Close();
        Settings(true, ListFile(), TimeFile(), false);
    }
    ~LogDocQuickBooks() override { SetProgramFolderForTests(nullptr); }

    CString ListFile() const { return folder.File("Company.iif"); }
    CString TimeFile() const { return folder.File("Time.iif"); }
    static void Settings(bool on, const char* list, const char* time, bool noExport) {
        RegWriteBool(REG_QUICKBOOKS, "Log to QuickBooks", on);
        RegWriteString(REG_QUICKBOOKS, "List file", list);
        RegWriteString(REG_QUICKBOOKS, "Time file", time);
        RegWriteBool(REG_QUICKBOOKS, "No Export", noExport);
    }
    CLogEntry* Entry() {
        auto* entry = new CLogEntry;
        entry->m_StartTime = At(2026, 5, 4, 9);
        entry->m_EndTime = At(2026, 5, 4, 10);
        doc.AddLogEntry(entry);
        return entry;
    }
    // The queue as the QuickBooks cache holds it.
    int CachedQueueSize() {
        CLogDoc reader;
        EXPECT_TRUE(reader.LoadQuickBooksCache());
        return static_cast<int>(reader.m_QBQueue.GetSize());
    }

    ScratchFolder folder;
    RecordingApp app;
    RecordingFrame frame;
    RecordingLogView view;
    RecordingQuickBooksFiles files;
    CLogDoc doc;
};

TEST_F(LogDocQuickBooks, NoFileIsTouchedUnlessEverySettingAllowsIt) {
    const CString list = ListFile();
    CString upper = TimeFile();
    upper.MakeUpper();
    CString listUpper = list;
    listUpper.MakeUpper();
    struct Case {
        const char* what;
        bool on;
        CString list;
        CString time;
        bool noExport;
        bool passes;
    } cases[] = {
        {"logging off", false, list, TimeFile(), false, false},
        {"no list file", true, "", TimeFile(), false, false},
        {"no time file while exporting", true, list, "", false, false},
        {"the time file is the list file", true, list, listUpper, false, false},
        {"the list file does not exist", true, folder.File("gone.iif"), TimeFile(), false, false},
        {"no time file, no export", true, list, "", true, true},
        {"everything set", true, list, upper, false, true},
    };
    for (const Case& c : cases) {
        Settings(c.on, c.list, c.time, c.noExport);
        CString timePath;
        EXPECT_EQ(doc.CheckQuickBooksFiles(timePath), c.passes) << c.what;
    }
    // The list file was loaded once (the first time that passed), the missing time file made once.
    ASSERT_EQ(files.listLoads.size(), 1u);
    EXPECT_EQ(files.listLoads[0], list.GetString());
    ASSERT_EQ(files.created.size(), 1u);
    EXPECT_EQ(files.created[0], upper.GetString());
}

TEST_F(LogDocQuickBooks, EntriesAreWrittenOrRemovedByTheirGuid) {
    CLogEntry* entry = Entry();
    EXPECT_TRUE(doc.QueueEntryForQuickBooks(entry, false, 1));
    ASSERT_EQ(files.rows.size(), 1u);
    EXPECT_EQ(files.rows[0].guid, entry->m_GUID.GetString());
    EXPECT_EQ(files.rows[0].value, 1);
    EXPECT_EQ(files.rows[0].timeFile, TimeFile().GetString());
    EXPECT_TRUE(doc.QueueEntryForQuickBooks(entry, true, 0));
    ASSERT_EQ(files.removed.size(), 1u);
    EXPECT_EQ(files.removed[0].guid, entry->m_GUID.GetString());
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 0);
    EXPECT_FALSE(doc.QueueEntryForQuickBooks(nullptr, false, 0));
    EXPECT_FALSE(doc.WriteEntryToQuickBooks(nullptr, false, 0));
}

TEST_F(LogDocQuickBooks, WithoutExportOrLoggingNothingIsTouchedAndNothingQueued) {
    CLogEntry* entry = Entry();
    Settings(true, ListFile(), TimeFile(), true);
    EXPECT_TRUE(doc.QueueEntryForQuickBooks(entry, false, 0));
    Settings(false, ListFile(), TimeFile(), false);
    EXPECT_TRUE(doc.QueueEntryForQuickBooks(entry, false, 0));
    EXPECT_TRUE(files.listLoads.empty());
    EXPECT_TRUE(files.rows.empty());
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 0);
    EXPECT_EQ(entry->m_Mark1, 0);
}

TEST_F(LogDocQuickBooks, AFailedLogIsQueuedOnceAndRetriedLater) {
    CLogEntry* entry = Entry();
    CLogEntry* other = Entry();
    files.writesSucceed = false;
    EXPECT_FALSE(doc.QueueEntryForQuickBooks(entry, true, 0));
    EXPECT_FALSE(doc.QueueEntryForQuickBooks(entry, false, 1));
    EXPECT_EQ(entry->m_Mark1, 1);
    EXPECT_EQ(entry->m_Mark2, 0) << "the last queued write counts";
    EXPECT_EQ(entry->m_Mark3, 1);
    ASSERT_EQ(doc.m_QBQueue.GetSize(), 1);
    EXPECT_EQ(CachedQueueSize(), 1) << "the cache follows the queue at once";
    EXPECT_FALSE(doc.RetryQuickBooksQueue());

    files.writesSucceed = true;
    EXPECT_TRUE(doc.RetryQuickBooksQueue());
    ASSERT_EQ(files.rows.size(), 1u);
    EXPECT_EQ(files.rows[0].value, 1);
    EXPECT_EQ(entry->m_Mark1, 0);
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 0);
    EXPECT_EQ(CachedQueueSize(), 0);
    ASSERT_EQ(view.refreshedRows.size(), 1u);
    EXPECT_EQ(view.refreshedRows[0], entry);
    EXPECT_FALSE(doc.RetryQuickBooksQueue()) << "nothing left";

    // Dequeue compares ignoring case and leaves other entries alone.
    CString lower = other->GetGUID();
    lower.MakeLower();
    doc.m_QBQueue.Add(lower);
    doc.DequeueEntry(entry);
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 1);
    doc.DequeueEntry(other);
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 0);
    doc.DequeueEntry(nullptr);
}

TEST_F(LogDocQuickBooks, TheTimeFileBeingTheListFileQueuesTheEntry) {
    CString same = ListFile();
    same.MakeLower();
    Settings(true, ListFile(), same, false);
    CLogEntry* entry = Entry();
    EXPECT_FALSE(doc.QueueEntryForQuickBooks(entry, false, 0));
    EXPECT_TRUE(files.rows.empty());
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 1);
}

TEST_F(LogDocQuickBooks, AListFileThatCannotBeLoadedGoesToTheErrorList) {
    files.listLoadSucceeds = false;
    CLogEntry* entry = Entry();
    EXPECT_FALSE(doc.QueueEntryForQuickBooks(entry, false, 0));
    EXPECT_EQ(files.listLoads.size(), 2u) << "opened, then one more attempt";
    ASSERT_EQ(frame.errors.size(), 2u);
    EXPECT_EQ(frame.errors[0].message, "QuickBooks list file");
    EXPECT_EQ(frame.errors[0].code, ERROR_SHARING_VIOLATION);
    EXPECT_NE(frame.errors[0].detail.find(ListFile().GetString()), std::string::npos)
        << frame.errors[0].detail;
    EXPECT_EQ(doc.m_QBQueue.GetSize(), 1);

    // Without IIF files to load, logging fails the same way and the entry waits.
    files.listLoadSucceeds = true;
    SetQuickBooksFiles(nullptr);
    CLogDoc fresh;
    frame.errors.clear();
    CLogEntry* waiting = Entry();
    EXPECT_FALSE(fresh.QueueEntryForQuickBooks(waiting, false, 0));
    EXPECT_EQ(waiting->m_Mark1, 1);
    EXPECT_FALSE(frame.errors.empty());
}

} // namespace
